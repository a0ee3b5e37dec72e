// Window tests: one application on Qt's offscreen platform for the whole run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps the file chooser's history in the user's configuration
  // (QtProject.conf), and caches and data beside it: each run has a home of
  // its own, removed as it ends, so the user's stays as it was.
  const QTemporaryDir home;
  if (!home.isValid()) {
    std::fprintf(stderr, "No temporary home folder: %s\n", qPrintable(home.errorString()));
    return 1;
  }
  const QByteArray path = QFile::encodeName(home.path());
  qputenv("HOME", path);
  qputenv("XDG_CONFIG_HOME", path + "/.config");
  qputenv("XDG_DATA_HOME", path + "/.local/share");
  qputenv("XDG_CACHE_HOME", path + "/.cache");
  qputenv("XDG_STATE_HOME", path + "/.local/state");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
