// The report viewer's logic: paging, the saved page layout, proposed file
// names, Save and Save As.

#include <gtest/gtest.h>

#include <set>

#include "RecordingHost.h"
#include "RoomOnDisk.h"
#include "SampleReports.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;

ReportState Numbered(int count) {
  ReportState report;
  for (int i = 0; i < count; ++i) AddReportLine(report, "L" + std::to_string(i));
  return report;
}

TEST(ReportViewer, APageHoldsThePageLengthLessItsFoot) {
  const struct {
    float length, foot;
    long body;
  } rows[] = {{66, 6, 60}, {66, 0, 66}, {60.4f, 6, 54}, {60.6f, 6, 55}};
  for (const auto& r : rows) {
    OptionValues options{};
    options[131] = r.length, options[129] = r.foot;
    EXPECT_EQ(PageBodyLines(options), r.body) << r.length << " " << r.foot;
  }
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
  // A report shorter than the top lines of later pages still keeps its lines.
  EXPECT_EQ(SavedReportText(Numbered(2), options), "L0\r\nL1\r\n\r\n\f\r\n");
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
  const fs::path chosen = dir.path() / "x.txt";
  host.fileAnswers.push_back(chosen.string());
  const auto saved = SaveReport(report, options, dir.path(), {}, host);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->text, chosen);
  EXPECT_EQ(saved->rtf, dir.path() / "x.rtf");
  EXPECT_EQ(ReadFileBytes(chosen), SavedReportText(report, options));
  EXPECT_EQ(RtfFileName("a/B.TXT"), "a/B.rtf");

  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_TRUE(fs::exists(dir.path() / "x.rtf"));
  EXPECT_TRUE(test::RunUnprivileged([&] {
    test::RecordingHost h;
    return !SaveReport(report, options, dir.path(), {}, h) &&
           h.messages.at(0).text.starts_with("Cannot save the file called");
  }));
}

// Save writes what Save As writes: the first Save asks for the name, and
// every save writes the text and its RTF copy. A transit report, which has
// no copy, leaves an .rtf file of its name (another report's copy, or the
// user's own) as it is.
TEST(ReportViewer, SaveWritesTheTextAndItsCopyAsSaveAsDoes) {
  test::TempDir dir;
  test::RecordingHost host;
  OptionValues options = test::ReportPageOptions();
  ReportState natal = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {"Sun"});
  host.fileAnswers.push_back((dir.path() / "Mary.txt").string());
  const auto first = SaveReport(natal, options, dir.path(), {"Mary Ann Jones", ""}, host);
  ASSERT_TRUE(first && first->rtf);
  EXPECT_EQ(host.fileChoices.size(), 1u);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.txt"), SavedReportText(natal, options));
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.rtf"),
            RtfReportText(first->savedText, ReportKind::Natal, 0));

  options[132] = 5;  // the next Save asks nothing and writes both again
  const auto second = SaveReport(natal, options, dir.path(), {"Mary Ann Jones", ""}, host);
  ASSERT_TRUE(second && second->rtf);
  EXPECT_EQ(host.fileChoices.size(), 1u);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.txt"), SavedReportText(natal, options));
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.rtf"),
            RtfReportText(second->savedText, ReportKind::Natal, 5));

  ReportState transit;
  AddReportLine(transit, "");
  AddReportLine(transit, std::string(31, ' ') + "TRANSIT REPORT FOR");
  transit.TransitReport = true;
  transit.ReportFileName = natal.ReportFileName;
  const auto third = SaveReport(transit, options, dir.path(), {}, host);
  ASSERT_TRUE(third);
  EXPECT_FALSE(third->rtf);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.txt"), third->savedText);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mary.rtf"),
            RtfReportText(second->savedText, ReportKind::Natal, 5));
  ASSERT_EQ(WriteFileAtomically(dir.path() / "Mine.rtf", "mine"), "");
  host.fileAnswers.push_back((dir.path() / "Mine.txt").string());
  ASSERT_TRUE(SaveReportAs(transit, options, dir.path(), {}, host));
  EXPECT_EQ(ReadFileBytes(dir.path() / "Mine.rtf"), "mine");
  EXPECT_TRUE(host.messages.empty());

  // A copy that cannot be written stops the save before the text changes.
  fs::create_directories(dir.path() / "Held.rtf" / "inside");
  natal.ReportFileName = (dir.path() / "Held.txt").string();
  EXPECT_FALSE(SaveReport(natal, options, dir.path(), {}, host));
  EXPECT_FALSE(fs::exists(dir.path() / "Held.txt"));
  EXPECT_EQ(host.messages.at(0).text, "Cannot save the file called " +
                                          (dir.path() / "Held.rtf").string() + ": it is a folder.");
}

