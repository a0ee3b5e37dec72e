#pragma once
// The command controller: owns the program's windows beside the main window,
// binds every command of the command table to its handler and links the
// windows to each other. main creates it once, after the main window.

#include <QPointer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "commands/CommandTable.h"
#include "platform/qt/Process.h"
#include "shell/Startup.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/WindowSlot.h"

namespace orv {

class About;
class AstrLine;
class CoupleMeanings;
class DataWindowSlot;
class FrmEnabledPlanets;
class FrmTip;
class Host;
class KEY_WORD;
class KeywordsWindow;
class MEANINGS;
class Orvanta8;
class Report;
class TextFileEditor;
class Wheels;
struct SecondPersonBox;
struct UpdateStep;
struct Workbench;
enum class CoupleBrowser;
enum class SingleWheelKind;
enum class DualWheelKind;
enum class KeywordGrid;

class CommandController {
 public:
  // Binds every command the main window does not run itself; throws
  // std::logic_error when one is left without a handler.
  CommandController(Workbench& workbench, Host& host, Orvanta8& mainWindow);
  ~CommandController();
  CommandController(const CommandController&) = delete;
  CommandController& operator=(const CommandController&) = delete;

  // What command `id` runs; empty for those the main window runs itself
  // (File, Houses).
  std::function<void()> HandlerOf(CommandId id);

  // The steps of start-up: `readyProgramFolder` makes the program folder
  // ready; `shippedFolder` holds the files the program was shipped with.
  StartupHooks Startup(std::function<bool()> readyProgramFolder,
                       std::filesystem::path shippedFolder);

  // The input windows once start-up made them; null before.
  InputWindows* Inputs() const { return inputWindows_.get(); }
  // The links the input windows are made with.
  InputWindowLinks InputLinks();
  ChartRunLinks RunLinks();

  // At the end: the windows that outlive the main window's event loop.
  void CloseWindows();

 private:
  void BringMainForward();
  DataWindowSlot& Data();
  SecondPersonBox SecondPerson() const;
  std::string NatalNameText() const;
  void ShowChartInputWindows();
  void ChooseNewDate();
  void Input();
  void ShowTip();
  void ShowHelp(std::string_view file);
  void ShowReport();
  void ShowWheelsAnew(Showing showing = Showing::InFront);
  void ShowWheel();
  void RedrawCurrentWheel();
  void RedrawOpenWheel();
  void StepMoment(const UpdateStep& step);
  void ShowAstroLine();
  std::function<void()> SingleWheel(SingleWheelKind kind);
  std::function<void()> DualWheel(DualWheelKind kind);
  std::function<void()> DualPointToggle(CommandId id, int toggle);
  std::function<void()> DualAspectFilter(int filter);
  std::function<void()> CoupleMeaningsBrowser(QPointer<CoupleMeanings>& slot,
                                              CoupleBrowser browser);
  std::function<void()> KeywordGridWindow(QPointer<KeywordsWindow>& slot, KeywordGrid grid);
  template <class SetupOf>
  void OpenEditor(QPointer<TextFileEditor>& slot, SetupOf setupOf);

  Workbench& workbench_;
  Host& host_;
  Orvanta8& main_;
  QtLauncher launcher_;
  std::unique_ptr<DataWindowSlot> dataWindow_;
  std::unique_ptr<InputWindows> inputWindows_;
  QPointer<Wheels> wheels_;
  QPointer<AstrLine> astroLine_;
  QPointer<FrmTip> tip_;
  QPointer<Report> report_;
  QPointer<TextFileEditor> namesEditor_, citiesEditor_, orbsEditor_, optionsEditor_, headerEditor_;
  QPointer<FrmEnabledPlanets> enabledPlanets_;
  QPointer<About> about_;
  QPointer<MEANINGS> natalMeanings_;
  QPointer<CoupleMeanings> compositeMeanings_, synastryMeanings_;
  QPointer<KEY_WORD> keywordSystem_;
  QPointer<KeywordsWindow> keywords_, keywords2_;
};

}  // namespace orv
