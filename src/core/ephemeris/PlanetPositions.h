#pragma once
// The positions of one chart moment: the Sun, the Moon and the planets
// (geocentric and heliocentric), the lunar nodes, the Part of Fortune, the
// Ascendant and the MC, the longitudes one day later and the retrograde
// flags. Chiron (point 16) is left to its own routine.

#include <string>

#include "core/ChartPoints.h"

namespace orv {

// The theories' time argument counts Julian centuries from JD 2415020.0
// (1900 January 0.5).
inline constexpr double kJulianDay1900 = 2415020;
inline constexpr double kDaysPerJulianCentury = 36525;

// Julian centuries from JD 2415020.0 at `dayFraction` of the civil date
// whose noon-based day number is `julianDayNumber`.
constexpr double JulianCenturiesSince1900(double julianDayNumber, double dayFraction) {
  return (julianDayNumber - kJulianDay1900 + dayFraction - 0.5) / kDaysPerJulianCentury;
}

struct PlanetPositionInput {
  double julianDayNumber = 0;  // whole, noon-based day number of the civil date
  // Universal time as a fraction of a day from the civil date's midnight; it
  // may lie below 0 or at 1 and above.
  double dayFraction = 0;
  double obliquityRad = 0;  // obliquity of the ecliptic of the moment, positive
  double ascendantDeg = 0;
  double midheavenDeg = 0;
  bool trueNode = false;  // the true rather than the mean node for points 11 and 12
};

struct PlanetPositions {
  // Geocentric longitudes 0..360, points 1..15.
  PointArray<double> longitudes{};
  // Geocentric latitudes and declinations, points 1..10 (the Sun's latitude 0).
  PointArray<double> latitudes{};
  PointArray<double> declinations{};
  // Longitudes one day later, points 1..10; for points 11..15 the longitudes
  // themselves (see CalcPlanetPositions).
  PointArray<double> nextDayLongitudes{};
  // Heliocentric longitudes (0..360) and latitudes by `HelioBody` 1..9, entry 1
  // the Earth.
  PointArray<double> helioLongitudes{};
  PointArray<double> helioLatitudes{};
  // `NumPoints` characters: "R" at 2..9 for each retrograde planet, blanks
  // elsewhere (Chiron's flag at 16 comes from its own routine).
  std::string retroFlags = std::string(NumPoints, ' ');
  // Both lunar nodes, 0..360, whichever the North Node follows; the chart
  // driver keeps chart 1's true node for its listings.
  double meanNodeDeg = 0;
  double trueNodeDeg = 0;
};

// All positions of one moment: a first pass at the moment, a second one day
// later. Sun and Moon come from their own theories; Mercury to Mars from the
// linear elements; Jupiter to Neptune from the perturbed cubic elements;
// Pluto from its series, brought from the equinox of 1950 to the date. The
// Part of Fortune is Ascendant + Moon - Sun (the day formula).
PlanetPositions CalcPlanetPositions(const PlanetPositionInput& input);

// The declination (degrees) of a point at ecliptic longitude and latitude
// (degrees), for an obliquity in radians.
double DeclinationOf(double longitudeDeg, double latitudeDeg, double obliquityRad);

// Whether a body moving from `longitudeDeg` to `nextDayLongitudeDeg` in a day
// (both 0..360) is retrograde: the shorter way round goes backwards. Equal
// values are direct.
bool IsRetrograde(double longitudeDeg, double nextDayLongitudeDeg);

}  // namespace orv
