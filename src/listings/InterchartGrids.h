#pragma once
// The interchart grids of a couple: the aspects and the parallels of
// declination from each point of person 1 (rows, chart 1) to each point of
// person 2 (columns, chart 2).

#include <string_view>

#include "core/ChartModel.h"
#include "core/NumberFile.h"
#include "listings/ListingPage.h"

namespace orv {

// The grid's aspect test of person 1's point `pointA` at `longitudeA` and
// person 2's `pointB` at `longitudeB` (`ChartPoint`s, degrees), with the
// orbs of options 55 to 59: the five major aspects take the pair's orb (the
// lights' orb over the nodes' over the ordinary one), the quincunx and the
// four minor aspects their own. Every band is tested and the last match wins;
// returns the `AspectCode`, `NoAspectCode` for none.
int FindInterchartAspect(int pointA, double longitudeA, int pointB, double longitudeB,
                         const OptionValues& options);

// The parallels grid's cell of two declinations in degrees, orb 1 degree:
// " P   ", " CP  " or "---  ". A declination of 0 counts as north.
std::string_view InterchartParallelCell(double declinationA, double declinationB);

// `ListInterchartAspectGrid`: the two-line title, the column heading, one
// row per point of person 1 and the legend. `natalNameText` is the natal
// input window's name box as it reads now; `secondPersonCaption` the
// caption of the "2nd Person" box, person 2's name.
void ListInterchartAspectGrid(ListingPage& page, const ChartModel& model,
                              std::string_view natalNameText, std::string_view secondPersonCaption,
                              const OptionValues& options);

// `ListInterchartParallels`: the column heading and the parallels rows, with
// no title and no legend.
void ListInterchartParallels(ListingPage& page, const ChartModel& model);

}  // namespace orv
