#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "core/Angles.h"
#include "core/HouseCusps.h"

namespace orv {
namespace {

// The worked example gives cusps to three decimals.
constexpr double kWorkedExampleDeg = 0.0005;
// At latitude 0 the four quadrant systems coincide; Placidus stands on 1e-05
// radians of latitude instead of 0, which moves its cusps by about 2e-4 deg.
constexpr double kEquatorAgreementDeg = 0.001;
// Cusps built as exact opposites or from the same formula as the MC; pi to
// ten decimals (2 pi off by 1.8e-10 rad) leaves up to 1e-8 deg.
constexpr double kSameFormulaDeg = 1e-7;
// The MC and the Ascendant pass through the polar-rectangular helpers, whose
// stand-in for an exact 0 (1.74533E-09 rad, 1e-7 deg) shifts them by up to
// a few 1e-7 deg near the polar circles; the cusp formulas take no such turn.
constexpr double kAngleRouteDeg = 1e-6;
// Campanus aims its first and tenth cusps a millionth of a degree off 90 and
// 360 (to keep tan finite), so they miss the Ascendant and MC by about that,
// magnified up to a hundredfold near the polar circles, where the ecliptic
// runs close to the horizon.
constexpr double kCampanusNudgeDeg = 2e-4;
// Cusps computed one by one come out opposite up to the ten-decimal pi,
// magnified where the cusps crowd near the polar circles.
constexpr double kOppositeDeg = 1e-6;

// The signed difference b - a brought into -180..180.
double AngleDiff(double a, double b) {
  double d = std::fmod(b - a, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

double Cusp(const HouseCusps& cusps, int house) { return cusps[CuspIndexOfHouse(house)]; }

HouseInputs WorkedExample() { return HouseInputsAt(DegToRad(10), DegToRad(40), DegToRad(23.44)); }

TEST(HouseCusps, SystemTableRowsMatchTheirCodes) {
  int option = 1;
  for (const HouseSystemInfo& row : HouseSystems) {
    EXPECT_EQ(static_cast<int>(row.system), option++) << row.name;
    EXPECT_EQ(HouseSystemFromCode(row.code), row.system) << row.name;
    EXPECT_EQ(HouseSystemCodeText(row.system), row.code);
  }
  EXPECT_EQ(HouseSystemCodeText(HouseSystemCode::EqualAscendant), "EA");
  EXPECT_EQ(HouseSystemFromCode("I"), HouseSystemCode::Morinus);
  EXPECT_FALSE(HouseSystemFromCode("ea").has_value());
}

TEST(HouseCusps, WorkedExampleAtRamc10Latitude40North) {
  const HouseInputs in = WorkedExample();
  EXPECT_NEAR(in.MidheavenLongitude, 10.879, kWorkedExampleDeg);
  EXPECT_NEAR(in.AscendantLongitude, 116.598, kWorkedExampleDeg);

  const struct {
    HouseSystemCode system;
    double h11, h12, h2, h3;
  } cases[] = {
      {HouseSystemCode::Placidus, 47.430, 84.625, 136.719, 160.644},
      {HouseSystemCode::Koch, 57.188, 90.116, 141.274, 165.962},
      {HouseSystemCode::Campanus, 41.630, 80.441, 143.971, 166.856},
      {HouseSystemCode::Regiomontanus, 50.180, 88.492, 138.922, 161.615},
      {HouseSystemCode::Porphyry, 46.118, 81.358, 141.358, 166.118},
  };
  for (const auto& c : cases) {
    const HouseCusps r = CalcHouseCusps(c.system, in).cusps;
    const double got[] = {Cusp(r, 10), Cusp(r, 11), Cusp(r, 12),
                          Cusp(r, 1),  Cusp(r, 2),  Cusp(r, 3)};
    const double want[] = {10.879, c.h11, c.h12, 116.598, c.h2, c.h3};
    for (int k = 0; k < 6; ++k)
      EXPECT_NEAR(got[k], want[k], kWorkedExampleDeg) << HouseSystemInfoOf(c.system).name << k;
  }

  // Meridian: house 1 is the ecliptic point at RA = RAMC + 90, house 10 the
  // MC. Morinus: house 10 is the Morinus point of the RAMC, not the MC. The
  // equal systems count 30 degrees from the Ascendant or from the MC.
  const struct {
    HouseSystemCode system;
    double h1, h10;
  } angleCases[] = {
      {HouseSystemCode::Meridian, 99.189, 10.879},
      {HouseSystemCode::Morinus, 100.879, 9.189},
      {HouseSystemCode::EqualAscendant, 116.598, 26.598},
      {HouseSystemCode::EqualMC, 100.879, 10.879},
  };
  for (const auto& c : angleCases) {
    const HouseCusps r = CalcHouseCusps(c.system, in).cusps;
    EXPECT_NEAR(Cusp(r, 1), c.h1, kWorkedExampleDeg) << HouseSystemInfoOf(c.system).name;
    EXPECT_NEAR(Cusp(r, 10), c.h10, kWorkedExampleDeg) << HouseSystemInfoOf(c.system).name;
  }
}

TEST(HouseCusps, QuadrantSystemsAgreeAtTheEquator) {
  for (double ramcDeg : {10.0, 100.0, 200.0, 333.0}) {
    const HouseInputs in = HouseInputsAt(DegToRad(ramcDeg), 0, DegToRad(23.44));
    const HouseCusps placidus = CalcHouseCusps(HouseSystemCode::Placidus, in).cusps;
    for (HouseSystemCode other :
         {HouseSystemCode::Koch, HouseSystemCode::Campanus, HouseSystemCode::Regiomontanus}) {
      const HouseCusps cusps = CalcHouseCusps(other, in).cusps;
      for (int i = 1; i <= 12; ++i) {
        EXPECT_NEAR(AngleDiff(placidus[i], cusps[i]), 0, kEquatorAgreementDeg)
            << HouseSystemInfoOf(other).name << " RAMC " << ramcDeg << " index " << i;
      }
    }
    // Placidus stands on 1e-05 radians South there: its intermediate cusps are
    // those cast at that latitude.
    HouseInputs south = in;
    south.LatitudeRadians = -1e-5;
    const HouseCusps stand = CalcHouseCusps(HouseSystemCode::Placidus, south).cusps;
    for (int i : {2, 3, 5, 6}) EXPECT_NEAR(AngleDiff(placidus[i], stand[i]), 0, 1e-9) << i;
  }
}

TEST(HouseCusps, PorphyryAndEqualEdgeCases) {
  HouseInputs in;
  in.MidheavenLongitude = 300;
  in.AscendantLongitude = 30;
  const HouseCusps porphyry = CalcHouseCusps(HouseSystemCode::Porphyry, in).cusps;
  EXPECT_DOUBLE_EQ(Cusp(porphyry, 2), 60);
  EXPECT_DOUBLE_EQ(Cusp(porphyry, 3), 90);
  EXPECT_DOUBLE_EQ(Cusp(porphyry, 5), 150);
  EXPECT_DOUBLE_EQ(Cusp(porphyry, 6), 180);

  in.AscendantLongitude = 350;
  const HouseCusps ea = CalcHouseCusps(HouseSystemCode::EqualAscendant, in).cusps;
  EXPECT_DOUBLE_EQ(ea[4], 350);
  EXPECT_DOUBLE_EQ(ea[5], 20);
  EXPECT_DOUBLE_EQ(ea[1], 260);

  in.MidheavenLongitude = 345;
  const HouseCusps em = CalcHouseCusps(HouseSystemCode::EqualMC, in).cusps;
  EXPECT_DOUBLE_EQ(em[1], 345);
  EXPECT_DOUBLE_EQ(em[2], 15);
}

// For every system over RAMC and latitude: cusps in [0, 360), in zodiacal
// order, opposite cusps opposite, and the angles where the system puts them.
TEST(HouseCusps, InvariantsOverASweepOfRamcAndLatitude) {
  const double obliquity = DegToRad(23.44);
  for (const HouseSystemInfo& row : HouseSystems) {
    SCOPED_TRACE(row.name);
    const bool ascIsFirst = row.system != HouseSystemCode::EqualMC &&
                            row.system != HouseSystemCode::Meridian &&
                            row.system != HouseSystemCode::Morinus;
    const bool mcIsTenth =
        row.system != HouseSystemCode::EqualAscendant && row.system != HouseSystemCode::Morinus;
    const double angleTolerance =
        row.system == HouseSystemCode::Campanus ? kCampanusNudgeDeg : kAngleRouteDeg;
    double maxOpposite = 0, sumSquares = 0;
    int count = 0;
    for (int latStep = -22; latStep <= 22; ++latStep) {
      const double latDeg = latStep * 3;
      for (int ramcStep = 0; ramcStep < 48; ++ramcStep) {
        const double ramcDeg = ramcStep * 7.5;
        const HouseInputs in = HouseInputsAt(DegToRad(ramcDeg), DegToRad(latDeg), obliquity);
        const HouseCuspsResult r = CalcHouseCusps(row.system, in);
        ASSERT_TRUE(r.ok()) << "lat " << latDeg << " RAMC " << ramcDeg;
        double turn = 0;
        for (int i = 1; i <= 12; ++i) {
          const double c = r.cusps[i];
          const double step = Mod360(r.cusps[i % 12 + 1] - c);
          ASSERT_TRUE(c >= 0 && c < 360 && step > 0 && step < 180)
              << "lat " << latDeg << " RAMC " << ramcDeg << " index " << i;
          turn += step;
          if (i <= 6) {
            const double off = std::fabs(AngleDiff(c + 180, r.cusps[i + 6]));
            maxOpposite = std::max(maxOpposite, off);
            sumSquares += off * off;
            ++count;
          }
        }
        EXPECT_NEAR(turn, 360, 1e-9) << "lat " << latDeg << " RAMC " << ramcDeg;
        if (ascIsFirst) {
          EXPECT_NEAR(AngleDiff(in.AscendantLongitude, Cusp(r.cusps, 1)), 0, angleTolerance)
              << "lat " << latDeg << " RAMC " << ramcDeg;
        }
        if (mcIsTenth) {
          EXPECT_NEAR(AngleDiff(in.MidheavenLongitude, Cusp(r.cusps, 10)), 0, angleTolerance)
              << "lat " << latDeg << " RAMC " << ramcDeg;
        }
      }
    }
    EXPECT_LT(maxOpposite, kOppositeDeg);
    std::printf("%-18s opposite cusps: max error %.3g deg, RMS %.3g deg\n",
                std::string(row.name).c_str(), maxOpposite, std::sqrt(sumSquares / count));
  }
}

TEST(HouseCusps, SouthernLatitudeEntersOnlyThroughItsSign) {
  // Mirror symmetry: the chart at -phi and RAMC r is the chart at +phi and
  // RAMC r + 180 turned by 180 degrees.
  const double obliquity = DegToRad(23.44);
  for (const HouseSystemInfo& row : HouseSystems) {
    const HouseInputs south = HouseInputsAt(DegToRad(25), DegToRad(-35), obliquity);
    const HouseInputs north = HouseInputsAt(DegToRad(205), DegToRad(35), obliquity);
    const HouseCusps s = CalcHouseCusps(row.system, south).cusps;
    const HouseCusps n = CalcHouseCusps(row.system, north).cusps;
    for (int i = 1; i <= 12; ++i) {
      const double tolerance = row.system == HouseSystemCode::Campanus ? kCampanusNudgeDeg : 1e-6;
      EXPECT_NEAR(AngleDiff(n[i] + 180, s[i]), 0, tolerance) << row.name << " index " << i;
    }
  }
}

TEST(HouseCusps, PlacidusAndKochReportPolarLatitudesOthersStayFinite) {
  const double obliquity = DegToRad(23.44);
  // At 70 N and RAMC 90 the RAMC degree and the cusp points never set.
  const HouseInputs polar = HouseInputsAt(DegToRad(90), DegToRad(70), obliquity);
  EXPECT_EQ(CalcHouseCusps(HouseSystemCode::Placidus, polar).status,
            HouseCastStatus::NoCuspsAtLatitude);
  EXPECT_EQ(CalcHouseCusps(HouseSystemCode::Koch, polar).status,
            HouseCastStatus::NoCuspsAtLatitude);
  // The composite chart can ask for any latitude up to the pole.
  for (double latDeg : {67.0, 80.0, 89.99, 90.0, -90.0}) {
    for (int ramcStep = 0; ramcStep < 24; ++ramcStep) {
      const HouseInputs in = HouseInputsAt(DegToRad(ramcStep * 15.0), DegToRad(latDeg), obliquity);
      for (const HouseSystemInfo& row : HouseSystems) {
        const HouseCuspsResult r = CalcHouseCusps(row.system, in);
        const bool polarSystem =
            row.system == HouseSystemCode::Placidus || row.system == HouseSystemCode::Koch;
        if (!polarSystem) {
          EXPECT_TRUE(r.ok()) << row.name << " lat " << latDeg;
        }
        for (int i = 1; i <= 12; ++i)
          ASSERT_TRUE(r.cusps[i] >= 0 && r.cusps[i] < 360) << row.name << " lat " << latDeg;
      }
    }
  }
}

// Placidus cusps independently of the semi-arc iteration, from their
// definition, by bisection on the ecliptic longitude: the cusp of house 11
// (12) is the point whose right ascension lies a third (two thirds) of its
// own diurnal semi-arc DSA = 90 + asin(tan d tan phi) east of the RAMC.
double PlacidusCuspByBisection(double thirds, double ramcDeg, double latDeg) {
  const double eps = DegToRad(23.44), phi = DegToRad(latDeg);
  const auto offset = [&](double lonDeg) {  // RA less its target, -180..180
    const double lon = DegToRad(lonDeg), decl = std::asin(std::sin(eps) * std::sin(lon));
    const double dsa = 90 + RadToDeg(std::asin(std::tan(decl) * std::tan(phi)));
    return AngleDiff(ramcDeg + thirds * dsa / 3,
                     RadToDeg(std::atan2(std::sin(lon) * std::cos(eps), std::cos(lon))));
  };
  const HouseInputs in = HouseInputsAt(DegToRad(ramcDeg), phi, eps);
  double lo = in.MidheavenLongitude, hi = lo + Mod360(in.AscendantLongitude - lo);
  for (int i = 0; i < 200; ++i) (offset(lo) * offset((lo + hi) / 2) <= 0 ? hi : lo) = (lo + hi) / 2;
  return Mod360(lo);
}

TEST(HouseCusps, PlacidusCuspsMatchTheirDefinitionUpToThePolarCircle) {
  constexpr double kDefinitionDeg = 1e-7;  // the iteration settles below 1e-13 rad
  for (const auto& [ramcDeg, latDeg] : {std::pair{10.0, 40.0}, {10.0, 65.0}, {200.0, 65.0},
                                       {100.0, -65.0}, {300.0, 63.0}, {45.0, 66.0}}) {
    const HouseCusps c = CalcHouseCusps(HouseSystemCode::Placidus,
                                        HouseInputsAt(DegToRad(ramcDeg), DegToRad(latDeg),
                                                      DegToRad(23.44))).cusps;
    for (int house : {11, 12})
      EXPECT_NEAR(AngleDiff(PlacidusCuspByBisection(house - 10, ramcDeg, latDeg), Cusp(c, house)),
                  0, kDefinitionDeg) << ramcDeg << " " << latDeg << " " << house;
  }
}

// The Ascendant is the ecliptic point on the eastern horizon (altitude 0,
// east of the meridian), also inside the polar circles.
TEST(HouseCusps, AscendantRisesInTheEastAtPolarLatitudes) {
  const double eps = DegToRad(23.44);
  for (double latDeg : {70.0, 80.0, -70.0, -80.0, 40.0}) {
    for (double ramc = DegToRad(7.5); ramc < 2 * M_PI; ramc += DegToRad(15)) {
      const double lon = DegToRad(CalcAscendant(ramc, eps, DegToRad(latDeg)));
      const double x = std::cos(lon), y = std::sin(lon) * std::cos(eps),
                   z = std::sin(lon) * std::sin(eps), phi = DegToRad(latDeg);
      EXPECT_NEAR(std::cos(phi) * (x * std::cos(ramc) + y * std::sin(ramc)) + z * std::sin(phi),
                  0, 1e-9) << latDeg << " " << ramc;  // on the horizon
      EXPECT_GT(y * std::cos(ramc) - x * std::sin(ramc), 0) << latDeg << " " << ramc;  // east
    }
  }
}

// An ecliptic point rises when the sidereal time reaches its right ascension
// less its semi-diurnal arc H0 (cos H0 = -tan(latitude) tan(declination)), and
// at that moment it is the Ascendant. Inside the polar circles this includes
// moments where the point found from the nonagesimal is the setting one
// (70N at 0 Taurus) and moments where the rising point lies far from the
// east point's longitude (70N at 15 Leo and 15 Scorpio, 75N at 0 Virgo).
TEST(HouseCusps, AscendantIsThePointRisingAtThatSiderealTime) {
  const double eps = DegToRad(23.44);
  const struct {
    double latDeg, risingDeg;
  } rows[] = {{70, 30},  {70, 135}, {70, 225}, {-70, 45},   {-70, 315}, {-70, 210},
              {75, 150}, {75, 210}, {78.2, 0}, {78.2, 180}, {40, 100},  {-40, 280}};
  for (const auto& row : rows) {
    const double lon = DegToRad(row.risingDeg), phi = DegToRad(row.latDeg);
    const double ra = std::atan2(std::sin(lon) * std::cos(eps), std::cos(lon));
    const double dec = std::asin(std::sin(lon) * std::sin(eps));
    const double semiArc = std::acos(-std::tan(phi) * std::tan(dec));
    const double asc = CalcAscendant(ra - semiArc, eps, phi);
    EXPECT_NEAR(AngleDiff(asc, row.risingDeg), 0, kAngleRouteDeg)
        << row.latDeg << " " << row.risingDeg;
  }
}

TEST(HouseCusps, SiderealTextHasFixedColumns) {
  EXPECT_EQ(SiderealText(12, 0, 5), "12H  00M  05S ");
  EXPECT_EQ(SiderealText(23, 59, 59), "23H  59M  59S ");
}

}  // namespace
}  // namespace orv
