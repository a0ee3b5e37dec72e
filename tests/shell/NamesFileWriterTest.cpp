#include <gtest/gtest.h>
#include <sys/stat.h>

#include <clocale>
#include <fstream>
#include <locale>

#include "RecordingHost.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "platform/Files.h"
#include "shell/input/NamesFile.h"
#include "shell/input/NamesFileWriter.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}
std::string Bytes(const fs::path& p) { return ReadFileBytes(p).value_or("<missing>"); }

NatalInputFields JaneDoe() {
  NatalInputFields f;
  f.Name = "Jane Doe";
  f.Month = "5";
  f.Day = "12";
  f.Year = "1959";
  f.Hour = "10";
  f.Minute = "43";
  f.TimeZone = "6";
  f.LongDeg = "75";
  f.LongMin = "23";
  f.LatDeg = "39";
  f.LatMin = "45";
  f.Email = "jane@example.com";
  return f;
}

const InputCheck kValid = [] { return true; };

NamesFileChooser Choose(const fs::path& p) {
  return [p] { return p.string(); };
}

TEST(NameRecordLine, WritesTheNamesFileForms) {
  NatalInputFields f = JaneDoe();
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com");

  f.Month = "7";
  f.Day = "3";
  f.Year = "2001";
  f.Hour = "9";
  f.Minute = "5";
  f.Pm = true;
  f.TimeZone = "-5.5";
  f.East = true;
  f.LatDeg = "5";
  f.LatMin = "7";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,-075.23,05.07,jane@example.com");
  f.South = true;
  f.LongDeg = "122";
  f.LongMin = "0";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,-122.00,-05.07,jane@example.com");
  // East at 0 degrees 0 minutes is no negative zero.
  f.LongDeg = f.LongMin = f.LatDeg = f.LatMin = "0";
  EXPECT_EQ(NameRecordLine(f), "Jane Doe,03 Jul 2001,9.05,P,-5.5,000.00,00.00,jane@example.com");

  f.Day = "31";
  f.Month = "4";
  EXPECT_EQ(NameRecordLine(f), std::nullopt);
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
  const auto line = NameRecordLine(f);
  f.LatDeg = "5";
  f.LatMin = "7";
  f.South = true;
  f.East = true;
  const auto south = NameRecordLine(f);
  std::setlocale(LC_NUMERIC, cPrevious.c_str());
  std::locale::global(previous);
  EXPECT_EQ(line, "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com");
  EXPECT_EQ(south, "Jane Doe,12 May 1959,10.43,A,6,-075.23,-05.07,jane@example.com");
}

TEST(NamesBackupPath, ReplacesTheLastThreeCharacters) {
  EXPECT_EQ(NamesBackupPath("/data/CLIENTS.FIL"), fs::path("/data/CLIENTS.OLD"));
  EXPECT_EQ(NamesBackupPath("/data/names.fil"), fs::path("/data/names.OLD"));
  EXPECT_EQ(NamesBackupPath("/data/LIST"), fs::path("/data/LIST.OLD"));
  EXPECT_EQ(NamesBackupPath("/data/KEEP.old"), fs::path("/data/KEEP.old.OLD"));
}

TEST(SaveToDisk, AddsTheRecordAndKeepsTheFormerFileAsOld) {
  test::TempDir dir;
  const fs::path file = dir.path() / "CLIENTS.FIL";
  const std::string before = "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,bob@example.com\r\n";
  WriteBytes(file, before);
  WriteBytes(dir.path() / "CLIENTS.OLD", "an older backup\r\n");
  test::RecordingHost host;
  EXPECT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file)), SaveOutcome::Saved);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Bytes(file),
            before + "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n");
  EXPECT_EQ(Bytes(dir.path() / "CLIENTS.OLD"), before);

  // What was written reads back into the same fields.
  const auto content = ParseNamesFile(*ReadTextLines(file));
  ASSERT_EQ(content.Records.size(), 2u);
  NatalInputFields back;
  SecondChartInputFields second;
  std::vector<NameRecord> records = content.Records;
  ASSERT_TRUE(LoadPersonIntoInput(host, records, 1, 0, back, second));
  const NatalInputFields saved = JaneDoe();
  EXPECT_EQ(back.Name, saved.Name);
  EXPECT_EQ(back.Month, saved.Month);
  EXPECT_EQ(back.Day, saved.Day);
  EXPECT_EQ(back.Year, saved.Year);
  EXPECT_EQ(back.Hour, saved.Hour);
  EXPECT_EQ(back.Minute, saved.Minute);
  EXPECT_EQ(back.TimeZone, saved.TimeZone);
  EXPECT_EQ(back.LongDeg, saved.LongDeg);
  EXPECT_EQ(back.LongMin, saved.LongMin);
  EXPECT_EQ(back.LatDeg, saved.LatDeg);
  EXPECT_EQ(back.LatMin, saved.LatMin);
  EXPECT_EQ(back.Email, saved.Email);
}

