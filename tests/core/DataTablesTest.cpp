#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/ephemeris/Chiron.h"
#include "core/ephemeris/DataTables.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr std::array<const char*, 25> kDataFiles{
    "HCDATA.DAT", "RADIUS.DAT", "CHIRON.DAT", "CHIRON_HELIO.DAT", "ROM_C.DAT",
    "ROM_S.DAT",  "ROM_T.DAT",  "ROM_Q.DAT",  "ROM_O.DAT",        "ROM_P.DAT",
    "ROM_CP.DAT", "SEX_C.DAT",  "SEX_S.DAT",  "SEX_T.DAT",        "SEX_Q.DAT",
    "SEX_O.DAT",  "SEX_P.DAT",  "SEX_CP.DAT", "CMPT_C.DAT",       "CMPT_S.DAT",
    "CMPT_T.DAT", "CMPT_Q.DAT", "CMPT_O.DAT", "CMPT_P.DAT",       "CMPT_CP.DAT"};

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// n numbers first, first + 1, ..., one a line.
std::string Numbers(int n, int first = 1) {
  std::string text;
  for (int i = 0; i < n; ++i) text += std::to_string(first + i) + "\r\n";
  return text;
}

// A folder holding every data file, small but whole.
void WriteAllFiles(const fs::path& folder) {
  for (const char* name : kDataFiles) {
    const std::string n = name;
    const int count = n == "HCDATA.DAT"         ? 120
                      : n == "RADIUS.DAT"       ? 361
                      : n.starts_with("CHIRON") ? 2 * ChironDays
                                                : 225;
    WriteFile(folder / name, Numbers(count));
  }
}

std::unique_ptr<DataTablesRead> Read(const fs::path& folder) {
  return std::make_unique<DataTablesRead>(ReadDataTables(folder));
}

TEST(ReadDataTables, FillsEveryTableInFileOrder) {
  test::TempDir dir;
  WriteAllFiles(dir.path());
  // Score file k of the list holds k everywhere but for its first values;
  // RADIUS.DAT mixes every separator and file names are case-free.
  for (int k = 4; k < 25; ++k) WriteFile(dir.path() / kDataFiles[k], "1,2 " + Numbers(223, k));
  fs::remove(dir.path() / "RADIUS.DAT");
  const char* separators[] = {",", " ", "\r\n", "\n", ", ", "\t", " ,\r\n ", ",,"};
  std::string radius;
  for (int n = 0; n < 361; ++n) radius += std::to_string(n + 50) + separators[n % 8];
  WriteFile(dir.path() / "radius.dat", radius);
  const auto read = Read(dir.path());
  EXPECT_TRUE(read->issues.empty());
  const DataTables& t = read->tables;
  EXPECT_EQ(t.HcDataTable[119], 120);
  EXPECT_EQ(t.HcDataTable[120], 0);  // the unused 121st entry
  EXPECT_EQ(t.RadiusTable[0], 50);
  EXPECT_EQ(t.RadiusTable[360], 410);
  // Records alternate between the first and the second table.
  EXPECT_EQ(t.ChironGeoTable1[0], 1.0f);
  EXPECT_EQ(t.ChironGeoTable2[0], 2.0f);
  EXPECT_EQ(t.ChironHelioTable1[ChironDays - 1], 119999.0f);
  EXPECT_EQ(t.ChironHelioTable2[ChironDays - 1], 120000.0f);
  // Value n of a score file goes to (kind, 1 + n mod 15, 1 + n div 15); the
  // kinds in file order C, S, T, Q, O, P, CP.
  const int kinds[7] = {2, 4, 5, 11, 6, 7, 9};
  const ScoreTable* tables[3] = {&t.RomanceScores, &t.SexScores, &t.CompatibilityScores};
  for (int family = 0; family < 3; ++family) {
    const ScoreTable& scores = *tables[family];
    for (int s = 0; s < 7; ++s) {
      const int k = 4 + 7 * family + s;
      EXPECT_EQ(scores(kinds[s], 1, 1), 1.0f) << kDataFiles[k];
      EXPECT_EQ(scores(kinds[s], 2, 1), 2.0f) << kDataFiles[k];
      EXPECT_EQ(scores(kinds[s], 1, 2), float(k + 13)) << kDataFiles[k];
      EXPECT_EQ(scores(kinds[s], 15, 15), float(k + 222)) << kDataFiles[k];
    }
    // Index 0 of both points and the kinds no file names stay 0.
    for (int a = 0; a < ScoreTable::Points; ++a) EXPECT_EQ(scores(2, a, 0) + scores(2, 0, a), 0);
    for (const int unnamed : {0, 1, 3, 8, 10}) EXPECT_EQ(scores(unnamed, 7, 7), 0.0f) << unnamed;
  }
}

