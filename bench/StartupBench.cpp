// Start-up: what the user waits for before the title window offers Continue
// (the option values, then the data tables while the title shows), and the
// work between Continue and the main window that needs no window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "QuietHost.h"
#include "core/ephemeris/DataTables.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"

namespace {

namespace fs = std::filesystem;
using orv::bench::QuietHost;  // start-up shows no message when the folder is complete

// A copy of the shipped program folder, so the run never writes into data/.
class ProgramFolder {
 public:
  ProgramFolder() {
    path_ = fs::temp_directory_path() / ("orvanta-bench-" + std::to_string(std::random_device{}()));
    fs::copy(ORVANTA_DATA_DIR, path_, fs::copy_options::recursive);
  }
  ~ProgramFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The steps up to Continue, with the table loading main wires in.
orv::StartupHooks StartupHooksForBench(const fs::path& folder, orv::DataTables& tables) {
  orv::StartupHooks hooks;
  hooks.LoadDataTables = [&folder, &tables] { tables = orv::ReadDataTables(folder).tables; };
  return hooks;
}

void BM_StartupToContinue(benchmark::State& state) {
  const ProgramFolder folder;
  QuietHost host;
  orv::DataTables tables;
  const orv::StartupHooks hooks = StartupHooksForBench(folder.path(), tables);
  for (auto _ : state) {
    orv::ShellState shell;
    orv::OptionValues options{};
    orv::PrepareStartup(shell, options, host, folder.path());
    hooks.LoadDataTables();
    benchmark::DoNotOptimize(options);
    benchmark::DoNotOptimize(tables);
  }
}
BENCHMARK(BM_StartupToContinue)->Unit(benchmark::kMillisecond);

void BM_StartupAfterContinue(benchmark::State& state) {
  const ProgramFolder folder;
  for (auto _ : state) {
    orv::SettingsValues settings;
    orv::ReadSettingsIni(folder.path(), settings);
    benchmark::DoNotOptimize(orv::FitToScreen(1280, orv::TwipsPerPixel(96)));
    orv::CreateReportFolders(folder.path());
    benchmark::DoNotOptimize(settings);
  }
}
BENCHMARK(BM_StartupAfterContinue)->Unit(benchmark::kMillisecond);

// The user's folder on a first start: every shipped file copied in.
void BM_FirstStartCopy(benchmark::State& state) {
  const ProgramFolder program;
  const fs::path user = program.path().string() + "-user";
  for (auto _ : state) {
    std::string error;
    std::vector<std::string> notices;
    benchmark::DoNotOptimize(
        orv::ChooseAppPath(program.path(), user, "Options.mst", "", error, notices));
    state.PauseTiming();
    fs::remove_all(user);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstStartCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// The user's folder on a later start: nothing to copy, every file as it was.
void BM_LaterStartFolderCheck(benchmark::State& state) {
  const ProgramFolder program;
  const fs::path user = program.path().string() + "-user";
  std::string error;
  std::vector<std::string> notices;
  orv::ChooseAppPath(program.path(), user, "Options.mst", "", error, notices);
  // Files as old as a real folder's, so their times can be trusted.
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const fs::path& folder : {program.path(), user}) {
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) fs::last_write_time(entry.path(), old);
  }
  orv::ChooseAppPath(program.path(), user, "Options.mst", "", error, notices);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        orv::ChooseAppPath(program.path(), user, "Options.mst", "", error, notices));
  fs::remove_all(user);
}
BENCHMARK(BM_LaterStartFolderCheck)->Unit(benchmark::kMillisecond);

}  // namespace
