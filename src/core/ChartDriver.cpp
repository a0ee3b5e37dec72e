#include "core/ChartDriver.h"

#include <cmath>
#include <utility>

#include "core/Angles.h"
#include "core/ChartTime.h"
#include "core/FixedTables.h"
#include "core/HouseCusps.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "core/ephemeris/Chiron.h"
#include "core/ephemeris/DataTables.h"
#include "core/ephemeris/PlanetPositions.h"
#include "platform/Host.h"

namespace orv {

namespace {

void AddChiron(ChartArrays& c, const DataTables& tables, double julianDate) {
  const ChironPosition chiron = CalcChiron(tables, julianDate);
  c.HasChiron = chiron.Tabulated;
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

std::optional<ComputedChart> CalcOneChart(Host& host, const ChartInputValues& input,
                                          HouseSystemCode houseSystem, const OptionValues& options,
                                          const DataTables& tables,
                                          const std::string& previousHousePositions,
                                          bool firstChart) {
  ComputedChart out;
  out.time = CalcJulianDayAndSiderealTime(input);
  const TimeValues& t = out.time;
  const HouseCuspsResult cusps = CalcHouseCusps(houseSystem, HouseInputsOf(t));
  if (!cusps.ok()) {
    // The input checks keep such latitudes out; this guards any other caller.
    host.ShowMessage(kLatitudeTooHigh, kTitleWarning, MessageIcon::Information);
    return std::nullopt;
  }
  ChartArrays& c = out.chart;
  c.Cusps = cusps.cusps;
  c.SiderealText = SiderealTextOf(t);

  PlanetPositionInput in = PlanetInputAt(t.JulianDayNumber, t.DayFraction, t.Obliquity, options);
  in.ascendantDeg = t.AscendantLongitude;
  in.midheavenDeg = t.MidheavenLongitude;
  PlanetPositions p = CalcPlanetPositions(in);
  c.Longitudes = p.longitudes;
  c.Latitudes = p.latitudes;
  c.Declinations = p.declinations;
  c.NextDayLongitudes = p.nextDayLongitudes;
  c.HelioLongitudes = p.helioLongitudes;
  c.HelioLatitudes = p.helioLatitudes;
  c.RetroFlags = std::move(p.retroFlags);
  out.trueNodeDeg = Norm360(p.trueNodeDeg);
  // Every point is placed once, after Chiron and the Part of Fortune are
  // known. Only a point that lies in no house (cusps out of order) keeps a
  // label from an earlier placement, so then the placement runs before them
  // too, as the Part of Fortune's formula needs the Sun's house.
  const PointArray<double> planetLongitudes = c.Longitudes;
  const std::string* placedBefore = &previousHousePositions;
  std::string firstPlacement;
  int sunHouse = 0;
  const bool sunPlaced = LiesInAHouse(c.Longitudes[ChartPoint::Sun], c.Cusps, HouseLabels,
                                      &sunHouse);
  if (firstChart) {
    // Chart 2 keeps the planet routine's Part of Fortune, the day formula.
    if (!sunPlaced) {
      firstPlacement =
          PlacePlanetsInHouses(previousHousePositions, planetLongitudes, c.Cusps, HouseLabels);
      sunHouse = HouseNumberOfRecord(firstPlacement.substr(0, HousePositionWidth));
      placedBefore = &firstPlacement;
    }
    c.Longitudes[ChartPoint::PartOfFortune] = PartOfFortune(
        t.AscendantLongitude, c.Longitudes[ChartPoint::Sun], c.Longitudes[ChartPoint::Moon],
        sunHouse, options[OptionNumber::PartOfFortuneFormula]);
  }
  AddChiron(c, tables, t.JulianDate);
  if (placedBefore == &previousHousePositions &&
      !(LiesInAHouse(c.Longitudes[ChartPoint::PartOfFortune], c.Cusps, HouseLabels) &&
        LiesInAHouse(c.Longitudes[ChartPoint::Chiron], c.Cusps, HouseLabels))) {
    firstPlacement =
        PlacePlanetsInHouses(previousHousePositions, planetLongitudes, c.Cusps, HouseLabels);
    placedBefore = &firstPlacement;
  }
  c.HousePositions = PlacePlanetsInHouses(*placedBefore, c.Longitudes, c.Cusps, HouseLabels);
  c.Declinations = CalcPointDeclinations(c.Declinations, c.Longitudes, t.Obliquity);
  return out;
}

PlanetPositionInput PlanetInputAt(double julianDayNumber, double dayFraction, double obliquityRad,
                                  const OptionValues& options) {
  PlanetPositionInput in;
  in.julianDayNumber = julianDayNumber;
  in.dayFraction = dayFraction;
  in.obliquityRad = obliquityRad;
  in.trueNode = options[OptionNumber::TrueNode] != 0;
  return in;
}

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

  auto natal = CalcOneChart(host, natalInput, request.houseSystem, options, tables,
                            model.WorkingHousePositions, true);
  if (!natal) return 1;
  const ChartArrays& c1 = natal->chart;
  const TimeValues& t1 = natal->time;
  const double trueNode = natal->trueNodeDeg;
  // The true node's declination, as a point of the ecliptic.
  const double trueNodeDeclination = EclipticDeclination(trueNode, t1.Obliquity);

  auto second = CalcOneChart(host, diurnalInput, request.houseSystem, options, tables,
                             c1.HousePositions, false);
  if (!second) return 1;
  const ChartArrays& c2 = second->chart;
  const TimeValues& t2 = second->time;

  // Both charts stand: file them.
  hooks.HideInputWindows();
  if (request.angleChoice) model.CosmoAngles = *request.angleChoice;
  model.PersonName = request.name;
  model.SecondPerson = request.secondPerson;
  model.SecondPersonCaption = request.secondCaption;
  model.NatalInput = natalInput;
  model.DiurnalInput = diurnalInput;
  model.HouseSystem = request.houseSystem;

  model.Natal = c1;
  for (int i = 1; i <= NumPoints; ++i)
    model.DailyMotion[size_t(i)] =
        DailyMotionOf(c1.Longitudes[size_t(i)], c1.NextDayLongitudes[size_t(i)]);
  model.TrueNodeLongitude = trueNode;
  model.TrueNodeDeclination = trueNodeDeclination;
  model.NatalJulianDay = t1.JulianDate;

  model.Diurnal = c2;
  model.WorkingHousePositions = c2.HousePositions;
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
  if (options[OptionNumber::ClearBufferOnCalc] != 0) hooks.ClearOutputBuffer();
  const float listing = options[OptionNumber::AutoReportAfterCalc];
  if (listing == 0) {
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
