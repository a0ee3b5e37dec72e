// Stepping a chart's moment: the Update items, the stepped moment written
// back into the input fields (the worked cases, the calendar before the
// reform), a refused step restoring the fields, and the redraw that
// rebuilds the wheel on display from the new charts.

#include <gtest/gtest.h>

#include <set>

#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "core/ChartTime.h"
#include "wheels/ChartStepping.h"

namespace orv {
namespace {

constexpr double kHour = 1.0 / 24;

// The Update item that moves `chart` by `days`.
const UpdateStep& Step(SteppedChart chart, double days) {
  for (const UpdateStep& s : UpdateSteps)
    if (s.chart == chart && s.days == days) return s;
  throw std::invalid_argument("no such step");
}

std::string Plain(std::string_view caption) {
  std::string text(caption);
  std::erase(text, '&');
  return text;
}

TEST(UpdateSteps, EveryForwardStepHasItsBackwardTwin) {
  std::set<std::string_view> keys, captions;
  for (const UpdateStep& s : UpdateSteps) {
    EXPECT_TRUE(keys.insert(s.key).second) << s.key;
    EXPECT_TRUE(captions.insert(s.caption).second) << s.caption;
  }
  const double days[] = {1, 1.0 / 24, 1.0 / 1440, 7, 30, 365};
  for (int half = 0; half < 2; ++half)
    for (int k = 0; k < 6; ++k) {
      const UpdateStep& add = UpdateSteps[half * 12 + 2 * k];
      const UpdateStep& back = UpdateSteps[half * 12 + 2 * k + 1];
      EXPECT_EQ(add.days, days[k]) << add.caption;
      EXPECT_EQ(back.days, -days[k]) << back.caption;
      EXPECT_EQ(add.chart, half ? SteppedChart::Second : SteppedChart::Natal) << add.caption;
      EXPECT_EQ(back.chart, add.chart);
      EXPECT_TRUE(Plain(add.caption).starts_with("Add a ")) << add.caption;
      EXPECT_TRUE(Plain(back.caption).starts_with("Go back a ")) << back.caption;
    }
}

// The universal moment the computation makes of a local date and time.
double JulianDayOf(int year, int month, int day, float hour, bool pm, float zone) {
  ChartInputValues v;
  v.year = year, v.month = month, v.day = day, v.time = hour, v.timeZone = zone;
  v.amPm = pm ? "P.M." : "A.M.";
  return CalcJulianDayAndSiderealTime(v).JulianDate;
}

TEST(ChartStepping, WorkedCasesOfTheTwelveHourClock) {
  const struct {
    const char* what;
    int year, month, day;
    float hour;  // hours.minutes
    bool pm;
    float zone;
    std::vector<double> steps;
    LocalMoment expected;
  } cases[] = {
      {"10:05 P.M. plus an hour", 1962, 3, 7, 10.05f, true, 5, {1.0 / 24}, {1962, 3, 7, 11, 5, true}},
      {"and another", 1962, 3, 7, 10.05f, true, 5, {1.0 / 24, 1.0 / 24}, {1962, 3, 8, 12, 5, false}},
      {"half past midnight", 1990, 6, 1, 12.30f, false, -2, {0}, {1990, 6, 1, 12, 30, false}},
      {"half past noon", 1990, 6, 1, 12.30f, true, -2, {0}, {1990, 6, 1, 12, 30, true}},
      {"a minute before 1 A.M.", 2001, 9, 9, 1.00f, false, 8, {-1.0 / 1440},
       {2001, 9, 9, 12, 59, false}},
      {"31 January plus a month", 2025, 1, 31, 9.00f, false, 0, {30}, {2025, 3, 2, 9, 0, false}},
      {"1 March 2023 plus a year", 2023, 3, 1, 9.00f, false, 0, {365}, {2024, 2, 29, 9, 0, false}},
      {"an East zone across midnight", 2010, 12, 31, 11.59f, true, -9.5f, {1.0 / 1440},
       {2011, 1, 1, 12, 0, false}},
      // Julian calendar: 1500 is a leap year there.
      {"28 February 1500 plus a day", 1500, 2, 28, 8.00f, true, 0, {1}, {1500, 2, 29, 8, 0, true}},
      {"the reform: 4 October 1582 plus a day", 1582, 10, 4, 3.00f, true, 0, {1},
       {1582, 10, 15, 3, 0, true}},
      {"and back", 1582, 10, 15, 3.00f, true, 0, {-1}, {1582, 10, 4, 3, 0, true}},
  };
  for (const auto& c : cases) {
    double jd = JulianDayOf(c.year, c.month, c.day, c.hour, c.pm, c.zone);
    for (double s : c.steps) jd += s;
    EXPECT_EQ(JulianDayToLocalDateTime(jd, c.zone), c.expected) << c.what;
  }
}

// Every day of years 1 to 2099: a day's step from the fields the previous
// step wrote moves by exactly one day, so the day number the computation
// makes of them goes up by one each time.
TEST(ChartStepping, DailyStepsMoveByExactlyOneDay) {
  double jd = JulianDayOf(1, 1, 1, 6.15f, true, 3);
  double dayNumber = DateToJulianDay(1, 1, 1);
  int worst = 0;
  for (int n = 0; n < 800000; ++n) {
    const LocalMoment m = JulianDayToLocalDateTime(jd + 1, 3);
    ASSERT_TRUE(IsCalendarDate(m.year, m.month, m.day)) << n;
    const double next = DateToJulianDay(m.year, m.month, m.day);
    if (next != dayNumber + 1 || m.hour != 6 || m.minute != 15 || !m.pm) ++worst;
    dayNumber = next;
    jd = JulianDayOf(m.year, m.month, m.day, float(m.hour) + float(m.minute) / 100, m.pm, 3);
    if (m.year == 2099 && m.month == 12 && m.day == 31) break;
  }
  EXPECT_EQ(worst, 0);
  EXPECT_EQ(dayNumber, DateToJulianDay(2099, 12, 31));
}

TEST(ChartStepping, FieldsWrittenForTheStep) {
  ChartModel charts;
  charts.NatalInput.timeZone = 5;
  charts.NatalJulianDay = JulianDayOf(1962, 3, 7, 10.05f, true, 5);
  charts.DiurnalInput.timeZone = 0;
  charts.DiurnalJulianDay = JulianDayOf(812, 7, 4, 9.30f, false, 0);
  ChartInputFields fields;
  fields.TimeZone = "5";
  fields.LongDeg = "73";
  const ChartInputFields natal = SteppedFields(charts, fields, Step(SteppedChart::Natal, kHour));
  EXPECT_EQ(natal.Month, "3");
  EXPECT_EQ(natal.Day, "7");
  EXPECT_EQ(natal.Year, "1962");
  EXPECT_EQ(natal.Hour, "11");
  EXPECT_EQ(natal.Minute, "5");
  EXPECT_TRUE(natal.Pm);
  EXPECT_EQ(natal.LongDeg, "73");  // the place stays
  const ChartInputFields second = SteppedFields(charts, fields, Step(SteppedChart::Second, -7));
  EXPECT_EQ(second.Year, "0812");
  EXPECT_EQ(second.Month, "6");
  EXPECT_EQ(second.Day, "27");
  EXPECT_EQ(second.Hour, "9");
  EXPECT_EQ(second.Minute, "30");
  EXPECT_FALSE(second.Pm);
}

// A natal window and a second-chart window as fields, computed by the
// chart driver.
struct SteppedWindows {
  Workbench wb;
  test::RecordingHost host;
  ChartRequest request;
  int redraws = 0;
  SteppedWindows(const char* natalYear, const char* natalMonth, const char* natalDay) {
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    request.name = "Renée Doe";
    request.natal = {natalMonth, natalDay, natalYear, "11", "30", "6", "75", "23", "39", "45", "",
                     true, false, false};
    request.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "",
                       false, false, false};
    EXPECT_EQ(Compute(), 0);
  }
  int Compute() {
    ChartDriverHooks hooks;
    return CalcCharts(host, wb.Charts, request, wb.Options, wb.Tables, hooks, true);
  }
  StepLinks Links() {
    StepLinks links;
    links.fields = [this](SteppedChart c) {
      return c == SteppedChart::Natal ? request.natal : request.diurnal;
    };
    links.setFields = [this](SteppedChart c, const ChartInputFields& f) {
      (c == SteppedChart::Natal ? request.natal : request.diurnal) = f;
    };
    links.compute = [this] { return Compute(); };
    links.redraw = [this] { ++redraws; };
    return links;
  }
};

TEST(ChartStepping, ARefusedStepRestoresTheFieldsAndSkipsTheRedraw) {
  SteppedWindows w("2099", "12", "31");
  const ChartInputFields before = w.request.natal;
  const double julianDay = w.wb.Charts.NatalJulianDay;
  const double sun = w.wb.Charts.Natal.Longitudes[1];
  EXPECT_FALSE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Natal, 1), w.Links()));
  EXPECT_FALSE(w.host.messages.empty());  // the computation's own message
  EXPECT_EQ(w.request.natal.Year, before.Year);
  EXPECT_EQ(w.request.natal.Day, before.Day);
  EXPECT_EQ(w.request.natal.Month, before.Month);
  EXPECT_EQ(w.wb.Charts.NatalJulianDay, julianDay);
  EXPECT_EQ(w.wb.Charts.Natal.Longitudes[1], sun);
  EXPECT_EQ(w.redraws, 0);
  // The step back is taken: the fields follow, the Sun moves about a degree.
  EXPECT_TRUE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Natal, -1), w.Links()));
  EXPECT_EQ(w.request.natal.Day, "30");
  EXPECT_EQ(w.request.natal.Hour, "11");
  EXPECT_EQ(w.request.natal.Minute, "30");
  EXPECT_TRUE(w.request.natal.Pm);
  EXPECT_NEAR(w.wb.Charts.NatalJulianDay, julianDay - 1, 1e-6);
  EXPECT_NEAR(sun - w.wb.Charts.Natal.Longitudes[1], 1.02, 0.02);
  EXPECT_EQ(w.redraws, 1);
}