TEST(ReadDataTables, ValuesBeyondATableAreIgnoredAndNumbersFollowTheNumberRule) {
  test::TempDir dir;
  WriteAllFiles(dir.path());
  WriteFile(dir.path() / "CMPT_Q.DAT", Numbers(226));
  WriteFile(dir.path() / "CHIRON.DAT", Numbers(2 * ChironDays + 7));
  // A byte order mark, signs, a bare fraction, an exponent, text and a
  // number followed by text; integers round half to even and are held to
  // the 16-bit range.
  WriteFile(dir.path() / "RADIUS.DAT",
            "\xEF\xBB\xBF+5,-3.5e1,.5,abc,7x,2.5,3.5,99999,-99999\r\n" + Numbers(400));
  const auto read = Read(dir.path());
  EXPECT_TRUE(read->issues.empty());
  const DataTables& t = read->tables;
  // The 226th value would land at (1, 16), one past the table's row.
  EXPECT_EQ(t.CompatibilityScores(11, 2, 0), 0.0f);
  EXPECT_EQ(t.CompatibilityScores(11, 15, 15), 225.0f);
  EXPECT_EQ(t.ChironGeoTable2[ChironDays - 1], 120000.0f);
  const int expected[10] = {5, -35, 0, 0, 7, 2, 4, 32767, -32768, 1};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(t.RadiusTable[size_t(i)], expected[i]) << i;
}

TEST(ReadDataTables, MissingAndShortFilesGiveOneMessage) {
  test::TempDir dir;
  WriteAllFiles(dir.path());
  fs::remove(dir.path() / "CHIRON.DAT");
  fs::remove(dir.path() / "SEX_CP.DAT");
  WriteFile(dir.path() / "HCDATA.DAT", Numbers(119));
  WriteFile(dir.path() / "CHIRON_HELIO.DAT", Numbers(2 * ChironDays - 1));
  const auto read = Read(dir.path());
  ASSERT_EQ(read->issues.size(), 4u);
  // The tables of a missing file stay 0; a short file fills what it has.
  EXPECT_EQ(read->tables.ChironGeoTable1[0], 0.0f);
  EXPECT_EQ(read->tables.ChironHelioTable1[ChironDays - 1], 119999.0f);
  EXPECT_EQ(read->tables.ChironHelioTable2[ChironDays - 1], 0.0f);
  EXPECT_EQ(read->tables.HcDataTable[118], 119);

  test::RecordingHost host;
  ReportDataFileIssues(host, {});
  EXPECT_TRUE(host.messages.empty());
  ReportDataFileIssues(host, read->issues);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  const std::string folder = dir.path().string();
  EXPECT_EQ(host.messages[0].text,
            "Some data files are missing or incomplete; their missing values are 0.\n"
            "The file called " +
                folder +
                "/HCDATA.DAT holds too few values.\n"
                "Cannot find the file called " +
                folder +
                "/CHIRON.DAT.\n"
                "The file called " +
                folder +
                "/CHIRON_HELIO.DAT holds too few values.\n"
                "Cannot find the file called " +
                folder + "/SEX_CP.DAT.");

  // An empty folder names all twenty-five files, in reading order.
  test::TempDir empty;
  const auto none = Read(empty.path());
  ASSERT_EQ(none->issues.size(), kDataFiles.size());
  for (size_t i = 0; i < kDataFiles.size(); ++i) {
    EXPECT_EQ(none->issues[i].path, (empty.path() / kDataFiles[i]).string());
    EXPECT_EQ(none->issues[i].problem, DataFileProblem::Missing);
  }
}

