#pragma once
// The aspect grid of a printed wheel: a staircase of cells under a single
// wheel (each pair of points once), a square under a two-chart wheel (every
// point of the first chart against every point of the second), each cell
// holding the glyph of the aspect its pair forms, in the colour of the
// aspect's family, with the points' glyphs along the bottom and the right.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "platform/Canvas.h"

namespace orv {

struct WheelPaintInputs;

struct AspectGridInputs {
  const OptionValues* options = nullptr;
  bool twoCharts = false;  // `WheelKind` other than 1: the square grid
  bool helio = false;      // `HelioWheel`
  // `DualDataSwapped`: the two-chart wheel has exchanged its arrays; the
  // grid exchanges them back, so its columns always hold the first chart.
  bool swapped = false;
  PointArray<double> wheelAngles{};  // `WheelAngles`, degrees
  PointArray<double> outerAngles{};  // `DualOuterLongitudes` (square grid)
  std::string caption;               // line 1 of `InnerWheelHeader` (square grid)
  // False for a chart outside Chiron's table: its Chiron cells stay empty.
  bool columnsHaveChiron = true;
  bool rowsHaveChiron = true;
  // The orbs of the wheel's orb file; none: the frame and labels without
  // aspects.
  std::optional<OrbTable> orbs;
  // What the page printed before the grid, which the grid keeps clear of:
  // the boxes of its texts (top-left and bottom-right corners) and the
  // radius, in units across, that the wheel's circles and spokes reach.
  std::vector<std::array<UserPoint, 2>> keepClear;
  double wheelReach = 0;
};

// The grid inputs of a prepared wheel: one chart, or the first chart's
// positions (columns) against the second's (rows).
AspectGridInputs WheelGridInputs(const WheelPaintInputs& in);

// The point at each grid position 1..16: the Sun, the Moon, Mercury to
// Pluto, then the nodes, the Part of Fortune, the Ascendant, the MC and
// Chiron.
int GridPoint(int position);

// The box (top-left, bottom-right) the grid covers at the lowest place it
// may take, on its page's bottom edge; it sets the grid's font.
std::array<UserPoint, 2> AspectGridLowestBox(Canvas& canvas, const AspectGridInputs& in);

// `PrintAspectGrid`: draws the grid on the printed page in the page's
// coordinates (the wheel centre at 0, y up): its right edge option 179
// units in from the page's right edge plus one number's width, its top
// option 188 (single) or 189 (two charts) text heights above the middle of
// the scale's height, in the glyph font at option 180 or 190 points. Where
// that place would bring a rule or label of the grid within a unit of the
// wheel or of a kept box, the grid stands lower, as little as clears them,
// and no lower than the page's bottom edge.
void PrintAspectGrid(Canvas& canvas, const AspectGridInputs& in);

}  // namespace orv
