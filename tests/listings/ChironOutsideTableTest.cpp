// A chart outside Chiron's table (before 11 Dec 1899 12:00 UT or from
// 18 Mar 2064 12:00 UT on)
// has no Chiron: it is left out of the listings, aspects, composite and
// wheels of that chart, and one line says why. Charts inside the table
// keep it.

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "CommandFixture.h"
#include "commands/CoupleAndStateCommands.h"
#include "commands/DataCommands.h"
#include "commands/WheelCommands.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/Chiron.h"
#include "core/ephemeris/DataTables.h"
#include "shell/OptionFiles.h"
#include "wheels/WheelPlacement.h"

namespace orv {
namespace {

using test::CommandFixture;

const std::string kNote = "  " + ChironLeftOutNote();

// Ulm, 14 March 1879, 11.30 A.M. (Chiron then stood near 5 Taurus), and a
// moment of 2026; or the other way round.
void Compute(CommandFixture& f, bool natal1879) {
  f.wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options);
  f.wb.Charts = {};
  const ChartInputFields ulm = {"3", "14", "1879", "11", "30", "-1", "10", "0", "48", "24", "",
                                false, true, false};
  const ChartInputFields now = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "",
                                false, false, false};
  ChartRequest r;
  r.name = "Albert E";
  r.natal = natal1879 ? ulm : now;
  r.diurnal = natal1879 ? now : ulm;
  ChartDriverHooks hooks;
  ASSERT_EQ(CalcCharts(f.host, f.wb.Charts, r, f.wb.Options, f.wb.Tables, hooks, true), 0);
}

// Lines naming Chiron: "Chiron" in any case, or "Chi" alone as a column or
// row label.
std::vector<std::string> ChironLines(const std::string& page) {
  std::vector<std::string> found;
  for (const std::string& line : SplitLines(page)) {
    std::string lower;
    for (char c : line) lower += char(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at = lower.find("chi"); at != std::string::npos; at = lower.find("chi", at + 1)) {
      const bool wordStart = at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
      const std::string_view rest = std::string_view(lower).substr(at + 3);
      if (wordStart && (rest.starts_with("ron") || rest.empty() || !std::isalpha(rest[0]))) {
        found.push_back(line);
        break;
      }
    }
  }
  return found;
}

TEST(ChironOutsideItsTable, TheChartHasNoChiron) {
  CommandFixture f;
  Compute(f, true);
  EXPECT_FALSE(f.wb.Charts.Natal.HasChiron);
  EXPECT_TRUE(f.wb.Charts.Diurnal.HasChiron);
  Compute(f, false);
  EXPECT_TRUE(f.wb.Charts.Natal.HasChiron);
  EXPECT_FALSE(f.wb.Charts.Diurnal.HasChiron);
}

TEST(ChironOutsideItsTable, LeftOutOfEachListingOfThatChartWithOneLineSayingWhy) {
  const SecondPersonBox transits{}, person{true, "Mileva M"};
  const struct {
    const char* page;
    bool natal1879;  // else chart 2 is the one of 1879
    std::function<void(CommandFixture&)> show;
  } pages[] = {
      {"natal data", true, [](CommandFixture& f) { ShowNatalData(f.wb, f.host, f.view); }},
      {"natal aspects", true, [](CommandFixture& f) { ShowNatalAspects(f.wb, f.host, f.view); }},
      {"Church of Light", true, [](CommandFixture& f) { ShowCoLAspects(f.wb, f.host, f.view); }},
      {"least aspected", true,
       [](CommandFixture& f) { ShowLeastAspectedPlanets(f.wb, f.host, f.view); }},
      {"composite", true,
       [&](CommandFixture& f) { ShowComposite(f.wb, person, f.host, f.view); }},
      {"transit data", false,
       [&](CommandFixture& f) { ShowTransitData(f.wb, transits, f.host, f.view); }},
      {"second person's aspects", false,
       [&](CommandFixture& f) { ShowTransitAspectsToTransits(f.wb, person, f.host, f.view); }},
  };
  for (const auto& p : pages) {
    CommandFixture f;
    Compute(f, p.natal1879);
    p.show(f);
    ASSERT_EQ(f.view.shown.size(), 1u) << p.page;
    EXPECT_EQ(ChironLines(f.view.shown[0]), std::vector<std::string>{kNote}) << p.page;
  }

  // Inside the table nothing changes: the same pages of the 2026 chart list it.
  CommandFixture f;
  Compute(f, false);
  ShowNatalData(f.wb, f.host, f.view);
  ShowNatalAspects(f.wb, f.host, f.view);
  for (const std::string& page : f.view.shown) {
    EXPECT_GT(ChironLines(page).size(), 2u);
    EXPECT_EQ(page.find(kNote), std::string::npos);
  }
}

// Between the charts: the chart that has Chiron keeps its own, the other
// contributes none.
TEST(ChironOutsideItsTable, TwoChartGridsKeepOnlyTheChironThatExists) {
  CommandFixture f;
  Compute(f, true);
  const SecondPersonBox person{true, "Mileva M"};
  ShowTransitAspectsToNatal(f.wb, person, "Albert E", f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  const auto lines = SplitLines(f.view.shown[0]);
  int chironRows = 0, chironColumns = 0;
  for (const std::string& line : lines) {
    if (line.starts_with("  Chi  ")) ++chironRows;  // chart 1 gives the rows
    if (line.starts_with("       SUN  MER") && line.ends_with("  CHI")) ++chironColumns;
  }
  EXPECT_EQ(chironRows, 0);
  EXPECT_EQ(chironColumns, 2);  // the aspect grid and the parallels
}

TEST(ChironOutsideItsTable, TheWheelDrawsNoChironAndSaysWhy) {
  for (const auto kind : {SingleWheelKind::Natal, SingleWheelKind::Declinations,
                          SingleWheelKind::Helio, SingleWheelKind::Composite}) {
    CommandFixture f;
    Compute(f, true);
    PrepareSingleWheel(f.wb, kind, {true, "Mileva M"}, f.host);
    const WheelRequest& r = *f.wb.Wheel;
    EXPECT_FALSE(r.HasChiron);
    EXPECT_EQ(r.OuterWheelHeader[1] + " " + r.OuterWheelHeader[2] + " " + r.OuterWheelHeader[3] +
                  " " + r.OuterWheelHeader[4],
              ChironLeftOutNote());
    SingleWheelInputs in;
    in.values = r.Longitudes;
    in.cusps = r.Cusps;
    in.housePositions = r.HousePositions;
    in.helio = r.HelioWheel != 0;
    in.declination = r.DeclinationSingleWheel != 0;
    in.lastPoint = LastPointOf(r.HasChiron);
    const auto placed = PlaceSingleWheel(in);
    EXPECT_FALSE(placed.empty());
    for (const PlacedLabel& l : placed) EXPECT_NE(l.point, ChartPoint::Chiron);
  }
  CommandFixture f;
  Compute(f, false);
  PrepareSingleWheel(f.wb, SingleWheelKind::Natal, {}, f.host);
  EXPECT_TRUE(f.wb.Wheel->HasChiron);
  EXPECT_TRUE(f.wb.Wheel->OuterWheelHeader[1].empty());
}

}  // namespace
}  // namespace orv
