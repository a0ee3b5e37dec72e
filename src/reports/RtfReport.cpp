#include "reports/RtfReport.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

#include "base/Text.h"
#include "platform/Files.h"
#include "reports/ReportAnchors.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

namespace a = anchors;

constexpr std::string_view NL = "\r\n";
constexpr std::string_view PB = "\r\n\\par ";  // `RtfParagraphBreak`
constexpr std::string_view kEmDash = "\xE2\x80\x94";
constexpr std::size_t kTransitMarkChars = 150;

constexpr std::string_view kRtfHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\widowctrl\\deff1\\deftab600{\\fonttbl{\\f0\\fmodern Arial;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;"
    "\\red0\\green255\\blue0;}"
    "\\margl1064\\margr1064\\margt1064\\margb1064 \\deflang1033\\pard\\plain\\f0\\cf0\\fs22\\qc "
    "{\\footer \\fs16 {\\f1\\fs16 Page }{\\field{\\*\\fldinst {\\f1\\fs16  PAGE }}}"
    "{\\f1\\fs16  of }{\\field{\\*\\fldinst {\\f1\\fs16  NUMPAGES }}}}";

std::string Cat(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view p : parts) out += p;
  return out;
}

std::string Bold(std::string_view heading) { return Cat({"\\b ", heading, "\\b0 "}); }

std::string Replace(std::string text, std::string_view find, std::string_view by) {
  return ReplaceText(std::move(text), find, by);
}

// `\`, `{` and `}` of the report's own text, before any control word is put
// in beside them.
std::string EscapeRtf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\' || c == '{' || c == '}') out += '\\';
    out += c;
  }
  return out;
}

// Characters beyond ASCII as code page 1252 bytes, or as Unicode numbers.
std::string RtfCharacters(std::string_view text) {
  std::string out;
  char hex[16];
  for (std::string_view ch : Utf8Characters(text)) {
    if (ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x80) {
      out += ch;
      continue;
    }
    const std::string byte = EncodeWindows1252(ch);
    if (byte.size() == 1 && byte != "?") {
      std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned char>(byte[0]));
      out += hex;
      continue;
    }
    // Bytes that are no UTF-8 character (a lead byte with too many
    // continuation bytes, a stray one) have no number to give.
    if (ch.size() > 4 || !IsUtf8(ch)) {
      out += '?';
      continue;
    }
    // Not in code page 1252: its UTF-16 units as signed numbers.
    unsigned code = static_cast<unsigned char>(ch[0]) & (0x7Fu >> ch.size());
    for (std::size_t k = 1; k < ch.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(ch[k]) & 0x3Fu);
    std::vector<unsigned> units{code};
    if (code > 0xFFFF) units = {0xD800 + ((code - 0x10000) >> 10), 0xDC00 + (code & 0x3FF)};
    for (unsigned u : units) {
      std::snprintf(hex, sizeof hex, "\\u%d?", int(short(u)));
      out += hex;
    }
  }
  return out;
}

// The saved text without its page furniture: every page's closing lines
// (four empty lines and the page-number line before the form feed) and the
// `pageTopLines` empty lines heading the pages after the first go, so a
// paragraph running over a page end reads on as one. The form feed after the
// title page stays, as it marks where the body begins.
std::string WithoutPageFurniture(std::string_view savedText, long pageTopLines) {
  constexpr std::size_t kClosingLines = 5;
  const std::vector<std::string> lines = SplitLines(savedText);
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  std::size_t pageStart = 0;
  bool firstPage = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != "\f") {
      kept.push_back(lines[i]);
      continue;
    }
    const std::size_t pageLines = kept.size() - pageStart;
    const auto closing = kept.end() - std::ptrdiff_t(std::min(kClosingLines, pageLines));
    const bool furniture =
        pageLines >= kClosingLines &&
        std::all_of(closing, kept.end() - 1, [](const std::string& l) { return l.empty(); }) &&
        (kept.back().empty() || Trim(kept.back()).starts_with("Page "));
    if (furniture) kept.erase(closing, kept.end());
    if (firstPage) kept.push_back("\f");
    firstPage = false;
    for (long k = 0; k < pageTopLines && i + 1 < lines.size() && lines[i + 1].empty(); ++k) ++i;
    pageStart = kept.size();
  }
  return JoinLinesCrLf(kept);
}

// Steps shared by every body: line ends, joined lines, blanks and dashes.
std::string CleanBody(std::string body, bool keepSentenceBreaks) {
  body = Replace(body, Cat({NL, "\f"}), PB);
  if (keepSentenceBreaks) body = Replace(body, Cat({". ", NL, NL}), Cat({".", NL, NL}));
  body = Replace(body, Cat({" ", NL}), " ");
  body = Replace(body, NL, PB);
  while (body.find("  ") != std::string::npos) body = Replace(body, "  ", " ");
  body = Replace(body, " - ", kEmDash);
  return Replace(body, "- ", "-");
}

