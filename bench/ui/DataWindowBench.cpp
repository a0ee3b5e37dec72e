// The data window showing a large batch result (a page of 250,000 and of
// 1,000,000 lines of 71 characters, as a batch writes them), on Qt's
// offscreen platform: the page handed to the window and drawn once; and
// the whole show, with the page file written.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>

#include "../QuietHost.h"
#include "commands/Workbench.h"
#include "shell/OutputBuffer.h"
#include "shell/ui/OutputD1.h"

namespace {

namespace fs = std::filesystem;

void FillPage(orv::OutputState& out, orv::Host& host, int lines) {
  orv::BeginOutputPage(out);
  for (int i = 0; i < lines; ++i) {
    out.OutputLine = "m Person " + std::to_string(i) + " and w Person " +
                     std::to_string(lines - i) + "      P*H =  26541.11   12.5   3.25";
    out.OutputLine.resize(71, ' ');
    orv::AppendOutputLine(out, host);
  }
}

void BM_DataWindowShowsPage(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  FillPage(wb.Output, host, int(state.range(0)));
  orv::DataWindowSlot slot(wb, wb.Options, host, orv::DataWindowSettings{}, 1.5,
                           orv::DataWindowLinks{});
  for (auto _ : state) {
    slot.ShowPage(orv::ShownPage(wb.Output), false);
    slot.Window().repaint();
  }
}
BENCHMARK(BM_DataWindowShowsPage)->Arg(250000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_ShowOutputPage(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  wb.AppPath = fs::temp_directory_path() / "orvanta_data_window_bench";
  fs::create_directories(wb.AppPath);
  FillPage(wb.Output, host, int(state.range(0)));
  orv::DataWindowSlot slot(wb, wb.Options, host, orv::DataWindowSettings{}, 1.5,
                           orv::DataWindowLinks{});
  for (auto _ : state) {
    orv::ShowOutputPage(wb.Output, wb.AppPath, host, slot);
    slot.Window().repaint();
  }
  fs::remove_all(wb.AppPath);
}
BENCHMARK(BM_ShowOutputPage)->Arg(250000)->Unit(benchmark::kMillisecond);

}  // namespace
