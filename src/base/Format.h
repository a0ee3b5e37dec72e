#pragma once
// The one locale-independent formatter for numbers and dates in listings and
// files, and the right-aligners of the fixed-column listings.

#include <string>
#include <string_view>

namespace orv {

// Formats `value` with a numeric pattern such as "0.00", "#0.00", "##0.0",
// "00", "#0", "##.#0" or "#00#.#0":
//  - the integer part shows at least as many digits as the pattern has from
//    its first "0" before the point to the point ("#00#" gives at least 3);
//  - the fraction shows as many digits as the pattern has after the point,
//    trailing zeros dropped back to the last "0" placeholder (a point left
//    with no digits after it is dropped too);
//  - "." is the decimal point in every locale;
//  - halves round away from zero, judged on the value's 15 significant
//    decimal digits (so 2.675 rounds to 2.68, as a user reads it);
//  - a value that rounds to zero prints without a sign.
// Characters other than "0", "#" and "." before or after the placeholders are
// copied as they stand.
std::string FormatNumber(double value, std::string_view pattern);

// `n` in decimal with a comma between groups of three digits: "1,234,567".
std::string GroupThousands(long long n);

// A calendar date and clock time, as the date patterns read it.
struct CivilDateTime {
  int year = 1900;
  int month = 1;  // 1..12
  int day = 1;
  int hour = 0;  // 0..23
  int minute = 0;
  int second = 0;
};

// Formats a date with the tokens d, dd, ddd, dddd (day, two-digit day,
// weekday abbreviation, weekday name), m, mm, mmm, mmmm (month), yy, yyyy,
// h, hh (hour 0-23), n, nn (minute), s, ss and AM/PM or am/pm (which also
// turns h into the 12-hour clock). Other characters are copied. Month and
// weekday names are English. "m" is always the month; minutes are "n".
std::string FormatDate(const CivilDateTime& when, std::string_view pattern);

// Weekday of a proleptic Gregorian date: 0 Sunday .. 6 Saturday.
int WeekdayOf(int year, int month, int day);

// Right-aligners: `s` with leading blanks so that the integer part of the
// number at its start fills the routine's width (2 to 6). A text beginning
// "-0," (a negative fraction written with a decimal comma) counts as negative.
std::string PadNum2(std::string_view s);
std::string PadNum3(std::string_view s);
std::string PadSignedNum3(std::string_view s);
std::string PadSignedNum4(std::string_view s);
std::string PadSignedNum5(std::string_view s);
std::string PadSignedNum6(std::string_view s);

}  // namespace orv
