#include "wheels/AspectGrid.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/Aspects.h"
#include "core/ChartModel.h"
#include "core/OptionNumbers.h"
#include "wheels/AspectList.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"

namespace orv {

namespace {

namespace O = OptionNumber;

// The colour option of the glyph of `AspectCode` 2..18 (the parallel is
// never found here).
int FamilyColorOption(int code) {
  switch (AspectCode(code)) {
    case AspectCode::Conjunction:
      return O::PrintGridConjunctionColor;
    case AspectCode::Sextile:
    case AspectCode::Trine:
      return O::PrintGridSextileTrineColor;
    case AspectCode::Square:
    case AspectCode::Opposition:
      return O::PrintGridSquareOppositionColor;
    case AspectCode::Quincunx:
      return O::PrintGridQuincunxColor;
    case AspectCode::SemiSquare:
    case AspectCode::Sesquisquare:
      return O::PrintGridSemiSquareColor;
    case AspectCode::Quintile:
    case AspectCode::BiQuintile:
      return O::PrintGridQuintileColor;
    default:
      return O::PrintGridMinorColor;
  }
}

// The texts the grid measures its cells and labels by: a number of three
// digits after the blank of a positive number.
constexpr std::string_view kCellMeasure = " 224";
constexpr std::string_view kGlyphMeasure = " 175";

// The room, in units, the grid keeps from the wheel and the page's texts,
// and the step by which it is lowered to find it.
constexpr double kClearance = 1;
constexpr double kLowerStep = 0.25;

using GridBox = std::array<UserPoint, 2>;  // top-left, bottom-right

// Positions left out of a heliocentric grid: the Moon, the nodes, the Part
// of Fortune, the Ascendant and the MC.
bool OutOfHelio(int position) { return position == 2 || (position >= 11 && position <= 15); }

std::size_t At(int point) { return static_cast<std::size_t>(point); }

class GridPainter {
 public:
  GridPainter(Canvas& canvas, const AspectGridInputs& in) : canvas_(canvas), in_(in) {}

  double Option(int n) const { return (*in_.options)[At(n)]; }

  void Paint() {
    const double y0 = Measure();
    // Lowered while it meets the wheel or a kept box, no lower than the
    // page's bottom edge; it moves whole, so its extent is measured once.
    PlaceTop(y0);
    const std::vector<GridBox> extent = Extent();
    const double room = Lowest(extent) - (canvas_.ScaleTop() + canvas_.ScaleHeight());
    double drop = 0;
    while (drop + kLowerStep <= room && Meets(extent, drop)) drop += kLowerStep;
    PlaceTop(y0 - drop);
    Frame();
    Labels();
    if (in_.orbs) Cells();
  }

  // The box the grid covers, cells and all, at the lowest place it may take.
  GridBox LowestBox() {
    PlaceTop(Measure());
    std::vector<GridBox> extent = Extent();
    const double drop = Lowest(extent) - (canvas_.ScaleTop() + canvas_.ScaleHeight());
    GridBox box = extent.front();
    for (const GridBox& b : extent)
      box = {UserPoint{std::min(box[0].x, b[0].x), std::max(box[0].y, b[0].y)},
             UserPoint{std::max(box[1].x, b[1].x), std::min(box[1].y, b[1].y)}};
    // A cell's glyph box stands a little above its rules.
    return {UserPoint{box[0].x, box[0].y - drop + ch_}, UserPoint{box[1].x, box[1].y - drop}};
  }

 private:
  // Sets the grid's font and measures; returns the top of its option place.
  double Measure() {
    canvas_.SetFontName(GlyphFontFace);
    canvas_.SetForeColor(QBColor(0));
    canvas_.SetFontSize(
        Option(in_.twoCharts ? O::PrintGridTwoChartFontSize : O::PrintGridSingleFontSize));
    canvas_.SetFontBold(false);
    const double tw = canvas_.TextWidth(kCellMeasure);
    const double th = std::fabs(canvas_.TextHeight(kCellMeasure));
    cw_ = 1.25 * tw;
    ch_ = 1.25 * th;
    const double x0 = canvas_.ScaleWidth() / 2 - Option(O::PrintGridRightInset);
    xR_ = x0 - tw;
    xL_ = xR_ - NumPoints * cw_;
    return canvas_.ScaleHeight() / 2 +
           1.25 * th *
               Option(in_.twoCharts ? O::PrintGridTwoChartRowsUp : O::PrintGridSingleRowsUp);
  }