// The shipped data folder.

class ShippedDataTables : public testing::Test {
 protected:
  static void SetUpTestSuite() { read_ = new DataTablesRead(ReadDataTables(ORVANTA_DATA_DIR)); }
  static void TearDownTestSuite() {
    delete read_;
    read_ = nullptr;
  }
  static const DataTables& Tables() { return read_->tables; }
  static DataTablesRead* read_;
};
DataTablesRead* ShippedDataTables::read_ = nullptr;

TEST_F(ShippedDataTables, AllFilesAreWhole) { EXPECT_TRUE(read_->issues.empty()); }

// The wheel's slot table: per house the angle of the first glyph slot and
// its glyph radius. The radius table passes through each pair and runs
// between neighbours without overshooting either.
TEST_F(ShippedDataTables, RadiusTableFollowsTheSlotRadii) {
  const int angles[12] = {180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
  const int radii[12] = {217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217};
  const auto& r = Tables().RadiusTable;
  for (int h = 0; h < 12; ++h) EXPECT_EQ(r[angles[h]], radii[h]) << "house " << h + 1;
  EXPECT_EQ(r[360], r[0]);
  for (int degree = 0; degree <= 360; ++degree)
    EXPECT_TRUE(r[degree] >= 194 && r[degree] <= 217) << degree;
  for (int degree = 181; degree < 209; ++degree) EXPECT_LE(r[degree], r[degree - 1]) << degree;
}

// Cusp labels of the American wheel, worked by hand from the label rule at
// the fixed cusp angles with the window's shifts and offsets: anchor
// 4 + 217.0838 (cos a, sin a), shifted left 23 near the vertical and 49 on
// the left half, characters at -2, 6, 16, 33, 40; then moved straight out
// along the ray until the label's box (47 by 15) clears the rim by 2.
TEST_F(ShippedDataTables, CuspLabelRecords) {
  const auto& hc = Tables().HcDataTable;
  struct Record {
    int entry;
    int x[5];
    int y;
  };
  const Record records[] = {
      {1, {-21, -13, -3, 14, 21}, 234},        // MC at 90: top 217 + 2 + 15
      {4, {-266, -258, -248, -231, -224}, 4},  // Ascendant at 180: right end clears -219
      {7, {-21, -13, -3, 14, 21}, -219},       // IC at 270: top 217 + 2 below
      {10, {219, 227, 237, 254, 261}, 4},      // Descendant at 0: x0 = 221.08, already clear
      {11, {195, 203, 213, 230, 237}, 115},    // 8th cusp at 30: moved out from (190, 113)
  };
  for (const Record& rec : records) {
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(hc[10 * rec.entry - 10 + 2 * c], rec.x[c]) << rec.entry << " char " << c;
      EXPECT_EQ(hc[10 * rec.entry - 9 + 2 * c], rec.y) << rec.entry << " char " << c;
    }
  }
}

// Every label character of every cusp lies in a 4:3 wheel window (edges
// +-320 and +-240) with room for its cell: 17 units for the sign glyph, 8
// for a digit, 15 for the line.
TEST_F(ShippedDataTables, CuspLabelsStayInTheWindow) {
  const auto& hc = Tables().HcDataTable;
  const double cell[5] = {8, 8, 17, 8, 8};
  for (int entry = 1; entry <= 12; ++entry) {
    for (int c = 0; c < 5; ++c) {
      const int x = hc[10 * entry - 10 + 2 * c];
      const int y = hc[10 * entry - 9 + 2 * c];
      EXPECT_GE(x, -320) << entry;
      EXPECT_LE(x + cell[c], 320) << entry;
      EXPECT_LE(y, 240) << entry;
      EXPECT_GE(y - 15, -240) << entry;
      if (c > 0) {
        EXPECT_GT(x, hc[10 * entry - 12 + 2 * c]) << entry;
      }
    }
  }
}

