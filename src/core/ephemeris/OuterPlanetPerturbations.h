#pragma once
// Periodic perturbations of Jupiter, Saturn, Uranus and Neptune: the abridged
// series of Meeus, Astronomical Formulae for Calculators, summed term for
// term and applied to the mean elements before Kepler's equation is solved.
// Only the mean longitude, perihelion, eccentricity and semi-major axis series
// (and the longitude corrections of Uranus and Neptune) are evaluated; the
// latitude and radius-vector series of the publication are not.

#include <optional>

#include "core/ephemeris/OrbitalElements.h"

namespace orv {

// The arguments the four series share, at t1900 Julian centuries from
// JD 2415020.0. Degrees, never reduced, except nu (a pure number).
struct PerturbationArguments {
  double nu = 0;  // T/5 + 0.1
  double P = 0;
  double Q = 0;
  double S = 0;
  double V = 0;     // 5Q - 2P
  double W = 0;     // 2P - 6Q + 3S
  double zeta = 0;  // Q - P
  double psi = 0;   // S - Q
};

PerturbationArguments CalcPerturbationArguments(double t1900);

// The sums of one planet's series at one moment.
struct PerturbationSums {
  double meanLongitudeDeg = 0;  // A
  double perihelionDeg = 0;     // B; the perihelion moves by B / e
  double eccentricity = 0;      // delta e, a pure number
  double semiMajorAxisAU = 0;   // delta a
  // Uranus and Neptune: the planet's own mean anomaly, which replaces the one
  // formed from the mean elements.
  std::optional<double> ownMeanAnomalyDeg;
  // Uranus and Neptune: a correction the caller adds to the final
  // geocentric and heliocentric longitudes; 0 for Jupiter and Saturn.
  double longitudeDeg = 0;
};

// Each planet's sums at t1900 Julian centuries from JD 2415020.0.
PerturbationSums CalcJupiterPerturbations(double t1900);
PerturbationSums CalcSaturnPerturbations(double t1900);
PerturbationSums CalcUranusPerturbations(double t1900);
PerturbationSums CalcNeptunePerturbations(double t1900);

// The sums of all four planets at one moment; the series of Jupiter and
// Saturn share their arguments' sines and cosines. Without a memo each
// equals what the planet's own routine above gives.
struct OuterPerturbations {
  PerturbationSums jupiter;
  PerturbationSums saturn;
  PerturbationSums uranus;
  PerturbationSums neptune;
  // By `HelioBody` 5..8; anything else gives Neptune's.
  const PerturbationSums& Of(int body) const;
};
// With `memo`, the sines and cosines are kept, or taken from an evaluation
// a day earlier (SinCosMemo).
class SinCosMemo;
OuterPerturbations CalcOuterPerturbations(double t1900, SinCosMemo* memo = nullptr);

// Corrects mean elements by a planet's sums: the mean anomaly by A - B/e (or
// replaced by the planet's own plus A - B/e), the argument of perihelion by
// B/e, then the eccentricity and the semi-major axis. B/e uses the
// eccentricity of the mean elements. Nothing is reduced to 0..360.
void ApplyPerturbations(const PerturbationSums& sums, OrbitalElements& elements);

}  // namespace orv
