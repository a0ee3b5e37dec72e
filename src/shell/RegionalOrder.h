#pragma once
// The user's regional short-date order and clock, taken from the system
// locale's format strings (the Qt layer reads them and passes them in).

#include <cstdint>
#include <string_view>

namespace orv {

// `DateOrderKind`, numbered as the names files and the input windows expect.
enum class DateOrderKind : std::int16_t {
  MonthDayYear = 0,
  DayMonthYear = 1,
  YearMonthDay = 2,
};

// `TimeFormat`: the 12-hour clock with an AM/PM marker, or the 24-hour clock.
enum class TimeFormatKind : std::int16_t {
  TwelveHour = 0,
  TwentyFourHour = 1,
};

// `DateOrder` and `TimeFormat`, read once at start-up.
struct RegionalOrder {
  DateOrderKind DateOrder = DateOrderKind::MonthDayYear;
  TimeFormatKind TimeFormat = TimeFormatKind::TwelveHour;
};

// The order of day, month and year in a short-date format string of Qt's
// kind ("M/d/yy", "dd.MM.yy", "yyyy-MM-dd"; quoted text and weekday names
// skipped). Month first when the string names no day, month and year.
DateOrderKind DateOrderFromFormat(std::string_view shortDateFormat);

// The clock of a time format string of Qt's kind: 12-hour when it shows an
// AM/PM marker ("h:mm AP", "h:mm a"), otherwise 24-hour ("HH:mm").
TimeFormatKind TimeFormatFromFormat(std::string_view timeFormat);

}  // namespace orv
