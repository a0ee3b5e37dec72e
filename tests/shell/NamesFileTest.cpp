#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "shell/input/NamesFile.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

using test::MomentText;
using test::PlaceText;
using test::WriteFile;

constexpr int kMonthDayYear = 0, kDayMonthYear = 1, kYearMonthDay = 2;

std::string Joined(const NameRecord& r) {
  return r.Name + "|" + r.Date + "|" + r.Time + "|" + r.AmPm + "|" + r.TimeZone + "|" +
         r.Longitude + "|" + r.Latitude + "|" + r.Email;
}

// The fields a record fills, or "refused".
std::string Filled(const NameRecord& record, int dateOrder = kMonthDayYear) {
  ChartInputFields f;
  if (!NameRecordToFields(record, dateOrder, f)) return "refused";
  return MomentText(f) + " " + PlaceText(f) + " " + f.Email;
}

TEST(NamesFile, ReadsEightFieldsARecordUntilAnEmptyName) {
  const auto content = ParseNamesFile({
      "Smith,12 May 1959,10.43,A,6,75.23,39.45,x",
      "\"Doe, Jane\",3 Jan 1970,9.05,P,-1,-002.21,48.52,\"a,b\"",
      "",  // ends the records, even though more follow
      "Late,1 Jan 1990,1.00,A,0,000.00,51.30,y",
  });
  ASSERT_EQ(content.Records.size(), 2u);
  EXPECT_FALSE(content.ErrorLine);
  EXPECT_EQ(content.EndLine, 3);
  EXPECT_EQ(content.UnreadLines, 1);
  EXPECT_EQ(Joined(content.Records[0]), "Smith|12 May 1959|10.43|A|6|75.23|39.45|x");
  EXPECT_EQ(Joined(content.Records[1]), "Doe, Jane|3 Jan 1970|9.05|P|-1|-002.21|48.52|a,b");

  const auto borrowed = ParseNamesFile({"A,1 Jan 1990,1.00,A", "0,000.00,51.30,y"});
  ASSERT_EQ(borrowed.Records.size(), 1u);
  EXPECT_EQ(Joined(borrowed.Records[0]), "A|1 Jan 1990|1.00|A|0|000.00|51.30|y");
  const auto cut = ParseNamesFile({"A,1 Jan 1990,1.00,A,0,000.00,51.30,y", "B,2 Feb 1991,2.00"});
  EXPECT_EQ(cut.Records.size(), 1u);
  EXPECT_EQ(cut.ErrorLine, 2);

  // The lines after a blank line, or after a stray comma's empty name,
  // that hold anything.
  const std::string record = "A,1 Jan 1990,1.00,A,0,000.00,51.30,y";
  const std::pair<std::vector<std::string>, int> unread[] = {
      {{record, "", "", "  "}, 0},
      {{record, "", "", record, " ", "notes, more notes", ",,"}, 2},
      {{record, " ", "\"x, y\""}, 1},
      {{record + ",", record}, 1},
      {{record}, 0},
  };
  for (const auto& [lines, count] : unread) {
    EXPECT_EQ(ParseNamesFile(lines).UnreadLines, count) << lines.back();
    EXPECT_EQ(ParseNamesFile(lines).Records.size(), 1u) << lines.back();
  }
}

