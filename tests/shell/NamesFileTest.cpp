#include <gtest/gtest.h>

#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "shell/input/NamesFile.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

constexpr int kMonthDayYear = 0, kDayMonthYear = 1, kYearMonthDay = 2;

TEST(NamesFile, ReadsEightFieldsARecordUntilAnEmptyName) {
  const auto content = ParseNamesFile({
      "Smith,12 May 1959,10.43,A,6,75.23,39.45,x",
      "\"Doe, Jane\",3 Jan 1970,9.05,P,-1,-002.21,48.52,\"a,b\"",
      "",  // ends the records, even though more follow
      "Late,1 Jan 1990,1.00,A,0,000.00,51.30,y",
  });
  ASSERT_EQ(content.Records.size(), 2u);
  EXPECT_FALSE(content.ErrorLine);
  const NameRecord& smith = content.Records[0];
  EXPECT_EQ(smith.Name, "Smith");
  EXPECT_EQ(smith.Date, "12 May 1959");
  EXPECT_EQ(smith.Time, "10.43");
  EXPECT_EQ(smith.AmPm, "A");
  EXPECT_EQ(smith.TimeZone, "6");
  EXPECT_EQ(smith.Longitude, "75.23");
  EXPECT_EQ(smith.Latitude, "39.45");
  EXPECT_EQ(smith.Email, "x");
  EXPECT_EQ(content.Records[1].Name, "Doe, Jane");
  EXPECT_EQ(content.Records[1].Email, "a,b");
}

TEST(NamesFile, AShortLineBorrowsAndAShortLastRecordIsAnError) {
  const auto borrowed = ParseNamesFile({"A,1 Jan 1990,1.00,A", "0,000.00,51.30,y"});
  ASSERT_EQ(borrowed.Records.size(), 1u);
  EXPECT_EQ(borrowed.Records[0].TimeZone, "0");
  EXPECT_EQ(borrowed.Records[0].Email, "y");

  const auto cut = ParseNamesFile({"A,1 Jan 1990,1.00,A,0,000.00,51.30,y", "B,2 Feb 1991,2.00"});
  EXPECT_EQ(cut.Records.size(), 1u);
  EXPECT_EQ(cut.ErrorLine, 2);
}

TEST(NamesFile, TheSmithRecordFillsTheNatalWindow) {
  std::vector<NameRecord> records = {
      {"Smith", "12 May 1959", "10.43", "A", "6", "75.23", "39.45", "x"}};
  test::RecordingHost host;
  NatalInputFields natal;
  SecondChartInputFields second;
  natal.Pm = true;  // the record's "A" decides
  ASSERT_EQ(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second),
            InputTarget::Natal);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(natal.Name, "Smith");
  EXPECT_EQ(natal.Month, "5");
  EXPECT_EQ(natal.Day, "12");
  EXPECT_EQ(natal.Year, "1959");
  EXPECT_EQ(natal.Hour, "10");
  EXPECT_EQ(natal.Minute, "43");
  EXPECT_FALSE(natal.Pm);
  EXPECT_EQ(natal.TimeZone, "6");
  EXPECT_EQ(natal.LongDeg, "75");
  EXPECT_EQ(natal.LongMin, "23");
  EXPECT_FALSE(natal.East);
  EXPECT_EQ(natal.LatDeg, "39");
  EXPECT_EQ(natal.LatMin, "45");
  EXPECT_FALSE(natal.South);
  EXPECT_EQ(natal.Email, "x");
  EXPECT_EQ(second.SecondPersonCaption, "2nd Person");  // the other window is untouched
  EXPECT_EQ(second.Month, "");
}

