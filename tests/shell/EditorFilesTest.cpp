#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "shell/EditorFiles.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(EditorFiles, CaptionsAndPlainOpening) {
  EXPECT_EQ(EditorCaption("Options.opt"), "Edit: Options.opt");
  EXPECT_EQ(EditorCaption("/home/ann/NAMES.FIL"), "Edit: /home/ann/NAMES.FIL");

  test::TempDir dir;
  test::RecordingHost host;
  WriteFile(dir.path() / "names.fil", "Ann,1 Jan 1990\nBob,2 Feb 1991");  // no final break
  EXPECT_EQ(OpenEditorText(host, dir.path() / "NAMES.FIL"), "Ann,1 Jan 1990\r\nBob,2 Feb 1991\r\n");
  EXPECT_TRUE(host.messages.empty());

  const fs::path missing = dir.path() / "GONE.LL";
  EXPECT_FALSE(OpenEditorText(host, missing));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot find the file called " + missing.string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

TEST(EditorFiles, AMissingOptionsFileIsOfferedBackFromTheDefaults) {
  test::TempDir dir;
  WriteFile(dir.path() / "Options.mst", "5       a\r\n6       b\r\n");
  OptionValues options{};

  // Declined: nothing opens, nothing is written.
  test::RecordingHost declining;
  declining.answers.push_back(Answer::No);
  EXPECT_FALSE(OpenOptionsEditorText(declining, dir.path(), options));
  ASSERT_EQ(declining.messages.size(), 1u);
  EXPECT_EQ(declining.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(declining.messages[0].title, "Warning!");
  EXPECT_FALSE(fs::exists(dir.path() / "Options.opt"));
  EXPECT_EQ(options[1], 0.0f);

  // Accepted: the file is made again, read, and opened.
  test::RecordingHost accepting;
  EXPECT_EQ(OpenOptionsEditorText(accepting, dir.path(), options), "5       a\r\n6       b\r\n");
  EXPECT_EQ(ReadFileBytes(dir.path() / "Options.opt"), "5       a\r\n6       b\r\n");
  EXPECT_EQ(options[1], 5.0f);
  EXPECT_EQ(options[2], 6.0f);

  // Without Options.mst there is nothing to restore from.
  test::TempDir empty;
  test::RecordingHost host;
  EXPECT_FALSE(OpenOptionsEditorText(host, empty.path(), options));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "Error in operation. Cannot do what is requested.");
}

TEST(EditorFiles, RestoreDefaultReReadsTheOptions) {
  test::TempDir dir;
  WriteFile(dir.path() / "Options.mst", "1       tip on\r\n");
  WriteFile(dir.path() / "Options.opt", "0       tip off\r\n");
  OptionValues options{};
  options[1] = 0;
  test::RecordingHost host;
  EXPECT_EQ(RestoreDefaultOptionsText(host, dir.path(), options), "1       tip on\r\n");
  EXPECT_EQ(options[1], 1.0f);  // what the editor shows is what the program uses
  EXPECT_TRUE(host.messages.empty());

  fs::remove(dir.path() / "Options.mst");
  WriteFile(dir.path() / "Options.opt", "0       tip off\r\n");
  EXPECT_FALSE(RestoreDefaultOptionsText(host, dir.path(), options));
  EXPECT_EQ(options[1], 1.0f);
  EXPECT_EQ(ReadFileBytes(dir.path() / "Options.opt"), "0       tip off\r\n");
}

TEST(EditorFiles, AMissingPersonalHeaderOpensEmpty) {
  test::TempDir dir;
  test::RecordingHost host;
  EXPECT_EQ(OpenHeaderEditorText(host, dir.path()), "");
  EXPECT_TRUE(host.messages.empty());
  WriteFile(dir.path() / "personal.nam", "Ann Example\r\nAstrologer\r\n");
  EXPECT_EQ(OpenHeaderEditorText(host, dir.path()), "Ann Example\r\nAstrologer\r\n");
}

// The names editor, opened before a Save to disk and saved after it, would
// have deleted that person: it refuses, says so, and offers to reload.
TEST(EditorFiles, AFileChangedSinceTheEditorOpenedItIsNotOverwritten) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  WriteFile(file, "Ann,1 Jan 1990,1.00,A,5,074.00,40.43,\r\n");
  auto base = EditorBaseOf(file);
  WriteFile(file, "Ann,1 Jan 1990,1.00,A,5,074.00,40.43,\r\nKim,2 Feb 1991,2.00,P,5,1,1,\r\n");
  const std::string edited = "Ann,1 Jan 1990,1.00,A,5,074.00,40.43,edited\r\n";
  for (const Answer answer : {Answer::No, Answer::Yes}) {
    test::RecordingHost host;
    host.answers.push_back(answer);
    const EditorSaveResult result = SaveEditedFile(host, file, edited, base);
    EXPECT_EQ(result.outcome, answer == Answer::No ? EditorSave::Kept : EditorSave::Reloaded);
    EXPECT_NE(ReadFileBytes(file)->find("Kim"), std::string::npos);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(host.messages[0].text,
              "The file called " + file.string() +
                  " was changed by another window or program after this editor opened it, so "
                  "your text was not saved over it.\n\nDo you want to load the file as it is "
                  "now? Your changes in this editor would be lost.");
    if (answer == Answer::Yes) {
      EXPECT_EQ(result.text, *ReadFileBytes(file));
    }
  }
  // Reloaded, the editor's next save goes through.
  test::RecordingHost host;
  EXPECT_EQ(SaveEditedFile(host, file, edited, base).outcome, EditorSave::Saved);
  EXPECT_EQ(*ReadFileBytes(file), edited);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orv
