#pragma once
// The numeric tables read once at start-up: the single wheel's glyph radii
// and cusp label positions, the day-by-day Chiron ephemeris and the score
// tables of the couple analysis.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orv {

class Host;

// Record i of the Chiron tables holds the values for JD 2415000 + i.
inline constexpr int ChironFirstDay = 2415000;
inline constexpr int ChironDays = 60000;

// A couple-analysis score table: Score(kind, a, b) for aspect kind 0..11 (the
// aspect's `AspectCode`, 9 for the contra-parallel) and points a, b 0..15.
// Indices must lie in those ranges.
class ScoreTable {
 public:
  static constexpr int Kinds = 12;
  static constexpr int Points = 16;

  float& operator()(int kind, int a, int b) { return values_[Index(kind, a, b)]; }
  float operator()(int kind, int a, int b) const { return values_[Index(kind, a, b)]; }

 private:
  static constexpr size_t Index(int kind, int a, int b) {
    return (static_cast<size_t>(kind) * Points + static_cast<size_t>(a)) * Points +
           static_cast<size_t>(b);
  }
  std::array<float, Kinds * Points * Points> values_{};
};

// The tables, all elements 0 until read; a file's missing values stay 0.
struct DataTables {
  std::array<std::int16_t, 121> HcDataTable{};  // HCDATA.DAT, entries 0..119 used
  std::array<std::int16_t, 361> RadiusTable{};  // RADIUS.DAT, one per degree 0..360
  // CHIRON.DAT: geocentric longitude (1) and declination (2), degrees.
  std::vector<float> ChironGeoTable1 = std::vector<float>(ChironDays);
  std::vector<float> ChironGeoTable2 = std::vector<float>(ChironDays);
  // CHIRON_HELIO.DAT: heliocentric longitude (1) and latitude (2), degrees.
  std::vector<float> ChironHelioTable1 = std::vector<float>(ChironDays);
  std::vector<float> ChironHelioTable2 = std::vector<float>(ChironDays);
  ScoreTable RomanceScores;        // ROM_x.DAT
  ScoreTable SexScores;            // SEX_x.DAT
  ScoreTable CompatibilityScores;  // CMPT_x.DAT
};

enum class DataFileProblem { Missing, Unreadable, Short };

struct DataFileIssue {
  std::string path;
  DataFileProblem problem = DataFileProblem::Missing;
};

struct DataTablesRead {
  DataTables tables;
  std::vector<DataFileIssue> issues;  // in reading order; empty when all is well
};

// Reads the 25 data files from `appPath` (HCDATA.DAT, RADIUS.DAT, CHIRON.DAT,
// CHIRON_HELIO.DAT, then ROM_, SEX_ and CMPT_ C, S, T, Q, O, P, CP .DAT) as
// streams of numbers separated by commas, blanks and line ends. Values past
// a table's bound are ignored. A file that is missing, unreadable or holds
// fewer values than its table is listed in `issues`; what it lacks stays 0.
DataTablesRead ReadDataTables(const std::filesystem::path& appPath);

// The one start-up message for every problem file of `issues` (titled
// "Warning!", one line per file); nothing when `issues` is empty.
void ReportDataFileIssues(Host& host, const std::vector<DataFileIssue>& issues);

}  // namespace orv
