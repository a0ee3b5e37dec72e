// One pair of the comparative cosmodynes, as a names-file batch scores it:
// two computed charts in, scores and totals out, nothing recomputed.

#include <benchmark/benchmark.h>

#include "QuietHost.h"
#include "commands/Workbench.h"
#include "core/ChartDriver.h"
#include "relationship/comparative/ComparativeScoring.h"

namespace {

// The two charts of one couple, as the chart driver computes them.
orv::ChartModel PairCharts() {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  wb.Tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  orv::ChartDriverHooks hooks;
  orv::ChartRequest r;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"8", "3", "1962", "4", "20", "5", "71", "4", "42", "21", "", false, false, false};
  r.secondPerson = true;
  orv::CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true);
  return wb.Charts;
}

void BM_ComparativePair(benchmark::State& state) {
  const orv::ChartModel charts = PairCharts();
  orv::ComparativeSettings settings;
  settings.Angles = orv::CosmoAngleChoice::Both;
  settings.BeneficsMalefics = true;
  settings.IncludeMR = true;
  settings.OppositionMode = 2;
  for (auto _ : state) {
    const orv::ComparativeScores s = orv::ScoreComparativeCosmodynes(
        {charts.Natal, orv::IsNoonChart(charts.NatalInput)},
        {charts.Diurnal, orv::IsNoonChart(charts.DiurnalInput)}, settings);
    benchmark::DoNotOptimize(orv::TotalsOf(s, settings.Angles));
  }
}
BENCHMARK(BM_ComparativePair);

// The same pair as a batch scores it: both charts readied once, chart 1's
// totals alone.
void BM_ComparativePairTotals(benchmark::State& state) {
  const orv::ChartModel charts = PairCharts();
  const orv::ComparativeSettings settings{orv::CosmoAngleChoice::Both, true, true, 2, false};
  const auto one = orv::PrepareComparativeChart({charts.Natal, false}, settings);
  const auto two = orv::PrepareComparativeChart({charts.Diurnal, false}, settings);
  for (auto _ : state) benchmark::DoNotOptimize(orv::ScoreComparativeTotals(one, two, settings));
}
BENCHMARK(BM_ComparativePairTotals);

}  // namespace
