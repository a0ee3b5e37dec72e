#include <gtest/gtest.h>

#include <cmath>

#include "ListingTestSupport.h"
#include "listings/NatalAspectGrid.h"

namespace orv {
namespace {

// Longitudes 13.7 degrees apart (by `ChartPoint`), declinations 1.5 apart:
// with every orb 0 no two points aspect or are parallel.
struct QuietChart {
  PointArray<double> lon{}, decl{};
  QuietChart() {
    for (int i = 1; i <= NumPoints; ++i) {
      lon[size_t(i)] = std::fmod(250 + 13.7 * i, 360);
      decl[size_t(i)] = 1.5 * i;
    }
  }
};

// Whether the aspect list entry holds `line` as one of its lines.
bool ListHasLine(const std::string& entry, const std::string& line) {
  return ("\r\n" + entry).find("\r\n" + line + "\r\n") != std::string::npos;
}

// The cell of row `r` and column `c` (`ReportPoint` numbers) in a grid row.
std::string Cell(const std::string& row, int c) {
  return row.substr(size_t(7 + (NumPoints - c) * 5), 5);
}

// The grid's lines: the 16 rows follow the blank, the title, the blank and
// the column heading.
const std::string& Row(const std::vector<std::string>& lines, int r) {
  return lines[size_t(3 + r)];
}

TEST(NatalAspectGrid, AQuietChartFindsNothing) {
  // The lines themselves are pinned by the golden aspect page.
  QuietChart q;
  test::PageFixture f;
  const NatalAspectTable found = ListNatalAspectGrid(f.page, q.lon, q.decl, OrbTable{});
  const auto& l = f.lines();
  ASSERT_EQ(l.size(), 30u);
  EXPECT_EQ(Row(l, 2), "  Moo  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ***  ---  ");
  // The list is one buffer entry: here its heading alone.
  EXPECT_EQ(l[29], "  Planet     Planet    Separation   Degrees from exact\r\n");
  for (int code = 0; code <= MaxAspectCode; ++code)
    for (int a = 1; a <= NumPoints; ++a)
      for (int b = 1; b <= NumPoints; ++b) ASSERT_FALSE(found.Found(code, a, b));
}

TEST(NatalAspectGrid, LastMatchingBandWins) {
  OrbTable orbs{};
  orbs[11] = 2;  // semi-quintile, 36
  orbs[12] = 2;  // nonagen, 40
  GridAspect a = FindGridAspect(0, 38, orbs);
  EXPECT_EQ(a.code, 13);  // the nonagen, tested after the semi-quintile
  EXPECT_DOUBLE_EQ(a.deviationDeg, -2);

  orbs = {};
  orbs[1] = 35;  // conjunction
  orbs[7] = 2;   // semi-sextile
  a = FindGridAspect(100, 130, orbs);
  EXPECT_EQ(a.code, 2);  // the conjunction is tested last and wins
  EXPECT_DOUBLE_EQ(a.deviationDeg, 30);

  orbs = {};
  orbs[5] = 10;
  EXPECT_EQ(FindGridAspect(0, 180, orbs).code, 6);  // the opposition has no upper limit
  EXPECT_EQ(FindGridAspect(20.5, 180, orbs).code, NoAspectCode);
  EXPECT_DOUBLE_EQ(FindGridAspect(350, 10, orbs).separationDeg, 20);  // folded

  // Single precision: 66.000001 rounds to the float 66, the sextile's edge.
  orbs = {};
  orbs[2] = 6;
  EXPECT_EQ(FindGridAspect(0, 66.000001, orbs).code, 3);
  EXPECT_EQ(FindGridAspect(0, 66.00001, orbs).code, NoAspectCode);
  // The septile's limits are double: 51.42857143 + 1.5.
  orbs = {};
  orbs[16] = 1.5;
  EXPECT_EQ(FindGridAspect(0, 52.928571, orbs).code, 17);
  EXPECT_EQ(FindGridAspect(0, 52.928572, orbs).code, NoAspectCode);
}

TEST(NatalAspectGrid, ParallelCells) {
  OrbTable orbs{};
  orbs[6] = 1;
  EXPECT_EQ(ParallelCell(10.2, -10.0, orbs), " CP  ");
  EXPECT_EQ(ParallelCell(-10.2, -10.0, orbs), " P   ");
  EXPECT_EQ(ParallelCell(10.2, 12, orbs), "---  ");
  EXPECT_EQ(ParallelCell(0, -0.5, orbs), " CP  ");  // 0 counts as north
  EXPECT_EQ(ParallelCell(0, 0.5, orbs), " P   ");
  EXPECT_EQ(ParallelCell(10, 11, orbs), " P   ");  // exactly the orb
  EXPECT_EQ(ParallelCell(10, -11.001, orbs), "---  ");
}

// A quiet chart with the Sun and the Moon (`ChartPoint` 1 and 10) moved.
std::vector<std::string> GridWithSunAndMoon(double sun, double moon, const OrbTable& orbs,
                                            NatalAspectTable* found = nullptr) {
  QuietChart q;
  q.lon[ChartPoint::Sun] = sun;
  q.lon[ChartPoint::Moon] = moon;
  test::PageFixture f;
  const NatalAspectTable t = ListNatalAspectGrid(f.page, q.lon, q.decl, orbs);
  if (found) *found = t;
  return f.lines();
}

TEST(NatalAspectGrid, CellsAndListLines) {
  OrbTable orbs{};
  orbs[11] = 2;
  orbs[12] = 2;
  auto l = GridWithSunAndMoon(0, 38, orbs);
  EXPECT_EQ(Cell(Row(l, 1), 2), " 40  ");
  EXPECT_TRUE(ListHasLine(l.back(), "  Sun        Moon        38d 00m          2d 00m"));

  // A trine 1.5 degrees wide, recorded with the higher point first.
  orbs = {};
  orbs[4] = 8;
  NatalAspectTable found;
  l = GridWithSunAndMoon(10, 128.5, orbs, &found);
  EXPECT_EQ(Cell(Row(l, 1), 2), "120  ");
  EXPECT_TRUE(ListHasLine(l.back(), "  Sun        Moon       118d 30m          1d 30m"));
  EXPECT_TRUE(found.Found(5, 2, 1));
  EXPECT_FALSE(found.Found(5, 1, 2));
  EXPECT_FALSE(found.Found(4, 2, 1));

  // Rounded to whole minutes before the split: 62.9999 is 63d 00m and its
  // distance from the sextile 3d 00m, never 2d 60m.
  orbs = {};
  orbs[2] = 6;
  l = GridWithSunAndMoon(0, 62.9999, orbs);
  EXPECT_EQ(Cell(Row(l, 1), 2), " 60  ");
  EXPECT_TRUE(ListHasLine(l.back(), "  Sun        Moon        63d 00m          3d 00m"));
}

TEST(NatalAspectGrid, SouthNodeRowListsNothing) {
  QuietChart q;
  OrbTable orbs{};
  orbs[1] = 1;
  orbs[5] = 1;
  q.lon[ChartPoint::NorthNode] = 40;
  q.lon[ChartPoint::SouthNode] = 220;
  q.lon[ChartPoint::Chiron] = 220;  // conjunct the South Node, a higher point
  test::PageFixture f;
  const NatalAspectTable found = ListNatalAspectGrid(f.page, q.lon, q.decl, orbs);
  const auto& l = f.lines();
  EXPECT_EQ(Cell(Row(l, 12), 16), "  0  ");  // the cell is there
  EXPECT_TRUE(found.Found(2, 16, 12));
  // The North Node's opposition to the South Node and to Chiron are listed;
  // the South Node-Chiron conjunction is not.
  EXPECT_TRUE(ListHasLine(l.back(), "  N_Node     Chiron     180d 00m          0d 00m"));
  EXPECT_TRUE(ListHasLine(l.back(), "  N_Node     S_Node     180d 00m          0d 00m"));
  EXPECT_EQ(l.back().find("\r\n  S_Node"), std::string::npos);
}

TEST(NatalAspectGrid, MoonIsTheSecondPoint) {
  // By `ChartPoint` the Moon is 10; the grid shows it second, Mercury third.
  QuietChart q;
  q.lon[ChartPoint::Moon] = 0;
  q.lon[ChartPoint::Mercury] = 90;
  q.decl[ChartPoint::Moon] = 20;
  q.decl[ChartPoint::Mercury] = -20;
  OrbTable orbs{};
  orbs[3] = 1;
  orbs[6] = 0.1f;
  test::PageFixture f;
  const NatalAspectTable found = ListNatalAspectGrid(f.page, q.lon, q.decl, orbs);
  EXPECT_EQ(Cell(Row(f.lines(), 2), 3), " 90  ");
  EXPECT_EQ(Cell(Row(f.lines(), 3), 2), " CP  ");
  EXPECT_TRUE(found.Found(4, 3, 2));
  EXPECT_TRUE(ListHasLine(f.lines().back(), "  Moon       Mercury     90d 00m          0d 00m"));
}

}  // namespace
}  // namespace orv
