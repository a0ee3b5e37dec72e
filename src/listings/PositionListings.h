#pragma once
// The position listings: chart 1's natal data (house cusps, point rows with
// declination, solstice point and latitude, the true node, decanates and the
// heliocentric positions) and chart 2's transit or second-person data.

#include <string_view>

#include "core/ChartModel.h"
#include "core/HousePlacement.h"
#include "listings/ChartHeaders.h"
#include "listings/ListingPage.h"

namespace orv {

// `ListNatalData`: the natal data listing of chart 1; sets `ChartKind` to
// natal. `axis` is option 167's.
void ListNatalData(ListingPage& page, ChartModel& model, AntiscionAxis axis);

// `ListTransitPositions`: the title, chart 2's place and time line and its
// positions; sets `ChartKind` to the second chart. The house column shows
// only for a second person.
void ListTransitPositions(ListingPage& page, ChartModel& model, const SecondPersonBox& box,
                          AntiscionAxis axis);

// The decanate keyword of `longitudeDeg`: one per 10 degrees from
// "Activity" (0 up to 10); everything outside 0 up to 350 is
// "Vicissitudes".
std::string_view DecanateKeyword(double longitudeDeg);

}  // namespace orv
