// The transit interpretations of a day and the natal and transit reports.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/ReportCommands.h"
#include "commands/Workbench.h"
#include "core/ChartDriver.h"
#include "core/ChartTime.h"
#include "platform/Files.h"
#include "reports/InterpretationReports.h"
#include "reports/ReportAnchors.h"
#include "reports/TextSections.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;
using Pairs = std::vector<std::pair<std::string, std::string>>;

// 12 May 1959, 10:43 a.m., 75W23 39N45, with transits from 12 Jun 2026; the
// program's folder is `dir` with the shipped files linked in, so that the
// reports' own files land there.
bool CalcJaneDoe(Workbench& wb, test::RecordingHost& host, const test::TempDir& dir) {
  test::LinkShippedFiles(dir, ORVANTA_DATA_DIR);
  wb.AppPath = dir.path();
  ChartDriverHooks hooks;
  ChartRequest r;
  r.name = "Jane Doe";
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"6", "12", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  return CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true) == 0;
}

TEST(TransitInterps, KeysTitlesAndDayCounts) {
  OptionValues plain{}, exact{};
  exact[140] = exact[141] = 1;
  const std::pair<std::string, std::string> cases[] = {
      {TransitAspectKey(1, 3, 10), "SUN square MOON"},
      {TransitAspectKey(10, 1, 15), "MOON conjunct MC "},
      {TransitRetroKey(2), "MERCURY Retrograde"},
      {RisingKey(359.9) + RisingKey(0), "PISCES risingARIES rising"},
      {NatalAspectKey(1, 2, 2, plain), "Sun blending with Moon"},
      {NatalAspectKey(1, 2, 2, exact), "Sun conjunct Moon"},
      {NatalReportTitle(), std::string(32, ' ') + "NATAL REPORT FOR"},
      {TransitReportTitle(), std::string(31, ' ') + "TRANSIT REPORT FOR"},
  };
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
  const std::pair<std::string, int> counts[] = {{"400", 366}, {"-3", -1}, {"abc", 0},
                                                {"", 0},      {"2.6", 3}, {"12 days", 12}};
  for (const auto& [answer, days] : counts) EXPECT_EQ(TransitDayCount(answer), days) << answer;
}

TEST(TransitInterps, HeadingsMatchTrimmedInAnyCase) {
  const struct {
    std::string text, key;
    int limit;
    std::optional<Lines> paragraph;
  } cases[] = {
      {"x\n   sun square moon\na\nb\n\nc\n", "SUN square MOON", 10, Lines{"a", "b", ""}},
      {"MOON conjunct MC\r\na\r\n", "MOON conjunct MC ", 10, Lines{"a"}},
      {"SUN square MOONS\na\n", "SUN square MOON", 10, std::nullopt},
      {std::string(10, '\n') + "SUN trine SUN\na\n", "SUN trine SUN", 10, std::nullopt},
      {std::string(10, '\n') + "SUN trine SUN\na\n", "SUN trine SUN", 0, Lines{"a"}},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    std::ofstream(dir.path() / "SUN_TR.TXT", std::ios::binary) << c.text;
    EXPECT_EQ(TransitTextIndex(dir.path()).Paragraph("SUN_TR.TXT", c.key, c.limit), c.paragraph)
        << c.text;
  }
}

// A garbage or missing text file is told once by name, however many days
// and commands read it; a sound one says nothing.
TEST(TransitInterps, AnUnusableTextFileIsReportedOnceByName) {
  test::TempDir dir;
  for (const char* name : {"RETRO.TXT", "MER_TR.TXT"})
    std::filesystem::copy_file(std::filesystem::path(ORVANTA_DATA_DIR) / name, dir.path() / name);
  std::ofstream(dir.path() / "SUN_TR.TXT", std::ios::binary) << "\x89PNG\r\n\x1a garbage\n";
  test::RecordingHost host;
  for (int command = 0; command < 3; ++command) {
    TransitTextIndex texts(dir.path(), &host);
    for (const char* file : {"SUN_TR.TXT", "MER_TR.TXT", "RETRO.TXT", "VEN_TR.TXT"})
      texts.Paragraph(file, "SUN square MOON", 10);
  }
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "The transit text file called " +
                                       (dir.path() / "SUN_TR.TXT").string() +
                                       " holds none of its interpretations, so the transits it "
                                       "covers are left out. Please restore the file.");
  EXPECT_EQ(host.messages[1].text,
            "Cannot find the file called " + (dir.path() / "VEN_TR.TXT").string() + ".");
}

