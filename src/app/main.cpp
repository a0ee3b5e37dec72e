// Orvanta8: creates the program state, the Qt application, the main window
// and the command controller that wires every command and window, and starts.

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <future>

#include "commands/Workbench.h"
#include "commands/ui/CommandController.h"
#include "platform/Files.h"
#include "platform/RunningInstance.h"
#include "platform/RunningProgram.h"
#include "platform/qt/QtHost.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/ProgramStartup.h"

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
  std::string error;
  std::vector<std::string> notices;
  auto appPath = std::async(std::launch::async, [&] {
    return orv::ChooseAppPath(program.parent_path(), userDir, "Options.mst",
                              program.filename().string(), error, notices);
  });
  QApplication app(argc, argv);

  orv::Workbench workbench;
  orv::QtHost host;
  orv::Orvanta8 mainWindow(workbench, host);
  host.SetParent(&mainWindow);
  orv::CommandController controller(workbench, host, mainWindow);
  const auto readyProgramFolder = [&] {
    const std::optional<std::filesystem::path> chosen = appPath.get();
    if (!chosen) {
      QMessageBox::critical(nullptr, "Error!", QString::fromStdString(error));
      return false;
    }
    workbench.AppPath = *chosen;
    // Once: the glyph font's check names a link to nothing in the same words.
    for (const std::string& notice : notices)
      host.ShowMessageOnce(notice, orv::kTitleWarning, orv::MessageIcon::Exclamation);
    return true;
  };
  orv::ProgramStartup startup(workbench, host, mainWindow,
                              controller.Startup(readyProgramFolder, program.parent_path()));
  QObject::connect(&startup, &orv::ProgramStartup::Ended, &app, &QCoreApplication::quit);
  startup.Begin();
  const int status = QApplication::exec();
  controller.CloseWindows();
  return status;
}
