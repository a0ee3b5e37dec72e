#pragma once
// The fit of a wheel's labels: where each point's label stands and at what
// size, decided from the boxes its characters really cover on the surface
// the wheel is painted on. A fit decides each label's place (angle and
// radius, and so its row), its size, the house or sector that holds it when
// its own cannot, and the path of the leader line back to its point's own
// place; the aspect lines end where it says. The single wheel and each band
// of the combined arrangement fit a house's labels in one row or two
// (WheelFitRows.cpp), lend those of a house too full for them to its
// neighbours (WheelFitLend.cpp) or deal a crowded band's out afresh
// (WheelFitSpread.cpp); the two-ring and declination wheels fit each
// sector's labels beside the circle and lend along it (WheelFitRing.cpp).
//
// From the canvas a fit needs measures only: the width and height of a
// text at a font size; the device units per user unit and the dots per
// inch (what a few pixels take, and how far the window has grown); the
// surface's edges, inside which a two-ring sector's second row must stay;
// and its squash, how much taller a user unit is than wide, by which it
// measures where things really stand (`FitSurface`). A label's texts are
// put by the same code whether measured or planned (WheelFitMeasure.cpp),
// so what is fitted is what the plan holds (`FitWheel`, WheelFitPlan.cpp)
// and the paint (WheelPaint.cpp) then draws.

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Angles.h"
#include "platform/Canvas.h"
#include "wheels/DualPlacement.h"
#include "wheels/GlyphCodes.h"
#include "wheels/LabelReach.h"
#include "wheels/StableHashMap.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"
#include "wheels/WheelPlacement.h"
#include "wheels/WheelPlan.h"

