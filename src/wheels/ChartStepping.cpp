#include "wheels/ChartStepping.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "base/Links.h"
#include "core/ChartTime.h"

namespace orv {

namespace {

constexpr double kHour = 1.0 / 24;
constexpr double kMinute = 1.0 / 1440;
constexpr int kMinutesPerDay = 1440;

std::string FourDigitYear(int year) {
  std::string text = std::to_string(year < 0 ? -year : year);
  if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
  return year < 0 ? "-" + text : text;
}

}  // namespace

const UpdateStep UpdateSteps[24] = {
    {"&Add a Natal Day", "Shift+F1", SteppedChart::Natal, 1},
    {"&Go back a Natal day", "Shift+F2", SteppedChart::Natal, -1},
    {"Add a Natal &hour", "Shift+F3", SteppedChart::Natal, kHour},
    {"Go &back a Natal hour", "Shift+F4", SteppedChart::Natal, -kHour},
    {"Add a Natal &minute", "Shift+F5", SteppedChart::Natal, kMinute},
    {"Go bac&k a Natal minute", "Shift+F6", SteppedChart::Natal, -kMinute},
    {"Add a Natal Week", "Shift+F7", SteppedChart::Natal, 7},
    {"Go back a Natal Week", "Shift+F8", SteppedChart::Natal, -7},
    {"Add a Natal Month", "Shift+F11", SteppedChart::Natal, 30},
    {"Go back a Natal Month", "Shift+F12", SteppedChart::Natal, -30},
    {"Add a Natal Year", "Shift+Ctrl+F1", SteppedChart::Natal, 365},
    {"Go back a Natal Year", "Shift+Ctrl+F2", SteppedChart::Natal, -365},
    {"&Add a Transit Day", "Ctrl+F1", SteppedChart::Second, 1},
    {"&Go back a Transit day", "Ctrl+F2", SteppedChart::Second, -1},
    {"Add a Transit &hour", "Ctrl+F3", SteppedChart::Second, kHour},
    {"Go &back a Transit hour", "Ctrl+F4", SteppedChart::Second, -kHour},
    {"Add a Transit &minute", "Ctrl+F5", SteppedChart::Second, kMinute},
    {"Go bac&k a Transit minute", "Ctrl+F6", SteppedChart::Second, -kMinute},
    {"Add a Transit Week", "Ctrl+F7", SteppedChart::Second, 7},
    {"Go back a Transit Week", "Ctrl+F8", SteppedChart::Second, -7},
    {"Add a Transit Month", "Ctrl+F11", SteppedChart::Second, 30},
    {"Go back a Transit Month", "Ctrl+F12", SteppedChart::Second, -30},
    {"Add a Transit Year", "Shift+Ctrl+F3", SteppedChart::Second, 365},
    {"Go back a Transit Year", "Shift+Ctrl+F4", SteppedChart::Second, -365},
};

LocalMoment JulianDayToLocalDateTime(double julianDay, double timeZoneHours) {
  // Whole minutes since the midnight that begins Julian day number 0: the
  // moment is rounded once, here, so the minutes never read 60.
  const double local = julianDay - timeZoneHours / 24;
  const auto minutes = static_cast<std::int64_t>(std::llround((local + 0.5) * kMinutesPerDay));
  std::int64_t dayNumber = minutes / kMinutesPerDay;
  std::int64_t ofDay = minutes % kMinutesPerDay;
  if (ofDay < 0) ofDay += kMinutesPerDay, --dayNumber;
  const CalendarDate date = CalendarDateOf(static_cast<double>(dayNumber));
  LocalMoment m;
  m.year = date.year;
  m.month = date.month;
  m.day = date.day;
  const int hour24 = static_cast<int>(ofDay / 60);
  m.minute = static_cast<int>(ofDay % 60);
  m.pm = hour24 >= 12;
  m.hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
  return m;
}

void FillDateFields(ChartInputFields& fields, const LocalMoment& moment) {
  fields.Month = std::to_string(moment.month);
  fields.Day = std::to_string(moment.day);
  fields.Year = FourDigitYear(moment.year);
  fields.Hour = std::to_string(moment.hour);
  fields.Minute = std::to_string(moment.minute);
  fields.Pm = moment.pm;
}

ChartInputFields SteppedFields(const ChartModel& charts, const ChartInputFields& fields,
                               const UpdateStep& step) {
  const bool natal = step.chart == SteppedChart::Natal;
  const double julianDay = (natal ? charts.NatalJulianDay : charts.DiurnalJulianDay) + step.days;
  const float zone = natal ? charts.NatalInput.timeZone : charts.DiurnalInput.timeZone;
  ChartInputFields stepped = fields;
  FillDateFields(stepped, JulianDayToLocalDateTime(julianDay, zone));
  return stepped;
}

void StepLinks::RequireBound() const {
  RequireLinks("StepLinks", {{"fields", static_cast<bool>(fields)},
                             {"setFields", static_cast<bool>(setFields)},
                             {"compute", static_cast<bool>(compute)},
                             {"redraw", static_cast<bool>(redraw)}});
}

bool StepChartMoment(const ChartModel& charts, const UpdateStep& step, const StepLinks& links) {
  links.RequireBound();
  const ChartInputFields before = links.fields(step.chart);
  links.setFields(step.chart, SteppedFields(charts, before, step));
  if (links.compute() != 0) {
    links.setFields(step.chart, before);
    return false;
  }
  links.redraw();
  return true;
}

}  // namespace orv
