#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <locale>
#include <thread>

#include "RecordingHost.h"
#include "RoomOnDisk.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

using test::ReadBytes;
using test::WriteFile;

const std::string kJaneLine = "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com";
const std::string kBob = "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,bob@example.com\r\n";
const InputCheck kValid = [] { return true; };

NatalInputFields JaneDoe() {
  NatalInputFields f;
  f.Name = "Jane Doe", f.Month = "5", f.Day = "12", f.Year = "1959", f.Hour = "10";
  f.Minute = "43", f.TimeZone = "6", f.LongDeg = "75", f.LongMin = "23", f.LatDeg = "39";
  f.LatMin = "45", f.Email = "jane@example.com";
  return f;
}

// A names file in a fresh folder, saved into by `Save`.
struct SaveToDisk : ::testing::Test {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  test::RecordingHost host;
  SaveOutcome Save(const NatalInputFields& f = JaneDoe(),
                   const FilesWriter& write = WriteFilesAtomically) {
    return SavePersonToNamesFile(
        host, f, kValid, [this] { return file.string(); }, write);
  }
};

TEST(NameRecordLine, WritesTheNamesFileForms) {
  NatalInputFields f = JaneDoe();
  EXPECT_EQ(NameRecordLine(f), kJaneLine);
  f.Month = "7", f.Day = "3", f.Year = "2001", f.Hour = "9", f.Minute = "5", f.Pm = true;
  f.TimeZone = "-5.5", f.East = true, f.LatDeg = "5", f.LatMin = "7";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,-075.23,05.07,jane@example.com");
  f.South = true, f.LongDeg = "122", f.LongMin = "0";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,-122.00,-05.07,jane@example.com");
  // East at 0 degrees 0 minutes is no negative zero.
  f.LongDeg = f.LongMin = f.LatDeg = f.LatMin = "0";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,000.00,00.00,jane@example.com");
  f.Day = "31", f.Month = "4";
  EXPECT_EQ(NameRecordLine(f), std::nullopt);

  EXPECT_EQ(NamesBackupPath("/data/CLIENTS.FIL"), fs::path("/data/CLIENTS.OLD"));
  EXPECT_EQ(NamesBackupPath("/data/LIST"), fs::path("/data/LIST.OLD"));
  EXPECT_EQ(NamesBackupPath("/data/KEEP.old"), fs::path("/data/KEEP.old.OLD"));
}

// A locale whose decimal point is a comma, as a user's regional settings may be.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(NameRecordLine, WritesAPointUnderADecimalCommaLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  // Where the system has a decimal-comma locale, the C library uses it too.
  const std::string cPrevious = std::setlocale(LC_NUMERIC, nullptr);
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) break;
  NatalInputFields f = JaneDoe();
  f.LatDeg = "5", f.LatMin = "7", f.South = f.East = true;
  const auto line = NameRecordLine(f);
  std::setlocale(LC_NUMERIC, cPrevious.c_str());
  std::locale::global(previous);
  EXPECT_EQ(line, "Jane Doe,12 May 1959,10.43,A,6,-075.23,-05.07,jane@example.com");
}

TEST_F(SaveToDisk, AddsTheRecordKeepsTheFormerFileAsOldAndReadsBack) {
  WriteFile(file, kBob);
  WriteFile(dir.path() / "NAMES.OLD", "an older backup\r\n");
  EXPECT_EQ(Save(), SaveOutcome::Saved);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ReadBytes(file), kBob + kJaneLine + "\r\n");
  EXPECT_EQ(ReadBytes(dir.path() / "NAMES.OLD"), kBob);

  // What was written reads back into the same fields.
  std::vector<NameRecord> records = ParseNamesFile(*ReadTextLines(file)).Records;
  NatalInputFields back;
  SecondChartInputFields second;
  ASSERT_TRUE(LoadPersonIntoInput(host, records, 1, 0, back, second));
  const NatalInputFields saved = JaneDoe();
  EXPECT_EQ(
      back.Name + " " + test::MomentText(back) + " " + test::PlaceText(back) + back.Email,
      saved.Name + " " + test::MomentText(saved) + " " + test::PlaceText(saved) + saved.Email);

  // A file that is not there is created, without a backup.
  const fs::path fresh = dir.path() / "NEW.FIL";
  EXPECT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, [&] { return fresh.string(); }),
            SaveOutcome::Saved);
  EXPECT_EQ(ReadBytes(fresh), kJaneLine + "\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "NEW.OLD"));
}

