#include <gtest/gtest.h>

#include <tuple>

#include "RecordingHost.h"
#include "shell/input/InputRules.h"

namespace orv {
namespace {

TEST(InputRules, FieldsKeepOnlyTheCharactersTheyAdmitTypedOrPasted) {
  struct Case {
    const char* pasted;
    FieldKeys keys;
    std::size_t maxLength;
    const char* kept;
  };
  const Case cases[] = {
      {"12a3", FieldKeys::Digits, 0, "123"},
      {"10.43", FieldKeys::Digits, 0, "1043"},
      {"9.5-", FieldKeys::DigitsPoint, 0, "9.5"},
      {"-5.5 h", FieldKeys::DigitsMinusPoint, 0, "-5.5"},
      {"+5", FieldKeys::DigitsMinusPoint, 0, "5"},
      {"\xC3\xA9"
       "5",
       FieldKeys::Digits, 0, "5"},  // "é5": no byte of "é" is a digit
      {"Doe, Jane", FieldKeys::Any, 0, "Doe, Jane"},
      // The hour field takes two digits: a pasted long number cannot grow it.
      {"99999999", FieldKeys::Digits, kHourFieldLength, "99"},
      {"1a5", FieldKeys::Digits, kHourFieldLength, "15"},
      {"", FieldKeys::Digits, kHourFieldLength, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FilterFieldText(c.pasted, c.keys, c.maxLength), c.kept) << c.pasted;
}

TEST(InputRules, TheHourRuleRunsWhenEditingEnds) {
  struct Case {
    const char* typed;
    bool pmBefore;
    const char* hour;
    bool pm;
  };
  const Case cases[] = {
      {"15", false, "3", true},  {"23", false, "11", true},
      {"0", false, "12", false},  // A.M./P.M. unchanged
      {"0", true, "12", true},   {"12", false, "12", false},
      {"09", true, "9", true},  // "0" then "9" is nine, not nine P.M. from a midnight
      {"09", false, "9", false}, {"24", false, "24", false},  // left for the checks
  };
  for (const Case& c : cases) {
    ChartInputFields f;
    f.Hour = c.typed;
    f.Pm = c.pmBefore;
    EXPECT_EQ(FinishHourEdit(f), HourEdit::Applied) << c.typed;
    EXPECT_EQ(f.Hour, c.hour) << c.typed;
    EXPECT_EQ(f.Pm, c.pm) << c.typed;
  }

  ChartInputFields empty;
  EXPECT_EQ(FinishHourEdit(empty), HourEdit::Empty);
  EXPECT_EQ(empty.Hour, "");
  ChartInputFields letters;
  letters.Hour = "1a";
  EXPECT_EQ(FinishHourEdit(letters), HourEdit::NotANumber);
  EXPECT_EQ(letters.Hour, "1a");
}

TEST(InputRules, ValuesTheRulesLeaveAreRefusedByTheChecks) {
  // Month, day, hour and the failed tests: hours the hour rule leaves, and
  // 32 January, past both the 31-day bound and the month's length.
  for (auto [month, day, hour, failed] : {std::tuple{"5", "12", "24", 1u}, {"5", "12", "99", 1u},
                                          {"1", "32", "10", 2u}}) {
    test::RecordingHost host;
    // 10:43 A.M., zone 6, 75W23 39N45 (month, day, year, hour, minute, zone,
    // longitude, latitude, e-mail, P.M., East, South).
    ChartInputFields f{month, day, "1959", hour, "43",  "6",   "75",
                       "23",  "39", "45",  "",   false, false, false};
    FinishHourEdit(f);
    EXPECT_TRUE(ValidateNatalRanges(host, f)) << day << " " << hour;
    ASSERT_EQ(host.messages.size(), failed) << day << " " << hour;
    for (const auto& m : host.messages)
      EXPECT_EQ(m.text, "Error in natal input data section. Please correct.");
  }
}

TEST(InputRules, EastAndWestSetTheZonesSign) {
  struct Case {
    const char* zone;
    bool east;
    const char* written;
  };
  const Case cases[] = {
      {"5", true, "-5"},     {"-5", false, "5"}, {"-5", true, "-5"},
      {"5.5", true, "-5.5"}, {"0", true, "0"},  // no negative zero
      {" 3 ", true, "-3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ZoneTextForSide(c.zone, c.east), std::optional<std::string>(c.written))
        << c.zone << (c.east ? " East" : " West");
  }
  // Not a number: the field keeps its text.
  for (const char* zone : {"", "-", "5-", "--5", "."})
    EXPECT_EQ(ZoneTextForSide(zone, true), std::nullopt) << zone;
}

TEST(InputRules, NowFillsThePresentMomentAndTheDefaultPlace) {
  OptionValues options{};
  // Zone 5, 73 deg 59 min West, 40 deg 43 min North.
  for (auto [option, value] : {std::pair{18, 5}, {19, 73}, {20, 59}, {22, 40}, {23, 43}})
    options[option] = float(value);
  NatalInputFields f;
  f.Name = "Jane Doe";
  f.Email = "jane@example.com";
  f.Pm = true;
  f.East = f.South = true;
  const auto shown = [&f] {
    return f.Name + " " + f.Month + "/" + f.Day + "/" + f.Year + " " + f.Hour + ":" + f.Minute +
           (f.Pm ? " PM " : " AM ") + f.LongDeg + " " + f.LongMin + (f.East ? " E " : " W ") +
           f.LatDeg + " " + f.LatMin + (f.South ? " S " : " N ") + f.TimeZone + " " + f.Email;
  };

  // The clock in universal time; the window shows zone 5's clock.
  SetNatalToNow(f, {2026, 3, 9, 5, 30}, options);
  EXPECT_EQ(shown(), "Now 3/9/2026 12:30 AM 73 59 W 40 43 N 5 jane@example.com");
  SetNatalToNow(f, {2026, 12, 31, 18, 5}, options);
  EXPECT_EQ(shown(), "Now 12/31/2026 1:5 PM 73 59 W 40 43 N 5 jane@example.com");
  // Noon is afternoon, by the hour.
  SetNatalToNow(f, {2026, 1, 1, 17, 0}, options);
  EXPECT_EQ(shown(), "Now 1/1/2026 12:0 PM 73 59 W 40 43 N 5 jane@example.com");
}

}  // namespace
}  // namespace orv