// The UTF-8 bytes of the character `code` (at most 0x10FFFF).
std::string Utf8Of(unsigned code) {
  if (code < 0x80) return std::string(1, char(code));
  if (code < 0x800) return {char(0xC0 | (code >> 6)), char(0x80 | (code & 0x3F))};
  if (code < 0x10000)
    return {char(0xE0 | (code >> 12)), char(0x80 | ((code >> 6) & 0x3F)),
            char(0x80 | (code & 0x3F))};
  return {char(0xF0 | (code >> 18)), char(0x80 | ((code >> 12) & 0x3F)),
          char(0x80 | ((code >> 6) & 0x3F)), char(0x80 | (code & 0x3F))};
}

// `text` from `from`, `extra` characters past the start of `to`; nothing
// when either is missing or out of order.
std::optional<std::string> Region(std::string_view text, std::string_view from, std::string_view to,
                                  long extra) {
  const std::size_t start = text.find(from), end = text.find(to);
  if (start == std::string_view::npos || end == std::string_view::npos) return std::nullopt;
  const long length = long(end) - long(start) + extra;
  if (length <= 0) return std::nullopt;
  return Cat({text.substr(start, std::size_t(length)), NL});
}

// Everything after the title page: the text behind the first form-feed line.
std::string AfterTitlePage(std::string_view text) {
  const std::size_t feed = text.find(Cat({NL, "\f", NL}));
  return std::string(feed == std::string_view::npos ? text : text.substr(feed + 5));
}

std::string NatalBody(const std::string& text) {
  std::string body = CleanBody(
      EscapeRtf(Region(text, a::kNatalOpening, a::kNatalClosing, long(a::kNatalClosing.size()))
                    .value_or(AfterTitlePage(text))),
      false);
  const std::string houses(a::kNatalHouses);
  body = Replace(body, Cat({PB, a::kNatalSigns, PB}), Bold(a::kNatalSigns));
  body = Replace(body, Cat({PB, houses, PB}), houses);
  body = Replace(body, houses, Cat({Bold(houses), NL}));
  body = Replace(body, Cat({PB, a::kNatalAspects, PB}), Bold(a::kNatalAspects));
  body = Replace(body, a::kNatalRising, Bold(a::kNatalRising));
  return Replace(body, a::kNatalClosingHeading, Bold(a::kNatalClosingHeading));
}

std::string CompositeBody(const std::string& text) {
  std::string body = CleanBody(EscapeRtf(Region(text, a::kCompositeOpening, a::kCompositeClosing,
                                                long(a::kCompositeClosing.size()))
                                             .value_or(AfterTitlePage(text))),
                               false);
  body = Replace(body, Cat({PB, PB, PB, a::kCompositeHouses, PB}),
                 Cat({Bold(a::kCompositeHouses), PB}));
  return Replace(body, Cat({PB, a::kCompositeAspects, PB}), Bold(a::kCompositeAspects));
}

std::string SynastryBody(const std::string& text) {
  const auto first =
      Region(text, a::kSynastryOpening, a::kSynastryIntroEnd, long(a::kSynastryIntroEnd.size()));
  const auto second = Region(text, a::kSynastryAscendants, a::kSynastryClosingStart, -1);
  const auto third = Region(text, a::kSynastryClosing, a::kSynastryNeeds,
                            long(a::kSynastryNeeds.size() + a::kSynastryAfterNeeds));
  std::string body;
  if (first && second && third) {
    body = Replace(CleanBody(EscapeRtf(*first), false), a::kSynastryAttraction,
                   Bold(a::kSynastryAttraction));
    const std::string closing = CleanBody(EscapeRtf(*third), false);
    body += Cat({PB, CleanBody(EscapeRtf(Cat({NL, NL, *second})), true), closing});
  } else {
    body = CleanBody(EscapeRtf(AfterTitlePage(text)), false);
    body = Replace(body, a::kSynastryAttraction, Bold(a::kSynastryAttraction));
  }
  body = Replace(body, Cat({PB, a::kSynastryAscendants, PB}), Bold(a::kSynastryAscendants));
  return Replace(body, Cat({PB, a::kSynastryAspects, PB}),
                 Cat({"\\b ", a::kSynastryAspects, PB, "\\b0 "}));
}

// The title from the non-empty lines 1 to `lastIndex` of the text.
std::string Title(std::string_view text, ReportKind kind) {
  const bool natal = kind == ReportKind::Natal;
  const std::vector<std::string> lines = SplitLines(text);
  std::vector<std::string> t;
  for (std::size_t i = 1; i <= (natal ? 15u : 25u) && i < lines.size(); ++i) {
    const std::string_view line = Trim(lines[i]);
    if (!line.empty() && t.size() < (natal ? 3u : 6u)) t.push_back(EscapeRtf(line));
  }
  t.resize(6);
  const std::string title =
      natal ? Cat({NL, t[0], " ", t[1], NL, NL, NL, t[2], NL, NL, NL})
            : Cat({t[0], " ", t[1], NL, NL, t[2], NL, NL, "AND ", t[4], NL, NL, t[5], NL, NL, NL});
  return Replace(title, NL, PB);
}

}  // namespace

