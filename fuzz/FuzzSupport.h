#pragma once
// What the fuzz harnesses share: a host that answers every question, a
// program folder of their own holding the shipped files, and one chart run
// from input fields through the first listing and the Data commands.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>

#include "commands/DataCommands.h"
#include "commands/Workbench.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"
#include "platform/Host.h"
#include "shell/OptionFiles.h"

namespace orv::fuzz {

// Answers Yes or Ok to everything, or as `answerNo` says.
class AnsweringHost : public Host {
 public:
  bool answerNo = false;
  int messages = 0;
  Answer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons buttons,
                     std::optional<Answer>) override {
    ++messages;
    if (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel) return Answer::Ok;
    return answerNo ? Answer::No : Answer::Yes;
  }
  std::string PromptText(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
  std::optional<std::string> ChooseFile(const FileChoice&) override { return std::nullopt; }
  void BeginBusy() override {}
  void EndBusy() override {}
  void SetClipboardText(std::string_view) override {}
};

class NullView : public OutputView {
 public:
  void ShowPage(SharedPage, bool) override {}
};

// A fresh folder for this process, removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    // Memory-backed where there is one: the harnesses save files by the
    // thousand, and each atomic save waits for its data to reach the disk.
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    auto path = base / ("orvanta-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    static const std::filesystem::path removeAtExit = path;
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(removeAtExit, ec);
    });
    return path;
  }();
  return folder;
}

// A program folder `name` in the scratch folder with the shipped files, its
// options and tables read.
inline std::unique_ptr<Workbench> MakeWorkbench(const std::string& name) {
    auto w = std::make_unique<Workbench>();
    w->AppPath = ScratchFolder() / name;
    std::filesystem::create_directories(w->AppPath);
    for (const auto& entry : std::filesystem::directory_iterator(ORVANTA_DATA_DIR)) {
      if (!entry.is_regular_file()) continue;
      std::filesystem::copy_file(entry.path(), w->AppPath / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
    AnsweringHost host;
    ReadOptionsFile(host, w->AppPath, w->Options);
    w->Tables = ReadDataTables(w->AppPath).tables;
    return w;
}

// The shipped program folder, made once.
inline Workbench& ShippedWorkbench() {
  static std::unique_ptr<Workbench> wb = MakeWorkbench("program");
  return *wb;
}

// The driver's listing step, as the program wires it.
class ListingHooks : public ChartDriverHooks {
 public:
  ListingHooks(Workbench& wb, Host& host) : wb_(wb), host_(host) {}
  void ListNatalFirstPage() override { orv::ListNatalFirstPage(wb_, host_); }

 private:
  Workbench& wb_;
  Host& host_;
};

// Computes both charts from the fields and, when the checks pass, writes
// the first page and every Data listing that works now.
inline void ListEverything(Workbench& wb, Host& host, bool secondPerson) {
  NullView view;
  SecondPersonBox box;
  box.checked = secondPerson;
  ShowNatalData(wb, host, view);
  ShowTransitData(wb, box, host, view);
  ShowNatalAspects(wb, host, view);
  ShowLeastAspectedPlanets(wb, host, view);
  ShowTransitAspectsToNatal(wb, box, "Fuzz", host, view);
  ShowTransitAspectsToTransits(wb, box, host, view);
  wb.Output = {};
}

inline void RunChart(Workbench& wb, const ChartInputFields& natal, const ChartInputFields& diurnal,
                     HouseSystemCode system, int dateOrder, bool secondPerson) {
  AnsweringHost host;
  ChartRequest request;
  request.name = "Fuzz";
  request.natal = natal;
  request.diurnal = diurnal;
  request.houseSystem = system;
  request.dateOrder = dateOrder;
  request.secondPerson = secondPerson;
  ListingHooks hooks(wb, host);
  wb.Output = {};
  if (CalcCharts(host, wb.Charts, request, wb.Options, wb.Tables, hooks) != 0) return;
  ListEverything(wb, host, secondPerson);
}

inline void RunChart(const ChartInputFields& natal, const ChartInputFields& diurnal,
                     HouseSystemCode system, int dateOrder, bool secondPerson) {
  RunChart(ShippedWorkbench(), natal, diurnal, system, dateOrder, secondPerson);
}

// Fields of one input window from the fuzzer's bytes.
inline ChartInputFields ConsumeFields(FuzzedDataProvider& in) {
  ChartInputFields f;
  for (std::string* text : {&f.Month, &f.Day, &f.Year, &f.Hour, &f.Minute, &f.TimeZone,
                            &f.LongDeg, &f.LongMin, &f.LatDeg, &f.LatMin, &f.Email})
    *text = in.ConsumeRandomLengthString(12);
  f.Pm = in.ConsumeBool();
  f.East = in.ConsumeBool();
  f.South = in.ConsumeBool();
  return f;
}

// A moment and place the checks accept, for harnesses that vary one part.
inline ChartInputFields BaseFields() {
  ChartInputFields f;
  f.Month = "5", f.Day = "12", f.Year = "1959", f.Hour = "10", f.Minute = "43";
  f.TimeZone = "6", f.LongDeg = "75", f.LongMin = "23", f.LatDeg = "39", f.LatMin = "45";
  return f;
}

inline HouseSystemCode ConsumeHouseSystem(FuzzedDataProvider& in) {
  return static_cast<HouseSystemCode>(in.ConsumeIntegralInRange(1, 9));
}

// Fails the run loudly: libFuzzer keeps the input that broke an invariant.
inline void Require(bool holds, std::string_view what = "an invariant") {
  if (holds) return;
  std::fprintf(stderr, "broken: %.*s\n", int(what.size()), what.data());
  std::abort();
}

}  // namespace orv::fuzz
