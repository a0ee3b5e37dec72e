#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "shell/FileChooser.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(FileChooser, OpensBesideTheCurrentFileWithItPreselected) {
  test::TempDir app, other;
  std::ofstream(other.path() / "clients.fil") << "x\n";
  test::RecordingHost host;
  host.fileAnswers.push_back((other.path() / "clients.fil").string());
  EXPECT_EQ(SelectFile(host, app.path(), other.path() / "CLIENTS.FIL", kNamesFilePattern),
            (other.path() / "clients.fil").string());
  ASSERT_EQ(host.fileChoices.size(), 1u);
  const FileChoice& choice = host.fileChoices[0];
  EXPECT_EQ(choice.mode, FileChoice::Mode::Open);
  EXPECT_EQ(choice.title, "Select A File");
  EXPECT_EQ(choice.folder, other.path().string());
  EXPECT_EQ(choice.proposedName, "clients.fil");  // the name as it is on disk
  EXPECT_EQ(choice.filter, "Names files (*.FIL *.fil)");
}

TEST(FileChooser, PatternsOfTheThreeChoosers) {
  test::TempDir app;
  test::RecordingHost host;
  SelectFile(host, app.path(), {}, kCitiesFilePattern);
  SelectFile(host, app.path(), {}, kOrbFilePattern);
  ASSERT_EQ(host.fileChoices.size(), 2u);
  EXPECT_EQ(host.fileChoices[0].filter, "Cities files (*.LL *.ll)");
  EXPECT_EQ(host.fileChoices[1].filter, "Orb files (*.ORB *.orb)");
}

TEST(FileChooser, FallsBackToTheProgramFolder) {
  test::TempDir app, other;
  test::RecordingHost host;
  // A start file that is gone: its folder still serves, with nothing preselected.
  SelectFile(host, app.path(), other.path() / "GONE.FIL", kNamesFilePattern);
  // A start file whose folder is gone, or none at all: the program folder.
  SelectFile(host, app.path(), other.path() / "gone" / "NAMES.FIL", kNamesFilePattern);
  SelectFile(host, app.path(), {}, kNamesFilePattern);
  ASSERT_EQ(host.fileChoices.size(), 3u);
  EXPECT_EQ(host.fileChoices[0].folder, other.path().string());
  EXPECT_EQ(host.fileChoices[0].proposedName, "");
  EXPECT_EQ(host.fileChoices[1].folder, app.path().string());
  EXPECT_EQ(host.fileChoices[2].folder, app.path().string());
}

TEST(FileChooser, CancelReturnsAnEmptyTextAndChangesNothing) {
  test::TempDir app;
  std::ofstream(app.path() / "NAMES.FIL", std::ios::binary) << "Ann\r\n";
  const auto before = fs::last_write_time(app.path() / "NAMES.FIL");
  test::RecordingHost host;  // answers every file choice with Cancel
  EXPECT_EQ(SelectFile(host, app.path(), app.path() / "NAMES.FIL", kNamesFilePattern), "");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(fs::last_write_time(app.path() / "NAMES.FIL"), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(app.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace orv
