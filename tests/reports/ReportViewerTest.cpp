// The report viewer's logic: paging, the saved page layout, proposed file
// names, Save and Save As.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "SampleReports.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

ReportState Numbered(int count) {
  ReportState report;
  for (int i = 0; i < count; ++i) AddReportLine(report, "L" + std::to_string(i));
  return report;
}

TEST(ReportViewer, PagesAndSavedPageLayout) {
  const ReportState report = Numbered(23);
  ReportPager pager(report);
  pager.PreviousPage();
  EXPECT_EQ(pager.PageText().substr(0, 8), "L0\r\nL1\r\n");
  pager.NextPage();
  EXPECT_EQ(pager.PageText(), "\r\n");  // line 23, the empty one past the last, alone
  pager.NextPage();
  EXPECT_EQ(pager.ReportTopLine(), 23u);

  std::string expected;
  auto add = [&](int from, int to, int empty, const std::string& number) {
    for (int i = from; i < to; ++i) expected += "L" + std::to_string(i) + "\r\n";
    for (int i = 0; i < empty; ++i) expected += "\r\n";
    expected += (number.empty() ? "" : std::string(37, ' ') + number) + "\r\n\f\r\n";
  };
  add(0, 60, 4, ""), add(60, 120, 4, "Page 2"), add(120, 130, 1 + 49 + 4, "Page 3");
  OptionValues options = test::ReportPageOptions();
  EXPECT_EQ(SavedReportText(Numbered(130), options), expected);
  options[132] = 3;  // pages after the first: 3 empty lines, 57 report lines
  const auto lines = SplitLines(SavedReportText(Numbered(200), options));
  const auto page2 = std::find(lines.begin(), lines.end(), "\f") + 1;
  EXPECT_EQ(std::vector<std::string>(page2, page2 + 4),
            (std::vector<std::string>{"", "", "", "L60"}));
  EXPECT_EQ(page2[59] + page2[60], "L116");
}

TEST(ReportViewer, ProposesNamesAndSavesOnlyWhereTheUserSaid) {
  const struct {
    int kind;  // natal, composite, synastry, or 3: transit
    const char *first, *second, *name, *folder;
  } names[] = {
      {0, "Maximilian Smith", "", "Maximili.txt", "N_REPORT"},
      {0, "m Cher", "", "Natal report for Cher.txt", "N_REPORT"},
      {0, "a/b\tc d", "", "a_b_c.txt", "N_REPORT"},
      {1, "Al Smith", "Bea Jones", "AlBea_C.txt", "R_REPORT"},
      {2, "w Ann", "Bo", "Synastry report for Ann and Bo.txt", "R_REPORT"},
      {3, "Ann Lee", "Bo", "Transit report for Ann Lee.txt", "N_REPORT"},
  };
  test::TempDir dir;
  for (const auto& n : names) {
    ReportState report;
    report.CurrentReportKind = ReportKind(n.kind % 3);
    report.TransitReport = n.kind == 3;
    EXPECT_EQ(ProposedReportFileName(report, {n.first, n.second}), n.name);
    EXPECT_EQ(ReportFolder(report, dir.path()).filename(), n.folder);
  }

  const OptionValues options = test::ReportPageOptions();
  test::RecordingHost host;
  ReportState report;
  EXPECT_FALSE(SaveReport(report, options, dir.path(), {}, host));
  EXPECT_EQ(host.messages.at(0).text, "No data to write to file.");
  report = Numbered(3);
  EXPECT_FALSE(SaveReport(report, options, dir.path(), {}, host));  // cancelled
  EXPECT_TRUE(report.ReportFileName.empty() && fs::is_empty(dir.path()));
  const fs::path chosen = dir.path() / "x.rtf";
  host.fileAnswers.push_back(chosen.string());
  EXPECT_EQ(SaveReport(report, options, dir.path(), {}, host), chosen);
  EXPECT_EQ(WriteRtfCopy(chosen, "text", ReportKind::Natal, host), dir.path() / "x.rtf.rtf");
  EXPECT_EQ(ReadFileBytes(chosen), SavedReportText(report, options));
  EXPECT_EQ(RtfFileName("a/B.TXT"), "a/B.rtf");

  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(test::RunUnprivileged([&] {
    test::RecordingHost h;
    return !SaveReport(report, options, dir.path(), {}, h) &&
           h.messages.at(0).text.starts_with("Cannot save the file called");
  }));
}

}  // namespace
}  // namespace orv
