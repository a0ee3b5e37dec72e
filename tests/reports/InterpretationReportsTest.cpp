// The transit interpretations of a day and the natal and transit reports.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/Aspects.h"
#include "core/ChartDriver.h"
#include "core/ChartTime.h"
#include "reports/InterpretationReports.h"
#include "reports/ReportAnchors.h"
#include "reports/TextSections.h"
#include "shell/Workbench.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

bool Has(const Lines& lines, std::string_view line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

Lines DataFileLines(const std::string& name) {
  Lines lines;
  std::ifstream in(std::filesystem::path(ORVANTA_DATA_DIR) / name, std::ios::binary);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return lines;
}

// The benchmark charts: 12 May 1959 and transits for 12 Jun 2026.
void ComputeCharts(Workbench& wb, test::RecordingHost& host) {
  wb.AppPath = ORVANTA_DATA_DIR;
  wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ChartDriverHooks hooks;
  ChartRequest r;
  r.name = "Jane Doe";
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"6", "12", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  ASSERT_EQ(CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true), 0);
}

TEST(TransitInterps, KeysTitlesAndDayCounts) {
  OptionValues plain{}, exact{};
  exact[140] = exact[141] = 1;
  const std::pair<std::string, std::string> cases[] = {
      {TransitAspectKey(1, 3, 10), "SUN square MOON"},
      {TransitAspectKey(10, 1, 15), "MOON conjunct MC "},
      {TransitAspectKey(13, 9, 11), "Part F. ses.square N. NODE"},
      {TransitRetroKey(2), "MERCURY Retrograde"},
      {RisingKey(359.9), "PISCES rising"},
      {RisingKey(0), "ARIES rising"},
      {NatalAspectKey(1, 2, 2, plain), "Sun blending with Moon"},
      {NatalAspectKey(1, 2, 2, exact), "Sun conjunct Moon"},
      {NatalAspectKey(6, 6, 14, plain), "Jupiter discordant to Asc"},
      {NatalAspectKey(14, 4, 15, exact), "Asc square M_Heaven"},
      {NatalReportTitle(), std::string(32, ' ') + "NATAL REPORT FOR"},
      {TransitReportTitle(), std::string(31, ' ') + "TRANSIT REPORT FOR"},
      {TransitDateText(DateToJulianDay(2026, 6, 12)), "Friday, 12 Jun 2026"},
      {TransitDateText(2299160), "Thursday, 04 Oct 1582"},
  };
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
  const std::pair<std::string, int> counts[] = {{"400", 366}, {"-3", -1}, {"abc", 0}, {"", 0},
                                               {"30", 30},   {"2.6", 3}, {"12 days", 12}};
  for (const auto& [answer, days] : counts) EXPECT_EQ(TransitDayCount(answer), days) << answer;
}

