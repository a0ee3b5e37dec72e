#include "wheels/WheelPaint.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "base/Format.h"
#include "core/Angles.h"
#include "core/ChartModel.h"
#include "core/OptionNumbers.h"
#include "wheels/AspectGrid.h"
#include "wheels/AspectLines.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/DualWheelInputs.h"
#include "wheels/GlyphCodes.h"
#include "wheels/LabelReach.h"
#include "wheels/WheelFit.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

// The fit's option twins and constants, which the paint draws by.
using namespace wheelfit;

namespace O = OptionNumber;

constexpr SurfaceOptions kWindow{
    .printing = false,
    .titleSize = O::WheelTitleFontSize,
    .cuspDegreeSize = O::WheelFontSize,
    .cuspSignSize = O::WheelSignFontSize,
    .cuspMinuteSize = O::WheelCuspDegreeFontSize,  // named for degrees, sizes the minutes
    .glyphSize = O::WheelPlanetFontSize,
    .degreeSize = O::WheelPlanetDegreeFontSize,
    .signSize = O::WheelPlanetSignFontSize,
    .minuteSize = O::WheelPlanetMinuteFontSize,
    .retroSize = O::WheelRetroFontSize,
    .titleColor = O::WheelTitleColor,
    .cuspDegreeColor = O::WheelCuspDegreeColor,
    .cuspSignColor = O::WheelCuspSignColor,
    .cuspMinuteColor = O::WheelCuspMinuteColor,
    .glyphColor = O::WheelPlanetColor,
    .degreeColor = O::WheelPlanetDegreeColor,
    .signColor = O::WheelPlanetSignColor,
    .minuteColor = O::WheelPlanetMinuteColor,
    .retroColor = O::WheelRetroColor,
    .ringColor = O::WheelCircleColor,
    .spokeColor = O::WheelSpokeColor,
    .glyphWidthOffset = O::WheelScreenOffset1,
    .digitWidthOffset = O::WheelScreenOffset2,
    .glyphHeightOffset = O::WheelScreenOffset3,
    .digitHeightOffset = O::WheelScreenOffset4,
    .shrinkThreshold = O::LabelShrinkFromSize,
    .shrinkAmount = O::LabelShrinkAmount,
};
constexpr SurfaceOptions kPrinter{
    .printing = true,
    .titleSize = O::WheelPrinterTitleFontSize,
    .cuspDegreeSize = O::WheelPrinterFontSize,
    .cuspSignSize = O::WheelPrinterSignFontSize,
    .cuspMinuteSize = O::WheelPrinterCuspDegreeFontSize,
    .glyphSize = O::WheelPrinterPlanetFontSize,
    .degreeSize = O::WheelPrinterPlanetDegreeFontSize,
    .signSize = O::WheelPrinterPlanetSignFontSize,
    .minuteSize = O::WheelPrinterPlanetMinuteFontSize,
    .retroSize = O::WheelPrinterRetroFontSize,
    .titleColor = O::WheelPrinterTitleColor,
    .cuspDegreeColor = O::WheelPrinterCuspDegreeColor,
    .cuspSignColor = O::WheelPrinterCuspSignColor,
    .cuspMinuteColor = O::WheelPrinterCuspMinuteColor,
    .glyphColor = O::WheelPrinterPlanetColor,
    .degreeColor = O::WheelPrinterPlanetDegreeColor,
    .signColor = O::WheelPrinterPlanetSignColor,
    .minuteColor = O::WheelPrinterPlanetMinuteColor,
    .retroColor = O::WheelPrinterRetroColor,
    .ringColor = O::WheelPrinterCircleColor,
    .spokeColor = O::WheelPrinterSpokeColor,
    .glyphWidthOffset = O::WheelPrinterOffset1,
    .digitWidthOffset = O::WheelPrinterOffset2,
    .glyphHeightOffset = O::WheelPrinterOffset3,
    .digitHeightOffset = O::WheelPrinterOffset4,
    .shrinkThreshold = O::LabelPrinterShrinkFromSize,
    .shrinkAmount = O::LabelPrinterShrinkAmount,
};
const SurfaceOptions& SurfaceOf(bool printing) { return printing ? kPrinter : kWindow; }

