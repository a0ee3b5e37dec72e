#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "core/ephemeris/Chiron.h"
#include "core/ephemeris/DataTables.h"

namespace orv {
namespace {

// Interpolated results are double arithmetic on single-precision table
// values; 1e-4 degree is far above float rounding at 360 and far below any
// step of the rules tested.
constexpr double kInterpolationTol = 1e-4;

// Tables whose every record is far from zero, so a zero result can only come
// from the range test.
std::unique_ptr<DataTables> FilledTables() {
  auto t = std::make_unique<DataTables>();
  for (int i = 0; i < ChironDays; ++i) {
    t->ChironGeoTable1[i] = 100.0f + 0.01f * static_cast<float>(i % 1000);
    t->ChironGeoTable2[i] = 15.0f;
    t->ChironHelioTable1[i] = 200.0f;
    t->ChironHelioTable2[i] = -2.0f;
  }
  return t;
}

TEST(CalcChiron, FirstDayUsesRecordZero) {
  auto t = FilledTables();
  t->ChironGeoTable1[0] = 256.5f;
  t->ChironGeoTable1[1] = 256.6f;
  t->ChironGeoTable2[0] = -18.1f;
  t->ChironHelioTable1[0] = 256.25f;
  t->ChironHelioTable2[0] = 5.125f;
  const ChironPosition p = CalcChiron(*t, 2415000.0);
  EXPECT_NEAR(p.Longitude, 256.5, kInterpolationTol);
  EXPECT_NEAR(p.Declination, -18.1, kInterpolationTol);
  EXPECT_NEAR(p.HelioLongitude, 256.25, kInterpolationTol);
  EXPECT_NEAR(p.HelioLatitude, 5.125, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 256.6, kInterpolationTol);
}

TEST(CalcChiron, LastUsableDayReadsTheLastThreeRecords) {
  auto t = FilledTables();
  t->ChironGeoTable1[59997] = 10.0f;
  t->ChironGeoTable1[59998] = 11.0f;
  t->ChironGeoTable1[59999] = 13.0f;
  t->ChironGeoTable2[59997] = 1.0f;
  t->ChironGeoTable2[59998] = 2.0f;
  const ChironPosition p = CalcChiron(*t, 2474997.9);
  EXPECT_NEAR(p.Longitude, 10.9, kInterpolationTol);
  EXPECT_NEAR(p.Declination, 1.9, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 12.8, kInterpolationTol);
}

// Outside the tables everything is exactly 0, the next-day longitude too
// (leaving the previous chart's value there would corrupt the daily motion),
// and no retrograde flag is set.
TEST(CalcChiron, OutsideTheTablesAllIsZero) {
  const auto t = FilledTables();
  for (const double jd : {2474998.0, 2474999.5, 2414999.9, 2400000.0, -1.0e9,
                          std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(jd);
    const ChironPosition p = CalcChiron(*t, jd);
    EXPECT_EQ(p.Longitude, 0.0);
    EXPECT_EQ(p.Declination, 0.0);
    EXPECT_EQ(p.HelioLongitude, 0.0);
    EXPECT_EQ(p.HelioLatitude, 0.0);
    EXPECT_EQ(p.NextDayLongitude, 0.0);
    EXPECT_FALSE(p.Retrograde);
  }
}

// Day pairs around the 0/360 seam and the retrograde test, which sees the
// table values before the wrap correction.
TEST(CalcChiron, WrapAndRetrogradeRules) {
  struct Case {
    float day0, day1;
    double f;
    double longitude;
    bool retrograde;
  };
  const Case cases[] = {
      {359.5f, 0.3f, 0.5, 359.9, false},  // forwards across 0: d = -359.2
      {0.3f, 359.5f, 0.5, 359.9, true},   // backwards across 0: d = 359.2
      {100.0f, 88.0f, 0.5, 94.0, false},  // a fall of 12 degrees is no motion
      {100.0f, 99.0f, 0.25, 99.75, true}, {100.0f, 101.0f, 0.0, 100.0, false},
      {20.0f, 345.0f, 0.5, 182.5, false},  // first exactly 20: no wrap
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.day0 << " -> " << c.day1);
    auto t = FilledTables();
    t->ChironGeoTable1[1000] = c.day0;
    t->ChironGeoTable1[1001] = c.day1;
    t->ChironHelioTable1[1000] = c.day0;
    t->ChironHelioTable1[1001] = c.day1;
    const ChironPosition p = CalcChiron(*t, ChironFirstDay + 1000 + c.f);
    EXPECT_NEAR(p.Longitude, c.longitude, kInterpolationTol);
    EXPECT_NEAR(p.HelioLongitude, c.longitude, kInterpolationTol);
    EXPECT_EQ(p.Retrograde, c.retrograde);
    EXPECT_GE(p.Longitude, 0.0);
    EXPECT_LT(p.Longitude, 360.0);
  }
}

TEST(CalcChiron, NextDayWrapsAgainstTheNextRecord) {
  auto t = FilledTables();
  t->ChironGeoTable1[500] = 358.0f;
  t->ChironGeoTable1[501] = 359.6f;
  t->ChironGeoTable1[502] = 0.4f;
  const ChironPosition p = CalcChiron(*t, ChironFirstDay + 500.75);
  EXPECT_NEAR(p.Longitude, 359.2, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 0.2, kInterpolationTol);
}

}  // namespace
}  // namespace orv
