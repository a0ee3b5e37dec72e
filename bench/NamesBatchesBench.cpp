// The names-file batches: All vs All over 500 and 1,000 people (249,500
// and 999,000 ordered pairs) as the program runs them, the scoring of the
// pairs alone, and the per-person batches over 20,000 people. Each run
// reports the peak memory it reached (peak_MB, the process's resident peak
// reset before the run).

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "QuietHost.h"
#include "core/ephemeris/DataTables.h"
#include "relationship/batches/NamesBatches.h"
#include "shell/OptionFiles.h"

namespace {

struct NoProgress final : orv::BatchProgress {
  bool Step(std::int64_t, std::int64_t) override { return true; }
};

// `count` people spread over days, hours and places; `prefixed`: men and
// women alternate (the same-sex rule then halves the pairs), else no
// prefix, so that every pair is scored.
std::vector<orv::NameRecord> People(int count, bool prefixed) {
  std::vector<orv::NameRecord> r;
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int k = 0; k < count; ++k) {
    const std::string date = std::to_string(1 + k % 28) + " " + kMonths[(k * 7) % 12] + " " +
                             std::to_string(1940 + (k * 13) % 60);
    const std::string time = std::to_string(1 + k % 12) + "." + std::to_string(10 + k % 50);
    const std::string prefix = prefixed ? (k % 2 ? "w " : "m ") : "";
    r.push_back({prefix + "P" + std::to_string(k) + " X", date, time, k % 3 ? "A" : "P",
                 std::to_string(4 + k % 5), std::to_string(70 + k % 40) + ".15",
                 std::to_string(25 + k % 30) + ".30", ""});
  }
  return r;
}

struct Setup {
  orv::bench::QuietHost host;
  NoProgress progress;
  std::vector<orv::NameRecord> records;
  orv::OptionValues options{};
  orv::DataTables tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  orv::BatchContext ctx{host, progress, records, options, tables, ORVANTA_DATA_DIR,
                        orv::HouseSystemCode::Placidus, 0, {}, {}, false, 2026};
  explicit Setup(int count, bool prefixed = false) : records(People(count, prefixed)) {
    orv::ReadOptionsFile(host, ORVANTA_DATA_DIR, options);
    ctx.comparative = {orv::CosmoAngleChoice::Both, true, true, 2, false};
  }
};

// The resident peak from here on: /proc/self/clear_refs resets it.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
double PeakMemoryMB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stod(line.substr(6)) / 1024;
  return 0;
}

// Scoring every ordered pair of the 500 computed charts one by one on one
// core (the batches score each pair once for both directions, on every core).
void BM_AllPairsOf500(benchmark::State& state) {
  Setup s(500);
  std::vector<std::string> skipped;
  const auto people = orv::ComputeBatchPeople(s.ctx, skipped, 0, 500);
  for (auto _ : state) {
    double sum = 0;
    for (const auto& a : *people)
      for (const auto& b : *people)
        if (&a != &b) sum += orv::ScoreBatchPair(a, b, s.ctx.comparative).TH1;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_AllPairsOf500)->Unit(benchmark::kMillisecond);

// The whole All vs All run to its page: the charts, every ordered pair,
// their lines, the averages and the strong pairs.
void AllVsAll(benchmark::State& state, int count) {
  Setup s(count);
  double peak = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    orv::OutputState out;
    orv::ListingPage page{out, s.host};
    benchmark::DoNotOptimize(orv::RunAllVsAll(s.ctx, page));
    peak = std::max(peak, PeakMemoryMB());
  }
  state.counters["peak_MB"] = peak;
}
void BM_AllVsAll500(benchmark::State& state) { AllVsAll(state, 500); }
void BM_AllVsAll1000(benchmark::State& state) { AllVsAll(state, 1000); }
BENCHMARK(BM_AllVsAll500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AllVsAll1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// All vs All Summary over 1,000 men and women: the same-sex rule halves the
// pairs; every person's section is sorted.
void BM_AllVsAllSummary1000(benchmark::State& state) {
  Setup s(1000, true);
  for (auto _ : state) {
    orv::OutputState out;
    orv::ListingPage page{out, s.host};
    benchmark::DoNotOptimize(orv::RunAllVsAllSummary(s.ctx, page));
  }
}
BENCHMARK(BM_AllVsAllSummary1000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 500 charts alone.
void BM_ChartsOf500(benchmark::State& state) {
  Setup s(500);
  for (auto _ : state) {
    std::vector<std::string> skipped;
    benchmark::DoNotOptimize(orv::ComputeBatchPeople(s.ctx, skipped, 0, 500));
  }
}
BENCHMARK(BM_ChartsOf500)->Unit(benchmark::kMillisecond);

// The per-person batches over 20,000 people: the charts, then ranks and
// listings that must not grow with the square of the people.
template <orv::BatchEnd (*Batch)(orv::BatchContext&, orv::ListingPage&)>
void PerPerson(benchmark::State& state) {
  Setup s(20000);
  for (auto _ : state) {
    orv::OutputState out;
    orv::ListingPage page{out, s.host};
    benchmark::DoNotOptimize(Batch(s.ctx, page));
  }
}
void BM_DivisionAnalysis20000(benchmark::State& state) {
  PerPerson<orv::RunDivisionAnalysis>(state);
}
void BM_PlacementSummary20000(benchmark::State& state) {
  PerPerson<orv::RunPlacementSummary>(state);
}
BENCHMARK(BM_DivisionAnalysis20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PlacementSummary20000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
