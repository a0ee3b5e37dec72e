#include <gtest/gtest.h>

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
// from the range test; `day` holds the geocentric longitudes from record `at` on.
std::unique_ptr<DataTables> Tables(int at = 0, std::initializer_list<float> days = {}) {
  auto t = std::make_unique<DataTables>();
  for (int i = 0; i < ChironDays; ++i) {
    t->ChironGeoTable1[i] = t->ChironHelioTable1[i] = 100.0f + 0.01f * float(i % 1000);
    t->ChironGeoTable2[i] = 15.0f;
    t->ChironHelioTable2[i] = -2.0f;
  }
  for (float d : days) {
    t->ChironGeoTable1[size_t(at)] = t->ChironHelioTable1[size_t(at)] = d;
    ++at;
  }
  return t;
}

TEST(CalcChiron, InterpolatesFromTheFirstToTheLastUsableDay) {
  auto t = Tables(0, {256.5f, 256.6f});
  t->ChironGeoTable2[0] = -18.1f;
  t->ChironHelioTable2[0] = 5.125f;
  ChironPosition p = CalcChiron(*t, 2415000.0);
  EXPECT_TRUE(p.Tabulated);
  EXPECT_NEAR(p.Longitude, 256.5, kInterpolationTol);
  EXPECT_NEAR(p.Declination, -18.1, kInterpolationTol);
  EXPECT_NEAR(p.HelioLongitude, 256.5, kInterpolationTol);
  EXPECT_NEAR(p.HelioLatitude, 5.125, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 256.6, kInterpolationTol);

  t = Tables(59997, {10.0f, 11.0f, 13.0f});
  t->ChironGeoTable2[59998] = 16.0f;
  p = CalcChiron(*t, 2474997.9);
  EXPECT_TRUE(p.Tabulated);
  EXPECT_NEAR(p.Longitude, 10.9, kInterpolationTol);
  EXPECT_NEAR(p.Declination, 15.9, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 12.8, kInterpolationTol);
  // The next day wraps against the record after the next.
  p = CalcChiron(*Tables(500, {358.0f, 359.6f, 0.4f}), ChironFirstDay + 500.75);
  EXPECT_NEAR(p.Longitude, 359.2, kInterpolationTol);
  EXPECT_NEAR(p.NextDayLongitude, 0.2, kInterpolationTol);
}

// Outside the tables everything is exactly 0, the next-day longitude too
// (leaving the previous chart's value there would corrupt the daily motion),
// and no retrograde flag is set.
TEST(CalcChiron, OutsideTheTablesAllIsZero) {
  const auto t = Tables();
  for (const double jd : {2474998.0, 2414999.9, -1.0e9, std::numeric_limits<double>::quiet_NaN()}) {
    const ChironPosition p = CalcChiron(*t, jd);
    EXPECT_EQ(std::tie(p.Longitude, p.Declination, p.HelioLongitude, p.HelioLatitude,
                       p.NextDayLongitude, p.Retrograde, p.Tabulated),
              std::make_tuple(0.0, 0.0, 0.0, 0.0, 0.0, false, false))
        << jd;
  }
}

// The note names the moments the tables really cover. JD 2415020.0 is
// 31 Dec 1899 12:00 UT (the epoch J1900.0), so 2415000.0 is 11 Dec 1899
// 12:00 UT and 2474998.0, 59998 days on, 18 Mar 2064 12:00 UT. A chart at
// 11 Dec 1899 00:30 UT (JD 2414999.5208) lies before the first bound.
TEST(CalcChiron, TheNoteStatesTheBoundsTheTablesCover) {
  EXPECT_EQ(ChironLeftOutNote(),
            "Chiron is tabulated from 11 Dec 1899 12:00 UT to 18 Mar 2064 12:00 UT; it is left "
            "out of this chart.");
  EXPECT_EQ(ChironBoundText(2415000.0), "11 Dec 1899 12:00 UT");
  EXPECT_EQ(ChironBoundText(2474998.0), "18 Mar 2064 12:00 UT");
  const auto t = Tables();
  // One second either side of each bound.
  constexpr double kSecond = 1.0 / 86400;
  EXPECT_FALSE(CalcChiron(*t, 2414999.5 + 30 * 60 * kSecond).Tabulated);
  EXPECT_FALSE(CalcChiron(*t, ChironFirstJd - kSecond).Tabulated);
  EXPECT_TRUE(CalcChiron(*t, ChironFirstJd).Tabulated);
  EXPECT_TRUE(CalcChiron(*t, ChironEndJd - kSecond).Tabulated);
  EXPECT_FALSE(CalcChiron(*t, ChironEndJd).Tabulated);
}

// Day pairs around the 0/360 seam and the retrograde test, which sees the
// table values before the wrap correction.
TEST(CalcChiron, WrapAndRetrogradeRules) {
  const struct {
    float day0, day1;
    double f, longitude;
    bool retrograde;
  } cases[] = {
      {359.5f, 0.3f, 0.5, 359.9, false},   // forwards across 0: d = -359.2
      {0.3f, 359.5f, 0.5, 359.9, true},    // backwards across 0: d = 359.2
      {100.0f, 88.0f, 0.5, 94.0, false},   // a fall of 12 degrees is no motion
      {100.0f, 99.0f, 0.25, 99.75, true},  //
      {20.0f, 345.0f, 0.5, 182.5, false},  // first exactly 20: no wrap
  };
  for (const auto& c : cases) {
    const ChironPosition p =
        CalcChiron(*Tables(1000, {c.day0, c.day1}), ChironFirstDay + 1000 + c.f);
    EXPECT_NEAR(p.Longitude, c.longitude, kInterpolationTol) << c.day0 << " " << c.day1;
    EXPECT_NEAR(p.HelioLongitude, c.longitude, kInterpolationTol) << c.day0 << " " << c.day1;
    EXPECT_EQ(p.Retrograde, c.retrograde) << c.day0 << " " << c.day1;
  }
}

}  // namespace
}  // namespace orv