TEST(NamesFile, SignsChooseEastAndSouthAndTheFieldsAreUnsigned) {
  const struct {
    const char* longitude;
    const char* latitude;
    const char* zone;
    const char* longDeg;
    const char* longMin;
    bool east;
    const char* latDeg;
    const char* latMin;
    bool south;
    const char* zoneText;
  } cases[] = {
      {"-075.23", "-33.55", "-10", "75", "23", true, "33", "55", true, "-10"},
      {"075.23", "05.07", "05", "75", "23", false, "5", "7", false, "5"},
      {"-000.30", "-00.07", "-5.5", "0", "30", true, "0", "7", true, "-5.5"},
      {"151.12", "0", "+3.5", "151", "12", false, "0", "0", false, "3.5"},
  };
  for (const auto& c : cases) {
    const NameRecord record{"P", "1 Jan 2000", "1.00", "A", c.zone, c.longitude, c.latitude, ""};
    ChartInputFields f;
    ASSERT_TRUE(NameRecordToFields(record, kMonthDayYear, f));
    EXPECT_EQ(f.LongDeg, c.longDeg) << c.longitude;
    EXPECT_EQ(f.LongMin, c.longMin) << c.longitude;
    EXPECT_EQ(f.East, c.east) << c.longitude;
    EXPECT_EQ(f.LatDeg, c.latDeg) << c.latitude;
    EXPECT_EQ(f.LatMin, c.latMin) << c.latitude;
    EXPECT_EQ(f.South, c.south) << c.latitude;
    EXPECT_EQ(f.TimeZone, c.zoneText) << c.zone;
  }
}

TEST(NamesFile, TheHourComesOutOnTheTwelveHourClock) {
  const struct {
    const char* time;
    const char* ampm;
    const char* hour;
    const char* minute;
    bool pm;
  } cases[] = {
      {"10.43", "A", "10", "43", false}, {"9.05", "P", "9", "5", true},
      {"0.30", "A", "12", "30", false},  {"12.00", "P", "12", "0", true},
      {"15.20", "P", "3", "20", true},   {"6.59", "a", "6", "59", false},
      {"7.1", "x", "7", "10", true},  // anything but "A" is PM
      {"24.00", "P", "12", "0", true},   {"25.05", "A", "1", "5", false},
  };
  for (const auto& c : cases) {
    const NameRecord record{"P", "1 Jan 2000", c.time, c.ampm, "0", "0", "0", ""};
    ChartInputFields f;
    ASSERT_TRUE(NameRecordToFields(record, kMonthDayYear, f));
    EXPECT_EQ(f.Hour, c.hour) << c.time;
    EXPECT_EQ(f.Minute, c.minute) << c.time;
    EXPECT_EQ(f.Pm, c.pm) << c.time;
  }
}

TEST(NamesFile, DatesAreReadWithoutTheLocale) {
  struct Ymd {
    int y, m, d;
  };
  const struct {
    const char* text;
    int order;
    Ymd date;
  } good[] = {
      {"12 May 1959", kMonthDayYear, {1959, 5, 12}},
      {"2 May 1959", kDayMonthYear, {1959, 5, 2}},
      {"1959 May 12", kMonthDayYear, {1959, 5, 12}},
      {"12 may 1959", kYearMonthDay, {1959, 5, 12}},
      {"12 September 1959", kMonthDayYear, {1959, 9, 12}},
      {"29 Feb 2000", kMonthDayYear, {2000, 2, 29}},  // 2000 is a leap year
      {"5/12/1959", kMonthDayYear, {1959, 5, 12}},
      {"12/5/1959", kDayMonthYear, {1959, 5, 12}},
      {"12.05.1959", kDayMonthYear, {1959, 5, 12}},
      {"1959/5/12", kYearMonthDay, {1959, 5, 12}},
      {"1959-05-12", kMonthDayYear, {1959, 5, 12}},  // a four-digit year leads
  };
  for (const auto& c : good) {
    const auto date = ParseNamesDate(c.text, c.order);
    ASSERT_TRUE(date) << c.text;
    EXPECT_EQ(date->year, c.date.y) << c.text;
    EXPECT_EQ(date->month, c.date.m) << c.text;
    EXPECT_EQ(date->day, c.date.d) << c.text;
  }
  for (const char* bad : {"29 Feb 1900", "31 Apr 1990", "12 Foo 1959", "13/13/1990", "", "May",
                          "12 May", "1 2 3 4", "0 Jan 1990", "12 Ma 1959", "1x/2/1990"}) {
    EXPECT_FALSE(ParseNamesDate(bad, kMonthDayYear)) << bad;
  }
}

TEST(NamesFile, TheYearFirstOrderRewritesTheDateOnce) {
  EXPECT_EQ(NamesDateForOrder("12 May 1959", kYearMonthDay), "1959 May 12");
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
    EXPECT_EQ(natal.Month, "5");
    EXPECT_EQ(natal.Day, "12");
    EXPECT_EQ(natal.Year, "1959");
  }
  EXPECT_TRUE(host.messages.empty());
}

