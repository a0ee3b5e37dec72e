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

// The next line of `file`: its label, then its fields.
std::istringstream NextLine(std::istream& file, const char* label) {
  std::string line, found;
  std::getline(file, line);
  std::istringstream fields(line);
  fields >> found;
  EXPECT_EQ(found, label);
  return fields;
}

// Reads `count` values into elements 1..count of `row` from a line that
// starts with `label`.
void ReadRow(std::istream& file, const char* label, PointArray<double>& row, int count) {
  std::istringstream fields = NextLine(file, label);
  for (int i = 1; i <= count; ++i) fields >> row[i];
  EXPECT_FALSE(fields.fail()) << label;
}

std::vector<RecordedMoment> ReadRecorded() {
  std::ifstream file(std::filesystem::path(__FILE__).parent_path() /
                     "recorded_planet_positions.txt");
  std::vector<RecordedMoment> moments;
  while (file.peek() == '#') file.ignore(1 << 16, '\n');
  while (file.peek() != EOF) {
    RecordedMoment m;
    PlanetPositionInput& in = m.input;
    int trueNode = 0;
    std::istringstream fields = NextLine(file, "moment");
    fields >> in.julianDayNumber >> in.dayFraction >> in.obliquityRad >> in.ascendantDeg >>
        in.midheavenDeg >> trueNode;
    EXPECT_FALSE(fields.fail()) << moments.size();
    in.trueNode = trueNode != 0;
    PlanetPositions& p = m.expected;
    ReadRow(file, "longitudes", p.longitudes, 15);
    ReadRow(file, "latitudes", p.latitudes, 10);
    ReadRow(file, "declinations", p.declinations, 10);
    ReadRow(file, "nextday", p.nextDayLongitudes, 15);
    ReadRow(file, "helio_longitudes", p.helioLongitudes, 9);
    ReadRow(file, "helio_latitudes", p.helioLatitudes, 9);
    NextLine(file, "nodes") >> p.meanNodeDeg >> p.trueNodeDeg;
    NextLine(file, "retro") >> p.retroFlags;
    for (char& c : p.retroFlags) c = c == '.' ? ' ' : c;
    moments.push_back(m);
  }
  return moments;
}

TEST(RecordedPositions, AgreeWithTheEarlierImplementationOverTheCenturyAndBothTheories) {
  const std::vector<RecordedMoment> moments = ReadRecorded();
  ASSERT_EQ(moments.size(), 50u);
  // T = 0 of the cubic elements (1900 January 0.5) and of the linear ones
  // (J2000.0), and 2056.
  EXPECT_EQ(moments[0].input.julianDayNumber, 2415020);
  EXPECT_EQ(moments[1].input.julianDayNumber, 2451545);
  EXPECT_GT(moments.back().input.julianDayNumber, 2472000);

  double worst = 0;
  std::string where;
  for (const RecordedMoment& m : moments) {
    const PlanetPositions got = CalcPlanetPositions(m.input);
    const PlanetPositions& want = m.expected;
    const std::string at = "JDN " + std::to_string(long(m.input.julianDayNumber));
    const auto add = [&](double difference, const std::string& what) {
      if (std::isnan(difference) || std::fabs(difference) > worst) {
        worst = std::isnan(difference) ? INFINITY : std::fabs(difference);
        where = at + " " + what;
      }
    };
    // Angles are compared the short way round, other values as they stand.
    const auto rows = [&](const char* name, const PointArray<double>& a,
                          const PointArray<double>& b, int count, bool angle) {
      for (int i = 1; i <= count; ++i)
        add(angle ? AngleDifference(a[i], b[i]) : a[i] - b[i], name + std::to_string(i));
    };
    rows("longitude ", got.longitudes, want.longitudes, 15, true);
    rows("latitude ", got.latitudes, want.latitudes, 10, false);
    rows("declination ", got.declinations, want.declinations, 10, false);
    rows("next-day longitude ", got.nextDayLongitudes, want.nextDayLongitudes, 15, true);
    rows("helio longitude ", got.helioLongitudes, want.helioLongitudes, 9, true);
    rows("helio latitude ", got.helioLatitudes, want.helioLatitudes, 9, false);
    add(AngleDifference(got.meanNodeDeg, want.meanNodeDeg), "mean node");
    add(AngleDifference(got.trueNodeDeg, want.trueNodeDeg), "true node");
    EXPECT_EQ(got.retroFlags, want.retroFlags) << at;
    // Longitudes stay in 0..360 however the arithmetic is ordered.
    for (int i = 1; i <= 15; ++i) {
      EXPECT_GE(got.longitudes[i], 0) << at << " point " << i;
      EXPECT_LT(got.longitudes[i], 360) << at << " point " << i;
    }
  }
  std::cout << "largest difference " << worst << " degrees (" << where << ")\n";
  EXPECT_LE(worst, kRefactoringNoiseDeg) << where;
}

}  // namespace
}  // namespace orv
