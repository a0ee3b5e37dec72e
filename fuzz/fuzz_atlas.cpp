// The atlas result: any longitude and latitude texts and zone, taken into
// the input fields, then both charts with every listing; and the answer
// values of a lookup turned into texts.
#include <cstring>

#include "FuzzSupport.h"
#include "shell/input/Atlas.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  AtlasAnswerValues answer;
  answer.longitudeArcSeconds = in.ConsumeIntegral<long>();
  answer.latitudeArcSeconds = in.ConsumeIntegral<long>();
  answer.zoneValue = in.ConsumeIntegral<long>();
  answer.timeKind = in.ConsumeIntegral<int>();
  answer.duplicate = in.ConsumeBool();
  fuzz::AnsweringHost host;
  AtlasValues values;
  AtlasLookup(host, answer, values);
  if (in.ConsumeBool()) {
    values.AtlasLongitudeText = in.ConsumeRandomLengthString(24);
    values.AtlasLatitudeText = in.ConsumeRandomLengthString(24);
    float zone;
    const auto raw = in.ConsumeBytes<uint8_t>(sizeof zone);
    if (raw.size() == sizeof zone) {
      std::memcpy(&zone, raw.data(), sizeof zone);
      values.AtlasTimeZone = zone;
    }
  }
  ChartInputFields natal = fuzz::BaseFields();
  if (!FillPlaceFromAtlas(values, natal)) return 0;
  fuzz::RunChart(natal, fuzz::BaseFields(), fuzz::ConsumeHouseSystem(in), 0, false);
  return 0;
}
