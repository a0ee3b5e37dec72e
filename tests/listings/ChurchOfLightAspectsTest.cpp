#include <gtest/gtest.h>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "listings/ChurchOfLightAspects.h"

namespace orv {
namespace {

TEST(CoLOrbs, ByPointAndHouseClass) {
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Sun, 10), (CoLOrbs{0, 4, 6, 8, 12, 15}));
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Moon, 5), (CoLOrbs{0, 3, 5, 7, 10, 13}));
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Jupiter, 7), (CoLOrbs{0, 3, 5, 7, 10, 12}));
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Mars, 11), (CoLOrbs{0, 2, 4, 6, 8, 10}));
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Mars, 3), (CoLOrbs{0, 1, 3, 5, 6, 8}));
  // The angles and Chiron: a planet's angular orbs in any house.
  for (int point : {ChartPoint::Ascendant, ChartPoint::MC, ChartPoint::Chiron})
    EXPECT_EQ(CoLOrbsOf(point, 3), (CoLOrbs{0, 3, 5, 7, 10, 12})) << point;
  // A house record that names no house 1-12 counts as cadent.
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Mars, 0), CoLOrbsOf(ChartPoint::Mars, 3));
  EXPECT_EQ(CoLOrbsOf(ChartPoint::Moon, 13), CoLOrbsOf(ChartPoint::Moon, 3));
}

TEST(CoLAspects, StrictBandsFirstMatchWins) {
  const CoLOrbs cadent = CoLOrbsOf(ChartPoint::Mars, 3);
  EXPECT_FALSE(FindCoLAspect(31, cadent));  // 30 + orb1: the bound is strict
  EXPECT_FALSE(FindCoLAspect(29, cadent));
  ASSERT_TRUE(FindCoLAspect(30.5, cadent));
  EXPECT_EQ(FindCoLAspect(30.5, cadent)->code, 8);
  EXPECT_DOUBLE_EQ(FindCoLAspect(30.5, cadent)->deviationDeg, 0.5);
  EXPECT_FALSE(FindCoLAspect(8, cadent));  // s < orb5 only
  EXPECT_EQ(FindCoLAspect(7.9, cadent)->code, 2);
  EXPECT_EQ(FindCoLAspect(172.1, cadent)->code, 6);
  EXPECT_FALSE(FindCoLAspect(172, cadent));

  // Wide orbs: a trine up to 130, a sesquisquare above it.
  const CoLOrbs angularSun = CoLOrbsOf(ChartPoint::Sun, 1);
  EXPECT_EQ(FindCoLAspect(130, angularSun)->code, 5);
  EXPECT_DOUBLE_EQ(FindCoLAspect(130, angularSun)->deviationDeg, 10);
  EXPECT_EQ(FindCoLAspect(130.5, angularSun)->code, 10);
  EXPECT_DOUBLE_EQ(FindCoLAspect(130.5, angularSun)->deviationDeg, -4.5);
  // The Sun's angular orbs: semi-sextile 30 +- 4, semi-square 45 +- 6,
  // quincunx 150 +- 4, opposition above 165.
  EXPECT_EQ(FindCoLAspect(33, angularSun)->code, 8);
  EXPECT_EQ(FindCoLAspect(40, angularSun)->code, 9);
  EXPECT_EQ(FindCoLAspect(153, angularSun)->code, 11);
  EXPECT_FALSE(FindCoLAspect(160, angularSun));
  EXPECT_EQ(FindCoLAspect(165.1, angularSun)->code, 6);
}

// The groups of a Church of Light block: the lines between blank lines
// after the title.
std::vector<std::vector<std::string>> Groups(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> groups(1);
  for (size_t i = 3; i < lines.size(); ++i) {
    if (lines[i].empty()) {
      groups.emplace_back();
    } else {
      groups.back().push_back(lines[i]);
    }
  }
  groups.pop_back();  // what follows the last blank line
  return groups;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(CoLAspects, PairsListedUnderBothPoints) {
  ChartModel m = test::FixedCharts();
  ChartArrays& n = m.Natal;
  n.Longitudes[ChartPoint::Sun] = 100;   // 10th house: angular
  n.Longitudes[ChartPoint::Moon] = 217;  // 11th house: succedent
  n.Declinations[ChartPoint::Sun] = 10.5;
  n.Declinations[ChartPoint::Moon] = -10.0;
  n.Longitudes[ChartPoint::Mercury] = 219.96;  // trine the Sun, 0.04 short
  test::PageFixture f;
  ListCoLAspects(f.page, n);
  const auto& l = f.lines();
  // Thirteen groups, Sun to Chiron without the nodes and Part F. (as the
  // golden page shows them).
  const auto groups = Groups(l);
  ASSERT_EQ(groups.size(), 13u);
  const auto& sun = groups[0];
  EXPECT_TRUE(Contains(sun, "  SUN         trine         MOON        -3.0 degrees"));
  EXPECT_TRUE(Contains(sun, "  SUN         Parallel      MOON         0.5 degrees"));
  EXPECT_TRUE(Contains(sun, "  SUN         trine         MERCURY      0.0 degrees"));
  // The aspect line comes before the parallel line of the same pair.
  EXPECT_LT(
      std::find(sun.begin(), sun.end(), "  SUN         trine         MOON        -3.0 degrees"),
      std::find(sun.begin(), sun.end(), "  SUN         Parallel      MOON         0.5 degrees"));
  const auto& moon = groups[9];
  EXPECT_TRUE(Contains(moon, "  MOON        trine         SUN          3.0 degrees"));
  EXPECT_TRUE(Contains(moon, "  MOON        Parallel      SUN          0.5 degrees"));
}

TEST(CoLAspects, ParallelBelowOneDegreeOnly) {
  ChartModel m = test::FixedCharts();
  ChartArrays& n = m.Natal;
  n.Declinations[ChartPoint::Sun] = 10.0;
  n.Declinations[ChartPoint::Moon] = 11.0;
  test::PageFixture f;
  ListCoLAspects(f.page, n);
  const auto groups = Groups(f.lines());
  for (const std::string& line : groups[0])
    EXPECT_NE(line, "  SUN         Parallel      MOON         1.0 degrees");
}

}  // namespace
}  // namespace orv
