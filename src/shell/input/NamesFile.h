#pragma once
// Names files (*.FIL, NAMES.FIL by default): the user's people, one record a
// line, and the conversion of a record into a chart input window's fields.
//
// A record holds eight comma-separated fields: name, date ("12 May 1959"),
// time (hour + minute / 100, "10.43"), "A" or "P", time zone (hours, West
// positive), longitude and latitude (degrees + minutes / 100, East and South
// negative: "075.23", "-33.55") and e-mail. A name may begin with "m " or
// "w " to mark a man or a woman.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Format.h"
#include "shell/input/InputFields.h"

namespace orv {

class Host;

struct NameRecord {
  std::string Name, Date, Time, AmPm, TimeZone, Longitude, Latitude, Email;
  bool operator==(const NameRecord&) const = default;
};

inline constexpr std::string_view kDefaultNamesFile = "NAMES.FIL";

// What a names file holds, read with sequential field input: eight fields a
// record whatever the line breaks (a short line borrows from the next),
// ending at the end of the file or at a record whose name is empty (an
// empty line, or a stray comma). A record cut short by the end of the file
// is an error.
struct NamesFileContent {
  std::vector<NameRecord> Records;  // in file order
  std::vector<int> RecordLines;     // the 1-based line each record begins on
  std::optional<int> ErrorLine;     // 1-based line where the records broke off
  // 1-based line where the list stops before the end of the file: the line
  // of its empty name, or the first line of a record cut short. 0 when it
  // runs to the end.
  int EndLine = 0;
  // When the list ends at an empty name: how many lines after its line
  // hold anything (records, notes), none of them read.
  int UnreadLines = 0;
  // The empty name stands within a line (a stray comma), not on a blank line.
  bool EmptyNameInLine = false;
};
NamesFileContent ParseNamesFile(const std::vector<std::string>& lines);
// The same, from the file's decoded text.
NamesFileContent ParseNamesText(std::string_view text);

// The names list as loaded for the names window.
struct NamesFileLoad {
  std::string DataFile;        // the current names file; "" when NAMES.FIL serves
  std::filesystem::path Path;  // the file read; empty when none could be
  std::vector<NameRecord> Records;
  // The names window's word on lines the list does not reach (see
  // UnreadLinesNotice); "" when there are none.
  std::string UnreadNotice;
};

// What the names window says when the list of the file at `path` ends at a
// blank line or a broken record with lines that hold anything after it: the
// file, the line and how many lines are not read, so that the user can mend
// the line. "" when the list runs to the end, or only blank lines follow.
// Reading stops there all the same: a file may keep notes after a blank line.
std::string UnreadLinesNotice(const std::filesystem::path& path, const NamesFileContent& content);

// Loads the current names file `dataFile` (a path; "" for NAMES.FIL in
// `appPath`). When it cannot be read, the user is told, NAMES.FIL in
// `appPath` serves and the current file becomes "". When that cannot be
// read either: "Cannot find the file called ..." and an empty list. A
// record cut short, or one whose date no date order reads (a day of 31
// February, a year of ten digits), shows the names-file error message with
// the file and lines; the records stay listed.
NamesFileLoad LoadNamesFile(Host& host, const std::filesystem::path& appPath,
                            std::string_view dataFile);

// Loads exactly the names file at `path`, the one the user just chose: when
// it cannot be read, "Cannot find the file called ..." and an empty list
// (no other file serves in its place).
NamesFileLoad LoadChosenNamesFile(Host& host, const std::filesystem::path& path);

// A names-file date: "dd mmm yyyy" or "yyyy mmm dd" with English month
// names or abbreviations in any letter case, or three numbers separated by
// "/", "-", "." or blanks in the user's `dateOrder` (0 month/day/year,
// 1 day/month/year, 2 year/month/day), a four-digit first number always
// being the year. Nothing when it is not a real calendar date.
std::optional<CivilDateTime> ParseNamesDate(std::string_view text, int dateOrder);

// The date as the year/month/day order (`dateOrder` 2) shows it: "12 May
// 1959" becomes "1959 May 12" and "2 May 1959" "1959 May 02". Any other
// order, or a date not in the "d mmm yyyy" form, stays as it is.
std::string NamesDateForOrder(std::string_view date, int dateOrder);

// Fills the date, time, AM/PM, zone, place and e-mail fields from `record`;
// the name is the caller's. The hour comes out on the 12-hour clock (0 gives
// 12, 15 gives 3) and the record's "A" or "P" sets AM or PM. False, with
// `fields` untouched, when the date or time cannot be read.
bool NameRecordToFields(const NameRecord& record, int dateOrder, ChartInputFields& fields);

// A click on the names list: loads record `index` into the second-chart
// window when its "2nd Person" box is ticked (the name becomes the box's
// caption), else into the natal window (the name fills the name field).
// With `dateOrder` 2 the record's date is rewritten in `records` for that
// order. On a bad record or index: the names-file format message, nothing
// changed, nothing returned. After a natal fill the caller brings the
// second-chart window up to date (natal data or the present moment).
std::optional<InputTarget> LoadPersonIntoInput(Host& host, std::vector<NameRecord>& records,
                                               size_t index, int dateOrder, NatalInputFields& natal,
                                               SecondChartInputFields& second);

// The names-file messages, titled "Error!": a file that breaks off while
// it is loaded, and a record that cannot be loaded into a window.
inline constexpr std::string_view kNamesFileErrorText =
    "You have an error in the current names file. You need to check and see if "
    "you have entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Names window and edit the incorrect "
    "data.";
inline constexpr std::string_view kNamesRecordErrorText =
    "Format error or typographical error in selected data. Please correct this data entry by "
    "clicking on the Edit this List command button in the Names window and editing the data "
    "associated with your chosen name.";

}  // namespace orv
