// Orvanta8: creates the program state, the Qt application and the main
// window, wires the subsystems into start-up and the menus, and starts.

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/Workbench.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "shell/Startup.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/ProgramStartup.h"

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

  // The subsystems join start-up here as they arrive; an empty hook is
  // skipped.
  orv::StartupHooks hooks;
  // hooks.LoadDataTables: the ephemeris and score tables.
  // hooks.AtlasPresent: whether the atlas lookup has its data.
  // hooks.PrepareChartTables: chart arrays and orbital elements.
  // hooks.ShowChartInputWindows: the two input windows and the names window.
  // hooks.ShowTipOfTheDay: the tip window.

  // The menu commands join the same way, by control name, e.g.
  //   mainWindow.WireCommand("mnuDataNatalData", [&] { ... });
  //   mainWindow.SetHelpViewer([&](std::string_view file) { ... });
  //   mainWindow.SetHouseChangeHandler([&] { ... });  // RecalcAfterHouseChange
  // and a successful calculation calls mainWindow.ShowChartMenus().

  orv::ProgramStartup startup(workbench, host, mainWindow, std::move(hooks));
  QObject::connect(&startup, &orv::ProgramStartup::Ended, &app, &QCoreApplication::quit);
  startup.Begin();
  return QApplication::exec();
}
