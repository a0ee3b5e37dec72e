#pragma once
// `CalcCharts`: the one path of every chart computation. Checks both input
// windows, computes chart 1 and chart 2, files them into the chart model and
// writes the first listing.

#include <optional>
#include <string>

#include "core/ChartInput.h"
#include "core/ChartModel.h"
#include "core/ChartTime.h"
#include "core/NumberFile.h"
#include "core/ephemeris/PlanetPositions.h"

namespace orv {

class Host;
struct DataTables;

// What the two input windows hold when the computation starts.
struct ChartRequest {
  std::string name;  // the natal window's name field
  ChartInputFields natal;
  ChartInputFields diurnal;
  // The first set button of "Incl. Angles?"; none set keeps the model's.
  std::optional<CosmoAngleChoice> angleChoice;
  bool secondPerson = false;  // `SecondChartRole`: chart 2 is a second person
  // The "2nd Person" box's caption: the second person's name once one was
  // picked.
  std::string secondCaption = "2nd Person";
  HouseSystemCode houseSystem = HouseSystemCode::Placidus;
  int dateOrder = 0;  // `DateOrder`
};

// What the driver asks of the windows and of the listings above the core.
// Every hook does nothing by default, so a subsystem not built yet is simply
// absent from the first listing.
class ChartDriverHooks {
 public:
  virtual ~ChartDriverHooks() = default;
  // The checks passed: hide the input, names and cities windows.
  virtual void HideInputWindows() {}
  // Both charts are in the model: show the chart menus.
  virtual void ShowChartMenus() {}
  // Option 211: empty the output buffer before the first listing.
  virtual void ClearOutputBuffer() {}
  // Option 33 = 0: the natal header, natal data, aspect grid and Church of
  // Light aspects of chart 1.
  virtual void ListNatalFirstPage() {}
  // Option 33 = 1: a new page with the transit interpretations of
  // `TransitListDay`.
  virtual void ListTransitInterpretations() {}
  // Option 33 = 2 or more with transits: the natal cosmodynes report.
  virtual void ListNatalCosmodynes() {}
  // Option 33 = 2 or more with a second person: comparative cosmodynes, with
  // the cross-aspect grids for values above 2.
  virtual void ListComparativeCosmodynes(bool withGrid) { (void)withGrid; }
  virtual void ShowOutputPage() {}
};

// Runs the computation. Returns `InputError`: 1 when a check refused the
// input (its messages shown through `host`, the model and every window as
// they were), otherwise 0. With `batchRunning` no listing is written, no
// buffer cleared and no page shown.
int CalcCharts(Host& host, ChartModel& model, const ChartRequest& request,
               const OptionValues& options, const DataTables& tables, ChartDriverHooks& hooks,
               bool batchRunning = false);

// One chart as the driver computes it: time values, cusps, positions with
// the next-day pass and retrograde flags, heliocentric positions, Chiron,
// house placement and declinations. `previousHousePositions` seeds the
// placement records; `firstChart` takes the Part of Fortune by option 218
// (chart 2 keeps the day formula). Empty, with the latitude message shown
// through `host`, when the house system cannot be cast there.
struct ComputedChart {
  TimeValues time;
  ChartArrays chart;
  double trueNodeDeg = 0;  // 0..360, whichever node the chart shows
};
std::optional<ComputedChart> CalcOneChart(Host& host, const ChartInputValues& input,
                                          HouseSystemCode houseSystem, const OptionValues& options,
                                          const DataTables& tables,
                                          const std::string& previousHousePositions,
                                          bool firstChart);

// The position input of a moment: its day number, day fraction and
// obliquity, and the node the options choose (option 49). The Ascendant and
// MC stay 0 for the caller to set where the Part of Fortune matters.
PlanetPositionInput PlanetInputAt(double julianDayNumber, double dayFraction, double obliquityRad,
                                  const OptionValues& options);

// `DailyMotion`: the motion from `longitudeDeg` to `nextDayDeg`, brought into
// -180..180 degrees.
double DailyMotionOf(double longitudeDeg, double nextDayDeg);

// Chart 1's Part of Fortune by option 218 (0: Asc + Moon - Sun; 1: Asc +
// Sun - Moon; otherwise the night formula, Asc + Sun - Moon, when the Sun is
// below the horizon in houses 1 to 6), 0 <= value < 360.
double PartOfFortune(double ascendantDeg, double sunDeg, double moonDeg, int sunHouse,
                     float formulaOption);

}  // namespace orv
