#include <gtest/gtest.h>

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
      {"15", false, "3", true},   {"13", false, "1", true},   {"23", false, "11", true},
      {"0", false, "12", false},  // A.M./P.M. unchanged
      {"0", true, "12", true},    {"12", false, "12", false}, {"12", true, "12", true},
      {"09", true, "9", true},  // "0" then "9" is nine, not nine P.M. from a midnight
      {"09", false, "9", false},  {"25", false, "25", false},  // left for the checks
      {"24", false, "24", false},
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

TEST(InputRules, HoursTheRuleLeavesAreRefusedByTheChecks) {
  for (const char* hour : {"25", "24", "99"}) {
    test::RecordingHost host;
    ChartInputFields f;
    f.Month = "5";
    f.Day = "12";
    f.Year = "1959";
    f.Hour = hour;
    f.Minute = "43";
    f.TimeZone = "6";
    f.LongDeg = "75";
    f.LongMin = "23";
    f.LatDeg = "39";
    f.LatMin = "45";
    FinishHourEdit(f);
    EXPECT_TRUE(ValidateNatalRanges(host, f)) << hour;
    ASSERT_EQ(host.messages.size(), 1u) << hour;
    EXPECT_EQ(host.messages[0].text, "Error in natal input data section. Please correct.");
  }
}

TEST(InputRules, EastAndWestSetTheZonesSign) {
  struct Case {
    const char* zone;
    bool east;
    const char* written;
  };
  const Case cases[] = {
      {"5", true, "-5"},   {"-5", false, "5"},    {"-5", true, "-5"},
      {"5", false, "5"},   {"5.5", true, "-5.5"}, {"0", true, "0"},  // no negative zero
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
  options[18] = 5;   // zone
  options[19] = 73;  // longitude 73 deg 59 min West
  options[20] = 59;
  options[21] = 0;
  options[22] = 40;  // latitude 40 deg 43 min North
  options[23] = 43;
  options[24] = 0;
  NatalInputFields f;
  f.Name = "Jane Doe";
  f.Email = "jane@example.com";
  f.Pm = true;

  SetNatalToNow(f, {2026, 3, 9, 0, 30}, options);
  EXPECT_EQ(f.Name, "Now");
  EXPECT_EQ(f.Month, "3");
  EXPECT_EQ(f.Day, "9");
  EXPECT_EQ(f.Year, "2026");
  EXPECT_EQ(f.Hour, "12");
  EXPECT_EQ(f.Minute, "30");
  EXPECT_FALSE(f.Pm);
  EXPECT_EQ(f.TimeZone, "5");
  EXPECT_EQ(f.LongDeg, "73");
  EXPECT_EQ(f.LongMin, "59");
  EXPECT_FALSE(f.East);
  EXPECT_EQ(f.LatDeg, "40");
  EXPECT_EQ(f.LatMin, "43");
  EXPECT_FALSE(f.South);
  EXPECT_EQ(f.Email, "jane@example.com");

  SetNatalToNow(f, {2026, 12, 31, 13, 5}, options);
  EXPECT_EQ(f.Hour, "1");
  EXPECT_EQ(f.Minute, "5");
  EXPECT_TRUE(f.Pm);
  EXPECT_EQ(f.Month, "12");
  EXPECT_EQ(f.Day, "31");

  // Noon is afternoon, by the hour.
  SetNatalToNow(f, {2026, 1, 1, 12, 0}, options);
  EXPECT_EQ(f.Hour, "12");
  EXPECT_TRUE(f.Pm);
}

TEST(InputRules, SecondPersonSwitchesTheMenuBothWays) {
  struct Expected {
    const char* name;
    const char* caption;  // nullptr: unchanged
    int enabled;          // -1: unchanged
  };
  const Expected person[] = {
      {"mnuDataTransitData", "&Natal Data - 2nd person", -1},
      {"mnuDataTransitsAspectstoNatal", "&Interchart Aspects", -1},
      {"mnuDataTransitAspectsToTransits", "Natal &Aspects - 2nd person", -1},
      {"mnuWheelsSingleTransits", "2nd &Person", -1},
      {"mnuWheelsDualNatTran", "2nd &Person Natal vs Natal", -1},
      {"mnuWheelsSingleComposite", nullptr, 1},
      {"mnuDataComposite", nullptr, 1},
      {"mnuReportComposite", nullptr, 1},
      {"mnuReportSynastry", nullptr, 1},
  };
  // Cleared, the items go back to the main menu's design captions.
  const Expected transits[] = {
      {"mnuDataTransitData", "T&ransit Data", -1},
      {"mnuDataTransitsAspectstoNatal", "Transit A&spects to Natal", -1},
      {"mnuDataTransitAspectsToTransits", "Transit Aspects to &Transits", -1},
      {"mnuWheelsSingleTransits", "&Transits", -1},
      {"mnuWheelsDualNatTran", "Transits &vs Natal", -1},
      {"mnuWheelsSingleComposite", nullptr, 0},
      {"mnuDataComposite", nullptr, 0},
      {"mnuReportComposite", nullptr, 0},
      {"mnuReportSynastry", nullptr, 0},
  };
  const auto check = [](bool ticked, const Expected(&expected)[9]) {
    const auto changes = SecondPersonMenuChanges(ticked);
    for (std::size_t i = 0; i < 9; ++i) {
      const Expected& e = expected[i];
      EXPECT_EQ(changes[i].name, e.name);
      if (e.caption) {
        EXPECT_EQ(changes[i].caption, std::optional<std::string_view>(e.caption)) << e.name;
      } else {
        EXPECT_FALSE(changes[i].caption) << e.name;
      }
      if (e.enabled >= 0) {
        EXPECT_EQ(changes[i].enabled, std::optional<bool>(e.enabled == 1)) << e.name;
      } else {
        EXPECT_FALSE(changes[i].enabled) << e.name;
      }
    }
  };
  check(true, person);
  check(false, transits);
}

}  // namespace
}  // namespace orv
