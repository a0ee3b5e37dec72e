#pragma once
// House placement of the chart points, declinations of the points the
// ephemeris gives none for, and antiscia.

#include <string>
#include <string_view>

#include "core/ChartPoints.h"
#include "core/HouseSystem.h"
#include "core/NumberFile.h"

namespace orv {

// `PlacePlanetsInHouses`: `housePositions` with record j (characters
// 10 j - 9 .. 10 j, `ChartPoint` j = 1..NumPoints) rewritten: characters 1-4
// the label of the house the point lies in, 5-10 " HOUSE". `houseLabels` is
// the 4-character label table in `HouseCusps` order ("10TH11TH12TH 1ST...").
// A point on a cusp, or less than a tenth of an arc second before it, lies
// in the house that begins there. A record that no house matches (cusps out
// of order) keeps its label. A `housePositions` shorter than 10 NumPoints
// characters is padded with blanks first.
std::string PlacePlanetsInHouses(std::string housePositions, const PointArray<double>& longitudes,
                                 const HouseCusps& cusps, std::string_view houseLabels);

// Whether a point at `longitudeDeg` lies in a house of `houseLabels` as
// PlacePlanetsInHouses places it; `houseNumber`, when given, receives the
// number its label names (HouseNumberOfRecord of that record).
bool LiesInAHouse(double longitudeDeg, const HouseCusps& cusps, std::string_view houseLabels,
                  int* houseNumber = nullptr);

// The house number (1..12) a `HousePositions` record names: the number in
// its first two characters; 0 when there is none.
int HouseNumberOfRecord(std::string_view record);

// Declination in degrees (North positive) of the ecliptic point at
// `longitudeDeg` (latitude 0), for the obliquity in radians (positive).
double EclipticDeclination(double longitudeDeg, double obliquityRadians);

// `CalcPointDeclinations`: `declinations` with points 11 to 15 (the nodes,
// the Part of Fortune, the Ascendant and the MC) set from their longitudes;
// the other points are left as they are. Obliquity in radians, positive.
PointArray<double> CalcPointDeclinations(PointArray<double> declinations,
                                         const PointArray<double>& longitudes,
                                         double obliquityRadians);

// Which axis `CalcAntiscion` mirrors across (option 167).
enum class AntiscionAxis { Solstice, Equinox };

// `AntiscionVariant`: option 167; 0 the solstice axis, any other value the
// equinox axis.
AntiscionAxis AntiscionAxisOf(const OptionValues& options);

// `CalcAntiscion`: the mirror of `longitudeDeg` (0 <= L < 360) across the
// solstice axis (180 - L) or the equinox axis (360 - L), worked sign by sign,
// 0 <= result < 360 (0 and 180 mirror to 0 Aries, never 360).
double CalcAntiscion(double longitudeDeg, AntiscionAxis axis);

}  // namespace orv