namespace orv::wheelfit {

// The option numbers one surface reads; the printer's are its own twins.
struct SurfaceOptions {
  bool printing;
  int titleSize, cuspDegreeSize, cuspSignSize, cuspMinuteSize;
  int glyphSize, degreeSize, signSize, minuteSize, retroSize;
  int titleColor, cuspDegreeColor, cuspSignColor, cuspMinuteColor;
  int glyphColor, degreeColor, signColor, minuteColor, retroColor;
  int ringColor, spokeColor;
  int glyphWidthOffset, digitWidthOffset, glyphHeightOffset, digitHeightOffset;
  int shrinkThreshold, shrinkAmount;
  // The vertical factor of spoke and line ends: the surface's own, which
  // the fit and the paint set from its shape (`SurfaceVerticalFactor`).
  double verticalFactor = 1;
};

// The label colours of chart 1 and chart 2 on the two-ring wheel (chart 1's
// also on the declination wheel).
constexpr int kLabelBlue = 9;
constexpr int kLabelRed = 12;
// The smallest share of its font sizes a crowded house's labels shrink to,
// and the room, in wheel units, kept between a label and the rim.
constexpr double kSmallestLabel = 0.5;
// Smaller still only for a house too narrow to hold even that: a label in a
// wrong house would be a wrong result.
constexpr double kNarrowestHouseLabel = 0.25;
// On a screen a single wheel's labels shrink no further than a glyph reads:
// about 9 pixels of ink at 96 dpi, which the glyph font's symbols and
// digits draw at 1500/2048 of their em; in points of that em.
constexpr double kLeastReadableGlyphPoints = 9.0 * 72 / 96 / (1500.0 / 2048);
constexpr double kRimClearance = 1.5;
// How much further from the rim each label lent to a neighbouring house
// stands than the next one away from its own house: the leader line of
// that one runs outside it. A label kept at home that a leader line would
// cross stands in from the rim by as much, up to `kLeaderSteps` times, or
// where no split of a house clears its leader lines so, `kMoreLeaderSteps`.
constexpr double kLeaderRoom = 4;
// As much in a band of the combined arrangement whose labels cannot be
// dealt out so: about a third as deep as the single wheel's, it has room
// for more lines when they run closer.
constexpr double kCloserLeaderRoom = 3;
// Closer still where neither leaves a crowded band's labels a size that
// reads.
constexpr double kClosestLeaderRoom = 2;
constexpr int kLeaderSteps = 3;
constexpr int kMoreLeaderSteps = 4;
// How many houses away from its own a label of a crowded band of the
// combined arrangement may stand.
constexpr int kSpreadHouses = 3;
// How many times the labels a leader line of such a band crosses stand in
// a step further before the band is dealt out again.
constexpr int kSpreadSteps = 6;
// The least angle, in degrees, between a leader line's rim end and its
// house's spokes.
constexpr double kLeaderEndInset = 1;
// How far past its row's edge a label may reach once moved along its house
// (where its characters stand otherwise to the rim), in units: less than
// the rim's clearance. Beyond it the label is drawn in again.
constexpr double kReachSlack = 1;
// The room kept between two labels of a house, as a share of a character's
// height: nearer, their characters run together and the eye reads across.
constexpr double kLabelGapShare = 0.32;
// The circles the single wheel's labels stand between.
constexpr double kRimRadius = 217, kInnerRadius = 120;
// The combined arrangement's bands: the first chart's outside the circle
// between them, the second's inside it, down to the house numbers' ring.
constexpr double kBandsRadius = 138, kHouseNumbersRadius = 62;
// How many passes at their least size a row that must fit is moved along
// its house before it counts as not fitting: with two, a row the third
// would have fitted sends its labels into other houses, some two away.
constexpr int kPassesAtLeast = 3;
// The squeeze below which a row placed once at its least size counts as
// not fitting at once: it needs two fifths more room than its house has,
// which moving its labels along has made up for a row in ten thousand.
constexpr double kHopelessSqueeze = 0.72;
// How far, in units, a label of rows placed once at their least size may
// reach past the inner edge they must keep clear of before they count as
// not fitting at once: shrinking draws no label out again, and moving them
// along their house has never gained half of this.
constexpr double kHopelessOverreach = 6;
// A house whose one row of labels would shrink below this share of their
// size tries a second row.
constexpr double kSecondRowBelow = 0.85;
// The least angle, in degrees, between the glyphs of a two-row house taken
// in zodiac order: nearer, two of them read as a pair side by side.
constexpr double kStaggerDeg = 1.5, kLeastStaggerDeg = 1.1;
// How many ring labels' measured boxes a paint keeps at most.
constexpr std::size_t kKeptShapes = 20000;
// Where the two-ring wheel's labels begin: clear of the conjunction arcs
// drawn along its circle.
constexpr double kRingLabelsFrom = WheelRadius + 3.5;
// Where a lent two-ring label's leader line ends: between the circle (and
// the conjunction arcs along it) and the labels.
constexpr double kRingLeaderEnd = WheelRadius + 3;
// How much nearer the circle the leader line of each label lent further
// runs (so that no two run together), how many labels a sector lends on
// each side, and the most degrees of the circle one piece of such a line
// spans.
constexpr double kRingLeaderStep = 0.6;
constexpr std::size_t kRingLentPerSide = 4;
constexpr double kRingLeaderStepDeg = 3;
// How many such lines run one under another at most: the last just outside
// the circle.
constexpr std::size_t kRingLinesPerSide = 5;
// How many sectors away a crowded sector's labels may be lent: further,
// their lines would be too long to follow; but where that leaves a
// sector's labels too small to read, one sector further.
constexpr int kRingLendReach = 2, kRingFarthestReach = 3;
// The radius the ring's spokes reach, outside its circle.
constexpr double kRingSpokeEnd = WheelRadius + 30;
// The two-ring wheel's labels shrink to this share of their sizes before a
// crowded sector takes a second row.
constexpr double kRingSecondRowBelow = 0.75;
// The least room, in pixels, between a ring label and the window's edge.
constexpr double kEdgeMarginPx = 4;
// Where the glyph font's symbols and digits have their ink, as shares of
// their line's height down from its top: below the leading and above the
// descent; and how far in from its sides a symbol's ink stands at least, as
// a share of its width. Labels keep clear of glyphs by these, and the
// insets below, only on a surface that measures no ink of its own.
constexpr double kInkFrom = 0.1, kInkTo = 0.72, kGlyphInkInset = 0.05;
// How far in from their left and right sides the chart points' glyphs have
// their ink (Sun .. Chiron, the Earth the Part of Fortune's), as shares of
// their width, as the glyph font draws them.
// clang-format off
constexpr std::array<std::pair<double, double>, NumPoints> kPointInkInsets{
    {{.097, .1},   {.292, .287}, {.235, .238}, {.097, .1},   {.162, .165}, {.251, .254},
     {.178, .173}, {.065, .068}, {.284, .287}, {.17, .173},  {.049, .052}, {.049, .052},
     {.097, .1},   {.097, .1},   {.049, .052}, {.316, .311}}};
// clang-format on

// The ways `lent` labels go to the two sides, by how many go to the one
// before: the more even first.
std::vector<std::size_t> EvenSplitsFirst(std::size_t lent);

// A hash `h` with the bits of `d` mixed in; zeros of either sign, which
// compare equal, alike.
inline std::uint64_t MixedIn(std::uint64_t h, double d) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(d == 0 ? 0.0 : d);
  bits ^= bits >> 29;
  bits *= 0xbf58476d1ce4e5b9ULL;
  bits ^= bits >> 32;
  return (h ^ bits) * 0x9e3779b97f4a7c15ULL + (h >> 7);
}

// How a crowded two-ring sector lends its labels: to sectors up to
// `reach` away; with `split`, those lent on one side may be split
// between the two sectors there; `lastTry`, the last tries where labels
// still stay small: a sector that holds labels lent from one side takes
// others at its other end, and a sector lends one label more to a side
// than it otherwise may; on paper with `clearOfGrid`, every sector's rows
// fitted clear of the aspect grid's box.
struct RingLending {
  int reach = kRingLendReach;
  bool split = false, lastTry = false, clearOfGrid = false;
  bool operator==(const RingLending&) const = default;
};

// How a house's rows are fitted: with `quickFail` its labels count only
// where they fit, and a row that does not gives up sooner; with `legible`
// they keep to the size at which they read (else, for a house too full
// for that, to `kSmallestLabel`); `lentOut`, the points being fitted into
// a neighbour's house, and how much further from the rim each stands.
struct RowFit {
  bool quickFail = false, legible = true;
  const std::map<int, double>* lentOut = nullptr;
};

// The surface as the fit sees it: the canvas's measures only, and a text
// state (font and colour) of its own, in which texts are measured and
// planned. Nothing is drawn on the canvas, nor its state changed.
class FitSurface {
 public:
  explicit FitSurface(const Canvas& canvas)
      : canvas_(canvas), font_(canvas.Font()), fore_(canvas.ForeColor()) {}

