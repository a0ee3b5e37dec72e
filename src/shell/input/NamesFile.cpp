#include "shell/input/NamesFile.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Text.h"
#include "core/ChartTime.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/input/FieldReader.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

NamesFileContent ParseNames(FieldStream& fields, size_t expectedRecords) {
  NamesFileContent content;
  content.Records.reserve(expectedRecords);
  content.RecordLines.reserve(expectedRecords);
  while (!fields.AtEnd()) {
    NameRecord record;
    record.Name = *fields.Next();
    content.EndLine = fields.Line();
    if (record.Name.empty()) {
      // A blank line or a stray comma ends the list: count what the user
      // may not know is left out.
      content.EmptyNameInLine = !fields.WholeLine();
      for (int counted = content.EndLine; auto field = fields.Next();) {
        if (fields.Line() == counted || Trim(*field).empty()) continue;
        counted = fields.Line();
        ++content.UnreadLines;
      }
      return content;
    }
    const std::array<std::string*, 7> rest = {&record.Date,     &record.Time,      &record.AmPm,
                                              &record.TimeZone, &record.Longitude, &record.Latitude,
                                              &record.Email};
    for (std::string* field : rest) {
      auto value = fields.Next();
      if (!value) {
        content.ErrorLine = fields.Line();
        return content;
      }
      *field = std::move(*value);
    }
    content.Records.push_back(std::move(record));
    content.RecordLines.push_back(content.EndLine);
  }
  content.EndLine = 0;
  return content;
}

}  // namespace

NamesFileContent ParseNamesFile(const std::vector<std::string>& lines) {
  FieldStream fields(lines);
  return ParseNames(fields, lines.size());
}

NamesFileContent ParseNamesText(std::string_view text) {
  FieldStream fields = FieldStream::OfText(text);
  // A record a line, as files are written: room for them all at once.
  return ParseNames(fields, size_t(std::count(text.begin(), text.end(), '\n')) + 1);
}

std::string UnreadLinesNotice(const fs::path& path, const NamesFileContent& content) {
  if (content.UnreadLines == 0) return {};
  const bool one = content.UnreadLines == 1;
  const bool broken = content.EmptyNameInLine;
  return "Line " + std::to_string(content.EndLine) + " of the names file " + path.string() +
         (broken ? " has a broken record (an empty name after a comma)" : " is empty") +
         ", and the names list ends there: " +
         (one ? "the line after it is"
              : "the " + std::to_string(content.UnreadLines) + " lines after it are") +
         " not read. To list the people on " + (one ? "it" : "them") + ", " +
         (broken ? "correct that line" : "remove the empty line") +
         " with Edit this List in the Names window.";
}

namespace {

// Parses the text read from `load.Path`, reporting a file that breaks off.
void ParseLoadedNames(Host& host, std::string_view text, NamesFileLoad& load) {
  NamesFileContent content = ParseNamesText(text);
  std::vector<int> bad;
  for (size_t i = 0; i < content.Records.size(); ++i) {
    const std::string& date = content.Records[i].Date;
    if (!ParseNamesDate(date, 0) && !ParseNamesDate(date, 1) && !ParseNamesDate(date, 2))
      bad.push_back(content.RecordLines[i]);
  }
  if (content.ErrorLine) bad.push_back(*content.ErrorLine);
  load.UnreadNotice = UnreadLinesNotice(load.Path, content);
  load.Records = std::move(content.Records);
  if (!bad.empty()) {
    host.ShowMessage(std::string(kNamesFileErrorText) + WhereInFile(load.Path, bad), kTitleError,
                     MessageIcon::Critical);
  }
}

// The decoded text of the file at `path`; nothing when it cannot be read.
std::optional<std::string> ReadNamesText(const fs::path& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  // UTF-8 is kept as read, without a copy: names files run to millions of lines.
  if (!IsUtf8(*bytes)) return DecodeWindows1252(*bytes);
  if (bytes->starts_with("\xEF\xBB\xBF")) bytes->erase(0, 3);
  return bytes;
}

}  // namespace

