#include <gtest/gtest.h>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "listings/ChurchOfLightAspects.h"

namespace orv {
namespace {

TEST(CoLAspects, OrbsByPointAndHouseClassAndStrictBands) {
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

  // Cadent Mars; the angular Sun: a trine up to 130, a sesquisquare above.
  const CoLOrbs cadent = CoLOrbsOf(ChartPoint::Mars, 3), sun = CoLOrbsOf(ChartPoint::Sun, 1);
  const struct {
    const CoLOrbs* orbs;
    double sep;
    int code;  // 0: none
    double deviation;
  } rows[] = {
      {&cadent, 31, 0, 0},  // 30 + orb1: the bound is strict
      {&cadent, 29, 0, 0},     {&cadent, 30.5, 8, 0.5},  {&cadent, 8, 0, 0},  // s < orb5 only
      {&cadent, 7.9, 2, 7.9},  {&cadent, 172.1, 6, -7.9}, {&cadent, 172, 0, 0},
      {&sun, 130, 5, 10},      {&sun, 130.5, 10, -4.5},   {&sun, 33, 8, 3},
      {&sun, 40, 9, -5},       {&sun, 153, 11, 3},        {&sun, 160, 0, 0},
      {&sun, 165.1, 6, -14.9},
  };
  for (const auto& r : rows) {
    const auto a = FindCoLAspect(r.sep, *r.orbs);
    ASSERT_EQ(a.has_value(), r.code != 0) << r.sep;
    if (!a) continue;
    EXPECT_EQ(a->code, r.code) << r.sep;
    EXPECT_NEAR(a->deviationDeg, r.deviation, 1e-9) << r.sep;
  }
}

// The first group of a Church of Light block: the lines after the title up
// to the first blank line.
std::vector<std::string> SunGroup(const std::vector<std::string>& lines) {
  std::vector<std::string> group;
  for (size_t i = 3; i < lines.size() && !lines[i].empty(); ++i) group.push_back(lines[i]);
  return group;
}

TEST(CoLAspects, AspectBeforeParallelAndParallelsBelowOneDegree) {
  ChartModel m = test::FixedCharts();
  ChartArrays& n = m.Natal;
  n.Longitudes[ChartPoint::Sun] = 100;   // 10th house: angular
  n.Longitudes[ChartPoint::Moon] = 217;  // 11th house: succedent
  n.Declinations[ChartPoint::Sun] = 10.5;
  n.Declinations[ChartPoint::Moon] = -10.0;
  n.Longitudes[ChartPoint::Mercury] = 219.96;  // trine the Sun, 0.04 short
  test::PageFixture f;
  ListCoLAspects(f.page, n);
  const auto sun = SunGroup(f.lines());
  const auto at = [&](const char* line) { return std::find(sun.begin(), sun.end(), line); };
  EXPECT_LT(at("  SUN         trine         MOON        -3.0 degrees"),
            at("  SUN         Parallel      MOON         0.5 degrees"));
  EXPECT_NE(at("  SUN         Parallel      MOON         0.5 degrees"), sun.end());
  EXPECT_NE(at("  SUN         trine         MERCURY      0.0 degrees"), sun.end());
  // The Moon's block lists the pair again from its side.
  const auto& l = f.lines();
  EXPECT_NE(std::find(l.begin(), l.end(), "  MOON        Parallel      SUN          0.5 degrees"),
            l.end());

  n.Declinations[ChartPoint::Moon] = 11.5;  // a whole degree apart
  test::PageFixture whole;
  ListCoLAspects(whole.page, n);
  for (const std::string& line : SunGroup(whole.lines()))
    EXPECT_EQ(line.find("Parallel      MOON"), std::string::npos) << line;
}

}  // namespace
}  // namespace orv