  void SetFontName(std::string_view family) { font_.family = family; }
  void SetFontSize(double points) { font_.points = points; }
  void SetFontBold(bool bold) { font_.bold = bold; }
  const CanvasFont& Font() const { return font_; }
  void SetForeColor(Rgb c) { fore_ = c; }
  Rgb ForeColor() const { return fore_; }
  double TextWidth(std::string_view text) const { return canvas_.TextWidth(text, font_); }
  double TextHeight(std::string_view text) const { return canvas_.TextHeight(text, font_); }
  std::optional<Canvas::Ink> TextInk(std::string_view text) const {
    return canvas_.TextInk(text, font_);
  }
  double DeviceUnitsPerUserX() const { return canvas_.DeviceUnitsPerUserX(); }
  double DeviceUnitsPerUserY() const { return canvas_.DeviceUnitsPerUserY(); }
  double DotsPerInch() const { return canvas_.DotsPerInch(); }
  double ScaleLeft() const { return canvas_.ScaleLeft(); }
  double ScaleTop() const { return canvas_.ScaleTop(); }
  double ScaleWidth() const { return canvas_.ScaleWidth(); }
  double ScaleHeight() const { return canvas_.ScaleHeight(); }

 private:
  const Canvas& canvas_;
  CanvasFont font_;
  Rgb fore_;
};

// The fit of the request's wheel on `surface`, whose scale and font scale
// are set, read with the option twins `o`: its plan. On paper the two-ring
// wheel's crowded sectors keep their labels out of `gridBox`, the box the
// aspect grid covers at its lowest place.
WheelPlan FitWheel(const Canvas& surface, const WheelPaintInputs& in, const SurfaceOptions& o,
                   const std::optional<std::array<UserPoint, 2>>& gridBox = std::nullopt);

// Whether houses (or ring sectors) `a` and `b` stand two or more apart
// round the twelve: a label there reads as another house's.
constexpr bool FarApart(int a, int b) {
  const int apart = (a - b + 12) % 12;
  return std::min(apart, 12 - apart) >= 2;
}

// The state of one fit, and the measures it takes; it lives for one fit
// (`FitWheel`), which returns what it planned.
class WheelFit {
 public:
  WheelFit(const Canvas& canvas, const WheelPaintInputs& in, const SurfaceOptions& o,
           const std::optional<std::array<UserPoint, 2>>& gridBox)
      : surface_(canvas),
        in_(in),
        req_(*in.request),
        o_(o),
        ringLeast_(!o.printing && (req_.WheelKind == 2 ? req_.DualWheelShown == 1
                                                       : req_.DeclinationSingleWheel == 1)
                       ? LeastLabelShare()
                       : 0),
        gridBox_(gridBox) {
    o_.verticalFactor = SurfaceVerticalFactor(canvas);
    squash_ = std::fabs(canvas.DeviceUnitsPerUserY() / canvas.DeviceUnitsPerUserX());
  }

  // The whole wheel's texts and lines, in the order they are drawn
  // (WheelFitPlan.cpp).
  WheelPlan Plan();

  double Opt(int n) const { return (*in_.options)[static_cast<std::size_t>(n)]; }
  Rgb Color(int option) const { return QBColor(Opt(option)); }

  void Put(int code, UserPoint at, std::vector<std::array<UserPoint, 2>>* measured) {
    PutText(GlyphText(code), at, measured);
  }

  void PutBold(int code, UserPoint at, std::vector<std::array<UserPoint, 2>>* measured) {
    surface_.SetFontBold(true);
    Put(code, at, measured);
    surface_.SetFontBold(false);
  }

  int PointCode(int p) const {
    return req_.HelioWheel == 1 && p == ChartPoint::Sun ? GlyphCode::Earth
                                                        : GlyphCode::PointBase + p;
  }

  void MeasureDigit(const std::string& text, int widthOffset, int heightOffset) {
    digitStepX_ = ToInteger(surface_.TextWidth(text) + Opt(widthOffset));
    digitStepY_ = ToInteger(surface_.TextHeight(text) + Opt(heightOffset));
  }
  void Step(double angle, double sx, double sy) {
    at_ = StepTowardCentre(at_, angle, sx, sy, o_.printing);
    if (strokes_) strokes_->push_back({LabelStroke::Step, sx, sy});
  }
  void Shrink(double angle) {
    digitStepY_ = ShrunkDigitStep(digitStepY_, Opt(o_.minuteSize), Opt(o_.shrinkThreshold),
                                  Opt(o_.shrinkAmount), angle, o_.printing);
  }

  // Whether the ring shows magnitudes of declinations or latitudes (no sign
  // glyphs in its sectors).
  bool MagnitudeRing() const {
    return req_.DeclinationDualWheel == 1 || req_.DeclinationSingleWheel == 1;
  }

  // Where a two-ring label goes beside its angle: the radius of its glyph
  // and the share of its sizes.
  struct RingSpot {
    double rho = WheelRadius + 5, factor = 1;
    // The text without the clear pixel (on paper a dot) from its glyph's
    // ink: the sector holds its labels only so.
    bool snug = false;
  };

