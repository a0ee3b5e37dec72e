#pragma once
// `EnabledNatalPlanets` and `EnabledTransitPlanets`: one "1" or "0" per
// `ChartPoint`, saying which points the wheels show for each chart.

#include <string>
#include <string_view>

namespace orv {

// Whether character `point` (1 to 16) of `flags` is "1". A text too short
// to reach the point hides it.
bool IsPointEnabled(std::string_view flags, int point);

// Sets character `point` (1 to 16) of `flags` to "1" or "0". A text too
// short to reach the point is first filled up with "0", so the other points
// keep what they showed; a point outside 1 to 16 changes nothing.
void SetPointEnabled(std::string& flags, int point, bool enabled);

}  // namespace orv
