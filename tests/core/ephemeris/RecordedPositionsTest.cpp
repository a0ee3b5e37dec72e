// CalcPlanetPositions against values recorded from its earlier, slower
// implementation (recorded_planet_positions.txt, written by
// tools/record_pinned_results.cpp at 50 moments over 1900-2060).
//
// These values pin the results of the earlier implementation against
// refactoring; they say nothing about whether the results are right (the
// worked examples and ReferenceEphemerisTest do). The faster code evaluates
// the same formulas on the same degree values, only in another order (sines
// of multiples and of the day-later angles by angle addition, Kepler steps
// as small turns), so it may differ by rounding noise, never by more.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "EphemerisTestSupport.h"
#include "core/ephemeris/PlanetPositions.h"

namespace orv {
namespace {

using test::AngleDifference;

// Far above the rounding noise of a reordered computation: the mean
// anomalies of the linear elements run to tens of thousands of degrees,
// whose last bit is 7e-12, and the largest difference measured is 3.4e-11
// (Venus near inferior conjunction, which magnifies its heliocentric noise
// about threefold). Far below anything a listing shows: a second of arc is
// 2.8e-4 degrees.
constexpr double kRefactoringNoiseDeg = 1e-9;

struct RecordedMoment {
  PlanetPositionInput input;
  PlanetPositions expected;
};

// Reads `count` values into elements 1..count of `row` from a line that
// starts with `label`.
void ReadRow(std::istream& file, const char* label, PointArray<double>& row, int count) {
  std::string line;
  std::getline(file, line);
  std::istringstream fields(line);
  std::string found;
  fields >> found;
  EXPECT_EQ(found, label);
  for (int i = 1; i <= count; ++i) fields >> row[i];
  EXPECT_FALSE(fields.fail()) << label;
}

std::vector<RecordedMoment> ReadRecorded() {
  const auto path = std::filesystem::path(__FILE__).parent_path() / "recorded_planet_positions.txt";
  std::ifstream file(path);
  std::vector<RecordedMoment> moments;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string label;
    int trueNode = 0;
    RecordedMoment m;
    PlanetPositionInput& in = m.input;
    fields >> label >> in.julianDayNumber >> in.dayFraction >> in.obliquityRad >> in.ascendantDeg >>
        in.midheavenDeg >> trueNode;
    EXPECT_EQ(label, "moment");
    EXPECT_FALSE(fields.fail()) << line;
    in.trueNode = trueNode != 0;
    PlanetPositions& p = m.expected;
    ReadRow(file, "longitudes", p.longitudes, 15);
    ReadRow(file, "latitudes", p.latitudes, 10);
    ReadRow(file, "declinations", p.declinations, 10);
    ReadRow(file, "nextday", p.nextDayLongitudes, 15);
    ReadRow(file, "helio_longitudes", p.helioLongitudes, 9);
    ReadRow(file, "helio_latitudes", p.helioLatitudes, 9);
    std::getline(file, line);
    std::istringstream nodes(line);
    nodes >> label >> p.meanNodeDeg >> p.trueNodeDeg;
    EXPECT_EQ(label, "nodes");
    std::getline(file, line);
    std::istringstream retro(line);
    retro >> label >> p.retroFlags;
    EXPECT_EQ(label, "retro");
    for (char& c : p.retroFlags) c = c == '.' ? ' ' : c;
    moments.push_back(m);
  }
  return moments;
}

// The largest difference seen, and where.
struct WorstDifference {
  double deg = 0;
  std::string where;
  void Add(double difference, const std::string& what) {
    if (std::isnan(difference) || std::fabs(difference) > deg) {
      deg = std::isnan(difference) ? INFINITY : std::fabs(difference);
      where = what;
    }
  }
};

TEST(RecordedPositions, CoverTheCenturyAndBothTheories) {
  const std::vector<RecordedMoment> moments = ReadRecorded();
  ASSERT_EQ(moments.size(), 50u);
  double first = 1e9, last = 0;
  for (const RecordedMoment& m : moments) {
    first = std::fmin(first, m.input.julianDayNumber);
    last = std::fmax(last, m.input.julianDayNumber);
  }
  EXPECT_EQ(first, 2415020);  // T = 0 of the cubic elements, 1900 January 0.5
  EXPECT_GT(last, 2472000);   // 2056
  // T = 0 of the linear elements, J2000.0.
  EXPECT_EQ(moments[1].input.julianDayNumber, 2451545);
}

TEST(RecordedPositions, AgreeWithTheEarlierImplementation) {
  const std::vector<RecordedMoment> moments = ReadRecorded();
  ASSERT_FALSE(moments.empty());
  WorstDifference worst;
  for (const RecordedMoment& m : moments) {
    const PlanetPositions got = CalcPlanetPositions(m.input);
    const PlanetPositions& want = m.expected;
    const std::string at = "JDN " + std::to_string(long(m.input.julianDayNumber));
    auto angles = [&](const char* name, const PointArray<double>& a, const PointArray<double>& b,
                      int count) {
      for (int i = 1; i <= count; ++i)
        worst.Add(AngleDifference(a[i], b[i]), at + " " + name + " " + std::to_string(i));
    };
    auto values = [&](const char* name, const PointArray<double>& a, const PointArray<double>& b,
                      int count) {
      for (int i = 1; i <= count; ++i)
        worst.Add(a[i] - b[i], at + " " + name + " " + std::to_string(i));
    };
    angles("longitude", got.longitudes, want.longitudes, 15);
    values("latitude", got.latitudes, want.latitudes, 10);
    values("declination", got.declinations, want.declinations, 10);
    angles("next-day longitude", got.nextDayLongitudes, want.nextDayLongitudes, 15);
    angles("helio longitude", got.helioLongitudes, want.helioLongitudes, 9);
    values("helio latitude", got.helioLatitudes, want.helioLatitudes, 9);
    worst.Add(AngleDifference(got.meanNodeDeg, want.meanNodeDeg), at + " mean node");
    worst.Add(AngleDifference(got.trueNodeDeg, want.trueNodeDeg), at + " true node");
    EXPECT_EQ(got.retroFlags, want.retroFlags) << at;
    // Longitudes stay in 0..360 however the arithmetic is ordered.
    for (int i = 1; i <= 15; ++i) {
      EXPECT_GE(got.longitudes[i], 0) << at << " point " << i;
      EXPECT_LT(got.longitudes[i], 360) << at << " point " << i;
    }
  }
  std::cout << "largest difference " << worst.deg << " degrees (" << worst.where << ")\n";
  EXPECT_LE(worst.deg, kRefactoringNoiseDeg) << worst.where;
}

}  // namespace
}  // namespace orv
