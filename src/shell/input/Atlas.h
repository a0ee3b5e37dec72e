#pragma once
// The atlas: a place looked up by city name in the cities files of the
// program folder, answered in the form the input windows fill their place
// from (longitude "75W10", latitude "39N45", the time zone in hours).
//
// It stands where an outside atlas control answered with whole seconds of
// arc, a zone in 1/900 hours and the kind of time at the place; the
// conversions of those answers are kept, so a place from any source fills
// the windows alike.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/input/CitiesFile.h"
#include "shell/input/InputFields.h"

namespace orv {

class Host;

inline constexpr std::string_view kAtlasCaption = "Atlas";
inline constexpr std::string_view kDuplicateCityCaption = "THIS IS A DUPLICATE CITY";
// The answer that lets a result be filled in (the value of a Yes).
inline constexpr int kAtlasAnswerYes = 6;

// The result of the last lookup, shared by both input windows.
struct AtlasValues {
  std::string AtlasLongitudeText;  // degrees, "W" or "E", minutes: "75W10"
  std::string AtlasLatitudeText;   // degrees, "N" or "S", minutes: "39N45"
  float AtlasTimeZone = 0;         // hours, West positive
  bool AtlasLookupOk = false;      // the result may be used
  int AtlasAnswer = 0;             // kAtlasAnswerYes when it is to be filled in
};

// A place as an atlas answers it.
struct AtlasAnswerValues {
  long longitudeArcSeconds = 0;  // West positive
  long latitudeArcSeconds = 0;   // North positive
  bool duplicate = false;        // the name stands for more than one place
  long zoneValue = 0;            // the zone in 1/900 hours, West positive
  int timeKind = 0;  // 0 standard time, 1 or 2 one hour of daylight time, 3 two hours, else LMT
};

// Whether atlas data exists: a cities file (*.LL, any letter case) in the
// program folder.
bool AtlasPresent(const std::filesystem::path& appPath);

// A found place and the cities file it came from.
struct AtlasPlace {
  CityRecord city;
  std::filesystem::path file;
};

// The places whose city equals `cityName` (letter case and surrounding
// blanks ignored) in every cities file of `appPath`, files in name order,
// records in file order; a place found in two files is given once. Broken
// lines are passed over without a message.
std::vector<AtlasPlace> FindAtlasPlaces(const std::filesystem::path& appPath,
                                        std::string_view cityName);

// A cities-file place as an atlas answers it, at standard time.
AtlasAnswerValues AtlasAnswerFor(const CityRecord& city, bool duplicate);

// A coordinate in whole seconds of arc as the atlas text: degrees, the side
// letter (`positive` for 0 and more, else `negative`) and minutes, plain
// numbers; minutes round to the nearest, a half to the even, and 60 minutes
// carry into the degrees (-75 x 3600 with 'W'/'E' gives "75E0").
std::string AtlasCoordinateText(long arcSeconds, char positive, char negative);

// The zone of an answer: zoneValue / 900, less one hour for daylight time
// kinds 1 and 2 and two for kind 3. Any other kind is local mean time: the
// message "LMT is used" (titled "LMT used") and the zone unchanged.
float AtlasZoneHours(Host& host, long zoneValue, int timeKind);

// "Lookup": turns `answer` into `values` (texts, zone, AtlasAnswer = Yes,
// AtlasLookupOk). Returns the caption the atlas window shows next: the
// duplicate-city warning, when the window stays open for another choice,
// else "Atlas".
std::string_view AtlasLookup(Host& host, const AtlasAnswerValues& answer, AtlasValues& values);

// Makes ready for a lookup: the result may be used once a lookup answers,
// and nothing is to be filled in until then, so closing the atlas without a
// lookup changes no field.
void BeginAtlasLookup(AtlasValues& values);

// Fills the zone and place fields of an input window from the last lookup,
// when it answered Yes and may be used. Stops, changing nothing, when the
// longitude text has neither "W" nor "E", reads above 180 degrees, or the
// latitude text has neither "N" nor "S", and when the place is off the globe
// (negative or non-finite parts, minutes of 60 or more, beyond 180 or 90
// degrees) or the zone beyond 13 hours. True when filled.
bool FillPlaceFromAtlas(const AtlasValues& values, ChartInputFields& fields);

}  // namespace orv
