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
  // The sums of each series at T = 0 and, for Jupiter, T = 1 (A and B in
  // degrees, delta e a pure number, delta a in AU, the longitude correction in
  // degrees), quoted twice: by the theory itself, computed with the sines of
  // the system's ten-decimal pi, which must agree to every digit; and by the
  // reference table of the series, computed with full-precision pi. Pi to ten
  // decimals is 9e-11 short, which turns an argument of x degrees by x * 5e-13
  // degrees; at T = 1 the arguments reach 9000 degrees (5 zeta), and the
  // Jupiter sums move by up to 2.2e-10 degrees, 1.4e-13 in e and 1.5e-12 AU.
  enum Unit { kDegrees, kEccentricity, kAU };
  constexpr double kPiPrecisionShift[] = {2.5e-10, 2e-13, 2e-12};
  struct Case {
    const char* planet;
    Routine routine;
    double t;
    const char* sum;
    double PerturbationSums::*member;
    Unit unit;
    Quoted tenDecimalPi;
    Quoted fullPi;
  };
  // clang-format off
  const Case cases[] = {
      {"Jupiter", CalcJupiterPerturbations, 0, "A", &PerturbationSums::meanLongitudeDeg, kDegrees, "0.288751019", "0.288751018"},
      {"Jupiter", CalcJupiterPerturbations, 0, "B", &PerturbationSums::perihelionDeg, kDegrees, "-0.0172780388", "-0.0172780388"},
      {"Jupiter", CalcJupiterPerturbations, 0, "delta e", &PerturbationSums::eccentricity, kEccentricity, "0.000360305677", "0.000360305677"},
      {"Jupiter", CalcJupiterPerturbations, 0, "delta a", &PerturbationSums::semiMajorAxisAU, kAU, "0.000474559593", "0.000474559593"},
      {"Jupiter", CalcJupiterPerturbations, 0, "longitude", &PerturbationSums::longitudeDeg, kDegrees, "0", "0"},
      {"Jupiter", CalcJupiterPerturbations, 1, "A", &PerturbationSums::meanLongitudeDeg, kDegrees, "0.0229121336", "0.0229121334"},
      {"Jupiter", CalcJupiterPerturbations, 1, "B", &PerturbationSums::perihelionDeg, kDegrees, "0.0551640115", "0.0551640115"},
      {"Jupiter", CalcJupiterPerturbations, 1, "delta e", &PerturbationSums::eccentricity, kEccentricity, "0.000234812998", "0.000234812999"},
      {"Jupiter", CalcJupiterPerturbations, 1, "delta a", &PerturbationSums::semiMajorAxisAU, kAU, "0.00135199017", "0.00135199018"},
      {"Jupiter", CalcJupiterPerturbations, 1, "longitude", &PerturbationSums::longitudeDeg, kDegrees, "0", "0"},
      {"Saturn", CalcSaturnPerturbations, 0, "A", &PerturbationSums::meanLongitudeDeg, kDegrees, "-0.762813259", "-0.762813259"},
      {"Saturn", CalcSaturnPerturbations, 0, "B", &PerturbationSums::perihelionDeg, kDegrees, "0.0894341628", "0.0894341627"},
      {"Saturn", CalcSaturnPerturbations, 0, "delta e", &PerturbationSums::eccentricity, kEccentricity, "-0.00465412839", "-0.00465412839"},
      {"Saturn", CalcSaturnPerturbations, 0, "delta a", &PerturbationSums::semiMajorAxisAU, kAU, "0.025033134", "0.025033134"},
      {"Saturn", CalcSaturnPerturbations, 0, "longitude", &PerturbationSums::longitudeDeg, kDegrees, "0", "0"},
      {"Uranus", CalcUranusPerturbations, 0, "A", &PerturbationSums::meanLongitudeDeg, kDegrees, "-0.836987096", "-0.836987096"},
      {"Uranus", CalcUranusPerturbations, 0, "B", &PerturbationSums::perihelionDeg, kDegrees, "-0.114937305", "-0.114937305"},
      {"Uranus", CalcUranusPerturbations, 0, "delta e", &PerturbationSums::eccentricity, kEccentricity, "0.000715962391", "0.000715962391"},
      {"Uranus", CalcUranusPerturbations, 0, "delta a", &PerturbationSums::semiMajorAxisAU, kAU, "-0.000926726378", "-0.000926726378"},
      {"Uranus", CalcUranusPerturbations, 0, "longitude", &PerturbationSums::longitudeDeg, kDegrees, "0.0270264278", "0.0270264278"},
      {"Neptune", CalcNeptunePerturbations, 0, "A", &PerturbationSums::meanLongitudeDeg, kDegrees, "0.570093667", "0.570093667"},
      {"Neptune", CalcNeptunePerturbations, 0, "B", &PerturbationSums::perihelionDeg, kDegrees, "-0.0270822935", "-0.0270822935"},
      {"Neptune", CalcNeptunePerturbations, 0, "delta e", &PerturbationSums::eccentricity, kEccentricity, "-0.000471755364", "-0.000471755364"},
      {"Neptune", CalcNeptunePerturbations, 0, "delta a", &PerturbationSums::semiMajorAxisAU, kAU, "0.00208739059", "0.00208739059"},
      {"Neptune", CalcNeptunePerturbations, 0, "longitude", &PerturbationSums::longitudeDeg, kDegrees, "0.00326340078", "0.00326340078"},
  };
  // clang-format on
  for (const Case& c : cases) {
    const std::string what = std::string(c.planet) + " at T = " + std::to_string(c.t) + " " + c.sum;
    const double actual = c.routine(c.t).*c.member;
    ExpectQuoted(actual, c.tenDecimalPi, what);
    ExpectQuoted(actual, c.fullPi, what + " (full pi)", kPiPrecisionShift[c.unit]);
  }
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
