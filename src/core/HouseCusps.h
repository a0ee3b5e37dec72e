#pragma once
// House cusps in the nine systems, cast from the sidereal angle, the
// latitude and the obliquity of a chart (or of a composite chart).
//
// Sign conventions: every angle here is taken as it is in the sky. The
// obliquity is positive and the latitude is positive North.

#include <string>

#include "core/HouseSystem.h"

namespace orv {

// What a house routine needs of a chart.
struct HouseInputs {
  double RamcRadians = 0;         // `Ramc`: right ascension of the MC, 0..2 pi
  double MidheavenLongitude = 0;  // degrees, 0..360
  double AscendantLongitude = 0;  // degrees, 0..360
  double ObliquityRadians = 0;    // epsilon, positive
  double LatitudeRadians = 0;     // geographic latitude phi, North positive
};

// Ecliptic longitude of the MC, degrees 0 <= value < 360, from the RAMC and
// the obliquity (both radians, obliquity positive).
double CalcMidheaven(double ramcRadians, double obliquityRadians);

// Ecliptic longitude of the Ascendant, degrees 0 <= value < 360: the point
// of the ecliptic on the eastern horizon, also inside the polar circles.
// Latitude North positive.
double CalcAscendant(double ramcRadians, double obliquityRadians, double latitudeRadians);

// House inputs at a RAMC, latitude and obliquity (radians), with the MC and
// the Ascendant computed from them as a chart computes them.
HouseInputs HouseInputsAt(double ramcRadians, double latitudeRadians, double obliquityRadians);

// Whether a system could be cast.
enum class HouseCastStatus {
  Cast,
  // Placidus or Koch inside a polar circle: some cusps do not exist there.
  NoCuspsAtLatitude,
};

struct HouseCuspsResult {
  HouseCastStatus status = HouseCastStatus::Cast;
  // The twelve cusps, 0 <= cusp < 360, in `HouseCusps` order; all 0 unless
  // the status is Cast.
  HouseCusps cusps{};
  bool ok() const { return status == HouseCastStatus::Cast; }
};

// `CalcHouseCusps`: the twelve cusps of `system` for `inputs`. Placidus and
// Koch report NoCuspsAtLatitude where their semi-arcs do not exist (beyond
// about 66.5 degrees of latitude); every other system is always cast.
// Placidus takes a latitude of exactly 0 as 1e-05 radians South, which keeps
// its arc cosine off 0.
HouseCuspsResult CalcHouseCusps(HouseSystemCode system, const HouseInputs& inputs);

struct PlacidusCuspResult {
  HouseCastStatus status = HouseCastStatus::Cast;
  double CuspLongitude = 0;   // `PlacidusCusp`: degrees, 0 <= value < 360
};

// `CalcPlacidusCusp`: one Placidus cusp by the semi-arc iteration, repeated
// until a pass no longer moves it. `startRaRadians` is the RAMC plus 30, 60,
// 120 or 150 degrees for the cusps of houses 11, 12, 2 and 3; `divisor` is
// 3 or 1.5 (a third or two thirds of the semi-arc); `belowHorizon` is true
// for houses 2 and 3 (nocturnal semi-arc), false for 11 and 12 (diurnal
// semi-arc). The result is the cusp of that house itself. Latitude North
// positive, exactly 0 taken as 1e-05 radians South. NoCuspsAtLatitude when a
// pass finds no semi-arc (the point never rises or never sets) or the
// iteration does not settle.
PlacidusCuspResult CalcPlacidusCusp(double startRaRadians, double divisor, bool belowHorizon,
                                    double ramcRadians, double obliquityRadians,
                                    double latitudeRadians);

// `SiderealText`: "05H  07M  30S " from whole hours, minutes and seconds
// (0..99 each; two digits, a leading 0 below 10).
std::string SiderealText(int hours, int minutes, int seconds);

}  // namespace orv