TEST_F(SaveToDisk, AsksOncePerNameOnFileWhateverItsCase) {
  const std::string onFile = "JANE DOE,1 Jan 1970,1.00,P,5,074.00,40.43,old@example.com\r\n";
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    WriteFile(file, onFile + kBob);
    host.messages.clear();
    host.answers.push_back(answer);
    ASSERT_EQ(Save(), SaveOutcome::Saved);
    ASSERT_EQ(host.messages.size(), 1u);
    const auto& question = host.messages[0];
    EXPECT_EQ(question.title, "JANE DOE already exists");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(question.text,
              "There is already a name on file matching your current name with the following "
              "associated data: \n\nDate =  1 Jan 1970\nTime =  1.00 P\nTime zone =  5\n"
              "Longitude =  074.00\nLatitude =  40.43\nE-mail address =  old@example.com\n\n"
              "Do you want to replace it?\n\nAnswering 'NO' will append the current name and "
              "data to file, not replace the existing entry.");
    EXPECT_EQ(ReadBytes(file), (answer == Answer::Yes ? "" : onFile) + kBob + kJaneLine + "\r\n");
  }
}

TEST_F(SaveToDisk, CopiesEveryOtherLineByteForByteInItsEncoding) {
  // Quoted fields, a blank line (which ends reading), LF and CR LF line
  // ends, a Windows-1252 name, and a short last line without a break.
  const std::string before =
      "\"Doe, John\",1 Jan 1970,1.00,A,5,074.00,40.43,\"a,b\"\r\n"
      "\r\n"
      "M\xFCller,1 Jan 1970,1.00,A,-1,-008.41,47.22,m\n"
      "Short,3 Mar 1973";
  WriteFile(file, before);
  NatalInputFields f = JaneDoe();
  f.Name = "Jos\xC3\xA9 \xE2\x82\xAC";  // "José €" in UTF-8
  ASSERT_EQ(Save(f), SaveOutcome::Saved);
  EXPECT_TRUE(host.messages.empty());
  // The new record goes before the blank line, where the list ends.
  const size_t listEnd = before.find("\r\n") + 2;
  EXPECT_EQ(ReadBytes(file),
            before.substr(0, listEnd) +
                "Jos\xE9 \x80,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n" +
                before.substr(listEnd));
  EXPECT_EQ(ReadBytes(dir.path() / "NAMES.OLD"), before);
}

TEST_F(SaveToDisk, RefusesWhatCannotBeReadBackAndTouchesNothing) {
  const struct {
    const char *name, *email, *day, *message;
  } cases[] = {
      {"Doe, Jane", "e", "12",
       "You cannot have a comma in the name. Please remove the comma and try again."},
      {"Jane \"JD\" Doe", "e", "12",
       "You cannot have a double quote in the name. Please remove the double quote and try "
       "again."},
      {"  ", "e", "12",
       "You cannot save a person without a name. Please type the name and try again."},
      {"Jane", "a,b", "12",
       "You cannot have a comma in the e-mail address. Please remove the comma and try again."},
      {"Jane", "\"a\"", "12",
       "You cannot have a double quote in the e-mail address. Please remove the double quote "
       "and try again."},
      {"Jane", "e", "32",
       "The birth date is not a real date. Please correct the date and try again."},
  };
  for (const auto& c : cases) {
    NatalInputFields f = JaneDoe();
    f.Name = c.name, f.Email = c.email, f.Day = c.day;
    host.messages.clear();
    EXPECT_EQ(Save(f), SaveOutcome::Refused) << c.name;
    ASSERT_EQ(host.messages.size(), 1u) << c.name;
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].title, "Warning!");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  }
  EXPECT_FALSE(fs::exists(file));  // the file was never chosen nor written
}

TEST_F(SaveToDisk, RunsTheInputChecksFirstAndStopsOnCancel) {
  WriteFile(file, kBob);
  int checks = 0;
  bool chooserAsked = false;
  const auto chooser = [&] { return chooserAsked = true, file.string(); };
  EXPECT_EQ(SavePersonToNamesFile(
                host, JaneDoe(), [&] { return ++checks, false; }, chooser),
            SaveOutcome::Refused);
  EXPECT_EQ(checks, 1);
  EXPECT_FALSE(chooserAsked);
  EXPECT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, [] { return std::string(); }),
            SaveOutcome::Cancelled);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ReadBytes(file), kBob);
  EXPECT_FALSE(fs::exists(dir.path() / "NAMES.OLD"));
}

