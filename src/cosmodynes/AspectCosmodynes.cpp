#include "cosmodynes/AspectCosmodynes.h"

#include <algorithm>
#include <cmath>

#include "core/Aspects.h"

namespace orv {

using namespace ChartPoint;

namespace {

enum class HouseClass { Angular = 0, Succedent = 1, Cadent = 2 };

HouseClass ClassOfHouse(std::optional<int> house) {
  if (!house) return HouseClass::Cadent;
  switch (*house % 3) {
    case 1:
      return HouseClass::Angular;
    case 2:
      return HouseClass::Succedent;
    default:
      return HouseClass::Cadent;
  }
}

using GroupOrbRow = std::array<double, 6>;  // by group 1..5

// Test orbs by house class: the Sun and Moon, and every other point.
constexpr GroupOrbRow kLightOrbs[] = {
    {0, 4, 6, 8, 12, 15}, {0, 3, 5, 7, 10, 13}, {0, 2, 4, 6, 8, 11}};
constexpr GroupOrbRow kPointOrbs[] = {
    {0, 3, 5, 7, 10, 12}, {0, 2, 4, 6, 8, 10}, {0, 1, 3, 5, 6, 8}};
// Parallel orbs by house class: the Sun, Mercury and Moon, and the others.
constexpr double kFastParallelOrbs[] = {15, 13, 11};
constexpr double kParallelOrbs[] = {12, 10, 8};

}  // namespace

CosmoPointOrbs PointOrbsOf(int point, std::optional<int> house) {
  if (point == Ascendant || point == MC) house = 10;
  const size_t cls = size_t(ClassOfHouse(house));
  const bool light = point == Sun || point == Moon;
  const GroupOrbRow& test = light ? kLightOrbs[cls] : kPointOrbs[cls];
  // Mercury finds its aspects with the planets' orbs and weighs them with
  // the lights'.
  const GroupOrbRow& weight = point == Mercury ? kLightOrbs[cls] : test;
  const bool fast = light || point == Mercury;
  return {test, weight, fast ? kFastParallelOrbs[cls] : kParallelOrbs[cls]};
}

namespace {

enum class Tone { Neutral, Harmonious, Discordant };
enum class TrineSplit { None, AtMost130, Above130 };

struct CosmoBand {
  int code;
  int group;
  double exactDeg;
  Tone tone;
  TrineSplit split;
};

// Tested in this order; the first band holding the separation wins.
constexpr CosmoBand kBands[] = {
    {2, 5, 0, Tone::Neutral, TrineSplit::None},      // conjunction
    {8, 1, 30, Tone::Harmonious, TrineSplit::None},  // semi-sextile
    {9, 2, 45, Tone::Discordant, TrineSplit::None},  // semi-square
    {3, 3, 60, Tone::Harmonious, TrineSplit::None},  // sextile
    {4, 4, 90, Tone::Discordant, TrineSplit::None},  // square
    {5, 4, 120, Tone::Harmonious, TrineSplit::AtMost130},
    {10, 2, 135, Tone::Discordant, TrineSplit::Above130},  // sesquisquare
    {11, 1, 150, Tone::Neutral, TrineSplit::None},         // quincunx
    {6, 5, 180, Tone::Discordant, TrineSplit::None},       // opposition
};

constexpr double kTrineSplitDeg = 130;

Tone ToneOfCode(int code) {
  for (const CosmoBand& band : kBands)
    if (band.code == code) return band.tone;
  return Tone::Neutral;
}

struct BeneficRule {
  int planet;
  double fraction;                  // of the weight
  bool harmony;                     // harmony, or else discord
  std::array<int, 3> skippedSigns;  // with dignities considered
};

constexpr BeneficRule kBeneficRules[] = {
    {Jupiter, 0.5, true, {3, 6, 10}},
    {Venus, 0.25, true, {1, 8, 6}},
    {Saturn, 0.5, false, {10, 11, 7}},
    {Mars, 0.25, false, {1, 8, 10}},
};

struct PairContext {
  Cosmodynes& c;
  const ChartArrays& natal;
  const CosmodyneOptions& options;
};

void AddToGrid(float& cell, double amount) { cell = static_cast<float>(double(cell) + amount); }

// Adds the weight `w` of an aspect of tone `tone` (Neutral for a parallel)
// between `a` and `b` to point `a`.
void ScoreWeight(PairContext& x, int a, int b, double w, Tone tone) {
  Cosmodynes& c = x.c;
  float& cell = c.AspectGrid[size_t(a)][size_t(b)];
  const bool below = a > b;  // harmony less discord lives below the diagonal
  c.AspectPower[size_t(a)] += w;
  if (a < b) AddToGrid(cell, w);
  if (x.options.ConsiderDignities) {
    const double t = w * (c.DignityScore[size_t(a)] + c.DignityScore[size_t(b)]) / 10;
    if (t >= 0) {
      c.Harmony[size_t(a)] += t;
    } else {
      c.Discord[size_t(a)] += -t;
    }
    if (below) AddToGrid(cell, t);
  }
  if (tone == Tone::Harmonious) {
    c.Harmony[size_t(a)] += w;
    if (below) AddToGrid(cell, w);
  } else if (tone == Tone::Discordant) {
    c.Discord[size_t(a)] += w;
    if (below) AddToGrid(cell, -w);
  }
  if (!x.options.BeneficsMalefics) return;
  for (const BeneficRule& rule : kBeneficRules) {
    if (a != rule.planet && b != rule.planet) continue;
    if (x.options.ConsiderDignities) {
      const int sign = CosmoSignOf(x.natal.Longitudes[size_t(rule.planet)]);
      if (std::ranges::find(rule.skippedSigns, sign) != rule.skippedSigns.end()) continue;
    }
    const double share = w * rule.fraction;
    (rule.harmony ? c.Harmony : c.Discord)[size_t(a)] += share;
    if (below) AddToGrid(cell, rule.harmony ? share : -share);
  }
}

}  // namespace

CosmoPairOrbs PairOrbs(int a, std::optional<int> houseA, int b, std::optional<int> houseB) {
  return CombineOrbs(PointOrbsOf(a, houseA), PointOrbsOf(b, houseB));
}

CosmoPairOrbs CombineOrbs(const CosmoPointOrbs& oa, const CosmoPointOrbs& ob) {
  CosmoPairOrbs orbs;
  for (size_t g = 1; g <= 5; ++g) {
    orbs.test[g] = std::max(oa.test[g], ob.test[g]);
    orbs.weight[g] = std::max(oa.weight[g], ob.weight[g]);
  }
  orbs.parallel = std::max(oa.parallel, ob.parallel);
  return orbs;
}

namespace {

// The largest test orb of aspect group `g` over every point and house.
constexpr double MaxTestOrb(int g) {
  double m = 0;
  for (const GroupOrbRow& row : kLightOrbs) m = std::max(m, row[size_t(g)]);
  for (const GroupOrbRow& row : kPointOrbs) m = std::max(m, row[size_t(g)]);
  return m;
}

// For each whole degree k of a folded separation, the bands (in test order)
// whose widest orb reaches into [k, k + 1]: the only ones that can hold it.
struct BandCandidates {
  std::array<unsigned char, std::size(kBands)> band{};
  unsigned char count = 0;
};
constexpr auto kCandidates = [] {
  std::array<BandCandidates, 181> table{};
  for (int k = 0; k <= 180; ++k)
    for (size_t i = 0; i < std::size(kBands); ++i) {
      const double orb = MaxTestOrb(kBands[i].group);
      if (kBands[i].exactDeg - orb <= k + 1 && k <= kBands[i].exactDeg + orb)
        table[size_t(k)].band[table[size_t(k)].count++] = static_cast<unsigned char>(i);
    }
  return table;
}();

// The first band holding `s`, its orb for group g given by `testOrb(g)`.
template <class TestOrb>
CosmoAspect FindAspectIn(double s, TestOrb testOrb) {
  const auto holds = [&](const CosmoBand& band) {
    if (band.split == TrineSplit::AtMost130 && s > kTrineSplitDeg) return false;
    if (band.split == TrineSplit::Above130 && s <= kTrineSplitDeg) return false;
    // Orbs are whole degrees, exact in single precision; the test stays double.
    return InOrbBand(band.exactDeg, BandShape::Around, true, s,
                     static_cast<float>(testOrb(band.group)));
  };
  if (s >= 0 && s <= 180) {
    const BandCandidates& c = kCandidates[size_t(s)];
    for (size_t k = 0; k < c.count; ++k) {
      const CosmoBand& band = kBands[c.band[k]];
      if (holds(band)) return {band.code, band.group, s - band.exactDeg};
    }
    return {};
  }
  for (const CosmoBand& band : kBands)
    if (holds(band)) return {band.code, band.group, s - band.exactDeg};
  return {};
}

}  // namespace

CosmoAspect FindCosmoAspect(double foldedSepDeg, const CosmoPairOrbs& orbs) {
  return FindAspectIn(foldedSepDeg, [&](int g) { return orbs.test[size_t(g)]; });
}

CosmoAspect FindCosmoAspect(double foldedSepDeg, const CosmoPointOrbs& a,
                            const CosmoPointOrbs& b) {
  return FindAspectIn(foldedSepDeg,
                      [&](int g) { return std::max(a.test[size_t(g)], b.test[size_t(g)]); });
}

void CalcAspectCosmodynes(Cosmodynes& c, const ChartArrays& natal, CosmoAngleChoice angles,
                          const CosmodyneOptions& options) {
  const int pointCount = std::clamp(static_cast<int>(angles) + 13, 13, 15);
  for (int k = 1; k <= CosmoPointCount; ++k)
    c.AspectPower[size_t(k)] = c.Harmony[size_t(k)] = c.Discord[size_t(k)] = 0;
  c.AspectPower[Ascendant] = 15;
  c.AspectPower[MC] = 15;

  PairContext x{c, natal, options};
  const auto takesPart = [&](int p) {
    return (p < NorthNode || p > PartOfFortune) && IsCosmodynePoint(p, angles);
  };
  for (int a = 1; a <= pointCount; ++a) {
    if (!takesPart(a)) continue;
    for (int b = 1; b <= pointCount; ++b) {
      if (b == a || !takesPart(b)) continue;
      const CosmoPairOrbs orbs = PairOrbs(a, CosmoHouseOf(natal.HousePositions, a), b,
                                          CosmoHouseOf(natal.HousePositions, b));
      double s = std::abs(natal.Longitudes[size_t(a)] - natal.Longitudes[size_t(b)]);
      if (s > 180) s = 360 - s;
      const CosmoAspect aspect = FindCosmoAspect(s, orbs);
      if (aspect.group != 0) {
        const double w = orbs.weight[size_t(aspect.group)] - std::abs(aspect.deviation);
        ScoreWeight(x, a, b, w, ToneOfCode(aspect.code));
      }
      const double d = std::abs(std::abs(natal.Declinations[size_t(a)]) -
                                std::abs(natal.Declinations[size_t(b)]));
      if (d < 1) ScoreWeight(x, a, b, orbs.parallel * (1 - d), Tone::Neutral);
    }
  }
}

}  // namespace orv
