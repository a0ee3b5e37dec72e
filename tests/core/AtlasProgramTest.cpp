#include <gtest/gtest.h>

#include <fstream>

#include "PosixLauncher.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "core/AtlasProgram.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

// A stub atlas program in dir/atlas that names dir/result in PCATPATH.TXT and
// leaves `lines` there as TSRTEMP.TXT.
struct AtlasProgram : ::testing::Test {
  test::TempDir dir;
  const fs::path atlas = dir.path() / "atlas", result = dir.path() / "result";
  std::string atlasDir = atlas.string() + "/";
  test::RecordingHost host;
  test::PosixLauncher launcher;

  void WriteStub(const std::string& lines) {
    fs::create_directories(atlas);
    fs::create_directories(result);
    std::ofstream(atlas / "ATLAS.EXE")
        << "#!/bin/sh\nprintf '%s\\r\\n' '" << result.string() << "' > '"
        << (atlas / "PCATPATH.TXT").string() << "'\nprintf '" << lines << "' > '"
        << (result / "TSRTEMP.TXT").string() << "'\n";
    fs::permissions(atlas / "ATLAS.EXE", fs::perms::owner_all);
  }
};

TEST_F(AtlasProgram, ReadsTheChosenPlaceAndAsksToAcceptIt) {
  WriteStub("Philadelphia\\r\\n39N57\\r\\n75W10\\r\\nPA\\r\\n5 hours\\r\\n");
  const AtlasProgramResult r = RunAtlasProgram(host, launcher, atlasDir);
  EXPECT_TRUE(r.lookupOk && r.accepted);
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

TEST_F(AtlasProgram, AShortResultFileEndsTheLookup) {
  WriteStub("x\\r\\n39N57\\r\\n75W10\\r\\nPA\\r\\n");
  EXPECT_FALSE(RunAtlasProgram(host, launcher, atlasDir).lookupOk);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called TSRTEMP.TXT in the " + result.string() + "/ directory.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

// A zone beyond single precision used to reach the chart as an undefined
// conversion; no number of hours is refused with the file and line.
TEST_F(AtlasProgram, AZoneThatIsNoNumberOfHoursIsRefused) {
  for (const char* zone : {"1e999", "-1e39", "25", "nan"}) {
    WriteStub(std::string("x\\r\\n39N57\\r\\n75W10\\r\\nPA\\r\\n") + zone + "\\r\\n");
    test::RecordingHost said;
    const AtlasProgramResult r = RunAtlasProgram(said, launcher, atlasDir);
    if (std::string(zone) == "nan") {  // no number at all reads 0, as the program always did
      EXPECT_TRUE(r.lookupOk);
      continue;
    }
    EXPECT_FALSE(r.lookupOk) << zone;
    ASSERT_EQ(said.messages.size(), 1u) << zone;
    EXPECT_EQ(said.messages[0].text, "The time zone on line 5 of the file called " +
                                         (result / "TSRTEMP.TXT").string() +
                                         " is no number of hours: " + zone + ".");
  }
}

TEST_F(AtlasProgram, NeverReadsAResultLeftByAnEarlierRun) {
  // The folder known from the settings, or typed at the prompt on a first run.
  for (const bool typed : {false, true}) {
    SCOPED_TRACE(typed ? "typed" : "known");
    WriteStub("");
    // This time the program leaves nothing behind.
    std::ofstream(atlas / "ATLAS.EXE") << "#!/bin/sh\nexit 0\n";
    std::ofstream(atlas / "PCATPATH.TXT") << result.string() << "\r\n";
    std::ofstream(result / "TSRTEMP.TXT") << "old\r\n1N1\r\n1W1\r\n\r\n1\r\n";
    std::string folder = typed ? std::string() : atlasDir;
    if (typed) host.promptAnswers = {atlas.string()};
    EXPECT_FALSE(RunAtlasProgram(host, launcher, folder).lookupOk);
    EXPECT_FALSE(fs::exists(result / "TSRTEMP.TXT"));
  }
}

TEST_F(AtlasProgram, AsksForTheFolderUntilTheProgramStartsOrTheAnswerIsEmpty) {
  WriteStub("x\\r\\n33S52\\r\\n151E12\\r\\n\\r\\n-10\\r\\n");
  host.promptAnswers = {(dir.path() / "nowhere").string(), atlas.string()};
  atlasDir = (dir.path() / "moved").string() + "/";
  const AtlasProgramResult r = RunAtlasProgram(host, launcher, atlasDir);
  EXPECT_EQ(host.prompts.size(), 2u);
  EXPECT_EQ(launcher.runs, 3);
  EXPECT_EQ(atlasDir, atlas.string() + "/");
  EXPECT_TRUE(r.lookupOk);
  EXPECT_TRUE(host.messages.back().text.ends_with("Time zone = -10"));

  std::string missing;
  test::RecordingHost cancel;
  EXPECT_FALSE(RunAtlasProgram(cancel, launcher, missing).lookupOk);
  EXPECT_EQ(cancel.prompts.size(), 1u);
  EXPECT_EQ(missing, "");
}

}  // namespace
}  // namespace orv