  void PlaceTop(double y0) {
    y0_ = y0;
    yB_ = y0_ - (NumPoints + 1) * ch_;
  }

  // The boxes of the grid's rules and labels where it stands now (its cells
  // stand inside its rules).
  std::vector<GridBox> Extent() {
    measuring_ = true;
    extent_.clear();
    Frame();
    Labels();
    measuring_ = false;
    return extent_;
  }

  static double Lowest(const std::vector<GridBox>& boxes) {
    double y = boxes.front()[1].y;
    for (const GridBox& b : boxes) y = std::min(y, b[1].y);
    return y;
  }

  // Whether any of `boxes`, lowered by `drop`, comes within the clearance
  // of the wheel or of a kept box; the wheel's circles are round on the
  // page, whose units are not square.
  bool Meets(const std::vector<GridBox>& boxes, double drop) const {
    const double squash = 1 / SurfaceVerticalFactor(canvas_);
    const double reach = in_.wheelReach + kClearance;
    for (const GridBox& b : boxes) {
      const double top = b[0].y - drop, bottom = b[1].y - drop;
      const double nx = std::clamp(0.0, b[0].x, b[1].x), ny = std::clamp(0.0, bottom, top);
      if (std::hypot(nx, squash * ny) < reach) return true;
      for (const GridBox& k : in_.keepClear)
        if (b[0].x < k[1].x + kClearance && k[0].x < b[1].x + kClearance &&
            bottom < k[0].y + kClearance && k[1].y < top + kClearance)
          return true;
    }
    return false;
  }

  void Frame() {
    if (in_.twoCharts)
      SquareFrame();
    else
      Staircase();
  }

  // Drawn, or while measuring only its extent noted.
  void Rule(UserPoint a, UserPoint b) {
    if (measuring_)
      extent_.push_back({UserPoint{std::min(a.x, b.x), std::max(a.y, b.y)},
                         UserPoint{std::max(a.x, b.x), std::min(a.y, b.y)}});
    else
      canvas_.Line(a, b);
  }

  // N - 1 rows, the longest at the bottom.
  void Staircase() {
    const int n = NumPoints;
    const auto y = [&](int k) { return y0_ - (k + 1) * ch_; };
    for (int k = 1; k <= n; ++k) {
      const int cells = k == n ? n - 1 : k;
      Rule({xR_ - cells * cw_, y(k)}, {xR_, y(k)});
    }
    Rule({xR_, y(1)}, {xR_, yB_});
    for (int k = 1; k <= n - 1; ++k) Rule({xR_ - k * cw_, y(k)}, {xR_ - k * cw_, yB_});
  }

  void SquareFrame() {
    for (int k = 1; k <= NumPoints + 1; ++k) Rule({xL_, y0_ - k * ch_}, {xR_, y0_ - k * ch_});
    for (int m = 0; m <= NumPoints; ++m) Rule({xR_ - m * cw_, y0_ - ch_}, {xR_ - m * cw_, yB_});
  }

  int LabelCode(int position) const {
    if (in_.helio && position == 1) return GlyphCode::Earth;
    return GlyphCode::PointBase + GridPoint(position);
  }

  // The measure of a label: its point's number with the leading blank.
  static std::string NumberText(int position) {
    return " " + std::to_string(GlyphCode::PointBase + GridPoint(position));
  }

  void Put(int code, UserPoint at) { PutText(GlyphText(code), at); }
  void PutText(const std::string& text, UserPoint at) {
    if (measuring_) {
      extent_.push_back({at, {at.x + canvas_.TextWidth(text), at.y - canvas_.TextHeight(text)}});
      return;
    }
    canvas_.SetCurrent(at);
    canvas_.Print(text);
  }

