#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <utility>

#include "ListingTestSupport.h"
#include "listings/InterchartGrids.h"
#include "listings/TwoChartAspects.h"

namespace orv {
namespace {

using test::Orbs;

// Positions 13.7 degrees apart, chart 2 shifted 5.3 from chart 1; chart 2's
// declinations 1.5 degrees from any of chart 1's. With every orb 0 no pair
// of either chart, nor across them, aspects or is parallel.
ChartModel QuietCharts() {
  ChartModel m;
  m.PersonName = "Ann";
  for (int i = 1; i <= NumPoints; ++i) {
    m.Natal.Longitudes[size_t(i)] = std::fmod(250 + 13.7 * i, 360);
    m.Diurnal.Longitudes[size_t(i)] = std::fmod(255.3 + 13.7 * i, 360);
    m.Natal.Declinations[size_t(i)] = 3.0 * i;
    m.Diurnal.Declinations[size_t(i)] = 3.0 * i + 1.5;
  }
  return m;
}

// Options with the interchart orbs 55 to 59 as given.
OptionValues Interchart(float ordinary, float nodes, float lights, float quincunx, float minor) {
  OptionValues o{};
  o[55] = ordinary;
  o[56] = nodes;
  o[57] = lights;
  o[58] = quincunx;
  o[59] = minor;
  return o;
}

TEST(TwoChartAspects, SynastryFinder) {
  const struct {
    double lonA, lonB;
    OrbTable orbs;
    int code;
    double deviation;  // as printed
  } cases[] = {
      // A 72 degree separation is never a quintile here.
      {72, 0, Orbs({{13, 10}, {11, 10}, {12, 10}, {14, 10}, {15, 10}, {16, 10}}), 1, 72},
      {10, 190, Orbs({{5, 0}}), 6, 0},  // an exact opposition
      // 175 with opposition orb 5: -5 from exact, printed +5 as A is ahead.
      {175, 0, Orbs({{5, 5}}), 6, 5},
      {0, 175, Orbs({{5, 5}}), 6, -5},
      // The conjunction is tested last and wins over the semi-sextile.
      {130, 100, Orbs({{1, 35}, {7, 2}}), 2, -30},
      // Inside the quincunx and the quindecile: the later quindecile.
      {157.5, 0, Orbs({{10, 7.5f}, {17, 7.5f}}), 18, 7.5},
      // Single precision: 66.000001 rounds to the sextile's upper limit.
      {66.000001, 0, Orbs({{2, 6}}), 3, -6.000001},
      {66.00001, 0, Orbs({{2, 6}}), 1, 66.00001},
      // Across 0 degrees: a difference of +350 keeps the sign, -350 loses it.
      {355, 5, Orbs({{1, 10}}), 2, 10},
      {5, 355, Orbs({{1, 10}}), 2, -10},
  };
  constexpr double kTol = 1e-9;  // differences of values given to a few decimals
  for (const auto& c : cases) {
    const AspectMatch m = FindSynastryAspect(c.lonA, c.lonB, c.orbs);
    EXPECT_EQ(m.code, c.code) << c.lonA << " " << c.lonB;
    EXPECT_NEAR(m.deviation, c.deviation, kTol) << c.lonA << " " << c.lonB;
  }
}

// Whether `lines` holds `line`, and where.
ptrdiff_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
  const auto it = std::find(lines.begin(), lines.end(), line);
  return it == lines.end() ? -1 : it - lines.begin();
}

bool Mentions(const std::vector<std::string>& lines, std::string_view name) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& l) { return l.find(name) != std::string::npos; });
}

