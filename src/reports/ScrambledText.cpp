#include "reports/ScrambledText.h"

#include "platform/Files.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr std::size_t kKeyPrefixLength = 5;

// Bytes a scrambled file must never hold: a reader would take them for the
// end of a line or of the file.
bool IsUnstorable(int code) { return code == 0 || code == '\n' || code == '\r' || code == 26; }

std::optional<char> EncodeByte(unsigned char plain, ScrambleKeys keys) {
  const int code = (int(plain) + keys.A) ^ keys.B;
  if (code < 0 || code > 255 || IsUnstorable(code)) return std::nullopt;
  return char(code);
}

char DecodeByte(unsigned char stored, ScrambleKeys keys) {
  const int code = (int(stored) ^ keys.B) - keys.A;
  if (code < 0 || code > 255 || IsUnstorable(stored)) return '?';
  return char(code);
}

std::string Decode(std::string_view scrambled, ScrambleKeys keys, bool keepLines) {
  std::string out;
  out.reserve(scrambled.size());
  for (const char c : scrambled)
    out +=
        keepLines && (c == '\r' || c == '\n') ? c : DecodeByte(static_cast<unsigned char>(c), keys);
  return out;
}

std::string_view AfterPrefix(std::string_view line) { return line.substr(kKeyPrefixLength); }

}  // namespace

std::optional<std::string> EncodeScrambledText(std::string_view plain, ScrambleKeys keys) {
  std::string out;
  out.reserve(plain.size());
  for (const char c : plain) {
    const auto stored = EncodeByte(static_cast<unsigned char>(c), keys);
    if (!stored) return std::nullopt;
    out += *stored;
  }
  return out;
}

std::string DecodeScrambledText(std::string_view scrambled, ScrambleKeys keys) {
  return Decode(scrambled, keys, false);
}

std::string DecodeScrambledTextKeepLines(std::string_view scrambled, ScrambleKeys keys) {
  return Decode(scrambled, keys, true);
}

std::optional<std::string> EncodeScrambledFile(std::string_view plainText, int& badLine,
                                               ScrambleKeys keys) {
  std::string out;
  int lineNumber = 0;
  for (const std::string& line : SplitLines(DecodeText(plainText))) {
    ++lineNumber;
    const std::string bytes = EncodeWindows1252(line);
    // A character Windows-1252 lacks would come back as "?".
    const auto stored =
        DecodeWindows1252(bytes) == line ? EncodeScrambledText(bytes, keys) : std::nullopt;
    if (!stored) {
      badLine = lineNumber;
      return std::nullopt;
    }
    out += *stored;
    out += "\r\n";
  }
  return out;
}

std::vector<std::string> DecodeScrambledLines(std::string_view fileBytes, ScrambleKeys keys) {
  std::vector<std::string> lines = SplitLines(fileBytes);
  for (std::string& line : lines) line = DecodeWindows1252(DecodeScrambledText(line, keys));
  return lines;
}

void ListTextBetweenMarkers(const fs::path& file, const ScrambledSectionKeys& keys,
                            OutputState& out, Host& host, ScrambleKeys codec) {
  BusyCursor busy(host);
  const auto bytes = ReadFileBytes(file);
  if (!bytes) {
    ReportMissingFile(host, file.string());
    return;
  }
  bool inSection = false;
  for (const std::string& line : SplitLines(*bytes)) {
    const bool keyed = line.size() >= kKeyPrefixLength;
    if (!inSection) {
      if (!keyed || AfterPrefix(line) != keys.start) continue;
      inSection = true;
    } else if (!keyed) {
      AppendBlankLine(out, host);
      continue;
    } else if (AfterPrefix(line) == keys.end1 || AfterPrefix(line) == keys.end2) {
      return;
    }
    out.OutputLine = "  " + DecodeWindows1252(DecodeScrambledText(line, codec));
    AppendOutputLine(out, host);
  }
}

}  // namespace orv