NamesFileLoad LoadNamesFile(Host& host, const fs::path& appPath, std::string_view dataFile) {
  NamesFileLoad load;
  load.DataFile = std::string(dataFile);
  const fs::path defaultPath = ResolveInFolder(appPath, kDefaultNamesFile);
  const fs::path chosen(load.DataFile);
  load.Path = dataFile.empty()       ? defaultPath
              : chosen.is_absolute() ? chosen
                                     : ResolveInFolder(appPath, dataFile);
  auto text = ReadNamesText(load.Path);
  if (!text && !dataFile.empty()) {
    // Said once: the current file becomes NAMES.FIL, so the next load does
    // not look for it again.
    host.ShowMessage("Cannot read the names file called " + load.Path.string() +
                         ". The names list shows " + defaultPath.string() + " in its place.",
                     kTitleWarning, MessageIcon::Exclamation);
    load.DataFile.clear();
    load.Path = defaultPath;
    text = ReadNamesText(load.Path);
  }
  if (!text) {
    ReportMissingFile(host, load.Path.string());
    load.Path.clear();
    return load;
  }
  ParseLoadedNames(host, *text, load);
  return load;
}

NamesFileLoad LoadChosenNamesFile(Host& host, const fs::path& path) {
  NamesFileLoad load;
  load.DataFile = path.string();
  load.Path = path;
  const auto text = ReadNamesText(path);
  if (!text) {
    ReportMissingFile(host, path.string());
    return load;
  }
  ParseLoadedNames(host, *text, load);
  return load;
}