TEST(TwoChartAspects, ListsChooseTheirPairs) {
  ChartModel m = QuietCharts();
  // Transiting Sun 5 past the natal Sun; the transiting Moon on the natal
  // South Node and the transiting South Node on the natal Moon; transiting
  // Mars trine transiting Chiron; the natal and transiting nodes and Parts of
  // Fortune opposite each other.
  m.Diurnal.Longitudes[ChartPoint::Sun] = 190;
  m.Natal.Longitudes[ChartPoint::Sun] = 185;
  m.Diurnal.Longitudes[ChartPoint::Moon] = 221.3;
  m.Natal.Longitudes[ChartPoint::SouthNode] = 221.3;
  m.Diurnal.Longitudes[ChartPoint::SouthNode] = 151.7;
  m.Natal.Longitudes[ChartPoint::Moon] = 151.7;
  m.Diurnal.Longitudes[ChartPoint::Mars] = 200;
  m.Diurnal.Longitudes[ChartPoint::Chiron] = 80.5;
  m.Natal.Longitudes[ChartPoint::NorthNode] = 300;
  m.Diurnal.Longitudes[ChartPoint::NorthNode] = 120;
  m.Natal.Longitudes[ChartPoint::PartOfFortune] = 301;
  m.Diurnal.Longitudes[ChartPoint::PartOfFortune] = 121;
  const OrbTable orbs = Orbs({{1, 6}, {4, 2}, {5, 1.5f}});

  test::PageFixture toNatal, toTransits, synastry;
  ListTransitToNatalAspects(toNatal.page, m, orbs);
  const auto& tn = toNatal.lines();
  // Every ordered pair, a point with its own natal place too, the
  // transiting point outer.
  const ptrdiff_t order[] = {
      IndexOf(tn, "  SUN         conjunct      SUN         -5.00 degrees"),
      IndexOf(tn, "  N. NODE     opposite      N. NODE      0.00 degrees"),
      IndexOf(tn, "  N. NODE     opposite      Part F.      1.00 degrees"),
      IndexOf(tn, "  Part F.     opposite      N. NODE     -1.00 degrees"),
      IndexOf(tn, "  Part F.     opposite      Part F.      0.00 degrees"),
  };
  EXPECT_GE(order[0], 3);
  for (size_t k = 1; k < std::size(order); ++k) EXPECT_GT(order[k], order[k - 1]) << k;
  EXPECT_FALSE(Mentions(tn, "S. NODE"));

  ListTransitToTransitAspects(toTransits.page, m.Diurnal, orbs);
  const auto& tt = toTransits.lines();
  EXPECT_GE(IndexOf(tt, "  MARS        trine         CHIRON       0.50 degrees"), 3);
  // Each pair once, the lower number first.
  EXPECT_GE(IndexOf(tt, "  N. NODE     conjunct      Part F.      1.00 degrees"), 3);
  EXPECT_EQ(IndexOf(tt, "  Part F.     conjunct      N. NODE     -1.00 degrees"), -1);
  EXPECT_FALSE(Mentions(tt, "S. NODE"));

  // Person 1's point first, one decimal; no node and no Part of Fortune.
  ListSynastryAspects(synastry.page, m, orbs);
  const auto& sy = synastry.lines();
  EXPECT_GE(IndexOf(sy, "  SUN         conjunct      SUN          5.0 degrees"), 1);
  for (const char* name : {"N. NODE", "S. NODE", "Part F."}) EXPECT_FALSE(Mentions(sy, name));

  // No aspect: the heading alone.
  test::PageFixture quiet;
  ListTransitToTransitAspects(quiet.page, QuietCharts().Diurnal, OrbTable{});
  EXPECT_EQ(quiet.lines().size(), 3u);
}

