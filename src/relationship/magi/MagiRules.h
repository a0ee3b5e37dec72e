#pragma once
// The rule set of the Magi Society analyses: the eleven bodies, the aspect
// and parallel tests with their fixed orbs, the text of a hit, and the clash
// and linkage labels of a pair.

#include <array>
#include <string>
#include <string_view>

#include "core/Aspects.h"
#include "core/ChartModel.h"

namespace orv {

class ScoreTable;

// `MagiBody`: 1 Sun .. 10 Moon as `ChartPoint`, 11 Chiron.
inline constexpr int MagiChiron = 11;
inline constexpr int MagiBodyCount = 11;

// `MagiBodyNames`: eleven fields of 10 characters.
inline constexpr std::string_view MagiBodyNames =
    "SUN       MERCURY   VENUS     MARS      JUPITER   SATURN    URANUS    NEPTUNE   "
    "PLUTO     MOON      CHIRON    ";

inline constexpr double MagiLongitudeOrb = 3;
inline constexpr double MagiParallelOrb = 1.2;
inline constexpr double MagiCrucialLimit = 100;

// The score slots of the parallels; a longitude hit's slot is its `AspectCode`.
inline constexpr int MagiParallelSlot = 7;
inline constexpr int MagiContraParallelSlot = 9;

enum class MagiVariant { Couple, Natal };

// One chart's bodies for an analysis: positions by `MagiBody`, Chiron in
// slot 11, and how many bodies take part (10 when Chiron's longitude and
// declination are both exactly 0, that is, not computed). The chart itself
// is never changed.
struct MagiBodies {
  std::array<double, MagiBodyCount + 1> longitudes{};
  std::array<double, MagiBodyCount + 1> declinations{};
  int count = MagiBodyCount;
};
MagiBodies MagiChironSubstitution(const ChartArrays& chart);

// `FindMagiAspect`: the `AspectCode` (none, or the conjunction, square,
// trine, opposition or quincunx) within 3 degrees, bounds inclusive,
// and the deviation from exact in degrees (the separation for a conjunction).
struct MagiAspect {
  int code = NoAspectCode;
  double deviation = 0;
};
MagiAspect FindMagiAspect(double lonA, double lonB);

// `FindMagiParallel`: a parallel (both declinations >= 0 or both < 0) or a
// contra-parallel when the absolute declinations are at most 1.2 apart.
enum class MagiParallelKind { None, Parallel, ContraParallel };
struct MagiParallel {
  MagiParallelKind kind = MagiParallelKind::None;
  double difference = 0;  // of the absolute declinations, degrees
};
MagiParallel FindMagiParallel(double decA, double decB);

// The 10-character aspect column of a longitude hit, and of the parallels.
std::string MagiAspectColumn(int code);
std::string MagiParallelColumn(MagiParallelKind kind);

// `MagiAspectText`: body A, the column, two blanks, body B, then the orb as
// whole degrees (4 characters), "d ", two-digit minutes (never 60) and "m".
std::string MagiAspectText(int a, std::string_view column, int b, double orbDeg);

// The labels of a hit, each with its three leading blanks, in their order;
// empty when the pair has none.
std::string MagiLongitudeLabels(int a, int b, int code, MagiVariant variant);
std::string MagiParallelLabels(int a, int b, MagiVariant variant);

// The score tables' index of body `body`: the tables keep Chiron's scores at
// index 13, so the loaded tables are read in place, never rearranged.
int MagiScoreIndex(int body);

// A score of the couple analysis: slot `slot` of chart-1 body a with
// chart-2 body b.
float MagiScore(const ScoreTable& table, int slot, int a, int b);

}  // namespace orv
