#pragma once
// The header lines a single wheel prints in its top-left corner, and the
// house system's name that ends them.

#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/ChartModel.h"
#include "wheels/WheelRequest.h"

namespace orv {

// `SetHouseSystemName`: line 7 of `inner` := the name of the house system
// whose code is exactly `code` ("EA" gives "Equal - Ascendant"); a code that
// names none leaves line 7 as it is.
void SetHouseSystemName(std::string_view code, WheelHeaderLines& inner);

// The time line of a chart input: "#0.00" time, its A.M./P.M. and the zone
// as its shortest number text, e.g. "9.05 P.M. (5)".
std::string WheelTimeLine(const ChartInputValues& input);

// Lines 1..6 of one chart: `firstLine`, the date "dd mmm yyyy", the time
// line, longitude and latitude as `FormatCoord` writes them, the sidereal
// time; line 7 is left alone.
void SetChartHeaderLines(WheelHeaderLines& lines, std::string firstLine,
                         const ChartInputValues& input, const std::string& siderealText);

// `SetupNatalWheelHeader`: `inner` := the natal chart's seven lines ("Name -
// natal" .. the house system), `outer` := all empty.
void SetupNatalWheelHeader(const ChartModel& charts, WheelHeaderLines& inner,
                           WheelHeaderLines& outer);

}  // namespace orv
