// Building a 366-day transit report; saving a long report and writing its
// RTF copy: a report of 40,000 lines (about a 366-day transit report),
// paragraphs of five 70-character lines.

#include <benchmark/benchmark.h>

#include "FixedCharts.h"
#include "QuietHost.h"
#include "commands/ReportCommands.h"
#include "reports/InterpretationReports.h"
#include "reports/ReportText.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"

namespace {

orv::ReportState LongReport() {
  orv::ReportState report;
  const std::string line =
      "The transiting planet stirs the natal point; a time to act - or wait. ";
  for (int i = 0; i < 40000; ++i) orv::AddReportLine(report, i % 6 == 5 ? "" : line);
  return report;
}

orv::OptionValues PageOptions() {
  orv::OptionValues options{};
  options[131] = 66, options[129] = 6;
  return options;
}

void BM_SaveLongReport(benchmark::State& state) {
  const orv::ReportState report = LongReport();
  for (auto _ : state) benchmark::DoNotOptimize(orv::SavedReportText(report, PageOptions()));
}
BENCHMARK(BM_SaveLongReport)->Unit(benchmark::kMillisecond);

void BM_RtfOfLongReport(benchmark::State& state) {
  const std::string saved = orv::SavedReportText(LongReport(), PageOptions());
  for (auto _ : state)
    benchmark::DoNotOptimize(orv::RtfReportText(saved, orv::ReportKind::Natal));
}
BENCHMARK(BM_RtfOfLongReport)->Unit(benchmark::kMillisecond);

void BM_TransitReport366Days(benchmark::State& state) {
  orv::Workbench wb;
  orv::bench::QuietHost host;
  orv::bench::ComputeFixedCharts(wb, host);
  const double first = wb.Charts.TransitListDay;
  for (auto _ : state) {
    wb.Charts.TransitListDay = first;
    host.prompt = "366";
    if (!orv::RunTransitReport(wb, host)) state.SkipWithError("no report");
    benchmark::DoNotOptimize(wb.Report.ReportLines.size());
  }
  state.counters["lines"] = double(wb.Report.ReportLines.size());
}
BENCHMARK(BM_TransitReport366Days)->Unit(benchmark::kMillisecond);

}  // namespace