CircleStyle Ring(Rgb color) {
  CircleStyle style;
  style.color = color;
  return style;
}

// Draws a wheel's frame and what its fit planned, and the aspect lines
// between the places the plan gives.
class Painter {
 public:
  // `keptLines`: where the aspect lines' layout is kept for the next paint
  // of the same plan (laid out and kept there when empty).
  Painter(Canvas& canvas, const WheelPaintInputs& in, const SurfaceOptions& o,
          std::optional<std::vector<LaidAspectLine>>& keptLines)
      : canvas_(canvas), in_(in), req_(*in.request), o_(o), keptLines_(keptLines) {
    o_.verticalFactor = SurfaceVerticalFactor(canvas);
  }

  double Opt(int n) const { return (*in_.options)[static_cast<std::size_t>(n)]; }
  Rgb Color(int option) const { return QBColor(Opt(option)); }

  Rgb SpokeColor() const { return in_.blackWhite ? QBColor(0) : Color(o_.spokeColor); }

  void SingleFrame() {
    const auto ring = Color(o_.ringColor);
    const auto spokes = SingleFrameSpokeAngles(in_.typeChart, req_.Cusps);
    if (o_.printing) Circles(ring);
    for (double a : spokes) {
      const auto ends = SpokeEnds(a, 120, 217, o_.verticalFactor);
      canvas_.Line(ends[0], ends[1], SpokeColor());
    }
    if (!o_.printing) Circles(ring);
  }

  void DualRing() {
    for (double a : EqualSpokeAngles()) {
      const auto ends = SpokeEnds(a, WheelRadius, kRingSpokeEnd, o_.verticalFactor);
      canvas_.Line(ends[0], ends[1], SpokeColor());
    }
    canvas_.Circle({0, 0}, WheelRadius, Ring(Color(o_.ringColor)));
  }

  // The plan's texts and lines in order; the texts after them go on in
  // the font and colour the plan's leave.
  void Draw(const WheelPlan& plan) {
    for (const PlanMark& m : plan.marks) {
      if (m.kind == PlanMark::Kind::Line) {
        canvas_.Line(m.a, m.b, m.color);
        continue;
      }
      canvas_.SetFontName(m.font.family);
      canvas_.SetFontSize(m.font.points);
      canvas_.SetFontBold(m.font.bold);
      canvas_.SetForeColor(m.color);
      canvas_.SetCurrent(m.a);
      canvas_.Print(m.text);
    }
    canvas_.SetFontName(plan.font.family);
    canvas_.SetFontSize(plan.font.points);
    canvas_.SetFontBold(plan.font.bold);
    canvas_.SetForeColor(plan.color);
  }

  // The two-ring wheel's aspect lines, which end on the circle.
  void RingAspectLines(const WheelPlan& plan) {
    if (!in_.orbs) return;
    AspectLineTests tests = in_.lineTests;
    tests.declination = req_.DeclinationDualWheel == 1;
    tests.filter = req_.DualAspectFilter;
    AspectLineStyle style = LineStyle();
    // Along the circle on paper too: the labels stand just outside it, and
    // an arc through them would strike their degrees out.
    style.conjunctionArc = WheelRadius + 1;
    Lines(
        [&] {
          return TwoRingAspectLines(TwoRingInputs(req_), plan.ring, *in_.orbs, tests,
                                    Opt(O::DualAspectsAllPoints) != 0);
        },
        style);
  }

