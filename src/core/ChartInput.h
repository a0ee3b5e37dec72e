#pragma once
// The chart input: the texts and choices of the two input windows, the checks
// run before every computation, and the readers that turn checked texts into
// the chart input values.

#include <string>
#include <string_view>

#include "core/HouseSystem.h"
#include "core/NumberFile.h"

namespace orv {

class Host;

// The fields both input windows have, as typed: the hour on the 12-hour
// clock, the time zone in hours West positive, the coordinates unsigned
// degrees and minutes beside their option groups. Windows copy their widgets
// into this struct and back; the logic reads and writes only this.
struct ChartInputFields {
  std::string Month, Day, Year;
  std::string Hour, Minute;
  std::string TimeZone;
  std::string LongDeg, LongMin;
  std::string LatDeg, LatMin;
  std::string Email;
  bool Pm = false;     // optPM set (optAM otherwise)
  bool East = false;   // optEast set (optWest otherwise)
  bool South = false;  // optSouth set (optNorth otherwise)
};

// The checked and converted values of one chart.
struct ChartInputValues {
  int day = 0, month = 0, year = 0;
  std::string dateText;    // the date texts as typed, joined by "/" in DateOrder
  float time = 0;          // hour + minute / 100
  float timeZone = 0;      // hours, West positive
  std::string amPm;        // "A.M." or "P.M."
  float longitude = 0;     // degrees + minutes / 100, East negative
  float latitude = 0;      // degrees + minutes / 100, South negative
  std::string eastWest;    // "East" or "West"
  std::string northSouth;  // "North" or "South"
};

enum class ChartSection { Natal, Diurnal };

// The message for a latitude beyond which Placidus and Koch cusps stop
// existing (66 degrees 00 minutes), titled "Warning!".
inline constexpr std::string_view kLatitudeTooHigh =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";

// Runs the four checks in order, each whatever the earlier found, with their
// messages through `host`. Returns `InputError`: 1 when any check failed.
int CheckChartInput(Host& host, const ChartInputFields& natal, const ChartInputFields& diurnal,
                    HouseSystemCode houseSystem);

// The individual checks; each shows its own messages and returns true when
// it found an error.
bool ValidateInputPresent(Host& host, const ChartInputFields& natal,
                          const ChartInputFields& diurnal);
// The presence tests of one section alone (for a save that needs no chart 2).
bool ValidateSectionPresent(Host& host, const ChartInputFields& fields, ChartSection section);
bool CheckHighLatitude(Host& host, const ChartInputFields& natal, const ChartInputFields& diurnal,
                       HouseSystemCode houseSystem);
bool ValidateNatalRanges(Host& host, const ChartInputFields& natal);
bool ValidateDiurnalRanges(Host& host, const ChartInputFields& diurnal);
// Shows the section's error message ("Error in natal input data section.
// Please correct." or the diurnal one).
void ShowSectionError(Host& host, ChartSection section);

// Whether converted values lie where the computation is defined: all
// finite, a calendar date of the years 1 to 2099, a time of 0 to 12 hours
// and 59 minutes, a zone of 13 hours East to 12 West, a longitude within
// 180 and a latitude within 90 degrees. The input checks keep every other
// value out; this is the computation's own guard against any other caller.
bool ChartInputInRange(const ChartInputValues& values);

// Reads checked fields into chart input values. `dateOrder`: 0 month/day/
// year, 1 day/month/year, 2 year/month/day.
ChartInputValues GetChartInput(const ChartInputFields& fields, int dateOrder);

// The second-chart window takes the natal time and place (not the date).
void CopyNatalToDiurnal(const ChartInputFields& natal, ChartInputFields& diurnal);

// The hour field's rule: 0 becomes 12 (A.M./P.M. unchanged); 13 to 23 set
// P.M. and lose 12; larger hours are left for the checks to refuse. Returns
// false, changing nothing, when the text is not a whole number.
bool ApplyHourRule(ChartInputFields& fields);

// A clock reading: a calendar date, hour (0-23) and minute.
struct LocalClock {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0;
};

// The reading `utc` (universal time) as the clock of the zone
// `zoneHoursWest` (hours West positive, fractions to the minute) shows it.
LocalClock ClockInZone(const LocalClock& utc, double zoneHoursWest);

// Sets the date, the hour (through the hour rule), the minute and A.M./P.M.
// of `fields` to the present moment `utcNow` in the zone the fields show
// (universal time when it is no number); afternoon is decided by the hour.
// So the chart is cast for the real present whatever the computer's zone.
void SetMomentToNow(ChartInputFields& fields, const LocalClock& utcNow);

// Fills the second-chart fields with the default place of the option
// values (zone 18, longitude 19-21, latitude 22-24) and the present moment
// `utcNow` in that zone.
void SetDiurnalToNow(ChartInputFields& diurnal, const LocalClock& utcNow,
                     const OptionValues& options);

// A number as a field shows it when code writes it: the shortest plain
// text with "." as decimal point, no exponent, no negative zero ("5", "-5",
// "71.5", "0"). Six decimals at most, which also drops the noise of values
// held in single precision.
std::string ShortestNumberText(double value);

}  // namespace orv