TEST(NamesFile, RecordsBecomeUnsignedFieldsOnTheTwelveHourClock) {
  const struct {
    const char *time, *ampm, *zone, *longitude, *latitude, *fields;
  } cases[] = {
      {"10.43", "A", "6", "75.23", "39.45", "5/12/1959 10:43 AM 75W23 39N45 zone 6 e"},
      {"0.30", "A", "-10", "-075.23", "-33.55", "5/12/1959 12:30 AM 75E23 33S55 zone -10 e"},
      {"12.00", "P", "05", "-000.30", "-00.07", "5/12/1959 12:0 PM 0E30 0S7 zone 5 e"},
      {"15.20", "P", "+3.5", "151.12", "0", "5/12/1959 3:20 PM 151W12 0N0 zone 3.5 e"},
      {"7.1", "x", "-5.5", "0", "05.07", "5/12/1959 7:10 PM 0W0 5N7 zone -5.5 e"},  // not "A": PM
      {"24.00", "P", "0", "0", "0", "5/12/1959 12:0 PM 0W0 0N0 zone 0 e"},
      {"25.05", "A", "0", "0", "0", "5/12/1959 1:5 AM 0W0 0N0 zone 0 e"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Filled({"P", "12 May 1959", c.time, c.ampm, c.zone, c.longitude, c.latitude, "e"}),
              c.fields);
}

TEST(NamesFile, DatesAreReadWithoutTheLocale) {
  const struct {
    const char* text;
    int order;
    const char* fields;
  } good[] = {
      {"2 May 1959", kDayMonthYear, "5/2/1959"},   {"1959 May 12", kMonthDayYear, "5/12/1959"},
      {"12 may 1959", kYearMonthDay, "5/12/1959"}, {"12 September 1959", 0, "9/12/1959"},
      {"29 Feb 2000", kMonthDayYear, "2/29/2000"}, {"12.05.1959", kDayMonthYear, "5/12/1959"},
      {"1959/5/12", kYearMonthDay, "5/12/1959"},   {"5/12/1959", kMonthDayYear, "5/12/1959"},
      {"1959-05-12", kMonthDayYear, "5/12/1959"},  // a four-digit year leads
  };
  for (const auto& c : good) {
    const std::string filled = Filled({"P", c.text, "1.00", "A", "0", "0", "0", ""}, c.order);
    EXPECT_EQ(filled.substr(0, filled.find(' ')), c.fields) << c.text;
  }
  for (const char* bad : {"29 Feb 1900", "31 Apr 1990", "12 Foo 1959", "13/13/1990", "", "May",
                          "12 May", "1 2 3 4", "0 Jan 1990", "12 Ma 1959", "1x/2/1990",
                          // Too many digits for the field: they once wrapped round to 1959
                          // and to the 12th.
                          "12 May 4294969255", "4294967308 May 1959", "12 May 99999999999"})
    EXPECT_FALSE(ParseNamesDate(bad, kMonthDayYear)) << bad;
}

TEST(NamesFile, TheYearFirstOrderRewritesTheDateOnce) {
  EXPECT_EQ(NamesDateForOrder("2 May 1959", kYearMonthDay), "1959 May 02");
  EXPECT_EQ(NamesDateForOrder("1959 May 12", kYearMonthDay), "1959 May 12");
  EXPECT_EQ(NamesDateForOrder("12 May 1959", kMonthDayYear), "12 May 1959");
  EXPECT_EQ(NamesDateForOrder("5/12/1959", kYearMonthDay), "5/12/1959");

  std::vector<NameRecord> records = {{"A", "12 May 1959", "1.00", "A", "0", "0", "0", ""}};
  test::RecordingHost host;
  NatalInputFields natal;
  SecondChartInputFields second;
  for (int click = 0; click < 2; ++click) {
    ASSERT_TRUE(LoadPersonIntoInput(host, records, 0, kYearMonthDay, natal, second));
    EXPECT_EQ(records[0].Date, "1959 May 12");
    EXPECT_EQ(MomentText(natal), "5/12/1959 1:0 AM");
  }
}

// Two records of the same name: each entry loads its own, into the window
// its person belongs to.
TEST(NamesFile, EachEntryLoadsItsOwnRecordEvenWithTheSameName) {
  std::vector<NameRecord> records = {
      {"Smith", "12 May 1959", "10.43", "A", "6", "75.23", "39.45", "x"},
      {"Smith", "3 Mar 1980", "4.05", "P", "-1", "-002.21", "48.52", "ann@example.com"}};
  test::RecordingHost host;
  NatalInputFields natal;
  SecondChartInputFields second;
  natal.Pm = true;  // the record's "A" decides
  ASSERT_EQ(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second),
            InputTarget::Natal);
  EXPECT_EQ(natal.Name, "Smith");
  EXPECT_EQ(MomentText(natal) + " " + PlaceText(natal) + " " + natal.Email,
            "5/12/1959 10:43 AM 75W23 39N45 zone 6 x");
  EXPECT_EQ(second.SecondPersonCaption + second.Month, "2nd Person");  // untouched

  second.SecondPerson = true;
  ASSERT_EQ(LoadPersonIntoInput(host, records, 1, kMonthDayYear, natal, second),
            InputTarget::SecondChart);
  EXPECT_EQ(second.SecondPersonCaption, "Smith");
  EXPECT_EQ(MomentText(second) + " " + PlaceText(second), "3/3/1980 4:5 PM 2E21 48N52 zone -1");
  EXPECT_EQ(natal.Email, "x");
  EXPECT_TRUE(host.messages.empty());
}

