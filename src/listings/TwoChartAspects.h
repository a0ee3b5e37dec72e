#pragma once
// The aspect lists between two charts: transits to the natal chart, transits
// among themselves, and the synastry list of two persons' natal charts.

#include "core/Aspects.h"
#include "core/ChartModel.h"
#include "core/NumberFile.h"
#include "listings/ListingPage.h"

namespace orv {

// `ListTransitToNatalAspects`: a heading, then one line per aspect from each
// transiting point (chart 2, outer loop) to each natal point (chart 1), the
// South Node left out on both sides and a point paired with its own natal
// place too. `twoChartOrbs` is NAT2TRAN.ORB.
void ListTransitToNatalAspects(ListingPage& page, const ChartModel& model,
                               const OrbTable& twoChartOrbs);

// `ListTransitToTransitAspects`: a heading, then one line per aspect among
// the points of `transits` (chart 2), each pair once, lower `ChartPoint`
// first; the South Node is left out.
void ListTransitToTransitAspects(ListingPage& page, const ChartArrays& transits,
                                 const OrbTable& twoChartOrbs);

// The synastry list's aspect test of person 1's point at `longitudeA` and
// person 2's at `longitudeB` (degrees) against `synastryOrbs` (by
// `AspectKind`): ten aspects, no quintile family and no septile, every band
// tested and the last match (the conjunction last) winning. The deviation is
// signed as the list prints it.
AspectMatch FindSynastryAspect(double longitudeA, double longitudeB, const OrbTable& synastryOrbs);

// `ListSynastryAspects`: a blank line, then one line per aspect from each
// point of person 1 (chart 1, outer loop) to each point of person 2 (chart
// 2), without the nodes and the Part of Fortune, deviation to one decimal.
// `synastryOrbs` is SYNASTRY.ORB.
void ListSynastryAspects(ListingPage& page, const ChartModel& model, const OrbTable& synastryOrbs);

}  // namespace orv
