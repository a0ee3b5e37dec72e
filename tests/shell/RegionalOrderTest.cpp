#include <gtest/gtest.h>

#include "shell/RegionalOrder.h"

namespace orv {
namespace {

TEST(RegionalOrder, DateOrderOfShortDateFormats) {
  struct Case {
    std::string_view format;
    DateOrderKind order;
  };
  // Short date formats as locales write them (en_US, en_GB, de_DE, ISO 8601
  // and a few variants with quoted text and weekday names).
  const Case cases[] = {
      {"M/d/yy", DateOrderKind::MonthDayYear},
      {"M/d/yyyy", DateOrderKind::MonthDayYear},
      {"dd/MM/yyyy", DateOrderKind::DayMonthYear},
      {"dd.MM.yy", DateOrderKind::DayMonthYear},
      {"d.M.yy", DateOrderKind::DayMonthYear},
      {"yyyy-MM-dd", DateOrderKind::YearMonthDay},
      {"yy/M/d", DateOrderKind::YearMonthDay},
      {"yyyy'年'M'月'd'日'", DateOrderKind::YearMonthDay},
      {"'day' d 'of' MMMM yyyy", DateOrderKind::DayMonthYear},  // quoted "day" has no field
      {"ddd, M/d/yy", DateOrderKind::MonthDayYear},             // weekday first is not the day
      {"dddd d MMMM yyyy", DateOrderKind::DayMonthYear},
      {"'it''s' dd/MM/yyyy", DateOrderKind::DayMonthYear},  // '' is a quote inside quotes
      {"", DateOrderKind::MonthDayYear},
  };
  for (const auto& c : cases) EXPECT_EQ(DateOrderFromFormat(c.format), c.order) << c.format;
}

TEST(RegionalOrder, ClockOfTimeFormats) {
  struct Case {
    std::string_view format;
    TimeFormatKind clock;
  };
  const Case cases[] = {
      {"h:mm AP", TimeFormatKind::TwelveHour},  // en_US
      {"h:mm ap", TimeFormatKind::TwelveHour},
      {"h:mm a", TimeFormatKind::TwelveHour},
      {"HH:mm", TimeFormatKind::TwentyFourHour},  // en_GB, de_DE
      {"HH:mm:ss", TimeFormatKind::TwentyFourHour},
      {"H.mm", TimeFormatKind::TwentyFourHour},
      {"HH'h'mm", TimeFormatKind::TwentyFourHour},
      {"HH 'Uhr' mm", TimeFormatKind::TwentyFourHour},  // no marker inside quotes
  };
  for (const auto& c : cases) EXPECT_EQ(TimeFormatFromFormat(c.format), c.clock) << c.format;
}

}  // namespace
}  // namespace orv
