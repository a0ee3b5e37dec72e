// The RTF copy of saved reports, from reports built of the shipped framing
// texts.

#include <gtest/gtest.h>

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

TEST(RtfReport, FramesTitlesBodiesAndHeadingsOfEachReport) {
  std::vector<std::string> body = {"Sun in Aries {x} \\ café - →"};
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
        "to one another. The reports of this program read", "may make sense later, as experience",
        "Sun in Aries \\{x\\} \\\\ caf\\'e9\\'97\\u8594?\r\n", "Page 101", "\\b CLOSING COMMENTS\\b0 ",
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
  EXPECT_EQ(natal.find("Page 100"), std::string::npos);
  EXPECT_EQ(natal.find("Page 2\r"), std::string::npos);

  // On screen: the same paragraphs, escapes and characters read back, headings bold.
  std::string shown;
  for (const auto& p : ReadRtfParagraphs(natal))
    for (const auto& r : p.runs)
      shown += (p.centred ? "^" : "") + (r.bold ? "*" + r.text : r.text) + "|";
  for (const char* part : {"^*NATAL REPORT FOR MARY ANN JONES|", "|*CLOSING COMMENTS|",
                           "|Sun in Aries {x} \\ café\xE2\x80\x94\xE2\x86\x92|"})
    EXPECT_NE(shown.find(part), std::string::npos) << part;
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

// A damaged .rtf shown in the RTF window: escapes that hold no number show
// nothing; they once ended the program with an uncaught exception.
TEST(RtfReport, ADamagedFileReadsWithoutItsBrokenEscapes) {
  const struct {
    std::string rtf, shown;
  } cases[] = {
      {"{\\rtf1 a\\'zzb}", "ab"},
      {"{\\rtf1 a\\'e9b}", "a\xC3\xA9" "b"},
      {"{\\rtf1 a\\u99999999999999999999?b}", "ab"},
      {"{\\rtf1 a\\u-4064?b}", "a\xEF\x80\xA0" "b"},
      {"{\\rtf1 a\\'", "a"},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const auto& p : ReadRtfParagraphs(c.rtf))
      for (const auto& r : p.runs) shown += r.text;
    EXPECT_EQ(shown, c.shown) << c.rtf;
  }
}

TEST(RtfReport, WrittenBesideTheTextExceptForTransitReports) {
  test::TempDir dir;
  test::RecordingHost host;
  const std::string transit = "\r\n\r\n" + std::string(31, ' ') + "TRANSIT REPORT FOR\r\n";
  EXPECT_FALSE(WriteRtfCopy(dir.path() / "T.txt", transit, ReportKind::Natal, host));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  EXPECT_EQ(WriteRtfCopy(dir.path() / "M.txt", "", ReportKind::Natal, host), dir.path() / "M.rtf");
}

}  // namespace
}  // namespace orv
