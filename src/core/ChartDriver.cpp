#include "core/ChartDriver.h"

#include <cmath>

#include "core/Angles.h"
#include "core/ChartTime.h"
#include "core/FixedTables.h"
#include "core/HouseCusps.h"
#include "core/HousePlacement.h"
#include "core/ephemeris/Chiron.h"
#include "core/ephemeris/DataTables.h"
#include "core/ephemeris/PlanetPositions.h"
#include "platform/Host.h"

namespace orv {

namespace {

// One chart in the working arrays, as far as both charts share the steps:
// time values, cusps, positions and the first placement.
struct ChartPass {
  TimeValues time;
  ChartArrays chart;
  PlanetPositions positions;
};

std::optional<ChartPass> ComputePass(Host& host, const ChartInputValues& input,
                                     HouseSystemCode houseSystem, const OptionValues& options,
                                     const std::string& previousHousePositions) {
  ChartPass pass;
  pass.time = CalcJulianDayAndSiderealTime(input);
  const HouseCuspsResult cusps = CalcHouseCusps(houseSystem, HouseInputsOf(pass.time));
  if (!cusps.ok()) {
    // The input checks keep such latitudes out; this guards any other caller.
    host.ShowMessage(kLatitudeTooHigh, kTitleWarning, MessageIcon::Information);
    return std::nullopt;
  }
  ChartArrays& c = pass.chart;
  c.Cusps = cusps.cusps;
  c.SiderealText = SiderealTextOf(pass.time);

  PlanetPositionInput in;
  in.julianDayNumber = pass.time.JulianDayNumber;
  in.dayFraction = pass.time.DayFraction;
  in.obliquityRad = pass.time.Obliquity;
  in.ascendantDeg = pass.time.AscendantLongitude;
  in.midheavenDeg = pass.time.MidheavenLongitude;
  in.trueNode = options[49] != 0;
  pass.positions = CalcPlanetPositions(in);
  const PlanetPositions& p = pass.positions;
  c.Longitudes = p.longitudes;
  c.Latitudes = p.latitudes;
  c.Declinations = p.declinations;
  c.NextDayLongitudes = p.nextDayLongitudes;
  c.HelioLongitudes = p.helioLongitudes;
  c.HelioLatitudes = p.helioLatitudes;
  c.RetroFlags = p.retroFlags;
  c.HousePositions = PlacePlanetsInHouses(previousHousePositions, c.Longitudes, c.Cusps,
                                          HouseLabels);
  return pass;
}

void AddChiron(ChartArrays& c, const DataTables& tables, double julianDate) {
  const ChironPosition chiron = CalcChiron(tables, julianDate);
  c.Longitudes[ChartPoint::Chiron] = chiron.Longitude;
  c.Declinations[ChartPoint::Chiron] = chiron.Declination;
  c.NextDayLongitudes[ChartPoint::Chiron] = chiron.NextDayLongitude;
  // The heliocentric arrays run by `HelioBody` to Pluto (9); Chiron keeps
  // its own index there too.
  c.HelioLongitudes[ChartPoint::Chiron] = chiron.HelioLongitude;
  c.HelioLatitudes[ChartPoint::Chiron] = chiron.HelioLatitude;
  if (chiron.Retrograde) c.RetroFlags[ChartPoint::Chiron - 1] = 'R';
}

}  // namespace

double DailyMotionOf(double longitudeDeg, double nextDayDeg) {
  double motion = nextDayDeg - longitudeDeg;
  if (motion > 180) motion -= 360;
  if (motion < -180) motion += 360;
  return motion;
}

double PartOfFortune(double ascendantDeg, double sunDeg, double moonDeg, int sunHouse,
                     float formulaOption) {
  const double day = ascendantDeg + moonDeg - sunDeg;
  const double night = ascendantDeg + sunDeg - moonDeg;
  if (formulaOption == 0) return Norm360(day);
  if (formulaOption == 1) return Norm360(night);
  return Norm360(sunHouse < 7 ? night : day);
}

int CalcCharts(Host& host, ChartModel& model, const ChartRequest& request,
               const OptionValues& options, const DataTables& tables, ChartDriverHooks& hooks,
               bool batchRunning) {
  // Everything is checked before anything changes: a refused run leaves the
  // model, the windows and the output as they were.
  if (CheckChartInput(host, request.natal, request.diurnal, request.houseSystem) != 0) return 1;

  const ChartInputValues natalInput = GetChartInput(request.natal, request.dateOrder);
  const ChartInputValues diurnalInput = GetChartInput(request.diurnal, request.dateOrder);
  // Checked fields always convert into range; a NaN or far-off value must
  // never reach the computation whatever fed the fields.
  if (!ChartInputInRange(natalInput) || !ChartInputInRange(diurnalInput)) {
    ShowSectionError(host, ChartInputInRange(natalInput) ? ChartSection::Diurnal
                                                         : ChartSection::Natal);
    return 1;
  }

  // Chart 1.
  auto natal = ComputePass(host, natalInput, request.houseSystem, options,
                           model.Working.HousePositions);
  if (!natal) return 1;
  ChartArrays& c1 = natal->chart;
  const TimeValues& t1 = natal->time;
  const int sunHouse = HouseNumberOfRecord(c1.HousePositions.substr(0, HousePositionWidth));
  c1.Longitudes[ChartPoint::PartOfFortune] =
      PartOfFortune(t1.AscendantLongitude, c1.Longitudes[ChartPoint::Sun],
                    c1.Longitudes[ChartPoint::Moon], sunHouse, options[218]);
  AddChiron(c1, tables, t1.JulianDate);
  // Again, so that Chiron and the new Part of Fortune get their houses.
  c1.HousePositions = PlacePlanetsInHouses(c1.HousePositions, c1.Longitudes, c1.Cusps,
                                           HouseLabels);
  c1.Declinations = CalcPointDeclinations(c1.Declinations, c1.Longitudes, t1.Obliquity);
  const double trueNode = Norm360(natal->positions.trueNodeDeg);
  // The true node's declination, as a point of the ecliptic.
  const double trueNodeDeclination = EclipticDeclination(trueNode, t1.Obliquity);

  // Chart 2 keeps the planet routine's Part of Fortune, the day formula.
  auto second = ComputePass(host, diurnalInput, request.houseSystem, options,
                            c1.HousePositions);
  if (!second) return 1;
  ChartArrays& c2 = second->chart;
  const TimeValues& t2 = second->time;
  AddChiron(c2, tables, t2.JulianDate);
  c2.HousePositions = PlacePlanetsInHouses(c2.HousePositions, c2.Longitudes, c2.Cusps,
                                           HouseLabels);
  c2.Declinations = CalcPointDeclinations(c2.Declinations, c2.Longitudes, t2.Obliquity);

  // Both charts stand: file them.
  hooks.HideInputWindows();
  if (request.angleChoice) model.CosmoAngles = *request.angleChoice;
  model.PersonName = request.name;
  model.NatalInput = natalInput;
  model.DiurnalInput = diurnalInput;
  model.HouseSystem = request.houseSystem;

  model.Natal = c1;
  model.WheelHousePositions = c1.HousePositions;
  for (int i = 1; i <= NumPoints; ++i)
    model.DailyMotion[size_t(i)] = DailyMotionOf(c1.Longitudes[size_t(i)],
                                                 c1.NextDayLongitudes[size_t(i)]);
  model.TrueNodeLongitude = trueNode;
  model.TrueNodeDeclination = trueNodeDeclination;
  model.NatalJulianDay = t1.JulianDate;

  model.Diurnal = c2;
  model.Working = c2;
  model.DualOuterLongitudes = c2.Longitudes;
  model.WheelRetroFlags = c2.RetroFlags;
  model.DiurnalJulianDay = t2.JulianDate;
  model.DiurnalDayFraction = t2.DayFraction;
  model.DiurnalObliquityDegrees = t2.ObliquityDegrees;
  model.DiurnalLatitudeRadians = t2.LatitudeRadians;
  model.TransitListDay = t2.TransitListDay;
  model.Kind = ChartKind::Second;
  model.Computed = true;

  hooks.ShowChartMenus();
  if (batchRunning) return 0;

  // Cleared before the listing, so the page on screen can still be saved.
  if (options[211] != 0) hooks.ClearOutputBuffer();
  const float listing = options[33];
  if (listing == 0) {
    model.Working.Longitudes = model.Natal.Longitudes;
    model.Working.Declinations = model.Natal.Declinations;
    hooks.ListNatalFirstPage();
  } else if (listing == 1) {
    hooks.ListTransitInterpretations();
  } else if (!request.secondPerson) {
    hooks.ListNatalCosmodynes();
  } else {
    hooks.ListComparativeCosmodynes(listing != 2);
  }
  hooks.ShowOutputPage();
  return 0;
}

}  // namespace orv