// The same name in another case matches in every script.
TEST_F(SaveToDisk, AsksForANameOnFileInCapitalsWithAccents) {
  WriteFile(file, "ZOË MÜLLER,1 Jan 1970,1.00,P,5,074.00,40.43,\r\n");
  host.answers.push_back(Answer::No);
  NatalInputFields zoe = JaneDoe();
  zoe.Name = "Zoë Müller";
  ASSERT_EQ(Save(zoe), SaveOutcome::Saved);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "ZOË MÜLLER already exists");
}

// A save that cannot be written leaves the names file and the backup of the
// save before it as they were, and no stray work or lock file: a writer that
// fails once the work files are written, and a disk with room for the new
// backup but not the new names file.
TEST_F(SaveToDisk, AFailedSaveLeavesTheFileAndItsBackupAsTheyWere) {
  const std::string before = "\"Doe, John\",1 Jan 1970,1.00,A,5,074.00,40.43,x\r\n\r\nShort,1";
  const std::string olderBackup = "an older backup\r\n";
  const FilesWriter failing = [&](const std::vector<FileToSave>& files, fs::path& failed) {
    for (const FileToSave& f : files) WriteFile(f.target.string() + ".work", f.bytes);
    for (const FileToSave& f : files) fs::remove(f.target.string() + ".work");
    failed = files.back().target;
    return std::string("Operation not permitted");
  };
  const struct {
    bool fullDisk;
    std::string error;
  } cases[] = {{false, "Operation not permitted"}, {true, std::strerror(EFBIG)}};
  for (const auto& c : cases) {
    WriteFile(file, before);
    WriteFile(dir.path() / "NAMES.OLD", olderBackup);
    host.messages.clear();
    if (c.fullDisk) {
      const test::RoomOnDisk room(before.size());
      EXPECT_EQ(Save(), SaveOutcome::Failed) << c.error;
    } else {
      EXPECT_EQ(Save(JaneDoe(), failing), SaveOutcome::Failed) << c.error;
    }
    EXPECT_EQ(ReadBytes(file), before) << c.error;
    EXPECT_EQ(ReadBytes(dir.path() / "NAMES.OLD"), olderBackup) << c.error;
    ASSERT_EQ(host.messages.size(), 1u) << c.error;
    EXPECT_EQ(host.messages[0].title, "Warning!");
    EXPECT_EQ(host.messages[0].text, "Cannot save the names file called " + file.string() + ": " +
                                         c.error + ". The names file was left as it was.");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << c.error;
  }
}

TEST_F(SaveToDisk, InAReadOnlyFolderSaysSoAndChangesNothing) {
  WriteFile(file, kBob);
  ::chmod(file.c_str(), 0644);
  ::chmod(dir.path().c_str(), 0555);
  EXPECT_TRUE(test::RunUnprivileged([&] {
    return Save() == SaveOutcome::Failed && host.messages.size() == 1 &&
           host.messages[0].text == "Cannot save the names file called " + file.string() +
                                        ": the file is read-only. The names file was left as "
                                        "it was.";
  }));
  EXPECT_EQ(ReadBytes(file), kBob);
  EXPECT_FALSE(fs::exists(dir.path() / "NAMES.OLD"));
}

// A read-only names file refuses the save before anything is written: its
// backup keeps the older copy it held.
TEST_F(SaveToDisk, AReadOnlyFileKeepsItsBackupUntouched) {
  WriteFile(file, kBob);
  WriteFile(dir.path() / "NAMES.OLD", "an older backup\r\n");
  ::chmod(file.c_str(), 0444);
  EXPECT_EQ(Save(), SaveOutcome::Failed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot save the names file called " + file.string() +
                                       ": the file is read-only. The names file was left as it "
                                       "was.");
  EXPECT_EQ(ReadBytes(file), kBob);
  EXPECT_EQ(ReadBytes(dir.path() / "NAMES.OLD"), "an older backup\r\n");
}

std::vector<std::string> Listed(const fs::path& file) {
  std::vector<std::string> names;
  for (const NameRecord& r : ParseNamesFile(*ReadTextLines(file)).Records) names.push_back(r.Name);
  return names;
}

// The new person is listed and nobody listed before is lost, whatever the
// file ends with: an empty line (the shipped file plus one empty line lost
// the new person), several, or a record cut short.
TEST_F(SaveToDisk, TheNewPersonIsListedWhereTheListEnds) {
  const std::string shipped = ReadBytes(fs::path(ORVANTA_DATA_DIR) / "NAMES.FIL");
  for (const std::string& before :
       {shipped + "\r\n", shipped + "\r\n\r\n   \r\n", kBob + "Short,3 Mar 1973",
        kBob + "\r\n" + "Hidden,1 Jan 1970,1.00,A,5,074.00,40.43,h\r\n"}) {
    WriteFile(file, before);
    std::vector<std::string> expected = Listed(file);
    ASSERT_EQ(Save(), SaveOutcome::Saved);
    expected.push_back("Jane Doe");
    EXPECT_EQ(Listed(file), expected) << before;
  }
}

