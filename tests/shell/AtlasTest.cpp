#include <gtest/gtest.h>

#include <cmath>

#include <fstream>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "shell/input/Atlas.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

constexpr long DegMinSec(long d, long m, long s) { return d * 3600 + m * 60 + s; }

TEST(Atlas, CoordinatesInSecondsOfArcBecomeDegreeLetterMinutes) {
  const struct {
    long arcSeconds;
    const char* text;
  } longitudes[] = {
      {-DegMinSec(75, 30, 0), "75E30"},
      {DegMinSec(75, 30, 0), "75W30"},
      {DegMinSec(73, 59, 59), "74W0"},   // 60 minutes carry into the degrees
      {-DegMinSec(75, 15, 0), "75E15"},  // East stays on its own degree
      {DegMinSec(10, 0, 30), "10W0"},    // a half goes to the even minute
      {DegMinSec(10, 1, 30), "10W2"},
      {DegMinSec(10, 2, 29), "10W2"},
      {0, "0W0"},
      {-DegMinSec(0, 7, 0), "0E7"},
  };
  for (const auto& c : longitudes)
    EXPECT_EQ(AtlasCoordinateText(c.arcSeconds, 'W', 'E'), c.text) << c.arcSeconds;
  EXPECT_EQ(AtlasCoordinateText(DegMinSec(39, 45, 0), 'N', 'S'), "39N45");
  EXPECT_EQ(AtlasCoordinateText(-DegMinSec(33, 52, 0), 'N', 'S'), "33S52");
}

TEST(Atlas, TheZoneAllowsForDaylightTime) {
  test::RecordingHost host;
  EXPECT_FLOAT_EQ(AtlasZoneHours(host, 5 * 900, 0), 5);
  EXPECT_FLOAT_EQ(AtlasZoneHours(host, 5 * 900, 2), 4);
  EXPECT_FLOAT_EQ(AtlasZoneHours(host, 5 * 900, 3), 3);
  EXPECT_FLOAT_EQ(AtlasZoneHours(host, -5 * 900 - 450, 0), -5.5f);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FLOAT_EQ(AtlasZoneHours(host, 5 * 900, 4), 5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "LMT is used");
  EXPECT_EQ(host.messages[0].title, "LMT used");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
}

TEST(Atlas, ALookupFillsTheWindowThatAsked) {
  test::RecordingHost host;
  AtlasValues values;
  BeginAtlasLookup(values);
  AtlasAnswerValues answer;
  answer.longitudeArcSeconds = DegMinSec(122, 25, 0);
  answer.latitudeArcSeconds = DegMinSec(37, 47, 0);
  answer.zoneValue = 8 * 900;
  answer.timeKind = 1;
  EXPECT_EQ(AtlasLookup(host, answer, values), "Atlas");
  EXPECT_EQ(values.AtlasLongitudeText, "122W25");
  EXPECT_EQ(values.AtlasLatitudeText, "37N47");
  EXPECT_FLOAT_EQ(values.AtlasTimeZone, 7);
  EXPECT_TRUE(values.AtlasLookupOk);
  EXPECT_EQ(values.AtlasAnswer, kAtlasAnswerYes);

  ChartInputFields f;
  f.East = f.South = true;
  ASSERT_TRUE(FillPlaceFromAtlas(values, f));
  EXPECT_EQ(test::PlaceText(f), "122W25 37N47 zone 7");

  answer.duplicate = true;
  answer.longitudeArcSeconds = -DegMinSec(151, 12, 0);
  answer.latitudeArcSeconds = -DegMinSec(33, 52, 0);
  answer.zoneValue = -10 * 900;
  answer.timeKind = 0;
  EXPECT_EQ(AtlasLookup(host, answer, values), "THIS IS A DUPLICATE CITY");
  ASSERT_TRUE(FillPlaceFromAtlas(values, f));
  EXPECT_EQ(test::PlaceText(f), "151E12 33S52 zone -10");
}

