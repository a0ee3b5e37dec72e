#include <gtest/gtest.h>

#include <clocale>

#include "base/Format.h"
#include "base/Progress.h"

namespace orv {
namespace {

TEST(FormatNumber, FollowsThePatternsAndRoundsHalvesAwayFromZero) {
  const struct {
    double value;
    const char* pattern;
    const char* text;
  } cases[] = {
      // Placeholders: minimum integer digits, optional fraction digits, literals.
      {3.14159, "0.00", "3.14"},
      {0.5, "#0.00", "0.50"},
      {7.0, "##0.0", "7.0"},
      {5, "00", "05"},
      {123, "00", "123"},
      {0, "#0", "0"},
      {10.4, "##.#0", "10.40"},
      {10.43, "##.#0", "10.43"},
      {-75.23, "#00#.#0", "-075.23"},
      {0.25, "##.00", ".25"},
      {2.5, "0.0#", "2.5"},
      {5, "(0)", "(5)"},
      {12.5, "0.0 deg", "12.5 deg"},
      // Halves away from zero, judged on the decimal digits a user reads.
      {2.5, "0", "3"},
      {-2.5, "0", "-3"},
      {2.675, "0.00", "2.68"},
      {-1.005, "0.00", "-1.01"},
      {9.995, "0.00", "10.00"},
      {59.9999, "00", "60"},
      {0.045, "0.0", "0.0"},
      {123456.785, "0.00", "123456.79"},
      // A value that rounds to zero has no sign.
      {-0.004, "0.00", "0.00"},
      {-0.0, "#0.00", "0.00"},
      {-0.4, "0", "0"},
      {-0.005, "0.00", "-0.01"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(GroupThousands, CommasBetweenGroupsOfThree) {
  const std::pair<long long, const char*> cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1,000"},
      {-1000, "-1,000"},
      {-100, "-100"},
      {123456, "123,456"},
      {624975000, "624,975,000"},
      {-9223372036854775807LL, "-9,223,372,036,854,775,807"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(GroupThousands(n), text) << n;
}

TEST(FormatNumber, IgnoresTheLocaleDecimalComma) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(FormatNumber(1234.5, "###0.00"), "1234.50");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatDate, WritesEnglishDatesAndWeekdays) {
  const CivilDateTime moonLanding{1969, 7, 20, 20, 17, 40};
  EXPECT_EQ(FormatDate(moonLanding, "dd mmm yyyy"), "20 Jul 1969");
  EXPECT_EQ(FormatDate(moonLanding, "dddd, m/d/yyyy h:nn"), "Sunday, 7/20/1969 20:17");
  EXPECT_EQ(FormatDate(moonLanding, "h:nn:ss AM/PM"), "8:17:40 PM");
  EXPECT_EQ(FormatDate({2000, 1, 5, 0, 5, 0}, "dd mmm yyyy h:nn AM/PM"), "05 Jan 2000 12:05 AM");
  EXPECT_EQ(FormatDate({2000, 1, 5, 12, 0, 0}, "h am/pm"), "12 pm");
  EXPECT_EQ(FormatDate({1582, 10, 15}, "ddd dd mmmm yyyy"), "Fri 15 October 1582");
  EXPECT_EQ(FormatDate({1900, 3, 1}, "yy-mm-dd"), "00-03-01");
  EXPECT_EQ(FormatDate({2024, 2, 29}, "dddd"), "Thursday");
  EXPECT_EQ(WeekdayOf(1900, 1, 1), 1);  // Monday
  EXPECT_EQ(WeekdayOf(1600, 3, 1), 3);  // Wednesday
}

TEST(NumberAligners, RightAlignTheIntegerPart) {
  using Pad = std::string (*)(std::string_view);
  const struct {
    Pad pad;
    const char* text;
    size_t blanks;
  } cases[] = {
      {PadSignedNum4, "5", 3},      {PadSignedNum4, "-5", 2},
      {PadSignedNum4, "-45", 1},    {PadSignedNum4, "123", 1},
      {PadSignedNum4, "-123", 0},   {PadSignedNum4, "-0,5", 2},
      {PadSignedNum4, "0,5", 3},    {PadSignedNum4, "99.99", 2},
      {PadSignedNum4, "-0.50", 2},  {PadNum3, "7", 2},
      {PadNum3, "42", 1},           {PadNum3, "100", 0},
      {PadNum3, "-42", 2},          {PadNum2, "7", 1},
      {PadNum2, "10", 0},           {PadSignedNum3, "100", 1},
      {PadSignedNum3, "-0,3", 1},   {PadSignedNum3, "-9", 1},
      {PadSignedNum3, "-10", 0},    {PadSignedNum5, "-0,1", 3},
      {PadSignedNum5, "1000", 1},   {PadSignedNum5, "0", 4},
      {PadSignedNum5, "-100", 1},   {PadSignedNum5, "-1000", 0},
      {PadSignedNum6, "-0,1", 4},   {PadSignedNum6, "10000", 1},
      {PadSignedNum6, "0", 5},      {PadSignedNum6, "-1000", 1},
      {PadSignedNum6, "-10000", 0}, {PadSignedNum6, "123456", 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.pad(c.text), std::string(c.blanks, ' ') + c.text) << c.text;
}

TEST(Progress, FillsInProportionAndNeverOverflows) {
  EXPECT_FLOAT_EQ(ProgressPercent(50, 200), 25.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(0, 0), 100.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(-5, 10), 0.0f);
  EXPECT_EQ(ProgressBarFill(1, 3, 300), 100);
  EXPECT_EQ(ProgressBarFill(150, 100, 300), 300);
}

}  // namespace
}  // namespace orv
