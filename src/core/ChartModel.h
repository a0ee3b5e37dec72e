#pragma once
// The chart model: the two computed charts and the input values both were
// computed from. Replaced as a whole by each successful computation.

#include <array>
#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/ChartPoints.h"
#include "core/FixedTables.h"
#include "core/HouseSystem.h"

namespace orv {

// One chart's arrays, indexed by `ChartPoint` (cusps 1..12 from the MC).
struct ChartArrays {
  PointArray<double> Longitudes{};
  PointArray<double> Declinations{};
  PointArray<double> Latitudes{};
  PointArray<double> NextDayLongitudes{};
  PointArray<double> HelioLongitudes{};  // by `HelioBody`, 1 the Earth
  PointArray<double> HelioLatitudes{};
  HouseCusps Cusps{};
  // One character per point, point i at index i - 1 ("R" for retrograde).
  std::string RetroFlags = InitialRetroFlags();
  // 10-character records per point, house label first.
  std::string HousePositions = InitialHousePositions();
  std::string SiderealText;
  // False outside Chiron's table: the chart has no Chiron, and every
  // listing, wheel, aspect and report leaves it out.
  bool HasChiron = true;
};

// The last point a chart has: Chiron comes last, so a chart without it ends
// at the MC.
static_assert(ChartPoint::Chiron == NumPoints);
inline int LastPointOf(bool hasChiron) { return hasChiron ? NumPoints : NumPoints - 1; }
inline int LastPointOf(const ChartArrays& chart) { return LastPointOf(chart.HasChiron); }

// `ChartKind`: the chart being computed or shown.
enum class ChartKind { Natal = 0, Second = 3, Composite = 6 };

// `CosmoAngleChoice`: which chart angles enter the cosmodynes scores.
enum class CosmoAngleChoice { None = 0, AscendantOnly = 1, Both = 2, MCOnly = 3 };

struct ChartModel {
  // The house records the last computation left (chart 2's). They seed the
  // next computation's placement, where a point that no house matches would
  // keep its record; listings and wheels read each chart's own arrays.
  std::string WorkingHousePositions = InitialHousePositions();
  ChartArrays Natal;    // chart 1: `NatalLongitudes` is Natal.Longitudes
  ChartArrays Diurnal;  // chart 2, transits or a second person

  // Chart 1's motion per day, -180..180 degrees.
  PointArray<double> DailyMotion{};
  double TrueNodeLongitude = 0;
  double TrueNodeDeclination = 0;

  double NatalJulianDay = 0;
  double DiurnalJulianDay = 0;
  double DiurnalDayFraction = 0;
  double DiurnalObliquityDegrees = 0;
  double DiurnalLatitudeRadians = 0;
  // The day the transit interpretations list next (a day number).
  double TransitListDay = 0;

  // What both charts were computed from. Chart 2's role and name are kept
  // with it, so no header names a person the chart is not.
  std::string PersonName;
  bool SecondPerson = false;  // chart 2 is a second person, not transits
  std::string SecondPersonCaption = "2nd Person";
  ChartInputValues NatalInput;
  ChartInputValues DiurnalInput;
  HouseSystemCode HouseSystem = HouseSystemCode::Placidus;
  ChartKind Kind = ChartKind::Natal;
  CosmoAngleChoice CosmoAngles = CosmoAngleChoice::AscendantOnly;

  // Whether any computation has succeeded yet.
  bool Computed = false;
};

}  // namespace orv
