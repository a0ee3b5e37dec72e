#include <gtest/gtest.h>

#include "shell/NewTransitDate.h"

namespace orv {
namespace {

TEST(NewTransitDate, MonthLengthsFollowTheCalendarOfTheirYear) {
  const struct {
    int year, month, days;
  } cases[] = {
      {2001, 4, 30}, {2001, 2, 28}, {2000, 2, 29},  // 400 rule
      {1900, 2, 28},                                // 100 rule
      {1500, 2, 29},                                // Julian calendar: every fourth year
      {1700, 2, 28},                                // Gregorian by then
      {2001, 13, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DaysInMonth(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(NewTransitDate, AValidDateGivesItsDayNumber) {
  // Day numbers (Julian day at noon) from Meeus, Astronomical Algorithms,
  // ch. 7: 2000 Jan 1.5 = 2451545.0, 1957 Oct 4.81 = 2436116.31, 333 Jan
  // 27.5 = 1842713.0; and the calendar reform, 4 and 15 October 1582.
  const struct {
    const char *month, *day, *year;
    double julianDay;
  } cases[] = {
      {"1", "1", "2000", 2451545},
      {"01", "27", "333", 1842713},
      {"10", "4", "1582", 2299160},
      {"10", "15", "1582", 2299161},
  };
  for (const auto& c : cases) {
    const NewDateCheck check = CheckNewDate(c.month, c.day, c.year);
    ASSERT_TRUE(check.julianDay) << c.month << "/" << c.day << "/" << c.year << check.message;
    EXPECT_EQ(*check.julianDay, c.julianDay) << c.year;
    EXPECT_TRUE(check.message.empty());
  }
}

TEST(NewTransitDate, ImpossibleDatesAreRefusedWithAMessage) {
  using F = NewDateCheck::Field;
  const struct {
    const char *month, *day, *year;
    F field;
    const char* message;
  } cases[] = {
      {"13", "1", "2000", F::Month, "The month must be a number from 1 to 12."},
      {"", "1", "2000", F::Month, "The month must be a number from 1 to 12."},
      {"4", "31", "2000", F::Day, "The day must be a number from 1 to 30 in that month."},
      {"2", "29", "1900", F::Day, "The day must be a number from 1 to 28 in that month."},
      {"2", "30", "2000", F::Day, "The day must be a number from 1 to 29 in that month."},
      {"1", "0", "2000", F::Day, "The day must be a number from 1 to 31 in that month."},
      {"1", "99999999999999", "2000", F::Day,
       "The day must be a number from 1 to 31 in that month."},
      {"10", "10", "1582", F::Day,
       "The days 5 to 14 October 1582 do not exist: the Gregorian calendar follows 4 October "
       "1582 with 15 October."},
  };
  for (const auto& c : cases) {
    const NewDateCheck check = CheckNewDate(c.month, c.day, c.year);
    EXPECT_FALSE(check.julianDay) << c.month << "/" << c.day << "/" << c.year;
    EXPECT_EQ(check.field, c.field) << c.month << "/" << c.day;
    EXPECT_EQ(check.message, c.message);
  }
}

}  // namespace
}  // namespace orv
