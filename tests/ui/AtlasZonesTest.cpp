// The atlas's answer for places of the shipped gazetteer at given local
// times, through the system's tz database.

#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "../shell/ShellTestSupport.h"
#include "platform/qt/QtZoneRules.h"
#include "shell/input/Atlas.h"

namespace orv {
namespace {

TEST(AtlasZones, TheZoneAndDaylightTimeInForceAtTheMoment) {
  std::shared_ptr<const Gazetteer> loaded;
  const Gazetteer* atlas = AtlasGazetteer(loaded, ORVANTA_DATA_DIR);
  ASSERT_NE(atlas, nullptr);
  const QtZoneRules rules;
  // Expected values are tz database facts (zone hours West positive).
  const struct {
    const char* place;
    LocalDateTime when;
    LocalTimeFit fit;
    float zone;          // of the first offset
    int daylightSeconds; // of the first offset
    float otherZone;     // of the second offset, for a gap or an overlap
  } cases[] = {
      // EDT, daylight time from 1990-04-01 to 1990-10-28.
      {"New York", {1990, 7, 15, 21, 0}, LocalTimeFit::Unique, 4, 3600, 0},
      {"New York", {1990, 1, 15, 21, 0}, LocalTimeFit::Unique, 5, 0, 0},
      // British double summer time (BDST), 1943-04-04 to 1943-08-15.
      {"London", {1943, 6, 1, 12, 0}, LocalTimeFit::Unique, -2, 7200, 0},
      // Wartime British summer time kept through the winter of 1943-44.
      {"London", {1944, 1, 15, 12, 0}, LocalTimeFit::Unique, -1, 3600, 0},
      // IST +5:30 since 1945; NPT +5:45 since 1986.
      {"Kolkata", {1990, 6, 1, 12, 0}, LocalTimeFit::Unique, -5.5f, 0, 0},
      {"Kathmandu", {1990, 6, 1, 12, 0}, LocalTimeFit::Unique, -5.75f, 0, 0},
      // Local mean time -4:56:02 until 1883-11-18 12:03:58 (answered in
      // 1/900 hour: 4:56:04).
      {"New York", {1850, 6, 1, 12, 0}, LocalTimeFit::Unique, 4.934444f, 0, 0},
      // Clocks forward 02:00 -> 03:00 on 2021-03-14, back 02:00 -> 01:00 on 2021-11-07.
      {"New York", {2021, 3, 14, 2, 30}, LocalTimeFit::Gap, 5, 0, 4},
      {"New York", {2021, 11, 7, 1, 30}, LocalTimeFit::Overlap, 4, 3600, 5},
      // Southern hemisphere: AEDT from 2020-10-04 to 2021-04-04.
      {"Sydney", {2021, 1, 10, 8, 0}, LocalTimeFit::Unique, -11, 3600, 0},
  };
  for (const auto& c : cases) {
    const std::string label = std::string(c.place) + " " + LocalDateTimeText(c.when);
    const auto found = atlas->FindByPrefix(c.place, 1);
    ASSERT_EQ(found.size(), 1u) << label;
    const GazetteerPlace& place = atlas->Place(found[0]);
    const ZoneAtLocalTime zone = rules.At(atlas->ZoneName(place), c.when);
    ASSERT_TRUE(zone.knownZone) << label;
    EXPECT_EQ(zone.fit, c.fit) << label;
    ASSERT_EQ(zone.offsets.size(), c.fit == LocalTimeFit::Unique ? 1u : 2u) << label;
    EXPECT_EQ(zone.offsets[0].daylightSeconds, c.daylightSeconds) << label;
    EXPECT_EQ(LocalTimeNote(zone, "", c.when).empty(), c.fit == LocalTimeFit::Unique) << label;
    test::RecordingHost host;
    AtlasValues values;
    AtlasLookup(host, AtlasAnswerFor(place, zone.offsets[0], false), values);
    EXPECT_NEAR(values.AtlasTimeZone, c.zone, 1e-4) << label;
    EXPECT_EQ(host.messages.size(), zone.offsets[0].localMeanTime ? 1u : 0u) << label;
    if (zone.offsets.size() == 2) {
      AtlasLookup(host, AtlasAnswerFor(place, zone.offsets[1], false), values);
      EXPECT_NEAR(values.AtlasTimeZone, c.otherZone, 1e-4) << label;
    }
  }
  EXPECT_FALSE(rules.At("Atlantis/Lost", {1990, 1, 1, 0, 0}).knownZone);
}

// A place whose zone the Time Zone field cannot take (-13 to 12) fills in
// nothing, and the user is told the zone and the range; local mean time is
// told first.
TEST(AtlasZones, AZoneTheTimeZoneFieldCannotTakeFillsNothingAndSaysWhy) {
  std::shared_ptr<const Gazetteer> loaded;
  const Gazetteer* atlas = AtlasGazetteer(loaded, ORVANTA_DATA_DIR);
  ASSERT_NE(atlas, nullptr);
  const QtZoneRules rules;
  // tz database facts: Samoa at +14 in its summer of 2014-15, Tonga in
  // 2016-17; Manila on American dates (LMT about 15:56 West) until the end of
  // 1844, Juneau on Russian ones (LMT +15:02:19) until 1867.
  const struct {
    const char* place;
    LocalDateTime when;
    const char* zoneText;  // as told, "" when the place is filled in
    const char* filled;    // the fields then
  } cases[] = {
      {"Apia", {2015, 1, 1, 12, 0}, "-14 (14 hours east of Greenwich)", ""},
      {"Nuku'alofa", {2017, 1, 1, 12, 0}, "-14 (14 hours east of Greenwich)", ""},
      {"Manila", {1840, 6, 1, 12, 0}, "15.9", ""},
      {"Juneau", {1860, 6, 1, 12, 0}, "-15.04 (15.04 hours east of Greenwich)", ""},
      {"Apia", {2015, 7, 1, 12, 0}, "", "171W46 13S50 zone -13"},
      {"Auckland", {2015, 1, 1, 12, 0}, "", "174E46 36S51 zone -13"},
  };
  for (const auto& c : cases) {
    const std::string label = std::string(c.place) + " " + LocalDateTimeText(c.when);
    const auto found = atlas->FindByPrefix(c.place, 1);
    ASSERT_EQ(found.size(), 1u) << label;
    const GazetteerPlace& place = atlas->Place(found[0]);
    const ZoneAtLocalTime zone = rules.At(atlas->ZoneName(place), c.when);
    ASSERT_TRUE(zone.knownZone && !zone.offsets.empty()) << label;
    test::RecordingHost host;
    AtlasValues values;
    BeginAtlasLookup(values);
    AtlasLookup(host, AtlasAnswerFor(place, zone.offsets[0], false), values);
    ChartInputFields fields;
    fields.LongDeg = "1", fields.LatDeg = "2", fields.TimeZone = "3";
    const bool lmt = zone.offsets[0].localMeanTime;
    ASSERT_EQ(host.messages.size(), lmt ? 1u : 0u) << label;
    EXPECT_EQ(FillPlaceFromAtlas(host, values, fields), *c.zoneText == '\0') << label;
    if (*c.zoneText == '\0') {
      EXPECT_EQ(test::PlaceText(fields), c.filled) << label;
      EXPECT_EQ(host.messages.size(), 0u) << label;
      continue;
    }
    EXPECT_EQ(test::PlaceText(fields), "1W 2N zone 3") << label;
    ASSERT_EQ(host.messages.size(), lmt ? 2u : 1u) << label;
    const auto& told = host.messages.back();
    EXPECT_EQ(told.text, AtlasZoneOutOfRange(values.AtlasTimeZone)) << label;
    EXPECT_NE(told.text.find("the time zone " + std::string(c.zoneText)), std::string::npos)
        << told.text;
    EXPECT_EQ(told.title, "Information");
  }
  EXPECT_EQ(AtlasZoneOutOfRange(-14),
            "The atlas gives this place the time zone -14 (14 hours east of Greenwich). The "
            "Time Zone field accepts zones from -13 to 12 only, so nothing was filled in.");
}

}  // namespace
}  // namespace orv
