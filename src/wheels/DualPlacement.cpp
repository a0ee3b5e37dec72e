#include "wheels/DualPlacement.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/Format.h"
#include "core/Angles.h"
#include "core/HousePlacement.h"
#include "wheels/GlyphSlots.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"
#include "wheels/WheelPlacement.h"

namespace orv {

namespace {

constexpr int kPositions = 116;  // `PlacementOccupied`

std::size_t At(int i) { return static_cast<std::size_t>(i); }

bool IsToggled(int point) { return point >= ChartPoint::Moon && point <= ChartPoint::MC; }

bool ToggleChecked(const DualWheelInputs& in, int point) {
  return !IsToggled(point) || in.pointShown[At(point - ChartPoint::Moon)];
}

}  // namespace

DualHouseSlots DualHouseSlotsFor(int count) {
  if (count <= 4) return {4, 7.5};
  if (count > 9) return {9, 3.33};
  return {count, 30.0 / count};
}

bool DualPointShown(const DualWheelInputs& in, int point) {
  if (!IsToggled(point)) return true;
  return !in.helio && ToggleChecked(in, point);
}

DualPlacement PlaceDualWheel(const DualWheelInputs& in) {
  constexpr int n = DualEntries;
  DualArray<double> values = in.values;
  DualArray<int> entries{};
  for (int k = 1; k <= n; ++k) entries[At(k)] = k;
  // A Chiron the table does not reach goes to the end, in no house.
  const auto absent = [&](int k) {
    const bool second = k > NumPoints;
    return (second ? k - NumPoints : k) == ChartPoint::Chiron && !in.hasChiron[second ? 1 : 0];
  };
  const auto before = [&](int i, int j) {
    const int a = entries[At(i)], b = entries[At(j)];
    if (absent(a) != absent(b)) return absent(b);
    return values[At(i)] > values[At(j)];
  };
  for (int i = 1; i < n; ++i)
    for (int j = i + 1; j <= n; ++j)
      if (before(j, i)) {
        std::swap(values[At(i)], values[At(j)]);
        std::swap(entries[At(i)], entries[At(j)]);
      }
  int present = n;
  while (present > 0 && absent(entries[At(present)])) --present;

  DualPlacement out;
  DualArray<int> houses{};
  for (int i = 1; i <= n; ++i) {
    const int k = entries[At(i)];
    const int p = k > NumPoints ? k - NumPoints : k;
    const int h = absent(k) ? 0 : RecordHouse(in.housePositions, k);
    houses[At(i)] = h;
    // Disabled points keep their room; a toggled point only while shown.
    const bool counted =
        !IsToggled(p) || ((in.wheelKind == 2 || !in.helio) && ToggleChecked(in, p));
    if (h > 0 && counted) ++out.houseCounts[At(h)];
  }
  for (int h = 1; h <= 12; ++h) {
    out.houseSlots[At(h)] = DualHouseSlotsFor(out.houseCounts[At(h)]);
    if (h < 12)
      out.firstPosition[At(h + 1)] = out.firstPosition[At(h)] + out.houseSlots[At(h)].positions;
  }
  const int total = out.firstPosition[12] + out.houseSlots[12].positions;
  // Rotated so that no house is split between the end and the start; one
  // full turn at most.
  const auto end = [&](auto& a) { return a.begin() + present + 1; };
  for (int turn = 0; turn < present && houses[At(present)] == houses[1]; ++turn) {
    std::rotate(values.begin() + 1, end(values) - 1, end(values));
    std::rotate(entries.begin() + 1, end(entries) - 1, end(entries));
    std::rotate(houses.begin() + 1, end(houses) - 1, end(houses));
  }

  const HouseCusps widths = HouseSectorWidths(in.cusps);
  std::array<bool, kPositions> occupied{};
  int currentHouse = 0;
  int order = 0;
  for (int i = n; i >= 1; --i) {
    const int k = entries[At(i)];
    const bool second = k > NumPoints;
    const int p = second ? k - NumPoints : k;
    if (!ToggleChecked(in, p)) continue;
    const std::string& enabled = second ? in.enabledTransit : in.enabledNatal;
    if (At(p - 1) < enabled.size() && enabled[At(p - 1)] == '0') continue;
    if (in.helio && IsToggled(p)) continue;
    const int h = houses[At(i)];
    if (h == 0) continue;
    if (h != currentHouse) order = 1;
    currentHouse = h;
    const int e = CuspIndexOfHouse(h);
    double offset = Norm360(values[At(i)] - in.cusps[At(e)]);
    if (std::fabs(offset - 360) <= 1.0 / 36000) offset = 0;
    const int s = out.houseSlots[At(h)].positions;
    const int c = out.houseCounts[At(h)];
    const int m = order;
    const int first = out.firstPosition[At(h)];
    const double width = widths[At(e)];
    int slot = width > 0 ? static_cast<int>(std::trunc(s * offset / width)) : 0;
    const auto taken = [&](int flat) { return flat >= 0 && flat < total && occupied[At(flat)]; };
    if (s - c <= slot) {
      if (s - slot - c + m <= 0)
        slot = (slot - (c - m) >= 0 && !taken(first + slot)) ? s - (c - m) - 1 : s - c;
      if (slot < 0) slot = 0;
    }
    // Kept inside the table: an entry whose value lies outside its house
    // (or a walk past the last position) continues from the first free one.
    int flat = std::clamp(first + slot, 0, total - 1);
    bool wrapped = first + slot != flat;
    for (int step = 0; step < total && occupied[At(flat)]; ++step)
      if (++flat == total) flat = 0, wrapped = true;
    occupied[At(flat)] = true;

    DualLabel label;
    label.entry = k;
    label.value = values[At(i)];
    label.house = h;
    label.houseCount = c;
    if (!wrapped) {
      label.slot = flat - first;
      label.angle = label.slot * out.houseSlots[At(h)].spacingDeg + EqualSlotAngles[At(h)];
    } else {
      // The position's own house places it.
      int owner = 12;
      while (owner > 1 && out.firstPosition[At(owner)] > flat) --owner;
      label.slot = flat - out.firstPosition[At(owner)];
      label.angle = label.slot * out.houseSlots[At(owner)].spacingDeg + EqualSlotAngles[At(owner)];
    }
    if (label.angle >= 360) label.angle -= 360;
    label.retrograde = At(k - 1) < in.retroFlags.size() && in.retroFlags[At(k - 1)] == 'R';
    out.labels.push_back(label);
    ++order;
  }
  return out;
}

std::string DualDegreeText(double value, bool retrograde, bool declination) {
  if (declination) return DeclinationLabelText(value);
  const double d = value - 30 * std::floor(value / 30);
  // Truncated, so that 29.97 does not read as the next sign's 30.0.
  const double tenths = std::trunc(d * 10 + 1e-7) / 10;
  return FormatNumber(tenths, "0.0") + (retrograde ? "R" : "");
}

std::array<UserPoint, 13> DualSignGlyphPositions(const HouseCusps& cusps) {
  std::array<double, 13> cusp{};
  for (int h = 1; h <= 12; ++h) cusp[At(h)] = cusps[At(CuspIndexOfHouse(h))];
  // Nudges by sign, x then y.
  constexpr std::array<std::array<double, 2>, 13> nudge{{{0, 0},
                                                         {-6, 0},
                                                         {-6, 0},
                                                         {0, 0},
                                                         {-5, 0},
                                                         {14, 0},
                                                         {14, 0},
                                                         {14, 0},
                                                         {6, 6},
                                                         {-5, 1},
                                                         {0, 0},
                                                         {-6, 0},
                                                         {-6, 0}}};
  constexpr double radius = 248 * 0.91984662;
  std::array<UserPoint, 13> at{};
  for (int h = 1; h <= 12; ++h) {
    double w = (h < 12 ? cusp[At(h + 1)] : cusp[1]) - cusp[At(h)];
    if (w < -180) w += 360;
    double mid = cusp[At(h)] - cusp[7] + w / 2;
    if (mid < 0) mid += 360;
    if (mid >= 360) mid -= 360;
    const double rad = mid * 3.1415926535 / 180;
    UserPoint p{radius * std::cos(rad) + 4, radius * std::sin(rad) + 4};
    if (mid > 90 && mid < 270) p.x -= 20;
    p.x += nudge[At(h)][0];
    p.y += nudge[At(h)][1];
    at[At(h)] = p;
  }
  return at;
}

}  // namespace orv
