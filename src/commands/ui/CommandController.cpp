#include "commands/ui/CommandController.h"

#include <QAction>
#include <QPrinter>
#include <cstdlib>
#include <stdexcept>

#include "commands/ComparativeCommands.h"
#include "commands/CosmodynesCommands.h"
#include "commands/CoupleAndStateCommands.h"
#include "commands/DataCommands.h"
#include "commands/DualWheelCommands.h"
#include "commands/MagiCommands.h"
#include "commands/OrgFitCommands.h"
#include "commands/ReportCommands.h"
#include "commands/WheelCommands.h"
#include "commands/Workbench.h"
#include "core/ChartTime.h"
#include "core/ephemeris/DataTables.h"
#include "cosmodynes/ui/OrgFitPrinting.h"
#include "relationship/ui/NamesBatchRun.h"
#include "reports/ui/Browsers.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"
#include "shell/FileChooser.h"
#include "shell/OutputBuffer.h"
#include "shell/input/Atlas.h"
#include "shell/ui/About.h"
#include "shell/ui/FrmEnabledPlanets.h"
#include "shell/ui/FrmTip.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"
#include "shell/ui/NewDate.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/TextFileEditor.h"
#include "shell/ui/WindowSlot.h"
#include "wheels/ChartStepping.h"
#include "wheels/ui/AstrLine.h"
#include "wheels/ui/UpdateMenu.h"
#include "wheels/ui/Wheels.h"

