#include "shell/RegionalOrder.h"

#include <functional>
#include <optional>

namespace orv {
namespace {

// Calls `visit(letter, runLength, position)` for every run of one repeated
// letter outside quoted text ('...', with '' for a quote inside).
void ForEachFieldRun(std::string_view format,
                     const std::function<void(char, size_t, size_t)>& visit) {
  size_t i = 0;
  while (i < format.size()) {
    const char c = format[i];
    if (c == '\'') {
      ++i;
      while (i < format.size()) {
        if (format[i] == '\'') {
          if (i + 1 < format.size() && format[i + 1] == '\'') {
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        ++i;
      }
      continue;
    }
    size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    visit(c, run, i);
    i += run;
  }
}

}  // namespace

DateOrderKind DateOrderFromFormat(std::string_view shortDateFormat) {
  std::optional<size_t> day, month, year;
  ForEachFieldRun(shortDateFormat, [&](char c, size_t run, size_t position) {
    // "ddd" and "dddd" are weekday names, not the day of the month.
    if (c == 'd' && run <= 2 && !day) day = position;
    if ((c == 'M' || c == 'L') && !month) month = position;
    if (c == 'y' && !year) year = position;
  });
  if (year && (!month || *year < *month) && (!day || *year < *day))
    return DateOrderKind::YearMonthDay;
  if (day && month && *day < *month) return DateOrderKind::DayMonthYear;
  return DateOrderKind::MonthDayYear;
}

TimeFormatKind TimeFormatFromFormat(std::string_view timeFormat) {
  bool marker = false;
  ForEachFieldRun(timeFormat, [&](char c, size_t, size_t) {
    if (c == 'a' || c == 'A') marker = true;
  });
  return marker ? TimeFormatKind::TwelveHour : TimeFormatKind::TwentyFourHour;
}

}  // namespace orv
