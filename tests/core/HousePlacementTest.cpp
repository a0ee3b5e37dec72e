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

HouseCusps ExampleCusps() {
  // 10th, 11th, 12th, 1st .. 9th.
  return {0, 10, 47, 84, 116, 136, 160, 190, 227, 264, 296, 316, 340};
}

std::string Record(const std::string& positions, int point) {
  return positions.substr(size_t(point - 1) * 10, 10);
}

TEST(HousePlacement, PointsOnAndJustBeforeCusps) {
  struct Case {
    double longitude;
    const char* record;
  };
  const Case cases[] = {
      {116.0, " 1ST HOUSE"},      // on the Ascendant
      {115.99999, " 1ST HOUSE"},  // 0.036" before it still counts
      {115.9999, "12TH HOUSE"},   // 0.36" before it does not
      {355, " 9TH HOUSE"},        // the 9th house holds 0 Aries
      {5, " 9TH HOUSE"},         {359.99999, " 9TH HOUSE"}, {10.0, "10TH HOUSE"},
      {9.99999, "10TH HOUSE"},   {47, "11TH HOUSE"},        {200, " 4TH HOUSE"},
      {339.9, " 8TH HOUSE"},
  };
  PointArray<double> longitudes{};
  int point = 1;
  for (const Case& c : cases) longitudes[point++] = c.longitude;
  const std::string positions = PlacePlanetsInHouses(std::string(10 * NumPoints, '-'), longitudes,
                                                     ExampleCusps(), kHouseLabels);
  ASSERT_EQ(positions.size(), size_t(10 * NumPoints));
  point = 1;
  for (const Case& c : cases) {
    EXPECT_EQ(Record(positions, point), c.record) << c.longitude;
    ++point;
  }
  EXPECT_EQ(HouseNumberOfRecord(Record(positions, 1)), 1);
  EXPECT_EQ(HouseNumberOfRecord(Record(positions, 3)), 12);
  EXPECT_EQ(HouseNumberOfRecord(Record(positions, 4)), 9);
}

TEST(HousePlacement, AscendantAndMcLandOnTheirHouses) {
  PointArray<double> longitudes{};
  longitudes[ChartPoint::Ascendant] = 116;
  longitudes[ChartPoint::MC] = 10;
  const std::string positions =
      PlacePlanetsInHouses(std::string(), longitudes, ExampleCusps(), kHouseLabels);
  ASSERT_EQ(positions.size(), size_t(10 * NumPoints));  // padded from empty
  EXPECT_EQ(Record(positions, ChartPoint::Ascendant), " 1ST HOUSE");
  EXPECT_EQ(Record(positions, ChartPoint::MC), "10TH HOUSE");
}

TEST(HousePlacement, UnmatchedPointsKeepTheirLabel) {
  // Every cusp at 0: no entry holds anything, so the old labels stay and
  // only " HOUSE" is written.
  HouseCusps cusps{};
  PointArray<double> longitudes{};
  longitudes[1] = 100;
  std::string before(10 * NumPoints, '-');
  const std::string positions = PlacePlanetsInHouses(before, longitudes, cusps, kHouseLabels);
  EXPECT_EQ(Record(positions, 1), "---- HOUSE");
  EXPECT_EQ(Record(positions, NumPoints), "---- HOUSE");
}

TEST(HousePlacement, DeclinationsOfTheEclipticPoints) {
  const double eps = DegToRad(23.44);
  EXPECT_NEAR(EclipticDeclination(90, eps), 23.44, kDeclinationDeg);
  EXPECT_NEAR(EclipticDeclination(270, eps), -23.44, kDeclinationDeg);
  EXPECT_NEAR(EclipticDeclination(0, eps), 0, kDeclinationDeg);
  EXPECT_NEAR(EclipticDeclination(180, eps), 0, kDeclinationDeg);
  for (double lon = 0.5; lon < 360; lon += 7.25) {
    const double expected =
        std::asin(std::sin(23.44 * M_PI / 180) * std::sin(lon * M_PI / 180)) * 180 / M_PI;
    EXPECT_NEAR(EclipticDeclination(lon, eps), expected, kDeclinationDeg) << lon;
  }

  PointArray<double> longitudes{};
  PointArray<double> declinations{};
  for (int i = 1; i <= NumPoints; ++i) {
    longitudes[i] = 90;
    declinations[i] = -99;
  }
  longitudes[ChartPoint::SouthNode] = 270;
  const PointArray<double> got = CalcPointDeclinations(declinations, longitudes, eps);
  EXPECT_NEAR(got[ChartPoint::NorthNode], 23.44, kDeclinationDeg);
  EXPECT_NEAR(got[ChartPoint::SouthNode], -23.44, kDeclinationDeg);
  EXPECT_NEAR(got[ChartPoint::PartOfFortune], 23.44, kDeclinationDeg);
  EXPECT_NEAR(got[ChartPoint::Ascendant], 23.44, kDeclinationDeg);
  EXPECT_NEAR(got[ChartPoint::MC], 23.44, kDeclinationDeg);
  EXPECT_EQ(got[ChartPoint::Sun], -99);  // the ephemeris's points are left alone
  EXPECT_EQ(got[ChartPoint::Moon], -99);
  EXPECT_EQ(got[ChartPoint::Chiron], -99);
}

TEST(HousePlacement, AntiscionMirrorsAcrossTheChosenAxis) {
  EXPECT_DOUBLE_EQ(CalcAntiscion(10.5, AntiscionAxis::Solstice), 169.5);  // 19 Vir 30
  EXPECT_DOUBLE_EQ(CalcAntiscion(10.5, AntiscionAxis::Equinox), 349.5);
  // 0 Cancer and 0 Capricorn are their own mirrors.
  EXPECT_DOUBLE_EQ(CalcAntiscion(90, AntiscionAxis::Solstice), 90);
  EXPECT_DOUBLE_EQ(CalcAntiscion(270, AntiscionAxis::Solstice), 270);
  EXPECT_DOUBLE_EQ(CalcAntiscion(180, AntiscionAxis::Equinox), 180);
  for (double lon = 0.25; lon < 360; lon += 3.5) {
    EXPECT_NEAR(CalcAntiscion(lon, AntiscionAxis::Solstice), Mod360(180 - lon), 1e-9) << lon;
    EXPECT_NEAR(CalcAntiscion(lon, AntiscionAxis::Equinox), Mod360(360 - lon), 1e-9) << lon;
  }
}

TEST(HousePlacement, AntiscionOfZeroAriesIsZeroNever360) {
  EXPECT_EQ(CalcAntiscion(180, AntiscionAxis::Solstice), 0);
  EXPECT_EQ(CalcAntiscion(0, AntiscionAxis::Solstice), 180);
  EXPECT_EQ(CalcAntiscion(0, AntiscionAxis::Equinox), 0);
}

TEST(HousePlacement, AntiscionAxisFromOption167) {
  OptionValues options{};
  EXPECT_EQ(AntiscionAxisOf(options), AntiscionAxis::Solstice);
  options[167] = 1;
  EXPECT_EQ(AntiscionAxisOf(options), AntiscionAxis::Equinox);
  options[167] = -0.5f;
  EXPECT_EQ(AntiscionAxisOf(options), AntiscionAxis::Equinox);
}

}  // namespace
}  // namespace orv