// A transit text cut short (mid-paragraph, or between sections) is told
// once, with how many of its interpretations it holds and the first it
// lacks; the shipped files lack none.
TEST(TransitInterps, ATextFileCutShortIsReportedOnceWithWhatItLacks) {
  const std::filesystem::path data = ORVANTA_DATA_DIR;
  test::TempDir dir;
  const std::string sun = *ReadFileBytes(data / "SUN_TR.TXT");
  const std::string retro = *ReadFileBytes(data / "RETRO.TXT");
  // The sections run natal point by natal point, nine aspects each.
  std::ofstream(dir.path() / "SUN_TR.TXT", std::ios::binary)
      << sun.substr(0, sun.find("SUN conjunct JUPITER") + 100);
  std::ofstream(dir.path() / "RETRO.TXT", std::ios::binary)
      << retro.substr(0, retro.find("SATURN Retrograde"));
  std::filesystem::copy_file(data / "MOO_TR.TXT", dir.path() / "MOO_TR.TXT");
  test::RecordingHost host;
  for (int command = 0; command < 3; ++command) {
    TransitTextIndex texts(dir.path(), &host);
    EXPECT_TRUE(texts.Paragraph("SUN_TR.TXT", "SUN conjunct MARS", 10));
    EXPECT_FALSE(texts.Paragraph("SUN_TR.TXT", "SUN trine PLUTO", 10));
    EXPECT_TRUE(texts.Paragraph("RETRO.TXT", "MARS Retrograde", 0));
    EXPECT_TRUE(texts.Paragraph("MOO_TR.TXT", "MOON trine MC ", 10));
  }
  const std::string restore = "\". Please restore the file.";
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text,
            "The transit text file called " + (dir.path() / "SUN_TR.TXT").string() +
                " holds only 37 of its 135 interpretations, so the transits of the others are "
                "left out; the first missing is \"SUN sextile JUPITER" +
                restore);
  EXPECT_EQ(host.messages[1].text,
            "The transit text file called " + (dir.path() / "RETRO.TXT").string() +
                " holds only 4 of its 8 interpretations, so the transits of the others are left "
                "out; the first missing is \"SATURN Retrograde" +
                restore);
  EXPECT_EQ(host.messages[0].title, "Warning!");

  test::RecordingHost shipped;
  TransitTextIndex texts(data, &shipped);
  for (int point = 1; point <= 15; ++point)
    texts.Paragraph(std::string(TransitTextFile(point)), "SUN trine PLUTO", 10);
  texts.Paragraph("RETRO.TXT", "MARS Retrograde", 0);
  EXPECT_TRUE(shipped.messages.empty());
}

TEST(TransitInterps, DayLines) {
  ChartModel charts;
  charts.PersonName = "Jane Doe";
  charts.Natal.Longitudes.fill(7.3);
  ChartArrays now;
  now.Longitudes.fill(0);
  now.RetroFlags[1] = 'R';
  OrbTable noOrbs{}, squareOrb{};
  squareOrb[3] = 3;
  TransitTextIndex texts(ORVANTA_DATA_DIR);
  const double day = DateToJulianDay(2026, 6, 12);
  OptionValues options{};
  EXPECT_EQ(TransitDayLines(now, charts, options, noOrbs, texts, day),
            (Lines{"     Friday, 12 Jun 2026 - Jane Doe", "", "     No aspects today."}));
  options[35] = 1;
  const Lines retro = TransitDayLines(now, charts, options, noOrbs, texts, day);
  EXPECT_EQ(retro.size(), 4 + texts.Paragraph("RETRO.TXT", "Mercury retrograde", 0)->size());
  EXPECT_EQ(retro[2], "     MERCURY Retrograde");
  now.Longitudes[1] = 15.5;
  charts.Natal.Longitudes[10] = 103.1;
  const Lines hit = TransitDayLines(now, charts, options, squareOrb, texts, day);
  EXPECT_TRUE(std::ranges::count(hit, "     SUN square MOON (2.4 degree) - SUN at 15 ARI 30"));
  EXPECT_FALSE(std::ranges::count(hit, "     No aspects today."));
}

