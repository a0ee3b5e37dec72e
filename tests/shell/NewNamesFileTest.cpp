#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "shell/NewNamesFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(NewNamesFile, WritesTheExampleRecordWhereTheUserChose) {
  test::TempDir dir;
  test::RecordingHost host;
  const fs::path target = dir.path() / "MINE.FIL";
  host.fileAnswers.push_back(target.string());
  const auto written = MakeNewNamesFile(host, dir.path());
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, target);
  EXPECT_EQ(ReadFileBytes(target).value_or(""),
            "Example,12 May 1959,10.43,A,6,75.23,39.45,example@example.com\r\n");
  EXPECT_TRUE(host.messages.empty());

  ASSERT_EQ(host.fileChoices.size(), 1u);
  const FileChoice& asked = host.fileChoices.front();
  EXPECT_EQ(asked.mode, FileChoice::Mode::Save);
  EXPECT_EQ(asked.folder, dir.path().string());
  EXPECT_EQ(asked.proposedName + "|" + asked.filter + "|" + asked.defaultSuffix,
            "NEW.FIL|Data Files (*.FIL)|fil");
  EXPECT_TRUE(asked.confirmOverwrite);

  // An existing file is replaced whole; cancelling writes nothing.
  std::ofstream(target) << "Jane,1 Jan 1990,1.00,A,5,71.03,42.21,\r\nJohn,2 Feb 1980\r\n";
  host.fileAnswers.push_back(target.string());
  ASSERT_TRUE(MakeNewNamesFile(host, dir.path()).has_value());
  EXPECT_EQ(ReadTextLines(target)->size(), 1u);
  fs::remove(target);
  EXPECT_FALSE(MakeNewNamesFile(host, dir.path()).has_value());
  EXPECT_TRUE(fs::is_empty(dir.path()));
  EXPECT_TRUE(host.messages.empty());
}

TEST(NewNamesFile, AFailedWriteIsReported) {
  test::TempDir dir;
  const fs::path target = dir.path() / "BUSY.FIL";
  fs::create_directory(target);  // a folder cannot be replaced by the file
  test::RecordingHost host;
  host.fileAnswers.push_back(target.string());
  EXPECT_FALSE(MakeNewNamesFile(host, dir.path()).has_value());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_TRUE(host.messages[0].text.starts_with("Cannot save the file called "))
      << host.messages[0].text;
  EXPECT_TRUE(fs::is_directory(target));
}

}  // namespace
}  // namespace orv