  // The combined arrangement's lines between its two bands, with option
  // 230 (conjunctions draw nothing here).
  void BandAspectLines(const WheelPlan& plan) {
    if (!in_.orbs || Opt(O::TransitsVsNatalAspectLines) == 0) return;
    // As on the single wheel, the lines end on the circle inside the labels,
    // that of the house numbers' ring, and cross no label. Lines to the rim
    // (option 231) cross both bands: they pass behind every label, never
    // between its characters, and their glyphs stand clear of the labels.
    AspectLineStyle style = LineStyle();
    style.keepClear = plan.keepClear;
    const auto& inputs = plan.passInputs;
    const auto& placed = plan.placed;
    Lines(
        [&] {
          return CombinedAspectLines(
              inputs[0], placed[0], inputs[1], placed[1], *in_.orbs, in_.lineTests,
              Opt(O::AspectLineRadiusSwitch) != 0 ? kRimRadius : kHouseNumbersRadius,
              kHouseNumbersRadius);
        },
        style);
  }

  AspectLineStyle LineStyle() const {
    AspectLineStyle style;
    style.printing = o_.printing;
    style.blackWhite = in_.blackWhite;
    style.options = in_.options;
    return style;
  }

  // The single wheel's aspect lines, between the placed glyphs.
  void AspectLines(const std::vector<PlacedLabel>& placed) {
    if (!in_.orbs || Opt(O::SingleWheelAspectLines) != 1) return;
    const bool declination = req_.DeclinationSingleWheel != 0;
    AspectLineChart chart;
    chart.angles = req_.Longitudes;
    chart.glyphAngles = LineEndAngles(req_.Longitudes, placed);
    chart.takesPart =
        SingleWheelLinePoints(req_.EnabledPoints, req_.HelioWheel == 1, req_.HasChiron);
    chart.radius = declination ? WheelRadius : 120;
    AspectLineTests tests = in_.lineTests;
    tests.declination = declination;
    AspectLineStyle style = LineStyle();
    // Along the ring's circle on paper too, clear of the labels outside it.
    style.conjunctionArc = declination ? WheelRadius + 1 : o_.printing ? 220 : 218;
    Lines([&] { return FindAspectLines(chart, chart, AspectPairs::OneChart, *in_.orbs, tests); },
          style);
  }

 private:
  // The aspect lines `find` gives, laid out once for the kept plan.
  template <class Find>
  void Lines(const Find& find, const AspectLineStyle& style) {
    if (!keptLines_) keptLines_ = LayOutAspectLines(canvas_, find(), style);
    DrawLaidAspectLines(canvas_, *keptLines_, style);
  }

  void Circles(Rgb ring) {
    canvas_.Circle({0, 0}, 217, Ring(ring));
    canvas_.Circle({0, 0}, 120, Ring(ring));
  }

  Canvas& canvas_;
  const WheelPaintInputs& in_;
  const WheelRequest& req_;
  SurfaceOptions o_;
  std::optional<std::vector<LaidAspectLine>>& keptLines_;
};

// Where a header line whose nearest edge is `near` units from the wheel's
// middle height must end: left of the rim's labels beside the wheel (about
// 50 units wide), left of those just above or below it, else anywhere.
double HeaderRoom(double near, const Canvas& canvas) {
  constexpr double kRim = 219, kLabelWidth = 50, kLabelsAbove = 240;
  if (near < kRim) return -(std::sqrt(kRim * kRim - near * near) + kLabelWidth);
  if (near < kLabelsAbove) return -kLabelWidth - 10;
  return canvas.ScaleLeft() + canvas.ScaleWidth();
}

// `line` cut to `width` units, ending in "...": a long name would otherwise
// run across the wheel.
std::string Elided(const Canvas& canvas, const std::string& line, double width) {
  if (canvas.TextWidth(line) <= width) return line;
  std::string cut = line;
  while (!cut.empty() && canvas.TextWidth(cut + "...") > width) {
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
    if (!cut.empty()) cut.pop_back();
  }
  return cut + "...";
}

