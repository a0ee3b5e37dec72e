// Orvanta8: creates the program state, the Qt application and the main
// window, wires the subsystems into start-up and the menus, and starts.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>
#include <future>
#include <memory>

#include "commands/Workbench.h"
#include "core/ChartTime.h"
#include "core/ephemeris/DataTables.h"
#include "commands/CosmodynesCommands.h"
#include "commands/OrgFitCommands.h"
#include "cosmodynes/ui/OrgFitPrinting.h"
#include "commands/CoupleAndStateCommands.h"
#include "commands/DataCommands.h"
#include "platform/Files.h"
#include "platform/RunningInstance.h"
#include "platform/RunningProgram.h"
#include "commands/ComparativeCommands.h"
#include "commands/MagiCommands.h"
#include "relationship/ui/NamesBatchRun.h"
#include "commands/ReportCommands.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"
#include "platform/qt/Process.h"
#include "platform/qt/QtHost.h"
#include "reports/ui/Browsers.h"
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
#include "shell/ui/OnScreen.h"
#include "shell/ui/NewDate.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/ProgramStartup.h"
#include "shell/ui/TextFileEditor.h"
#include "shell/ui/WindowSlot.h"
#include "commands/DualWheelCommands.h"
#include "commands/WheelCommands.h"
#include "wheels/ChartStepping.h"
#include "wheels/ui/AstrLine.h"
#include "wheels/ui/UpdateMenu.h"
#include "wheels/ui/Wheels.h"

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

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationName("Orvanta8");
  const std::filesystem::path userDir =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  // Held before anything is copied or saved, until the program ends: it
  // clears a killed save's leftovers, so it runs before the copying starts.
  const orv::RunningInstance instance(userDir);
  // The user's folder is brought up to date while Qt starts and the title
  // window shows: nothing reads it before then.
  const std::filesystem::path program = orv::RunningProgramFile(argv[0]);
  const std::filesystem::path programDir = program.parent_path();
  std::string error;
  auto appPath = std::async(std::launch::async, [&] {
    return orv::ChooseAppPath(programDir, userDir, "Options.mst", program.filename().string(),
                              error);
  });
  QApplication app(argc, argv);

  orv::Workbench workbench;
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
      links.ListTransitInterps = [&] { orv::ListTransitInterps(workbench, host); };
      links.ChooseNewDate = [&] {
        // The boxes start at the day listed last.
        const std::string last =
            orv::JulianDayToDateStr(workbench.Charts.TransitListDay - 1, 0);
        orv::NewDate window(host, std::atoi(last.c_str()), std::atoi(last.c_str() + 3),
                            std::atoi(last.c_str() + 6),
                            dataWindow && dataWindow->HasWindow() ? &dataWindow->Window()
                                                                  : nullptr);
        if (window.exec() == QDialog::Accepted && window.ChosenJulianDay())
          workbench.Charts.TransitListDay = *window.ChosenJulianDay();
        else
          workbench.Charts.TransitListDay -= 1;  // Cancel lists the same day again
      };
      dataWindow = std::make_unique<orv::DataWindowSlot>(
          workbench, workbench.Options, host, DataWindowSettingsOf(workbench.Settings),
          workbench.Shell.FontStep, std::move(links));
    }
    return *dataWindow;
  };

  QPointer<orv::Wheels> wheelsWindow;
  QPointer<orv::AstrLine> astroLine;
  orv::StartupHooks hooks;
  hooks.ReadyProgramFolder = [&] {
    const std::optional<std::filesystem::path> chosen = appPath.get();
    if (!chosen) {
      QMessageBox::critical(nullptr, "Error!", QString::fromStdString(error));
      return false;
    }
    workbench.AppPath = *chosen;
    return true;
  };
  hooks.LoadDataTables = [&] {
    orv::DataTablesRead read = orv::ReadDataTables(workbench.AppPath);
    workbench.Tables = std::move(read.tables);
    orv::ReportDataFileIssues(host, read.issues);
  };
  hooks.ShippedFolder = programDir;
  hooks.AtlasPresent = [&] { return orv::AtlasPresent(workbench.AppPath); };
  hooks.CollectSettings = [&] {
    if (dataWindow) StoreDataWindowSettings(dataWindow->Settings(), workbench.Settings);
    if (wheelsWindow) wheelsWindow->RecordSettingsGeometry();
  };
  QPointer<orv::FrmTip> tipWindow;
  auto showTip = [&] {
    orv::ShowInSlot(tipWindow, [&] { return new orv::FrmTip(workbench.AppPath); });
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
      box.caption = inputWindows->SecondPersonName();
    }
    return box;
  };
  orv::QtLauncher launcher;
  QPointer<orv::TextFileEditor> namesEditor, citiesEditor;
  // An editor already open is brought forward; its file is read only when
  // a new editor is made.
  auto openEditor = [&](QPointer<orv::TextFileEditor>& slot, auto setupOf) {
    orv::ShowInSlot(slot, [&]() -> orv::TextFileEditor* {
      std::optional<orv::EditorSetup> setup = setupOf();
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
      openEditor(namesEditor, [&] {
        return orv::NamesFileEditorSetup(workbench, host, std::move(afterSave),
                                         std::move(afterQuit));
      });
    };
    links.EditCitiesFile = [&](std::function<void()> afterQuit) {
      openEditor(citiesEditor,
                 [&] { return orv::CitiesFileEditorSetup(workbench, host, std::move(afterQuit)); });
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
    // The first listing that option 33 chooses after OK. Left empty, the
    // transit interpretations (33 = 1) show the natal first page with a
    // note.
    run.Listings.ListNatalFirstPage = [&] { orv::ListNatalFirstPage(workbench, host); };
    run.Listings.ListTransitInterpretations = [&] {
      orv::BeginOutputPage(workbench.Output);
      orv::ListTransitInterps(workbench, host);
    };
    run.Listings.ListNatalCosmodynes = [&] { orv::ListNatalCosmodynesPage(workbench, host); };
    run.Listings.ListComparativeCosmodynes = [&](bool withGrid) {
      orv::ListComparativeFirstPage(workbench, secondPersonBox(), withGrid, host);
    };
    run.ShowChartMenus = [&] { mainWindow.ShowChartMenus(); };
    inputWindows = std::make_unique<orv::InputWindows>(workbench, host, data(), std::move(links),
                                                       std::move(run));
    // The entry windows open just below the main window, frame and all
    // (start-up calls this once the main window is on screen), so they never
    // cover its menu bar.
    inputWindows->ShowAtStartup(mainWindow.frameGeometry().bottomLeft() + QPoint(0, 1),
                                orv::FrameMargins(mainWindow));
  };
  // The meanings browsers, which Input closes.
  QPointer<orv::MEANINGS> natalMeanings;
  QPointer<orv::CoupleMeanings> compositeMeanings, synastryMeanings;
  auto inputCommand = [&] {
    if (!inputWindows) return;
    orv::ClearOutputBuffer(workbench.Output);
    if (dataWindow) dataWindow->Close();
    if (astroLine) astroLine->close();
    for (QWidget* browser : std::initializer_list<QWidget*>{natalMeanings, compositeMeanings,
                                                            synastryMeanings})
      if (browser) browser->close();
    inputWindows->ShowForInput();
  };
  mainWindow.WireCommand("mnuInputData", inputCommand);
  mainWindow.SetHouseChangeHandler(
      [&] { return inputWindows && inputWindows->RecalcAfterHouseChange(); });

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

  mainWindow.WireCommand("mnuDataTransitInterps", [&] {
    orv::BeginOutputPage(workbench.Output);
    if (orv::ListTransitInterps(workbench, host))
      orv::ShowOutputPage(workbench.Output, workbench.AppPath, host, data());
  });

  // The report commands and the report viewer.
  QPointer<orv::Report> reportWindow;
  auto showReport = [&] {
    orv::ShowAnewInSlot(reportWindow, [&] {
      orv::ReportWindowLinks links;
      links.Persons = [&] {
        return orv::ReportPersons{workbench.Charts.PersonName, secondPersonBox().caption};
      };
      return new orv::Report(workbench.Report, workbench.Options, workbench.AppPath,
                             workbench.Shell.CaptionPrefix, host, std::move(links));
    });
  };
  mainWindow.WireCommand("mnuReportNatal", [&] {
    if (orv::RunNatalReport(workbench, host, data())) showReport();
  });
  mainWindow.WireCommand("mnuReportTransit", [&] {
    if (orv::RunTransitReport(workbench, host)) showReport();
  });
  mainWindow.WireCommand("mnuReportComposite", [&] {
    if (orv::RunCompositeReport(workbench, secondPersonBox(), host)) showReport();
  });
  mainWindow.WireCommand("mnuReportSynastry", [&] {
    if (orv::RunSynastryReport(workbench, secondPersonBox(), host)) showReport();
  });

  // What the wheel window reaches: the help text, the orb editor, the print
  // dialog, and the two-chart wheels made anew by a left click or Switch.
  QPointer<orv::TextFileEditor> orbsEditor;
  std::function<void()> showWheel;
  auto wheelsLinks = [&] {
    orv::WheelsLinks links;
    links.bringMainForward = bringMainForward;
    links.showHelp = [&](std::string_view file) {
      orv::ShowHelpFile(workbench.Output, workbench.AppPath, "\\" + std::string(file), host,
                        data());
    };
    links.editOrbFile = [&] {
      openEditor(orbsEditor, [&] { return orv::OrbsEditorSetup(workbench, host); });
    };
    links.choosePrinter = [&](QPrinter& printer) {
      return orv::ChoosePrinterWithDialog(printer, wheelsWindow.data());
    };
    links.twoRingClick = [&] {
      orv::FlipDualAspectPairs(workbench, secondPersonBox());
      showWheel();
    };
    links.switchCharts = [&] {
      orv::SwitchDualWheel(workbench, secondPersonBox());
      showWheel();
    };
    return links;
  };

  // The wheel window, made anew for each wheel, with its Update menu: a
  // step writes the new moment into an input window, computes both charts
  // from the windows and rebuilds the wheel on display.
  std::function<void(const orv::UpdateStep&)> stepMoment;
  auto showWheelsAnew = [&] {
    orv::ShowAnewInSlot(wheelsWindow, [&] {
      auto* window = new orv::Wheels(workbench, host, wheelsLinks());
      orv::AddUpdateMenu(*window, stepMoment);
      return window;
    });
  };
  // `RedrawCurrentWheel`: nothing while no wheel window is open.
  auto redrawCurrentWheel = [&] {
    if (wheelsWindow && orv::PrepareCurrentWheelAgain(workbench, secondPersonBox(), host))
      showWheelsAnew();
  };
  stepMoment = [&](const orv::UpdateStep& step) {
    if (!inputWindows) return;
    orv::BusyCursor busy(host);
    const auto form = [&](orv::SteppedChart chart) -> orv::ChartInputForm& {
      if (chart == orv::SteppedChart::Natal) return inputWindows->Natal();
      return inputWindows->Second();
    };
    orv::StepLinks links;
    links.fields = [&](orv::SteppedChart chart) { return form(chart).Fields(); };
    links.setFields = [&](orv::SteppedChart chart, const orv::ChartInputFields& fields) {
      form(chart).SetFields(fields);
    };
    links.compute = [&] { return inputWindows->Calculate(); };
    links.redraw = redrawCurrentWheel;
    orv::StepChartMoment(workbench.Charts, step, links);
  };

  // The single wheels: each command prepares its wheel, then the wheel window
  // is closed and opened anew to paint it.
  showWheel = [&] {
    host.BeginBusy();
    showWheelsAnew();
    host.EndBusy();
  };
  for (const orv::SingleWheelCommand& command : orv::SingleWheelCommands) {
    mainWindow.WireCommand(command.name, [&, kind = command.kind] {
      bringMainForward();
      orv::PrepareSingleWheel(workbench, kind, secondPersonBox(), host);
      showWheel();
    });
  }
  // The two-chart wheels, the point toggles (checked items, all clear at
  // start) and the aspect filters.
  for (const orv::DualWheelCommand& command : orv::DualWheelCommands) {
    mainWindow.WireCommand(command.name, [&, kind = command.kind] {
      bringMainForward();
      orv::PrepareDualWheelCommand(workbench, kind, secondPersonBox());
      showWheel();
    });
  }
  for (std::size_t t = 0; t < orv::DualPointToggles.size(); ++t) {
    QAction* item = mainWindow.Command(orv::DualPointToggles[t]);
    if (!item) continue;
    item->setCheckable(true);
    item->setChecked(workbench.DualChoices.PointShown[t]);
    mainWindow.WireCommand(orv::DualPointToggles[t], [&, t, item] {
      orv::ToggleDualPoint(workbench, static_cast<int>(t), item->isChecked(), secondPersonBox());
      showWheel();
    });
  }
  for (std::size_t f = 0; f < orv::DualAspectFilters.size(); ++f) {
    mainWindow.WireCommand(orv::DualAspectFilters[f], [&, f] {
      orv::SetDualAspectFilter(workbench, static_cast<int>(f), secondPersonBox());
      showWheel();
    });
  }

  // The synastry diagram: opened anew each time, level with the data
  // window's top and the main window's left edge.
  mainWindow.WireCommand("mnuWheelsAstroLine", [&] {
    const QPoint at(mainWindow.frameGeometry().left(),
                    dataWindow && dataWindow->HasWindow()
                        ? dataWindow->Window().frameGeometry().top()
                        : mainWindow.frameGeometry().bottom() + 1);
    orv::ShowAnewInSlot(astroLine, [&] {
      return new orv::AstrLine(workbench, host, secondPersonBox().caption, bringMainForward, at);
    });
  });

  // The small windows and editors.
  QPointer<orv::TextFileEditor> optionsEditor, headerEditor;
  QPointer<orv::FrmEnabledPlanets> enabledPlanets;
  QPointer<orv::About> about;
  mainWindow.WireCommand("mnuOptionOptionSettings", [&] {
    openEditor(optionsEditor, [&] { return orv::OptionsEditorSetup(workbench, host); });
  });
  mainWindow.WireCommand("mnuHeader", [&] {
    openEditor(headerEditor, [&] { return orv::PersonalHeaderEditorSetup(workbench, host); });
  });
  mainWindow.WireCommand("mnuEnabledPlanets", [&] {
    orv::ShowInSlot(enabledPlanets, [&] {
      return new orv::FrmEnabledPlanets(workbench.Settings.EnabledNatalPlanets,
                                        workbench.Settings.EnabledTransitPlanets,
                                        redrawCurrentWheel, bringMainForward);
    });
  });
  // The reference browsers need no chart.
  QPointer<orv::KEY_WORD> keywordSystem;
  QPointer<orv::KeywordsWindow> keywords, keywords2;
  auto view = [&]() -> orv::OutputView& { return data(); };
  mainWindow.WireCommand("mnuDataMeaningsNatal", [&] {
    orv::ShowAnewInSlot(natalMeanings, [&] {
      return new orv::MEANINGS({workbench.AppPath, workbench.Output, host, view});
    });
  });
  auto wireCoupleMeanings = [&](const char* name, QPointer<orv::CoupleMeanings>& slot,
                                orv::CoupleBrowser browser) {
    mainWindow.WireCommand(name, [&, browser] {
      orv::ShowAnewInSlot(slot, [&] {
        return new orv::CoupleMeanings(browser, {workbench.AppPath, workbench.Output, host, view});
      });
    });
  };
  wireCoupleMeanings("mnuDataMeaningsComposite", compositeMeanings, orv::CoupleBrowser::Composite);
  wireCoupleMeanings("mnuDataMeaningsSynastry", synastryMeanings, orv::CoupleBrowser::Synastry);
  mainWindow.WireCommand("mnuKeywordsSystem", [&] {
    orv::ShowAnewInSlot(keywordSystem, [&] {
      return new orv::KEY_WORD({workbench.AppPath, workbench.Output, host, view});
    });
  });
  mainWindow.WireCommand("mnuKeywordsGeneral", [&] {
    orv::ShowAnewInSlot(keywords, [&] { return new orv::KeywordsWindow(orv::KeywordGrid::Personal, host); });
  });
  mainWindow.WireCommand("mnuKeywords2General", [&] {
    orv::ShowAnewInSlot(keywords2,
               [&] { return new orv::KeywordsWindow(orv::KeywordGrid::Vocational, host); });
  });
  mainWindow.WireCommand("mnuHelpTipoftheDay", showTip);
  mainWindow.WireCommand("mnuHelpAbout", [&] {
    orv::ShowInSlot(about, [&] { return new orv::About(); });
  });

  mainWindow.SetHelpViewer([&](std::string_view file) {
    orv::ShowHelpFile(workbench.Output, workbench.AppPath, "\\" + std::string(file), host, data());
  });

  orv::ProgramStartup startup(workbench, host, mainWindow, std::move(hooks));
  QObject::connect(&startup, &orv::ProgramStartup::Ended, &app, &QCoreApplication::quit);
  startup.Begin();
  const int status = QApplication::exec();
  if (wheelsWindow) delete wheelsWindow.data();
  if (astroLine) delete astroLine.data();
  dataWindow.reset();
  return status;
}
