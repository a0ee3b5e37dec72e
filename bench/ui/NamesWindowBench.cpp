// Opening the names window on a names file of 100,000 and 1,000,000 people, on Qt's
// offscreen platform: the file read and parsed, the window built, its list
// filled and the window drawn once; and the reading alone.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include "../QuietHost.h"
#include "commands/Workbench.h"
#include "shell/input/NamesFile.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/Names.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/PickList.h"

namespace {

namespace fs = std::filesystem;

// The most memory the process has held so far; run one size alone
// (--benchmark_filter=.../1000000) to see that size's own.
double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024;
}

// A program folder whose NAMES.FIL holds `people` records.
fs::path FolderWithPeople(int people) {
  const fs::path folder = fs::temp_directory_path() / "orvanta_names_bench";
  fs::create_directories(folder);
  std::ofstream out(folder / "NAMES.FIL", std::ios::binary);
  for (int i = 0; i < people; ++i) {
    out << (i % 2 ? "w Person " : "m Person ") << (i * 7919) % people << ","
        << 1 + i % 28 << " May " << 1900 + i % 120 << ",10.43,A,6,75.23,39.45,p" << i
        << "@example.com\r\n";
  }
  return folder;
}

void BM_OpenNamesWindow(benchmark::State& state) {
  orv::bench::QuietHost host;
  orv::Workbench wb;
  wb.AppPath = FolderWithPeople(int(state.range(0)));
  orv::DataWindowSlot data(wb, wb.Options, host, orv::DataWindowSettings{}, 1.5,
                           orv::DataWindowLinks{});
  orv::InputWindows windows(wb, host, data, orv::InputWindowLinks{}, orv::ChartRunLinks{});
  for (auto _ : state) {
    windows.ReloadNames();
    orv::Names* names = windows.NamesWindow();
    names->repaint();
    benchmark::DoNotOptimize(names);
    state.PauseTiming();
    QApplication::processEvents();  // the unloaded window is deleted here
    state.ResumeTiming();
  }
  state.counters["names"] = double(windows.NamesWindow()->NamesOnFile()->count());
  state.counters["peak_MB"] = PeakMegabytes();
  fs::remove_all(wb.AppPath);
}
BENCHMARK(BM_OpenNamesWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The names file read and parsed alone: the part of the opening above that
// is not the window's.
void BM_ReadNamesFile(benchmark::State& state) {
  orv::bench::QuietHost host;
  const fs::path folder = FolderWithPeople(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(orv::LoadNamesFile(host, folder, ""));
  fs::remove_all(folder);
}
BENCHMARK(BM_ReadNamesFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
