#include "wheels/WheelHeader.h"

#include "base/Format.h"
#include "listings/ChartHeaders.h"

namespace orv {

void SetHouseSystemName(std::string_view code, WheelHeaderLines& inner) {
  if (const auto system = HouseSystemFromCode(code))
    inner[7] = std::string(HouseSystemInfoOf(*system).name);
}

std::string WheelTimeLine(const ChartInputValues& input) {
  return FormatNumber(input.time, "#0.00") + " " + input.amPm + " (" +
         ShortestNumberText(input.timeZone) + ")";
}

void SetChartHeaderLines(WheelHeaderLines& lines, std::string firstLine,
                         const ChartInputValues& input, const std::string& siderealText) {
  lines[1] = std::move(firstLine);
  lines[2] = HeaderDate(input);
  lines[3] = WheelTimeLine(input);
  lines[4] = FormatCoord(input.longitude, input.eastWest);
  lines[5] = FormatCoord(input.latitude, input.northSouth);
  lines[6] = siderealText;
}

void SetupNatalWheelHeader(const ChartModel& charts, WheelHeaderLines& inner,
                           WheelHeaderLines& outer) {
  inner = {};
  SetChartHeaderLines(inner, charts.PersonName + " - natal", charts.NatalInput,
                      charts.Natal.SiderealText);
  SetHouseSystemName(HouseSystemCodeText(charts.HouseSystem), inner);
  outer = {};
}

}  // namespace orv
