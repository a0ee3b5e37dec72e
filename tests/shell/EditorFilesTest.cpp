#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "Unprivileged.h"
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

// A file goes back as it was read: its encoding, byte order mark and line
// breaks; only a missing final line break is added. Unchanged, it keeps
// even mixed line breaks; changed, it takes those of its first line. Text
// Windows-1252 cannot hold makes the whole file UTF-8.
TEST(EditorFiles, ASaveKeepsTheFilesEncodingAndLineBreaks) {
  struct Case {
    const char* what;
    std::string file;
    std::string added;  // typed at the end of the text; empty: saved unchanged
    std::string saved;
  };
  const std::string zoe = "Zo\xEB,1 Jan 1990,1.00,A,5,074.00,40.43,";
  const std::string bom = "\xEF\xBB\xBF";
  const std::string lodz = "\xC5\x81\xC3\xB3" "d\xC5\xBA";  // no Windows-1252 for its L
  const Case cases[] = {
      {"Windows-1252", zoe + "\r\n", "", zoe + "\r\n"},
      {"UTF-8 with a byte order mark", bom + "S\xC3\xA3o Paulo,SP,46.38,23.32,3\r\n", "",
       bom + "S\xC3\xA3o Paulo,SP,46.38,23.32,3\r\n"},
      {"UTF-8", "Ann\r\nZo\xC3\xAB\r\n", "", "Ann\r\nZo\xC3\xAB\r\n"},
      {"LF line breaks", "Ann\nBob\n", "", "Ann\nBob\n"},
      {"lone CR line breaks", "Ann\rBob\r", "", "Ann\rBob\r"},
      {"no final line break", "Ann\r\nBob", "", "Ann\r\nBob\r\n"},
      {"no final line break after LF", "Ann\nBob", "", "Ann\nBob\n"},
      {"mixed line breaks", "Ann\r\nBob\nCy\rDee\r\n", "", "Ann\r\nBob\nCy\rDee\r\n"},
      {"mixed line breaks, text typed", "Ann\r\nBob\n", "Cy\r\n", "Ann\r\nBob\r\nCy\r\n"},
      {"Windows-1252, a character it holds typed", zoe + "\n", "Ren\xC3\xA9\n",
       zoe + "\nRen\xE9\n"},
      {"Windows-1252, a character it cannot hold typed", zoe + "\r\n", lodz + "\r\n",
       "Zo\xC3\xAB,1 Jan 1990,1.00,A,5,074.00,40.43,\r\n" + lodz + "\r\n"},
      {"UTF-8 with a byte order mark, text typed", bom + "Ann\r\n", "Bob\r\n",
       bom + "Ann\r\nBob\r\n"},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    test::RecordingHost host;
    const fs::path file = dir.path() / "NAMES.FIL";
    WriteFile(file, c.file);
    auto base = EditorBaseOf(file);
    const std::optional<std::string> text = OpenEditorText(host, file);
    ASSERT_TRUE(text) << c.what;
    EXPECT_EQ(SaveEditedFile(host, file, *text + c.added, base).outcome, EditorSave::Saved)
        << c.what;
    EXPECT_EQ(*ReadFileBytes(file), c.saved) << c.what;
    EXPECT_EQ(base, c.saved) << c.what;
    EXPECT_TRUE(host.messages.empty()) << c.what;
  }
}