  void Labels() {
    const int first = in_.twoCharts ? 1 : 2;
    for (int c = first; c <= NumPoints; ++c) {
      const double w = canvas_.TextWidth(NumberText(c));
      Put(LabelCode(c), {xL_ + w / 3 + (c - 1) * 1.25 * w, yB_ - 5});
    }
    if (in_.twoCharts) {
      const std::string caption = in_.caption + ": ";
      PutText(caption, {xL_ - canvas_.TextWidth(caption), yB_ - 5});
    }
    for (int r = in_.twoCharts ? NumPoints : NumPoints - 1; r >= 1; --r) {
      const double h = std::fabs(canvas_.TextHeight(NumberText(r)));
      Put(LabelCode(r), {xR_ + 5, yB_ - h / 4 + r * 1.25 * h});
    }
  }

  void Cells() {
    const double v = canvas_.TextWidth(kGlyphMeasure);
    const double g = std::fabs(canvas_.TextHeight(kGlyphMeasure));
    for (int i = 1; i <= LastPointOf(in_.columnsHaveChiron); ++i) {
      if (in_.helio && OutOfHelio(i)) continue;
      for (int k = 1; k <= LastPointOf(in_.rowsHaveChiron); ++k) {
        if (in_.helio && OutOfHelio(k)) continue;
        if (!in_.twoCharts && i <= k) continue;
        const int code = AspectListCode(Separation(GridPoint(i), GridPoint(k)), *in_.orbs);
        if (code < 2) continue;
        canvas_.SetForeColor(QBColor(Option(FamilyColorOption(code))));
        Put(GlyphCode::AspectBase + code, {xL_ + v / 3 + (i - 1) * 1.25 * v,
                                           yB_ - g / 4 + k * 1.25 * g});
      }
    }
  }

  // Column point `column` against row point `row`, 0..360 (the aspect test
  // folds it).
  double Separation(int column, int row) const {
    if (!in_.twoCharts) return std::fabs(in_.wheelAngles[At(column)] - in_.wheelAngles[At(row)]);
    if (in_.swapped) return std::fabs(in_.wheelAngles[At(row)] - in_.outerAngles[At(column)]);
    return std::fabs(in_.wheelAngles[At(column)] - in_.outerAngles[At(row)]);
  }

  Canvas& canvas_;
  const AspectGridInputs& in_;
  double cw_ = 0, ch_ = 0, xR_ = 0, xL_ = 0, y0_ = 0, yB_ = 0;
  bool measuring_ = false;
  std::vector<GridBox> extent_;
};

}  // namespace

int GridPoint(int position) {
  if (position == 1) return ChartPoint::Sun;
  if (position == 2) return ChartPoint::Moon;
  if (position <= 10) return position - 1;
  return position;
}

AspectGridInputs WheelGridInputs(const WheelPaintInputs& in) {
  AspectGridInputs grid;
  grid.options = in.options;
  grid.twoCharts = in.request->WheelKind != 1;
  grid.helio = in.request->HelioWheel != 0;
  grid.wheelAngles = in.request->Longitudes;
  // The request keeps its arrays as prepared; only the paint of the
  // combined arrangement exchanges its passes, so nothing is to be undone.
  grid.outerAngles = in.request->DualOuterLongitudes;
  grid.caption = in.request->InnerWheelHeader[1];
  // Columns are the wheel's chart, rows the outer chart on a square grid.
  grid.columnsHaveChiron = in.request->HasChiron;
  grid.rowsHaveChiron = grid.twoCharts ? in.request->OuterHasChiron : in.request->HasChiron;
  if (in.orbs) grid.orbs = *in.orbs;
  return grid;
}

void PrintAspectGrid(Canvas& canvas, const AspectGridInputs& in) { GridPainter(canvas, in).Paint(); }

std::array<UserPoint, 2> AspectGridLowestBox(Canvas& canvas, const AspectGridInputs& in) {
  return GridPainter(canvas, in).LowestBox();
}

}  // namespace orv
