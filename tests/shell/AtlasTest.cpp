#include <gtest/gtest.h>

#include <cmath>

#include <fstream>
#include <set>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "shell/input/Atlas.h"
#include <algorithm>
#include <memory>

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
  ASSERT_TRUE(FillPlaceFromAtlas(host, values, f));
  EXPECT_EQ(test::PlaceText(f), "122W25 37N47 zone 7");

  answer.duplicate = true;
  answer.longitudeArcSeconds = -DegMinSec(151, 12, 0);
  answer.latitudeArcSeconds = -DegMinSec(33, 52, 0);
  answer.zoneValue = -10 * 900;
  answer.timeKind = 0;
  EXPECT_EQ(AtlasLookup(host, answer, values), "THIS IS A DUPLICATE CITY");
  ASSERT_TRUE(FillPlaceFromAtlas(host, values, f));
  EXPECT_EQ(test::PlaceText(f), "151E12 33S52 zone -10");
}

TEST(Atlas, NothingIsFilledWithoutAUsableAnswer) {
  test::RecordingHost host;
  ChartInputFields before;
  before.LongDeg = "1", before.LatDeg = "2", before.TimeZone = "3";
  auto unchanged = [](const ChartInputFields& f) { return test::PlaceText(f) == "1W 2N zone 3"; };

  // A lookup answered once; the next one is closed without pressing Lookup.
  AtlasValues values{"75W10", "39N45", 5, true, kAtlasAnswerYes};
  BeginAtlasLookup(values);
  ChartInputFields f = before;
  EXPECT_FALSE(FillPlaceFromAtlas(host, values, f));
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
    EXPECT_FALSE(FillPlaceFromAtlas(host, v, f))
        << v.AtlasLongitudeText << " " << v.AtlasLatitudeText;
    EXPECT_TRUE(unchanged(f)) << v.AtlasLongitudeText;
  }
  EXPECT_TRUE(host.messages.empty());
  // Leading zeros as an outside atlas writes them read as plain numbers.
  f = before;
  ASSERT_TRUE(FillPlaceFromAtlas(host, {"075W05", "05S07", -5.5f, true, kAtlasAnswerYes}, f));
  EXPECT_EQ(test::PlaceText(f), "75W5 5S7 zone -5.5");
}

TEST(Atlas, TheGazetteerFindsPlacesByTheStartOfTheirName) {
  test::TempDir dir;
  EXPECT_FALSE(AtlasPresent(dir.path()));
  std::shared_ptr<const Gazetteer> loaded;
  EXPECT_EQ(AtlasGazetteer(loaded, dir.path()), nullptr);
  EXPECT_TRUE(AtlasPresent(ORVANTA_DATA_DIR));
  const Gazetteer* atlas = AtlasGazetteer(loaded, ORVANTA_DATA_DIR);
  ASSERT_NE(atlas, nullptr);
  EXPECT_EQ(AtlasGazetteer(loaded, dir.path()), atlas);  // read once, then kept
  EXPECT_GE(atlas->size(), 20000u);

  // Coordinates and zones: GeoNames, as the gazetteer's source keeps them.
  const struct {
    const char* typed;
    const char* first;    // the first (largest) match, "" for none
    const char* zone;
    const char* place;  // as the input window receives it
  } cases[] = {
      {"sao paulo", "São Paulo, Brazil", "America/Sao_Paulo", "46W38 23S33"},
      {"  SÃO PAU", "São Paulo, Brazil", "America/Sao_Paulo", "46W38 23S33"},
      {"new york", "New York, United States of America", "America/New_York", "74W0 40N43"},
      {"Kathm", "Kathmandu, Bagmati Province, Nepal", "Asia/Kathmandu", "85E19 27N42"},
      {"springfield", "Springfield, Missouri, United States of America", "America/Chicago",
       "93W18 37N13"},
      {"Xanadu", "", "", ""},
  };
  test::RecordingHost host;
  for (const auto& c : cases) {
    const auto found = atlas->FindByPrefix(c.typed);
    ASSERT_EQ(found.empty(), *c.first == '\0') << c.typed;
    if (found.empty()) continue;
    const GazetteerPlace& p = atlas->Place(found[0]);
    EXPECT_EQ(atlas->PlaceText(p), c.first) << c.typed;
    EXPECT_EQ(atlas->ZoneName(p), c.zone) << c.typed;
    AtlasValues values;
    AtlasLookup(host, AtlasAnswerFor(p, ZoneOffset{}, false), values);
    EXPECT_EQ(values.AtlasLongitudeText + " " + values.AtlasLatitudeText, c.place) << c.typed;
    for (std::size_t i : found)
      EXPECT_TRUE(atlas->Fold(atlas->Place(i).Name).starts_with(atlas->Fold(c.typed)));
  }
  // The Springfields are told apart by their region.
  std::set<std::string> springfields;
  for (std::size_t i : atlas->FindByPrefix("Springfield"))
    if (atlas->NameIs(i, "SPRINGFIELD")) springfields.insert(atlas->PlaceText(atlas->Place(i)));
  EXPECT_EQ(springfields.size(), 8u);
  EXPECT_EQ(atlas->FindByPrefix("s", 10).size(), 10u);
}

