#pragma once
// What each ring of a prepared two-chart wheel places: the two passes of
// the combined arrangement (the inner chart in the outer band, the outer
// chart in the inner band, exchanged for option 216 while chart 2 is
// transits) and the one list of the two-ring arrangement.

#include <vector>

#include "wheels/AspectLines.h"
#include "wheels/AspectList.h"
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

// What the aspect list of the wheel shown is made from: a single wheel's
// chart against itself; on a two-chart wheel the chart of the second pass
// or ring (rows, its own enabled points and declinations) against the
// first's (columns).
AspectListInputs WheelAspectListInputs(const WheelRequest& request, const OptionValues& options);

// The two-ring wheel's aspect lines, chord ends on its circle: each point of
// chart 2 with each of chart 1, and with `allPairs` (option 44) also the
// pairs inside each chart. The Moon, the nodes, the Part of Fortune, the
// Ascendant and the MC take part while their toggles are checked (never on
// a heliocentric wheel); `tests` carries the aspect filter.
std::vector<AspectLine> TwoRingAspectLines(const DualWheelInputs& in, const DualPlacement& placed,
                                           const OrbTable& orbs, const AspectLineTests& tests,
                                           bool allPairs);

// The combined arrangement's lines between its two passes: each point of
// the first with each of the second, the Sun to the Moon and Chiron only.
// The first pass's ends at `firstRadius`, the second's at `secondRadius`.
std::vector<AspectLine> CombinedAspectLines(const SingleWheelInputs& first,
                                            const std::vector<PlacedLabel>& firstPlaced,
                                            const SingleWheelInputs& second,
                                            const std::vector<PlacedLabel>& secondPlaced,
                                            const OrbTable& orbs, const AspectLineTests& tests,
                                            double firstRadius, double secondRadius);

}  // namespace orv