TEST(Atlas, NothingIsFilledWithoutAUsableAnswer) {
  ChartInputFields before;
  before.LongDeg = "1", before.LatDeg = "2", before.TimeZone = "3";
  auto unchanged = [](const ChartInputFields& f) { return test::PlaceText(f) == "1W 2N zone 3"; };

  // A lookup answered once; the next one is closed without pressing Lookup.
  AtlasValues values{"75W10", "39N45", 5, true, kAtlasAnswerYes};
  BeginAtlasLookup(values);
  ChartInputFields f = before;
  EXPECT_FALSE(FillPlaceFromAtlas(values, f));
  EXPECT_TRUE(unchanged(f));

  const AtlasValues bad[] = {
      {"75W10", "39N45", 5, false, kAtlasAnswerYes},  // the lookup failed
      {"75W10", "39N45", 5, true, 7},                 // answered No
      {"75X10", "39N45", 5, true, kAtlasAnswerYes},   // no side letter
      {"181W00", "39N45", 5, true, kAtlasAnswerYes},  // beyond 180 degrees
      {"75W10", "39X45", 5, true, kAtlasAnswerYes},   // latitude without N or S
      // Off the globe or not a number: once a NaN chart.
      {"75W10", "-1e300N00", 5, true, kAtlasAnswerYes},
      {"75W10", "90N30", 5, true, kAtlasAnswerYes},
      {"75W75", "39N45", 5, true, kAtlasAnswerYes},
      {"75W10", "39N45", std::nanf(""), true, kAtlasAnswerYes},
      {"75W10", "39N45", 1e30f, true, kAtlasAnswerYes},
  };
  for (const auto& v : bad) {
    f = before;
    EXPECT_FALSE(FillPlaceFromAtlas(v, f)) << v.AtlasLongitudeText << " " << v.AtlasLatitudeText;
    EXPECT_TRUE(unchanged(f)) << v.AtlasLongitudeText;
  }
  // Leading zeros as an outside atlas writes them read as plain numbers.
  f = before;
  ASSERT_TRUE(FillPlaceFromAtlas({"075W05", "05S07", -5.5f, true, kAtlasAnswerYes}, f));
  EXPECT_EQ(test::PlaceText(f), "75W5 5S7 zone -5.5");
}

TEST(Atlas, SearchesEveryCitiesFileByNameWhateverItsCase) {
  test::TempDir dir;
  test::RecordingHost host;
  EXPECT_FALSE(AtlasPresent(dir.path()));
  EXPECT_TRUE(FindAtlasPlaces(dir.path(), "Paris").empty());

  std::ofstream(dir.path() / "GA_MA.LL", std::ios::binary)
      << "Paris,France,002E21,48N52,-1\r\nParis,TX,95W33,33N40,6\r\nbroken line\r\n"
         "Lyon,France,004E50,45N46,-1\r\n";
  std::ofstream(dir.path() / "more.ll", std::ios::binary)
      << "Paris,France,002E21,48N52,-1\r\nLondon,England,000W07,51N30,0\r\n";
  std::ofstream(dir.path() / "NOTES.TXT") << "Paris,France,002E21,48N52,-1\r\n";
  EXPECT_TRUE(AtlasPresent(dir.path()));

  const auto paris = FindAtlasPlaces(dir.path(), "  pARIS ");
  ASSERT_EQ(paris.size(), 2u);  // the copy in more.ll is the same place
  EXPECT_EQ(paris[0].city.Region, "France");
  EXPECT_EQ(paris[0].file, dir.path() / "GA_MA.LL");
  EXPECT_EQ(paris[1].city.Region, "TX");
  const auto london = FindAtlasPlaces(dir.path(), "london");
  ASSERT_EQ(london.size(), 1u);
  EXPECT_EQ(london[0].file, dir.path() / "more.ll");
  EXPECT_TRUE(FindAtlasPlaces(dir.path(), "Par").empty());

  // A found place answers as the atlas does, at standard time.
  AtlasValues values;
  BeginAtlasLookup(values);
  EXPECT_EQ(AtlasLookup(host, AtlasAnswerFor(paris[1].city, paris.size() > 1), values),
            "THIS IS A DUPLICATE CITY");
  EXPECT_EQ(values.AtlasLongitudeText + " " + values.AtlasLatitudeText, "95W33 33N40");
  EXPECT_FLOAT_EQ(values.AtlasTimeZone, 6);
  AtlasLookup(host, AtlasAnswerFor(paris[0].city, false), values);
  EXPECT_EQ(values.AtlasLongitudeText + " " + values.AtlasLatitudeText, "2E21 48N52");
  EXPECT_FLOAT_EQ(values.AtlasTimeZone, -1);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orv
