#include "wheels/SynastryLines.h"

#include <cmath>
#include <utility>

#include "core/Aspects.h"
#include "core/ChartModel.h"
#include "core/OptionNumbers.h"
#include "shell/SettingsFile.h"
#include "wheels/GlyphCodes.h"

namespace orv {

namespace {

namespace O = OptionNumber;

// The fixed line colours of the families (QBColor numbers).
constexpr int kSquareColor = 12;
constexpr int kOppositionColor = 1;
constexpr int kSextileColor = 1;
constexpr int kTrineColor = 10;
constexpr int kConjunctionColor = 0;

// The glyph that measures a sign, and the one whose width every glyph is
// given near the right end.
constexpr int kMeasuredSign = GlyphCode::SignBase + 3;
constexpr int kStandardGlyph = GlyphCode::PointBase + ChartPoint::Uranus;

bool Retrograde(const std::string& flags, int point) {
  const auto at = static_cast<std::size_t>(point - 1);
  return at < flags.size() && flags[at] == 'R';
}

// The line colour of `code` in `view`; nothing when the view leaves it out.
std::optional<int> LineColor(SynastryView view, int code) {
  switch (view) {
    case SynastryView::HardAspects:
      if (code == Code(AspectCode::Square)) return kSquareColor;
      if (code == Code(AspectCode::Opposition)) return kOppositionColor;
      return std::nullopt;
    case SynastryView::SoftAspects:
      if (code == Code(AspectCode::Sextile)) return kSextileColor;
      if (code == Code(AspectCode::Trine)) return kTrineColor;
      return std::nullopt;
    case SynastryView::Conjunctions:
      break;
  }
  if (code == Code(AspectCode::Conjunction)) return kConjunctionColor;
  return std::nullopt;
}

class SynastryPainter {
 public:
  SynastryPainter(Canvas& canvas, const SynastryPaintInputs& in) : canvas_(canvas), in_(in) {}

  double Option(int n) const { return (*in_.options)[static_cast<std::size_t>(n)]; }
  Rgb Color(int n) const { return QBColor(Option(n)); }

  void Paint() {
    canvas_.SetBackColor(Color(O::AstroLineBackColor));
    canvas_.SetScale(0, 0, canvas_.DeviceWidth() * kTwipsPerInch / in_.dotsPerInch,
                     canvas_.DeviceHeight() * kTwipsPerInch / in_.dotsPerInch);
    canvas_.Clear();
    canvas_.SetFontName(GlyphFontFace);
    canvas_.SetFontBold(false);
    canvas_.SetFontSize(Option(O::AstroLineGlyphFontSize));
    // Both scales are measured in the base size, so that a degree falls at
    // the same x on both and the lines compare like with like.
    left_ = canvas_.TextWidth("0");
    right_ = canvas_.ScaleWidth() - 2 * canvas_.TextWidth("0");
    Band(true, in_.natalLongitudes, in_.natalRetroFlags, in_.natalHasChiron, in_.natalName,
         natalAnchors_);
    Band(false, in_.secondLongitudes, in_.secondRetroFlags, in_.secondHasChiron, in_.secondName,
         secondAnchors_);
    if (in_.orbs) Lines();
  }

