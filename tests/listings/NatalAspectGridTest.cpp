// The natal aspect grid beyond what the golden natal aspects page pins.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <vector>

#include "ListingTestSupport.h"
#include "listings/NatalAspectGrid.h"

namespace orv {
namespace {

using test::Orbs;

namespace P = ChartPoint;

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

TEST(NatalAspectGrid, BandsAndParallelCells) {
  const struct {
    double a, b;
    OrbTable orbs;
    int code;
    double deviation;
  } rows[] = {
      {0, 38, Orbs({{11, 2}, {12, 2}}), 13, -2},  // the nonagen, tested after the semi-quintile
      {100, 130, Orbs({{1, 35}, {7, 2}}), 2, 30},  // the conjunction is tested last and wins
      {0, 180, Orbs({{5, 10}}), 6, 0},            // the opposition has no upper limit
      {20.5, 180, Orbs({{5, 10}}), NoAspectCode, 159.5},
      {350, 10, Orbs({{5, 10}}), NoAspectCode, 20},  // folded
      {0, 66.000001, Orbs({{2, 6}}), 3, 6.000001},   // the float 66, the sextile's edge
      {0, 66.00001, Orbs({{2, 6}}), NoAspectCode, 66.00001},
      {0, 52.928571, Orbs({{16, 1.5f}}), 17, 1.5},  // the septile's limits are double
      {0, 52.928572, Orbs({{16, 1.5f}}), NoAspectCode, 52.928572},
  };
  for (const auto& r : rows) {
    const GridAspect a = FindGridAspect(r.a, r.b, r.orbs);
    EXPECT_EQ(a.code, r.code) << r.b;
    EXPECT_NEAR(a.deviationDeg, r.deviation, 1e-6) << r.b;
  }
  const OrbTable orb1 = Orbs({{6, 1}});
  const std::tuple<double, double, const char*> cells[] = {
      {10.2, -10.0, " CP  "}, {-10.2, -10.0, " P   "}, {10.2, 12, "---  "},
      {0, -0.5, " CP  "},  // 0 counts as north
      {0, 0.5, " P   "},     {10, 11, " P   "},  // exactly the orb
      {10, -11.001, "---  "},
  };
  for (const auto& [a, b, cell] : cells) EXPECT_EQ(ParallelCell(a, b, orb1), cell) << a << " " << b;
}

TEST(NatalAspectGrid, CellsListLinesAndTheFoundTable) {
  struct Move {
    int point;
    double lon;
    std::optional<double> decl = std::nullopt;
  };
  const struct {
    std::vector<Move> moves;
    OrbTable orbs;
    int row, column;  // grid order: Sun, Moon, Mercury .. Chiron
    const char* cell;
    int code, higher, lower;  // what the found table records
    const char* listed;
  } rows[] = {
      {{{P::Sun, 0}, {P::Moon, 38}}, Orbs({{11, 2}, {12, 2}}), 1, 2, " 40  ", 13, 2, 1,
       "  Sun        Moon        38d 00m          2d 00m"},
      // Recorded with the higher point first.
      {{{P::Sun, 10}, {P::Moon, 128.5}}, Orbs({{4, 8}}), 1, 2, "120  ", 5, 2, 1,
       "  Sun        Moon       118d 30m          1d 30m"},
      // Rounded to whole minutes before the split: never 2d 60m.
      {{{P::Sun, 0}, {P::Moon, 62.9999}}, Orbs({{2, 6}}), 1, 2, " 60  ", 3, 2, 1,
       "  Sun        Moon        63d 00m          3d 00m"},
      // By `ChartPoint` the Moon is 10; the grid shows it second, Mercury third.
      {{{P::Moon, 0, 20}, {P::Mercury, 90, -20}}, Orbs({{3, 1}, {6, 0.1f}}), 2, 3, " 90  ", 4, 3, 2,
       "  Moon       Mercury     90d 00m          0d 00m"},
      {{{P::Moon, 0, 20}, {P::Mercury, 90, -20}}, Orbs({{3, 1}, {6, 0.1f}}), 3, 2, " CP  ", 4, 3, 2,
       nullptr},
      // The South Node's row shows its cells but lists nothing; the North
      // Node's oppositions to it and to Chiron are listed.
      {{{P::NorthNode, 40}, {P::SouthNode, 220}, {P::Chiron, 220}},
       Orbs({{1, 1}, {5, 1}}), 12, 16, "  0  ", 2, 16, 12,
       "  N_Node     Chiron     180d 00m          0d 00m"},
  };
  for (const auto& r : rows) {
    QuietChart q;
    for (const Move& m : r.moves) {
      q.lon[size_t(m.point)] = m.lon;
      if (m.decl) q.decl[size_t(m.point)] = *m.decl;
    }
    test::PageFixture f;
    const NatalAspectTable found = ListNatalAspectGrid(f.page, q.lon, q.decl, r.orbs);
    const auto& l = f.lines();
    ASSERT_EQ(l.size(), 30u);
    // The grid's rows follow the title lines; columns run from Chiron to the Sun.
    EXPECT_EQ(l[size_t(3 + r.row)].substr(size_t(7 + (NumPoints - r.column) * 5), 5), r.cell);
    EXPECT_TRUE(found.Found(r.code, r.higher, r.lower)) << r.cell;
    EXPECT_FALSE(found.Found(r.code, r.lower, r.higher)) << r.cell;
    if (r.listed) {
      EXPECT_NE(("\r\n" + l.back()).find("\r\n" + std::string(r.listed) + "\r\n"),
                std::string::npos) << r.listed;
    }
    EXPECT_EQ(l.back().find("\r\n  S_Node"), std::string::npos);
  }
  // Nothing aspects in a quiet chart: the list is its heading alone.
  QuietChart q;
  test::PageFixture f;
  const NatalAspectTable found = ListNatalAspectGrid(f.page, q.lon, q.decl, OrbTable{});
  EXPECT_EQ(f.lines().back(), "  Planet     Planet    Separation   Degrees from exact\r\n");
  for (int code = 0; code <= MaxAspectCode; ++code)
    for (int a = 1; a <= NumPoints; ++a)
      for (int b = 1; b <= NumPoints; ++b) ASSERT_FALSE(found.Found(code, a, b));
}

}  // namespace
}  // namespace orv
