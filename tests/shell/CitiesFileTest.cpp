#include <gtest/gtest.h>

#include <fstream>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "shell/input/CitiesFile.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

TEST(CitiesFile, CoordinatesSplitAsTheCitiesWindowReadsThem) {
  const struct {
    const char* field;
    bool isLongitude;
    int degrees;
    bool negative;
    int minutes;
  } cases[] = {
      {"118W15", true, 118, false, 15}, {"151E12", true, 151, true, 12},
      {"074W00", true, 74, false, 0},   {"09e11", true, 9, true, 11},
      {"40N43", false, 40, false, 43},  {"05s07", false, 5, true, 7},
      {"xxQ1y", true, 0, false, 1},  // the number rule: "xx" 0, "1y" 1; West
      {"", true, 0, false, 0},          {"7", false, 7, false, 7},
      {"9e9W00", true, 999, false, 0},  // no integer overflow
  };
  for (const auto& c : cases) {
    const CoordinateParts parts = SplitCityCoordinate(c.field, c.isLongitude);
    EXPECT_EQ(parts.degrees, c.degrees) << c.field;
    EXPECT_EQ(parts.negative, c.negative) << c.field;
    EXPECT_EQ(parts.minutes, c.minutes) << c.field;
  }
}

TEST(CitiesFile, APlaceFillsOnlyTheZoneAndPlaceFields) {
  const std::vector<CityRecord> cities = {{"New York", "NY", "74W00", "40N43", "5"},
                                          {"Sydney", "Australia", "151E12", "33S52", "-10"},
                                          {"Kathmandu", "Nepal", "085E19", "27N42", "-5.75"}};
  test::RecordingHost host;
  NatalInputFields natal;
  natal.Name = "Jane", natal.Hour = "10", natal.East = natal.South = true;
  SecondChartInputFields second;
  ASSERT_EQ(LoadPlaceIntoInput(host, cities, 0, natal, second), InputTarget::Natal);
  EXPECT_EQ(test::PlaceText(natal), "74W0 40N43 zone 5");
  EXPECT_EQ(natal.Name + natal.Hour, "Jane10");

  second.SecondPerson = true;
  ASSERT_EQ(LoadPlaceIntoInput(host, cities, 1, natal, second), InputTarget::SecondChart);
  EXPECT_EQ(test::PlaceText(second), "151E12 33S52 zone -10");
  EXPECT_EQ(test::PlaceText(natal), "74W0 40N43 zone 5");
  ASSERT_EQ(LoadPlaceIntoInput(host, cities, 2, natal, second), InputTarget::SecondChart);
  EXPECT_EQ(test::PlaceText(second), "85E19 27N42 zone -5.75");
  EXPECT_TRUE(host.messages.empty());

  EXPECT_FALSE(LoadPlaceIntoInput(host, cities, 3, natal, second));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.messages[0].text,
            "Format error or typographical error in selected data. Please correct this data "
            "entry by clicking on the Edit this List command button in the Cities window and "
            "editing the data associated with your chosen city.");
}

TEST(CitiesFile, GarbageLinesArePassedOverAndNamedOnce) {
  test::TempDir dir;
  const fs::path path = dir.path() / "MIXED.LL";
  std::ofstream(path, std::ios::binary)
      << "New York,NY,74W00,40N43,5\r\n"
         "this is not a place\r\n"  // 2: one field
         "Paris,France,002E21,48N52,-1\r\n"
         "Nowhere,XX,74X00,40N43,5\r\n"       // 4: no side letter
         "Somewhere,XX,74W00,40N43,five\r\n"  // 5: zone not a number
         "Far,XX,181W00,40N43,5\r\n"          // 6: beyond 180 degrees
         "\"Washington, D.C.\",DC,77W02,38N54,5\r\n"
         "Late,XX,74W61,40N43,5\r\n"  // 8: 61 minutes
         "Baker Island,XX,176W28,00N12,12\r\n"  // the zones at both ends
         "Nuku'alofa,Tonga,175W12,21S08,-13\r\n"
         "Over,XX,180E57,40N43,5\r\n"  // 11: 180 degrees 57 minutes
         "Pole,XX,074W00,90N30,5\r\n"  // 12: 90 degrees 30 minutes
         "\r\n"                       // an empty city ends the file
         "After,XX,74W00,40N43,5\r\n";
  test::RecordingHost host;
  const auto cities = LoadCitiesFile(host, path);
  ASSERT_EQ(cities.size(), 5u);
  EXPECT_EQ(CityListText(cities[0]), "New York,NY");
  EXPECT_EQ(CityListText(cities[1]), "Paris,France");
  EXPECT_EQ(CityListText(cities[2]), "Washington, D.C.,DC");
  EXPECT_EQ(CityListText(cities[4]), "Nuku'alofa,Tonga");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].text,
            "You have an error in the current cities file. You need to check and see if you "
            "have entered the data correctly and in the proper amount. Please correct the data "
            "by clicking on the Edit this List command button in the Cities window and edit the "
            "incorrect data.\n\nFile: " +
                path.string() + ", lines 2, 4, 5, 6, 8, 11 and 12.");
}

TEST(CitiesFile, AMissingFileIsReportedAndTheDefaultIsInTheProgramFolder) {
  test::TempDir dir;
  std::ofstream(dir.path() / "ga_ma.ll") << "A,B,74W00,40N43,5\n";
  EXPECT_EQ(CitiesFilePath(dir.path(), ""), dir.path() / "ga_ma.ll");
  EXPECT_EQ(CitiesFilePath(dir.path(), "/elsewhere/X.LL"), fs::path("/elsewhere/X.LL"));
  test::RecordingHost host;
  EXPECT_TRUE(LoadCitiesFile(host, dir.path() / "GONE.LL").empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "GONE.LL").string() + ".");
}

}  // namespace
}  // namespace orv