 private:
  void Band(bool upper, const PointArray<double>& longitudes, const std::string& retro,
            bool hasChiron, const std::string& name, PointArray<double>& anchors) {
    const double y = upper ? kSynastryUpperAxis : kSynastryLowerAxis;
    const double span = right_ - left_;
    canvas_.Line({left_, y}, {right_, y}, Color(O::AstroLineAxisColor));
    for (int i = 0; i <= 72; ++i) {
      const double x = left_ + i * span / 72;
      canvas_.Line({x, y - 40}, {x, y + 40}, Color(O::AstroLineFiveDegreeColor));
    }
    for (int i = 0; i <= 36; ++i) {
      const double x = left_ + i * span / 36;
      canvas_.Line({x, y - 60}, {x, y + 60}, Color(O::AstroLineTenDegreeColor));
    }
    canvas_.SetFontSize(Option(O::AstroLineFontSize6));
    canvas_.SetForeColor(Color(O::AstroLineColor4));
    const std::string measured = GlyphText(kMeasuredSign);
    // Aries again closes the scale at its right end.
    for (int i = 0; i <= 12; ++i) {
      const double x = left_ + i * span / 12;
      const double top = (upper ? y - 250 : y + 250) - canvas_.TextHeight(measured) / 3;
      canvas_.SetCurrent({x - canvas_.TextWidth(measured) / 2, top});
      canvas_.Print(GlyphText(GlyphCode::SignBase + 1 + i));
      canvas_.Line({x, y - 120}, {x, y + 120}, Color(O::AstroLineAxisColor));
    }

    // Each glyph is measured in the size it is printed in, so that none
    // overlaps its neighbour whatever the two planet sizes are.
    canvas_.SetFontSize(Option(O::AstroLineGlyphFontSize));
    const double standard = canvas_.TextWidth(GlyphText(kStandardGlyph));
    std::vector<SynastrySlot> sorted = SortSynastryPoints(longitudes);
    for (SynastrySlot& slot : sorted) {
      canvas_.SetFontSize(Option(Retrograde(retro, slot.point) ? O::AstroLineRetroFontSize
                                                               : O::AstroLineGlyphFontSize));
      slot.glyphWidth = canvas_.TextWidth(GlyphText(GlyphCode::PointBase + slot.point));
    }
    const auto placed = PlaceSynastryGlyphs(sorted, left_, right_, standard, hasChiron);
    for (std::size_t k = 0; k < sorted.size(); ++k) {
      if (!placed[k]) continue;
      const SynastrySlot& slot = sorted[k];
      const bool r = Retrograde(retro, slot.point);
      anchors[static_cast<std::size_t>(slot.point)] = *placed[k] + slot.glyphWidth / 2;
      canvas_.SetFontSize(Option(r ? O::AstroLineRetroFontSize : O::AstroLineGlyphFontSize));
      canvas_.SetForeColor(Color(r ? O::AstroLineRetroColor : O::AstroLineGlyphColor));
      canvas_.SetCurrent({*placed[k], upper ? y + 120 : y - 350});
      canvas_.Print(GlyphText(GlyphCode::PointBase + slot.point));
    }

    canvas_.SetFontSize(Option(O::AstroLineNameFontSize));
    canvas_.SetForeColor(Color(O::AstroLineNameColor));
    canvas_.SetCurrent({canvas_.ScaleLeft() + 10,
                        upper ? canvas_.ScaleTop() : canvas_.ScaleTop() + canvas_.ScaleHeight() - 550});
    canvas_.Print(name);
  }

  void Lines() {
    for (const SynastryLine& line :
         SynastryLinesOf(in_.natalLongitudes, in_.secondLongitudes, *in_.orbs, in_.view,
                         in_.natalHasChiron, in_.secondHasChiron)) {
      const std::optional<int> color = LineColor(in_.view, line.aspectCode);
      canvas_.Line({natalAnchors_[static_cast<std::size_t>(line.natalPoint)], kSynastryLineTop},
                   {secondAnchors_[static_cast<std::size_t>(line.secondPoint)],
                    kSynastryLineBottom},
                   QBColor(*color));
    }
  }