// A record one field short takes the next line's name as its e-mail, and
// every record after it is read from the wrong fields: the new one would
// be counted but listed under another field's text. Refused, and nothing
// is written.
TEST_F(SaveToDisk, AFileOutOfStepWithItsFieldsIsLeftAlone) {
  const std::string before = "Ann,1 Jan 1990,1.00,A,5,074.00,40.43\r\n" + kBob;
  WriteFile(file, before);
  EXPECT_EQ(Save(), SaveOutcome::Failed);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The names file called " + file.string() +
                " has a broken record near line 2, so the new person could not be added "
                "safely. Please correct the file with the Edit this List button of the Names "
                "window, then save again. The names file was left as it was.");
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(fs::exists(dir.path() / "NAMES.OLD"));
}

// A pasted line break never splits the record, and a Windows-1252 file
// that cannot hold the name becomes UTF-8 with every earlier name intact.
TEST_F(SaveToDisk, TheRecordStaysOneLineAndKeepsEveryCharacter) {
  WriteFile(file, "M\xFC" "ller,1 Jan 1970,1.00,A,-1,-008.41,47.22,m\r\n");
  NatalInputFields f = JaneDoe();
  f.Name = "Pasted Name\n";
  f.Email = "a@b.c\r\n";
  ASSERT_EQ(Save(f), SaveOutcome::Saved);
  EXPECT_EQ(ReadBytes(file), "M\xFC" "ller,1 Jan 1970,1.00,A,-1,-008.41,47.22,m\r\n"
                             "Pasted Name,12 May 1959,10.43,A,6,075.23,39.45,a@b.c\r\n");
  f.Name = "\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82\xC4\x87";  // "Łukasz Żółć"
  ASSERT_EQ(Save(f), SaveOutcome::Saved);
  EXPECT_TRUE(IsUtf8(ReadBytes(file)));
  EXPECT_EQ(Listed(file), (std::vector<std::string>{"M\xC3\xBCller", "Pasted Name", f.Name}));
  EXPECT_TRUE(host.messages.empty());
  // A stray byte (no typed text has one) would turn the file's encoding.
  EXPECT_EQ(StoredFieldText("\x89" "Ann\t"), "\xE2\x80\xB0" "Ann");
  EXPECT_EQ(StoredFieldText("\xEF\xBB\xBF" "Ann"), "Ann");
}

// Two instances saving at once: every save is in the file.
TEST_F(SaveToDisk, TwoInstancesLoseNoSave) {
  WriteFile(file, kBob);
  constexpr int kSaves = 25;
  auto instance = [&](const std::string& who) {
    test::RecordingHost own;
    for (int i = 0; i < kSaves; ++i) {
      NatalInputFields f = JaneDoe();
      f.Name = who + std::to_string(i);
      if (SavePersonToNamesFile(own, f, kValid, [&] { return file.string(); }) !=
          SaveOutcome::Saved)
        ADD_FAILURE() << own.messages.back().text;
    }
  };
  std::thread a(instance, "A"), b(instance, "B");
  a.join();
  b.join();
  EXPECT_EQ(Listed(file).size(), 1u + 2 * kSaves);
}

// Another instance saves while the "replace it?" question is open: its
// person stays, and the answer still applies to the record it was about.
TEST_F(SaveToDisk, ASaveMadeWhileTheQuestionIsOpenStays) {
  WriteFile(file, kBob + kJaneLine + "\r\n");
  struct Meanwhile : test::RecordingHost {
    fs::path file;
    Answer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                       MessageButtons buttons, std::optional<Answer> defaultAnswer) override {
      if (buttons == MessageButtons::YesNo) {
        test::RecordingHost other;
        NatalInputFields kim = JaneDoe();
        kim.Name = "Kim";
        SavePersonToNamesFile(other, kim, kValid, [&] { return file.string(); });
      }
      return RecordingHost::ShowMessage(text, title, icon, buttons, defaultAnswer);
    }
  } asking;
  asking.file = file;
  ASSERT_EQ(SavePersonToNamesFile(asking, JaneDoe(), kValid, [&] { return file.string(); }),
            SaveOutcome::Saved);
  EXPECT_EQ(Listed(file), (std::vector<std::string>{"Bob", "Kim", "Jane Doe"}));
}

}  // namespace
}  // namespace orv
