// The RTF copy of saved reports, from reports built of the shipped framing
// texts.

#include <gtest/gtest.h>

#include <cctype>

#include "RecordingHost.h"
#include "SampleReports.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "reports/ReportText.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"

namespace orv {
namespace {

std::string SavedReport(ReportKind kind, const std::vector<const char*>& files,
                        const std::vector<std::string>& body) {
  return SavedReportText(test::SampleReport(kind, files, body), test::ReportPageOptions());
}

const std::vector<const char*> kNatal = test::kNatalFraming;

// Whether a page's number ("Page " and a digit) is left in the text; the RTF
// frame's own footer field says "Page " before its field.
bool HasPageNumber(const std::string& rtf) {
  for (size_t at = rtf.find("Page "); at != std::string::npos; at = rtf.find("Page ", at + 1))
    if (at + 5 < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[at + 5]))) return true;
  return false;
}

TEST(RtfReport, FramesTitlesBodiesAndHeadingsOfEachReport) {
  std::vector<std::string> body = {"Sun in Aries {x} \\ café - → \xF0\x9D\x84\x9E"};
  for (int i = 0; i < 6200; ++i) body.push_back(i % 2 ? "" : "text ");  // 101 pages and more
  // clang-format off
  const std::string natal = RtfReportText(SavedReport(ReportKind::Natal, kNatal, body), ReportKind::Natal);
  const struct {
    std::string rtf;
    std::vector<std::string> parts;
  } cases[] = {
      {natal,
       {"{\\rtf1\\ansi\\ansicpg1252\\widowctrl\\deff1\\deftab600{\\fonttbl{\\f0\\fmodern Arial;}}"
        "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red0"
        "\\green255\\blue0;}\\margl1064\\margr1064\\margt1064\\margb1064 \\deflang1033\\pard\\plain"
        "\\f0\\cf0\\fs22\\qc {\\footer \\fs16 {\\f1\\fs16 Page }{\\field{\\*\\fldinst {\\f1\\fs16  "
        "PAGE }}}{\\f1\\fs16  of }{\\field{\\*\\fldinst {\\f1\\fs16  NUMPAGES }}}}\r\n\\b \r\n\\par "
        "NATAL REPORT FOR MARY ANN JONES\r\n\\par \r\n\\par \r\n\\par 04 JUL 1976    TZ = 5.0      "
        "10.30 A.M.   74W00    40N43\r\n\\par \r\n\\par \r\n\\par \\b0 \\qj Astrology is the study",
        "\\par \\b THE RISING SIGN OR ASCENDANT\\b0 \r\n", "\\par \\b SIGN POSITIONS OF PLANETS\\b0 ",
        // Lines that end in a blank join into one paragraph.
        "angled to one another. This report reads that picture", "may make sense later, as experience",
        // Beyond 0xFFFF: the character's surrogate pair.
        "Sun in Aries \\{x\\} \\\\ caf\\'e9\\'97\\u8594? \\u-10188?\\u-8930?\r\n", "\\b CLOSING COMMENTS\\b0 ",
        "doing in this life.\r\n\\par \r\n\\par \r\n}\r\n.\r\n"}},
      {RtfReportText(SavedReport(ReportKind::Composite, test::kCompositeFraming, {}), ReportKind::Composite),
       {"\\b COMPOSITE REPORT FOR AL\r\n\\par \r\n\\par ", "AND BEA\r\n", "\\qj The composite horoscope is created",
        "\\b COMPOSITE PLANETS IN HOUSES\\b0 \r\n\\par \r\n\\par The houses",
        "\\b MEANINGS OF COMPOSITE PLANETARY ASPECTS\\b0 \r\n", "May your bond grow with wisdom.\r\n\\par \r\n\\par \r\n}"}},
      {RtfReportText(SavedReport(ReportKind::Synastry, test::kSynastryFraming, {}), ReportKind::Synastry),
       {"\\qj The ability to get along", "\\b ATTRACTION AND ENDURABILITY\\b0 ",
        "their elements.\r\n\\par \r\n\\par \r\n\\par \\b MEANINGS OF ASPECTS TO THE ASCENDANTS\\b0",
        "\\b MEANINGS OF INTERPLANETARY ASPECTS\r\n\\par \\b0 ", "\\par The astrological interpretations",
        "Enjoy the journey.\r\n\\par \r\n\\par \r\n}"}},
      // No anchors: the body is what follows the title page.
      {RtfReportText("TITLE\r\n\f\r\n{body}\r\n", ReportKind::Synastry), {"\\qj \\{body\\}\r\n\\par \r\n\\par \r\n}"}},
  };
  // clang-format on
  for (const auto& c : cases)
    for (const std::string& part : c.parts) EXPECT_NE(c.rtf.find(part), std::string::npos) << part;
  EXPECT_FALSE(HasPageNumber(natal));  // however many pages

  // On screen: the same paragraphs, escapes and characters read back, headings bold.
  std::string shown;
  for (const auto& p : ReadRtfParagraphs(natal))
    for (const auto& r : p.runs)
      shown += (p.centred ? "^" : "") + (r.bold ? "*" + r.text : r.text) + "|";
  for (const char* part : {"^*NATAL REPORT FOR MARY ANN JONES|", "|*CLOSING COMMENTS|",
                           "|Sun in Aries {x} \\ café\xE2\x80\x94\xE2\x86\x92 \xF0\x9D\x84\x9E|"})
    EXPECT_NE(shown.find(part), std::string::npos) << part;
}