namespace {

bool IsDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

bool IsLetters(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
  return true;
}

// The value of a run of digits; more digits than any date field holds give
// -1, which no check accepts.
int DigitsValue(std::string_view s) {
  while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
  if (s.size() > 5) return -1;
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// The month a name or abbreviation of at least three letters stands for.
std::optional<int> MonthFromName(std::string_view word) {
  static constexpr std::array<std::string_view, 12> kNames = {
      "january", "february", "march",     "april",   "may",      "june",
      "july",    "august",   "september", "october", "november", "december"};
  if (word.size() < 3) return std::nullopt;
  for (size_t m = 0; m < kNames.size(); ++m) {
    if (word.size() > kNames[m].size()) continue;
    size_t i = 0;
    while (i < word.size() && (word[i] >= 'A' && word[i] <= 'Z' ? char(word[i] + 32) : word[i]) ==
                                  kNames[m][i])
      ++i;
    if (i == word.size()) return int(m + 1);
  }
  return std::nullopt;
}

// The tokens of a date, at most four kept (a fourth says there are too many
// for a date): a names file holds a date a record.
struct DateTokenList {
  std::array<std::string_view, 4> tokens;
  size_t count = 0;
  size_t size() const { return count; }
  std::string_view operator[](size_t i) const { return tokens[i]; }
  auto begin() const { return tokens.begin(); }
  auto end() const { return tokens.begin() + std::ptrdiff_t(count); }
};

bool IsDateSeparator(char c) { return c == '/' || c == '-' || c == '.' || c == ' ' || c == '\t'; }

DateTokenList DateTokens(std::string_view text) {
  DateTokenList list;
  size_t i = 0;
  while (i < text.size() && list.count < list.tokens.size()) {
    size_t stop = i;
    while (stop < text.size() && !IsDateSeparator(text[stop])) ++stop;
    if (stop > i) list.tokens[list.count++] = text.substr(i, stop - i);
    i = stop + 1;
  }
  return list;
}

// The record's "d mmm yyyy" parts, when it has that form.
struct DayMonthYearText {
  std::string_view day, month, year;
};
std::optional<DayMonthYearText> SplitDayMonthYear(std::string_view date) {
  const auto tokens = DateTokens(Trim(date));
  if (tokens.size() != 3 || tokens[0].size() > 2 || !IsDigits(tokens[0]) ||
      !MonthFromName(tokens[1]) || !IsLetters(tokens[1]) || tokens[2].size() != 4 ||
      !IsDigits(tokens[2])) {
    return std::nullopt;
  }
  return DayMonthYearText{tokens[0], tokens[1], tokens[2]};
}

}  // namespace

std::optional<CivilDateTime> ParseNamesDate(std::string_view text, int dateOrder) {
  const auto tokens = DateTokens(Trim(text));
  if (tokens.size() != 3) return std::nullopt;
  int year = 0, month = 0, day = 0;
  size_t named = tokens.size();
  for (size_t i = 0; i < tokens.size(); ++i)
    if (IsLetters(tokens[i])) named = i;
  if (named < tokens.size()) {
    const auto m = MonthFromName(tokens[named]);
    if (!m) return std::nullopt;
    std::array<std::string_view, 2> numbers;
    for (size_t i = 0, k = 0; i < tokens.size(); ++i)
      if (i != named) numbers[k++] = tokens[i];
    if (!IsDigits(numbers[0]) || !IsDigits(numbers[1])) return std::nullopt;
    month = *m;
    // "12 May 1959" or "1959 May 12": the year is the number with more than two digits.
    const bool yearFirst = numbers[0].size() > 2;
    year = DigitsValue(yearFirst ? numbers[0] : numbers[1]);
    day = DigitsValue(yearFirst ? numbers[1] : numbers[0]);
  } else {
    for (auto t : tokens)
      if (!IsDigits(t) || t.size() > 4) return std::nullopt;
    const int a = DigitsValue(tokens[0]), b = DigitsValue(tokens[1]), c = DigitsValue(tokens[2]);
    if (tokens[0].size() == 4 || dateOrder == 2) {
      year = a, month = b, day = c;
    } else if (dateOrder == 1) {
      day = a, month = b, year = c;
    } else {
      month = a, day = b, year = c;
    }
  }
  if (year < 1 || year > 9999 || !IsCalendarDate(year, month, day)) return std::nullopt;
  CivilDateTime date;
  date.year = year;
  date.month = month;
  date.day = day;
  return date;
}

std::string NamesDateForOrder(std::string_view date, int dateOrder) {
  const auto parts = dateOrder == 2 ? SplitDayMonthYear(date) : std::nullopt;
  if (!parts) return std::string(date);
  const std::string day =
      parts->day.size() < 2 ? "0" + std::string(parts->day) : std::string(parts->day);
  return std::string(parts->year) + " " + std::string(parts->month.substr(0, 3)) + " " + day;
}

namespace {

// Degrees + minutes / 100 as the unsigned degrees and minutes texts.
void SplitDegreesMinutes(double value, std::string& degrees, std::string& minutes) {
  const double magnitude = std::fabs(value);
  const double whole = std::floor(magnitude);
  degrees = FormatNumber(whole, "0");
  minutes = FormatNumber((magnitude - whole) * 100, "#0");
}

}  // namespace

bool NameRecordToFields(const NameRecord& record, int dateOrder, ChartInputFields& fields) {
  const auto date = ParseNamesDate(record.Date, dateOrder);
  if (!date) return false;
  ChartInputFields out = fields;
  out.Month = std::to_string(date->month);
  out.Day = std::to_string(date->day);
  out.Year = std::to_string(date->year);

  const double time = LeadingNumber(record.Time);
  const double hour = std::floor(time);
  // The window's hour rule: the field shows the 12-hour clock.
  double shown = hour == 0 ? 12 : hour;
  if (shown > 12) shown = std::fmod(shown - 1, 12) + 1;  // 13 gives 1, 24 gives 12
  out.Hour = FormatNumber(shown, "0");
  out.Minute = FormatNumber((time - hour) * 100, "#0");
  out.Pm = ToUpperAscii(record.AmPm) != "A";

  out.TimeZone = ShortestNumberText(LeadingNumber(record.TimeZone));
  const double longitude = LeadingNumber(record.Longitude);
  SplitDegreesMinutes(longitude, out.LongDeg, out.LongMin);
  out.East = longitude < 0;
  const double latitude = LeadingNumber(record.Latitude);
  SplitDegreesMinutes(latitude, out.LatDeg, out.LatMin);
  out.South = latitude < 0;
  out.Email = record.Email;
  fields = out;
  return true;
}

std::optional<InputTarget> LoadPersonIntoInput(Host& host, std::vector<NameRecord>& records,
                                               size_t index, int dateOrder, NatalInputFields& natal,
                                               SecondChartInputFields& second) {
  const auto fail = [&]() -> std::optional<InputTarget> {
    host.ShowMessage(kNamesRecordErrorText, kTitleError, MessageIcon::Critical);
    return std::nullopt;
  };
  if (index >= records.size()) return fail();
  NameRecord& record = records[index];
  record.Date = NamesDateForOrder(record.Date, dateOrder);
  if (second.SecondPerson) {
    if (!NameRecordToFields(record, dateOrder, second)) return fail();
    second.SecondPersonCaption = record.Name;
    return InputTarget::SecondChart;
  }
  if (!NameRecordToFields(record, dateOrder, natal)) return fail();
  natal.Name = record.Name;
  return InputTarget::Natal;
}

}  // namespace orv
