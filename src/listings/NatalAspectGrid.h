#pragma once
// The natal aspect grid: aspects (above the diagonal) and parallels of
// declination (below it) among the sixteen points of one chart, its legend,
// and the list of every aspect found.

#include <array>
#include <cstdint>
#include <string>

#include "core/Aspects.h"
#include "core/ChartPoints.h"
#include "core/FixedTables.h"
#include "core/NumberFile.h"
#include "listings/ListingPage.h"

namespace orv {

// `NatalAspectFound`: which aspects the grid found, by `AspectCode` and the
// two points in `ReportPoint` numbering (1 Sun, 2 Moon, 3 Mercury .. 10
// Pluto, 11.. as `ChartPoint`), the higher point first. Parallels are not
// recorded. The natal report reads codes 2 to 6.
class NatalAspectTable {
 public:
  // Whether aspect `code` was found between `higher` and `lower`; false for
  // indices outside the table.
  bool Found(int code, int higher, int lower) const;
  void Mark(int code, int higher, int lower);

 private:
  static constexpr int kPoints = NumPoints + 1;
  std::array<std::int16_t, (MaxAspectCode + 1) * kPoints * kPoints> entries_{};
};

// A grid cell's aspect: the `AspectCode` (`NoAspectCode` for none), the
// separation folded into 0..180 degrees and the deviation from exact in
// degrees (the separation when none).
struct GridAspect {
  int code = NoAspectCode;
  double separationDeg = 0;
  double deviationDeg = 0;
};

// The 5-character grid cell of `AspectCode` `code`: its whole-degree angle
// right-aligned in three characters, then two blanks (" 60  ").
std::string AspectAngleCell(int code);

// The grid's aspect test of two longitudes in degrees against `natalOrbs`
// (NATAL.ORB, by `AspectKind`): every band is tested, the last match wins,
// so the conjunction wins over every other band.
GridAspect FindGridAspect(double longitudeA, double longitudeB, const OrbTable& natalOrbs);

// The grid's parallel cell of two declinations in degrees: " P   ", " CP  "
// or "---  " (orb: element 6 of `natalOrbs`). A declination of 0 counts as
// north.
std::string_view ParallelCell(double declinationA, double declinationB, const OrbTable& natalOrbs);

// `ListNatalAspectGrid`: appends the grid, its legend and the aspect list
// (one buffer entry of several lines) for the chart whose longitudes and
// declinations (by `ChartPoint`, degrees) are given, over the points up to
// `lastPoint` (a chart without Chiron ends at the MC: no Chiron column or
// row). Returns the aspects found.
NatalAspectTable ListNatalAspectGrid(ListingPage& page, const PointArray<double>& longitudes,
                                     const PointArray<double>& declinations,
                                     const OrbTable& natalOrbs, int lastPoint = NumPoints);

}  // namespace orv