// A paragraph that runs over page ends stays one paragraph whatever the page
// layout: the page's closing lines, its number and the empty lines heading
// the next page are no part of the text.
TEST(RtfReport, NoParagraphIsSplitAtAPageEnd) {
  std::vector<std::string> body;
  std::string paragraph;
  for (int i = 0; i < 300; ++i) {
    body.push_back("word" + std::to_string(i) + " ");  // 300 lines: pages of every length end inside
    paragraph += body.back();
  }
  body.push_back("the end.");
  body.push_back("");
  body.push_back("Next paragraph.");
  paragraph += "the end.\r\n\\par \r\n\\par Next paragraph.";
  const struct {
    float pageLength, footLines, topLines;
  } layouts[] = {{66, 6, 0}, {66, 6, 5}, {60, 6, 0}, {60, 6, 5}, {40, 3, 5}, {23, 2, 1}};
  for (const auto& l : layouts) {
    OptionValues options = test::ReportPageOptions();
    options[131] = l.pageLength, options[129] = l.footLines, options[132] = l.topLines;
    const std::string saved =
        SavedReportText(test::SampleReport(ReportKind::Natal, kNatal, body), options);
    ASSERT_NE(saved.find("Page 4\r\n"), std::string::npos);  // the paragraph spans pages
    const std::string rtf = RtfReportText(saved, ReportKind::Natal, PageTopLines(options));
    EXPECT_NE(rtf.find(paragraph), std::string::npos) << l.pageLength << " " << l.topLines;
    EXPECT_FALSE(HasPageNumber(rtf));
    // The title still comes from the title page.
    EXPECT_NE(rtf.find("\\b \r\n\\par NATAL REPORT FOR MARY ANN JONES"), std::string::npos);
  }
}

// Bytes that are no UTF-8 character (a report built from a damaged text)
// become "?": a lead byte with a long run of continuation bytes once
// shifted a 32-bit number by 70 places.
TEST(RtfReport, BytesThatAreNoCharacterBecomeAQuestionMark) {
  const struct {
    std::string text, rtf;
  } cases[] = {
      {"a\xE2" + std::string(70, '\x80') + "b", "a?b"},
      {"a\xF8\x88\x80\x80\x80" "b", "a?b"},  // a five-byte form
      {"a\xED\xA0\x80" "b", "a?b"},            // a lone surrogate
      {"a\xE2\x86\x92" "b", "a\\u8594?b"},    // a whole character stays
  };
  for (const auto& c : cases) {
    const std::string rtf =
        RtfReportText("TITLE\r\n\f\r\n" + c.text + "\r\n", ReportKind::Synastry);
    EXPECT_NE(rtf.find("\\qj " + c.rtf + "\r\n"), std::string::npos) << rtf;
  }
}

}  // namespace
}  // namespace orv
