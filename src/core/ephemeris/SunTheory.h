#pragma once
// The Sun's geocentric longitude after Newcomb's Tables of the Sun in abridged
// form: mean elements with long-period terms, the equation of the centre,
// the principal perturbations by Venus, Mars, Jupiter, Saturn and the Moon,
// then aberration and nutation in longitude.

namespace orv {

struct SunLongitudes {
  double trueLongitudeDeg = 0;  // geometric, mean equinox of date
  double longitudeDeg = 0;      // apparent, true equinox of date
};

// The Sun at t1900 Julian centuries from JD 2415020.0. Neither longitude is
// reduced: near the March equinox they can exceed 360 by a degree or two.
// With `memo`, the sines and cosines are kept, or taken from an evaluation
// a day earlier (SinCosMemo).
class SinCosMemo;
SunLongitudes CalcSun(double t1900, SinCosMemo* memo = nullptr);

}  // namespace orv