TEST(SaveToDisk, AsksOncePerNameOnFileWhateverItsCase) {
  const std::string onFile = "JANE DOE,1 Jan 1970,1.00,P,5,074.00,40.43,old@example.com\r\n";
  const std::string other = "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,bob@example.com\r\n";
  const std::string added = "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n";
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    test::TempDir dir;
    const fs::path file = dir.path() / "NAMES.FIL";
    WriteBytes(file, onFile + other);
    test::RecordingHost host;
    host.answers.push_back(answer);
    ASSERT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file)), SaveOutcome::Saved);
    ASSERT_EQ(host.messages.size(), 1u);
    const auto& question = host.messages[0];
    EXPECT_EQ(question.title, "JANE DOE already exists");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.text,
              "There is already a name on file matching your current name with the following "
              "associated data: \n\nDate =  1 Jan 1970\nTime =  1.00 P\nTime zone =  5\n"
              "Longitude =  074.00\nLatitude =  40.43\nE-mail address =  old@example.com\n\n"
              "Do you want to replace it?\n\nAnswering 'NO' will append the current name and "
              "data to file, not replace the existing entry.");
    EXPECT_EQ(Bytes(file), answer == Answer::Yes ? other + added : onFile + other + added);
  }
}

TEST(SaveToDisk, CopiesEveryOtherLineByteForByte) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  // Quoted fields, a blank line (which ends reading), LF and CR LF line
  // ends, a line after the blank one, and a short last line without a break.
  const std::string before =
      "\"Doe, John\",1 Jan 1970,1.00,A,5,074.00,40.43,\"a,b\"\r\n"
      "\r\n"
      "After,2 Feb 1972,2.00,P,5,074.00,40.43,c\n"
      "Short,3 Mar 1973";
  WriteBytes(file, before);
  test::RecordingHost host;
  ASSERT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file)), SaveOutcome::Saved);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Bytes(file),
            before + "\r\nJane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n");
  EXPECT_EQ(Bytes(dir.path() / "NAMES.OLD"), before);
}

TEST(SaveToDisk, KeepsAWindows1252FileInItsEncoding) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  const std::string before = "M\xFCller,1 Jan 1970,1.00,A,-1,-008.41,47.22,m\r\n";  // cp1252
  WriteBytes(file, before);
  NatalInputFields f = JaneDoe();
  f.Name = "Jos\xC3\xA9 \xE2\x82\xAC";  // "José €" in UTF-8
  test::RecordingHost host;
  ASSERT_EQ(SavePersonToNamesFile(host, f, kValid, Choose(file)), SaveOutcome::Saved);
  EXPECT_EQ(Bytes(file),
            before + "Jos\xE9 \x80,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n");
  const auto lines = *ReadTextLines(file);
  EXPECT_EQ(lines[1].substr(0, 9), "Jos\xC3\xA9 \xE2\x82\xAC");
}

TEST(SaveToDisk, CreatesAFileThatIsNotThereWithoutABackup) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NEW.FIL";
  test::RecordingHost host;
  ASSERT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file)), SaveOutcome::Saved);
  EXPECT_EQ(Bytes(file), "Jane Doe,12 May 1959,10.43,A,6,075.23,39.45,jane@example.com\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "NEW.OLD"));
}

