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
// units, sign glyph, minute tens, minute units) on the American wheel. Its
// spokes stand at fixed angles, so cusp entry i is always at screen angle
// a = 90 + 30 (i - 1) (MC 90, Ascendant 180, IC 270, Descendant 0). The
// label follows the rule that places a European label at its cusp's angle:
// anchor (4 + 217.08 cos a, 4 + 217.08 sin a), just outside the rim of
// radius 217; a shift left of 0, 21 or 39 units for the right half, the
// near-vertical bands and the left half; then the characters at x offsets
// -2, 5, 12, 26, 30 on the anchor's line. Those are the printer's shifts and
// offsets: the window and the printer share this table, and the printer's
// tighter spacing keeps every label inside the printed page (x within
// +-255.06 wheel units), which the tool checks before writing.
//
// Run again:
//   g++ -std=c++20 -O2 -Wall -Wextra -o /tmp/wheel_tables tools/WheelTables.cpp
//   /tmp/wheel_tables data

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kPi = 3.1415926535;

// Slot table A: per house 1..12 the angle of its first glyph slot and the
// glyph radius there.
constexpr std::array<int, 12> kSlotAngles{180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
constexpr std::array<int, 12> kSlotRadii{217, 212, 201, 196, 194, 197,
                                         199, 202, 206, 208, 212, 217};

// The cusp label rule (printer twin).
constexpr double kLabelRadius = 0.91984662 * 236;
constexpr double kLabelOrigin = 4;
constexpr std::array<double, 5> kCharOffsets{-2, 5, 12, 26, 30};
// Printed page edge for a single American wheel (scale 265): 0.9625 * 265.
constexpr double kPageHalfWidth = 255.0625;
// Widest character cell at each position, printer font sizes 12/14/8 pt:
// degree digits 7 units, sign glyph 14, minute digits 4.
constexpr std::array<double, 5> kCharWidths{7, 7, 14, 4, 4};

double LabelShift(double a) {
  if (a <= 80 || a >= 280) return 0;
  if ((a > 80 && a < 100) || (a > 260 && a < 280)) return -21;
  return -39;
}

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

bool WriteRadius(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  for (int degree = 0; degree <= 360; ++degree) {
    // The slot angle at or before this degree, and the one after it.
    int before = 0;
    double beforeAngle = -1e9;
    for (int h = 0; h < 12; ++h) {
      double angle = kSlotAngles[h];
      if (angle > degree) angle -= 360;
      if (angle > beforeAngle) {
        beforeAngle = angle;
        before = h;
      }
    }
    const int after = (before + 1) % 12;
    double afterAngle = kSlotAngles[after];
    while (afterAngle <= beforeAngle) afterAngle += 360;
    const double f = (degree - beforeAngle) / (afterAngle - beforeAngle);
    const double radius = kSlotRadii[before] + (kSlotRadii[after] - kSlotRadii[before]) * f;
    std::fprintf(file, "%d\r\n", Nearest(radius));
  }
  return std::fclose(file) == 0;
}

bool WriteHcData(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  for (int i = 1; i <= 12; ++i) {
    const double a = std::fmod(90.0 + 30.0 * (i - 1), 360.0);
    const double x0 = kLabelOrigin + kLabelRadius * std::cos(a * kPi / 180) + LabelShift(a);
    const int y = Nearest(kLabelOrigin + kLabelRadius * std::sin(a * kPi / 180));
    for (int c = 0; c < 5; ++c) {
      const int x = Nearest(x0 + kCharOffsets[c]);
      if (x < -kPageHalfWidth || x + kCharWidths[c] > kPageHalfWidth) {
        std::fprintf(stderr, "cusp %d character %d at x %d leaves the page\n", i, c + 1, x);
        std::fclose(file);
        return false;
      }
      std::fprintf(file, c == 0 ? "%d,%d" : ",%d,%d", x, y);
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
