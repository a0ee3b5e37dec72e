#include <gtest/gtest.h>

#include <string>

#include "EphemerisTestSupport.h"
#include "core/ephemeris/OuterPlanetPerturbations.h"

namespace orv {
namespace {

using test::QuotedPrecision;

using Routine = PerturbationSums (*)(double);

// A check value as quoted (text), so the comparison allows exactly the
// rounding of its last digit.
struct Quoted {
  const char* text;
};

void ExpectQuoted(double actual, Quoted expected, const std::string& what, double allowance = 0) {
  const std::string t = expected.text;
  const std::size_t point = t.find('.');
  const int decimals = point == std::string::npos ? 0 : int(t.size() - point - 1);
  EXPECT_NEAR(actual, std::stod(t), QuotedPrecision(decimals) + allowance) << what;
}

struct SumsCase {
  const char* planet;
  Routine routine;
  double t;
  Quoted a, b, deltaE, deltaA, longitude;
};

// Differences a check value may show beyond its rounding, per sum.
struct Allowance {
  double degrees = 0;
  double eccentricity = 0;
  double au = 0;
};

void ExpectSums(const SumsCase& c, Allowance allow = {}) {
  const std::string what = std::string(c.planet) + " at T = " + std::to_string(c.t);
  const PerturbationSums s = c.routine(c.t);
  ExpectQuoted(s.meanLongitudeDeg, c.a, what + " A", allow.degrees);
  ExpectQuoted(s.perihelionDeg, c.b, what + " B", allow.degrees);
  ExpectQuoted(s.eccentricity, c.deltaE, what + " delta e", allow.eccentricity);
  ExpectQuoted(s.semiMajorAxisAU, c.deltaA, what + " delta a", allow.au);
  ExpectQuoted(s.longitudeDeg, c.longitude, what + " longitude", allow.degrees);
}

TEST(OuterPlanetPerturbations, ArgumentsAtTheEpochAndACenturyLater) {
  // The theory's check values at T = 0 (JD 2415020.0) and T = 1.
  const PerturbationArguments a = CalcPerturbationArguments(0);
  ExpectQuoted(a.nu, {"0.1"}, "nu");
  ExpectQuoted(a.V, {"854.6314"}, "V");
  ExpectQuoted(a.W, {"-389.99627"}, "W");
  ExpectQuoted(a.zeta, {"28.44095"}, "zeta");
  ExpectQuoted(a.psi, {"-22.39929"}, "psi");
  // Unreduced: a century on, zeta is many turns negative.
  ExpectQuoted(CalcPerturbationArguments(1).zeta, {"-1784.35125"}, "zeta at T = 1");
}

TEST(OuterPlanetPerturbations, SumsMatchTheCheckValuesToEveryQuotedDigit) {
  // The theory's check values for the sums of each series (A and B in
  // degrees, delta e a pure number, delta a in AU, the longitude correction in
  // degrees), computed with sines of the system's ten-decimal pi.
  const SumsCase cases[] = {
      {"Jupiter",
       CalcJupiterPerturbations,
       0,
       {"0.288751019"},
       {"-0.0172780388"},
       {"0.000360305677"},
       {"0.000474559593"},
       {"0"}},
      {"Jupiter",
       CalcJupiterPerturbations,
       1,
       {"0.0229121336"},
       {"0.0551640115"},
       {"0.000234812998"},
       {"0.00135199017"},
       {"0"}},
      {"Saturn",
       CalcSaturnPerturbations,
       0,
       {"-0.762813259"},
       {"0.0894341628"},
       {"-0.00465412839"},
       {"0.025033134"},
       {"0"}},
      {"Uranus",
       CalcUranusPerturbations,
       0,
       {"-0.836987096"},
       {"-0.114937305"},
       {"0.000715962391"},
       {"-0.000926726378"},
       {"0.0270264278"}},
      {"Neptune",
       CalcNeptunePerturbations,
       0,
       {"0.570093667"},
       {"-0.0270822935"},
       {"-0.000471755364"},
       {"0.00208739059"},
       {"0.00326340078"}},
  };
  for (const SumsCase& c : cases) ExpectSums(c);
}

TEST(OuterPlanetPerturbations, SumsMatchTheFullPrecisionPiTable) {
  // The reference table of the series quotes the same sums evaluated with
  // sines of full-precision pi. Pi to ten decimals is 9e-11 short, which
  // turns an argument of x degrees by x * 5e-13 degrees; at T = 1 the
  // arguments reach 9000 degrees (5 zeta), and the Jupiter sums move by up to
  // 2.2e-10 degrees, 1.4e-13 in e and 1.5e-12 AU.
  constexpr Allowance kPiPrecisionShift{2.5e-10, 2e-13, 2e-12};
  const SumsCase cases[] = {
      {"Jupiter",
       CalcJupiterPerturbations,
       0,
       {"0.288751018"},
       {"-0.0172780388"},
       {"0.000360305677"},
       {"0.000474559593"},
       {"0"}},
      {"Jupiter",
       CalcJupiterPerturbations,
       1,
       {"0.0229121334"},
       {"0.0551640115"},
       {"0.000234812999"},
       {"0.00135199018"},
       {"0"}},
      {"Saturn",
       CalcSaturnPerturbations,
       0,
       {"-0.762813259"},
       {"0.0894341627"},
       {"-0.00465412839"},
       {"0.025033134"},
       {"0"}},
      {"Uranus",
       CalcUranusPerturbations,
       0,
       {"-0.836987096"},
       {"-0.114937305"},
       {"0.000715962391"},
       {"-0.000926726378"},
       {"0.0270264278"}},
      {"Neptune",
       CalcNeptunePerturbations,
       0,
       {"0.570093667"},
       {"-0.0270822935"},
       {"-0.000471755364"},
       {"0.00208739059"},
       {"0.00326340078"}},
  };
  for (const SumsCase& c : cases) ExpectSums(c, kPiPrecisionShift);
}

TEST(OuterPlanetPerturbations, OnlyUranusAndNeptuneHaveTheirOwnMeanAnomaly) {
  EXPECT_FALSE(CalcJupiterPerturbations(0.5).ownMeanAnomalyDeg.has_value());
  EXPECT_FALSE(CalcSaturnPerturbations(0.5).ownMeanAnomalyDeg.has_value());
  // Their published mean anomalies at the epoch.
  EXPECT_DOUBLE_EQ(CalcUranusPerturbations(0).ownMeanAnomalyDeg.value(), 72.64878);
  EXPECT_DOUBLE_EQ(CalcNeptunePerturbations(0).ownMeanAnomalyDeg.value(), 37.73063);
}

TEST(OuterPlanetPerturbations, ApplyingUsesTheUncorrectedEccentricity) {
  // Worked by hand: B / e = 0.01 / 0.05 = 0.2 degrees.
  OrbitalElements el;
  el.meanAnomalyDeg = 10;
  el.argumentOfPerihelionDeg = 20;
  el.eccentricity = 0.05;
  el.semiMajorAxisKm = 5 * KmPerAU;
  PerturbationSums sums;
  sums.meanLongitudeDeg = 0.1;
  sums.perihelionDeg = 0.01;
  sums.eccentricity = 0.001;
  sums.semiMajorAxisAU = 0.002;

  OrbitalElements corrected = el;
  ApplyPerturbations(sums, corrected);
  EXPECT_NEAR(corrected.meanAnomalyDeg, 10 + 0.1 - 0.2, 1e-12);
  EXPECT_NEAR(corrected.argumentOfPerihelionDeg, 20 + 0.2, 1e-12);
  EXPECT_NEAR(corrected.eccentricity, 0.051, 1e-15);
  EXPECT_NEAR(corrected.semiMajorAxisKm, 5.002 * KmPerAU, 1e-6);

  // With the planet's own mean anomaly, that replaces the one formed from
  // the mean elements.
  sums.ownMeanAnomalyDeg = 100;
  OrbitalElements replaced = el;
  ApplyPerturbations(sums, replaced);
  EXPECT_NEAR(replaced.meanAnomalyDeg, 100 + 0.1 - 0.2, 1e-12);
  EXPECT_NEAR(replaced.argumentOfPerihelionDeg, 20.2, 1e-12);
}

}  // namespace
}  // namespace orv
