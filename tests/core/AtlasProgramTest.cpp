#include "core/AtlasProgram.h"

#include <gtest/gtest.h>

#include <fstream>

#include "PosixLauncher.h"
#include "RecordingHost.h"
#include "TempDir.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

// Writes an atlas program that leaves `lines` as its result in `resultDir`.
void WriteStubAtlas(const fs::path& atlasDir, const fs::path& resultDir,
                    const std::string& lines) {
  fs::create_directories(atlasDir);
  fs::create_directories(resultDir);
  const fs::path program = atlasDir / "ATLAS.EXE";
  std::ofstream(program) << "#!/bin/sh\nprintf '%s\\r\\n' '" << resultDir.string() << "' > '"
                         << (atlasDir / "PCATPATH.TXT").string() << "'\nprintf '" << lines
                         << "' > '" << (resultDir / "TSRTEMP.TXT").string() << "'\n";
  fs::permissions(program, fs::perms::owner_all);
}

TEST(AtlasProgram, ReadsTheChosenPlaceAndAsksToAcceptIt) {
  test::TempDir dir;
  WriteStubAtlas(dir.path() / "atlas", dir.path() / "result",
                 "Philadelphia\\r\\n39N57\\r\\n75W10\\r\\nPA\\r\\n5 hours\\r\\n");
  test::RecordingHost host;
  test::PosixLauncher launcher;
  std::string atlasDir = (dir.path() / "atlas").string() + "/";
  const AtlasProgramResult r = RunAtlasProgram(host, launcher, atlasDir);
  EXPECT_TRUE(r.lookupOk);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.latitudeText, "39N57");
  EXPECT_EQ(r.longitudeText, "75W10");
  EXPECT_FLOAT_EQ(r.timeZone, 5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Accept following data? \n\nLongitude = 75W10\nLatitude  = 39N57\nTime zone =  5");
  EXPECT_EQ(host.messages[0].title, "Accept or Reject data");
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);

  host.answers.push_back(Answer::No);
  EXPECT_FALSE(RunAtlasProgram(host, launcher, atlasDir).accepted);
}

TEST(AtlasProgram, AShortResultFileEndsTheLookup) {
  test::TempDir dir;
  const fs::path result = dir.path() / "result";
  WriteStubAtlas(dir.path() / "atlas", result, "x\\r\\n39N57\\r\\n75W10\\r\\nPA\\r\\n");
  test::RecordingHost host;
  test::PosixLauncher launcher;
  std::string atlasDir = (dir.path() / "atlas").string() + "/";
  EXPECT_FALSE(RunAtlasProgram(host, launcher, atlasDir).lookupOk);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called TSRTEMP.TXT in the " + result.string() + "/ directory.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

TEST(AtlasProgram, NeverReadsAResultLeftByAnEarlierRun) {
  test::TempDir dir;
  const fs::path atlas = dir.path() / "atlas", result = dir.path() / "result";
  WriteStubAtlas(atlas, result, "x\\r\\n1N1\\r\\n1W1\\r\\n\\r\\n1\\r\\n");
  // This time the program leaves nothing behind.
  std::ofstream(atlas / "ATLAS.EXE") << "#!/bin/sh\nexit 0\n";
  std::ofstream(atlas / "PCATPATH.TXT") << result.string() << "\r\n";
  std::ofstream(result / "TSRTEMP.TXT") << "old\r\n1N1\r\n1W1\r\n\r\n1\r\n";
  test::RecordingHost host;
  test::PosixLauncher launcher;
  std::string atlasDir = atlas.string() + "/";
  EXPECT_FALSE(RunAtlasProgram(host, launcher, atlasDir).lookupOk);
  EXPECT_FALSE(fs::exists(result / "TSRTEMP.TXT"));
}

TEST(AtlasProgram, AsksForTheFolderUntilTheProgramStarts) {
  test::TempDir dir;
  WriteStubAtlas(dir.path() / "atlas", dir.path() / "result",
                 "x\\r\\n33S52\\r\\n151E12\\r\\n\\r\\n-10\\r\\n");
  test::RecordingHost host;
  test::PosixLauncher launcher;
  host.promptAnswers = {(dir.path() / "nowhere").string(), (dir.path() / "atlas").string()};
  std::string atlasDir = (dir.path() / "moved").string() + "/";
  const AtlasProgramResult r = RunAtlasProgram(host, launcher, atlasDir);
  EXPECT_EQ(host.prompts.size(), 2u);
  EXPECT_EQ(launcher.runs, 3);
  EXPECT_EQ(atlasDir, (dir.path() / "atlas").string() + "/");
  EXPECT_TRUE(r.lookupOk);
  EXPECT_FLOAT_EQ(r.timeZone, -10);
  EXPECT_EQ(host.messages.back().text.substr(host.messages.back().text.size() - 15),
            "Time zone = -10");

  // An empty answer gives up.
  std::string missing;
  test::RecordingHost cancel;
  EXPECT_FALSE(RunAtlasProgram(cancel, launcher, missing).lookupOk);
  EXPECT_EQ(cancel.prompts.size(), 1u);
  EXPECT_EQ(missing, "");
}

}  // namespace
}  // namespace orv
