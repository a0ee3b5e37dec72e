// Orvanta8: creates the program state, the Qt application and the main
// window, wires the subsystems into start-up and the menus, and starts.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <memory>

#include "shell/Workbench.h"
#include "core/ephemeris/DataTables.h"
#include "cosmodynes/CosmodynesCommands.h"
#include "cosmodynes/OrgFitCommands.h"
#include "cosmodynes/ui/OrgFitPrinting.h"
#include "listings/CoupleAndStateCommands.h"
#include "listings/DataCommands.h"
#include "platform/Files.h"
#include "relationship/comparative/ComparativeCommands.h"
#include "relationship/magi/MagiAnalyses.h"
#include "relationship/ui/NamesBatchRun.h"
#include "platform/qt/Process.h"
#include "platform/qt/QtHost.h"
#include "shell/OutputBuffer.h"
#include "shell/FileChooser.h"
#include "shell/Startup.h"
#include "shell/input/Atlas.h"
#include "shell/ui/About.h"
#include "shell/ui/FrmEnabledPlanets.h"
#include "shell/ui/FrmTip.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/ProgramStartup.h"
#include "shell/ui/TextFileEditor.h"

namespace {

orv::DataWindowSettings DataWindowSettingsOf(const orv::SettingsValues& s) {
  orv::DataWindowSettings d;
  d.DataTop = s.DataTop;
  d.DataLeft = s.DataLeft;
  d.DataHeight = s.DataHeight;
  d.DataWidth = s.DataWidth;
  d.FontSize = s.FontSize;
  d.FontBold = s.FontBold != 0;
  d.FontItalic = s.FontItalic != 0;
  return d;
}

void StoreDataWindowSettings(const orv::DataWindowSettings& d, orv::SettingsValues& s) {
  s.DataTop = d.DataTop;
  s.DataLeft = d.DataLeft;
  s.DataHeight = d.DataHeight;
  s.DataWidth = d.DataWidth;
  s.FontSize = d.FontSize;
  // The settings file keeps switches as -1 (on) and 0 (off).
  s.FontBold = d.FontBold ? -1 : 0;
  s.FontItalic = d.FontItalic ? -1 : 0;
}

// Shows a window in its slot: a window already there is closed first and a
// new one made, so every opening starts from the files as they are now.
template <class Window, class Make>
void ShowInSlot(QPointer<Window>& slot, Make make) {
  if (slot) slot->close();
  slot = make();
  if (!slot) return;
  slot->setAttribute(Qt::WA_DeleteOnClose);
  slot->show();
  slot->raise();
  slot->activateWindow();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvanta8");

  orv::Workbench workbench;
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path userDir =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  std::string error;
  const auto appPath = orv::ChooseAppPath(
      programDir, userDir, "Options.mst",
      QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString(), error);
  if (!appPath) {
    QMessageBox::critical(nullptr, "Error!", QString::fromStdString(error));
    return 1;
  }
  workbench.AppPath = *appPath;

  orv::QtHost host;
  orv::Orvanta8 mainWindow(workbench, host);
  host.SetParent(&mainWindow);

  auto bringMainForward = [&] {
    mainWindow.raise();
    mainWindow.activateWindow();
  };

  // The data window: created after start-up has read the settings and
  // fitted the font step to the screen.
  std::unique_ptr<orv::DataWindowSlot> dataWindow;
  auto data = [&]() -> orv::DataWindowSlot& {
    if (!dataWindow) {
      orv::DataWindowLinks links;
      links.PersonName = [&] { return workbench.Charts.PersonName; };
      links.BringMainWindowForward = bringMainForward;
      dataWindow = std::make_unique<orv::DataWindowSlot>(
          workbench, workbench.Options, host, DataWindowSettingsOf(workbench.Settings),
          workbench.Shell.FontStep, std::move(links));
    }
    return *dataWindow;
  };

  orv::StartupHooks hooks;
  hooks.LoadDataTables = [&] {
    orv::DataTablesRead read = orv::ReadDataTables(workbench.AppPath);
    workbench.Tables = std::move(read.tables);
    orv::ReportDataFileIssues(host, read.issues);
  };
  hooks.AtlasPresent = [&] { return orv::AtlasPresent(workbench.AppPath); };
  hooks.CollectSettings = [&] {
    if (dataWindow) StoreDataWindowSettings(dataWindow->Settings(), workbench.Settings);
  };
  QPointer<orv::FrmTip> tipWindow;
  auto showTip = [&] {
    ShowInSlot(tipWindow, [&] { return new orv::FrmTip(workbench.AppPath); });
  };
  hooks.ShowTipOfTheDay = showTip;

  // The input, names, cities, time-zone and atlas windows: made once the
  // settings (names and cities files) have been read.
  std::unique_ptr<orv::InputWindows> inputWindows;
  // The second-chart window's "2nd Person" box decides what the two-chart
  // commands list.
  auto secondPersonBox = [&] {
    orv::SecondPersonBox box;
    if (inputWindows) {
      box.checked = inputWindows->SecondPerson();
      box.caption = inputWindows->Second().chk2ndPerson()->text().toStdString();
    }
    return box;
  };
  orv::QtLauncher launcher;
  QPointer<orv::TextFileEditor> namesEditor, citiesEditor;
  auto openEditor = [&](QPointer<orv::TextFileEditor>& slot, std::optional<orv::EditorSetup> setup) {
    ShowInSlot(slot, [&]() -> orv::TextFileEditor* {
      return setup ? new orv::TextFileEditor(std::move(*setup)) : nullptr;
    });
  };
  hooks.ShowChartInputWindows = [&] {
    orv::InputWindowLinks links;
    links.HouseSystem = [&] { return mainWindow.CheckedHouseSystem(); };
    links.SecondPersonChanged = [&](bool ticked, const auto& changes) {
      for (const orv::MenuItemChange& change : changes) {
        QAction* item = mainWindow.Command(change.name);
        if (!item) continue;
        if (change.caption) item->setText(QString::fromUtf8(change.caption->data(),
                                                             qsizetype(change.caption->size())));
      }
      mainWindow.SetSecondPerson(ticked);
    };
    links.BringMainWindowForward = bringMainForward;
    links.CloseTipWindow = [&] {
      if (tipWindow) tipWindow->close();
    };
    links.ChooseFile = [&](std::string_view pattern, const std::string& startFile) {
      return orv::SelectFile(host, workbench.AppPath, startFile, pattern);
    };
    links.EditNamesFile = [&](std::function<void()> afterSave, std::function<void()> afterQuit) {
      openEditor(namesEditor, orv::NamesFileEditorSetup(workbench, host, std::move(afterSave),
                                                        std::move(afterQuit)));
    };
    links.EditCitiesFile = [&](std::function<void()> afterQuit) {
      openEditor(citiesEditor, orv::CitiesFileEditorSetup(workbench, host, std::move(afterQuit)));
    };
    links.AtlasLauncher = &launcher;
    orv::NamesBatchLinks batch;
    batch.Inputs = [&] { return inputWindows.get(); };
    batch.DataWindow = [&]() -> orv::OutputView& { return data(); };
    batch.HouseSystem = [&] { return mainWindow.CheckedHouseSystem(); };
    batch.ChoosePrinter = [&](QPrinter& printer) {
      return orv::ChoosePrinterWithDialog(printer, &mainWindow);
    };
    links.Batch = orv::MakeNamesBatchCommands(workbench, host, std::move(batch));
    orv::ChartRunLinks run;
    run.Listings.ListNatalFirstPage = [&] { orv::ListNatalFirstPage(workbench, host); };
    run.Listings.ListNatalCosmodynes = [&] { orv::ListNatalCosmodynesPage(workbench, host); };
    run.Listings.ListComparativeCosmodynes = [&](bool withGrid) {
      orv::ListComparativeFirstPage(workbench, secondPersonBox(), withGrid, host);
    };
    run.ShowChartMenus = [&] { mainWindow.ShowChartMenus(); };
    inputWindows = std::make_unique<orv::InputWindows>(workbench, host, data(), std::move(links),
                                                       std::move(run));
    // The entry windows open just below the main window's menu bar.
    inputWindows->Natal().move(mainWindow.frameGeometry().bottomLeft() + QPoint(0, 1));
    inputWindows->ShowAtStartup();
  };
  auto inputCommand = [&] {
    if (!inputWindows) return;
    orv::ClearOutputBuffer(workbench.Output);
    if (dataWindow) dataWindow->Close();
    inputWindows->ShowForInput();
  };
  mainWindow.WireCommand("mnuInputData", inputCommand);
  mainWindow.SetHouseChangeHandler([&] {
    if (!inputWindows) return;
    inputCommand();
    inputWindows->HideAll();
    inputWindows->Calculate();
  });

  // The Data menu's listings.
  auto natalNameText = [&] {
    return inputWindows ? inputWindows->Natal().txtName()->text().toStdString() : std::string();
  };
  mainWindow.WireCommand("mnuDataNatalData", [&] { orv::ShowNatalData(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataNatalAspects",
                         [&] { orv::ShowNatalAspects(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataCoLAspects", [&] { orv::ShowCoLAspects(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataLeastAspectedPlanet",
                         [&] { orv::ShowLeastAspectedPlanets(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataTransitData",
                         [&] { orv::ShowTransitData(workbench, secondPersonBox(), host, data()); });
  mainWindow.WireCommand("mnuDataTransitsAspectstoNatal", [&] {
    orv::ShowTransitAspectsToNatal(workbench, secondPersonBox(), natalNameText(), host, data());
  });
  mainWindow.WireCommand("mnuDataCosmicState", [&] { orv::ShowCosmicState(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataCosmodynes",
                         [&] { orv::ShowNatalCosmodynes(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataCSandDynes",
                         [&] { orv::ShowCosmicStatesAndCosmodynes(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataComposite",
                         [&] { orv::ShowComposite(workbench, secondPersonBox(), host, data()); });
  mainWindow.WireCommand("mnuDataTransitAspectsToTransits", [&] {
    orv::ShowTransitAspectsToTransits(workbench, secondPersonBox(), host, data());
  });
  mainWindow.WireCommand("mnuDataMagiCouple", [&] {
    orv::ShowMagiCouple(workbench, secondPersonBox(), natalNameText(), host, data());
  });
  mainWindow.WireCommand("mnuDataMagiNatal",
                         [&] { orv::ShowMagiNatal(workbench, natalNameText(), host, data()); });
  mainWindow.WireCommand("mnuDataTransitCosmodynes", [&] {
    orv::ShowDualCosmodynes(workbench, secondPersonBox(), false, host, data());
  });
  mainWindow.WireCommand("mnuDataTransitCosmodynesAspects", [&] {
    orv::ShowDualCosmodynes(workbench, secondPersonBox(), true, host, data());
  });
  mainWindow.WireCommand("mnuDataNatalOFA", [&] { orv::ShowNatalOFA(workbench, host, data()); });
  mainWindow.WireCommand("mnuDataNatalOFA_Print", [&] {
    orv::PrintNatalOFA(workbench, host, [&](QPrinter& printer) {
      return orv::ChoosePrinterWithDialog(printer, &mainWindow);
    });
  });

  // The small windows and editors.
  QPointer<orv::TextFileEditor> optionsEditor, headerEditor;
  QPointer<orv::FrmEnabledPlanets> enabledPlanets;
  QPointer<orv::About> about;
  mainWindow.WireCommand("mnuOptionOptionSettings", [&] {
    ShowInSlot(optionsEditor, [&]() -> orv::TextFileEditor* {
      auto setup = orv::OptionsEditorSetup(workbench, host);
      return setup ? new orv::TextFileEditor(std::move(*setup)) : nullptr;
    });
  });
  mainWindow.WireCommand("mnuHeader", [&] {
    ShowInSlot(headerEditor, [&]() -> orv::TextFileEditor* {
      auto setup = orv::PersonalHeaderEditorSetup(workbench, host);
      return setup ? new orv::TextFileEditor(std::move(*setup)) : nullptr;
    });
  });
  mainWindow.WireCommand("mnuEnabledPlanets", [&] {
    ShowInSlot(enabledPlanets, [&] {
      return new orv::FrmEnabledPlanets(workbench.Settings.EnabledNatalPlanets,
                                        workbench.Settings.EnabledTransitPlanets, {},
                                        bringMainForward);
    });
  });
  mainWindow.WireCommand("mnuHelpTipoftheDay", showTip);
  mainWindow.WireCommand("mnuHelpAbout", [&] {
    ShowInSlot(about, [&] { return new orv::About(); });
  });

  mainWindow.SetHelpViewer([&](std::string_view file) {
    orv::ShowHelpFile(workbench.Output, workbench.AppPath, "\\" + std::string(file), host, data());
  });

  orv::ProgramStartup startup(workbench, host, mainWindow, std::move(hooks));
  QObject::connect(&startup, &orv::ProgramStartup::Ended, &app, &QCoreApplication::quit);
  startup.Begin();
  const int status = QApplication::exec();
  dataWindow.reset();
  return status;
}