Pairs Sections(const ChartModel& charts, const NatalAspectTable& aspects, const OptionValues& o) {
  Pairs found;
  for (const auto& s : NatalReportSteps(charts, aspects, o))
    if (s.kind == ReportStep::Kind::Section) found.emplace_back(s.file, s.key);
  return found;
}

TEST(NatalReport, LookupsFollowTheOptions) {
  ChartModel charts;
  charts.Natal.Longitudes.fill(45);
  NatalAspectTable aspects;
  for (const auto& [code, higher, lower] :
       {std::array{2, 11, 2}, std::array{4, 14, 6}, std::array{4, 15, 14}, std::array{2, 2, 1}})
    aspects.Mark(code, higher, lower);
  OptionValues plain{}, extra{};
  extra[145] = extra[140] = extra[141] = 1;
  const Pairs p = Sections(charts, aspects, plain), e = Sections(charts, aspects, extra);
  EXPECT_EQ(Pairs(p.begin() + 21, p.end()), (Pairs{{"Sun.TXT", "Sun blending with Moon"},
                                                   {"Jupiter.TXT", "Jupiter discordant to Asc"}}));
  EXPECT_EQ(Pairs(e.begin() + 21, e.end()), (Pairs{{"Sun.TXT", "Sun conjunct Moon"},
                                                   {"Moon.TXT", "Moon conjunct N_Node"},
                                                   {"Jupiter.TXT", "Jupiter square Asc"},
                                                   {"Asc.TXT", "Asc square M_Heaven"}}));
}

TEST(NatalReport, EveryLookupFindsItsTextAndTheCommandsRunOnComputedCharts) {
  NatalAspectTable all;
  for (int i = 1; i <= 15; ++i)
    for (int j = i + 1; j <= 15; ++j)
      for (int code = 2; code <= 6; ++code) all.Mark(code, j, i);
  ChartModel charts;
  charts.Natal.HousePositions = std::string(NumPoints * HousePositionWidth, ' ');
  std::map<std::string, Lines> files;
  for (int option = 0; option < 8; ++option)
    for (int place = 0; place < 12; ++place) {
      OptionValues o{};
      o[140] = float(option & 1), o[141] = float(option >> 1 & 1), o[145] = float(option >> 2);
      charts.Natal.Longitudes.fill(place * 30 + 1);
      for (int b = 0; b < NumPoints; ++b)
        charts.Natal.HousePositions.replace(size_t(b) * HousePositionWidth, 2,
                                            (place < 9 ? " " : "") + std::to_string(place + 1));
      for (const auto& [file, key] : Sections(charts, all, o)) {
        if (!files.count(file))
          files[file] = ReadTextLines(std::filesystem::path(ORVANTA_DATA_DIR) / file).value();
        EXPECT_TRUE(FindTextSection(files[file], key, 10)) << file << ": " << key;
      }
    }

  // 12 May 1959 with transits for 12 Jun 2026: the More commands, the
  // transit report's prompt and the natal report with the shipped texts.
  Workbench wb;
  test::RecordingHost host;
  const test::TempDir dir;
  ASSERT_TRUE(CalcJaneDoe(wb, host, dir));
  const double first = wb.Charts.TransitListDay;
  const auto listedDate = [&](double step) {
    wb.Charts.TransitListDay += step;
    BeginOutputPage(wb.Output);
    EXPECT_TRUE(ListTransitInterps(wb, host) && wb.Output.MoreMenuShown);
    return wb.Output.PageBuffer()[1].substr(20, 11) + wb.Output.PageBuffer()[3].substr(0, 26);
  };
  EXPECT_EQ(listedDate(0), "TRANSITING      Friday, 12 Jun 2026 -");
  EXPECT_EQ(listedDate(0), "TRANSITING      Saturday, 13 Jun 2026");   // Forward
  EXPECT_EQ(listedDate(0), "TRANSITING      Sunday, 14 Jun 2026 -");   // Forward again
  EXPECT_EQ(listedDate(-2), "TRANSITING      Saturday, 13 Jun 2026");  // Backward

  host.promptAnswers = {"-3", "abc", "3"};
  EXPECT_FALSE(RunTransitReport(wb, host));
  EXPECT_EQ(host.prompts.size(), 2u);
  wb.Charts.TransitListDay = first;
  ASSERT_TRUE(RunTransitReport(wb, host));
  EXPECT_TRUE(wb.Report.TransitReport);
  EXPECT_EQ(wb.Report.ReportLines[5], TransitReportTitle());
  EXPECT_EQ(wb.Charts.TransitListDay, first + 3);
  EXPECT_TRUE(std::ranges::count(wb.Report.ReportLines, "     Sunday, 14 Jun 2026 - Jane Doe"));
  struct : OutputView {
    void ShowPage(SharedPage, bool) override {}
  } view;
  ASSERT_TRUE(RunNatalReport(wb, host, view));
  EXPECT_TRUE(host.messages.empty());  // no section missed
  EXPECT_EQ(wb.Report.ReportLines[5], NatalReportTitle());
  std::string text;
  for (const std::string& l : wb.Report.ReportLines) text += l + "\n";
  std::size_t at = 0;
  for (std::string_view heading :
       {anchors::kNatalOpening, anchors::kNatalRising, anchors::kNatalSigns, anchors::kNatalHouses,
        anchors::kNatalAspects, anchors::kNatalClosingHeading})
    EXPECT_NE(at = text.find(heading, at), std::string::npos) << heading;
}