  Canvas& canvas_;
  const SynastryPaintInputs& in_;
  double left_ = 0;
  double right_ = 0;
  PointArray<double> natalAnchors_{};
  PointArray<double> secondAnchors_{};
};

}  // namespace

SynastryView NextSynastryView(SynastryView view) {
  switch (view) {
    case SynastryView::HardAspects:
      return SynastryView::SoftAspects;
    case SynastryView::SoftAspects:
      return SynastryView::Conjunctions;
    case SynastryView::Conjunctions:
      break;
  }
  return SynastryView::HardAspects;
}

std::string_view SynastryViewCaption(SynastryView view) {
  switch (view) {
    case SynastryView::HardAspects:
      return "Synastry - squares (red) and oppositions (blue)";
    case SynastryView::SoftAspects:
      return "Synastry - sextiles (blue) and trines (green)";
    case SynastryView::Conjunctions:
      break;
  }
  return "Synastry - conjunctions";
}

bool IsSynastryPoint(int point) {
  return (point >= ChartPoint::Sun && point <= ChartPoint::Moon) ||
         point == ChartPoint::Ascendant || point == ChartPoint::Chiron;
}

bool IsGenerationPair(int i, int j) {
  const auto outer = [](int p) { return p >= ChartPoint::Uranus && p <= ChartPoint::Pluto; };
  return outer(i) && outer(j);
}

int SynastryAspectCode(double s, const OrbTable& orbs) {
  AspectMatch match;
  match.foldedSeparation = s;
  for (const AspectBand& band : kMajorBands) MatchBand(band, orbs, match);
  MatchBand(kConjunctionBand, orbs, match);
  return match.code;
}

std::vector<SynastrySlot> SortSynastryPoints(const PointArray<double>& longitudes) {
  std::vector<SynastrySlot> slots;
  for (int p = 1; p <= NumPoints; ++p)
    slots.push_back({p, longitudes[static_cast<std::size_t>(p)], 0});
  for (std::size_t a = 0; a + 1 < slots.size(); ++a)
    for (std::size_t b = a + 1; b < slots.size(); ++b)
      if (slots[b].longitude < slots[a].longitude) std::swap(slots[a], slots[b]);
  return slots;
}

std::vector<std::optional<double>> PlaceSynastryGlyphs(const std::vector<SynastrySlot>& sorted,
                                                       double axisLeft, double axisRight,
                                                       double standardWidth, bool hasChiron) {
  const double w = standardWidth;
  const auto n = static_cast<double>(sorted.size());
  std::vector<std::optional<double>> placed(sorted.size());
  double last = -1000;
  for (std::size_t index = 0; index < sorted.size(); ++index) {
    const SynastrySlot& slot = sorted[index];
    if (!IsSynastryPoint(slot.point) || (!hasChiron && slot.point == ChartPoint::Chiron)) continue;
    const double k = static_cast<double>(index + 1);
    double x = (axisRight - axisLeft) * slot.longitude / 360;
    // Room at the right end for the glyphs still to come.
    if (x > axisRight - (n + 1 - k) * w - w / 1.4) x = axisRight - (n - k) * w - w / 1.4;
    if (x < last + slot.glyphWidth) x = last + slot.glyphWidth;
    last = x;
    placed[index] = x;
  }
  return placed;
}

std::vector<SynastryLine> SynastryLinesOf(const PointArray<double>& natalLongitudes,
                                          const PointArray<double>& secondLongitudes,
                                          const OrbTable& orbs, SynastryView view,
                                          bool natalHasChiron, bool secondHasChiron) {
  std::vector<SynastryLine> lines;
  const int natalLast = LastPointOf(natalHasChiron), secondLast = LastPointOf(secondHasChiron);
  for (int i = 1; i <= natalLast; ++i) {
    if (!IsSynastryPoint(i)) continue;
    for (int j = 1; j <= secondLast; ++j) {
      if (!IsSynastryPoint(j) || IsGenerationPair(i, j)) continue;
      double s = std::fabs(natalLongitudes[static_cast<std::size_t>(i)] -
                           secondLongitudes[static_cast<std::size_t>(j)]);
      if (s > 180) s = 360 - s;
      const int code = SynastryAspectCode(s, orbs);
      if (LineColor(view, code)) lines.push_back({i, j, code});
    }
  }
  return lines;
}

void PaintSynastryLines(Canvas& canvas, const SynastryPaintInputs& in) {
  SynastryPainter(canvas, in).Paint();
}

}  // namespace orv
