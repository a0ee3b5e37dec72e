// The chart core without the input checks: raw input values (NaN, infinity,
// any magnitude) into the time and house routines and the angle helpers,
// and a chart model of raw positions through every listing.
#include <cstring>

#include "FuzzSupport.h"
#include "core/Angles.h"
#include "core/ChartTime.h"
#include "core/FixedTables.h"
#include "core/HouseCusps.h"
#include "core/HousePlacement.h"
#include "core/ephemeris/PlanetPositions.h"
#include "listings/ChartHeaders.h"

using namespace orv;

namespace {

double RawDouble(FuzzedDataProvider& in) {
  double value = 0;
  const auto raw = in.ConsumeBytes<uint8_t>(sizeof value);
  if (raw.size() == sizeof value) std::memcpy(&value, raw.data(), sizeof value);
  return value;
}

template <class Array>
void FillRaw(FuzzedDataProvider& in, Array& values) {
  for (auto& v : values) v = RawDouble(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const double x = RawDouble(in), y = RawDouble(in);
  SplitLongitudeDM(x);
  SplitLongitudeDMS(x);
  CalcAntiscion(x, AntiscionAxis::Solstice);
  CalcAntiscion(x, AntiscionAxis::Equinox);
  if (std::fabs(x) < 1e12) fuzz::Require(Mod360(x) >= 0 && Mod360(x) < 360);
  QuadrantAngle(y, x);
  ArcCos(x);
  ArcSin(y);
  RectToPolar({x, y});
  DeclinationText(x);
  DailyMotionOf(x, y);

  // Values as GetChartInput leaves them, unchecked; those in range are
  // computed.
  ChartInputValues values;
  values.year = in.ConsumeIntegral<int>();
  values.month = in.ConsumeIntegral<int>();
  values.day = in.ConsumeIntegral<int>();
  values.time = float(RawDouble(in));
  values.timeZone = float(in.ConsumeFloatingPoint<float>());
  values.longitude = float(in.ConsumeFloatingPoint<float>());
  values.latitude = float(in.ConsumeFloatingPoint<float>());
  if (ChartInputInRange(values)) {
    const TimeValues time = CalcJulianDayAndSiderealTime(values);
    SiderealTextOf(time);
    for (int system = 1; system <= 9; ++system)
      CalcHouseCusps(static_cast<HouseSystemCode>(system), HouseInputsOf(time));
    PlanetPositionInput p;
    p.julianDayNumber = time.JulianDayNumber;
    p.dayFraction = time.DayFraction;
    p.obliquityRad = time.Obliquity;
    p.ascendantDeg = time.AscendantLongitude;
    p.midheavenDeg = time.MidheavenLongitude;
    CalcPlanetPositions(p);
  }

  // A model of raw positions behind every listing.
  Workbench& wb = fuzz::ShippedWorkbench();
  ChartModel& m = wb.Charts;
  m = ChartModel{};
  for (ChartArrays* c : {&m.Natal, &m.Diurnal}) {
    FillRaw(in, c->Longitudes);
    FillRaw(in, c->Declinations);
    FillRaw(in, c->Latitudes);
    FillRaw(in, c->NextDayLongitudes);
    FillRaw(in, c->HelioLongitudes);
    FillRaw(in, c->HelioLatitudes);
    FillRaw(in, c->Cusps);
    c->HousePositions = PlacePlanetsInHouses(c->HousePositions, c->Longitudes, c->Cusps,
                                             HouseLabels);
  }
  m.WorkingHousePositions = m.Diurnal.HousePositions;
  FillRaw(in, m.DailyMotion);
  m.TrueNodeLongitude = RawDouble(in);
  m.TrueNodeDeclination = RawDouble(in);
  m.NatalJulianDay = RawDouble(in);
  m.DiurnalJulianDay = RawDouble(in);
  m.TransitListDay = RawDouble(in);
  fuzz::AnsweringHost host;
  m.NatalInput = GetChartInput(fuzz::BaseFields(), 0);
  m.DiurnalInput = m.NatalInput;
  m.PersonName = "Fuzz";
  m.Kind = ChartKind::Second;
  m.Computed = true;
  fuzz::ListEverything(wb, host, in.ConsumeBool());
  return 0;
}
