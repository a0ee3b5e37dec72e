#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "shell/OptionFiles.h"
#include "core/OptionNumbers.h"
#include "shell/ui/TextFileEditor.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

const fs::path kData = ORVANTA_DATA_DIR;

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

ino_t Inode(const fs::path& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_ino;
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

QPushButton* Button(QWidget& window, const char* name) {
  return window.findChild<QPushButton*>(name);
}

// A program folder with the shipped options and orbs and small names,
// cities and header files.
struct Fixture {
  test::TempDir dir;
  test::RecordingHost host;
  Host* dialogs = &host;  // what the editors of FiveEditors tell and ask through
  Workbench wb;
  Fixture() {
    wb.AppPath = dir.path();
    for (const char* name : {"Options.opt", "Options.mst", "NATAL.ORB", "TRANSIT.ORB"})
      fs::copy_file(kData / name, dir.path() / name);
    WriteFile(dir.path() / "NAMES.FIL",
              "Example,12 May 1959,10.43,A,6,75.23,39.45,someone@example.org\r\n"
              "Other,1 Jan 1990,1.00,A,5,74.00,40.43,\r\n");
    WriteFile(dir.path() / "GA_MA.LL", "Atlanta,GA,084W23,33N45,5\r\nBoston,MA,71W04,42N22,5\r\n");
    WriteFile(dir.path() / "PERSONAL.NAM", "Ann Example\r\nConsulting astrologer\r\n");
    wb.Settings = DefaultSettings(dir.path());
    wb.OrbFile = dir.path() / "TRANSIT.ORB";
    ReadOptionsFile(host, dir.path(), wb.Options);
  }
};

struct EditorCase {
  const char* windowName;
  const char* fileName;
  std::function<std::optional<EditorSetup>(Fixture&)> setup;
};

std::vector<EditorCase> FiveEditors() {
  return {
      {"Options", "Options.opt", [](Fixture& f) { return OptionsEditorSetup(f.wb, *f.dialogs); }},
      {"OrbsEdit", "TRANSIT.ORB", [](Fixture& f) { return OrbsEditorSetup(f.wb, *f.dialogs); }},
      {"P_Name", "PERSONAL.NAM",
       [](Fixture& f) { return PersonalHeaderEditorSetup(f.wb, *f.dialogs); }},
      {"NameEdit", "NAMES.FIL",
       [](Fixture& f) { return NamesFileEditorSetup(f.wb, *f.dialogs, {}, {}); }},
      {"LongLat", "GA_MA.LL",
       [](Fixture& f) { return CitiesFileEditorSetup(f.wb, *f.dialogs, {}); }},
  };
}

TEST(TextFileEditor, EachEditorOpensItsFileWithItsCaptionAndButtons) {
  for (const EditorCase& c : FiveEditors()) {
    SCOPED_TRACE(c.windowName);
    Fixture f;
    auto setup = c.setup(f);
    ASSERT_TRUE(setup);
    TextFileEditor editor(std::move(*setup));
    const std::string expectedCaption =
        std::string(c.windowName) == "Options" || std::string(c.windowName) == "P_Name"
            ? std::string("Edit: ") + c.fileName
            : "Edit: " + (f.dir.path() / c.fileName).string();
    EXPECT_EQ(editor.windowTitle().toStdString(), expectedCaption);
    EXPECT_EQ(editor.objectName().toStdString(), c.windowName);
    EXPECT_EQ(editor.Text(), ReadFileBytes(f.dir.path() / c.fileName));
    EXPECT_EQ(editor.txtContent()->objectName(), "txtContent");
    ASSERT_NE(Button(editor, "btnSave"), nullptr);
    ASSERT_NE(Button(editor, "btnQuit"), nullptr);
    EXPECT_EQ(Button(editor, "cmdRestoreDefault") != nullptr,
              std::string(c.windowName) == "Options");
    const bool hint = !editor.findChildren<QLabel*>().isEmpty();
    EXPECT_EQ(hint, std::string(c.windowName) == "NameEdit");
    EXPECT_TRUE(f.host.messages.empty());
  }
}

TEST(TextFileEditor, SavingUnchangedIsByteIdenticalAndAChangeIsSavedAtomically) {
  for (const EditorCase& c : FiveEditors()) {
    SCOPED_TRACE(c.windowName);
    Fixture f;
    const fs::path file = f.dir.path() / c.fileName;
    const auto original = ReadFileBytes(file);
    const auto entries = FolderEntries(f.dir.path());
    auto setup = c.setup(f);
    ASSERT_TRUE(setup);
    TextFileEditor editor(std::move(*setup));

    Button(editor, "btnSave")->click();
    EXPECT_EQ(ReadFileBytes(file), original);

    const ino_t before = Inode(file);
    editor.txtContent()->moveCursor(QTextCursor::End);  // as a user types at the end
    editor.txtContent()->insertPlainText("0       added by the test\n");
    Button(editor, "btnSave")->click();
    EXPECT_EQ(ReadFileBytes(file), *original + "0       added by the test\r\n");
    // Replaced by a rename, not rewritten in place, and no leftovers.
    EXPECT_NE(Inode(file), before);
    EXPECT_EQ(FolderEntries(f.dir.path()), entries);
    EXPECT_TRUE(f.host.messages.empty());
  }
}

// The text widget's plain text turns a no-break space into a space, and a
// line separator into a line break; the editors keep both. An untouched
// text saves byte for byte, its mixed line breaks too; a typed one keeps
// the no-break space and takes the first line's line break.
TEST(TextFileEditor, AnUnchangedSaveKeepsNoBreakSpacesAndMixedLineBreaks) {
  const struct {
    const char* what;
    std::string endOfFirstLine;
    bool typing;  // whether to type too: a line separator would make a line no option holds
  } forms[] = {
      {"Windows-1252", "\xA0" "x", true},
      {"UTF-8, a line separator", "\xC2\xA0" "x\xE2\x80\xA8" "y", false},
  };
  for (const auto& form : forms) {
    for (const EditorCase& c : FiveEditors()) {
      SCOPED_TRACE(std::string(form.what) + ", " + c.windowName);
      Fixture f;
      const fs::path file = f.dir.path() / c.fileName;
      // The first line ends in the form's characters, the second in LF alone.
      std::string typed = *ReadFileBytes(file);
      const size_t firstEnd = typed.find("\r\n");
      ASSERT_NE(typed.find("\r\n", firstEnd + 2), std::string::npos);
      typed.insert(firstEnd, form.endOfFirstLine);
      std::string mixed = typed;
      mixed.erase(mixed.find("\r\n", firstEnd + form.endOfFirstLine.size() + 2), 1);
      WriteFile(file, mixed);
      auto setup = c.setup(f);
      ASSERT_TRUE(setup);
      TextFileEditor editor(std::move(*setup));
      Button(editor, "btnSave")->click();
      EXPECT_EQ(ReadFileBytes(file), mixed);
      if (form.typing) {
        editor.txtContent()->moveCursor(QTextCursor::End);
        editor.txtContent()->insertPlainText("0       added by the test\n");
        Button(editor, "btnSave")->click();
        EXPECT_EQ(ReadFileBytes(file), typed + "0       added by the test\r\n");
      }
      EXPECT_TRUE(f.host.messages.empty());
    }
  }
}

TEST(TextFileEditor, QuitClosesWithoutSavingAndLetsTheListsReload) {
  Fixture f;
  int namesReloaded = 0, namesSaved = 0;
  auto setup = NamesFileEditorSetup(
      f.wb, f.host, [&] { ++namesSaved; }, [&] { ++namesReloaded; });
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));
  editor.show();
  const auto original = ReadFileBytes(f.dir.path() / "NAMES.FIL");
  editor.txtContent()->setPlainText("dropped");
  Button(editor, "btnQuit")->click();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(namesReloaded, 1);
  EXPECT_EQ(namesSaved, 0);
  EXPECT_EQ(ReadFileBytes(f.dir.path() / "NAMES.FIL"), original);
}

