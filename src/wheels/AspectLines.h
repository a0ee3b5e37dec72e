#pragma once
// The aspect lines inside a wheel: which pairs of points are in aspect by the
// wheel's tests, where their chords run, and how they are drawn (a chord with
// the aspect glyph at its middle, a light-green arc near the rim for a
// conjunction). One wheel chart against itself serves the single wheel; two
// charts against each other serve the two-chart wheels.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "platform/Canvas.h"
#include "wheels/WheelPlacement.h"

namespace orv {

// The `AspectCode`s the wheel's tests give (1: none).
namespace WheelAspect {
inline constexpr int None = 1;
inline constexpr int Conjunction = 2;
inline constexpr int Sextile = 3;
inline constexpr int Square = 4;
inline constexpr int Trine = 5;
inline constexpr int Opposition = 6;
inline constexpr int Quincunx = 11;
}  // namespace WheelAspect

// What the aspect tests of a wheel obey.
struct AspectLineTests {
  bool threeDegreeWindows = false;  // `ThreeDegreeWheelOrbs`: fixed 3-degree windows
  bool sextiles = true;             // "&Display sextiles" is checked
  bool declination = false;         // a wheel of declinations or helio latitudes
  // `DualAspectFilter`: 0 all, 1 the quincunx only, 2 sextile and trine,
  // 3 square and opposition. The declination rule is not filtered.
  int filter = 0;
  bool operator==(const AspectLineTests&) const = default;
};

// The aspect code of two display positions `separationDeg` apart (folded or
// not; 0..360): sextile, square, trine, opposition, quincunx, conjunction in
// that order, a later match winning, bounds inclusive. With the orb table
// the separation and every bound are compared in single precision. On a
// declination wheel (six wheel degrees per degree) the parallel orb o6 then
// makes a parallel (drawn as a conjunction) or a contra-parallel (drawn as an
// opposition), and any other code is dropped.
int WheelAspectCode(double separationDeg, const OrbTable& orbs, const AspectLineTests& tests);

// |a - b| folded into 0..180.
double FoldedSeparation(double aDeg, double bDeg);

// One side of a pair: the points of one chart as a wheel shows them.
struct AspectLineChart {
  PointArray<double> angles{};       // display positions, degrees
  PointArray<double> glyphAngles{};  // where lines end (beside each glyph)
  PointArray<bool> takesPart{};      // points that may get lines
  double radius = 120;               // where the chords end
};

// Which points of a single wheel or of the combined arrangement take part:
// the Sun to the Moon and Chiron (never the nodes, the Part of Fortune, the
// Ascendant and the MC), enabled in `enabled` ("0" at position n hides point
// n), on a heliocentric wheel not the Moon, and not a Chiron the chart's
// date lies outside the table of (`hasChiron` false).
PointArray<bool> SingleWheelLinePoints(std::string_view enabled, bool helio, bool hasChiron = true);

// Where each point's lines end: the line-end angle of its placed label, or
// its display angle when it has none (a point the placement left out).
PointArray<double> LineEndAngles(const PointArray<double>& displayAngles,
                                 const std::vector<PlacedLabel>& placed);

struct AspectLine {
  int code = WheelAspect::None;
  int pointA = 0, pointB = 0;
  double angleA = 0, angleB = 0;    // glyph angles, degrees
  double radiusA = 0, radiusB = 0;  // chord end radii
  bool sameChart = false;           // both ends in one chart of a two-chart wheel
};

// Which pairs of points a set of lines joins.
enum class AspectPairs {
  OneChart,        // a single wheel: each two points of its chart once
  WithinOneOfTwo,  // a two-chart wheel: each two points of one of its charts once
  AcrossTwo,       // a two-chart wheel: each point of one chart with each of the other
};

// The lines between the points of `a` and those of `b` (`a` and `b` are the
// same chart but for `AcrossTwo`).
std::vector<AspectLine> FindAspectLines(const AspectLineChart& a, const AspectLineChart& b,
                                        AspectPairs pairs, const OrbTable& orbs,
                                        const AspectLineTests& tests);

// A drawn character's box in user units: two opposite corners.
using AspectClearBox = std::array<UserPoint, 2>;

// How the lines are drawn on one surface.
struct AspectLineStyle {
  bool printing = false;
  bool blackWhite = false;               // `BlackWhitePrint`: harmonious lines in black
  std::optional<double> conjunctionArc;  // the arc's radius; none: no arcs
  const OptionValues* options = nullptr;
  // Characters the lines pass behind (broken `clearance` units short of
  // them) and the aspect glyphs keep off.
  std::vector<AspectClearBox> keepClear;
  double clearance = 1.5;
};

// The stretches of the segment from `p` to `q` (parameters from 0 at `p`
// to 1 at `q`, in order) that pass no box of `boxes` widened by `margin`
// units all round; an end of the segment that no box itself covers keeps its
// line up to the next stretch when only the margin would cut it short.
std::vector<std::array<double, 2>> StretchesClearOf(UserPoint p, UserPoint q,
                                                    const std::vector<AspectClearBox>& boxes,
                                                    double margin);

// Whether the segment from `p` to `q` passes through the box `b`: whether
// `StretchesClearOf(p, q, {b}, 0)` leaves less than all of it. Touching the
// box at an end only is not passing through it.
bool SegmentCrossesBox(UserPoint p, UserPoint q, const AspectClearBox& b);

// Where along the segment from `p` to `q` (its parameter) the centre of an
// aspect glyph `width` by `height` units goes: the place nearest the middle
// where the glyph stands `margin` units clear of every box of `boxes`,
// sought within the segment's middle four fifths, then along all of it,
// then touching allowed; then clear of the first `firm` boxes alone (the
// characters, before the glyphs already placed): a glyph on another reads
// better than one on a label. The middle when there is none.
double AspectMarkSpot(UserPoint p, UserPoint q, double width, double height,
                      const std::vector<AspectClearBox>& boxes, double margin,
                      std::size_t firm = 0);

// The colour of a line of `code` (nothing for the conjunction, whose arc has
// its own): options 97-99 on the window (the harmonious ones black in the
// black-and-white print), 112-114 on paper. On the window a same-chart pair
// takes the lighter variant, option + 8, + 1 or + 10, unless that would leave
// the 16-colour palette; then it keeps the cross-pair colour.
std::optional<Rgb> AspectLineColor(int code, const OptionValues& options, bool printing,
                                   bool blackWhite, bool sameChart);

// The light green of the conjunction arcs.
inline constexpr int ConjunctionArcColor = 10;

// The start and end angle (degrees) of the shorter arc between glyph angles
// `a` and `b`, counter-clockwise from start to end.
std::array<double, 2> ConjunctionArcAngles(double a, double b);

// Draws `lines`: a chord in its colour with the aspect glyph (font size
// option 77, on paper 87) centred on its middle, or the conjunction's arc
// (pen 2, on paper 4). The chord ends take the surface's vertical factor.
void DrawAspectLines(Canvas& canvas, const std::vector<AspectLine>& lines,
                     const AspectLineStyle& style);

// One aspect line as `DrawAspectLines` draws it, laid out on a surface's
// measures: a conjunction's arc, or a chord's stretches and its glyph.
struct LaidAspectLine {
  bool arc = false;
  double fromRad = 0, toRad = 0;
  Rgb color;
  std::vector<std::array<UserPoint, 2>> stretches;
  UserPoint glyphAt;  // top-left
  std::string glyph;
};
// The lines laid out on `surface`, then drawn as laid out: a paint that
// keeps the layout draws it again without working it out anew.
std::vector<LaidAspectLine> LayOutAspectLines(const Canvas& surface,
                                              const std::vector<AspectLine>& lines,
                                              const AspectLineStyle& style);
void DrawLaidAspectLines(Canvas& canvas, const std::vector<LaidAspectLine>& laid,
                         const AspectLineStyle& style);

}  // namespace orv
