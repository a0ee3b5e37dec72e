// Generates data/RADIUS.DAT and data/HCDATA.DAT, the two position tables of
// the single chart wheel, from the wheel's own layout rules (no other input).
//
// RADIUS.DAT: 361 integers, one a line: the planet glyph radius (wheel units)
// for each whole degree of screen angle 0 .. 360. The placement puts the
// first glyph of house h at the slot angle A(h) with the slot radius R(h)
// (slot table A below); the radius between two neighbouring slot angles runs
// linearly from one slot radius to the next, and around the circle (the
// slot after house 6 at 335 degrees is house 7 at 4 + 360). Rounded to the
// nearest integer; degree 360 repeats degree 0.
//
// HCDATA.DAT: 12 lines of 10 integers, one line per cusp entry i (1 the MC,
// 4 the Ascendant, 10 the Descendant, house-cusp array order): the (x, y)
// top-left corners of the cusp label's five characters (degree tens, degree
// units, sign glyph, minute tens, minute units) on the American wheel in the
// window. Its spokes stand at fixed angles, so cusp entry i is always at
// screen angle a = 90 + 30 (i - 1) (MC 90, Ascendant 180, IC 270, Descendant
// 0). The label follows the rule that places a European label at its cusp's
// angle on the window: anchor (4 + 217.08 cos a, 4 + 217.08 sin a), just
// outside the rim of radius 217; a shift left of 0, 23 or 49 units for the
// right half, the near-vertical bands and the left half; then the
// characters at x offsets -2, 6, 16, 33, 40 on the anchor's line. The tool
// checks that every label lies inside a 4:3 window (x within +-300).
//
// The rules themselves live in src/wheels/DerivedWheelTables.h, which the
// wheel also falls back on.
//
// Run again:
//   g++ -std=c++20 -O2 -Wall -Wextra -o /tmp/wheel_tables tools/WheelTables.cpp
//   /tmp/wheel_tables data

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "../src/wheels/DerivedWheelTables.h"

namespace {

using orv::derived::CuspLabelRecord;
using orv::derived::GlyphRadius;

// The edge of a 4:3 window: 225 / 0.75.
constexpr double kWindowHalfWidth = 300;
// Widest character cell at each position, window font sizes 9/11/8 pt at
// that window's default size: degree digits 8 units, sign glyph 17, minute
// digits 7.
constexpr std::array<double, 5> kCharWidths{8, 8, 17, 7, 7};

bool WriteRadius(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  for (int degree = 0; degree <= 360; ++degree) std::fprintf(file, "%d\r\n", GlyphRadius(degree));
  return std::fclose(file) == 0;
}

bool WriteHcData(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  for (int i = 1; i <= 12; ++i) {
    const std::array<int, 10> record = CuspLabelRecord(i, false);
    for (std::size_t c = 0; c < 5; ++c) {
      const int x = record[2 * c];
      if (x < -kWindowHalfWidth || x + kCharWidths[c] > kWindowHalfWidth) {
        std::fprintf(stderr, "cusp %d character %zu at x %d leaves the window\n", i, c + 1, x);
        std::fclose(file);
        return false;
      }
      std::fprintf(file, c == 0 ? "%d,%d" : ",%d,%d", x, record[2 * c + 1]);
    }
    std::fprintf(file, "\r\n");
  }
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  if (!WriteRadius(folder + "/RADIUS.DAT") || !WriteHcData(folder + "/HCDATA.DAT")) {
    std::fprintf(stderr, "could not write the wheel tables\n");
    return 1;
  }
  return 0;
}