TEST(NamesFile, ASecondPersonGoesToTheSecondChartWindow) {
  std::vector<NameRecord> records = {
      {"w Ann", "3 Mar 1980", "4.05", "P", "-1", "-002.21", "48.52", "ann@example.com"}};
  test::RecordingHost host;
  NatalInputFields natal;
  natal.Name = "Now";
  SecondChartInputFields second;
  second.SecondPerson = true;
  ASSERT_EQ(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second),
            InputTarget::SecondChart);
  EXPECT_EQ(second.SecondPersonCaption, "w Ann");
  EXPECT_EQ(second.Hour, "4");
  EXPECT_TRUE(second.Pm);
  EXPECT_TRUE(second.East);
  EXPECT_EQ(second.LongDeg, "2");
  EXPECT_EQ(second.LongMin, "21");
  EXPECT_EQ(natal.Name, "Now");
  EXPECT_EQ(natal.Month, "");
}

TEST(NamesFile, EachEntryLoadsItsOwnRecordEvenWithTheSameName) {
  std::vector<NameRecord> records = {
      {"Jane Doe", "1 Jan 1970", "1.00", "A", "5", "74.00", "40.43", "first"},
      {"Jane Doe", "2 Feb 1980", "2.00", "P", "8", "118.15", "34.03", "second"}};
  test::RecordingHost host;
  NatalInputFields natal;
  SecondChartInputFields second;
  ASSERT_TRUE(LoadPersonIntoInput(host, records, 1, kMonthDayYear, natal, second));
  EXPECT_EQ(natal.Year, "1980");
  EXPECT_EQ(natal.Email, "second");
  ASSERT_TRUE(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second));
  EXPECT_EQ(natal.Year, "1970");
  EXPECT_EQ(natal.Email, "first");
}

TEST(NamesFile, ABadRecordChangesNothingAndSaysSo) {
  std::vector<NameRecord> records = {{"Bad", "31 Feb 1990", "1.00", "A", "0", "0", "0", "e"}};
  test::RecordingHost host;
  NatalInputFields natal;
  natal.Name = "Kept";
  SecondChartInputFields second;
  EXPECT_FALSE(LoadPersonIntoInput(host, records, 0, kMonthDayYear, natal, second));
  EXPECT_FALSE(LoadPersonIntoInput(host, records, 1, kMonthDayYear, natal, second));  // no record
  EXPECT_EQ(natal.Name, "Kept");
  EXPECT_EQ(natal.Email, "");
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
  WriteBytes(dir.path() / "names.fil", "Smith,12 May 1959,10.43,A,6,75.23,39.45,x\r\n");
  test::RecordingHost host;

  auto load = LoadNamesFile(host, dir.path(), (dir.path() / "GONE.FIL").string());
  EXPECT_EQ(load.DataFile, "");
  EXPECT_EQ(load.Path, dir.path() / "names.fil");
  ASSERT_EQ(load.Records.size(), 1u);
  EXPECT_TRUE(host.messages.empty());

  WriteBytes(dir.path() / "OTHER.FIL", "Other,1 Jan 2000,1.00,A,0,0,0,y\r\n");
  load = LoadNamesFile(host, dir.path(), "other.fil");  // relative to the program folder
  EXPECT_EQ(load.DataFile, "other.fil");
  ASSERT_EQ(load.Records.size(), 1u);
  EXPECT_EQ(load.Records[0].Name, "Other");

  fs::remove(dir.path() / "names.fil");
  load = LoadNamesFile(host, dir.path(), "");
  EXPECT_TRUE(load.Records.empty());
  EXPECT_TRUE(load.Path.empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "NAMES.FIL").string() + ".");
}

TEST(NamesFile, ABrokenFileKeepsTheRecordsBeforeAndNamesTheLine) {
  test::TempDir dir;
  const fs::path path = dir.path() / "NAMES.FIL";
  WriteBytes(path, "A,1 Jan 1990,1.00,A,0,0,0,a\r\nB,2 Jan 1990,2.00\r\n");
  test::RecordingHost host;
  const auto load = LoadNamesFile(host, dir.path(), "");
  ASSERT_EQ(load.Records.size(), 1u);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Error!");
  EXPECT_EQ(host.messages[0].text,
            "You have an error in the current names file. You need to check and see if you have "
            "entered the data correctly and in the proper amount. Please correct the data by "
            "clicking on the Edit this List command button in the Names window and edit the "
            "incorrect data.\n\nFile: " +
                path.string() + ", line 2.");
}

}  // namespace
}  // namespace orv
