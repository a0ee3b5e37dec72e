#include "wheels/AspectList.h"

#include <array>
#include <cmath>

#include "core/Aspects.h"
#include "wheels/AspectLines.h"
#include "wheels/GlyphCodes.h"

namespace orv {

namespace {

// The list's point order: the Sun, the Moon, Mercury .. Pluto, then 11 .. 16.
constexpr std::array<int, NumPoints> kPointOrder{1, 10, 2,  3,  4,  5,  6,  7,
                                                 8, 9,  11, 12, 13, 14, 15, 16};

// The list draws its septile at 360/7 itself, a hair short of the
// 51.42857143 the listings use: a pair right at the list's band edge is
// listed here and not there.
constexpr AspectBand ListBand(AspectBand band) {
  if (band.kind == KindOf(AspectCode::Septile)) band.exactDeg = 360.0 / 7;
  return band;
}

std::size_t At(int i) { return static_cast<std::size_t>(i); }

bool Shown(const std::string& enabled, int p) {
  return At(p - 1) >= enabled.size() || enabled[At(p - 1)] != '0';
}

bool OutOfHelio(int p) { return p == ChartPoint::Moon || (p >= 11 && p <= 15); }

char Glyph(int code) { return static_cast<char>(static_cast<unsigned char>(code)); }

std::string Line(int pointCode, int aspectCode, int otherCode) {
  return std::string("  ") + Glyph(pointCode) + ' ' + Glyph(aspectCode) + ' ' + Glyph(otherCode);
}

}  // namespace

AspectListInputs SingleWheelAspectListInputs(const WheelRequest& r) {
  AspectListInputs in;
  in.helio = r.HelioWheel == 1;
  in.declination = r.DeclinationSingleWheel == 1;
  in.composite = r.InnerWheelHeader[3] == "Composite chart";
  in.rowAngles = in.columnAngles = r.Longitudes;
  in.rowDeclinations = in.columnDeclinations = r.Declinations;
  in.rowEnabled = in.columnEnabled = r.EnabledPoints;
  in.hasChiron = r.HasChiron;
  return in;
}

int AspectListCode(double separationDeg, const OrbTable& orbs) {
  AspectMatch match;
  match.foldedSeparation = separationDeg > 180 ? 360 - separationDeg : separationDeg;
  for (const AspectBand& band : kMajorAndSemiBands) MatchBand(band, orbs, match);
  for (const AspectBand& band : kMinorBands) MatchBand(ListBand(band), orbs, match);
  MatchBand(kConjunctionBand, orbs, match);
  return match.code;
}

std::vector<std::string> AspectListLines(const AspectListInputs& in, const OrbTable& orbs) {
  std::vector<std::string> lines{""};
  const bool single = !in.twoCharts;
  const auto glyph = [&](int p) {
    return in.helio && p == ChartPoint::Sun ? GlyphCode::Earth : GlyphCode::PointBase + p;
  };
  const auto absent = [&](int p) { return !in.hasChiron && p == ChartPoint::Chiron; };
  for (int a : kPointOrder) {
    if (!Shown(in.rowEnabled, a) || (in.helio && OutOfHelio(a)) || absent(a)) continue;
    for (int b : kPointOrder) {
      if (!Shown(in.columnEnabled, b) || (in.helio && OutOfHelio(b)) || absent(b)) continue;
      if (single && a == b) continue;
      const int code =
          AspectListCode(FoldedSeparation(in.rowAngles[At(a)], in.columnAngles[At(b)]), orbs);
      if (code >= 2 && !in.declination)
        lines.push_back(Line(glyph(a), GlyphCode::AspectBase + code, glyph(b)));
    }
  }
  if (in.composite || in.helio) return lines;
  if (!in.declination) lines.emplace_back();
  const auto nodeOrFortune = [&](int p) { return (p >= 11 && p <= 13) || absent(p); };
  for (int a : kPointOrder) {
    if (nodeOrFortune(a)) continue;
    for (int b : kPointOrder) {
      if (nodeOrFortune(b) || (single && a == b)) continue;
      // Magnitudes and signs from the same arrays: those of the charts shown.
      const double da = in.rowDeclinations[At(a)], db = in.columnDeclinations[At(b)];
      const double d = std::fabs(std::fabs(da) - std::fabs(db));
      if (static_cast<float>(d) > orbs[6]) continue;
      const bool contra = (da < 0) != (db < 0);
      lines.push_back(
          Line(glyph(a), contra ? GlyphCode::Contraparallel : GlyphCode::Parallel, glyph(b)));
    }
  }
  return lines;
}

}  // namespace orv
