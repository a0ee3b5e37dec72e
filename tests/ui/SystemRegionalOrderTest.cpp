#include <gtest/gtest.h>

#include "shell/ui/SystemRegionalOrder.h"

namespace orv {
namespace {

// Qt's own locale data for four regions, mapped by the program's rule.
TEST(SystemRegionalOrder, FollowsTheLocalesShortFormats) {
  struct Case {
    QLocale locale;
    DateOrderKind order;
    TimeFormatKind clock;
  };
  const Case cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), DateOrderKind::MonthDayYear,
       TimeFormatKind::TwelveHour},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), DateOrderKind::DayMonthYear,
       TimeFormatKind::TwentyFourHour},
      {QLocale(QLocale::German, QLocale::Germany), DateOrderKind::DayMonthYear,
       TimeFormatKind::TwentyFourHour},
      {QLocale(QLocale::Swedish, QLocale::Sweden), DateOrderKind::YearMonthDay,
       TimeFormatKind::TwentyFourHour},  // writes ISO dates
  };
  for (const auto& c : cases) {
    const auto order = RegionalOrderOf(c.locale);
    EXPECT_EQ(order.DateOrder, c.order) << c.locale.name().toStdString();
    EXPECT_EQ(order.TimeFormat, c.clock) << c.locale.name().toStdString();
  }
}

}  // namespace
}  // namespace orv