// Whatever name Save As is given, the pair is a text file and its RTF copy
// named from the same stem: the ".rtf" file holds the copy and the text file
// never has that extension. Save then writes the same two files again.
TEST(ReportViewer, SaveAsNamesThePairFromTheChosenNamesStem) {
  const struct {
    const char *chosen, *text, *rtf;
  } cases[] = {
      {"X", "X", "X.rtf"},
      {"X.txt", "X.txt", "X.rtf"},
      {"X.rtf", "X.txt", "X.rtf"},
      {"X.RTF", "X.txt", "X.rtf"},
      {"a.b.rtf", "a.b.txt", "a.b.rtf"},
      {"a.b", "a.b", "a.b.rtf"},
      {"d.rtf/X", "d.rtf/X", "d.rtf/X.rtf"},
      {"d.rtf/X.rtf", "d.rtf/X.txt", "d.rtf/X.rtf"},
  };
  const OptionValues options = test::ReportPageOptions();
  const auto filesIn = [](const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) files.insert(entry.path().lexically_relative(folder));
    return files;
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "d.rtf");
    test::RecordingHost host;
    host.fileAnswers.push_back((dir.path() / c.chosen).string());
    ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {"Sun"});
    for (const auto save : {SaveReportAs, SaveReport}) {
      const auto saved = save(report, options, dir.path(), {}, host);
      ASSERT_TRUE(saved) << c.chosen;
      EXPECT_EQ(saved->text, dir.path() / c.text) << c.chosen;
      EXPECT_EQ(saved->rtf, dir.path() / c.rtf) << c.chosen;
      EXPECT_EQ(filesIn(dir.path()), (std::set<fs::path>{c.text, c.rtf})) << c.chosen;
      EXPECT_EQ(ReadFileBytes(dir.path() / c.text), SavedReportText(report, options)) << c.chosen;
      const std::string rtf = ReadFileBytes(dir.path() / c.rtf).value_or("");
      EXPECT_TRUE(rtf.starts_with("{\\rtf1")) << c.chosen;
      EXPECT_EQ(rtf, RtfReportText(saved->savedText, ReportKind::Natal, 0)) << c.chosen;
    }
    EXPECT_EQ(host.fileChoices.size(), 1u) << c.chosen;
  }
}

