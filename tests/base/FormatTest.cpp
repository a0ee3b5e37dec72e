#include "base/Format.h"

#include <gtest/gtest.h>

#include <clocale>

#include "base/Progress.h"

namespace orv {
namespace {

struct NumberCase {
  double value;
  const char* pattern;
  const char* text;
};

TEST(FormatNumber, FollowsTheListingPatterns) {
  const NumberCase cases[] = {
      {3.14159, "0.00", "3.14"},     {3.14159, "#0.00", "3.14"},   {0.5, "#0.00", "0.50"},
      {123.456, "##0.0", "123.5"},   {7.0, "##0.0", "7.0"},        {1234.5, "###0.00", "1234.50"},
      {5, "00", "05"},               {12, "00", "12"},             {123, "00", "123"},
      {5, "#0", "5"},                {0, "#0", "0"},               {42.7, "0", "43"},
      {7, "000", "007"},             {10.43, "##.#0", "10.43"},    {9.05, "##.#0", "9.05"},
      {10.4, "##.#0", "10.40"},      {75.23, "#00#.#0", "075.23"}, {-75.23, "#00#.#0", "-075.23"},
      {123.5, "#00#.#0", "123.50"},  {1.5, "#0#.#0", "01.50"},     {-33.05, "#0#.#0", "-33.05"},
      {0.25, "##.00", ".25"},        {-12.5, "#0.0", "-12.5"},     {2.5, "0.0#", "2.5"},
      {2.25, "0.0#", "2.25"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumber, RoundsHalvesAwayFromZeroAsWritten) {
  const NumberCase cases[] = {
      {0.5, "0", "1"},        {1.5, "0", "2"},         {2.5, "0", "3"},
      {-0.5, "0", "-1"},      {-2.5, "0", "-3"},       {2.675, "0.00", "2.68"},
      {1.005, "0.00", "1.01"}, {-1.005, "0.00", "-1.01"}, {0.125, "0.00", "0.13"},
      {9.995, "0.00", "10.00"}, {99.95, "##0.0", "100.0"}, {59.9999, "00", "60"},
      {0.045, "0.0", "0.0"},  {123456.785, "0.00", "123456.79"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumber, NeverWritesANegativeZero) {
  EXPECT_EQ(FormatNumber(-0.004, "0.00"), "0.00");
  EXPECT_EQ(FormatNumber(-0.0, "#0.00"), "0.00");
  EXPECT_EQ(FormatNumber(-0.4, "0"), "0");
  EXPECT_EQ(FormatNumber(-0.04, "##0.0"), "0.0");
  EXPECT_EQ(FormatNumber(-0.005, "0.00"), "-0.01");
  EXPECT_EQ(FormatNumber(-1e-20, "#0.00"), "0.00");
}

TEST(FormatNumber, IgnoresTheLocaleDecimalComma) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) std::setlocale(LC_NUMERIC, "C");
  EXPECT_EQ(FormatNumber(1234.5, "###0.00"), "1234.50");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatNumber, KeepsLiteralsAroundThePlaceholders) {
  EXPECT_EQ(FormatNumber(5, "(0)"), "(5)");
  EXPECT_EQ(FormatNumber(12.5, "0.0 deg"), "12.5 deg");
}

TEST(FormatDate, WritesEnglishDatesWhateverTheLocale) {
  const CivilDateTime moonLanding{1969, 7, 20, 20, 17, 40};
  EXPECT_EQ(FormatDate(moonLanding, "dd mmm yyyy"), "20 Jul 1969");
  EXPECT_EQ(FormatDate(moonLanding, "dddd, dd mmm yyyy"), "Sunday, 20 Jul 1969");
  EXPECT_EQ(FormatDate(moonLanding, "m/d/yyyy"), "7/20/1969");
  EXPECT_EQ(FormatDate(moonLanding, "h:nn"), "20:17");
  EXPECT_EQ(FormatDate(moonLanding, "h:nn:ss AM/PM"), "8:17:40 PM");
  EXPECT_EQ(FormatDate({2000, 1, 5, 0, 5, 0}, "dd mmm yyyy h:nn AM/PM"), "05 Jan 2000 12:05 AM");
  EXPECT_EQ(FormatDate({2000, 1, 5, 12, 0, 0}, "h am/pm"), "12 pm");
  EXPECT_EQ(FormatDate({1582, 10, 15}, "ddd dd mmmm yyyy"), "Fri 15 October 1582");
  EXPECT_EQ(FormatDate({1900, 3, 1}, "yy-mm-dd"), "00-03-01");
  EXPECT_EQ(FormatDate({2024, 2, 29}, "dddd"), "Thursday");
}

TEST(FormatDate, KnowsWeekdaysAcrossCenturies) {
  EXPECT_EQ(WeekdayOf(1970, 1, 1), 4);    // Thursday
  EXPECT_EQ(WeekdayOf(2000, 1, 1), 6);    // Saturday
  EXPECT_EQ(WeekdayOf(1900, 1, 1), 1);    // Monday
  EXPECT_EQ(WeekdayOf(2026, 12, 6), 0);   // Sunday
  EXPECT_EQ(WeekdayOf(1600, 3, 1), 3);    // Wednesday
  EXPECT_EQ(MonthAbbreviation(9), "Sep");
  EXPECT_EQ(MonthAbbreviation(13), "");
}

// Blanks before the number, as the fixed-column listings need them.
size_t Blanks(const std::string& s) { return s.find_first_not_of(' '); }

TEST(NumberAligners, RightAlignTheIntegerPart) {
  EXPECT_EQ(Blanks(PadSignedNum4("5")), 3u);
  EXPECT_EQ(Blanks(PadSignedNum4("-5")), 2u);
  EXPECT_EQ(Blanks(PadSignedNum4("-45")), 1u);
  EXPECT_EQ(Blanks(PadSignedNum4("123")), 1u);
  EXPECT_EQ(Blanks(PadSignedNum4("-123")), 0u);
  EXPECT_EQ(Blanks(PadSignedNum4("-0,5")), 2u);
  EXPECT_EQ(Blanks(PadSignedNum4("0,5")), 3u);
  EXPECT_EQ(Blanks(PadSignedNum4("-10")), 1u);
  EXPECT_EQ(Blanks(PadSignedNum4("99.99")), 2u);
  EXPECT_EQ(PadSignedNum4("-0.50"), "  -0.50");

  EXPECT_EQ(Blanks(PadNum3("7")), 2u);
  EXPECT_EQ(Blanks(PadNum3("42")), 1u);
  EXPECT_EQ(Blanks(PadNum3("100")), 0u);
  EXPECT_EQ(Blanks(PadNum3("-42")), 2u);
  EXPECT_EQ(PadNum2("7"), " 7");
  EXPECT_EQ(PadNum2("10"), "10");

  EXPECT_EQ(PadSignedNum3("100"), " 100");
  EXPECT_EQ(Blanks(PadSignedNum3("-0,3")), 1u);
  EXPECT_EQ(Blanks(PadSignedNum3("9")), 2u);
  EXPECT_EQ(Blanks(PadSignedNum3("-9")), 1u);
  EXPECT_EQ(Blanks(PadSignedNum3("-10")), 0u);

  const std::pair<const char*, size_t> five[] = {
      {"-0,1", 3}, {"1000", 1}, {"100", 2}, {"10", 3}, {"0", 4},
      {"-1", 3},   {"-10", 2},  {"-100", 1}, {"-1000", 0}, {"-99999", 0}};
  for (const auto& [s, n] : five) EXPECT_EQ(Blanks(PadSignedNum5(s)), n) << s;

  const std::pair<const char*, size_t> six[] = {
      {"-0,1", 4}, {"10000", 1}, {"1000", 2}, {"100", 3},   {"10", 4},     {"0", 5},
      {"-1", 4},   {"-10", 3},   {"-100", 2}, {"-1000", 1}, {"-10000", 0}, {"123456", 1}};
  for (const auto& [s, n] : six) EXPECT_EQ(Blanks(PadSignedNum6(s)), n) << s;
}

TEST(Progress, FillsInProportionAndNeverOverflows) {
  EXPECT_FLOAT_EQ(ProgressPercent(50, 200), 25.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(150, 100), 100.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(0, 0), 100.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(3, -1), 100.0f);
  EXPECT_FLOAT_EQ(ProgressPercent(-5, 10), 0.0f);
  EXPECT_EQ(ProgressBarFill(1, 3, 300), 100);
  EXPECT_EQ(ProgressBarFill(150, 100, 300), 300);
  EXPECT_EQ(ProgressBarFill(0, 0, 240), 240);
}

}  // namespace
}  // namespace orv
