// Records what the chart core computed at fixed inputs, so that a faster
// rewrite of the same formulas can be held to the earlier results:
//   positions: CalcPlanetPositions at 50 moments over 1900-2060
//              (tests/core/ephemeris/recorded_planet_positions.txt)
//   cusps:     CalcHouseCusps in all nine systems at 50 RAMC, latitude and
//              obliquity triples (tests/core/recorded_house_cusps.txt)
// These files pin an implementation, not the truth: the tests that read them
// guard refactoring only, while the worked examples and the independent
// reference ephemeris say whether the results are right. They were written
// from the implementation before its speed-up (the commit that adds this
// tool); rerunning this on a later commit rewrites them from that code.
//
// Rerun by hand from the repository root:
//   g++ -std=c++20 -O2 -Isrc -o /tmp/record_pinned_results tools/record_pinned_results.cpp \
//       src/core/Angles.cpp src/core/HouseCusps.cpp src/core/ephemeris/PlanetPositions.cpp \
//       src/core/ephemeris/SunTheory.cpp src/core/ephemeris/MoonTheory.cpp \
//       src/core/ephemeris/OrbitalElements.cpp src/core/ephemeris/OuterPlanetPerturbations.cpp \
//       src/core/ephemeris/PlutoTheory.cpp
//   /tmp/record_pinned_results positions > tests/core/ephemeris/recorded_planet_positions.txt
//   /tmp/record_pinned_results cusps > tests/core/recorded_house_cusps.txt
//
// Inputs come from a fixed linear congruential sequence, so a rerun on the
// same code writes the same files. Every number is written with 17
// significant digits, which reads back to the same double.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/HouseCusps.h"
#include "core/ephemeris/PlanetPositions.h"

namespace {

constexpr double kFirstJd = 2415020.5;  // 1900 January 1, 0h
constexpr double kLastJd = 2473459.5;   // 2060 December 31, 0h
constexpr int kCases = 50;
constexpr double kDegToRad = M_PI / 180;

std::uint64_t state = 20250317;
double NextUniform() {  // 0 <= value < 1
  state = state * 6364136223846793005ULL + 1442695040888963407ULL;
  return double(state >> 11) / double(1ULL << 53);
}

void PrintRow(const char* label, const orv::PointArray<double>& values, int last) {
  std::printf("%s", label);
  for (int i = 1; i <= last; ++i) std::printf(" %.17g", values[i]);
  std::printf("\n");
}

void RecordPositions() {
  std::printf(
      "# CalcPlanetPositions as implemented before its speed-up; written by\n"
      "# tools/record_pinned_results.cpp. Per moment, the lines:\n"
      "#   moment: julianDayNumber dayFraction obliquityRad ascendantDeg midheavenDeg trueNode\n"
      "#   longitudes 1..15, latitudes 1..10, declinations 1..10, nextday 1..15,\n"
      "#   helio_longitudes 1..9, helio_latitudes 1..9, nodes (mean, true),\n"
      "#   retro (the 16 flag characters, '.' for a blank).\n");
  for (int n = 0; n < kCases; ++n) {
    // The epochs of both element theories first, then one random moment in
    // each of 48 equal stretches of the range.
    double jd = n == 0 ? 2415020.0 : n == 1 ? 2451545.0 : 0;
    if (n >= 2) jd = kFirstJd + (kLastJd - kFirstJd) * (n - 2 + NextUniform()) / (kCases - 2);
    orv::PlanetPositionInput in;
    in.julianDayNumber = std::floor(jd + 0.5);
    in.dayFraction = jd + 0.5 - in.julianDayNumber;
    // A few moments carry their time of day outside 0..1, as a time zone can.
    if (n % 10 == 5) {
      in.julianDayNumber += 1;
      in.dayFraction -= 1;
    } else if (n % 10 == 7) {
      in.julianDayNumber -= 1;
      in.dayFraction += 1;
    }
    in.obliquityRad = (23.43 + 0.02 * NextUniform()) * kDegToRad;
    in.ascendantDeg = 360 * NextUniform();
    in.midheavenDeg = 360 * NextUniform();
    in.trueNode = n % 2 == 1;
    const orv::PlanetPositions p = orv::CalcPlanetPositions(in);
    std::printf("moment %.17g %.17g %.17g %.17g %.17g %d\n", in.julianDayNumber, in.dayFraction,
                in.obliquityRad, in.ascendantDeg, in.midheavenDeg, in.trueNode ? 1 : 0);
    PrintRow("longitudes", p.longitudes, 15);
    PrintRow("latitudes", p.latitudes, 10);
    PrintRow("declinations", p.declinations, 10);
    PrintRow("nextday", p.nextDayLongitudes, 15);
    PrintRow("helio_longitudes", p.helioLongitudes, 9);
    PrintRow("helio_latitudes", p.helioLatitudes, 9);
    std::printf("nodes %.17g %.17g\n", p.meanNodeDeg, p.trueNodeDeg);
    std::printf("retro ");
    for (char c : p.retroFlags) std::printf("%c", c == ' ' ? '.' : c);
    std::printf("\n");
  }
}

void RecordCusps() {
  std::printf(
      "# CalcHouseCusps with Placidus iterated to convergence and the Ascendant\n"
      "# rising in the east at every latitude; written by\n"
      "# tools/record_pinned_results.cpp. Per case, the lines:\n"
      "#   inputs: ramcRadians latitudeRadians obliquityRadians (as HouseInputsAt takes them)\n"
      "#   then one line per system, its option-27 number and the 12 cusps in HouseCusps\n"
      "#   order, or the number and \"none\" where the system cannot be cast.\n");
  for (int n = 0; n < kCases; ++n) {
    double ramc = 2 * M_PI * NextUniform();
    // Latitude 0 (Placidus's stand-in), two polar cases where neither
    // Placidus nor Koch can be cast, and the inhabited range.
    double latitudeDeg = 132 * NextUniform() - 66;
    if (n == 0) latitudeDeg = 0;
    if (n == 1) {
      latitudeDeg = 70;
      ramc = M_PI / 2;
    }
    if (n == 2) {
      latitudeDeg = -68;
      ramc = 1.5 * M_PI;
    }
    const double obliquity = (23.43 + 0.02 * NextUniform()) * kDegToRad;
    const double latitude = latitudeDeg * kDegToRad;
    std::printf("inputs %.17g %.17g %.17g\n", ramc, latitude, obliquity);
    const orv::HouseInputs in = orv::HouseInputsAt(ramc, latitude, obliquity);
    for (int system = 1; system <= 9; ++system) {
      const orv::HouseCuspsResult r =
          orv::CalcHouseCusps(static_cast<orv::HouseSystemCode>(system), in);
      std::printf("%d", system);
      if (!r.ok()) {
        std::printf(" none\n");
        continue;
      }
      for (int i = 1; i <= 12; ++i) std::printf(" %.17g", r.cusps[i]);
      std::printf("\n");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "positions") == 0) {
    RecordPositions();
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "cusps") == 0) {
    RecordCusps();
    return 0;
  }
  std::fprintf(stderr, "usage: record_pinned_results positions|cusps\n");
  return 2;
}
