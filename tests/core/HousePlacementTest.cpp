#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Angles.h"
#include "core/HousePlacement.h"

namespace orv {
namespace {

// The house label table in cusp order, as start-up fills it.
constexpr std::string_view kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";

// Declinations against the arc sine formula: ten-decimal pi.
constexpr double kDeclinationDeg = 1e-8;

std::string Record(const std::string& positions, int point) {
  return positions.substr(size_t(point - 1) * 10, 10);
}

TEST(HousePlacement, PointsOnAndJustBeforeCusps) {
  // 10th, 11th, 12th, 1st .. 9th.
  const HouseCusps cusps = {0, 10, 47, 84, 116, 136, 160, 190, 227, 264, 296, 316, 340};
  const struct {
    double longitude;
    const char* record;
  } cases[] = {
      {116.0, " 1ST HOUSE"},      // on the Ascendant
      {115.99999, " 1ST HOUSE"},  // 0.036" before it still counts
      {115.9999, "12TH HOUSE"},   // 0.36" before it does not
      {355, " 9TH HOUSE"},        // the 9th house holds 0 Aries
      {5, " 9TH HOUSE"},         {359.99999, " 9TH HOUSE"},
      {10.0, "10TH HOUSE"},      {200, " 4TH HOUSE"},
  };
  PointArray<double> longitudes{};
  for (size_t i = 0; i < std::size(cases); ++i) longitudes[i + 1] = cases[i].longitude;
  longitudes[ChartPoint::Ascendant] = 116;
  longitudes[ChartPoint::MC] = 10;
  // An empty text is padded first.
  const std::string positions = PlacePlanetsInHouses("", longitudes, cusps, kHouseLabels);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(Record(positions, int(i) + 1), cases[i].record) << cases[i].longitude;
    int number = 0;
    EXPECT_TRUE(LiesInAHouse(cases[i].longitude, cusps, kHouseLabels, &number));
    EXPECT_EQ(number, HouseNumberOfRecord(cases[i].record)) << cases[i].longitude;
  }
  EXPECT_EQ(Record(positions, ChartPoint::Ascendant), " 1ST HOUSE");
  EXPECT_EQ(Record(positions, ChartPoint::MC), "10TH HOUSE");
  EXPECT_EQ(HouseNumberOfRecord(Record(positions, 3)), 12);
  EXPECT_EQ(HouseNumberOfRecord(Record(positions, 4)), 9);
  // Every cusp at 0: no house holds anything, so the old labels stay and
  // only " HOUSE" is written.
  EXPECT_EQ(Record(PlacePlanetsInHouses(std::string(10 * NumPoints, '-'), longitudes, {},
                                        kHouseLabels), 1),
            "---- HOUSE");
  EXPECT_FALSE(LiesInAHouse(200, {}, kHouseLabels));
}

TEST(HousePlacement, DeclinationsOfTheEclipticPoints) {
  const double eps = DegToRad(23.44);
  for (double lon = 0; lon < 360; lon += 7.5) {
    const double expected =
        std::asin(std::sin(23.44 * M_PI / 180) * std::sin(lon * M_PI / 180)) * 180 / M_PI;
    EXPECT_NEAR(EclipticDeclination(lon, eps), expected, kDeclinationDeg) << lon;
  }
  EXPECT_NEAR(EclipticDeclination(270, eps), -23.44, kDeclinationDeg);

  PointArray<double> longitudes{}, declinations{};
  longitudes.fill(90);
  declinations.fill(-99);
  longitudes[ChartPoint::SouthNode] = 270;
  const PointArray<double> got = CalcPointDeclinations(declinations, longitudes, eps);
  for (int p :
       {ChartPoint::NorthNode, ChartPoint::PartOfFortune, ChartPoint::Ascendant, ChartPoint::MC})
    EXPECT_NEAR(got[p], 23.44, kDeclinationDeg) << p;
  EXPECT_NEAR(got[ChartPoint::SouthNode], -23.44, kDeclinationDeg);
  // The ephemeris's points are left alone.
  EXPECT_EQ(got[ChartPoint::Sun] + got[ChartPoint::Moon] + got[ChartPoint::Chiron], -297);
}

TEST(HousePlacement, AntiscionMirrorsAcrossTheChosenAxisAndNeverGives360) {
  EXPECT_DOUBLE_EQ(CalcAntiscion(10.5, AntiscionAxis::Solstice), 169.5);  // 19 Vir 30
  EXPECT_DOUBLE_EQ(CalcAntiscion(10.5, AntiscionAxis::Equinox), 349.5);
  EXPECT_EQ(CalcAntiscion(180, AntiscionAxis::Solstice), 0);
  EXPECT_EQ(CalcAntiscion(0, AntiscionAxis::Equinox), 0);
  EXPECT_DOUBLE_EQ(CalcAntiscion(270, AntiscionAxis::Solstice), 270);  // its own mirror
  // A NaN position (or one too large to reduce) mirrors no table out of range.
  for (double odd : {std::nan(""), 1e300, -HUGE_VAL})
    EXPECT_TRUE(CalcAntiscion(odd, AntiscionAxis::Solstice) >= 0) << odd;
  EXPECT_DOUBLE_EQ(CalcAntiscion(359.75, AntiscionAxis::Solstice), 180.25);
  OptionValues options{};
  EXPECT_EQ(AntiscionAxisOf(options), AntiscionAxis::Solstice);
  options[167] = -0.5f;
  EXPECT_EQ(AntiscionAxisOf(options), AntiscionAxis::Equinox);
}

}  // namespace
}  // namespace orv
