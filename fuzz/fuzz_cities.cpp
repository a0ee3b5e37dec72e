// Cities files: the reader, a city into the input fields, and a chart at
// that place.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "shell/input/CitiesFile.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const CitiesFileContent content = ParseCitiesFile(SplitLines(DecodeText(bytes)));
  fuzz::AnsweringHost host;
  int charts = 0;
  for (size_t i = 0; i < content.Records.size(); ++i) {
    NatalInputFields natal;
    static_cast<ChartInputFields&>(natal) = fuzz::BaseFields();
    SecondChartInputFields second;
    LoadPlaceIntoInput(host, content.Records, i, natal, second);
    if (charts++ < 2) fuzz::RunChart(natal, natal, HouseSystemCode::Koch, 0, false);
  }
  return 0;
}
