// Reading interpretation and meaning texts: keyed sections into a report
// and into the data window's page, title pages, the paragraph joiner.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "SampleReports.h"
#include "TempDir.h"
#include "listings/ChartHeaders.h"
#include "platform/Files.h"
#include "reports/ReportText.h"
#include "reports/TextListing.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;
std::string Blanks(size_t n) { return std::string(n, ' '); }

TEST(ReportText, KeyedSectionsIntoReportsAndPages) {
  const std::string nine(9, '\n'), ten(10, '\n');
  const struct {
    std::string file, key;
    Lines report, listed;  // AddSectionToReport, ListMeaningSection
  } cases[] = {
      // clang-format off
      {"   SUN IN ARIES x\nl\n  *\nafter\n", "Sun in", {"   SUN IN ARIES x", "l", ""}, {"     SUN IN ARIES x", "  l"}},
      {"X k\n* \n** \n[] \n\n  []\n", "x K", {"X k", "* ", "** ", "[] ", "", ""}, {"  X k", "  * ", "  ** ", "  [] ", "  "}},
      {"SUN INCONJUNCT\na\n*\nSun in\n*\n", "Sun in", {"SUN INCONJUNCT", "a", ""}, {"  SUN INCONJUNCT", "  a"}},
      {nine + "Key\n[]\n", "KEY", {"Key", ""}, {"  Key"}},
      {ten + "Key\n[]\n", "KEY", {}, {"  Key"}},
      {"x\nKey a\nb", "key", {"Key a", "b"}, {"  Key a", "  b"}},
      {"one\n*\n", "", {"one", ""}, {"  one"}},
      {"Ke\n", "Key", {}, {}},
      {"", "Key", {}, {}},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    test::TempDir dir;
    ASSERT_EQ(WriteFileAtomically(dir.path() / "SIGN_LIB.TXT", c.file), "");
    ReportState report;
    AddSectionToReport(report, c.key, dir.path() / "SIGN_LIB.TXT");
    EXPECT_EQ(report.ReportLines, c.report);
    EXPECT_EQ(report.MissedSections, c.report.empty() ? 1 : 0);
    OutputState out;
    test::RecordingHost host;
    ListMeaningSection(dir.path(), "SIGN_Lib.TXT", c.key, out, host);
    EXPECT_EQ(out.PageBuffer(), c.listed);
    EXPECT_TRUE(host.messages.empty());
  }
  // Whole files; a missing one is counted in a report, told once on a page.
  test::TempDir dir;
  ASSERT_EQ(WriteFileAtomically(dir.path() / "Mar.TXT", "abc\n\n  def\n"), "");
  OutputState out;
  test::RecordingHost host;
  ListTextFile(dir.path(), "MAR.txt", out, host);
  ListTextFile(dir.path(), "Sun.TXT", out, host);
  EXPECT_EQ(out.PageBuffer(), (Lines{"  abc", "  ", "    def"}));
  EXPECT_EQ(host.messages.at(0).text,
            "Cannot find the file called " + (dir.path() / "Sun.TXT").string() + ".");
  ReportState report;
  for (const char* file : {"Mar.TXT", "Sun.TXT", "Moon.TXT"})
    AddFileToReport(report, dir.path() / file);
  EXPECT_EQ(report.ReportLines, (Lines{"abc", "", "  def"}));
  EXPECT_EQ(ReportMissedSections(report, host), 2);
  EXPECT_EQ(host.messages.at(1).text,
            "2 sections of this report were not found in the program's text files.");
}

TEST(ReportText, TitlePagesBirthDataAndJoinedParagraphs) {
  EXPECT_EQ(FormatCoord(-74, "West"), "74w00");
  EXPECT_EQ(FormatCoord(40.72f, "North"), "40n72");
  const ChartInputValues v = test::SampleBirth();  // 10.30 A.M., zone 5, 74w00, 40n43
  const std::string birth = "  04 JUL 1976    TZ = 5.0      10.30 A.M.   74W00    40N43";
  EXPECT_EQ(BirthDataLine(v), birth);
  EXPECT_EQ(CentreReportLine("ABCDEFGHIJK"), Blanks(35) + "ABCDEFGHIJK");
  EXPECT_EQ(CentreReportLine(""), Blanks(40));
  EXPECT_EQ(CentreReportLine("ÉMILE"), Blanks(38) + "ÉMILE");

  test::TempDir dir;
  ASSERT_EQ(WriteFileAtomically(dir.path() / "personal.nam", "By Ann\r\nLeeds\r\nUK\r\n"), "");
  OptionValues options{};
  options[131] = 60, options[129] = 6;
  ReportState report;
  ReadPersonalNam(report, dir.path());
  report.ReportTitle = "TITLE";
  // clang-format off
  auto page = [&](std::vector<std::pair<size_t, std::string>> lines) {
    Lines expected(54, "");
    lines.insert(lines.end(), {{5, "TITLE"}, {51, Blanks(37) + "By Ann"}, {52, Blanks(38) + "Leeds"}, {53, Blanks(39) + "UK"}});
    for (const auto& [index, text] : lines) expected[index] = text;
    return expected;
  };
  AddTitlePage(report, "Mary Ann Jones", v, options);
  EXPECT_EQ(report.ReportLines, page({{7, Blanks(33) + "MARY ANN JONES"}, {10, Blanks(10) + birth}}));
  ClearReportLines(report);
  AddCoupleTitlePage(report, "Al", v, "Bea Jones", v, options);
  EXPECT_EQ(report.ReportLines, page({{8, Blanks(39) + "AL"}, {11, Blanks(10) + birth}, {14, Blanks(39) + "and"},
                                      {17, Blanks(36) + "BEA JONES"}, {20, Blanks(10) + birth}}));
  // clang-format on
  options[131] = 20;  // too short for the fixed lines: no filler
  ReadPersonalNam(report, dir.path() / "nowhere");
  ClearReportLines(report);
  AddCoupleTitlePage(report, "Al", v, "Bea", v, options);
  EXPECT_EQ(report.ReportLineCount(), 21u);

  report.ReportLines = {"first", "second ", "third", "", "  ", "alone", "x", "last"};
  JoinReportParagraphs(report);
  EXPECT_EQ(report.ReportLines,
            (Lines{"first ", "second ", "third", "", "  ", "alone ", "x ", "last"}));
}

}  // namespace
}  // namespace orv
