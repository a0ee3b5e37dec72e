// The natal cosmodynes report, its compact clipboard copy and the commands
// that list it.

#include <gtest/gtest.h>

#include <algorithm>

#include "../listings/CommandFixture.h"
#include "CosmoTestCharts.h"
#include "commands/CosmodynesCommands.h"
#include "cosmodynes/Cosmodynes.h"
#include "cosmodynes/NatalCosmodynesReport.h"

namespace orv {
namespace {

using test::CommandFixture;

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

// The rows after `header` up to the next empty line.
std::vector<std::string> RowsUnder(const std::vector<std::string>& lines, std::string_view header) {
  auto it = std::find(lines.begin(), lines.end(), header);
  EXPECT_NE(it, lines.end()) << header;
  std::vector<std::string> rows;
  while (it != lines.end() && ++it != lines.end() && !it->empty()) rows.push_back(*it);
  return rows;
}

TEST(NatalCosmodynesReport, ListsThePointsTheAngleChoiceAdmits) {
  const std::string planetHeader =
      "  Planet             Power    %         Har/Disc           Harmony     %       Discord      %";
  const std::string signHeader =
      "  Sign               Power    %         Har/Disc           Harmony    %       Discord       %";
  const std::string houseHeader =
      "  House              Power    %         Har/Disc           Harmony    %       Discord       %";
  const std::string columns = "          Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
  struct Case {
    CosmoAngleChoice angles;
    size_t planetRows;
    std::string gridHeader, lastGridRow;
  };
  const Case cases[] = {{CosmoAngleChoice::None, 10, columns, "  Moo  "},
                        {CosmoAngleChoice::AscendantOnly, 11, columns + "    Asc", "  Asc  "},
                        {CosmoAngleChoice::Both, 12, columns + "    Asc    MC", "  MC   "},
                        {CosmoAngleChoice::MCOnly, 11, columns + "    MC", "  MC   "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.angles));
    CommandFixture f;
    f.wb.Charts.CosmoAngles = c.angles;
    ListNatalCosmodynesPage(f.wb, f.host);
    const std::vector<std::string>& page = f.wb.Output.PageBuffer();
    EXPECT_EQ(RowsUnder(page, planetHeader).size(), c.planetRows);
    EXPECT_EQ(RowsUnder(page, signHeader).size(), 12u);
    EXPECT_EQ(RowsUnder(page, houseHeader).size(), 12u);
    const std::vector<std::string> grid = RowsUnder(page, c.gridHeader);
    ASSERT_EQ(grid.size(), c.planetRows);
    EXPECT_EQ(grid.back().substr(0, 7), c.lastGridRow);

    const std::vector<std::string> copy = SplitCrLf(f.host.clipboard);
    EXPECT_EQ(CosmoReportClipboardText(copy), f.host.clipboard);  // CR LF throughout
    EXPECT_LE(copy.size(), 83u);
    EXPECT_EQ(copy[0], "  Jane Doe, 12 May 1959, TZ = 6.0, 10.43 A.M., 39.45 North, 75.23 West");
    EXPECT_EQ(copy[2],
              "  Planet             Power    %         Har/Disc                      Power"
              "              Har/Disc");
    const std::vector<std::string> rows = RowsUnder(copy, copy[2]);
    ASSERT_EQ(rows.size(), c.planetRows + 1);  // then the TOTALS line
    for (size_t k = 0; k < c.planetRows; ++k) EXPECT_EQ(rows[k].size(), 46u + 3 + 46) << k;
    EXPECT_EQ(f.host.busyDepth, 0);
  }
}

TEST(NatalCosmodynesReport, GridCells) {
  const std::pair<float, std::string_view> cells[] = {
      {0.004f, "  ---- "}, {-0.004f, "  ---- "}, {5, "  5.00 "},    {-5, " -5.00 "},
      {12.346f, " 12.35 "}, {-12.5f, "-12.50 "}, {0, "  ---- "},     {0.01f, "  0.01 "},
      {99.994f, " 99.99 "}};
  Cosmodynes c;
  std::string sunRow = "  Sun    **** ";
  for (int col = 2; col <= 10; ++col) {
    c.AspectGrid[1][size_t(col)] = cells[col - 2].first;
    sunRow += cells[col - 2].second;
  }
  test::PageFixture f;
  std::vector<std::string> copy;
  ListCosmodynesAspectGrid(f.page, c, CosmoAngleChoice::None, copy);
  EXPECT_EQ(f.lines()[6], sunRow);
  EXPECT_EQ(f.lines()[7].substr(0, 21), "  Mer    ----   **** ");
  EXPECT_EQ(copy[0], "      Power is listed in upper right section. Harmony is listed in lower left section.");
  EXPECT_EQ(copy[3], sunRow);
}

TEST(NatalCosmodynesReport, CompletesOnChartsWithNothingToDivideBy) {
  // A planet 0.00001 degrees before the Ascendant stands on it.
  ChartArrays chart = test::EqualHouseChart();
  for (int k = 1; k <= 10; ++k) {
    chart.Longitudes[size_t(k)] = 40 + k;  // all in Taurus
    chart.Declinations[size_t(k)] = 2.5 * k;
  }
  chart.Longitudes[ChartPoint::Mars] = 359.99999;
  chart.HousePositions.replace(30, 10, " 1ST HOUSE");
  const Cosmodynes scored = CalcCosmodynes(chart, CosmoAngleChoice::None, {});
  EXPECT_EQ(scored.CuspDistance[ChartPoint::Mars], 0);
  EXPECT_EQ(scored.HousePositionPower[ChartPoint::Mars], 15);

  Cosmodynes huge;  // every score 0, then one power of four digits
  huge.Power[1] = 1234.5;
  ChartModel model;
  model.PersonName = std::string(80, 'X');
  for (const Cosmodynes* c : {&scored, static_cast<const Cosmodynes*>(&huge)}) {
    test::PageFixture f;
    const std::vector<std::string> copy =
        ListNatalCosmodynes(f.page, *c, CosmoAngleChoice::None, model);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(copy[3].size(), 95u);
    EXPECT_EQ(f.lines().back().substr(0, 7), "  Moo  ");
  }
  // No power, harmony or discord in any sign: every percentage is 0.0.
  test::PageFixture f;
  ListNatalCosmodynes(f.page, huge, CosmoAngleChoice::None, model);
  EXPECT_NE(std::find(f.lines().begin(), f.lines().end(),
                      "  ARI                 0.00   0.0          0.00               0.00     0.0"
                      "        0.00      0.0"),
            f.lines().end());
}

TEST(NatalCosmodynesCommands, CosmicStatesAndCosmodynesPage) {
  CommandFixture f;
  f.wb.Charts.CosmoAngles = CosmoAngleChoice::Both;
  ShowCosmicStatesAndCosmodynes(f.wb, f.host, f.view);
  test::ExpectGolden(f.LastPageFile(), "cosmic_states_and_cosmodynes.txt");
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_EQ(f.host.busyDepth, 0);

  // The scoring takes the names window's boxes, "Benefics/Malefics?" ticked.
  const ChartArrays& natal = f.wb.Charts.Natal;
  EXPECT_EQ(f.wb.Cosmo.Harmony, CalcCosmodynes(natal, CosmoAngleChoice::Both, {false, true}).Harmony);
  EXPECT_NE(f.wb.Cosmo.Harmony, CalcCosmodynes(natal, CosmoAngleChoice::Both, {}).Harmony);

  // Ctrl+D: the same report, under the natal header alone.
  const std::string withState = f.LastPageFile();
  const std::string clipboard = f.host.clipboard;
  ShowNatalCosmodynes(f.wb, f.host, f.view);
  const std::string alone = f.LastPageFile();
  const size_t reportStart = alone.find("\r\n\r\n  Planet");
  ASSERT_NE(reportStart, std::string::npos);
  EXPECT_EQ(withState.substr(0, reportStart), alone.substr(0, reportStart));
  EXPECT_TRUE(withState.ends_with(alone.substr(reportStart)));
  EXPECT_EQ(f.host.clipboard, clipboard);
}

}  // namespace
}  // namespace orv