TEST(TextFileEditor, OptionFortyTwoSetToZeroTurnsTheTipsOffForTheNextStart) {
  Fixture f;
  ASSERT_NE(f.wb.Options[OptionNumber::TipOfTheDayAtStart], 0.0f);
  int saved = 0;
  auto setup = OptionsEditorSetup(f.wb, f.host, [&] { ++saved; });
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));

  // Line 42 as a user would change it: the number at its start.
  QStringList lines = editor.txtContent()->toPlainText().split('\n');
  ASSERT_GE(lines.size(), 42);
  ASSERT_TRUE(lines[41].startsWith("1 "));
  lines[41].replace(0, 1, "0");
  editor.txtContent()->setPlainText(lines.join('\n'));
  Button(editor, "btnSave")->click();
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(f.wb.Options[OptionNumber::TipOfTheDayAtStart], 0.0f);

  // The next start reads the file afresh.
  OptionValues restarted{};
  ASSERT_TRUE(ReadOptionsFile(f.host, f.dir.path(), restarted));
  EXPECT_EQ(restarted[OptionNumber::TipOfTheDayAtStart], 0.0f);
  EXPECT_EQ(restarted[OptionNumber::HouseSystemAtStart], f.wb.Options[27]);

  // Restore Default shows the defaults again and the program uses them.
  Button(editor, "cmdRestoreDefault")->click();
  EXPECT_EQ(editor.Text(), ReadFileBytes(kData / "Options.mst"));
  EXPECT_EQ(ReadFileBytes(f.dir.path() / "Options.opt"), ReadFileBytes(kData / "Options.mst"));
  EXPECT_EQ(f.wb.Options[OptionNumber::TipOfTheDayAtStart], 1.0f);
  EXPECT_TRUE(f.host.messages.empty());
}

