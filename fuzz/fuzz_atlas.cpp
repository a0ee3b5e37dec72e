// The atlas: a gazetteer of any content searched and its places answered,
// and any answer (coordinates, zone, texts) taken into the input fields,
// then both charts with every listing. The first byte picks which.
#include <cstring>

#include "FuzzSupport.h"
#include "shell/input/Atlas.h"
#include "shell/input/Gazetteer.h"

using namespace orv;

namespace {

void FillAndChart(const AtlasValues& values, HouseSystemCode system) {
  fuzz::AnsweringHost host;
  ChartInputFields natal = fuzz::BaseFields();
  if (FillPlaceFromAtlas(host, values, natal))
    fuzz::RunChart(natal, fuzz::BaseFields(), system, 0, false);
}

void Gazetteers(std::string_view text) {
  const auto gazetteer = Gazetteer::Parse(text);
  if (!gazetteer) return;
  fuzz::AnsweringHost host;
  size_t charted = 0;
  for (const std::string_view prefix : {"a", "s", "new", "\xC3\xA9", ""}) {
    for (const size_t index : gazetteer->FindByPrefix(prefix, 3)) {
      const GazetteerPlace& place = gazetteer->Place(index);
      gazetteer->PlaceText(place);
      gazetteer->NameIs(index, place.Name);
      ZoneOffset offset;
      offset.standardSeconds = int(place.LongitudeDeg * 240);
      AtlasValues values;
      AtlasLookup(host, AtlasAnswerFor(place, offset, index % 2 == 1), values);
      if (charted++ < 2) FillAndChart(values, HouseSystemCode::Koch);
    }
  }
}

void Answers(FuzzedDataProvider& in) {
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
  ChartInputFields fields = fuzz::BaseFields();
  fields.Day = in.ConsumeRandomLengthString(4);
  AtlasLocalTime(fields);
  FillAndChart(values, fuzz::ConsumeHouseSystem(in));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  if (data[0] % 2 == 0) {
    Gazetteers(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  } else {
    FuzzedDataProvider in(data + 1, size - 1);
    Answers(in);
  }
  return 0;
}
