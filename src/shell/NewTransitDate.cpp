#include "shell/NewTransitDate.h"

#include <cmath>

#include "base/Text.h"
#include "core/ChartTime.h"

namespace orv {

namespace {

bool IsLeapYear(int year) {
  const auto divides = [year](int n) { return year % n == 0; };
  if (year <= 1582) return divides(4);  // also right for years before 1, as 0 and -4
  return divides(4) && (!divides(100) || divides(400));
}

// The boxes take digits only, but a long run of them must not overflow.
int WholeNumber(std::string_view text) {
  const double value = std::trunc(LeadingNumber(text));
  return value > 1e6 ? 1000000 : value < -1e6 ? -1000000 : static_cast<int>(value);
}

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

NewDateCheck CheckNewDate(std::string_view month, std::string_view day, std::string_view year) {
  const int m = WholeNumber(month);
  const int d = WholeNumber(day);
  const int y = WholeNumber(year);
  NewDateCheck check;
  if (m < 1 || m > 12) {
    check.message = "The month must be a number from 1 to 12.";
    check.field = NewDateCheck::Field::Month;
  } else if (d < 1 || d > DaysInMonth(y, m)) {
    check.message = "The day must be a number from 1 to " + std::to_string(DaysInMonth(y, m)) +
                    " in that month.";
    check.field = NewDateCheck::Field::Day;
  } else if (y == 1582 && m == 10 && d > 4 && d < 15) {
    check.message =
        "The days 5 to 14 October 1582 do not exist: the Gregorian calendar follows 4 October "
        "1582 with 15 October.";
    check.field = NewDateCheck::Field::Day;
  } else {
    check.julianDay = DateToJulianDay(y, m, d);
  }
  return check;
}

}  // namespace orv
