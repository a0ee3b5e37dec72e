#pragma once
// The Church of Light aspect list of chart 1: aspects and parallels between
// the planets, the Moon, the Ascendant, the MC and Chiron, with orbs by the
// house class each point stands in.

#include <array>
#include <optional>

#include "core/ChartModel.h"
#include "listings/ListingPage.h"

namespace orv {

// The five orbs of a point in whole degrees, by orb class: 1 semi-sextile
// and quincunx, 2 semi-square and sesquisquare, 3 sextile, 4 square and
// trine, 5 conjunction and opposition (element 0 unused).
using CoLOrbs = std::array<int, 6>;

// The orbs of `point` (a `ChartPoint`) standing in `house` (1..12). The
// Ascendant, MC and Chiron take the angular row of the planets whatever the
// house; a house outside 1..12 counts as cadent.
CoLOrbs CoLOrbsOf(int point, int house);

// An aspect of the list: its `AspectCode` and the deviation from exact in
// degrees, before the sign of the listing is given to it.
struct CoLAspect {
  int code = 0;
  double deviationDeg = 0;
};

// The aspect of the folded separation `s` (0..180 degrees) with the pair's
// orbs: the first band that holds decides, every bound strict; 130 degrees
// divides the trine from the sesquisquare where wide orbs overlap them.
std::optional<CoLAspect> FindCoLAspect(double s, const CoLOrbs& orbs);

// `ListCoLAspects`: appends the title and one blank-closed group per listed
// point of chart 1, each holding the point's aspect and parallel lines.
void ListCoLAspects(ListingPage& page, const ChartArrays& natal);

}  // namespace orv
