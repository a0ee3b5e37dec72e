// Start-up: what the user waits for before the title window offers Continue
// (the option values, then the data tables while the title shows), and the
// work between Continue and the main window that needs no window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/Host.h"
#include "shell/SettingsFile.h"
#include "shell/Startup.h"

namespace {

namespace fs = std::filesystem;

// Start-up shows no message when the program folder is complete.
class QuietHost final : public orv::Host {
 public:
  orv::Answer ShowMessage(std::string_view, std::string_view, orv::MessageIcon,
                          orv::MessageButtons) override {
    return orv::Answer::Ok;
  }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
  std::optional<std::string> ChooseFile(const orv::FileChoice&) override { return std::nullopt; }
  void SetClipboardText(std::string_view) override {}
  void BeginBusy() override {}
  void EndBusy() override {}
};

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

// The steps up to Continue, with the hooks main wires in; the data tables
// join here through `LoadDataTables` as main gets them.
orv::StartupHooks StartupHooksForBench() { return {}; }

void BM_StartupToContinue(benchmark::State& state) {
  const ProgramFolder folder;
  QuietHost host;
  const orv::StartupHooks hooks = StartupHooksForBench();
  for (auto _ : state) {
    orv::ShellState shell;
    orv::OptionValues options{};
    orv::PrepareStartup(shell, options, host, folder.path());
    if (hooks.LoadDataTables) hooks.LoadDataTables();
    benchmark::DoNotOptimize(options);
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

}  // namespace
