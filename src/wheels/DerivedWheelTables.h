#pragma once
// The single wheel's two position tables as derived from its layout rules:
// the glyph radius per whole degree (RADIUS.DAT) and the cusp label
// positions of the American wheel on the window (HCDATA.DAT; the printed
// page takes its own from the same rule). tools/WheelTables.cpp writes
// the shipped files from these; the wheel falls back on them where a file is
// missing or short. Header only and standard C++ alone, so the tool builds
// without the project.

#include <algorithm>
#include <array>
#include <cmath>

namespace orv::derived {

inline constexpr double kPi = 3.1415926535;

// Slot table A: per house 1..12 the angle of its first glyph slot and the
// glyph radius there.
inline constexpr std::array<int, 12> kSlotAngles{180, 209, 240, 272, 304, 335,
                                                 4,   34,  65,  95,  124, 153};
inline constexpr std::array<int, 12> kSlotRadii{217, 212, 201, 196, 194, 197,
                                                199, 202, 206, 208, 212, 217};

// Cusp labels stand just outside the rim (radius 217) at this radius, from
// the anchor offset (4, 4).
inline constexpr double kCuspLabelRadius = 0.91984662 * 236;
inline constexpr double kCuspLabelOrigin = 4;

// The left shift of a cusp label at screen angle `a` degrees: none on the
// right half, `nearVertical` within 10 degrees of the top and bottom,
// `leftHalf` on the left half.
inline double CuspLabelShift(double a, double nearVertical, double leftHalf) {
  if (a <= 80 || a >= 280) return 0;
  if ((a > 80 && a < 100) || (a > 260 && a < 280)) return nearVertical;
  return leftHalf;
}

// The x offsets of the five label characters from the shifted anchor, and
// the left shifts (near-vertical bands, left half), on the window and on the
// printed page (whose fonts are smaller against the wheel).
inline constexpr std::array<double, 5> kWindowCharOffsets{-2, 6, 16, 33, 40};
inline constexpr std::array<double, 5> kPrinterCharOffsets{-2, 5, 12, 26, 30};
inline constexpr double kWindowShiftNearVertical = -23, kWindowShiftLeft = -49;
inline constexpr double kPrinterShiftNearVertical = -21, kPrinterShiftLeft = -39;

// Glyph radius at whole degree `degree` (0..360): linear between the slot
// angles' radii, around the circle; to the nearest unit.
inline int GlyphRadius(int degree) {
  int before = 0;
  double beforeAngle = -1e9;
  for (int h = 0; h < 12; ++h) {
    double angle = kSlotAngles[static_cast<std::size_t>(h)];
    if (angle > degree) angle -= 360;
    if (angle > beforeAngle) {
      beforeAngle = angle;
      before = h;
    }
  }
  const int after = (before + 1) % 12;
  double afterAngle = kSlotAngles[static_cast<std::size_t>(after)];
  while (afterAngle <= beforeAngle) afterAngle += 360;
  const double f = (degree - beforeAngle) / (afterAngle - beforeAngle);
  const double r0 = kSlotRadii[static_cast<std::size_t>(before)];
  const double r1 = kSlotRadii[static_cast<std::size_t>(after)];
  return static_cast<int>(std::nearbyint(r0 + (r1 - r0) * f));
}

// A cusp label's box: from its first character's left edge to past its
// last character, and one line of text high (leading included), on each
// surface; and the room kept between a label and the rim.
inline constexpr double kWindowCuspLabelWidth = 47, kPrinterCuspLabelWidth = 36;
inline constexpr double kCuspLabelHeight = 15;
inline constexpr double kCuspLabelClearance = 2;

// The top-left corner (x, y) of a label anchored at (x, y), moved out along
// angle `a` until its whole box clears the rim: labels at the top and bottom
// would otherwise be struck through by the circle.
inline std::array<double, 2> ClearOfRim(double x, double y, double a, double width) {
  const double c = std::cos(a * kPi / 180), s = std::sin(a * kPi / 180);
  for (int step = 0; step < 400; ++step) {
    const double nx = std::clamp(0.0, x, x + width);
    const double ny = std::clamp(0.0, y - kCuspLabelHeight, y);
    if (std::hypot(nx, ny) >= 217 + kCuspLabelClearance) break;
    x += 0.25 * c;
    y += 0.25 * s;
  }
  return {x, y};
}

// The record of cusp entry i (1 the MC .. 12): five (x, y) pairs, at the
// American wheel's fixed cusp angle 90 + 30 (i - 1), laid out for the window
// or for the printed page.
inline std::array<int, 10> CuspLabelRecord(int i, bool printing) {
  const double a = std::fmod(90.0 + 30.0 * (i - 1), 360.0);
  const double x0 = kCuspLabelOrigin + kCuspLabelRadius * std::cos(a * kPi / 180) +
                    (printing ? CuspLabelShift(a, kPrinterShiftNearVertical, kPrinterShiftLeft)
                              : CuspLabelShift(a, kWindowShiftNearVertical, kWindowShiftLeft));
  const std::array<double, 5>& offsets = printing ? kPrinterCharOffsets : kWindowCharOffsets;
  const auto [left, top] =
      ClearOfRim(x0 + offsets[0], kCuspLabelOrigin + kCuspLabelRadius * std::sin(a * kPi / 180), a,
                 printing ? kPrinterCuspLabelWidth : kWindowCuspLabelWidth);
  const int y = static_cast<int>(std::nearbyint(top));
  std::array<int, 10> record{};
  for (std::size_t c = 0; c < 5; ++c) {
    record[2 * c] = static_cast<int>(std::nearbyint(left + offsets[c] - offsets[0]));
    record[2 * c + 1] = y;
  }
  return record;
}

}  // namespace orv::derived
