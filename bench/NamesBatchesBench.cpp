// All vs All over a names file of 500 people (249,500 ordered pairs): the
// whole run, and the scoring of the pairs from the 500 computed charts.

#include <benchmark/benchmark.h>

#include "QuietHost.h"
#include "core/ephemeris/DataTables.h"
#include "relationship/batches/NamesBatches.h"
#include "shell/OptionFiles.h"

namespace {

struct NoProgress final : orv::BatchProgress {
  bool Step(std::int64_t, std::int64_t) override { return true; }
};

// 500 people without the man/woman prefix, so that every pair is scored,
// spread over days, hours and places.
std::vector<orv::NameRecord> FiveHundred() {
  std::vector<orv::NameRecord> r;
  static const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  for (int k = 0; k < 500; ++k) {
    const std::string date = std::to_string(1 + k % 28) + " " + kMonths[(k * 7) % 12] + " " +
                             std::to_string(1940 + (k * 13) % 60);
    const std::string time = std::to_string(1 + k % 12) + "." + std::to_string(10 + k % 50);
    r.push_back({"P" + std::to_string(k) + " X", date, time,
                 k % 3 ? "A" : "P", std::to_string(4 + k % 5), std::to_string(70 + k % 40) + ".15",
                 std::to_string(25 + k % 30) + ".30", ""});
  }
  return r;
}

struct Setup {
  orv::bench::QuietHost host;
  NoProgress progress;
  std::vector<orv::NameRecord> records = FiveHundred();
  orv::OptionValues options{};
  orv::DataTables tables = orv::ReadDataTables(ORVANTA_DATA_DIR).tables;
  orv::BatchContext ctx{host, progress, records, options, tables, ORVANTA_DATA_DIR,
                        orv::HouseSystemCode::Placidus, 0, {}, {}, false, 2026};
  Setup() {
    orv::ReadOptionsFile(host, ORVANTA_DATA_DIR, options);
    ctx.comparative = {orv::CosmoAngleChoice::Both, true, true, 2, false};
  }
};

// Scoring every ordered pair of the 500 computed charts one by one (the
// batches score each pair once for both directions).
void BM_AllPairsOf500(benchmark::State& state) {
  Setup s;
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

// The whole All vs All run: 500 charts, 249,500 ordered pairs, their lines
// and the summary.
void BM_AllVsAll500(benchmark::State& state) {
  Setup s;
  for (auto _ : state) {
    orv::OutputState out;
    orv::ListingPage page{out, s.host};
    benchmark::DoNotOptimize(orv::RunAllVsAll(s.ctx, page));
  }
}
BENCHMARK(BM_AllVsAll500)->Unit(benchmark::kMillisecond);

// The 500 charts alone.
void BM_ChartsOf500(benchmark::State& state) {
  Setup s;
  for (auto _ : state) {
    std::vector<std::string> skipped;
    benchmark::DoNotOptimize(orv::ComputeBatchPeople(s.ctx, skipped, 0, 500));
  }
}
BENCHMARK(BM_ChartsOf500)->Unit(benchmark::kMillisecond);

}  // namespace