// The source of the Chiron tables, read directly for these days: Swiss
// Ephemeris 2.10.03 with its asteroid file seas_18.se1 (geocentric apparent
// longitude and declination of date, heliocentric geometric longitude and
// latitude). At whole days the program returns the table records, which
// hold four decimals.
TEST_F(ShippedDataTables, ChironAgreesWithItsSourceAtWholeDays) {
  constexpr double kTableTol = 0.001;
  struct Day {
    double jd, longitude, declination, helioLongitude, helioLatitude;
  };
  const Day days[] = {
      {2415021.0, 258.951872, -18.239445, 256.937470, 5.185884},  // 1900-01-01 12h UT
      {2433448.0, 258.284565, -17.055231, 258.823825, 5.324470},  // 1950-06-15 12h UT
      {2443449.0, 33.157805, 12.040581, 33.475685, -0.528186},    // 1977-11-01 12h UT
      {2451545.0, 251.617621, -18.140948, 248.854414, 4.424713},  // 2000-01-01 12h UT
      {2469624.0, 231.587873, -14.926196, 236.304550, 3.087928},  // 2049-07-01 12h UT
  };
  for (const Day& d : days) {
    const ChironPosition p = CalcChiron(Tables(), d.jd);
    EXPECT_NEAR(p.Longitude, d.longitude, kTableTol) << d.jd;
    EXPECT_NEAR(p.Declination, d.declination, kTableTol) << d.jd;
    EXPECT_NEAR(p.HelioLongitude, d.helioLongitude, kTableTol) << d.jd;
    EXPECT_NEAR(p.HelioLatitude, d.helioLatitude, kTableTol) << d.jd;
  }
}

// 1990-01-01 0h UT, between two records: about 103.85 degrees by an
// independent ephemeris (the value the program is checked against), given
// to two decimals.
TEST_F(ShippedDataTables, ChironOnNewYear1990) {
  constexpr double kTwoDecimalsTol = 0.005;
  const ChironPosition p = CalcChiron(Tables(), 2447892.5);
  EXPECT_NEAR(p.Longitude, 103.85, kTwoDecimalsTol);
  // Chiron was retrograde then (opposition to the Sun in early January).
  EXPECT_TRUE(p.Retrograde);
  EXPECT_LT(p.NextDayLongitude, p.Longitude);
}

// Invariants over every usable day. Chiron's orbit is inclined 6.9 degrees
// and never comes nearer than about 7.5 AU: its geocentric latitude stays
// within 8 degrees (so the declination within 23.5 + 8), and the Earth's
// motion of 0.0172 AU a day moves it at most about 0.13 degree a day.
TEST_F(ShippedDataTables, ChironSweepInvariants) {
  constexpr double kMaxDailyMotionDeg = 0.2;
  constexpr double kMaxDeclinationDeg = 31.5;
  constexpr double kMaxHelioLatitudeDeg = 7.0;
  for (int i = 0; i <= ChironDays - 3; ++i) {
    const ChironPosition p = CalcChiron(Tables(), ChironFirstDay + i + 0.5);
    ASSERT_TRUE(
        p.Longitude >= 0 && p.Longitude < 360 && std::fabs(p.Declination) <= kMaxDeclinationDeg &&
        std::fabs(p.HelioLatitude) <= kMaxHelioLatitudeDeg &&
        std::fabs(std::remainder(p.NextDayLongitude - p.Longitude, 360.0)) <= kMaxDailyMotionDeg)
        << "day " << i << ": " << p.Longitude << " " << p.Declination << " " << p.HelioLatitude
        << " " << p.NextDayLongitude;
  }
}

}  // namespace
}  // namespace orv