  // The wheel's parts, planned (WheelFitPlan.cpp).
  void CuspLabels();
  void PutCuspLabel(const CuspLabel& label, std::vector<std::array<UserPoint, 2>>* measured);
  const std::vector<std::array<UserPoint, 2>>& CuspLabelBoxes(const CuspLabel& label);
  static bool Touches(const std::vector<std::array<UserPoint, 2>>& boxes,
                      const std::vector<std::array<UserPoint, 2>>& others);
  void KeepOnSurface(CuspLabel& label);
  void Interceptions();
  void DualSignGlyphs();
  void DualPoints();
  void CombinedPoints();
  double HouseNumbersReach();
  void Points();
  void RingPoints(std::vector<PlacedLabel>& placed, const WheelList& list);
  void Leader(const PlacedLabel& l);
  void PutPath(const std::vector<UserPoint>& path, Rgb color);

  // A label's texts, planned or, `measured`, only their boxes noted there
  // (WheelFitMeasure.cpp).
  void PutText(const std::string& text, UserPoint at,
               std::vector<std::array<UserPoint, 2>>* measured);
  void MeasureCells();
  void Label(const PlacedLabel& l, std::vector<std::array<UserPoint, 2>>* measured);
  void RingLabel(int code, bool secondChart, const std::string& text, double a, int houseCount,
                 const RingSpot& spot, std::vector<std::array<UserPoint, 2>>* measured);
  void DualLabelAt(const DualLabel& l, const RingSpot& spot,
                   std::vector<std::array<UserPoint, 2>>* measured);
  // Ink as the surface measures it, in user units from a text's top-left
  // corner; or, on a surface with none, as the glyph font draws it.
  using Ink = Canvas::Ink;
  using Inks = std::optional<std::array<Ink, 2>>;  // a glyph's and the next text's, measured
  UserPoint ClearOfGlyph(UserPoint at, double cos, double sin, int code,
                         const std::array<UserPoint, 2>& glyph, double width, double height,
                         const Inks& inks, bool snug) const;
  // The cosine and sine of `angleDeg` degrees: a label's place asks for its
  // boxes, its spans and its stroke span in a row, each turning by them.
  std::pair<double, double> Turn(double angleDeg) {
    if (std::bit_cast<std::uint64_t>(angleDeg) != std::bit_cast<std::uint64_t>(turnOf_)) {
      const double rad = angleDeg * std::numbers::pi / 180;
      turn_ = {std::cos(rad), std::sin(rad)};
      turnOf_ = angleDeg;
    }
    return turn_;
  }

  // A band's houses, each in one row or two (WheelFitRows.cpp).
  // False where `mayDeal` is not set and the band would be dealt out.
  bool FitMeasured(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed,
                   bool mayDeal = true);
  // The band's labels dealt out afresh from `original`; false where no
  // dealing fits.
  bool Deal(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
            std::vector<PlacedLabel>& placed);
  // How far a band's labels stand from their points' houses: how many two
  // houses or more, how many houses have none of their own, and how many
  // pairs of leader lines cross.
  struct BandSpread {
    int far = 0, emptied = 0, crossing = 0;
  };
  BandSpread BandSpreadOf(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& placed);
  std::pair<double, bool> FitHouse(const HouseSector& sector, std::vector<PlacedLabel>& house,
                                   bool pairs, const RowFit& how = {});
  double FitOneRow(const HouseSector& sector, std::vector<PlacedLabel>& house, double smallest,
                   const RowFit& how = {});
  bool ReachesFarPastInner(std::span<PlacedLabel* const> row);
  double FitTwoRows(const HouseSector& sector, std::vector<PlacedLabel>& house,
                    std::span<const double> staggers, double beat, const RowFit& how);
  void Stagger(const HouseSector& sector, const std::vector<PlacedLabel*>& byAngle);
  double GlyphAngle(const PlacedLabel& l);
  double PlaceRow(const HouseSector& sector, std::vector<PlacedLabel*>& row, double outer,
                  const RowFit& how, double needed = 0);
  double RowLimit(const PlacedLabel& l, double outer, const RowFit& how) const;
  double RowGap(double size) const;
  double LeastLabelShare(bool legible = true) const;

  // A crowded band of the combined arrangement dealt out afresh
  // (WheelFitSpread.cpp).
  double ScreenLaneRoom() const;
  bool Spread(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
              std::vector<PlacedLabel>& placed, double step, bool lanes, bool hostOrder);

  // A crowded house's labels lent to its neighbours, with their leader
  // lines (WheelFitLend.cpp).
  bool Lend(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
            std::vector<PlacedLabel>& placed,
            const std::vector<std::pair<std::size_t, std::size_t>>& groups,
            std::array<bool, 13>& twoRowHouse, std::array<bool, 13>& busy, std::size_t from,
            std::size_t to, int leaderSteps);
  void Rehouse(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed,
               const std::vector<std::pair<std::size_t, std::size_t>>& groups,
               const std::array<bool, 13>& twoRowHouse, std::size_t from, std::size_t to,
               bool legible);
  double RimPlace(const SingleWheelInputs& inputs, int house, double value) const;
  std::vector<UserPoint> LeaderPath(const PlacedLabel& l, double target, bool dealing = false);
  std::vector<int> LeaderCrossings(const PlacedLabel& l, double target,
                                   const std::vector<PlacedLabel>& around, bool dealing = false);

