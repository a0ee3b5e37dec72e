#pragma once
// The two-chart wheels: the dual set-up that prepares a wheel of chart 1
// and chart 2 (the combined arrangement or the two-ring arrangement, of
// longitudes, declinations, heliocentric longitudes or latitudes), and the
// main window's commands that ask for one: the five dual wheels, the six
// point toggles and the four aspect filters, and the wheel window's Switch
// and left click.

#include <optional>

#include "listings/ChartHeaders.h"
#include "wheels/WheelRequest.h"

namespace orv {

struct Workbench;

enum class DualWheelVariant {
  Geocentric,  // `ShowDualWheel`: longitudes or declinations
  Helio,       // `ShowDualHelioWheel`: helio longitudes or latitudes
};

// The arrangement asked of the set-up.
struct DualWheelMode {
  int DualWheelShown = 0;        // 0 combined, 1 two-ring
  int DeclinationDualWheel = 0;  // 1: declinations (helio: latitudes)
};

// `ShowDualWheel` / `ShowDualHelioWheel`: prepares `workbench.Wheel` from
// both computed charts. A heliocentric wheel always takes the two-ring
// arrangement, and neither leaves the single-wheel declination flag set.
// Asking for the two-ring arrangement clears the Switch state.
void PrepareDualWheel(Workbench& workbench, DualWheelVariant variant, DualWheelMode mode,
                      const SecondPersonBox& box);

enum class DualWheelKind {
  TransitsVsNatal,        // F11: combined arrangement
  Display,                // Ctrl+F5: two-ring, longitudes
  DisplayDeclinations,    // Ctrl+Shift+F4
  DisplayHelio,           // Ctrl+Shift+F5
  DisplayHelioLatitudes,  // Ctrl+Shift+F6
};

// A dual wheel command of the Wheels menu.
void PrepareDualWheelCommand(Workbench& workbench, DualWheelKind kind, const SecondPersonBox& box);

// Point toggle `toggle` (0 the Moon .. 5 the MC) now `checked`: the
// two-ring wheel is prepared again (heliocentric when the last wheel was).
void ToggleDualPoint(Workbench& workbench, int toggle, bool checked, const SecondPersonBox& box);

// Aspect filter `filter` (0..3): the dual wheel is prepared again in the
// arrangement the last wheel left.
void SetDualAspectFilter(Workbench& workbench, int filter, const SecondPersonBox& box);

// The dual wheel prepared again from the flags the last wheel left, the
// arrangement replaced by `dualWheelShown` when given.
void RedrawDualWheel(Workbench& workbench, std::optional<int> dualWheelShown,
                     const SecondPersonBox& box);

// A left click on the two-ring wheel: option 44 flips (cross aspects only
// or all pairs) and the wheel is prepared again.
void FlipDualAspectPairs(Workbench& workbench, const SecondPersonBox& box);

// Switch: the combined arrangement again with the charts exchanged or
// restored.
void SwitchDualWheel(Workbench& workbench, const SecondPersonBox& box);

}  // namespace orv