// Every editor, through the real dialogs: Enter at the question about a file
// changed since the editor opened it keeps the typed text, and the file as
// the other window left it. A folder put in the file's place is named as
// one, with nothing asked and nothing loaded (the Options editor would show
// the default values).
TEST(TextFileEditor, EnterAtTheChangedFileQuestionKeepsTheTypedText) {
  for (const bool folder : {false, true}) {
    for (const EditorCase& c : FiveEditors()) {
      const std::string trace = std::string(c.windowName) + (folder ? ", a folder" : "");
      Fixture f;
      QtHost dialogs;
      f.dialogs = &dialogs;
      auto setup = c.setup(f);
      ASSERT_TRUE(setup) << trace;
      TextFileEditor editor(std::move(*setup));
      editor.show();
      editor.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&editor)) << trace;
      const fs::path file = f.dir.path() / c.fileName;
      const std::string elsewhere = *ReadFileBytes(file) + "changed elsewhere\r\n";
      if (folder) {
        fs::remove(file);
        fs::create_directory(file);
      } else {
        WriteFile(file, elsewhere);
      }
      // Typed at the end of the first line, where an option or orb file
      // takes words after the number too.
      editor.txtContent()->moveCursor(QTextCursor::Start);
      editor.txtContent()->moveCursor(QTextCursor::EndOfLine);
      QTest::keyClicks(editor.txtContent(), " typed");
      const std::string typed = editor.Text();
      const OptionValues options = f.wb.Options;
      // Every question Save asks is answered with Enter.
      std::vector<std::string> asked;
      QTimer answering;
      QObject::connect(&answering, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          asked.push_back(box->text().toStdString());
          QTest::keyClick(box, Qt::Key_Return);
        }
      });
      answering.start(5);
      Button(editor, "btnSave")->click();
      answering.stop();
      EXPECT_EQ(asked,
                std::vector<std::string>{
                    folder ? "Cannot save the file called " + file.string() + ": it is a folder."
                           : "The file called " + file.string() +
                                 " was changed by another window or program after this "
                                 "editor opened it, so your text was not saved over "
                                 "it.\n\nDo you want to load the file as it is now? Your "
                                 "changes in this editor would be lost."})
          << trace;
      EXPECT_EQ(editor.Text(), typed) << trace;
      EXPECT_EQ(f.wb.Options, options) << trace;
      EXPECT_EQ(fs::is_directory(file), folder) << trace;
      if (!folder) {
        EXPECT_EQ(ReadFileBytes(file), elsewhere) << trace;
      }
    }
  }
}

// Option 27 changed by another instance while the editor was open survives
// a Save of the editor's own change.
TEST(TextFileEditor, TheOptionsEditorKeepsAChangeMadeSinceItOpened) {
  Fixture f;
  auto setup = OptionsEditorSetup(f.wb, f.host);
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));
  auto lines = ReadTextLines(f.dir.path() / "Options.opt").value();
  lines.at(26) = "3       House system at start";
  WriteFile(f.dir.path() / "Options.opt", JoinLinesCrLf(lines));

  QStringList shown = editor.txtContent()->toPlainText().split('\n');
  shown[41].replace(0, 1, "0");  // the tip of the day off
  editor.txtContent()->setPlainText(shown.join('\n'));
  f.host.answers.push_back(Answer::No);  // keep the editor's text
  Button(editor, "btnSave")->click();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_NE(f.host.messages[0].text.find("was changed by another window or program"),
            std::string::npos);
  EXPECT_EQ(ReadTextLines(f.dir.path() / "Options.opt").value().at(26),
            "3       House system at start");
  EXPECT_TRUE(editor.Text().starts_with("-2"));  // the editor's text stays

  // Loading the file as it is now shows and uses the other instance's value.
  f.host.answers.push_back(Answer::Yes);
  Button(editor, "btnSave")->click();
  EXPECT_EQ(f.wb.Options[OptionNumber::HouseSystemAtStart], 3.0f);
  EXPECT_EQ(editor.txtContent()->toPlainText().split('\n').at(26), "3       House system at start");
}