TEST(SaveToDisk, RefusesWhatCannotBeReadBackAndTouchesNothing) {
  const struct {
    const char* name;
    const char* email;
    const char* message;
  } cases[] = {
      {"Doe, Jane", "e",
       "You cannot have a comma in the name. Please remove the comma and try again."},
      {"Jane \"JD\" Doe", "e",
       "You cannot have a double quote in the name. Please remove the double quote and try "
       "again."},
      {"  ", "e", "You cannot save a person without a name. Please type the name and try again."},
      {"Jane", "a,b",
       "You cannot have a comma in the e-mail address. Please remove the comma and try again."},
      {"Jane", "\"a\"",
       "You cannot have a double quote in the e-mail address. Please remove the double quote "
       "and try again."},
  };
  for (const auto& c : cases) {
    NatalInputFields f = JaneDoe();
    f.Name = c.name;
    f.Email = c.email;
    test::RecordingHost host;
    bool chooserAsked = false;
    const auto outcome = SavePersonToNamesFile(host, f, kValid, [&] {
      chooserAsked = true;
      return std::string("/nonexistent/NAMES.FIL");
    });
    EXPECT_EQ(outcome, SaveOutcome::Refused) << c.name;
    EXPECT_FALSE(chooserAsked) << c.name;
    ASSERT_EQ(host.messages.size(), 1u) << c.name;
    EXPECT_EQ(host.messages[0].text, c.message);
    EXPECT_EQ(host.messages[0].title, "Warning!");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  }

  NatalInputFields f = JaneDoe();
  f.Month = "6";
  f.Day = "31";
  test::RecordingHost host;
  EXPECT_EQ(SavePersonToNamesFile(host, f, kValid, Choose("/nonexistent/NAMES.FIL")),
            SaveOutcome::Refused);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "The birth date is not a real date. Please correct the date and try again.");
}

TEST(SaveToDisk, RunsTheInputChecksFirstAndStopsOnCancel) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  WriteBytes(file, "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,b\r\n");
  test::RecordingHost host;
  int checks = 0;
  bool chooserAsked = false;
  const auto chooser = [&] {
    chooserAsked = true;
    return file.string();
  };
  EXPECT_EQ(SavePersonToNamesFile(
                host, JaneDoe(), [&] { return ++checks, false; }, chooser),
            SaveOutcome::Refused);
  EXPECT_EQ(checks, 1);
  EXPECT_FALSE(chooserAsked);

  EXPECT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, [] { return std::string(); }),
            SaveOutcome::Cancelled);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Bytes(file), "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,b\r\n");
  EXPECT_FALSE(fs::exists(dir.path() / "NAMES.OLD"));
}

TEST(SaveToDisk, AFailedReplaceLeavesTheFileIntact) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  const std::string before = "\"Doe, John\",1 Jan 1970,1.00,A,5,074.00,40.43,x\r\n\r\nShort,1";
  WriteBytes(file, before);
  // The replacement writes its work file, then the rename fails.
  const FileReplacer failingRename = [&](const fs::path& target, std::string_view bytes) {
    if (target != file) return WriteFileAtomically(target, bytes);
    const fs::path work = dir.path() / ".work";
    WriteBytes(work, std::string(bytes));
    fs::remove(work);
    return std::string("Operation not permitted");
  };
  test::RecordingHost host;
  EXPECT_EQ(SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file), failingRename),
            SaveOutcome::Failed);
  EXPECT_EQ(Bytes(file), before);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_EQ(host.messages[0].text, "Cannot save the names file called " + file.string() +
                                       ": Operation not permitted. The names file was left as "
                                       "it was.");
  // No stray work file is left beside it.
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 2u);  // the names file and its backup
}

TEST(SaveToDisk, InAReadOnlyFolderSaysSoAndChangesNothing) {
  test::TempDir dir;
  const fs::path file = dir.path() / "NAMES.FIL";
  const std::string before = "Bob,1 Jan 1980,1.00,A,0,000.07,51.30,b\r\n";
  WriteBytes(file, before);
  ::chmod(file.c_str(), 0644);
  ::chmod(dir.path().c_str(), 0555);
  const bool ok = test::RunUnprivileged([&] {
    test::RecordingHost host;
    const auto outcome = SavePersonToNamesFile(host, JaneDoe(), kValid, Choose(file));
    return outcome == SaveOutcome::Failed && host.messages.size() == 1 &&
           host.messages[0].text == "Cannot keep a backup of the names file called " +
                                        file.string() + " as " +
                                        (dir.path() / "NAMES.OLD").string() +
                                        ": Permission denied. The names file was left as it was.";
  });
  EXPECT_TRUE(ok);
  EXPECT_EQ(Bytes(file), before);
  EXPECT_FALSE(fs::exists(dir.path() / "NAMES.OLD"));
}

}  // namespace
}  // namespace orv
