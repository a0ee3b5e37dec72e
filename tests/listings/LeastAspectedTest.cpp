#include <gtest/gtest.h>

#include "ListingTestSupport.h"
#include "listings/LeastAspected.h"

namespace orv {
namespace {

TEST(LeastAspected, Bands) {
  EXPECT_EQ(CountBandOf(6.5, true), CountClass::Major);  // Sun-Moon conjunction
  EXPECT_EQ(CountBandOf(5.5, false), std::nullopt);      // Venus-Mars
  EXPECT_EQ(CountBandOf(5, false), CountClass::Major);
  EXPECT_EQ(CountBandOf(147, true), CountClass::Minor);  // bi-quintile and quincunx: once
  EXPECT_EQ(CountBandOf(173.5, true), CountClass::Major);
  EXPECT_EQ(CountBandOf(174, false), std::nullopt);
  EXPECT_EQ(CountBandOf(52.92857143, true), CountClass::Minor);  // septile
  EXPECT_EQ(CountBandOf(36, true), std::nullopt);                // semi-quintile not counted
  EXPECT_EQ(CountBandOf(108, true), std::nullopt);               // trecile
  EXPECT_EQ(CountBandOf(165, true), std::nullopt);               // quindecile
  EXPECT_EQ(CountBandOf(48.5, true), std::nullopt);
}

TEST(LeastAspected, AllPointsInOnePlace) {
  // Every partner conjunct: ten planets, Moon and Chiron count major, the
  // Ascendant and MC count as angles, the North Node counts nowhere.
  PointArray<double> lon{};
  lon.fill(42);
  const auto counts = CountAspects(lon);
  for (const AspectCounts& c : counts) {
    EXPECT_EQ(c.major, c.point == ChartPoint::NorthNode ? 11 : 10) << c.point;
    EXPECT_EQ(c.minor, 0);
    EXPECT_EQ(c.angles, 2);
  }
  test::PageFixture f;
  ListMostToLeastAspected(f.page, lon);
  EXPECT_EQ(f.lines(), (std::vector<std::string>{
                           "",
                           "  Most to Least Aspected Planets",
                           "  ------------------------------",
                           "       N. NODE  = 1102",
                           "       MERCURY  = 1002",
                           "       VENUS    = 1002",
                           "       MARS     = 1002",
                           "       JUPITER  = 1002",
                           "       SATURN   = 1002",
                           "       URANUS   = 1002",
                           "       NEPTUNE  = 1002",
                           "       PLUTO    = 1002",
                           "       MOON     = 1002",
                           "       SUN      = 1002",  // exchanged with the node, then never again
                           "       CHIRON   = 1002",
                       }));
}

TEST(LeastAspected, RankedOnTheCountsAsNumbers) {
  std::array<AspectCounts, 12> counts{};
  for (size_t k = 0; k < counts.size(); ++k) counts[k].point = int(k) + 1;
  counts[11].point = ChartPoint::Chiron;
  counts[0] = {ChartPoint::Sun, 4, 1, 2};
  counts[1] = {ChartPoint::Mercury, 4, 2, 1};
  counts[2] = {ChartPoint::Venus, 10, 0, 0};  // "1000": its last three read 000
  counts[3] = {ChartPoint::Mars, 9, 9, 9};
  const auto ranked = RankMostToLeast(counts);
  EXPECT_EQ(ranked[0].point, ChartPoint::Venus);
  EXPECT_EQ(ranked[1].point, ChartPoint::Mars);
  EXPECT_EQ(ranked[2].point, ChartPoint::Mercury);  // 421 above 412
  EXPECT_EQ(ranked[3].point, ChartPoint::Sun);
  EXPECT_EQ(RankedLine(ranked[0]), "       VENUS    = 1000");
  EXPECT_EQ(RankedLine(ranked[2]), "       MERCURY  = 421");
  EXPECT_EQ(RankedLine(ranked[11]), "       CHIRON   = 000");  // none: listed last
}

}  // namespace
}  // namespace orv
