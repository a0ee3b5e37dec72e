#pragma once
// The atlas: a place looked up by the start of its name in the gazetteer,
// with the time zone and daylight time in force there at the local date and
// time of the input window that asked, answered in the form the input
// windows fill their place from (longitude "75W10", latitude "39N45", the
// time zone in hours).
//
// It stands where an outside atlas control answered with whole seconds of
// arc, a zone in 1/900 hours and the kind of time at the place; the
// conversions of those answers are kept, so a place from any source fills
// the windows alike.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ZoneRules.h"
#include "shell/input/Gazetteer.h"
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

// Whether the atlas has its data: the gazetteer file in the program folder.
bool AtlasPresent(const std::filesystem::path& appPath);

// The gazetteer, read from `appPath` on first use and kept in `loaded`, so
// start-up does not pay for it. Nothing when it cannot be read (tried again
// on the next use). When `host` is given, it is told once of a file that
// holds no place, or of the first broken line of one whose other places
// were read.
const Gazetteer* AtlasGazetteer(std::shared_ptr<const Gazetteer>& loaded,
                                const std::filesystem::path& appPath, Host* host = nullptr);

// The local date and time of the window that asked, on the 24-hour clock
// (12 AM is hour 0, 1 PM hour 13). Nothing when a field is not a whole
// number in range (month 1-12, a day of that month, year 1-9999, hour
// 0-12, minute 0-59).
std::optional<LocalDateTime> AtlasLocalTime(const ChartInputFields& fields);

inline constexpr std::string_view kAtlasNeedsDateTime =
    "Type a valid date and time in the input window first: the time zone in force at the "
    "place depends on them.";

// The message for a place name that starts no name of the atlas.
std::string AtlasPlaceNotFound(std::string_view typed);

// A gazetteer place with the offset in force there, as an atlas answers
// it: one or two hours of daylight time as their kinds, local mean time as
// its kind, any other daylight amount within the zone.
AtlasAnswerValues AtlasAnswerFor(const GazetteerPlace& place, const ZoneOffset& offset,
                                 bool duplicate);

// "1990-07-15 21:00".
std::string LocalDateTimeText(const LocalDateTime& when);

// One offset as the user picks it: "Zone 4: EDT, daylight time".
std::string ZoneChoiceText(const ZoneOffset& offset);

// What the atlas says of a local time that the clocks skipped (a gap) or
// passed twice (an overlap) in `zoneName`; empty for any other time.
std::string LocalTimeNote(const ZoneAtLocalTime& zone, std::string_view zoneName,
                          const LocalDateTime& when);

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

// Whether `zone` (hours, West positive) is a zone some place had, within a
// day of Greenwich, that the Time Zone field cannot take (-13 to 12).
bool ZoneBeyondTheField(float zone);

// Why a place with such a zone fills in nothing: the zone, and the range
// the Time Zone field accepts.
std::string AtlasZoneOutOfRange(float zone);

// Fills the zone and place fields of an input window from the last lookup,
// when it answered Yes and may be used. Stops, changing nothing, when the
// longitude text has neither "W" nor "E", reads above 180 degrees, or the
// latitude text has neither "N" nor "S", and when the place is off the globe
// (negative or non-finite parts, minutes of 60 or more, beyond 180 or 90
// degrees) or the zone is none the Time Zone field accepts, telling the
// user why (AtlasZoneOutOfRange) where it is a real zone
// (ZoneBeyondTheField). True when filled.
bool FillPlaceFromAtlas(Host& host, const AtlasValues& values, ChartInputFields& fields);

}  // namespace orv
