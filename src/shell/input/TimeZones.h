#pragma once
// The time-zone table TZ.DAT: zone names, short labels and hours, listed in
// the time-zone window and written into a chart input window on a click.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/input/InputFields.h"

namespace orv {

class Host;

// One record of TZ.DAT: the zone name (at most 32 characters), a short label
// (at most 4) and the hours, West of Greenwich positive, East negative.
struct TimeZoneRecord {
  std::string Name, Label, Hours;
};

inline constexpr std::string_view kTimeZoneFile = "TZ.DAT";
inline constexpr size_t kZoneNameWidth = 32;
inline constexpr size_t kZoneLabelWidth = 4;
inline constexpr std::string_view kTimeZoneCorruptText = "The file TZ.DAT is corrupt.";

// What TZ.DAT holds, read with sequential field input, three fields a
// record, up to the end of the file or a record whose name is empty. A name
// or label too long, hours that are not a number, or a record cut short by
// the end of the file make the file corrupt: reading stops there.
struct TimeZoneContent {
  std::vector<TimeZoneRecord> Records;  // in file order
  std::optional<int> ErrorLine;         // 1-based line of the fault
};
TimeZoneContent ParseTimeZones(const std::vector<std::string>& lines);

// The largest TZ.DAT read, in bytes: hundreds of times the shipped table.
inline constexpr std::uintmax_t kTimeZoneFileLimit = 1'000'000;

// Reads TZ.DAT in `appPath` for the time-zone window. A missing file:
// "Cannot find the file called ..."; a corrupt one: "The file TZ.DAT is
// corrupt." (with the line), keeping the records before the fault; one
// beyond kTimeZoneFileLimit bytes is corrupt too (with its size), and not
// read at all.
std::vector<TimeZoneRecord> LoadTimeZones(Host& host, const std::filesystem::path& appPath);

// The list line: the name padded to 32, " - ", the label right-aligned in 4,
// " =", and the hours right-aligned by PadSignedNum4
// ("Eastern Standard Time            -  EST =   5").
std::string TimeZoneListLine(const TimeZoneRecord& zone);

// The zone as an input window takes it: the hours as plain text and East
// when they are negative (West for 0 and more).
struct ZoneChoice {
  std::string TimeZone;
  bool East = false;
};
ZoneChoice ZoneForInput(const TimeZoneRecord& zone);

// A click on the time-zone list: writes zone `index` into the natal window
// (`zoneTarget` 0) or the second-chart window (any other value). On a bad
// index or hours: "The file TZ.DAT is corrupt." and nothing returned.
std::optional<InputTarget> PickTimeZone(Host& host, const std::vector<TimeZoneRecord>& zones,
                                        size_t index, int zoneTarget, NatalInputFields& natal,
                                        SecondChartInputFields& second);

}  // namespace orv
