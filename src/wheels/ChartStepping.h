#pragma once
// Stepping a chart's moment from the wheel window: the 24 items of its
// Update menu, the stepped moment turned back into the local date and
// 12-hour clock time of an input window's fields, and the step itself,
// which recomputes the charts from those fields.

#include <functional>
#include <string_view>

#include "core/ChartInput.h"
#include "core/ChartModel.h"

namespace orv {

// Whose moment a step moves: chart 1 (natal) or chart 2 (transits or the
// second person).
enum class SteppedChart { Natal, Second };

// One item of the Update menu ("+" Shift, "^" Ctrl in the key column of the
// menu; here in Qt's key-sequence text).
struct UpdateStep {
  std::string_view caption;  // e.g. "&Add a Natal Day"
  std::string_view key;      // e.g. "Shift+F1"
  SteppedChart chart;
  double days;  // the change of the moment; a month is 30 days, a year 365
};

// The Update menu in menu order: the 12 natal items, then (after a
// separator) the 12 items of chart 2.
extern const UpdateStep UpdateSteps[24];

// A moment of the local clock as the input fields hold it.
struct LocalMoment {
  int year = 0, month = 0, day = 0;
  int hour = 12;  // 1..12 on the 12-hour clock
  int minute = 0;
  bool pm = false;
  bool operator==(const LocalMoment&) const = default;
};

// `JulianDayToLocalDateTime`: the local date and 12-hour time of the moment
// `julianDay` (universal time) in the zone `timeZoneHours` (West positive),
// to the nearest minute. The date comes from the exact inverse of the
// calendar rule, so a step before the Gregorian reform moves by exactly the
// step. Half past midnight is 12.30 A.M., half past noon 12.30 P.M.
LocalMoment JulianDayToLocalDateTime(double julianDay, double timeZoneHours);

// `FillNatalDateFields`, `FillTransitDateFields`: writes the month and day
// (no leading zero), the 4-digit year, the hour and the minute (plain number
// texts) and A.M. or P.M. into an input window's fields; the rest stays.
void FillDateFields(ChartInputFields& fields, const LocalMoment& moment);

// The fields of the stepped chart after `step` from the moment the charts
// were last computed at: `fields` with the new date and time.
ChartInputFields SteppedFields(const ChartModel& charts, const ChartInputFields& fields,
                               const UpdateStep& step);

// What a step needs of the input windows and the chart computation.
struct StepLinks {
  // The fields of the natal or the second-chart window, and writing them.
  std::function<ChartInputFields(SteppedChart)> fields;
  std::function<void(SteppedChart, const ChartInputFields&)> setFields;
  // `CalcCharts` from the windows; returns `InputError` (1: refused, its
  // messages shown, the model unchanged).
  std::function<int()> compute;
  // Rebuilds the wheel on display from the new charts.
  std::function<void()> redraw;

  // Throws std::logic_error naming the first link left unbound.
  void RequireBound() const;
};

// An Update item: writes the stepped moment into the window's fields and
// recomputes both charts. When the computation refuses the new moment (past
// the last supported year, say), the fields get their previous values back,
// the charts stay as they were and the wheel is not redrawn. Returns whether
// the step was taken. Every link is required (std::logic_error otherwise).
bool StepChartMoment(const ChartModel& charts, const UpdateStep& step, const StepLinks& links);

}  // namespace orv
