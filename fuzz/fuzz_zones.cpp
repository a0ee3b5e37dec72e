// The atlas with the system's real time-zone rules: a place of the shipped
// gazetteer (or any zone name) at any local date and time, its offsets as
// the atlas offers them, each answered into the input fields, and a chart
// from the first.
#include "FuzzSupport.h"
#include "platform/qt/QtZoneRules.h"
#include "shell/input/Atlas.h"
#include "shell/input/Gazetteer.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::optional<Gazetteer> atlas = Gazetteer::Load(ORVANTA_DATA_DIR);
  static const QtZoneRules zones;
  fuzz::Require(atlas.has_value(), "the shipped atlas reads");
  FuzzedDataProvider in(data, size);
  const std::size_t index = in.ConsumeIntegralInRange<std::size_t>(0, atlas->size() - 1);
  LocalDateTime when;
  when.year = in.ConsumeIntegralInRange(-100, 10100);
  when.month = in.ConsumeIntegralInRange(0, 13);
  when.day = in.ConsumeIntegralInRange(0, 32);
  when.hour = in.ConsumeIntegralInRange(-1, 24);
  when.minute = in.ConsumeIntegralInRange(-1, 60);
  const bool anyName = in.ConsumeBool();
  const std::string typedZone = in.ConsumeRandomLengthString(40);
  const GazetteerPlace& place = atlas->Place(index);
  const std::string zoneName = anyName ? typedZone : std::string(atlas->ZoneName(place));

  const ZoneAtLocalTime zone = zones.At(zoneName, when);
  LocalDateTimeText(when);
  LocalTimeNote(zone, zoneName, when);
  fuzz::AnsweringHost host;
  bool charted = false;
  for (const ZoneOffset& offset : zone.offsets) {
    ZoneChoiceText(offset);
    AtlasValues values;
    BeginAtlasLookup(values);
    AtlasLookup(host, AtlasAnswerFor(place, offset, index % 2 == 1), values);
    ChartInputFields natal = fuzz::BaseFields();
    if (FillPlaceFromAtlas(host, values, natal) && !charted) {
      charted = true;
      fuzz::RunChart(natal, fuzz::BaseFields(), HouseSystemCode::Regiomontanus, 0, false);
    }
  }
  return 0;
}
