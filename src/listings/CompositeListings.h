#pragma once
// The composite listings: each point of chart 1, chart 2 and their composite
// side by side, and the triangular grid of the aspects between the composite
// points, with orbs from the option values.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartModel.h"
#include "core/Composite.h"
#include "core/NumberFile.h"
#include "listings/ChartHeaders.h"
#include "listings/ListingPage.h"

namespace orv {

// `CalcCompositeChart` of chart 1 and chart 2 in `charts` (asking for the
// relationship latitude through `host` while option 40 is 0).
CompositeChart CalcCompositeOf(const ChartModel& charts, const OptionValues& options, Host& host);

// The header line of the planet listing: the two names (cut to 26
// characters) over the first two position columns, then "Composite Planets".
std::string CompositeNamesLine(std::string_view name1, std::string_view name2);

// One row of the planet listing for `point`: its position and name in chart
// 1, chart 2 and the composite, each followed by its flag ("R", or "A" for
// the composite).
std::string CompositePlanetRow(int point, const ChartModel& charts,
                               const CompositeChart& composite);

// The orb of the pair (i, j) of `ChartPoint`s: option 51, option 52 with a
// node, option 53 with the Sun or the Moon (over the nodes).
float CompositePairOrb(int i, int j, const OptionValues& options);

// The `AspectCode` the separation `s` (0..180 degrees) makes in the grid:
// sextile, square, trine, quincunx (its own orb `quincunxOrbDeg`),
// opposition, conjunction in that order, limits inclusive, the last hit
// winning. Nothing when no band holds.
std::optional<int> CompositeAspectCode(double s, float orbDeg, float quincunxOrbDeg);

// A 5-character grid cell: the aspect's angle right-aligned in 3 and two
// blanks, or "---  " for none.
std::string CompositeCell(std::optional<int> aspectCode);

// The grid's rows, Sun to Chiron (to `lastPoint`), from the composite
// longitudes in degrees.
std::vector<std::string> CompositeGridRows(const PointArray<double>& compositeLongitudes,
                                           const OptionValues& options,
                                           int lastPoint = NumPoints);

// `ListCompositePlanets`: begins a two-chart page, computes the composite
// chart and appends the planet listing.
void ListCompositePlanets(ListingPage& page, const ChartModel& charts, const SecondPersonBox& box,
                          const OptionValues& options);

// `ListCompositeAspectGrid`: computes the composite chart again (asking
// again while option 40 is 0) and appends the aspect grid and its legend.
void ListCompositeAspectGrid(ListingPage& page, const ChartModel& charts,
                             const OptionValues& options);

}  // namespace orv