fs::path RtfFileName(const fs::path& textFile) {
  fs::path rtf = textFile;
  if (EqualsIgnoreCase(textFile.extension().string(), ".txt")) return rtf.replace_extension(".rtf");
  return rtf += ".rtf";
}

fs::path ReportTextFileName(const fs::path& chosen) {
  fs::path text = chosen;
  if (EqualsIgnoreCase(chosen.extension().string(), ".rtf")) text.replace_extension(".txt");
  return text;
}

bool IsTransitReportText(std::string_view savedText) {
  return savedText.substr(0, kTransitMarkChars).find("TRANSIT REPORT FOR") !=
         std::string_view::npos;
}

std::string RtfReportText(std::string_view savedText, ReportKind kind, long pageTopLines) {
  const std::string text = WithoutPageFurniture(savedText, pageTopLines);
  std::string body = kind == ReportKind::Natal       ? NatalBody(text)
                     : kind == ReportKind::Composite ? CompositeBody(text)
                                                     : SynastryBody(text);
  const std::string part2 = Cat({"\\b ", Title(text, kind), "\\b0 ", "\\qj ", body, PB});
  return Cat({kRtfHeader, NL, RtfCharacters(part2), NL, "}", NL, ".", NL});
}

std::vector<RtfParagraph> ReadRtfParagraphs(std::string_view rtf) {
  std::vector<RtfParagraph> paragraphs(1);
  bool bold = false, centred = false;
  unsigned highSurrogate = 0;
  int depth = 0, skipFrom = 0;  // a group from depth skipFrom on is left out
  auto add = [&](std::string_view text) {
    if (skipFrom) return;
    auto& runs = paragraphs.back().runs;
    if (runs.empty() || runs.back().bold != bold) runs.push_back({"", bold});
    runs.back().text += text;
  };
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '{') {
      ++depth;
      const std::string_view next = rtf.substr(i + 1, 10);
      if (!skipFrom && depth > 1 &&
          (next.starts_with("\\fonttbl") || next.starts_with("\\colortbl") ||
           next.starts_with("\\footer") || next.starts_with("\\*")))
        skipFrom = depth;
    } else if (c == '}') {
      if (depth-- == skipFrom) skipFrom = 0;
    } else if (c == '\r' || c == '\n') {
    } else if (c != '\\') {
      add(rtf.substr(i, 1));
    } else if (i + 1 < rtf.size() && !std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
      const char s = rtf[++i];
      if (s == '\'' && i + 2 < rtf.size()) {
        // A damaged file's "\'zz" shows nothing rather than ending the
        // program.
        const std::string_view hex = rtf.substr(i + 1, 2);
        unsigned byte = 0;
        const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), byte, 16);
        if (ec == std::errc() && end == hex.data() + hex.size())
          add(DecodeWindows1252(std::string(1, char(byte))));
        i += 2;
      } else if (s == '\\' || s == '{' || s == '}') {
        add(std::string(1, s));
      }
    } else {
      std::size_t end = i + 1;
      while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
      const std::string word(rtf.substr(i + 1, end - i - 1));
      std::size_t numberEnd = end;
      if (numberEnd < rtf.size() && rtf[numberEnd] == '-') ++numberEnd;
      while (numberEnd < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[numberEnd])))
        ++numberEnd;
      const std::string number(rtf.substr(end, numberEnd - end));
      i = numberEnd < rtf.size() && rtf[numberEnd] == ' ' ? numberEnd : numberEnd - 1;
      if (word == "par" && !skipFrom) {
        paragraphs.back().centred = centred;
        paragraphs.emplace_back();
      } else if (word == "b") {
        bold = number != "0";
      } else if (word == "qc" || word == "qj") {
        centred = word == "qc";
      } else if (word == "u" && !number.empty()) {
        long value = 0;  // beyond any character in a damaged file: nothing shown
        const bool read = std::from_chars(number.data(), number.data() + number.size(), value)
                              .ec == std::errc();
        const unsigned unit = read ? unsigned(value) & 0xFFFF : 0;
        if (!read) {
          highSurrogate = 0;
        } else if (unit >= 0xD800 && unit <= 0xDBFF) {
          highSurrogate = unit;  // the first half of a character beyond 0xFFFF
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
          if (highSurrogate)
            add(Utf8Of(0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00)));
          highSurrogate = 0;
        } else {
          add(Utf8Of(unit));
        }
        if (i + 1 < rtf.size() && rtf[i + 1] == '?') ++i;
      }
    }
  }
  paragraphs.back().centred = centred;
  return paragraphs;
}

}  // namespace orv