// The rows a header block prints, top to bottom: its seven lines where each
// fits the room `roomOf(row, rows)` of its row of `rows`. Else each line is
// whole where it fits, or wrapped at words onto the rows below, and cut with
// "..." only where a word is wider than its row; a block that hangs from
// `anchorTop` keeps its first line at the top, another stands on its last
// row with its empty last lines taken to the top, so its text sits as low as
// it can, where the corner beside the wheel is widest. Either grows only
// where its empty lines cannot take the rows a wrap adds.
std::vector<std::string> HeaderRows(const Canvas& canvas, const WheelHeaderLines& block,
                                    bool anchorTop,
                                    const std::function<double(std::size_t, std::size_t)>& roomOf) {
  std::vector<std::string> laid(block.begin() + 1, block.end());
  bool whole = true;
  for (std::size_t row = 0; row < laid.size(); ++row)
    whole = whole && canvas.TextWidth(laid[row]) <= roomOf(row, laid.size());
  if (whole) return laid;
  std::size_t used = 7;
  while (used > 0 && block[used].empty()) --used;
  // A wrap that makes the text a row taller moves a standing block's rows
  // up, where they have less room: laid again until the count holds.
  std::size_t count = used;
  for (int tries = 0; tries < 4; ++tries) {
    const std::size_t rows = std::max<std::size_t>(7, count);
    const std::size_t first = anchorTop ? 0 : rows - count;
    laid.clear();
    for (std::size_t k = 1; k <= used; ++k)
      for (std::string rest = block[k];;) {
        const double room = roomOf(first + laid.size(), rows);
        std::size_t cut = rest.rfind(' ');
        while (cut != std::string::npos && cut > 0 && canvas.TextWidth(rest.substr(0, cut)) > room)
          cut = rest.rfind(' ', cut - 1);
        if (canvas.TextWidth(rest) <= room || cut == std::string::npos || cut == 0) {
          laid.push_back(Elided(canvas, rest, room));
          break;
        }
        laid.push_back(rest.substr(0, cut));
        rest.erase(0, rest.find_first_not_of(' ', cut));
        if (rest.empty()) break;  // only blanks were left over
      }
    if (anchorTop || laid.size() == count) break;
    count = laid.size();
  }
  const std::size_t pad = std::max<std::size_t>(7, laid.size()) - laid.size();
  laid.insert(anchorTop ? laid.end() : laid.begin(), pad, "");
  return laid;
}

void SetEdges(Canvas& canvas, const ScaleEdges& e) {
  canvas.SetScale(e.left, e.top, e.right, e.bottom);
}

// The house numbers 1..12 in the combined frame's innermost ring, in the
// current font and colour.
void DrawHouseNumbers(Canvas& canvas) {
  for (const PlacedCharacter& c : HouseNumberCharacters()) {
    canvas.SetCurrent(c.at);
    canvas.Print(GlyphText(c.code));
  }
}

// The frame, sign or cusp labels and points of a two-chart wheel, as
// `plan` has them, and its aspect lines.
void TwoChartWheel(Painter& p, Canvas& canvas, const WheelPaintInputs& in, bool printing,
                   const WheelPlan& plan) {
  const OptionValues& opt = *in.options;
  const bool twoRing = in.request->DualWheelShown == 1;
  if (twoRing)
    p.DualRing();
  else
    DrawCombinedFrame(canvas, opt, printing, in.blackWhite);
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(opt[SurfaceOf(printing).cuspDegreeSize]);
  canvas.SetFontBold(false);
  canvas.SetForeColor(QBColor(0));
  if (twoRing) {
    p.Draw(plan);
    p.RingAspectLines(plan);
    return;
  }
  DrawHouseNumbers(canvas);
  p.Draw(plan);
  p.BandAspectLines(plan);
}

}  // namespace

SingleWheelInputs SingleWheelInputsOf(const WheelPaintInputs& in) {
  const WheelRequest& r = *in.request;
  SingleWheelInputs s;
  s.values = r.Longitudes;
  s.cusps = r.Cusps;
  s.housePositions = r.HousePositions;
  s.enabled = r.EnabledPoints;
  s.lastPoint = LastPointOf(r.HasChiron);
  s.retroFlags = r.RetroFlags;
  s.typeChart = in.typeChart;
  s.wheelKind = r.WheelKind;
  s.helio = r.HelioWheel == 1;
  s.declination = r.DeclinationSingleWheel == 1;
  s.glyphLayout = static_cast<int>((*in.options)[O::WheelGlyphLayout]);
  s.radiusTable = *in.radiusTable;
  return s;
}

