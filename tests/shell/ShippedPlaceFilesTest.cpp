// The names, cities and time-zone files the program ships with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "RecordingHost.h"
#include "shell/input/CitiesFile.h"
#include "shell/input/NamesFile.h"
#include "shell/input/TimeZones.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

const fs::path kData = ORVANTA_DATA_DIR;

TEST(ShippedPlaceFiles, NamesFileLoadsAndEveryPersonConverts) {
  test::RecordingHost host;
  const auto load = LoadNamesFile(host, kData, "");
  EXPECT_TRUE(host.messages.empty());
  ASSERT_GE(load.Records.size(), 12u);
  int men = 0, women = 0;
  for (int order = 0; order <= 2; ++order) {
    std::vector<NameRecord> records = load.Records;
    for (size_t i = 0; i < records.size(); ++i) {
      NatalInputFields natal;
      SecondChartInputFields second;
      ASSERT_EQ(LoadPersonIntoInput(host, records, i, order, natal, second), InputTarget::Natal)
          << records[i].Name;
      const int year = std::stoi(natal.Year);
      EXPECT_GE(year, 1900) << records[i].Name;
      EXPECT_LE(year, 2010) << records[i].Name;
      if (order == 0) {
        men += records[i].Name.rfind("m ", 0) == 0;
        women += records[i].Name.rfind("w ", 0) == 0;
      }
    }
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_GT(men, 0);
  EXPECT_GT(women, 0);
}

TEST(ShippedPlaceFiles, CitiesFileCoversTheWorldAndEveryState) {
  test::RecordingHost host;
  const auto cities = LoadCitiesFile(host, CitiesFilePath(kData, ""));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_GE(cities.size(), 300u);
  std::set<std::string> regions;
  for (const CityRecord& city : cities) {
    ChartInputFields f;
    CityToFields(city, f);
    EXPECT_FALSE(f.LongDeg.empty()) << city.City;
    regions.insert(city.Region);
  }
  for (const char* state :
       {"AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID",
        "IL", "IN", "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO",
        "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR", "PA",
        "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY"}) {
    EXPECT_TRUE(regions.count(state)) << state;
  }
  for (const char* country : {"Canada", "Mexico", "Brazil", "Argentina", "England", "France",
                              "Germany", "Russia", "India", "China", "Japan", "Nigeria",
                              "South Africa", "Egypt", "Australia", "New Zealand"}) {
    const bool present =
        regions.count(country) || (std::string(country) == "Canada" && regions.count("Ontario"));
    EXPECT_TRUE(present) << country;
  }
}

// Places compared with the principal locations of the tz database's
// zone1970.tab (public domain, ISO 6709) and its standard offsets. A city's
// centre differs between sources by a few minutes of arc.
constexpr double kPlaceToleranceArcMinutes = 5;

TEST(ShippedPlaceFiles, PlacesAgreeWithAnIndependentGazetteer) {
  const struct {
    const char* city;
    const char* region;
    double latitudeDeg;   // North positive
    double longitudeDeg;  // East positive
    double zoneHours;     // West positive
  } places[] = {
      {"New York", "NY", 40 + 42 / 60.0 + 51 / 3600.0, -(74 + 0 / 60.0 + 23 / 3600.0), 5},
      {"Chicago", "IL", 41 + 51 / 60.0, -(87 + 39 / 60.0), 6},
      {"Denver", "CO", 39 + 44 / 60.0 + 21 / 3600.0, -(104 + 59 / 60.0 + 3 / 3600.0), 7},
      {"Los Angeles", "CA", 34 + 3 / 60.0 + 8 / 3600.0, -(118 + 14 / 60.0 + 34 / 3600.0), 8},
      {"Honolulu", "HI", 21 + 18 / 60.0 + 25 / 3600.0, -(157 + 51 / 60.0 + 30 / 3600.0), 10},
      {"St. John's", "Newfoundland", 47 + 34 / 60.0, -(52 + 43 / 60.0), 3.5},
      {"Sao Paulo", "Brazil", -(23 + 32 / 60.0), -(46 + 37 / 60.0), 3},
      {"Paris", "France", 48 + 52 / 60.0, 2 + 20 / 60.0, -1},
      {"Kathmandu", "Nepal", 27 + 43 / 60.0, 85 + 19 / 60.0, -5.75},
      {"Tokyo", "Japan", 35 + 39 / 60.0 + 16 / 3600.0, 139 + 44 / 60.0 + 41 / 3600.0, -9},
      {"Johannesburg", "South Africa", -(26 + 15 / 60.0), 28, -2},
      {"Sydney", "Australia", -(33 + 52 / 60.0), 151 + 13 / 60.0, -10},
      {"Adelaide", "Australia", -(34 + 55 / 60.0), 138 + 35 / 60.0, -9.5},
  };
  test::RecordingHost host;
  const auto cities = LoadCitiesFile(host, CitiesFilePath(kData, ""));
  for (const auto& place : places) {
    const auto it = std::find_if(cities.begin(), cities.end(), [&](const CityRecord& c) {
      return c.City == place.city && c.Region == place.region;
    });
    ASSERT_NE(it, cities.end()) << place.city;
    const CoordinateParts lat = SplitCityCoordinate(it->Latitude, false);
    const CoordinateParts lon = SplitCityCoordinate(it->Longitude, true);
    const double latitude = (lat.negative ? -1 : 1) * (lat.degrees + lat.minutes / 60.0);
    const double longitude = (lon.negative ? 1 : -1) * (lon.degrees + lon.minutes / 60.0);
    EXPECT_NEAR(latitude, place.latitudeDeg, kPlaceToleranceArcMinutes / 60) << place.city;
    EXPECT_NEAR(longitude, place.longitudeDeg, kPlaceToleranceArcMinutes / 60) << place.city;
    EXPECT_EQ(std::stod(it->Zone), place.zoneHours) << place.city;
  }
}

TEST(ShippedPlaceFiles, TimeZoneTableLoadsAndEveryZoneCanBePicked) {
  test::RecordingHost host;
  const auto zones = LoadTimeZones(host, kData);
  EXPECT_TRUE(host.messages.empty());
  ASSERT_GE(zones.size(), 40u);
  NatalInputFields natal;
  SecondChartInputFields second;
  std::set<std::string> lines;
  for (size_t i = 0; i < zones.size(); ++i) {
    ASSERT_TRUE(PickTimeZone(host, zones, i, 0, natal, second)) << zones[i].Name;
    EXPECT_EQ(natal.East, std::stod(zones[i].Hours) < 0) << zones[i].Name;
    const std::string line = TimeZoneListLine(zones[i]);
    EXPECT_EQ(line.find(" - "), kZoneNameWidth) << line;
    EXPECT_TRUE(lines.insert(line).second) << "listed twice: " << line;
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orv