namespace orv {

namespace {

DataWindowSettings DataWindowSettingsOf(const SettingsValues& s) {
  DataWindowSettings d;
  d.DataTop = s.DataTop;
  d.DataLeft = s.DataLeft;
  d.DataHeight = s.DataHeight;
  d.DataWidth = s.DataWidth;
  d.FontSize = s.FontSize;
  d.FontBold = s.FontBold != 0;
  d.FontItalic = s.FontItalic != 0;
  return d;
}

void StoreDataWindowSettings(const DataWindowSettings& d, SettingsValues& s) {
  s.DataTop = d.DataTop;
  s.DataLeft = d.DataLeft;
  s.DataHeight = d.DataHeight;
  s.DataWidth = d.DataWidth;
  s.FontSize = d.FontSize;
  // The settings file keeps switches as -1 (on) and 0 (off).
  s.FontBold = d.FontBold ? -1 : 0;
  s.FontItalic = d.FontItalic ? -1 : 0;
}

// Every link a window is made with is bound: checked once, here.
template <class Links>
Links Checked(Links links) {
  links.RequireBound();
  return links;
}

}  // namespace

CommandController::CommandController(Workbench& workbench, Host& host, Orvanta8& mainWindow)
    : workbench_(workbench), host_(host), main_(mainWindow) {
  for (int i = 0; i < kCommandCount; ++i) {
    const auto id = static_cast<CommandId>(i);
    if (CommandEntry(id).runner == CommandRunner::Controller) main_.Bind(id, HandlerOf(id));
  }
  main_.SetHouseChangeHandler([this] {
    if (!inputWindows_ || !inputWindows_->RecalcAfterHouseChange()) return false;
    RedrawOpenWheel();
    return true;
  });
}

CommandController::~CommandController() { CloseWindows(); }

void CommandController::CloseWindows() {
  if (wheels_) delete wheels_.data();
  if (astroLine_) delete astroLine_.data();
  dataWindow_.reset();
}

// Each command of the table and what it runs.
std::function<void()> CommandController::HandlerOf(CommandId id) {
  using C = CommandId;
  switch (id) {
    // The main window's own.
    case C::FileNewFil:
    case C::FileExit:
    case C::HousePlacidus:
    case C::HouseRegiomontanus:
    case C::HouseKoch:
    case C::HouseCampanus:
    case C::HousePorphyry:
    case C::HouseEqualAsc:
    case C::HouseEqualMC:
    case C::HouseMeridian:
    case C::HouseMorinus:
      return {};

    case C::InputData:
      return [this] { Input(); };

    case C::DataNatalData:
      return [this] { ShowNatalData(workbench_, host_, Data()); };
    case C::DataNatalAspects:
      return [this] { ShowNatalAspects(workbench_, host_, Data()); };
    case C::DataCoLAspects:
      return [this] { ShowCoLAspects(workbench_, host_, Data()); };
    case C::DataCosmodynes:
      return [this] { ShowNatalCosmodynes(workbench_, host_, Data()); };
    case C::DataLeastAspectedPlanet:
      return [this] { ShowLeastAspectedPlanets(workbench_, host_, Data()); };
    case C::DataMagiNatal:
      return [this] { ShowMagiNatal(workbench_, NatalNameText(), host_, Data()); };
    case C::DataCosmicState:
      return [this] { ShowCosmicState(workbench_, host_, Data()); };
    case C::DataCosmicStatesAndCosmodynes:
      return [this] { ShowCosmicStatesAndCosmodynes(workbench_, host_, Data()); };
    case C::DataNatalOFA:
      return [this] { ShowNatalOFA(workbench_, host_, Data()); };
    case C::DataPrintNatalOFA:
      return [this] {
        PrintNatalOFA(workbench_, host_, [this](QPrinter& printer) {
          return ChoosePrinterWithDialog(printer, &main_);
        });
      };
    case C::DataTransitData:
      return [this] { ShowTransitData(workbench_, SecondPerson(), host_, Data()); };
    case C::DataTransitAspectsToNatal:
      return [this] {
        ShowTransitAspectsToNatal(workbench_, SecondPerson(), NatalNameText(), host_, Data());
      };
    case C::DataTransitAspectsToTransits:
      return [this] { ShowTransitAspectsToTransits(workbench_, SecondPerson(), host_, Data()); };
    case C::DataTransitInterps:
      return [this] {
        BeginOutputPage(workbench_.Output);
        if (ListTransitInterps(workbench_, host_))
          ShowOutputPage(workbench_.Output, workbench_.AppPath, host_, Data());
      };
    case C::DataDualCosmodynes:
      return [this] { ShowDualCosmodynes(workbench_, SecondPerson(), false, host_, Data()); };
    case C::DataDualCosmodynesAspects:
      return [this] { ShowDualCosmodynes(workbench_, SecondPerson(), true, host_, Data()); };
    case C::DataComposite:
      return [this] { ShowComposite(workbench_, SecondPerson(), host_, Data()); };
    case C::DataMagiCouple:
      return [this] { ShowMagiCouple(workbench_, SecondPerson(), NatalNameText(), host_, Data()); };

    case C::WheelsNatal:
      return SingleWheel(SingleWheelKind::Natal);
    case C::WheelsNatalDeclinations:
      return SingleWheel(SingleWheelKind::Declinations);
    case C::WheelsHelio:
      return SingleWheel(SingleWheelKind::Helio);
    case C::WheelsHelioLatitudes:
      return SingleWheel(SingleWheelKind::HelioLatitudes);
    case C::WheelsTransits:
      return SingleWheel(SingleWheelKind::Transits);
    case C::WheelsComposite:
      return SingleWheel(SingleWheelKind::Composite);
    case C::WheelsTransitsVsNatal:
      return DualWheel(DualWheelKind::TransitsVsNatal);
    case C::WheelsAstroLine:
      return [this] { ShowAstroLine(); };
    case C::WheelsDualWheel:
      return DualWheel(DualWheelKind::Display);
    case C::WheelsDualWheelDeclinations:
      return DualWheel(DualWheelKind::DisplayDeclinations);
    case C::WheelsDualHelioWheel:
      return DualWheel(DualWheelKind::DisplayHelio);
    case C::WheelsDualWheelLatitudes:
      return DualWheel(DualWheelKind::DisplayHelioLatitudes);
    // The point toggles, points 10 (Moon) to 15 (MC), and the aspect filters.
    case C::WheelsShowMoon:
      return DualPointToggle(id, 0);
    case C::WheelsShowNorthNode:
      return DualPointToggle(id, 1);
    case C::WheelsShowSouthNode:
      return DualPointToggle(id, 2);
    case C::WheelsShowPartOfFortune:
      return DualPointToggle(id, 3);
    case C::WheelsShowAscendant:
      return DualPointToggle(id, 4);
    case C::WheelsShowMidheaven:
      return DualPointToggle(id, 5);
    case C::WheelsAllAspects:
      return DualAspectFilter(0);
    case C::Wheels150Aspects:
      return DualAspectFilter(1);
    case C::WheelsPositiveAspects:
      return DualAspectFilter(2);
    case C::WheelsNegativeAspects:
      return DualAspectFilter(3);

    // The reference browsers need no chart.
    case C::MeaningsNatal:
      return [this] {
        ShowAnewInSlot(natalMeanings_, [&] {
          return new MEANINGS({workbench_.AppPath, workbench_.Output, host_,
                               [this]() -> OutputView& { return Data(); }});
        });
      };
    case C::MeaningsComposite:
      return CoupleMeaningsBrowser(compositeMeanings_, CoupleBrowser::Composite);
    case C::MeaningsSynastry:
      return CoupleMeaningsBrowser(synastryMeanings_, CoupleBrowser::Synastry);
    case C::KeywordsGeneral:
      return KeywordGridWindow(keywords_, KeywordGrid::Personal);
    case C::KeywordsPart2:
      return KeywordGridWindow(keywords2_, KeywordGrid::Vocational);
    case C::KeywordsSystem:
      return [this] {
        ShowAnewInSlot(keywordSystem_, [&] {
          return new KEY_WORD({workbench_.AppPath, workbench_.Output, host_,
                               [this]() -> OutputView& { return Data(); }});
        });
      };

    // The reports, shown in the report viewer.
    case C::ReportNatal:
      return [this] {
        if (RunNatalReport(workbench_, host_, Data())) ShowReport();
      };
    case C::ReportTransit:
      return [this] {
        if (RunTransitReport(workbench_, host_)) ShowReport();
      };
    case C::ReportComposite:
      return [this] {
        if (RunCompositeReport(workbench_, SecondPerson(), host_)) ShowReport();
      };
    case C::ReportSynastry:
      return [this] {
        if (RunSynastryReport(workbench_, SecondPerson(), host_)) ShowReport();
      };

    // The small windows and editors.
    case C::OptionSettings:
      return [this] {
        OpenEditor(optionsEditor_, [&] { return OptionsEditorSetup(workbench_, host_); });
      };
    case C::EnabledPlanets:
      return [this] {
        ShowInSlot(enabledPlanets_, [&] {
          return new FrmEnabledPlanets(
              workbench_.Settings.EnabledNatalPlanets, workbench_.Settings.EnabledTransitPlanets,
              [this] { RedrawCurrentWheel(); }, [this] { BringMainForward(); });
        });
      };
    case C::Header:
      return [this] {
        OpenEditor(headerEditor_, [&] { return PersonalHeaderEditorSetup(workbench_, host_); });
      };

    case C::HelpTipOfTheDay:
      return [this] { ShowTip(); };
    case C::HelpMainMenu:
    case C::HelpTransits:
    case C::HelpCosmodynes:
    case C::HelpPhilosophy:
    case C::HelpInputD:
    case C::HelpInputD1:
    case C::HelpNames:
    case C::HelpCities:
    case C::HelpOptions:
    case C::HelpData:
    case C::HelpWheels:
    case C::HelpNameEdit:
    case C::HelpCityEdit:
    case C::HelpSelect:
    case C::HelpPrintFile:
    case C::HelpHowDoI:
    case C::HelpReading:
    case C::HelpTips:
    case C::HelpUpgrades:
    case C::HelpShortcutKeys:
    case C::HelpLicense:
    case C::HelpTransitInterps:
    case C::HelpRevision:
      return [this, file = CommandEntry(id).helpFile] { ShowHelp(file); };
    case C::HelpAbout:
      return [this] { ShowInSlot(about_, [] { return new About(); }); };
  }
  return {};
}

StartupHooks CommandController::Startup(std::function<bool()> readyProgramFolder,
                                        std::filesystem::path shippedFolder) {
  StartupHooks hooks;
  hooks.ReadyProgramFolder = std::move(readyProgramFolder);
  hooks.LoadDataTables = [this] {
    DataTablesRead read = ReadDataTables(workbench_.AppPath);
    workbench_.Tables = std::move(read.tables);
    ReportDataFileIssues(host_, read.issues);
  };
  hooks.ShippedFolder = std::move(shippedFolder);
  hooks.AtlasPresent = [this] { return AtlasPresent(workbench_.AppPath); };
  hooks.CollectSettings = [this] {
    if (dataWindow_) StoreDataWindowSettings(dataWindow_->Settings(), workbench_.Settings);
    if (wheels_) wheels_->RecordSettingsGeometry();
  };
  hooks.ShowTipOfTheDay = [this] { ShowTip(); };
  hooks.ShowChartInputWindows = [this] { ShowChartInputWindows(); };
  return Checked(std::move(hooks));
}

void CommandController::BringMainForward() {
  // Back from minimised as it was, maximised or not.
  if (main_.isMinimized()) main_.setWindowState(main_.windowState() & ~Qt::WindowMinimized);
  main_.raise();
  main_.activateWindow();
}

// The data window: created after start-up has read the settings and fitted
// the font step to the screen.
DataWindowSlot& CommandController::Data() {
  if (!dataWindow_) {
    DataWindowLinks links;
    links.PersonName = [this] { return workbench_.Charts.PersonName; };
    links.BringMainWindowForward = [this] { BringMainForward(); };
    links.ListTransitInterps = [this] { ListTransitInterps(workbench_, host_); };
    links.ChooseNewDate = [this] { ChooseNewDate(); };
    dataWindow_ = std::make_unique<DataWindowSlot>(
        workbench_, workbench_.Options, host_, DataWindowSettingsOf(workbench_.Settings),
        workbench_.Shell.FontStep, Checked(std::move(links)));
  }
  return *dataWindow_;
}

void CommandController::ChooseNewDate() {
  // The boxes start at the day listed last.
  const std::string last = JulianDayToDateStr(workbench_.Charts.TransitListDay - 1, 0);
  NewDate window(host_, std::atoi(last.c_str()), std::atoi(last.c_str() + 3),
                 std::atoi(last.c_str() + 6),
                 dataWindow_ && dataWindow_->HasWindow() ? &dataWindow_->Window() : nullptr);
  if (window.exec() == QDialog::Accepted && window.ChosenJulianDay())
    workbench_.Charts.TransitListDay = *window.ChosenJulianDay();
  else
    workbench_.Charts.TransitListDay -= 1;  // Cancel lists the same day again
}

// Chart 2's role and name as they were when the charts were computed: the
// windows may already hold the next person, picked but not yet computed.
SecondPersonBox CommandController::SecondPerson() const {
  return {workbench_.Charts.SecondPerson, workbench_.Charts.SecondPersonCaption};
}

// Likewise chart 1's name.
std::string CommandController::NatalNameText() const { return workbench_.Charts.PersonName; }

// An editor already open is brought forward; its file is read only when a
// new editor is made.
template <class SetupOf>
void CommandController::OpenEditor(QPointer<TextFileEditor>& slot, SetupOf setupOf) {
  ShowInSlot(slot, [&]() -> TextFileEditor* {
    std::optional<EditorSetup> setup = setupOf();
    return setup ? new TextFileEditor(std::move(*setup)) : nullptr;
  });
}

InputWindowLinks CommandController::InputLinks() {
  InputWindowLinks links;
  links.HouseSystem = [this] { return main_.CheckedHouseSystem(); };
  links.SecondPersonChanged = [this](bool ticked) { main_.SetSecondPerson(ticked); };
  links.BringMainWindowForward = [this] { BringMainForward(); };
  links.CloseTipWindow = [this] {
    if (tip_) tip_->close();
  };
  links.ChartsComputed = [this] { RedrawOpenWheel(); };
  links.ChooseFile = [this](std::string_view pattern, const std::string& startFile) {
    return SelectFile(host_, workbench_.AppPath, startFile, pattern);
  };
  links.EditNamesFile = [this](std::function<void()> afterSave, std::function<void()> afterQuit) {
    OpenEditor(namesEditor_, [&] {
      return NamesFileEditorSetup(workbench_, host_, std::move(afterSave), std::move(afterQuit));
    });
  };
  links.EditCitiesFile = [this](std::function<void()> afterQuit) {
    OpenEditor(citiesEditor_,
               [&] { return CitiesFileEditorSetup(workbench_, host_, std::move(afterQuit)); });
  };
  links.AtlasLauncher = &launcher_;
  NamesBatchLinks batch;
  batch.Inputs = [this] { return inputWindows_.get(); };
  batch.DataWindow = [this]() -> OutputView& { return Data(); };
  batch.HouseSystem = [this] { return main_.CheckedHouseSystem(); };
  batch.ChoosePrinter = [this](QPrinter& printer) {
    return ChoosePrinterWithDialog(printer, &main_);
  };
  links.Batch = MakeNamesBatchCommands(workbench_, host_, Checked(std::move(batch)));
  return links;
}

ChartRunLinks CommandController::RunLinks() {
  ChartRunLinks run;
  // The first listing that option 33 chooses after OK.
  run.Listings.ListNatalFirstPage = [this] { ListNatalFirstPage(workbench_, host_); };
  run.Listings.ListTransitInterpretations = [this] {
    BeginOutputPage(workbench_.Output);
    ListTransitInterps(workbench_, host_);
  };
  run.Listings.ListNatalCosmodynes = [this] { ListNatalCosmodynesPage(workbench_, host_); };
  run.Listings.ListComparativeCosmodynes = [this](bool withGrid) {
    ListComparativeFirstPage(workbench_, SecondPerson(), withGrid, host_);
  };
  run.ShowChartMenus = [this] { main_.ShowChartMenus(); };
  return run;
}

// The input, names, cities, time-zone and atlas windows: made once the
// settings (names and cities files) have been read.
void CommandController::ShowChartInputWindows() {
  inputWindows_ = std::make_unique<InputWindows>(workbench_, host_, Data(), Checked(InputLinks()),
                                                 Checked(RunLinks()));
  // The entry windows open just below the main window, frame and all
  // (start-up calls this once the main window is on screen), so they never
  // cover its menu bar.
  inputWindows_->ShowAtStartup(main_.frameGeometry().bottomLeft() + QPoint(0, 1));
}

// Input closes the pages and the meanings browsers.
void CommandController::Input() {
  if (!inputWindows_) return;
  ClearOutputBuffer(workbench_.Output);
  if (dataWindow_) dataWindow_->Close();
  if (astroLine_) astroLine_->close();
  for (QWidget* browser :
       std::initializer_list<QWidget*>{natalMeanings_, compositeMeanings_, synastryMeanings_})
    if (browser) browser->close();
  inputWindows_->ShowForInput();
}

void CommandController::ShowTip() {
  ShowInSlot(tip_, [this] { return new FrmTip(workbench_.AppPath); });
}

void CommandController::ShowHelp(std::string_view file) {
  ShowHelpFile(workbench_.Output, workbench_.AppPath, "\\" + std::string(file), host_, Data());
}

void CommandController::ShowReport() {
  ShowAnewInSlot(report_, [this] {
    ReportWindowLinks links;
    links.Persons = [this] {
      return ReportPersons{workbench_.Charts.PersonName, SecondPerson().caption};
    };
    return new Report(workbench_.Report, workbench_.Options, workbench_.AppPath,
                      workbench_.Shell.CaptionPrefix, host_, Checked(std::move(links)));
  });
}

// The wheel window, made anew for each wheel, with its Update menu. It
// reaches the help text, the orb editor, the print dialog, and the two-chart
// wheels made anew by a left click or Switch.
void CommandController::ShowWheelsAnew(Showing showing) {
  const auto make = [this] {
    WheelsLinks links;
    links.bringMainForward = [this] { BringMainForward(); };
    links.showHelp = [this](std::string_view file) { ShowHelp(file); };
    links.editOrbFile = [this] {
      OpenEditor(orbsEditor_, [this] { return OrbsEditorSetup(workbench_, host_); });
    };
    links.choosePrinter = [this](QPrinter& printer) {
      return ChoosePrinterWithDialog(printer, wheels_.data());
    };
    links.twoRingClick = [this] {
      FlipDualAspectPairs(workbench_, SecondPerson());
      ShowWheel();
    };
    links.switchCharts = [this] {
      SwitchDualWheel(workbench_, SecondPerson());
      ShowWheel();
    };
    auto* window = new Wheels(workbench_, host_, Checked(std::move(links)));
    AddUpdateMenu(*window, [this](const UpdateStep& step) { StepMoment(step); });
    return window;
  };
  ShowAnewInSlot(wheels_, make, showing);
}

// Each wheel command prepares its wheel, then the wheel window is closed
// and opened anew to paint it.
void CommandController::ShowWheel() {
  host_.BeginBusy();
  ShowWheelsAnew();
  host_.EndBusy();
}

// `RedrawCurrentWheel`: nothing while no wheel window is open. The window
// whose click redrew it (Enabled Planets) stays in front.
void CommandController::RedrawCurrentWheel() {
  if (wheels_ && PrepareCurrentWheelAgain(workbench_, SecondPerson(), host_))
    ShowWheelsAnew(Showing::Behind);
}

// New charts on an open wheel: it is painted again in its own window. A
// window closed and made anew would hand the focus to another window for a
// moment, and a stepping key held down would run that window's command of
// the same key.
void CommandController::RedrawOpenWheel() {
  if (wheels_ && PrepareCurrentWheelAgain(workbench_, SecondPerson(), host_)) wheels_->ShowMoved();
}

// A step of the Update menu writes the new moment into an input window,
// computes both charts from the windows and rebuilds the wheel on display.
void CommandController::StepMoment(const UpdateStep& step) {
  if (!inputWindows_) return;
  BusyCursor busy(host_);
  const auto form = [this](SteppedChart chart) -> ChartInputForm& {
    if (chart == SteppedChart::Natal) return inputWindows_->Natal();
    return inputWindows_->Second();
  };
  StepLinks links;
  links.fields = [form](SteppedChart chart) { return form(chart).Fields(); };
  links.setFields = [form](SteppedChart chart, const ChartInputFields& fields) {
    form(chart).SetFields(fields);
  };
  links.compute = [this] { return inputWindows_->Calculate(); };
  // The charts' new listing waits behind the wheel, which keeps the focus.
  links.redraw = [this] { RedrawOpenWheel(); };
  DataWindowSlot& data = Data();
  data.KeepBehind(true);
  StepChartMoment(workbench_.Charts, step, links);
  data.KeepBehind(false);
}

std::function<void()> CommandController::SingleWheel(SingleWheelKind kind) {
  return [this, kind] {
    BringMainForward();
    PrepareSingleWheel(workbench_, kind, SecondPerson(), host_);
    ShowWheel();
  };
}

std::function<void()> CommandController::DualWheel(DualWheelKind kind) {
  return [this, kind] {
    BringMainForward();
    PrepareDualWheelCommand(workbench_, kind, SecondPerson());
    ShowWheel();
  };
}

// The item's mark says whether the point is shown.
std::function<void()> CommandController::DualPointToggle(CommandId id, int toggle) {
  return [this, id, toggle] {
    ToggleDualPoint(workbench_, toggle, main_.Action(id)->isChecked(), SecondPerson());
    ShowWheel();
  };
}

std::function<void()> CommandController::DualAspectFilter(int filter) {
  return [this, filter] {
    SetDualAspectFilter(workbench_, filter, SecondPerson());
    ShowWheel();
  };
}

// The synastry diagram: opened anew each time, level with the data window's
// top and the main window's left edge.
void CommandController::ShowAstroLine() {
  const QPoint at(main_.frameGeometry().left(), dataWindow_ && dataWindow_->HasWindow()
                                                    ? dataWindow_->Window().frameGeometry().top()
                                                    : main_.frameGeometry().bottom() + 1);
  ShowAnewInSlot(astroLine_, [&] {
    return new AstrLine(
        workbench_, host_, SecondPerson().caption, [this] { BringMainForward(); }, at);
  });
}

std::function<void()> CommandController::CoupleMeaningsBrowser(QPointer<CoupleMeanings>& slot,
                                                               CoupleBrowser browser) {
  return [this, &slot, browser] {
    ShowAnewInSlot(slot, [&] {
      return new CoupleMeanings(browser, {workbench_.AppPath, workbench_.Output, host_,
                                          [this]() -> OutputView& { return Data(); }});
    });
  };
}

std::function<void()> CommandController::KeywordGridWindow(QPointer<KeywordsWindow>& slot,
                                                           KeywordGrid grid) {
  return [this, &slot, grid] {
    ShowAnewInSlot(slot, [&] { return new KeywordsWindow(grid, host_); });
  };
}

}  // namespace orv