  // The two-ring wheel's sectors, and their lending along the circle
  // (WheelFitRing.cpp).
  std::vector<RingSpot> FitRing(DualPlacement& placed, double least = kSmallestLabel,
                                bool lend = false);
  std::vector<RingSpot> FitRingOnce(DualPlacement& placed, double least, bool lend);
  int RingLentFar(const std::vector<DualLabel>& labels) const;
  void ClearOfGrid(const std::array<std::vector<std::size_t>, 13>& members,
                   std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least);
  bool MeetsGrid(const std::vector<std::array<UserPoint, 2>>& boxes) const;
  HouseSector RingSector(int house) const;
  bool FitSector(int house, const std::vector<std::size_t>& members, std::vector<DualLabel>& labels,
                 std::vector<RingSpot>& spots, double least,
                 const std::vector<std::size_t>& firstRow = {}, bool clearOfGrid = false);
  bool FitSectorAs(int house, const std::vector<std::size_t>& members,
                   std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least,
                   const std::vector<std::size_t>& firstRow, bool clearOfGrid, bool snug);
  std::array<UserPoint, 2> RingSignBox(int house, const std::array<UserPoint, 13>& signs);
  bool LendRing(int house, const std::array<std::vector<std::size_t>, 13>& members,
                std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least,
                std::array<bool, 13>& busy, const std::array<bool, 13>& keptHome,
                const RingLending& lending = {});
  std::vector<UserPoint> RingLeaderPath(const DualLabel& l, const RingSpot& spot, double target,
                                        double radius);
  std::vector<UserPoint> ArcPoints(double radius, double from, double turn, double pieceDeg) const;

 private:
  double Size(int option) const { return Opt(option) * sizeFactor_; }