TEST(ChartStepping, APreReformNatalDateStepsByExactlyOneDay) {
  SteppedWindows w("1500", "2", "28");
  const double before = w.wb.Charts.NatalJulianDay;
  for (int k = 0; k < 3; ++k)
    ASSERT_TRUE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Natal, 1), w.Links()));
  EXPECT_EQ(w.request.natal.Month, "3");
  EXPECT_EQ(w.request.natal.Day, "2");  // through 29 February, Julian
  EXPECT_NEAR(w.wb.Charts.NatalJulianDay - before, 3, 1e-6);
}

TEST(RedrawCurrentWheel, KeepsTheWheelOnDisplay) {
  // A transit wheel stays a transit wheel, drawn from the stepped chart.
  {
    SteppedWindows w("1959", "5", "12");
    PrepareSingleWheel(w.wb, SingleWheelKind::Transits, {}, w.host);
    ASSERT_TRUE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Second, 1), w.Links()));
    ASSERT_TRUE(PrepareCurrentWheelAgain(w.wb, {}, w.host));
    EXPECT_EQ(w.wb.Wheel->InnerWheelHeader[1], "Transit chart");
    EXPECT_EQ(w.wb.Wheel->InnerWheelHeader[2], "07 Dec 2026");
    EXPECT_EQ(w.wb.Wheel->Longitudes, w.wb.Charts.Diurnal.Longitudes);
    EXPECT_EQ(w.wb.Wheel->OrbFile.filename(), "TRANSIT.ORB");
  }
  // The declination and heliocentric wheels keep their kind.
  for (SingleWheelKind kind : {SingleWheelKind::Declinations, SingleWheelKind::Helio,
                               SingleWheelKind::HelioLatitudes, SingleWheelKind::Natal}) {
    SteppedWindows w("1959", "5", "12");
    PrepareSingleWheel(w.wb, kind, {}, w.host);
    const WheelHeaderLines header = w.wb.Wheel->InnerWheelHeader;
    ASSERT_TRUE(PrepareCurrentWheelAgain(w.wb, {}, w.host));
    EXPECT_EQ(SingleWheelKindOf(*w.wb.Wheel), kind);
    EXPECT_EQ(w.wb.Wheel->InnerWheelHeader, header);
  }
  // A composite asks for its latitude once; the redraw reuses the answer.
  {
    SteppedWindows w("1959", "5", "12");
    w.wb.Options[40] = 0;  // ask for the latitude
    w.host.promptAnswers = {"51.30"};
    const SecondPersonBox box{true, "John Roe"};
    PrepareSingleWheel(w.wb, SingleWheelKind::Composite, box, w.host);
    ASSERT_EQ(w.host.prompts.size(), 1u);
    ASSERT_TRUE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Natal, 365), w.Links()));
    ASSERT_TRUE(PrepareCurrentWheelAgain(w.wb, box, w.host));
    EXPECT_EQ(w.host.prompts.size(), 1u);
    EXPECT_EQ(w.wb.Wheel->InnerWheelHeader[3], "Composite chart");
    EXPECT_EQ(w.wb.Wheel->InnerWheelHeader[4], "Latitude = 51.30 North");
    EXPECT_EQ(w.wb.Charts.Kind, ChartKind::Composite);
  }
  // A two-ring wheel stays one, heliocentric if it was.
  for (DualWheelKind kind : {DualWheelKind::Display, DualWheelKind::DisplayHelio,
                             DualWheelKind::TransitsVsNatal}) {
    SteppedWindows w("1959", "5", "12");
    PrepareDualWheelCommand(w.wb, kind, {});
    const WheelRequest before = *w.wb.Wheel;
    ASSERT_TRUE(StepChartMoment(w.wb.Charts, Step(SteppedChart::Second, kHour), w.Links()));
    ASSERT_TRUE(PrepareCurrentWheelAgain(w.wb, {}, w.host));
    const WheelRequest& after = *w.wb.Wheel;
    EXPECT_EQ(after.WheelKind, 2);
    EXPECT_EQ(after.DualWheelShown, before.DualWheelShown);
    EXPECT_EQ(after.HelioWheel, before.HelioWheel);
    EXPECT_NE(after.DualOuterLongitudes, before.DualOuterLongitudes);  // chart 2 moved
  }
  // Nothing prepared: nothing to redraw.
  Workbench none;
  test::RecordingHost host;
  EXPECT_FALSE(PrepareCurrentWheelAgain(none, {}, host));
  EXPECT_FALSE(none.Wheel);
}

}  // namespace
}  // namespace orv
