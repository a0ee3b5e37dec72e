#pragma once
// The comparative cosmodynes: every point of chart 1 scored against every
// point of chart 2 by aspect and parallel, into power, harmony and discord
// per point of each chart and per pair, with the cross mutual receptions.

#include <string>
#include <utility>
#include <vector>

#include "core/ChartModel.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/Cosmodynes.h"

namespace orv {

// What a run is told, as plain values, so that the Data commands and the
// names-file batches call the same scoring with their own choices.
struct ComparativeSettings {
  CosmoAngleChoice Angles = CosmoAngleChoice::AscendantOnly;  // `CosmoAngleChoice`
  bool BeneficsMalefics = false;  // "Benefics/Malefics?"
  bool IncludeMR = false;         // "incl MR": receptions add harmony
  float OppositionMode = 0;       // option 238: 0 power only, 1 all discord, else by planets
  bool ListAspects = false;       // `CosmoWithTransitGrid`: keep the individual aspect lines
};

// One chart of the pair: its computed arrays, and whether it was timed at
// 12.00 P.M. (such a chart takes part without its angles).
struct ComparativeChart {
  const ChartArrays& arrays;
  bool atNoon = false;
};

// Whether a chart input is timed exactly 12.00 P.M.
bool IsNoonChart(const ChartInputValues& input);

// A pair of points (chart-1 point a, chart-2 point b) that scored power,
// with its own scores before any reception harmony.
struct ScoredPair {
  int a = 0;
  int b = 0;
  double power = 0;
  double harmony = 0;    // harmony terms less discord terms
  int code = 1;          // `AspectCode` of its aspect; 1: it scored by its parallel alone
  double deviation = 0;  // separation less the exact angle, degrees (aspect pairs only)
};

// Everything one comparative run scores. Per-point arrays by `ChartPoint`,
// 1..15; grid cells (chart-1 point, chart-2 point).
struct ComparativeScores {
  CosmoPointArray AspectPower{}, Harmony{}, Discord{};  // chart 1
  CosmoPointArray SecondChartPower{}, SecondChartHarmony{}, SecondChartDiscord{};
  CosmoAspectGrid CrossPowerGrid{};
  CosmoAspectGrid CrossHarmonyGrid{};  // net harmony, receptions included
  // The last point the per-point table lists (13..15).
  int Limit = 13;
  // Every pair with power, in the order scored (chart-1 point, then chart-2).
  std::vector<ScoredPair> Pairs;
  // The receptions (chart-1 planet, chart-2 planet) whose harmony was added.
  std::vector<std::pair<int, int>> Receptions;
  // With `ListAspects`: the aspect and parallel lines in order, an empty
  // entry after each chart-1 point.
  std::vector<std::string> AspectLines;
};

// The totals over the points the table lists, and the sums of each point's
// net harmony times its power.
struct ComparativeTotals {
  double TP1 = 0, TH1 = 0, TP2 = 0, TH2 = 0;
  double PH1 = 0, PH2 = 0;
};

// Scores `chart1` against `chart2` from their computed arrays alone; nothing
// is recomputed, so a batch may call it once per pair. The same inputs
// always give the same scores.
ComparativeScores ScoreComparativeCosmodynes(const ComparativeChart& chart1,
                                             const ComparativeChart& chart2,
                                             const ComparativeSettings& settings);

// A chart readied for scoring against many others: the points that take
// part and their orbs, longitudes, unsigned declinations and receptions,
// found once. Only valid with the settings it was prepared for.
struct PreparedComparativeChart {
  std::array<int, CosmoPointCount> points{};  // taking part, in point order
  size_t count = 0;
  std::array<CosmoPointOrbs, CosmoPointCount + 1> orbs{};
  PointArray<double> longitudes{};
  std::array<double, CosmoPointCount + 1> absDeclinations{};
  // Per planet p (1..10), bit q set when planet q receives in p's sign.
  std::array<unsigned, 11> receivers{};
};
PreparedComparativeChart PrepareComparativeChart(const ComparativeChart& chart,
                                                 const ComparativeSettings& settings);

// The totals TP1, TH1, TP2 and TH2 alone (PH1 and PH2 0), as a names-file
// batch needs them of a pair: the same numbers as
// `TotalsOf(ScoreComparativeCosmodynes(...))`, without the grids and the pair
// list. The scoring is symmetric: TP2 and TH2 are, to the last bit, the TP1
// and TH1 of the pair the other way round.
ComparativeTotals ScoreComparativeTotals(const PreparedComparativeChart& chart1,
                                         const PreparedComparativeChart& chart2,
                                         const ComparativeSettings& settings);

// Whether point `point` is a row of the table and takes part in a run with
// `angles` (the nodes and the Part of Fortune never do).
bool IsComparativePoint(int point, CosmoAngleChoice angles);

ComparativeTotals TotalsOf(const ComparativeScores& scores, CosmoAngleChoice angles);

// `IsCrossReception`: chart-1 planet p and a different chart-2 planet q
// (1..10) each in a sign where the other receives.
bool IsCrossReception(int p, int q, const PointArray<double>& longitudes1,
                      const PointArray<double>& longitudes2);

// `FindInterchartReceptions`: every cross reception, by chart-1 planet and
// then chart-2 planet; as many as there are.
std::vector<std::pair<int, int>> FindInterchartReceptions(const PointArray<double>& longitudes1,
                                                          const PointArray<double>& longitudes2);

}  // namespace orv