void DrawCombinedFrame(Canvas& canvas, const OptionValues& options, bool printing,
                       bool blackWhite) {
  const SurfaceOptions& o = SurfaceOf(printing);
  const Rgb ring = QBColor(options[o.ringColor]);
  const Rgb spokes = blackWhite ? QBColor(0) : QBColor(options[o.spokeColor]);
  const std::array<double, 4> radii{217, 138, 62, 40};
  const double f = SurfaceVerticalFactor(canvas);
  if (printing) {
    for (double r : radii) canvas.Circle({0, 0}, r, Ring(ring));
    for (double a : EqualSpokeAngles()) {
      const auto ends = SpokeEnds(a, 40, 217, f);
      canvas.Line(ends[0], ends[1], spokes);
    }
    return;
  }
  for (double a : EqualSpokeAngles()) {
    const double from = a * std::numbers::pi / 180;
    CircleStyle sector = Ring(spokes);
    sector.startRad = from;
    sector.endRad = from + std::numbers::pi / 6;
    canvas.Circle({0, 0}, 217, sector);
    // The sector's own radius, round like its arc.
    const auto ends = SpokeEnds(a, 0, 217, f);
    canvas.Line(ends[0], ends[1], spokes);
  }
  for (double r : radii) canvas.Circle({0, 0}, r, Ring(ring));
  CircleStyle disc = Ring(canvas.ForeColor());
  disc.fill = blackWhite ? QBColor(15) : QBColor(options[O::WheelBackColor]);
  canvas.Circle({0, 0}, 40, disc);
  canvas.Circle({0, 0}, 40, Ring(ring));
}

std::string DeclinationLabelText(double displayDeg) {
  double v = displayDeg > 180 ? (displayDeg - 180) / 6 : displayDeg / 6;
  if (v == 30) v = 0;
  // Truncated, with a hair of slack so a stored 12.3 is not read as 12.29999.
  const double tenths = std::trunc(v * 10 + 1e-7) / 10;
  return FormatNumber(tenths, "#0.0");
}

void DrawTitleBlock(Canvas& canvas, const WheelPaintInputs& in, bool printing,
                    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
                    std::span<const std::array<UserPoint, 2>> labels) {
  const OptionValues& opt = *in.options;
  const WheelRequest& r = *in.request;
  const double left = canvas.ScaleLeft() + (printing ? 30 : 10);
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontSize(opt[SurfaceOf(printing).titleSize]);
  canvas.SetFontBold(false);
  canvas.SetForeColor(QBColor(opt[SurfaceOf(printing).titleColor]));
  const double lineHeight = canvas.TextHeight(r.OuterWheelHeader[1]);
  // Each block's rows at their heights, from the top of its first row: the
  // first block hangs from its top, the second stands where its seventh
  // line ends.
  const auto lines = [&](const WheelHeaderLines& block, double y, bool anchorTop) {
    const auto topOf = [&](std::size_t row, std::size_t rows) {
      const double below = anchorTop ? double(row) : double(row) + 7 - double(rows);
      return y - below * lineHeight;
    };
    const auto roomOf = [&](std::size_t row, std::size_t rows) {
      const double top = topOf(row, rows);
      const double near = std::min(std::fabs(top), std::fabs(top - lineHeight));
      double end = HeaderRoom(near, canvas);
      for (const auto& box : labels)
        if (box[1].x > left && box[1].y < top && box[0].y > top - lineHeight)
          end = std::min(end, box[0].x - 1);
      return end - left;
    };
    const std::vector<std::string> rows = HeaderRows(canvas, block, anchorTop, roomOf);
    canvas.SetCurrent({left, topOf(0, rows.size())});
    for (const std::string& row : rows) {
      canvas.Print(row);
      canvas.SetCurrent({left, canvas.Current().y});
    }
  };
  lines(r.InnerWheelHeader, canvas.ScaleTop() - (printing ? opt[O::WheelPrintTitleOffsets] : 0),
        true);
  lines(r.OuterWheelHeader,
        canvas.ScaleHeight() / 2 + (printing ? opt[O::WheelPrintTitleScale] : 8) * lineHeight,
        false);
  if (!printing || opt[O::WheelPrintTitleBlock] == 0 || !personalHeader) return;
  const std::optional<std::vector<std::string>> personal = personalHeader();
  if (!personal) return;
  canvas.SetFontSize(opt[O::PersonalHeaderFontSize]);
  canvas.SetForeColor(QBColor(opt[O::PersonalHeaderColor]));
  double y = canvas.ScaleTop() - opt[O::PersonalHeaderTopOffset];
  for (const std::string& line : *personal) {
    canvas.SetCurrent(
        {canvas.ScaleWidth() / 2 - opt[O::PersonalHeaderRightInset] - canvas.TextWidth(line), y});
    canvas.Print(line);
    y = canvas.Current().y;
  }
}