// A slow transit is listed every day beside the day's quicker ones; no two
// transits of one day may share a sentence, and each heading has its text.
TEST(TransitReport, ThirtyDaysOfARealChartNeverRepeatASentenceWithinADay) {
  Workbench wb;
  test::RecordingHost host;
  const test::TempDir dir;
  ASSERT_TRUE(CalcJaneDoe(wb, host, dir));
  host.promptAnswers = {"30"};
  ASSERT_TRUE(RunTransitReport(wb, host));
  EXPECT_TRUE(host.messages.empty());

  int days = 0, transits = 0;
  std::map<std::string, std::string> said;  // sentence -> heading, this day
  std::string heading, paragraph;
  const auto endParagraph = [&] {
    if (heading.empty()) return;
    EXPECT_GT(paragraph.size(), 100u) << heading;
    std::size_t from = 0;
    while (from < paragraph.size()) {
      std::size_t end = paragraph.find(". ", from);
      end = end == std::string::npos ? paragraph.size() : end + 1;
      const std::string s = paragraph.substr(from, end - from);
      if (s.size() > 20) {
        const auto [it, fresh] = said.emplace(s, heading);
        EXPECT_TRUE(fresh || it->second == heading) << heading << " repeats " << it->second << ": " << s;
      }
      from = end + 1;
    }
    heading.clear(), paragraph.clear();
  };
  for (const std::string& line : wb.Report.ReportLines) {
    if (line.ends_with("- Jane Doe")) {
      endParagraph(), said.clear(), ++days;
    } else if (line.find(" degree) - ") != std::string::npos) {
      endParagraph(), heading = line, ++transits;
    } else if (line.find_first_not_of(' ') == std::string::npos) {
      endParagraph();
    } else if (!heading.empty()) {
      paragraph += (paragraph.empty() ? "" : " ") + line.substr(0, line.find_last_not_of(' ') + 1);
    }
  }
  endParagraph();
  EXPECT_EQ(days, 30);
  EXPECT_GT(transits, 30 * 10);  // slow transits stand on every day
}

}  // namespace
}  // namespace orv
