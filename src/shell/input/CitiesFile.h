#pragma once
// Cities files (*.LL, GA_MA.LL by default): places with their coordinates
// and standard time zone, one record a line, and the conversion of a place
// into a chart input window's fields.
//
// A record holds five comma-separated fields: city, region, longitude as
// DDxMM or DDDxMM (degrees, "E" or "W", two-digit minutes; exactly five
// characters means two degree digits), latitude as DDxMM ("N" or "S"), and
// the time zone in hours, West positive.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/input/InputFields.h"

namespace orv {

class Host;

struct CityRecord {
  std::string City, Region, Longitude, Latitude, Zone;
};

inline constexpr std::string_view kDefaultCitiesFile = "GA_MA.LL";

// The text the cities list shows for a place: city & "," & region.
std::string CityListText(const CityRecord& city);

// What a cities file holds. Each line is one record; reading ends at the
// end of the file or at a line whose city is empty (an empty line). A line
// that is not a place (not five fields, or a coordinate or zone that does
// not read) is passed over and its number kept, so one broken line costs
// only itself.
struct CitiesFileContent {
  std::vector<CityRecord> Records;  // in file order
  std::vector<int> BadLines;        // 1-based
};
CitiesFileContent ParseCitiesFile(const std::vector<std::string>& lines);

// Reads the cities file at `path` for the cities window. A missing file:
// "Cannot find the file called ..." and an empty list. Lines passed over:
// one cities-file error message naming the file and the lines.
std::vector<CityRecord> LoadCitiesFile(Host& host, const std::filesystem::path& path);

// The cities file a window shows: `geoDataFile` (a path), or GA_MA.LL in
// `appPath` when it is "".
std::filesystem::path CitiesFilePath(const std::filesystem::path& appPath,
                                     std::string_view geoDataFile);

// A coordinate field read as the cities window reads it: the degrees from
// the first two characters (for a longitude of any length but five, three),
// the side letter after them ("E" East, "S" South in either case, any other
// letter West or North), the minutes from the last two characters. A part
// that is not a number gives 0.
struct CoordinateParts {
  int degrees = 0;
  int minutes = 0;
  bool negative = false;  // East or South
};
CoordinateParts SplitCityCoordinate(std::string_view field, bool isLongitude);

// Fills the zone and place fields (degrees and minutes as plain numbers, the
// East/West and North/South choices) from `city`; nothing else changes.
void CityToFields(const CityRecord& city, ChartInputFields& fields);

// A click on the cities list: loads place `index` into the second-chart
// window when its "2nd Person" box is ticked, else into the natal window.
// On a bad index: the cities format message and nothing returned. After a
// natal fill the caller brings the second-chart window up to date.
std::optional<InputTarget> LoadPlaceIntoInput(Host& host, const std::vector<CityRecord>& cities,
                                              size_t index, NatalInputFields& natal,
                                              SecondChartInputFields& second);

// The cities-file messages, titled "Error!": a file with broken lines, and a
// place that cannot be loaded into a window.
inline constexpr std::string_view kCitiesFileErrorText =
    "You have an error in the current cities file. You need to check and see if you have "
    "entered the data correctly and in the proper amount. Please correct the data by clicking "
    "on the Edit this List command button in the Cities window and edit the incorrect data.";
inline constexpr std::string_view kCityRecordErrorText =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Cities window and editing the data "
    "associated with your chosen city.";

}  // namespace orv