namespace {

// Everything a fit reads, by value: the inputs, and the measures and text
// state of the surface.
struct FitKey {
  WheelRequest request;
  OptionValues options;
  std::array<std::int16_t, 361> radiusTable;
  std::array<std::int16_t, 121> hcDataTable;
  int typeChart;
  std::optional<OrbTable> orbs;
  AspectLineTests lineTests;
  bool blackWhite, printing;
  std::optional<std::array<UserPoint, 2>> gridBox;
  double deviceWidth, deviceHeight, dotsPerInch, left, top, width, height, fontScale;
  CanvasFont font;
  Rgb color;
  // A glyph's and a digit's width and height in the glyph font: a surface
  // that measures texts otherwise (another font) fits afresh.
  std::array<double, 4> textMeasures;
  bool operator==(const FitKey&) const = default;
};

FitKey KeyOf(const Canvas& surface, const WheelPaintInputs& in, bool printing,
             const std::optional<std::array<UserPoint, 2>>& gridBox) {
  CanvasFont glyphFont;
  glyphFont.family = GlyphFontFace;
  glyphFont.points = 12;
  const std::string glyph = GlyphText(GlyphCode::Earth), digit = "0";
  return {*in.request,
          *in.options,
          *in.radiusTable,
          *in.hcDataTable,
          in.typeChart,
          in.orbs ? std::optional<OrbTable>(*in.orbs) : std::nullopt,
          in.lineTests,
          in.blackWhite,
          printing,
          gridBox,
          surface.DeviceWidth(),
          surface.DeviceHeight(),
          surface.DotsPerInch(),
          surface.ScaleLeft(),
          surface.ScaleTop(),
          surface.ScaleWidth(),
          surface.ScaleHeight(),
          surface.FontScale(),
          surface.Font(),
          surface.ForeColor(),
          {surface.TextWidth(glyph, glyphFont), surface.TextHeight(glyph, glyphFont),
           surface.TextWidth(digit, glyphFont), surface.TextHeight(digit, glyphFont)}};
}

}  // namespace

struct WheelPaint::Kept {
  FitKey key;
  WheelPlan plan;
  std::optional<std::vector<LaidAspectLine>> lines;
};

WheelPaint::WheelPaint() = default;
WheelPaint::~WheelPaint() = default;

const WheelPlan& WheelPaint::Plan(const Canvas& surface, const WheelPaintInputs& in, bool printing,
                                  const std::optional<std::array<UserPoint, 2>>& gridBox) {
  FitKey key = KeyOf(surface, in, printing, gridBox);
  if (!kept_ || !(kept_->key == key))
    kept_ = std::make_unique<Kept>(
        Kept{std::move(key), FitWheel(surface, in, SurfaceOf(printing), gridBox), std::nullopt});
  return kept_->plan;
}

std::optional<std::vector<LaidAspectLine>>& WheelPaint::Lines() { return kept_->lines; }

