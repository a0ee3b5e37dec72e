#pragma once
// The lines of the wheel's aspect list window: every aspect between the
// points of the wheel's chart (or between the second chart and the first) by
// the sixteen aspect tests of the orb file, then the parallels and
// contra-parallels of declination, each line three glyphs of the glyph font.

#include <string>
#include <vector>

#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "wheels/WheelRequest.h"

namespace orv {

// What the list is made from. Rows are the chart shown (a single wheel) or
// the second chart (a two-chart wheel); columns are the first chart.
struct AspectListInputs {
  bool twoCharts = false;                          // `WheelKind` 2
  bool helio = false;                              // `HelioWheel`
  bool declination = false;                        // a wheel of declinations or helio latitudes
  bool composite = false;                          // a composite chart (no declinations of its own)
  PointArray<double> rowAngles{}, columnAngles{};  // display positions, degrees
  PointArray<double> rowDeclinations{}, columnDeclinations{};
  std::string rowEnabled = "1111111111111111";  // "0" at position n hides point n
  std::string columnEnabled = "1111111111111111";
  bool hasChiron = true;  // false: a chart outside Chiron's table, no row or column for it
};

// The inputs of a single wheel's request: the chart shown against itself,
// its own enabled points and declinations.
AspectListInputs SingleWheelAspectListInputs(const WheelRequest& request);

// The aspect code (`AspectKind` + 1; 1 none) of two display positions by
// the sixteen tests in their fixed order, the conjunction last, a later match
// winning; bounds inclusive, in single precision but for the septile (double).
int AspectListCode(double separationDeg, const OrbTable& orbs);

// `FillAspectList`: the text's lines as program codes of the glyph font (a
// byte per character): an empty first line, then "  " glyph, " ", aspect
// glyph, " ", glyph per aspect (each pair of a single wheel in both orders;
// none on a declination wheel), then, unless the chart is a composite or
// heliocentric, an empty line (not on a declination wheel) and the parallels
// (166) and contra-parallels (178) within orb 6, leaving out the nodes and
// the Part of Fortune. Points run in the order Sun, Moon, Mercury .. Pluto,
// then 11 .. 16.
std::vector<std::string> AspectListLines(const AspectListInputs& in, const OrbTable& orbs);

}  // namespace orv
