#include "cosmodynes/SignDignities.h"

#include <string_view>

namespace orv {

namespace {

// One row per planet 1..10, one character per sign Aries .. Pisces:
// R rulership, D detriment, E exaltation, F fall, h the +1 harmony sign,
// d the +1 discord sign. The co-rulers of Scorpio, Aquarius and Pisces
// both count in full.
constexpr std::string_view kDignityRows[] = {
    "",
    "E.d.R.F.h.D.",  // Sun
    ".dR.FR.hD.ED",  // Mercury
    "DR..dFRD..hE",  // Venus
    "RD.Fh.DR.Ed.",  // Mars
    ".hDE.D.dRF.R",  // Jupiter
    "F..DDhE..RRd",  // Saturn
    "d.E.D.h.F.R.",  // Uranus
    "..Fh.D..Ed.R",  // Neptune
    "hD..E.dR..F.",  // Pluto
    ".E.R.d.F.D.h",  // Moon
};

struct DignityWeight {
  char code;
  SignDignity column;
  int score;          // `DignityScore`
  double harmonyAdd;  // added to `Harmony`
  double discordAdd;  // added to `Discord`
};

constexpr DignityWeight kWeights[] = {
    {'R', SignDignity::Rulership, 5, 2, 0},    {'D', SignDignity::Detriment, -5, 0, 2},
    {'E', SignDignity::Exaltation, 4, 3, 0},   {'F', SignDignity::Fall, -4, 0, 3},
    {'h', SignDignity::MinorHarmony, 1, 1, 0}, {'d', SignDignity::MinorDiscord, -1, 0, 1},
};

const DignityWeight* WeightOf(SignDignity column) {
  for (const DignityWeight& w : kWeights)
    if (w.column == column) return &w;
  return nullptr;
}

}  // namespace

bool InReceptionDomain(int planet, int sign) {
  const SignDignity d = DignityOfSign(planet, sign);
  return d == SignDignity::Rulership || d == SignDignity::Exaltation;
}

SignDignity DignityOfSign(int planet, int sign) {
  if (planet < ChartPoint::Sun || planet > ChartPoint::Moon || sign < 1 || sign > 12)
    return SignDignity::None;
  const char code = kDignityRows[planet][size_t(sign - 1)];
  for (const DignityWeight& w : kWeights)
    if (w.code == code) return w.column;
  return SignDignity::None;
}

void CalcEssentialDignities(Cosmodynes& c, const PointArray<double>& longitudes) {
  c.DignityScore.fill(0);
  for (int p = ChartPoint::Sun; p <= ChartPoint::Moon; ++p) {
    const DignityWeight* w = WeightOf(DignityOfSign(p, CosmoSignOf(longitudes[size_t(p)])));
    if (w) c.DignityScore[size_t(p)] = static_cast<std::int16_t>(w->score);
  }
}

void ApplyMutualReceptionHarmony(Cosmodynes& c, const PointArray<double>& longitudes) {
  constexpr double kReceptionHarmony = 5;
  for (int a = ChartPoint::Sun; a <= ChartPoint::Moon; ++a) {
    for (int b = a + 1; b <= ChartPoint::Moon; ++b) {
      if (InReceptionDomain(b, CosmoSignOf(longitudes[size_t(a)])) &&
          InReceptionDomain(a, CosmoSignOf(longitudes[size_t(b)]))) {
        c.Harmony[size_t(a)] += kReceptionHarmony;
        c.Harmony[size_t(b)] += kReceptionHarmony;
      }
    }
  }
}

void ApplyDignityHarmony(Cosmodynes& c, const PointArray<double>& longitudes) {
  for (int p = ChartPoint::Sun; p <= ChartPoint::Moon; ++p) {
    const DignityWeight* w = WeightOf(DignityOfSign(p, CosmoSignOf(longitudes[size_t(p)])));
    if (!w) continue;
    c.Harmony[size_t(p)] += w->harmonyAdd;
    c.Discord[size_t(p)] += w->discordAdd;
  }
}

}  // namespace orv
