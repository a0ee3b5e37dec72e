#pragma once
// Chiron from the day-by-day tables: linear interpolation between whole
// Julian days.

#include <string>

#include "core/ephemeris/DataTables.h"

namespace orv {

// What the chart computation files as `ChartPoint` 16. All zero and not
// `Tabulated` outside the tables' days.
struct ChironPosition {
  bool Tabulated = false;
  double Longitude = 0;         // geocentric, degrees 0..360
  double Declination = 0;       // degrees
  double HelioLongitude = 0;    // degrees 0..360
  double HelioLatitude = 0;     // degrees
  double NextDayLongitude = 0;  // geocentric, one day later, degrees 0..360
  bool Retrograde = false;      // set "R" in `RetroFlags`; false never clears a flag
};

// The moments the tables cover, Julian days UT: from `ChironFirstJd` up to,
// not including, `ChironEndJd` (the last record's day is needed only as the
// next day of the one before it).
inline constexpr double ChironFirstJd = ChironFirstDay;
inline constexpr double ChironEndJd = ChironFirstDay + ChironDays - 2;

// A bound of the tables as the notes give it ("11 Dec 1899 12:00 UT").
std::string ChironBoundText(double jd);

// The line that says why a chart has no Chiron, with the tables' bounds.
std::string ChironLeftOutNote();

// Chiron at `jd` (Julian day, UT, with its day fraction), interpolated between
// records k - 2415000 and the next, k the whole part of `jd`. Needs the
// record after the next for the next-day position, so `jd` must lie in
// `ChironFirstJd` <= jd < `ChironEndJd`; elsewhere the result is all zero.
ChironPosition CalcChiron(const DataTables& tables, double jd);

}  // namespace orv