TEST(TextFileEditor, AnOptionOutOfItsRangeIsRefusedWithItsRange) {
  Fixture f;
  auto setup = OptionsEditorSetup(f.wb, f.host);
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));
  const auto before = ReadFileBytes(f.dir.path() / "Options.opt");
  QStringList shown = editor.txtContent()->toPlainText().split('\n');
  shown[17] = "abc     Default time zone";  // the NOW data would get zone 0
  editor.txtContent()->setPlainText(shown.join('\n'));
  Button(editor, "btnSave")->click();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text,
            "Option 18 on line 18 of the file called " + (f.dir.path() / "Options.opt").string() +
                " reads \"abc\", which is no number; an option of the kind zone holds a value "
                "from -13 to 12. Nothing was saved. Please correct the file.");
  EXPECT_EQ(ReadFileBytes(f.dir.path() / "Options.opt"), before);
  EXPECT_EQ(f.wb.Options[18], 5.0f);
}

// Orbs, Select new orb file, MAGI.ORB, Edit orb file, a first value that is
// no number: refused as the Options editor refuses it, nothing written.
TEST(TextFileEditor, AnOrbThatIsNoNumberIsRefusedWithItsRange) {
  Fixture f;
  fs::copy_file(kData / "MAGI.ORB", f.dir.path() / "MAGI.ORB");
  f.wb.OrbFile = f.dir.path() / "MAGI.ORB";
  auto setup = OrbsEditorSetup(f.wb, f.host);
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));
  const auto before = ReadFileBytes(f.wb.OrbFile);
  QStringList shown = editor.txtContent()->toPlainText().split('\n');
  shown[0] = "abc" + shown[0].mid(1);
  editor.txtContent()->setPlainText(shown.join('\n'));
  Button(editor, "btnSave")->click();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text,
            "Line 1 of the orb file called " + f.wb.OrbFile.string() +
                " holds \"abc\", which is not an orb from 0 to 30 degrees. Nothing was saved. "
                "Please correct the file.");
  EXPECT_EQ(ReadFileBytes(f.wb.OrbFile), before);
  EXPECT_EQ(editor.txtContent()->toPlainText(), shown.join('\n'));  // the edit stays to mend
}

TEST(TextFileEditor, AFailedRestoreKeepsTheTextShown) {
  Fixture f;
  auto setup = OptionsEditorSetup(f.wb, f.host);
  ASSERT_TRUE(setup);
  TextFileEditor editor(std::move(*setup));
  editor.txtContent()->setPlainText("7       edited, not saved");
  fs::remove(f.dir.path() / "Options.mst");
  Button(editor, "cmdRestoreDefault")->click();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "Error in operation. Cannot do what is requested.");
  EXPECT_EQ(editor.Text(), "7       edited, not saved");
}

TEST(TextFileEditor, MissingFilesOpenNoEditor) {
  Fixture f;
  fs::remove(f.dir.path() / "Options.opt");
  fs::remove(f.dir.path() / "GA_MA.LL");
  f.wb.OrbFile = f.dir.path() / "NONE.ORB";
  f.host.answers.push_back(Answer::No);  // do not restore Options.opt
  EXPECT_FALSE(OptionsEditorSetup(f.wb, f.host));
  EXPECT_FALSE(OrbsEditorSetup(f.wb, f.host));
  EXPECT_FALSE(CitiesFileEditorSetup(f.wb, f.host, {}));
  ASSERT_EQ(f.host.messages.size(), 3u);
  EXPECT_EQ(f.host.messages[1].text,
            "Cannot find the file called " + (f.dir.path() / "NONE.ORB").string() + ".");
  EXPECT_EQ(f.host.messages[2].text,
            "Cannot find the file called " + (f.dir.path() / "GA_MA.LL").string() + ".");
  EXPECT_FALSE(fs::exists(f.dir.path() / "Options.opt"));
}

}  // namespace
}  // namespace orv