  // How much taller a user unit is than wide on this surface (the printed
  // page's are): the fit measures where things really stand, where the
  // circles are round.
  double Squash() const { return squash_; }
  // The true direction of a point (x, y) in user units.
  double TrueAngle(double x, double y) const {
    return std::atan2(Squash() * y, x) * 180 / std::numbers::pi;
  }
  // Where a spoke at angle `a` really runs on this surface, whose spokes
  // are squeezed vertically.
  double SurfaceAngle(double a, double verticalFactor) const {
    const double rad = a * std::numbers::pi / 180;
    return Norm360(TrueAngle(std::cos(rad), verticalFactor * std::sin(rad)));
  }
  double SurfaceAngle(double a) const { return SurfaceAngle(a, o_.verticalFactor); }
  // Where a house's sector between spokes drawn with `spokeFactor` really
  // runs on this surface.
  HouseSector SurfaceSector(const HouseSector& nominal, double spokeFactor) const {
    const double start = SurfaceAngle(nominal.start, spokeFactor);
    return {start, Norm360(SurfaceAngle(nominal.start + nominal.width, spokeFactor) - start)};
  }
  // The ring's sign glyphs; on paper as far from the circle as on the page
  // shape their places were made for, whatever the page's shape.
  std::array<UserPoint, 13> RingSignPositions() const {
    std::array<UserPoint, 13> at = DualSignGlyphPositions(req_.Cusps);
    if (o_.printing)
      for (UserPoint& p : at) p.y *= o_.verticalFactor / PrinterVerticalFactor;
    return at;
  }
  // The user angle of a true direction `t`.
  double UserAngle(double t) const {
    const double rad = t * std::numbers::pi / 180;
    return Norm360(std::atan2(std::sin(rad) / Squash(), std::cos(rad)) * 180 / std::numbers::pi);
  }
  // One function of an angle, kept by the angle's bits in the slot they
  // pick: a row's labels ask for the same angles' turns pass after pass.
  class AngleMemo {
   public:
    template <class F>
    double Of(double a, const F& f) {
      const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
      Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15u) >> 58];
      if (!slot.used || slot.bits != bits) slot = {true, bits, f()};
      return slot.value;
    }

   private:
    struct Slot {
      bool used = false;
      std::uint64_t bits = 0;
      double value = 0;
    };
    std::array<Slot, 64> slots_{};
  };
  // Where a label at user angle `a` really stands (`SurfaceAngle(a, 1)`),
  // and the user angle of a row's spread true angle `t` (`UserAngle`).
  double RayAngle(double a) {
    return rayAngles_.Of(a, [&] { return SurfaceAngle(a, 1); });
  }
  double RowUserAngle(double t) {
    return userAngles_.Of(t, [&] { return UserAngle(t); });
  }

  // The boxes the characters `draw` puts cover, noted where it is told
  // rather than planned.
  template <class Draw>
  const std::vector<std::array<UserPoint, 2>>& Measured(const Draw& draw) {
    boxes_.clear();
    draw(&boxes_);
    return boxes_;
  }
  // A label's boxes depend only on these, and the fit asks for the same
  // label's boxes many times over.
  struct LabelShape {
    int point;
    double value, angle, radius, sizeFactor;
    bool leftSideOrder, retrograde, snug;
    bool operator==(const LabelShape&) const = default;
  };
  struct LabelShapeHash {
    std::size_t operator()(const LabelShape& s) const {
      std::uint64_t h =
          std::uint64_t(s.point * 8 + s.snug * 4 + s.leftSideOrder * 2 + s.retrograde);
      for (const double d : {s.value, s.angle, s.radius, s.sizeFactor}) h = MixedIn(h, d);
      return std::size_t(h);
    }
  };
  // A label's boxes, one a text it puts (seven at most), kept inline: the
  // fit measures some hundred thousand labels' places a crowded paint.
  class LabelBoxList {
   public:
    void push_back(const LabelBox& b) {
      if (count_ < few_.size()) {
        few_[count_++] = b;
        return;
      }
      if (more_.empty()) more_.assign(few_.begin(), few_.end());
      more_.push_back(b);
      ++count_;
    }
    const LabelBox& front() const { return few_.front(); }
    void Clear() {
      count_ = 0;
      more_.clear();
    }
    std::span<const LabelBox> all() const {
      return count_ <= few_.size() ? std::span(few_).first(count_) : std::span(more_);
    }

   private:
    std::array<LabelBox, 7> few_;  // the first `count_` of them set
    std::size_t count_ = 0;
    std::vector<LabelBox> more_;  // all of them, where there are more
  };
  // A label's boxes, and from them its spans with the gap shares asked for
  // and how near and how far from the centre it reaches, once asked.
  struct LabelMeasures {
    // Its boxes' room left as it is, not cleared: the slots make many.
    LabelMeasures() {}
    // As if new, for another shape.
    void Forget() {
      boxes.Clear();
      spanCount = 0;
      moreSpans.clear();
      innerReach.reset();
      reach.reset();
      strokeSpan.reset();
    }
    LabelBoxList boxes;
    // By gap share: the two the fit uses kept inline, any more beside.
    std::array<std::pair<double, LabelSpan>, 2> spans{};
    std::size_t spanCount = 0;
    std::vector<std::pair<double, LabelSpan>> moreSpans;
    std::optional<double> innerReach, reach;
    // The span of its strokes (`Strokes`), seen as `SpanOf` sees it.
    std::optional<LabelSpan> strokeSpan;
  };
  LabelMeasures& MeasuresOf(const PlacedLabel& l) {
    const LabelShape shape{l.point,      l.value,         l.angle,      l.radius,
                           l.sizeFactor, l.leftSideOrder, l.retrograde, l.snug};
    // The fit asks several things of one place in a row.
    if (lastShape_ && lastShape_->key == shape) return lastShape_->measures;
    if (shapeSlots_.empty()) shapeSlots_.resize(kFirstShapeSlots);
    ShapeSlot* slot = &shapeSlots_[LabelShapeHash{}(shape) & (shapeSlots_.size() - 1)];
    if (!(slot->used && slot->key == shape)) {
      // A crowded band's labels take many thousand places: the slots
      // grow with them (forgetting what they held), up to a size that
      // stays in the processor's caches.
      if (++shapeMisses_ > 2 * shapeSlots_.size() && shapeSlots_.size() < kMostShapeSlots) {
        shapeSlots_.assign(shapeSlots_.size() * 4, ShapeSlot{});
        shapeMisses_ = 0;
        slot = &shapeSlots_[LabelShapeHash{}(shape) & (shapeSlots_.size() - 1)];
      }
      slot->used = true;
      slot->key = shape;
      slot->measures.Forget();
      LabelBoxes(l, slot->measures.boxes);
    }
    lastShape_ = slot;
    return slot->measures;
  }
  void ForgetShapes() {
    for (ShapeSlot& s : shapeSlots_) s.used = false;
    lastShape_ = nullptr;
    ringShapes_.Clear();
  }

  // How a label puts its texts, whatever its angle and radius: the size of
  // each text, each step toward the centre, and where the retrograde mark
  // goes, in order. Its texts and the steps between them depend only on the
  // key's fields; the fit asks for the same label at many places.
  struct LabelStroke {
    enum Kind : char { Put, Step, Mark, AtMark, Clear } kind;
    double x = 0, y = 0;  // a text's width and height, or a step's sides
  };
  struct LabelStrokesKey {
    int point;
    double value, sizeFactor;
    bool leftSideOrder, retrograde, digitStepKept;
    bool operator==(const LabelStrokesKey&) const = default;
  };
  struct LabelStrokesHash {
    std::size_t operator()(const LabelStrokesKey& k) const {
      std::uint64_t h =
          std::uint64_t(k.point * 8 + k.leftSideOrder * 4 + k.retrograde * 2 + k.digitStepKept);
      for (const double d : {k.value, k.sizeFactor}) h = MixedIn(h, d);
      return std::size_t(h);
    }
  };
  struct LabelStrokes {
    std::vector<LabelStroke> strokes;
    int digitStepX = 0, digitStepY = 0;  // as the label leaves them
    Inks clearInks;                      // of its Clear stroke
    // Its steps' lengths along the ray it was last put on, which a label
    // drawn in toward the centre is put on again at each radius.
    std::optional<CentreSteps> ray;
    double rayAngle = 0;
    std::vector<double> stepLengths;
  };
  // A label's boxes, by its strokes, into `boxes` (WheelFitMeasure.cpp).
  void LabelBoxes(const PlacedLabel& l, LabelBoxList& boxes);
  std::span<const LabelBox> Boxes(const PlacedLabel& l) { return MeasuresOf(l).boxes.all(); }
  // `gapShare`: each box taken that share of its height larger all round,
  // so labels set apart by their spans keep twice that between them.
  LabelSpan SpanOf(const PlacedLabel& l, double gapShare = 0) {
    LabelMeasures& measures = MeasuresOf(l);
    for (std::size_t k = 0; k < measures.spanCount; ++k)
      if (measures.spans[k].first == gapShare) return measures.spans[k].second;
    for (const auto& [share, span] : measures.moreSpans)
      if (share == gapShare) return span;
    // Seen from the centre along SurfaceAngle(l.angle, 1), by the same sums.
    const auto [c, s] = Turn(l.angle);
    const LabelSpan span = AngularReach(measures.boxes.all(), Squash(), RayAngle(l.angle),
                                        {c, Squash() * s}, gapShare);
    if (measures.spanCount < measures.spans.size())
      measures.spans[measures.spanCount++] = {gapShare, span};
    else
      measures.moreSpans.emplace_back(gapShare, span);
    return span;
  }
  // The nearest any of the label's boxes comes to the centre.
  double InnerReach(const PlacedLabel& l) {
    LabelMeasures& measures = MeasuresOf(l);
    if (measures.innerReach) return *measures.innerReach;
    return *(measures.innerReach = NearestPoint(measures.boxes.all(), Squash()));
  }
  double Reach(const PlacedLabel& l) {
    LabelMeasures& measures = MeasuresOf(l);
    if (measures.reach) return *measures.reach;
    return *(measures.reach = FarthestCorner(measures.boxes.all(), Squash()));
  }

  using Box = std::array<UserPoint, 2>;
  // The boxes around each two successive characters of a label (its glyph,
  // degrees, sign and minutes), and its retrograde mark's: a line through
  // them, even between two characters, is read as a stroke of the label.
  // Into `strokes`, a vector or a `LabelBoxList`, no more than there are
  // boxes.
  template <class Out>
  static void Strokes(std::span<const Box> boxes, Out& strokes) {
    constexpr std::size_t kColumn = 6;
    for (std::size_t c = std::min(kColumn, boxes.size()); c < boxes.size(); ++c)
      strokes.push_back(boxes[c]);
    for (std::size_t c = 0; c + 1 < std::min(kColumn, boxes.size()); ++c) {
      const Box &u = boxes[c], &v = boxes[c + 1];
      strokes.push_back({UserPoint{std::min(u[0].x, v[0].x), std::max(u[0].y, v[0].y)},
                         UserPoint{std::max(u[1].x, v[1].x), std::min(u[1].y, v[1].y)}});
    }
  }
  static std::array<UserPoint, 4> Corners(const Box& b) {
    return {{b[0], {b[1].x, b[0].y}, {b[0].x, b[1].y}, b[1]}};
  }
  // A ring label's boxes depend only on these (and on the cells), and the
  // ring's fit asks for the same label at one spot several times over.
  struct RingShape {
    int entry;
    double value, angle;
    bool retrograde;
    int houseCount;
    double rho, factor;
    bool snug;
    bool operator==(const RingShape&) const = default;
  };
  struct RingShapeHash {
    std::size_t operator()(const RingShape& s) const {
      std::uint64_t h =
          (std::uint64_t(s.entry * 2 + s.retrograde) * 64 + std::uint64_t(s.houseCount)) * 2 +
          s.snug;
      for (const double d : {s.value, s.angle, s.rho, s.factor}) h = MixedIn(h, d);
      return std::size_t(h);
    }
  };
  // Its boxes, and the size its text left the surface's font at.
  struct RingMeasures {
    std::vector<Box> boxes;
    double lastSize = 0;
  };
  const std::vector<Box>& RingBoxes(const DualLabel& l, const RingSpot& spot) {
    const auto [known, fresh] = ringShapes_.TryEmplace(
        {l.entry, l.value, l.angle, l.retrograde, l.houseCount, spot.rho, spot.factor, spot.snug});
    RingMeasures& measures = known->second;
    if (fresh) {
      DualLabelAt(l, spot, &measures.boxes);
      measures.lastSize = surface_.Font().points;
      return measures.boxes;
    }
    // The surface left as measuring leaves it.
    surface_.SetFontSize(measures.lastSize);
    surface_.SetFontBold(false);
    surface_.SetForeColor(Color(o_.degreeColor));
    return measures.boxes;
  }
  // How far round some boxes reach either side of the true direction
  // `anchor` (0 to 360), by the sums `SpanOf` does.
  LabelSpan SpanOfBoxes(const std::vector<Box>& boxes, double anchor) const {
    const double rad = anchor * std::numbers::pi / 180;
    return AngularReach(boxes, Squash(), anchor, {std::cos(rad), std::sin(rad)}, 0);
  }
  // The true distances from the centre of the nearest and the farthest
  // point of some boxes.
  double Nearest(const std::vector<Box>& boxes) const {
    return boxes.empty() ? 1e9 : NearestPoint(boxes, Squash());
  }
  double Farthest(const std::vector<Box>& boxes) const { return FarthestCorner(boxes, Squash()); }

  // The circles a pass's labels stand between, and where its aspect lines
  // end beside a glyph at an angle.
  struct LabelBand {
    double rim = kRimRadius, inner = kInnerRadius;
    double (*lineEndCorrection)(double) = LineEndCorrection;
    // A band of the combined arrangement, whose rehoused labels keep their
    // leader lines clear.
    bool combined = false;
    // Its glyphs' colour where not option 92's (the second chart's).
    std::optional<Rgb> glyphColor;
  };

  FitSurface surface_;
  const WheelPaintInputs& in_;
  const WheelRequest& req_;
  SurfaceOptions o_;
  int glyphStepX_ = 0, glyphStepY_ = 0, digitStepX_ = 0, digitStepY_ = 0;
  UserPoint at_;
  double sizeFactor_ = 1;
  double squash_ = 1;  // the surface's, whose scale stays as it was set
  // The true angles on the rim of the rehoused labels' points, by point.
  std::map<int, double> leaders_;
  // Those of them dealt out across a band of the combined arrangement.
  std::set<int> spread_;
  // How the leader lines of the band's last dealing tried run
  // (`LeaderPath`), and the room each takes.
  bool spreadLanes_ = false;
  double spreadStep_ = kLeaderRoom;
  // The fits a band's dealing tried, by host, first label, count, the
  // labels' rooms and their reading orders and snug texts (a bit a label
  // each): a dealing with closer leader lines, that reads as the hosts do,
  // or that is dealt again snug, tries some again.
  struct SpreadFit {
    double size = 0;
    std::vector<PlacedLabel> labels;
  };
  using SpreadKey = std::tuple<int, std::size_t, std::size_t, std::vector<double>, std::uint64_t>;
  struct SpreadKeyHash {
    std::size_t operator()(const SpreadKey& k) const {
      std::uint64_t h = (std::uint64_t(std::get<0>(k)) * 64 + std::get<1>(k)) * 64 + std::get<2>(k);
      h = (h ^ std::get<4>(k)) * 0x9e3779b97f4a7c15ULL;
      for (const double room : std::get<3>(k)) h = MixedIn(h, room);
      return std::size_t(h);
    }
  };
  std::unordered_map<SpreadKey, SpreadFit, SpreadKeyHash> spreadFits_;
  // The cut of the zodiac from which the band was dealt best last.
  int spreadCut_ = 1;
  // The least share of their sizes the labels of the two-ring wheel and of
  // the one-chart ring are drawn at in a window: as large as a single
  // wheel's labels read, whatever the window's size (0, on paper: as small
  // as their sector needs).
  const double ringLeast_;
  // The two-ring labels lent to another sector, by index: the true angle
  // of their points' own places and their leader lines.
  struct RingLeader {
    double target;
    std::vector<UserPoint> path;
  };
  std::map<std::size_t, RingLeader> ringLeaders_;
  // The labels each sector holds for others, lent toward the sectors
  // before it (from those after) and toward those after it, in zodiac
  // order; and the sector each sector lent to on either side (0: none).
  std::array<std::array<std::vector<std::size_t>, 2>, 13> ringGuests_;
  std::array<std::array<int, 2>, 13> ringHostOf_{};
  // Whether a sector that cannot hold its labels with their texts a pixel
  // clear of their glyphs tries them touching (`RingSpot::snug`).
  bool ringSnug_ = false;
  // The sectors fitted during one `FitRing`, which tries the same sector
  // with the same labels many times over: by house, labels (with their
  // angles), `least`, the first row's labels, clear of the grid, snug;
  // whether they fit, and their angles and spots.
  using SectorFitKey = std::tuple<int, std::vector<std::size_t>, std::vector<double>, double,
                                  std::vector<std::size_t>, bool, bool>;
  struct SectorFit {
    bool fits;
    std::vector<std::pair<double, RingSpot>> placed;
  };
  std::map<SectorFitKey, SectorFit> sectorFits_;
  // On paper, the box the aspect grid covers at its lowest place.
  std::optional<Box> gridBox_;
  // The boxes measured last: top-left and bottom-right.
  std::vector<std::array<UserPoint, 2>> boxes_;
  // What the fit has planned so far.
  WheelPlan plan_;
  LabelBand band_;
  // The boxes of the labels measured lately, each in the slot its shape's
  // hash picks, where it stays until another shape takes the slot:
  // forgotten when the cells change. A label's measures are worked out
  // again alike, so a shape forgotten costs only the time. A slot is taken
  // only by asking for a shape, and no caller keeps a label's measures
  // while it asks for another's.
  struct ShapeSlot {
    bool used = false;
    LabelShape key{};
    LabelMeasures measures;
  };
  static constexpr std::size_t kFirstShapeSlots = 256, kMostShapeSlots = 4096;
  std::size_t shapeMisses_ = 0;  // since the slots last grew
  std::vector<ShapeSlot> shapeSlots_;
  ShapeSlot* lastShape_ = nullptr;  // the last asked for
  // The ring labels' boxes, by their shapes; forgotten with the band
  // labels', and where too many are kept, between sectors' fits.
  StableHashMap<RingShape, RingMeasures, RingShapeHash> ringShapes_;
  // The angles and spans of the row being placed (`PlaceRow`).
  std::vector<double> rowAngles_;
  std::vector<LabelSpan> rowSpans_;
  // The last angle `Turn` was asked for, and its cosine and sine.
  double turnOf_ = std::numeric_limits<double>::quiet_NaN();
  std::pair<double, double> turn_;
  // The angles rows' labels were last turned by.
  AngleMemo rayAngles_, userAngles_;
  std::vector<double> rowSpread_;  // the angles the row's last spreading started from
  // Each label's strokes, by what they depend on, and those being noted.
  std::unordered_map<LabelStrokesKey, LabelStrokes, LabelStrokesHash> strokesOf_;
  std::vector<LabelStroke>* strokes_ = nullptr;
  Inks* clearInks_ = nullptr;
};

}  // namespace orv::wheelfit