// The Options editor saves through the same checked path as the other
// editors, and refuses values its options cannot hold.
TEST(EditorFiles, TheOptionsEditorSavesOnlyWhatItsOptionsHoldAndNothingOverAChange) {
  test::TempDir dir;
  const fs::path file = dir.path() / "Options.opt";
  WriteFile(file, "1\r\n2\r\n");
  OptionValues options{};
  auto base = EditorBaseOf(file);

  test::RecordingHost host;
  EXPECT_EQ(SaveOptionsEditorText(host, dir.path(), "7       seven\n8\n", base, options).outcome,
            EditorSave::Saved);
  EXPECT_EQ(options[1] + options[2], 15.0f);  // read again
  EXPECT_EQ(ReadFileBytes(file), "7       seven\r\n8\r\n");
  EXPECT_TRUE(host.messages.empty());

  // Refused before anything is written, naming the option and its range.
  const struct {
    std::string text;
    std::string message;
  } refusals[] = {
      {"7\r\n1e38\r\n", "Option 2 on line 2 of the file called " + file.string() +
                             " reads \"1e38\"; an option of the kind weight holds a value from "
                             "-100 to 100. Nothing was saved. Please correct the file."},
      {"7\r\nabc\r\n9\r\n", "Option 2 on line 2 of the file called " + file.string() +
                                   " reads \"abc\", which is no number; an option of the kind "
                                   "weight holds a value from -100 to 100. Nothing was saved. "
                                   "Please correct the file."},
  };
  for (const auto& r : refusals) {
    test::RecordingHost refusing;
    EXPECT_EQ(SaveOptionsEditorText(refusing, dir.path(), r.text, base, options).outcome,
              EditorSave::Failed);
    ASSERT_EQ(refusing.messages.size(), 1u);
    EXPECT_EQ(refusing.messages[0].text, r.message);
    EXPECT_EQ(ReadFileBytes(file), "7       seven\r\n8\r\n");
    EXPECT_EQ(options[2], 8.0f);
  }

  // Another instance changed the file: kept, and the options stay as read.
  WriteFile(file, "7       seven\r\n3       from elsewhere\r\n");
  test::RecordingHost keeping;
  keeping.answers.push_back(Answer::No);
  EXPECT_EQ(SaveOptionsEditorText(keeping, dir.path(), "9\r\n8\r\n", base, options).outcome,
            EditorSave::Kept);
  EXPECT_EQ(ReadFileBytes(file), "7       seven\r\n3       from elsewhere\r\n");
  EXPECT_EQ(options[1], 7.0f);
  // Reloaded: the editor and the program both take the file as it is now.
  test::RecordingHost reloading;
  const auto reloaded = SaveOptionsEditorText(reloading, dir.path(), "9\r\n8\r\n", base, options);
  EXPECT_EQ(reloaded.outcome, EditorSave::Reloaded);
  EXPECT_EQ(reloaded.text, "7       seven\r\n3       from elsewhere\r\n");
  EXPECT_EQ(options[2], 3.0f);

  // A folder that takes no save: told, and nothing changes.
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(test::RunUnprivileged([&] {
    test::RecordingHost readOnly;
    const auto result = SaveOptionsEditorText(readOnly, dir.path(), "9\r\n9\r\n", base, options);
    return result.outcome == EditorSave::Failed && options[1] == 7.0f &&
           readOnly.messages.size() == 1 && readOnly.messages[0].title == "Warning!" &&
           readOnly.messages[0].text.starts_with("Cannot save the file called " + file.string());
  }));
  EXPECT_EQ(ReadFileBytes(file), "7       seven\r\n3       from elsewhere\r\n");
}

// The orb editor refuses, as the Options editor does, a text the orb reader
// would find damaged: the line, what it holds and the orbs' range are named
// and nothing is written.
TEST(EditorFiles, TheOrbEditorSavesOnlyAWholeOrbFile) {
  test::TempDir dir;
  const fs::path file = dir.path() / "MAGI.ORB";
  std::string whole;
  for (int k = 1; k <= 17; ++k) whole += (k == 1 ? "3" : "0") + std::string("       orb\r\n");
  WriteFile(file, whole);
  auto base = EditorBaseOf(file);
  const std::string after1 = whole.substr(whole.find('\n') + 1);
  const std::string named = "of the orb file called " + file.string();
  const struct {
    const char* name;
    std::string text;
    std::string message;
  } refusals[] = {
      {"no number", "abc     Conjunction\r\n" + after1,
       "Line 1 " + named + " holds \"abc\", which is not an orb from 0 to 30 degrees."},
      {"out of range", "31\r\n" + after1,
       "Line 1 " + named + " holds \"31\", which is not an orb from 0 to 30 degrees."},
      {"text run into the orb", "3abc\r\n" + after1,
       "Line 1 " + named +
           " holds \"3abc\", read as the orb 3: the number runs into other "
           "text."},
      {"a line lost", after1,
       "The orb file called " + file.string() +
           " holds only 16 of the 17 orbs: it ends after "
           "line 16."},
      {"a blank line", "3\r\n\r\n" + after1,
       "The orb file called " + file.string() + " holds only 1 of the 17 orbs: line 2 is empty."},
  };
  for (const auto& r : refusals) {
    SCOPED_TRACE(r.name);
    test::RecordingHost host;
    EXPECT_EQ(SaveOrbsEditorText(host, file, r.text, base).outcome, EditorSave::Failed);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, r.message + " Nothing was saved. Please correct the file.");
    EXPECT_EQ(host.messages[0].title, "Warning!");
    EXPECT_EQ(ReadFileBytes(file), whole);
  }
  // A whole file is saved, an 18th line ignored as the reader ignores it.
  test::RecordingHost host;
  const std::string edited = "2.5     Conjunction\n" + after1 + "0       extra\n";
  EXPECT_EQ(SaveOrbsEditorText(host, file, edited, base).outcome, EditorSave::Saved);
  EXPECT_EQ(ReadFileBytes(file), "2.5     Conjunction\r\n" + after1 + "0       extra\r\n");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace orv
