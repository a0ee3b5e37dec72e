#pragma once
// The time-zone rules of the system (the IANA tz database), for the logic
// that needs the offset in force at a place on a given day and hour.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A wall-clock moment as typed: proleptic Gregorian date, 24-hour clock.
struct LocalDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0;
};

// The offset of one kind of time, East of Greenwich positive as the tz
// database keeps it.
struct ZoneOffset {
  int standardSeconds = 0;  // the zone's standard time
  int daylightSeconds = 0;  // added for daylight (summer) time; 0 outside it
  std::string abbreviation; // "EST", "BDST", "LMT"...
  bool localMeanTime = false;  // before the zone kept a standard time
  int totalSeconds() const { return standardSeconds + daylightSeconds; }
};

// How a local time fits the clock changes of a zone.
enum class LocalTimeFit {
  Unique,   // it happened once: one offset
  Gap,      // the clocks skipped it: the offsets before and after the change
  Overlap,  // it happened twice: the earlier offset first
};

struct ZoneAtLocalTime {
  bool knownZone = false;  // false: no such zone in the database, no offsets
  LocalTimeFit fit = LocalTimeFit::Unique;
  std::vector<ZoneOffset> offsets;
};

class ZoneRules {
 public:
  virtual ~ZoneRules() = default;
  // The offset(s) of `zoneName` (e.g. "America/New_York") at the local
  // time `when`.
  virtual ZoneAtLocalTime At(std::string_view zoneName, const LocalDateTime& when) const = 0;
};

}  // namespace orv
