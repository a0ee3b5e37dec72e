// The position listings of the fixed charts are pinned whole by the golden
// pages (DataCommandsTest); these cases cover what those pages do not show.
#include <gtest/gtest.h>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "listings/PositionListings.h"

namespace orv {
namespace {

TEST(NatalData, OtherHouseSystemsAndTheEquinoxAxis) {
  ChartModel m = test::FixedCharts();
  m.HouseSystem = HouseSystemCode::EqualAscendant;
  m.Natal.Longitudes[ChartPoint::Sun] = 10;
  m.Natal.Longitudes[ChartPoint::Moon] = 180;
  for (auto [axis, sun, moon] : {std::tuple{AntiscionAxis::Solstice, "20 VIR 00", "00 ARI 00"},
                                 std::tuple{AntiscionAxis::Equinox, "20 PIS 00", "00 LIB 00"}}) {
    test::PageFixture f;
    ListNatalData(f.page, m, axis);
    EXPECT_EQ(f.lines()[1], "  HOUSE CUSPS - Equal - Ascendant");
    EXPECT_EQ(f.lines()[7].substr(60, 9), sun);  // the solstice point, columns 61-69
    EXPECT_EQ(f.lines()[8].substr(60, 9), moon);
  }
  EXPECT_EQ(m.Kind, ChartKind::Natal);
}

TEST(NatalData, DecanateBoundaries) {
  const std::pair<double, const char*> cases[] = {
      {0, "Activity"},          {9.99, "Activity"},         {10, "Exaltation"},
      {215, "Resourcefulness"}, {349.99, "Self-sacrifice"}, {350, "Vicissitudes"},
      {359.5, "Vicissitudes"},
  };
  for (const auto& [longitude, keyword] : cases)
    EXPECT_EQ(DecanateKeyword(longitude), keyword) << longitude;
}

TEST(TransitData, MarksChartTwoShown) {
  ChartModel m = test::FixedCharts();
  m.Kind = ChartKind::Natal;
  test::PageFixture f;
  ListTransitPositions(f.page, m, SecondPersonBox{}, AntiscionAxis::Solstice);
  EXPECT_EQ(m.Kind, ChartKind::Second);
}

}  // namespace
}  // namespace orv
