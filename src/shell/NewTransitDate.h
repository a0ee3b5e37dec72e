#pragma once
// The New Transit Date window's check: the month, day and year typed into
// its boxes, turned into the day the transit listing shows next.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct NewDateCheck {
  std::optional<double> julianDay;  // `DateToJulianDay` of the date, when it is one
  std::string message;              // otherwise what is wrong, for the user
  enum class Field { None, Month, Day } field = Field::None;  // the box to correct
};

// Reads the three boxes by the number rule (an empty box reads 0). A month
// outside 1 to 12, a day outside the month, or one of the ten days the
// calendar reform of October 1582 left out is refused with a message.
NewDateCheck CheckNewDate(std::string_view month, std::string_view day, std::string_view year);

}  // namespace orv
