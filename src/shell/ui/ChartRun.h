#pragma once
// A chart computation from the two input windows: the request gathered from
// their fields, `CalcCharts`, and the Qt side of what the driver asks of the
// windows and the listings.

#include <functional>
#include <optional>

#include "core/ChartDriver.h"
#include "platform/Host.h"
#include "shell/RegionalOrder.h"

namespace orv {

class InputD;
class InputD1;
class OutputView;
struct Workbench;

// The first listings, written by the listing subsystems; one left empty
// writes nothing.
struct ChartListings {
  std::function<void()> ListNatalFirstPage;
  std::function<void()> ListTransitInterpretations;
  std::function<void()> ListNatalCosmodynes;
  std::function<void(bool withGrid)> ListComparativeCosmodynes;
};

// What a computation started from the input windows does around the driver.
struct ChartRunLinks {
  ChartListings Listings;
  // The checks passed: hide the input, names and cities windows and close
  // the time-zone list and the tip window.
  std::function<void()> HideInputWindows;
  // Both charts are in the model: the main window shows its chart menus.
  std::function<void()> ShowChartMenus;

  // Throws std::logic_error naming the first link left unbound;
  // `HideInputWindows` (more to hide beside the input windows) may stay empty.
  void RequireBound() const;
};

class ChartRunHooks final : public ChartDriverHooks {
 public:
  // Pages are shown in `dataWindow`. With `emptyOutputFirst` the output
  // buffer and the page are emptied once the checks have passed, as OK, the
  // names list's double click and a change of house system want.
  ChartRunHooks(Workbench& workbench, Host& host, OutputView& dataWindow,
                const ChartRunLinks& links, bool emptyOutputFirst = true);

  void HideInputWindows() override;
  void ShowChartMenus() override;
  void ClearOutputBuffer() override;
  void ListNatalFirstPage() override;
  void ListTransitInterpretations() override;
  void ListNatalCosmodynes() override;
  void ListComparativeCosmodynes(bool withGrid) override;
  void ShowOutputPage() override;

  // Ends the busy cursor that the passed checks started.
  void Finish() { busy_.reset(); }

 private:
  Workbench& workbench_;
  Host& host_;
  OutputView& dataWindow_;
  ChartRunLinks links_;
  bool emptyOutputFirst_;
  std::optional<BusyCursor> busy_;
};

// The request the two windows hold now (pending hour edits finished first),
// for the marked house system and the user's date order.
ChartRequest GatherChartRequest(InputD& natal, InputD1& second, HouseSystemCode houseSystem,
                                DateOrderKind dateOrder);

// `CalcCharts` with the two windows' values. Returns `InputError`: 1 when
// the input was refused (the messages shown, every window and the output as
// they were).
int RunCharts(Workbench& workbench, Host& host, InputD& natal, InputD1& second,
              HouseSystemCode houseSystem, ChartRunHooks& hooks);

}  // namespace orv