TEST(InterchartGrids, FinderOrbsAndBands) {
  using P = int;
  const P sun = ChartPoint::Sun, moon = ChartPoint::Moon, mars = ChartPoint::Mars,
          venus = ChartPoint::Venus, node = ChartPoint::NorthNode, sNode = ChartPoint::SouthNode;
  const struct {
    P a;
    double lonA;
    P b;
    double lonB;
    OptionValues options;
    int code;
  } cases[] = {
      // The lights' orb wins over the nodes' orb.
      {sun, 0, node, 3, Interchart(5, 5, 0, 0, 0), 1},
      {sun, 0, node, 0, Interchart(5, 5, 0, 0, 0), 2},
      {sNode, 0, moon, 63, Interchart(0, 0, 4, 0, 0), 3},
      {mars, 0, sNode, 93, Interchart(0, 4, 0, 0, 0), 4},
      {mars, 0, venus, 123, Interchart(4, 0, 0, 0, 0), 5},
      {mars, 0, node, 123, Interchart(4, 0, 0, 0, 0), 1},
      // Quincunx orb 0: exactly 150 only.
      {mars, 0, venus, 150, Interchart(0, 0, 0, 0, 0), 11},
      {mars, 0, venus, 150.0001, Interchart(0, 0, 0, 0, 0), 1},
      // In both the 150 and 165 bands: the later quindecile.
      {mars, 0, venus, 157.5, Interchart(0, 0, 0, 7.5f, 7.5f), 18},
      {mars, 200, venus, 65, Interchart(0, 0, 0, 0, 2), 10},
      {mars, 10, venus, 57, Interchart(0, 0, 0, 0, 2), 9},
      {mars, 10, venus, 339, Interchart(0, 0, 0, 0, 2), 8},
      // Suns 180 apart with the lights' orb 0; the opposition has no upper
      // limit, and wins over a quindecile.
      {sun, 10, sun, 190, Interchart(0, 0, 0, 0, 0), 6},
      {mars, 0, venus, 166, Interchart(15, 0, 0, 0, 2), 6},
      // The major bands compare the separation unrounded, the others rounded.
      {mars, 0, venus, 66.000001, Interchart(6, 0, 0, 0, 0), 1},
      {mars, 0, venus, 153.000001, Interchart(0, 0, 0, 3, 0), 11},
      // The conjunction last of all.
      {mars, 100, venus, 130, Interchart(35, 0, 0, 0, 2), 2},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FindInterchartAspect(c.a, c.lonA, c.b, c.lonB, c.options), c.code)
        << c.a << "@" << c.lonA << " " << c.b << "@" << c.lonB;

  const struct {
    double a, b;
    std::string_view cell;
  } parallels[] = {
      {20.5, -19.8, " CP  "},  {20.5, 19.5, " P   "}, {-20.5, -19.5, " P   "},
      {20.5, -19.49, "---  "}, {0, -0.5, " CP  "},    {0, 0.5, " P   "},
  };
  for (const auto& p : parallels) EXPECT_EQ(InterchartParallelCell(p.a, p.b), p.cell) << p.a;
}

TEST(InterchartGrids, RowsAndColumnsByPoint) {
  // The same chart on both sides: every diagonal cell is a conjunction.
  ChartModel m = QuietCharts();
  m.Diurnal = m.Natal;
  m.Diurnal.Longitudes[ChartPoint::Venus] = m.Natal.Longitudes[ChartPoint::Moon] + 90;
  m.Diurnal.Declinations[ChartPoint::Venus] = -m.Natal.Declinations[ChartPoint::Moon];
  test::PageFixture f;
  ListInterchartAspectGrid(f.page, m, "Ann B", "Bob", Interchart(0, 0, 0, 0, 0));
  ListInterchartParallels(f.page, m);
  const auto& l = f.lines();
  ASSERT_EQ(l.size(), 43u);
  // The headings and the legend are pinned by the golden interchart page.
  EXPECT_EQ(l[1], "  Ann B's NATAL PLANET ASPECTS TO Bob's NATAL PLANETS");
  EXPECT_EQ(l[2], "  (Dn = Ann, Across = Bob)");
  const std::pair<size_t, const char*> rows[] = {
      {4 + ChartPoint::Sun, "  SUN    0  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  "},
      {4 + ChartPoint::Moon, "  MOO  ---  ---   90  ---  ---  ---  ---  ---  ---    0  ---  ---  ---  ---  ---  ---  "},
      {4 + ChartPoint::Venus, "  VEN  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  "},
      {4 + ChartPoint::Chiron, "  CHI  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---    0  "},
      {26 + ChartPoint::Moon, "  MOO  ---  ---   CP  ---  ---  ---  ---  ---  ---   P   ---  ---  ---  ---  ---  ---  "},
      {26 + ChartPoint::Chiron, "  CHI  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---  ---   P   "},
  };
  for (const auto& [line, text] : rows) EXPECT_EQ(l[line], text) << line;
}

}  // namespace
}  // namespace orv
