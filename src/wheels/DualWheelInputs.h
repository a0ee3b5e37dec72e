#pragma once
// What each ring of a prepared two-chart wheel places: the two passes of
// the combined arrangement (the inner chart in the outer band, the outer
// chart in the inner band, exchanged for option 216 while chart 2 is
// transits) and the one list of the two-ring arrangement.

#include "wheels/DualPlacement.h"
#include "wheels/WheelPaint.h"
#include "wheels/WheelPlacement.h"

namespace orv {

// Whether the combined arrangement shows its charts exchanged: option 216
// asks for the transits in the outer band. Never in the two-ring
// arrangement, where colour tells the charts apart, nor for a second
// person.
bool CombinedChartsExchanged(const WheelRequest& request, const OptionValues& options);

// The placement inputs of the combined arrangement's first pass (the outer
// band, `outerRing` false) or second pass (the inner band). A pass whose
// values are not the prepared inner chart's has its house records worked
// out against the wheel's cusps.
SingleWheelInputs CombinedPassInputs(const WheelPaintInputs& in, bool outerRing);

// The placement inputs of the two-ring arrangement.
DualWheelInputs TwoRingInputs(const WheelRequest& request);

}  // namespace orv
