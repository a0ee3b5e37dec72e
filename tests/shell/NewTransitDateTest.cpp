#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "core/ChartTime.h"
#include "shell/NewTransitDate.h"
#include "shell/input/FieldReader.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

namespace orv {
namespace {

// The chart checks, the names file (save and read) and the New Date window
// agree on every date: Julian leap years up to 1582, Gregorian after, and
// the ten days of October 1582 that never were.
TEST(OneCalendarRule, EveryDateCheckAgrees) {
  const struct {
    int year, month, day;
    bool real;
  } cases[] = {
      {2000, 2, 29, true},   {1900, 2, 29, false},  // 400 and 100 rules
      {1500, 2, 29, true},   {1700, 2, 29, false},  // Julian, then Gregorian
      {2001, 4, 31, false},  {2001, 4, 30, true},   {1582, 10, 4, true},
      {1582, 10, 10, false}, {1582, 10, 15, true},  {2001, 13, 1, false},
  };
  for (const auto& c : cases) {
    const std::string y = std::to_string(c.year), m = std::to_string(c.month),
                      d = std::to_string(c.day);
    EXPECT_EQ(IsCalendarDate(c.year, c.month, c.day), c.real) << y << "-" << m << "-" << d;
    EXPECT_EQ(CheckNewDate(m, d, y).julianDay.has_value(), c.real) << y << "-" << m << "-" << d;
    EXPECT_EQ(ParseNamesDate(y + "/" + m + "/" + d, 2).has_value(), c.real) << y << m << d;
    NatalInputFields f;
    f.Name = "X", f.Year = y, f.Month = m, f.Day = d, f.Hour = "1", f.Minute = "0";
    f.TimeZone = "0", f.LongDeg = f.LongMin = f.LatDeg = f.LatMin = "0";
    EXPECT_EQ(NameRecordLine(f).has_value(), c.real) << y << "-" << m << "-" << d;
    // A saved record reads back.
    if (const auto line = NameRecordLine(f)) {
      EXPECT_TRUE(ParseNamesDate(SplitFields(*line)[1], 0)) << *line;
    }
    test::RecordingHost host;
    EXPECT_EQ(ValidateNatalRanges(host, f), !c.real) << y << "-" << m << "-" << d;
  }
  EXPECT_EQ(DaysInMonth(1500, 2), 29);
  EXPECT_EQ(DaysInMonth(2001, 13), 0);
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