TEST(Atlas, GazetteerFilesAreCheckedAndRepeatsPassedOver) {
  const std::string head = "# a comment\n[fold]\nÉ\te\n[countries]\nFR\tFrance\n[zones]\nEurope/Paris\n";
  const struct {
    std::string places;
    int size;  // -1: the file is refused
  } cases[] = {
      {"[places]\nÉvry\t\tFR\t0\t48.6\t2.4\r\nÉvry\t\tFR\t0\t48.6\t2.4\nEu\tX\tFR\t0\t50\t1.4\n", 2},
      {"", -1},                                         // no places section
      {"[places]\nA\tB\tFR\t0\t48.6\n", -1},            // a field missing
      {"[places]\nA\tB\tFR\t1\t48.6\t2.4\n", -1},       // unknown zone
      {"[places]\nA\tB\tFR\t0\t48.6\t2,4\n", -1},       // not a number
  };
  for (const auto& c : cases) {
    const auto g = Gazetteer::Parse(head + c.places);
    EXPECT_EQ(g ? int(g->size()) : -1, c.size) << c.places;
  }
  const auto g = Gazetteer::Parse(head + cases[0].places);
  ASSERT_TRUE(g && g->FindByPrefix("EV").size() == 1 && g->FindByPrefix("e").size() == 2);
  EXPECT_EQ(g->PlaceText(g->Place(g->FindByPrefix("ev")[0])), "Évry, France");
}

// A broken line costs that line only: the places around it stay, and the
// first broken line is named. No coordinate is NaN or infinite.
TEST(Atlas, BrokenPlaceLinesArePassedOverAndTheFirstIsNamed) {
  const std::string head = "[countries]\nFR\tFrance\n[zones]\nEurope/Paris\n[places]\n";
  const std::string good = "Paris\t\tFR\t0\t48.85\t2.35\n";
  const struct {
    std::string broken;
    std::size_t firstBroken;  // line number, 0: none
  } cases[] = {
      {"Nan\t\tFR\t0\tnan\t2.4\n", 6},
      {"Inf\t\tFR\t0\t48\tinf\n", 6},
      {"Neg\t\tFR\t0\t-inf\t2\n", 6},
      {"Huge\t\tFR\t0\t1e999\t2\n", 6},
      {"", 0},
  };
  for (const auto& c : cases) {
    const auto g = Gazetteer::Parse(head + c.broken + good);
    ASSERT_TRUE(g) << c.broken;
    EXPECT_EQ(g->size(), 1u) << c.broken;
    EXPECT_EQ(g->Place(0).Name, "Paris");
    EXPECT_EQ(g->FirstBrokenLine(), c.firstBroken) << c.broken;
  }
  const auto cut = Gazetteer::Parse(head + good + "Cut\t\tFR\t0\t4");  // cut short
  ASSERT_TRUE(cut && cut->size() == 1u);
  EXPECT_EQ(cut->FirstBrokenLine(), 7u);

  // The shipped atlas cut in half: the places before the cut are found, the
  // user is told once which line broke.
  test::TempDir dir;
  const std::string shipped = test::ReadBytes(fs::path(ORVANTA_DATA_DIR) / "ATLAS.DAT");
  const std::string half = shipped.substr(0, shipped.size() / 2);
  ASSERT_NE(half.back(), '\n');
  test::WriteFile(dir.path() / "ATLAS.DAT", half);
  const auto cutLine = std::size_t(std::count(half.begin(), half.end(), '\n') + 1);
  test::RecordingHost host;
  std::shared_ptr<const Gazetteer> loaded;
  const Gazetteer* atlas = AtlasGazetteer(loaded, dir.path(), &host);
  ASSERT_NE(atlas, nullptr);
  EXPECT_GT(atlas->size(), 5000u);
  EXPECT_EQ(atlas->FirstBrokenLine(), cutLine);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Line " + std::to_string(cutLine) + " of the atlas file " +
                                       (dir.path() / "ATLAS.DAT").string() +
                                       " is broken, so it was passed over, and so was any other "
                                       "broken line. The other places can be looked up.");
  // A file with no place at all says so when it is first used.
  test::WriteFile(dir.path() / "ATLAS.DAT", "[places]\nbroken\n");
  loaded.reset();
  EXPECT_EQ(AtlasGazetteer(loaded, dir.path(), &host), nullptr);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "The atlas file " + (dir.path() / "ATLAS.DAT").string() +
                                       " cannot be read: it holds no place.");
}

TEST(Atlas, TheAskingWindowsDateAndTimeOnTheTwentyFourHourClock) {
  const struct {
    const char *month, *day, *year, *hour, *minute;
    bool pm;
    const char* expected;  // "" when not a valid moment
  } cases[] = {
      {"7", "15", "1990", "9", "00", true, "1990-07-15 21:00"},
      {"1", "15", "1990", "12", "15", false, "1990-01-15 00:15"},  // 12 AM is hour 0
      {"1", "15", "1990", "12", "15", true, "1990-01-15 12:15"},
      {"2", "29", "1900", "3", "5", true, ""},  // not a leap year
      {"4", "30", "1990", "3", "60", true, ""},
      {"4", "30", "1990", "3.5", "5", true, ""},
  };
  for (const auto& c : cases) {
    ChartInputFields f;
    f.Month = c.month, f.Day = c.day, f.Year = c.year, f.Hour = c.hour, f.Minute = c.minute;
    f.Pm = c.pm;
    const auto when = AtlasLocalTime(f);
    EXPECT_EQ(when ? LocalDateTimeText(*when) : "", c.expected) << c.month << "/" << c.day;
  }
}

}  // namespace
}  // namespace orv
