#pragma once
// The wheel's geometry as pure functions: the window's and the printed
// page's coordinate systems, the frame's spokes, the house widths, the house
// numbers of the combined frame, the cusp label and intercepted sign
// positions, and the stepping of a label along its ray. All in wheel units:
// origin at the centre, x right, y up, angles in degrees counter-clockwise
// from 3 o'clock.

#include <array>
#include <optional>
#include <vector>

#include "core/ChartPoints.h"
#include "core/HouseSystem.h"
#include "platform/Canvas.h"

namespace orv {

// The printed page's scale: its edges are in units of this factor, and the
// ring's sign glyph places are made for a page whose units are 1 / 0.9625
// times as tall as wide. Only one page shape has that, so no line ends by it.
inline constexpr double PrinterVerticalFactor = 0.9625;
// The vertical factor that ends a spoke or a line on the circles of a
// surface of any shape, the window or a printed page of any size: circles
// are round in device space, so a line end's y is scaled by how much wider
// than tall a user unit is there (1 on the window, whose units are square).
double SurfaceVerticalFactor(const Canvas& surface);
// The radius of the circle of the declination ring and its label radius.
inline constexpr int WheelRadius = 200;
// The radius of the cusp labels and intercepted signs, just outside the rim.
inline constexpr double OutsideRimRadius = 0.91984662 * 236;

struct ScaleEdges {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// `StartScale` after a resize to a surface `width` by `height` (any units):
// the half-width that keeps every label inside, across and up and down, to
// the nearest integer. Nothing for an empty surface: keep the last.
std::optional<int> StartScaleFor(double width, double height);

// The window's font scale on a surface of `deviceUnitsPerUser` device units
// per wheel unit at `dotsPerInch`: the option font sizes are those of an
// 800 by 600 window at 96 dpi (`StartScale` 320), and a surface with more
// room per unit draws them larger in proportion, so every label keeps its
// place and its room at any size. Never below `SmallestFontScale`.
inline constexpr double SmallestFontScale = 0.875;
double WindowFontScale(double deviceUnitsPerUser, double dotsPerInch);

// The smallest wheel area, in device units at `dotsPerInch`, whose font
// scale is `SmallestFontScale`: every label inside and legible. The same
// shape as the labels' reach, so both its sides count.
struct DeviceSize {
  int width = 0, height = 0;
};
DeviceSize LegibleWheelArea(double dotsPerInch);

// The wheel area, in device units at `dotsPerInch`, of a wheel window that
// opens with no size of its own stored: 800 by 600 at 96 dpi, where the
// labels are drawn at the option font sizes (a `WindowFontScale` of 1).
DeviceSize WheelOpeningArea(double dotsPerInch);

// The window's coordinate system: x from -S to S, y from S r down to -S r,
// r = height / width of the surface.
ScaleEdges WindowScaleEdges(int startScale, double heightOverWidth);

// The height of the half page's wheel on a printable area `pageWidth` by
// `pageHeight` (device units): the wheel as a window 4 wide by 3 high shows
// it, across the sheet's width, never below the sheet's middle.
double HalfPageWheelHeight(double pageWidth, double pageHeight);

// `StartScale` of the printed page: 272 for a European single wheel, else 265.
int PrinterStartScale(int typeChart, int wheelKind);
// The printed page's coordinate system for `startScale`: 1.25 times as tall
// as wide, the wheel centre 53.9 units above the page's middle.
ScaleEdges PrinterScaleEdges(int startScale);

// The twelve equal spoke angles 0, 30, .. 330, stepped as the loop steps
// them in radians (all twelve, whatever the rounding).
std::array<double, 12> EqualSpokeAngles();

// The single frame's spokes: the equal angles for the American type
// (`typeChart` 0); for the European type each cusp at its true distance
// from the Ascendant, the Ascendant at 180.
std::array<double, 12> SingleFrameSpokeAngles(int typeChart, const HouseCusps& cusps);

// The two ends of a spoke at `angleDeg` from `r1` to `r2` with the vertical
// factor `f`.
std::array<UserPoint, 2> SpokeEnds(double angleDeg, double r1, double r2, double f);

// `HouseSectorWidths`: entry i the width in degrees of the house beginning
// at cusp entry i (cusp-array order); a width of exactly 277.5 at entries
// 1..11 is read as 7.5.
HouseCusps HouseSectorWidths(const HouseCusps& cusps);

// A character of the glyph font at a position.
struct PlacedCharacter {
  int code = 0;  // program code (GlyphText turns it into text)
  UserPoint at;  // top-left corner
};

// The fifteen digits of the combined frame's house numbers, in drawing order.
std::array<PlacedCharacter, 15> HouseNumberCharacters();

// The five characters of a cusp label (degree tens and units, sign, minute
// tens and units) and where they go.
using CuspLabel = std::array<PlacedCharacter, 5>;

// Whether cusp entry i (1..12) takes its label from the table: always for
// the American type and a two-chart wheel, and for the Ascendant (4) and
// Descendant (10) of a European single wheel.
bool CuspLabelFromTable(int i, int typeChart, int wheelKind);

// The label of cusp entry i at its fixed place: on the window from its
// HCDATA.DAT record (entries 10 i - 10 .. 10 i - 1 of `hcData`), a record of
// all zeros (a missing or short file) falling back on the derived one; on
// the printed page from the same rule with the printer's spacing, which
// keeps it on the page.
CuspLabel TableCuspLabel(int i, double cuspDeg, const std::array<std::int16_t, 121>& hcData,
                         bool printing);

// The label of cusp entry i at its true angle from the Descendant
// (`descendantDeg`), just outside the rim; `printing` picks the printer's
// shifts and character offsets.
CuspLabel PolarCuspLabel(double cuspDeg, double descendantDeg, bool printing);

// The signs (1..12) lying wholly inside house h (1..12), from the cusps;
// usually none or one, two or more only in very unequal houses.
std::vector<int> InterceptedSigns(const HouseCusps& cusps, int house);

// The angle of house h's intercepted signs: the middle of its true house from
// the Descendant on a European single wheel, else the middle of its fixed
// 30-degree sector; 0 <= angle < 360.
double InterceptionAngle(const HouseCusps& cusps, int house, int typeChart, int wheelKind);

// Where the first intercepted glyph at `angleDeg` goes: just outside the
// rim, 20 units further left on the left half.
UserPoint InterceptionPosition(double angleDeg);

// `StepByGlyphCell`, `StepByDigitCell`: `at` moved one cell (sx, sy) toward
// the centre along the ray at `angleDeg`, just far enough for the cell to
// clear its last place: sx across, 0.75 sy (printer: 0.8 sy) up or down.
UserPoint StepTowardCentre(UserPoint at, double angleDeg, double sx, double sy, bool printing);
// The same steps along one ray, its direction worked out once for them all.
class CentreSteps {
 public:
  CentreSteps(double angleDeg, bool printing);
  UserPoint From(UserPoint at, double sx, double sy) const { return Along(at, Length(sx, sy)); }
  // How far `From` moves a point, and a point moved that far.
  double Length(double sx, double sy) const;
  UserPoint Along(UserPoint at, double length) const {
    return {at.x - length * c_, at.y - length * s_};
  }

 private:
  double c_, s_, ratio_;
};

// `ShrinkDigitStep` (window) and its printer twin: the digit step `stepY`
// less the shrink amount when the minute font size reaches the threshold;
// the printer only for angles of at most 75 or at least 310.
int ShrunkDigitStep(int stepY, double minuteFontSize, double threshold, double amount,
                    double angleDeg, bool printing);
// Whether the digit step stays whole at `angleDeg` whatever the sizes.
bool DigitStepKept(double angleDeg, bool printing);

// The declination map: v below 0 at |v| x 6, else at Norm360(v x 6 + 180).
double DeclinationDisplayAngle(double valueDeg);
// The map applied to points 1..NumPoints.
PointArray<double> DeclinationDisplayAngles(const PointArray<double>& values);

// The equal frame: cusp entries 1..3 at 270, 300, 330, 4..12 at 0..240.
HouseCusps EqualFrameCusps();

// Rounds halves to even, as the wheel's conversions to whole numbers do.
int ToInteger(double value);

}  // namespace orv
