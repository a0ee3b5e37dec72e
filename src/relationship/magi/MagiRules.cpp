#include "relationship/magi/MagiRules.h"

#include <cmath>

#include "base/Format.h"
#include "core/ephemeris/DataTables.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"

namespace orv {

namespace {

constexpr int Sun = 1, Mercury = 2, Venus = 3, Mars = 4, Jupiter = 5, Saturn = 6, Uranus = 7,
              Neptune = 8, Pluto = 9, Moon = 10, Chiron = MagiChiron;

bool Pair(int a, int b, int x, int y) { return (a == x && b == y) || (a == y && b == x); }

struct NamedClash {
  int x, y;
  std::string_view label;
};
constexpr NamedClash kNamedClashes[] = {
    {Sun, Mars, "   BELLIGERENT CLASH"},
    {Sun, Chiron, "   WRONG PERSON CLASH"},
    {Mercury, Venus, "   COMMUNICATION CLASH"},
    {Mercury, Jupiter, "   SPELL IT OUT CLASH"},
    {Mercury, Neptune, "   EMPATHY CLASH"},
    {Mercury, Chiron, "   COMMUNICATION CLASH"},
    {Venus, Mars, "   SEXUAL CLASH"},
    {Venus, Neptune, "   HERE TODAY, GONE TOMORROW CLASH"},
    {Venus, Pluto, "   MONEY PIT CLASH"},
    {Venus, Moon, "   AWKWARDNESS CLASH"},
    {Venus, Chiron, "   IMPOSSIBLE DREAM CLASH"},
    {Mars, Neptune, "   CLASH OF WAR"},
    {Mars, Pluto, "   SEXUAL CLASH"},
    {Mars, Moon, "   ARGUMENTATIVE CLASH"},
    {Mars, Chiron, "   LUST-HATE CLASH"},
    {Uranus, Neptune, "   ON AGAIN, OFF AGAIN CLASH"},
    {Uranus, Chiron, "   INFIDELITY CLASH"},
    {Neptune, Moon, "   INDIFFERENCE CLASH"},
    {Pluto, Moon, "   FIGHT TO THE DEATH CLASH"},
    {Pluto, Chiron, "   CHIRON CLASH"},
    {Moon, Chiron, "   WRONG PERSON CLASH"},
    {Chiron, Chiron, "   SEPARATE WAYS CLASH"},
};

struct Linkage {
  int x, y;
  std::string_view couple;    // longitude label; empty: "   SUPER" alone
  std::string_view natal;     // the natal analysis's longitude label
  bool andSuper;              // " AND SUPER" after a conjunction or trine
  std::string_view parallel;  // parallel label
  bool coupleOnly;
};
constexpr std::string_view kSuper = "   SUPER";
constexpr Linkage kLinkages[] = {
    {Sun, Jupiter, "   Fidelity", "   Fidelity", true, "   Fidelity AND SUPER", false},
    {Sun, Uranus, "", "", false, kSuper, false},
    {Sun, Neptune, "", "", false, kSuper, false},
    {Sun, Pluto, "", "", false, kSuper, false},
    {Venus, Pluto, "   Sexual AND Golden linkage", "   sexual AND Golden linkage", true,
     "   sexual AND Golden linkage AND SUPER", false},
    {Mars, Pluto, "   Sexual linkage", "   Sexual linkage", false, "   Sexual linkage", false},
    {Mars, Chiron, "   Sexual linkage AND marriage linkage",
     "   Sexual linkage AND marriage linkage", false, "   Sexual linkage AND marriage linkage",
     true},
    {Venus, Mars, "   Sexual linkage", "   Sexual linkage", false, "   Sexual linkage", false},
    {Sun, Venus, "   Cupid linkage", "   Cupid linkage", false, "   Cupid linkage", false},
    {Sun, Chiron, "   Trust linkage", "   Trust linkage", false, "   Trust linkage", false},
    {Venus, Chiron, "   MAGIcal AND Cinderella AND Golden linkage",
     "   MAGIcal AND Cinderella AND Golden linkage", true,
     "   MAGIcal AND Cinderella AND Golden linkage AND SUPER", false},
    {Venus, Neptune, "   Romance AND silver linkage", "   Romance AND Silver linkage", true,
     "   Romance AND Silver linkage AND SUPER", false},
    {Neptune, Chiron, "   Lifetime AND Cinderella AND Romance linkage",
     "   Lifetime AND Cinderella AND Romance linkage", false,
     "   Lifetime AND Cinderella AND Romance linkage", false},
    {Jupiter, Chiron, "   Romance AND Cinderella AND Golden linkage",
     "   Romance AND Cinderella And Golden linkage", true,
     "   Romance AND Cinderella AND Golden linkage AND SUPER", false},
    {Jupiter, Pluto, "   Golden linkage", "   Golden linkage", true, "   Golden linkage AND SUPER",
     false},
    {Pluto, Chiron, "   Golden linkage", "   Golden linkage", true, "   Golden linkage AND SUPER",
     false},
    {Venus, Uranus, "   Silver linkage", "   Silver linkage", true, "   Silver linkage AND SUPER",
     false},
    {Venus, Jupiter, "   Silver linkage AND fidelity", "   Silver linkage AND fidelity", true,
     "   Silver linkage AND fidelity AND SUPER", false},
    {Jupiter, Uranus, "   Silver linkage", "   Silver linkage", true,
     "   Silver linkage AND SUPER", false},
    {Jupiter, Neptune, "   Silver linkage", "   Silver linkage", true,
     "   Silver linkage AND SUPER", false},
    {Uranus, Pluto, "", "", false, kSuper, false},
};

const Linkage* LinkageOf(int a, int b, MagiVariant variant) {
  for (const Linkage& l : kLinkages)
    if (Pair(a, b, l.x, l.y)) return l.coupleOnly && variant == MagiVariant::Natal ? nullptr : &l;
  return nullptr;
}

std::string SaturnClashes(int a, int b) {
  std::string s;
  if (a == Saturn || b == Saturn) s += "   SATURN CLASH";
  if (Pair(a, b, Jupiter, Saturn)) s += "   NUCLEAR CLASH";
  if (Pair(a, b, Saturn, Chiron)) s += "   HEARTBREAK CLASH";
  return s;
}

std::string BodyName(int body) {
  return std::string(PackedField(MagiBodyNames, body, PointNameWidth));
}

}  // namespace

MagiBodies MagiChironSubstitution(const ChartArrays& chart) {
  MagiBodies bodies;
  for (int k = 1; k <= 10; ++k) {
    bodies.longitudes[size_t(k)] = chart.Longitudes[size_t(k)];
    bodies.declinations[size_t(k)] = chart.Declinations[size_t(k)];
  }
  bodies.longitudes[MagiChiron] = chart.Longitudes[ChartPoint::Chiron];
  bodies.declinations[MagiChiron] = chart.Declinations[ChartPoint::Chiron];
  if (!chart.HasChiron ||
      (bodies.longitudes[MagiChiron] == 0 && bodies.declinations[MagiChiron] == 0))
    bodies.count = MagiBodyCount - 1;
  return bodies;
}

MagiAspect FindMagiAspect(double lonA, double lonB) {
  struct Band {
    AspectCode code;
    double exact;
  };
  // A later band would win, but with a 3-degree orb none overlap.
  using enum AspectCode;
  constexpr Band kBands[] = {
      {Square, 90}, {Trine, 120}, {Quincunx, 150}, {Opposition, 180}, {Conjunction, 0}};
  double sep = std::abs(lonA - lonB);
  if (sep > 180) sep = 360 - sep;
  MagiAspect found;
  for (const Band& band : kBands)
    if (std::abs(sep - band.exact) <= MagiLongitudeOrb) found = {Code(band.code), sep - band.exact};
  return found;
}

MagiParallel FindMagiParallel(double decA, double decB) {
  const double d = std::abs(std::abs(decA) - std::abs(decB));
  if (d > MagiParallelOrb) return {MagiParallelKind::None, d};
  const bool sameSide = (decA >= 0) == (decB >= 0);
  return {sameSide ? MagiParallelKind::Parallel : MagiParallelKind::ContraParallel, d};
}

std::string MagiAspectColumn(int code) {
  return std::string(PackedField(AspectNames, code, AspectNameWidth).substr(0, 10));
}

std::string MagiParallelColumn(MagiParallelKind kind) {
  return kind == MagiParallelKind::ContraParallel ? "c.parallel" : "parallel  ";
}

std::string MagiAspectText(int a, std::string_view column, int b, double orbDeg) {
  const double orb = std::abs(orbDeg);
  const double degrees = std::trunc(orb);
  const double minutes = std::min(59.0, std::round((orb - std::floor(orb)) * 60));
  return BodyName(a) + std::string(column) + "  " + BodyName(b) +
         PadSignedNum4(FormatNumber(degrees, "#0")) + "d " + FormatNumber(minutes, "00") + "m";
}

std::string MagiLongitudeLabels(int a, int b, int code, MagiVariant variant) {
  using enum AspectCode;
  std::string s;
  if (CodeIsOneOf(code, {Square, Opposition, Quincunx})) s += SaturnClashes(a, b);
  if (variant == MagiVariant::Couple && CodeIsOneOf(code, {Square, Opposition})) {
    for (const NamedClash& c : kNamedClashes) {
      if (Pair(a, b, c.x, c.y)) {
        s += c.label;
        break;
      }
    }
  }
  if (CodeIsOneOf(code, {Conjunction, Trine, Quincunx})) {
    if (const Linkage* l = LinkageOf(a, b, variant)) {
      const std::string_view text = variant == MagiVariant::Couple ? l->couple : l->natal;
      if (text.empty()) {
        if (code != Code(Quincunx)) s += kSuper;
      } else {
        s += text;
        if (l->andSuper && code != Code(Quincunx)) s += " AND SUPER";
      }
    }
  }
  return s;
}

std::string MagiParallelLabels(int a, int b, MagiVariant variant) {
  std::string s;
  if (const Linkage* l = LinkageOf(a, b, variant)) s += l->parallel;
  return s + SaturnClashes(a, b);
}

int MagiScoreIndex(int body) { return body == MagiChiron ? 13 : body; }

float MagiScore(const ScoreTable& table, int slot, int a, int b) {
  return table(slot, MagiScoreIndex(a), MagiScoreIndex(b));
}

}  // namespace orv
