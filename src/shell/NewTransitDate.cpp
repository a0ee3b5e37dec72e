#include "shell/NewTransitDate.h"

#include <cmath>

#include "base/Text.h"
#include "core/ChartTime.h"

namespace orv {

namespace {

// The boxes take digits only, but a long run of them must not overflow.
int BoxNumber(std::string_view text) {
  const double value = std::trunc(LeadingNumber(text));
  return value > 1e6 ? 1000000 : value < -1e6 ? -1000000 : static_cast<int>(value);
}

}  // namespace

NewDateCheck CheckNewDate(std::string_view month, std::string_view day, std::string_view year) {
  const int m = BoxNumber(month);
  const int d = BoxNumber(day);
  const int y = BoxNumber(year);
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
