// Orvanta8: creates the program state, the Qt application and the main window.

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/Workbench.h"
#include "platform/Files.h"
#include "shell/ui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvanta8");

  orv::Workbench workbench;
  const std::filesystem::path programDir = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path userDir =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  std::string error;
  const auto appPath = orv::ChooseAppPath(programDir, userDir, "Options.mst",
                                          QFileInfo(QCoreApplication::applicationFilePath())
                                              .fileName()
                                              .toStdString(),
                                          error);
  if (!appPath) {
    QMessageBox::critical(nullptr, "Error!", QString::fromStdString(error));
    return 1;
  }
  workbench.AppPath = *appPath;

  orv::MainWindow window(workbench);
  window.show();
  return QApplication::exec();
}
