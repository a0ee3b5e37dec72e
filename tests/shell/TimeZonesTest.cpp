#include <gtest/gtest.h>

#include <fstream>

#include "RecordingHost.h"
#include "TempDir.h"
#include "shell/input/TimeZones.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

TEST(TimeZones, ListLinesLineUpNameLabelAndHours) {
  EXPECT_EQ(TimeZoneListLine({"Eastern Standard Time", "EST", "5"}),
            "Eastern Standard Time           "
            " -  EST =   5");
  EXPECT_EQ(TimeZoneListLine({"Australian Central Standard Time", "ACST", "-9.5"}),
            "Australian Central Standard Time"
            " - ACST =  -9.5");
  EXPECT_EQ(TimeZoneListLine({"New Zealand Daylight Time", "NZDT", "-13"}),
            "New Zealand Daylight Time       "
            " - NZDT = -13");
  // Columns count characters, not bytes.
  EXPECT_EQ(TimeZoneListLine({"Hora de Bogotá", "COT", "5"}),
            "Hora de Bogotá" + std::string(18, ' ') + " -  COT =   5");
}

TEST(TimeZones, APickWritesTheHoursAndTheirSide) {
  const std::vector<TimeZoneRecord> zones = {{"Azores Time", "AZOT", "1"},
                                             {"Central European Time", "CET", "-1"},
                                             {"Eastern Standard Time", "EST", "5"},
                                             {"Greenwich Mean Time", "GMT", "0"},
                                             {"Hawaii-Aleutian Standard Time", "HST", "10"},
                                             {"India Standard Time", "IST", "-5.5"}};
  test::RecordingHost host;
  NatalInputFields natal;
  SecondChartInputFields second;
  const struct {
    size_t index;
    const char* text;
    bool east;
  } cases[] = {{1, "-1", true}, {2, "5", false}, {3, "0", false}, {5, "-5.5", true}};
  for (const auto& c : cases) {
    natal.East = !c.east;
    ASSERT_EQ(PickTimeZone(host, zones, c.index, 0, natal, second), InputTarget::Natal);
    EXPECT_EQ(natal.TimeZone, c.text);
    EXPECT_EQ(natal.East, c.east) << c.text;
  }
  ASSERT_EQ(PickTimeZone(host, zones, 1, -1, natal, second), InputTarget::SecondChart);
  EXPECT_EQ(second.TimeZone, "-1");
  EXPECT_TRUE(second.East);
  EXPECT_TRUE(host.messages.empty());

  EXPECT_FALSE(PickTimeZone(host, zones, 6, 0, natal, second));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The file TZ.DAT is corrupt.");
  EXPECT_EQ(host.messages[0].title, "Error!");
}

TEST(TimeZones, ReadsUntilAnEmptyNameAndStopsAtACorruptRecord) {
  const auto good =
      ParseTimeZones({"Eastern Standard Time,EST,5", "\"Quoted, Zone\",QZ,-2", "", "After,AF,1"});
  ASSERT_EQ(good.Records.size(), 2u);
  EXPECT_FALSE(good.ErrorLine);
  EXPECT_EQ(good.Records[1].Name, "Quoted, Zone");
  EXPECT_EQ(good.Records[1].Hours, "-2");

  const struct {
    std::vector<std::string> lines;
    size_t kept;
    int line;
  } corrupt[] = {
      {{"A,AA,1", "A name of more than thirty-two chars,X,1"}, 1, 2},
      {{"A,AA,1", "B,LABEL,1"}, 1, 2},
      {{"A,AA,one"}, 0, 1},
      {{"A,AA,1", "B,BB"}, 1, 2},
  };
  for (const auto& c : corrupt) {
    const auto content = ParseTimeZones(c.lines);
    EXPECT_EQ(content.Records.size(), c.kept) << c.lines.back();
    EXPECT_EQ(content.ErrorLine, c.line) << c.lines.back();
  }
}

TEST(TimeZones, LoadingReportsTheFaultAndAMissingFile) {
  test::TempDir dir;
  test::RecordingHost host;
  EXPECT_TRUE(LoadTimeZones(host, dir.path()).empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "TZ.DAT").string() + ".");

  std::ofstream(dir.path() / "tz.dat") << "A,AA,1\r\nB,BBBBB,2\r\n";
  host.messages.clear();
  EXPECT_EQ(LoadTimeZones(host, dir.path()).size(), 1u);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The file TZ.DAT is corrupt.\n\nFile: " +
                                       (dir.path() / "tz.dat").string() + ", line 2.");
}

// A table far beyond any real size (a 100 MB file held the window for
// seconds) is refused whole, with its size; one at the limit is read.
TEST(TimeZones, AFileFarBeyondAnyTableIsRefusedWithItsSize) {
  test::TempDir dir;
  const std::string record = "Eastern Standard Time,EST,5\r\n";
  std::string atLimit;
  while (atLimit.size() + record.size() <= kTimeZoneFileLimit) atLimit += record;
  const auto path = dir.path() / "TZ.DAT";
  std::ofstream(path, std::ios::binary) << atLimit;
  test::RecordingHost host;
  EXPECT_EQ(LoadTimeZones(host, dir.path()).size(), atLimit.size() / record.size());
  EXPECT_TRUE(host.messages.empty());

  std::ofstream(path, std::ios::binary | std::ios::app) << record;
  const auto size = std::to_string(atLimit.size() + record.size());
  EXPECT_TRUE(LoadTimeZones(host, dir.path()).empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The file TZ.DAT is corrupt. It is " + size +
                                       " bytes long, far more than a time-zone table holds (at "
                                       "most 1000000), so it was not read: " +
                                       path.string() + ".");
}

}  // namespace
}  // namespace orv