void PaintWheelWindow(Canvas& canvas, const WheelPaintInputs& in, int startScale) {
  WheelPaint paint;
  PaintWheelWindow(canvas, in, startScale, paint);
}

void PaintWheelWindow(Canvas& canvas, const WheelPaintInputs& in, int startScale,
                      WheelPaint& paint) {
  const WheelRequest& r = *in.request;
  canvas.SetBackColor(in.blackWhite ? QBColor(15) : QBColor((*in.options)[O::WheelBackColor]));
  canvas.Clear();
  SetEdges(canvas, WindowScaleEdges(startScale, canvas.DeviceHeight() / canvas.DeviceWidth()));
  canvas.SetFontScale(WindowFontScale(canvas.DeviceUnitsPerUserX(), canvas.DotsPerInch()));
  canvas.SetForeColor(QBColor(0));
  const WheelPlan& plan = paint.Plan(canvas, in, false, std::nullopt);
  Painter p(canvas, in, kWindow, paint.Lines());
  if (r.WheelKind == 2) {
    TwoChartWheel(p, canvas, in, false, plan);
    DrawTitleBlock(canvas, in, false, {}, plan.ringLabels);
    return;
  }
  if (r.DeclinationSingleWheel != 0)
    p.DualRing();
  else
    p.SingleFrame();
  canvas.SetFontName(GlyphFontFace);
  p.Draw(plan);
  p.AspectLines(plan.placed[0]);
  DrawTitleBlock(canvas, in, false, {});
}

void PaintWheelPrinter(
    Canvas& canvas, const WheelPaintInputs& in,
    const std::function<std::optional<std::vector<std::string>>()>& personalHeader) {
  WheelPaint paint;
  PaintWheelPrinter(canvas, in, personalHeader, paint);
}

void PaintWheelPrinter(
    Canvas& canvas, const WheelPaintInputs& in,
    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
    WheelPaint& paint) {
  const WheelRequest& r = *in.request;
  SetEdges(canvas, PrinterScaleEdges(PrinterStartScale(in.typeChart, r.WheelKind)));
  canvas.SetFontScale(1);  // the page is always the same size
  canvas.SetForeColor(QBColor(0));
  // On paper, the box the aspect grid covers at its lowest place, which
  // the two-ring wheel's crowded sectors keep their labels out of.
  std::optional<std::array<UserPoint, 2>> gridBox;
  if (r.WheelKind == 2 && (*in.options)[O::AspectGridOnPrint] != 0 && r.DualWheelShown == 1)
    gridBox = AspectGridLowestBox(canvas, WheelGridInputs(in));
  const WheelPlan& plan = paint.Plan(canvas, in, true, gridBox);
  Painter p(canvas, in, kPrinter, paint.Lines());
  // Below the wheel, clear of its circles and spokes and of every label.
  const auto grid = [&] {
    if ((*in.options)[O::AspectGridOnPrint] == 0) return;
    AspectGridInputs g = WheelGridInputs(in);
    g.keepClear = plan.printed;
    const bool ring = r.WheelKind == 2 ? r.DualWheelShown == 1 : r.DeclinationSingleWheel != 0;
    g.wheelReach = ring ? kRingSpokeEnd : kRimRadius;
    PrintAspectGrid(canvas, g);
  };
  if (r.WheelKind == 2) {
    TwoChartWheel(p, canvas, in, true, plan);
    DrawTitleBlock(canvas, in, true, personalHeader, plan.ringLabels);
    grid();
    return;
  }
  // A wheel of declinations or latitudes keeps its ring on paper: its labels
  // stand just outside the ring's circle, where the single frame's rim runs.
  if (r.DeclinationSingleWheel != 0)
    p.DualRing();
  else
    p.SingleFrame();
  canvas.SetFontName(GlyphFontFace);
  canvas.SetFontBold(false);
  p.Draw(plan);
  p.AspectLines(plan.placed[0]);
  DrawTitleBlock(canvas, in, true, personalHeader);
  grid();
}

}  // namespace orv
