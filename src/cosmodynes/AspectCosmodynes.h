#pragma once
// The aspect cosmodynes: aspects and parallels between the points that take
// part, weighed by their closeness, into aspect power, harmony and discord.

#include <optional>

#include "cosmodynes/Cosmodynes.h"

namespace orv {

// The orbs of one pair of points, degrees, by aspect group 1..5
// (1 semi-sextile and quincunx, 2 semi-square and sesquisquare, 3 sextile,
// 4 square and trine, 5 conjunction and opposition).
struct CosmoPairOrbs {
  std::array<double, 6> test{};    // the band half-widths
  std::array<double, 6> weight{};  // what the weight is measured from
  double parallel = 0;
};

// The orbs of one point in its house, before it is paired.
struct CosmoPointOrbs {
  std::array<double, 6> test{};
  std::array<double, 6> weight{};
  double parallel = 0;
};
CosmoPointOrbs PointOrbsOf(int point, std::optional<int> house);

// The orbs of a pair: the larger of the two points' orbs in each group.
CosmoPairOrbs CombineOrbs(const CosmoPointOrbs& a, const CosmoPointOrbs& b);

// The orbs of the pair of points `a` and `b` in houses `houseA` and `houseB`
// (the Ascendant and the MC count as in house 10 whatever is passed; a
// point without a house takes the cadent orbs).
CosmoPairOrbs PairOrbs(int a, std::optional<int> houseA, int b, std::optional<int> houseB);

// The aspect a pair's folded separation (0..180 degrees) makes under
// `orbs`: the first band holding it, trine and sesquisquare divided at 130.
struct CosmoAspect {
  int code = 1;          // `AspectCode`; 1 none
  int group = 0;         // aspect group 1..5; 0 none
  double deviation = 0;  // separation less the exact angle, degrees
};
CosmoAspect FindCosmoAspect(double foldedSepDeg, const CosmoPairOrbs& orbs);
// The same for the pair of points with orbs `a` and `b`, without forming
// their pair orbs first.
CosmoAspect FindCosmoAspect(double foldedSepDeg, const CosmoPointOrbs& a, const CosmoPointOrbs& b);

// `CalcAspectCosmodynes`: sets `AspectPower`, `Harmony` and `Discord` of
// points 1..15 afresh (the angles' aspect power starts at 15) and adds each
// ordered pair's aspect and parallel weights, with the dignity and
// benefic/malefic rules `options` asks for, into them and `AspectGrid`.
// Reads `DignityScore`, so the essential dignities come first.
void CalcAspectCosmodynes(Cosmodynes& c, const ChartArrays& natal, CosmoAngleChoice angles,
                          const CosmodyneOptions& options);

}  // namespace orv
