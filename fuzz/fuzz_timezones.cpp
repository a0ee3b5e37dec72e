// The time-zone file: the reader, its list lines and a zone picked into
// either input window, then a chart in that zone.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "shell/input/TimeZones.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TimeZoneContent content = ParseTimeZones(SplitLines(DecodeText(bytes)));
  fuzz::AnsweringHost host;
  for (size_t i = 0; i < content.Records.size(); ++i) {
    TimeZoneListLine(content.Records[i]);
    ZoneForInput(content.Records[i]);
    NatalInputFields natal;
    static_cast<ChartInputFields&>(natal) = fuzz::BaseFields();
    SecondChartInputFields second;
    static_cast<ChartInputFields&>(second) = fuzz::BaseFields();
    PickTimeZone(host, content.Records, i, int(i % 2), natal, second);
    if (i < 2) fuzz::RunChart(natal, second, HouseSystemCode::Placidus, 0, false);
  }
  return 0;
}