TEST(NamesFile, ABadRecordChangesNothingAndSaysSo) {
  std::vector<NameRecord> records = {{"Bad", "31 Feb 1990", "1.00", "A", "0", "0", "0", "e"}};
  test::RecordingHost host;
  NatalInputFields natal;
  natal.Name = "Kept";
  SecondChartInputFields second;
  EXPECT_FALSE(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second));
  EXPECT_FALSE(LoadPersonIntoInput(host, records, 1, kMonthDayYear, natal, second));  // no record
  EXPECT_EQ(natal.Name + natal.Email, "Kept");
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Critical);
  EXPECT_EQ(host.messages[0].text,
            "Format error or typographical error in selected data. Please correct this data "
            "entry by clicking on the Edit this List command button in the Names window and "
            "editing the data associated with your chosen name.");
}

TEST(NamesFile, LoadingFallsBackToNamesFilAndThenToAnEmptyList) {
  test::TempDir dir;
  WriteFile(dir.path() / "names.fil", "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n");
  test::RecordingHost host;
  auto load = LoadNamesFile(host, dir.path(), (dir.path() / "GONE.FIL").string());
  EXPECT_EQ(load.DataFile, "");
  EXPECT_EQ(load.Path, dir.path() / "names.fil");
  EXPECT_EQ(load.Records.size(), 1u);
  // An unreadable current file (an unmounted drive) is said once.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot read the names file called " +
                                       (dir.path() / "GONE.FIL").string() +
                                       ". The names list shows " +
                                       (dir.path() / "names.fil").string() + " in its place.");
  host.messages.clear();

  WriteFile(dir.path() / "OTHER.FIL", "Other,1 Jan 2000,1.00,A,0,0,0,y\r\n");
  load = LoadNamesFile(host, dir.path(), "other.fil");  // relative to the program folder
  EXPECT_EQ(load.DataFile, "other.fil");
  ASSERT_EQ(load.Records.size(), 1u);
  EXPECT_EQ(load.Records[0].Name, "Other");
  EXPECT_TRUE(host.messages.empty());

  fs::remove(dir.path() / "names.fil");
  load = LoadNamesFile(host, dir.path(), "");
  EXPECT_TRUE(load.Records.empty() && load.Path.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "NAMES.FIL").string() + ".");
}

TEST(NamesFile, ABrokenFileKeepsTheRecordsBeforeAndNamesTheLine) {
  // Each record followed by a note of sixteen words with commas, read as
  // two more records a line, both broken.
  std::string overlong;
  for (int i = 1; i <= 4; ++i)
    overlong += "P" + std::to_string(i) +
                ",1 Jan 1990,1.00,A,0,0,0,a,met,at,a,party,in,May,with,Ann,Bob,Cy,Di,Ed,and,"
                "Flo,all,night\r\n";
  const struct {
    const char* what;
    std::string text;
    size_t records;
    const char* where;
  } cases[] = {
      // Line 2: a year too large for its field, once read as 1959; line 3 cut short.
      {"a bad year and a record cut short",
       "A,1 Jan 1990,1.00,A,0,0,0,a\r\nX,12 May 4294969255,1.00,A,0,0,0,x\r\n"
       "B,2 Jan 1990,2.00\r\n",
       2, ", lines 2 and 3."},
      // Two broken records begin on each line: each line is named once.
      {"an overlong extra field", overlong, 12, ", lines 1, 2, 3 and 4."},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    const fs::path path = dir.path() / "NAMES.FIL";
    WriteFile(path, c.text);
    test::RecordingHost host;
    EXPECT_EQ(LoadNamesFile(host, dir.path(), "").Records.size(), c.records) << c.what;
    ASSERT_EQ(host.messages.size(), 1u) << c.what;
    EXPECT_EQ(host.messages[0].title, "Error!");
    EXPECT_EQ(host.messages[0].text,
              "You have an error in the current names file. You need to check and see if you "
              "have entered the data correctly and in the proper amount. Please correct the data "
              "by clicking on the Edit this List command button in the Names window and edit the "
              "incorrect data.\n\nFile: " +
                  path.string() + c.where)
        << c.what;
  }
}

}  // namespace
}  // namespace orv
