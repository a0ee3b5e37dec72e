#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QApplication>

#include "TempDir.h"
#include "platform/qt/Process.h"
#include "platform/qt/QtHost.h"

namespace orv {
namespace {

TEST(RunAndWait, RunsAProgramWhosePathHasBlanksAndWaitsForIt) {
  test::TempDir dir;
  const auto folder = dir.path() / "Program Files" / "Atlas";
  std::filesystem::create_directories(folder);
  const auto program = folder / "atlas run";
  std::ofstream(program)
      << "#!/bin/sh\nsleep 0.2\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/out.txt\"\n";
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);

  // Arguments arrive as they stand: no shell splits or expands them.
  EXPECT_NE(RunAndWait(program.string(), {"a b", "$HOME", "c;d"}), 0);
  std::ifstream in(folder / "out.txt");
  std::string text;
  std::getline(in, text);
  EXPECT_EQ(text, "a b|$HOME|c;d|");
}

TEST(RunAndWait, ReportsAProgramThatCannotStart) {
  EXPECT_EQ(RunAndWait("/nonexistent/ATLAS.EXE", {}), 0);
}

TEST(QtHost, AnEndWithoutABeginLeavesTheNextBusyPeriodWhole) {
  QtHost host;
  host.EndBusy();
  host.BeginBusy();
  host.BeginBusy();
  host.EndBusy();
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  host.EndBusy();
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace orv
