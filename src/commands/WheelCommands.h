#pragma once
// The single-wheel commands of the main window's Wheels menu: each prepares
// the wheel request from the computed charts (flags, header lines, orb file,
// cusps, display angles, retrograde flags, house records); the window then
// paints from that request alone.

#include <optional>
#include <string_view>

#include "listings/ChartHeaders.h"
#include "wheels/WheelRequest.h"

namespace orv {

class Host;
struct Workbench;

enum class SingleWheelKind {
  Natal,           // F9
  Declinations,    // Ctrl+F9
  Helio,           // Ctrl+F11
  HelioLatitudes,  // Ctrl+F12
  Transits,        // F8: chart 2, transits or a second person
  Composite,       // Ctrl+Shift+F9
};

// The composite wheel's line 4: "Midpoint composite houses" for the value
// 99, else "Latitude = " and the text without its sign and " South" or
// " North".
std::string CompositeLatitudeLine(std::string_view latitudeText);

// Prepares `kind` into `workbench.Wheel` and sets the chart kind shown. The
// composite computes the composite chart first (asking for the latitude
// through `host` while option 40 is 0). `box` is the second-chart window's
// "2nd Person" box.
void PrepareSingleWheel(Workbench& workbench, SingleWheelKind kind, const SecondPersonBox& box,
                        Host& host);

// The single wheel `request` shows, from its chart and its heliocentric
// and declination flags; nothing for a two-chart wheel.
std::optional<SingleWheelKind> SingleWheelKindOf(const WheelRequest& request);

// `RedrawCurrentWheel`'s preparation: the wheel `workbench.Wheel` shows,
// prepared again from the charts as they are now (a composite takes the
// latitude it was given, asking only if that no longer casts houses; a
// two-chart wheel in its arrangement, Switch and filters). Returns false,
// changing nothing, when no wheel has been prepared.
bool PrepareCurrentWheelAgain(Workbench& workbench, const SecondPersonBox& box, Host& host);

}  // namespace orv