// The chooser asks about the name it is given and lists only text files;
// another file of the pair (X.txt for "X.rtf", X.rtf for "X.txt") is the
// user's own until they say Yes to replacing it. No writes nothing and
// leaves the viewer's file as it was; the copy replaces its namesake, as
// the chosen name says it will. A read-only X.txt stops the save before the
// copy is written; a folder in either place is named and never offered for
// replacing; a disk with room for the copy but not the text changes neither.
TEST(ReportViewer, SaveAsAsksBeforeReplacingAFileTheChooserDidNotName) {
  const std::string askTxt = "X.txt already exists.\nDo you want to replace it?";
  const std::string askRtf = "X.rtf already exists.\nDo you want to replace it?";
  const std::string askBoth = "X.txt and X.rtf already exist.\nDo you want to replace them?";
  const struct {
    const char* chosen;
    std::set<std::string> onDisk;  // each holding "mine"; a name ending in "/" a folder
    Answer answer;
    std::string question;   // none when empty
    bool readOnly = false;  // X.txt
    bool roomForTheCopyOnly = false;
  } cases[] = {
      {"X.rtf", {"X.txt"}, Answer::Yes, askTxt},
      {"X.rtf", {"X.txt"}, Answer::Yes, askTxt, true},
      {"X.rtf", {"X.txt"}, Answer::No, askTxt},
      {"X.RTF", {"X.txt", "X.rtf"}, Answer::No, askBoth},
      {"X.rtf", {"X.rtf"}, Answer::No, ""},
      {"X.rtf", {"Y.txt"}, Answer::No, ""},
      {"X.txt", {"X.txt", "X.rtf"}, Answer::No, askRtf},
      {"X.txt", {"X.rtf"}, Answer::No, askRtf},
      {"X.txt", {"X.rtf"}, Answer::Yes, askRtf},
      {"X.txt", {"X.txt"}, Answer::No, ""},
      {"X.rtf", {"X.txt/", "X.rtf"}, Answer::Yes, ""},
      {"X.txt", {"X.txt", "X.rtf/"}, Answer::Yes, ""},
      {"X.txt", {"X.txt", "X.rtf"}, Answer::Yes, askRtf, false, true},
  };
  OptionValues options = test::ReportPageOptions();
  options[132] = 30;  // empty lines the copy leaves out: the text is the longer file
  for (const auto& c : cases) {
    test::TempDir dir;
    std::set<std::string> expected;  // what the folder holds after
    std::string folder;
    for (std::string name : c.onDisk) {
      if (name.ends_with('/')) {
        name.pop_back();
        fs::create_directory(dir.path() / name);
        folder = name;
      } else {
        ASSERT_EQ(WriteFileAtomically(dir.path() / name, "mine"), "");
      }
      expected.insert(name);
    }
    if (c.readOnly)
      fs::permissions(dir.path() / "X.txt", fs::perms::owner_write, fs::perm_options::remove);
    test::RecordingHost host;
    host.fileAnswers.push_back((dir.path() / c.chosen).string());
    host.answers.push_back(c.answer);
    ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {"Sun"});
    const std::string written = SavedReportText(report, options);
    const std::string copy = RtfReportText(written, ReportKind::Natal, PageTopLines(options));
    ASSERT_LT(copy.size(), written.size());
    std::optional<SavedReportFiles> saved;
    if (c.roomForTheCopyOnly) {
      const test::RoomOnDisk room(copy.size());
      saved = SaveReportAs(report, options, dir.path(), {}, host);
    } else {
      saved = SaveReportAs(report, options, dir.path(), {}, host);
    }
    const bool asked = !c.question.empty();
    const bool replaced = (!asked || c.answer == Answer::Yes) && !c.readOnly && folder.empty() &&
                          !c.roomForTheCopyOnly;
    std::vector<std::string> messages;
    for (const auto& m : host.messages) messages.push_back(m.text);
    std::vector<std::string> said;
    if (asked) said.push_back(c.question);
    const std::string cannot = "Cannot save the file called " + dir.path().string() + "/";
    if (c.readOnly) said.push_back(cannot + "X.txt: the file is read-only.");
    if (!folder.empty()) said.push_back(cannot + folder + ": it is a folder.");
    if (c.roomForTheCopyOnly) said.push_back(cannot + "X.txt: File too large.");
    ASSERT_EQ(messages, said) << c.chosen;
    if (asked) {
      EXPECT_EQ(host.messages[0].title, "Save As");
      EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
      EXPECT_EQ(host.messages[0].defaultAnswer, Answer::No);
    }
    EXPECT_EQ(saved.has_value(), replaced) << c.chosen;
    EXPECT_EQ(report.ReportFileName.empty(), !replaced) << c.chosen;
    if (replaced) expected.insert({"X.txt", "X.rtf"});
    std::set<std::string> there;  // no temporary file left either
    for (const auto& entry : fs::directory_iterator(dir.path()))
      there.insert(entry.path().filename().string());
    EXPECT_EQ(there, expected) << c.chosen;
    for (const std::string& name : expected) {
      const fs::path file = dir.path() / name;
      if (name == folder) {
        EXPECT_TRUE(fs::is_empty(file)) << c.chosen;
      } else {
        const bool made = replaced && (name == "X.txt" || name == "X.rtf");
        EXPECT_EQ(ReadFileBytes(file), made ? (name == "X.txt" ? written : copy) : "mine")
            << c.chosen << " " << name;
      }
    }
  }
}

// Killed at any moment between or inside the two writes, a save never
// leaves the new text beside an older copy: the copy is as new as the text
// or newer. Saves are numbered in the order they are made, across kills.
TEST(ReportViewer, AKilledSaveNeverLeavesAnOlderCopyBesideTheText) {
  test::TempDir dir;
  const fs::path text = dir.path() / "R.txt", rtf = dir.path() / "R.rtf";
  auto numbered = [&](int n) {
    ReportState report =
        test::SampleReport(ReportKind::Natal, test::kNatalFraming, {"Saved#" + std::to_string(n)});
    report.ReportFileName = text.string();
    return report;
  };
  auto numberIn = [](const std::optional<std::string>& bytes) {
    const size_t at = bytes ? bytes->find("Saved#") : std::string::npos;
    return at == std::string::npos ? -1 : std::atoi(bytes->c_str() + at + 6);
  };
  const OptionValues options = test::ReportPageOptions();
  for (int kill = 0; kill < 20; ++kill) {
    const pid_t child = ::fork();
    if (child == 0) {
      test::RecordingHost host;
      for (int n = kill * 1000000;; ++n) {
        ReportState report = numbered(n);
        SaveReport(report, options, dir.path(), {}, host);
      }
    }
    ::usleep(2000 + 997 * kill % 9000);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const int inText = numberIn(ReadFileBytes(text)), inCopy = numberIn(ReadFileBytes(rtf));
    if (inText < 0) continue;  // killed before the first save ended
    EXPECT_GE(inCopy, inText);
  }
}

}  // namespace
}  // namespace orv