TEST(TransitInterps, HeadingsMatchTrimmedInAnyCase) {
  const std::string ten(10, '\n');
  const struct {
    std::string text, key;
    int limit;
    std::optional<Lines> paragraph;
  } cases[] = {
      {"x\n   sun square moon\na\nb\n\nc\n", "SUN square MOON", 10, Lines{"a", "b", ""}},
      {"MOON conjunct MC\r\na\r\n", "MOON conjunct MC ", 10, Lines{"a"}},
      {"MOON conjunct MC  \na\n\n", "MOON conjunct MC ", 10, Lines{"a", ""}},
      {"SUN square MOONS\na\n", "SUN square MOON", 10, std::nullopt},
      {ten + "SUN trine SUN\na\n", "SUN trine SUN", 10, std::nullopt},
      {ten + "SUN trine SUN\na\n", "SUN trine SUN", 0, Lines{"a"}},
      {"", "SUN trine SUN", 10, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    test::TempDir dir;
    std::ofstream(dir.path() / "SUN_TR.TXT", std::ios::binary) << c.text;
    TransitTextIndex texts(dir.path());
    EXPECT_EQ(texts.Paragraph("SUN_TR.TXT", c.key, c.limit), c.paragraph);
  }
  TransitTextIndex none(ORVANTA_DATA_DIR);
  EXPECT_FALSE(none.Paragraph("NO_TR.TXT", "SUN trine SUN", 10));
}

TEST(TransitInterps, DayLines) {
  ChartModel charts;
  charts.PersonName = "Jane Doe";
  charts.Natal.Longitudes.fill(7.3);
  ChartArrays now;
  now.Longitudes.fill(0);
  OrbTable noOrbs{}, orbs{};
  orbs[3] = 3;  // the square
  TransitTextIndex texts(ORVANTA_DATA_DIR);
  const double day = DateToJulianDay(2026, 6, 12);
  const std::string date = "     Friday, 12 Jun 2026 - Jane Doe";
  OptionValues options{};
  EXPECT_EQ(TransitDayLines(now, charts, options, noOrbs, texts, day),
            (Lines{date, "", "     No aspects today."}));

  now.RetroFlags[1] = 'R';
  EXPECT_EQ(TransitDayLines(now, charts, options, noOrbs, texts, day).size(), 3u);
  options[35] = 1;
  const Lines retro = TransitDayLines(now, charts, options, noOrbs, texts, day);
  ASSERT_EQ(retro.size(), 4 + texts.Paragraph("RETRO.TXT", "Mercury retrograde", 0)->size());
  EXPECT_EQ(retro[2], "     MERCURY Retrograde");
  EXPECT_EQ(retro[retro.size() - 2], "");
  EXPECT_EQ(retro.back(), "     No aspects today.");

  now.Longitudes[1] = 15.5;
  charts.Natal.Longitudes[10] = 103.1;
  const Lines hit = TransitDayLines(now, charts, options, orbs, texts, day);
  EXPECT_TRUE(Has(hit, "     SUN square MOON (2.4 degree) - SUN at 15 ARI 30"));
  EXPECT_FALSE(Has(hit, "     No aspects today."));
}

TEST(TransitInterps, MoreCommandsStepTheDayAndTheReportAsksForItsCount) {
  Workbench wb;
  test::RecordingHost host;
  ComputeCharts(wb, host);
  const double first = wb.Charts.TransitListDay;
  const auto listedDate = [&](double step) {
    wb.Charts.TransitListDay += step;
    BeginOutputPage(wb.Output);
    EXPECT_TRUE(ListTransitInterps(wb, host));
    EXPECT_TRUE(wb.Output.MoreMenuShown);
    EXPECT_EQ(wb.Output.PageBuffer[1],
              std::string(20, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
    return wb.Output.PageBuffer[3].substr(0, 26);
  };
  EXPECT_EQ(listedDate(0), "     Friday, 12 Jun 2026 -");
  EXPECT_EQ(listedDate(0), "     Saturday, 13 Jun 2026");  // Forward
  EXPECT_EQ(listedDate(0), "     Sunday, 14 Jun 2026 -");   // Forward again
  EXPECT_EQ(listedDate(-2), "     Saturday, 13 Jun 2026");  // Backward
  EXPECT_EQ(wb.Charts.TransitListDay, first + 2);

  host.promptAnswers = {"-3", "abc"};
  wb.Report.ReportLines = {"kept"};
  EXPECT_FALSE(RunTransitReport(wb, host));
  EXPECT_EQ(host.prompts.size(), 2u);
  EXPECT_EQ(wb.Report.ReportLines, Lines{"kept"});

  host.promptAnswers = {"3"};
  wb.Charts.TransitListDay = first;
  ASSERT_TRUE(RunTransitReport(wb, host));
  EXPECT_TRUE(wb.Report.TransitReport);
  EXPECT_EQ(wb.Report.ReportLines[5], TransitReportTitle());
  EXPECT_EQ(wb.Charts.TransitListDay, first + 3);
  EXPECT_TRUE(Has(wb.Report.ReportLines, "     Sunday, 14 Jun 2026 - Jane Doe"));
  EXPECT_EQ(wb.Report.MissedSections, 0);
}

TEST(NatalReport, LookupsFollowTheOptions) {
  ChartModel charts;
  charts.Natal.Longitudes.fill(45);
  charts.Natal.Longitudes[ChartPoint::Ascendant] = 359.9;
  charts.Natal.HousePositions = std::string(NumPoints * HousePositionWidth, ' ');
  charts.Natal.HousePositions.replace(0, 4, "10TH");
  NatalAspectTable aspects;
  aspects.Mark(2, 11, 2);   // Moon - North Node
  aspects.Mark(4, 14, 6);   // Jupiter - Ascendant
  aspects.Mark(4, 15, 14);  // Ascendant - MC
  aspects.Mark(2, 2, 1);    // Sun - Moon
  const auto sections = [&](const OptionValues& options) {
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& s : NatalReportSteps(charts, aspects, options))
      if (s.kind == NatalReportStep::Kind::Section) found.emplace_back(s.file, s.key);
    return found;
  };
  OptionValues plain{}, extra{};
  extra[145] = 1, extra[140] = 1, extra[141] = 1;
  using P = std::pair<std::string, std::string>;
  const auto p = sections(plain), e = sections(extra);
  EXPECT_EQ(p.front(), (P{"RISING.TXT", "PISCES rising"}));
  EXPECT_EQ(p[1], (P{"SIGN_TAU.TXT", "SUN in"}));
  EXPECT_EQ(p[11], (P{"HOUSE_10.TXT", "SUN in"}));
  EXPECT_EQ(Lines(1, p[21].second + "|" + p[22].second),
            Lines{"Sun blending with Moon|Jupiter discordant to Asc"});
  EXPECT_EQ(p.size(), 23u);
  EXPECT_EQ(std::vector<P>(e.begin() + 21, e.end()),
            (std::vector<P>{{"Sun.TXT", "Sun conjunct Moon"},
                            {"Moon.TXT", "Moon conjunct N_Node"},
                            {"Jupiter.TXT", "Jupiter square Asc"},
                            {"Asc.TXT", "Asc square M_Heaven"}}));
  // With no aspects: the aspect text, two blank lines, the closing text.
  const auto steps = NatalReportSteps(charts, NatalAspectTable{}, plain);
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[steps.size() - 4].file, "ASPECT.TXT");
  EXPECT_EQ(steps[steps.size() - 3].kind, NatalReportStep::Kind::Blank);
  EXPECT_EQ(steps[steps.size() - 2].kind, NatalReportStep::Kind::Blank);
  EXPECT_EQ(steps.back().file, "CLOSING.TXT");
}

TEST(NatalReport, EveryLookupFindsItsTextAndTheReportReadsInOrder) {
  // Every key the builder can make, under every wording, has its section.
  NatalAspectTable all;
  for (int i = 1; i <= 15; ++i)
    for (int j = i + 1; j <= 15; ++j)
      for (int code = 2; code <= 6; ++code) all.Mark(code, j, i);
  ChartModel charts;
  charts.Natal.HousePositions = std::string(NumPoints * HousePositionWidth, ' ');
  std::map<std::string, Lines> files;
  int checked = 0;
  for (int option = 0; option < 8; ++option)
    for (int place = 0; place < 12; ++place) {
      OptionValues options{};
      options[140] = float(option & 1), options[141] = float(option >> 1 & 1);
      options[145] = float(option >> 2);
      charts.Natal.Longitudes.fill(place * 30 + 1);
      for (int b = 0; b < NumPoints; ++b)
        charts.Natal.HousePositions.replace(size_t(b) * HousePositionWidth, 2,
                                            (place < 9 ? " " : "") + std::to_string(place + 1));
      for (const auto& s : NatalReportSteps(charts, all, options)) {
        if (s.kind != NatalReportStep::Kind::Section) continue;
        if (!files.count(s.file)) files[s.file] = DataFileLines(s.file);
        EXPECT_TRUE(FindTextSection(files[s.file], s.key, 10)) << s.file << ": " << s.key;
        ++checked;
      }
    }
  EXPECT_GT(checked, 8 * 12 * 20);

  Workbench wb;
  test::RecordingHost host;
  ComputeCharts(wb, host);
  struct NullView : OutputView {
    void ShowPage(std::string_view, bool) override {}
  } view;
  ASSERT_TRUE(RunNatalReport(wb, host, view));
  EXPECT_EQ(wb.Report.MissedSections, 0);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(wb.Report.TransitReport);
  const Lines& r = wb.Report.ReportLines;
  EXPECT_EQ(r[5], NatalReportTitle());
  auto at = r.begin();
  for (std::string_view heading :
       {anchors::kNatalOpening, anchors::kNatalRising, anchors::kNatalSigns,
        anchors::kNatalHouses, anchors::kNatalAspects, anchors::kNatalClosingHeading}) {
    at = std::find_if(at, r.end(), [&](const std::string& l) {
      return l.find(heading) != std::string::npos;
    });
    EXPECT_NE(at, r.end()) << heading;
  }
}

}  // namespace
}  // namespace orv
