#include "wheels/WheelPlacement.h"

#include <algorithm>
#include <string_view>

#include "core/Angles.h"
#include "core/HousePlacement.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/GlyphSlots.h"
#include "wheels/WheelLayout.h"

namespace orv {

namespace {

constexpr double kMinSpacingDeg = 4.0;  // `WheelMinSpacing` of the single wheel
constexpr int kCapacity = 7;            // `SlotCapacity` of the single wheel
// The same of the combined arrangement's second ring.
constexpr double kOuterRingSpacingDeg = 5.3;
constexpr int kOuterRingCapacity = 5;
constexpr int kPositions = 116;         // `PlacementOccupied`

std::size_t At(int i) { return static_cast<std::size_t>(i); }

double GlyphRadiusAt(const std::array<std::int16_t, 361>& table, double angleDeg) {
  int d = ToInteger(angleDeg);
  if (d < 0 || d > 360) d = ((d % 360) + 360) % 360;
  const int r = table[At(d)];
  return r > 0 ? r : derived::GlyphRadius(d);
}

bool IsRetrogradeCapable(int p) { return (p >= 1 && p <= 10) || p == 13 || p == 16; }

// The cusp entry that ends house h.
int NextCuspIndex(int house) { return house <= 8 ? house + 4 : house - 8; }

}  // namespace

int RecordHouse(const std::string& housePositions, int entry) {
  const std::size_t from = At(entry * 10 - 10);
  if (from >= housePositions.size()) return 0;
  const int h = HouseNumberOfRecord(std::string_view(housePositions).substr(from, 10));
  return h >= 1 && h <= 12 ? h : 0;
}

WheelList BuildWheelList(const PointArray<double>& values, const std::string& housePositions,
                         int lastPoint) {
  WheelList list;
  for (int i = 1; i <= NumPoints; ++i) {
    list.points[At(i)] = i;
    list.values[At(i)] = values[At(i)];
  }
  for (int i = 1; i < lastPoint; ++i)
    for (int j = i + 1; j <= lastPoint; ++j)
      if (list.values[At(j)] > list.values[At(i)]) {
        std::swap(list.values[At(i)], list.values[At(j)]);
        std::swap(list.points[At(i)], list.points[At(j)]);
      }
  for (int i = 1; i <= lastPoint; ++i) {
    const int h = RecordHouse(housePositions, list.points[At(i)]);
    list.houses[At(i)] = h;
    if (h > 0) ++list.houseCounts[At(h)];
  }
  // One full turn at most: a list all in one house comes back unchanged.
  const auto end = [&](auto& a) { return a.begin() + lastPoint + 1; };
  for (int turn = 0; turn < lastPoint && list.houses[At(lastPoint)] == list.houses[1]; ++turn) {
    std::rotate(list.values.begin() + 1, end(list.values) - 1, end(list.values));
    std::rotate(list.points.begin() + 1, end(list.points) - 1, end(list.points));
    std::rotate(list.houses.begin() + 1, end(list.houses) - 1, end(list.houses));
  }
  return list;
}

HouseSlots DeclinationHouseSlots(int count) {
  if (count <= 4) return {4, 7.5};
  if (count <= 9) return {count, 30.0 / count};
  return {9, 3.33};
}

double LineEndCorrection(double a) {
  if (a >= 45 && a <= 95) return -1;
  if (a > 95 && a <= 130) return -2;
  if (a > 130 && a <= 150) return -1;
  if (a >= 180 && a <= 210) return 2;
  if (a > 210 && a <= 240) return 3;
  if (a > 240 && a <= 270) return 2;
  if (a > 270 && a <= 280) return 1;
  if (a >= 330 && a <= 360) return -2;
  return 0;
}

double OuterRingLineEndCorrection(double a) {
  if (a >= 45 && a <= 135) return -1;
  if (a >= 185 && a <= 270) return 3;
  if (a >= 330 && a <= 360) return -2;
  return 0;
}

std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in) {
  return PlaceSingleWheel(in, BuildWheelList(in.values, in.housePositions, in.lastPoint));
}

std::vector<PlacedLabel> PlaceSingleWheel(const SingleWheelInputs& in, const WheelList& list) {
  const bool european = in.typeChart == 1 && in.wheelKind == 1 && !in.outerRing;
  const int capacity = in.outerRing ? kOuterRingCapacity : kCapacity;
  const double spacing = in.outerRing ? kOuterRingSpacingDeg : kMinSpacingDeg;
  const HouseCusps widths = HouseSectorWidths(in.cusps);

  // Capacity per house and the first flat position of each house: the
  // declination wheel sizes each house by its own count.
  std::array<HouseSlots, 13> slots{};
  std::array<int, 14> firstPosition{};
  for (int h = 1; h <= 12; ++h) {
    slots[At(h)] = in.declination ? DeclinationHouseSlots(list.houseCounts[At(h)])
                                  : HouseSlots{capacity, spacing};
    firstPosition[At(h + 1)] = firstPosition[At(h)] + slots[At(h)].capacity;
  }
  const int lastPosition = std::min(firstPosition[13], kPositions) - 1;
  std::array<bool, kPositions> occupied{};

  std::vector<PlacedLabel> placed;
  int currentHouse = 0;
  int order = 0;
  double previousAngle = -100;
  for (int i = NumPoints; i >= 1; --i) {
    const int p = list.points[At(i)];
    const double v = list.values[At(i)];
    if (At(p - 1) < in.enabled.size() && in.enabled[At(p - 1)] == '0') continue;
    if (in.helio && p >= ChartPoint::Moon && p <= ChartPoint::MC) continue;
    const int h = list.houses[At(i)];
    if (h == 0) continue;
    if (h != currentHouse) order = 1;
    currentHouse = h;
    const int n = list.houseCounts[At(h)];
    const int c = slots[At(h)].capacity;
    if (n > c && (p == ChartPoint::SouthNode || p == ChartPoint::PartOfFortune)) continue;

    const int k = CuspIndexOfHouse(h);
    double offset = Norm360(v - in.cusps[At(k)]);
    if (360 - offset < 1.0 / 36000) offset = 0;
    const double width = widths[At(k)];
    // A house of no width (coinciding cusps) puts its points at its start.
    int s = width > 0 ? static_cast<int>(std::trunc(c * offset / width)) : 0;
    const auto position = [&](int slot) { return firstPosition[At(h)] + slot; };
    const auto taken = [&](int slot) {
      const int flat = position(slot);
      return flat >= 0 && flat < kPositions && occupied[At(flat)];
    };
    const int e = order;
    if (!(c - n > s) && c - s - n + e <= 0) {
      s = (s - (n - e) >= 0 && !taken(s)) ? c - (n - e) - 1 : c - n;
    }
    if (s < 0) s = 0;
    while (taken(s) && position(s) < lastPosition) ++s;
    if (position(s) > lastPosition) s = lastPosition - firstPosition[At(h)];
    occupied[At(std::clamp(position(s), 0, kPositions - 1))] = true;

    PlacedLabel label;
    label.entry = i;
    label.point = p;
    label.value = v;
    label.house = h;
    label.slot = s;
    if (in.declination) {
      label.angle = s * slots[At(h)].spacingDeg + EqualSlotAngles[At(h)];
      if (label.angle >= 360) label.angle -= 360;
      label.lineEndAngle = label.angle;
      label.radius = WheelRadius + 5;
    } else {
      label.angle = s * spacing + (in.outerRing ? SlotAngleTableB : SlotAngleTableA)[At(h)];
      if (european) {
        double a = Norm360(v - in.cusps[10]);
        const auto crowds = [&](double angle) {
          const double d = angle - previousAngle;
          return (d >= -16 && d < 4) || (d >= -360 && d < -356);
        };
        if (crowds(a)) {
          a = Norm360(previousAngle + kMinSpacingDeg);
          if (offset < 2 && order == 1 && a >= 102.5 && a <= 137.5) a += 2 - offset;
        } else {
          const double q = Norm360(in.cusps[At(NextCuspIndex(h))] - in.cusps[10]);
          const double room = (n - e + 1) * kMinSpacingDeg;
          if (Norm360(q - a) < room) a = Norm360(q - room);
          if (Norm360(q - a) >= 332 && a <= 28) a = 0;
          if ((a < 180 || a >= 270) && a + 2 < q) a += 2;
          // Pulled back to leave room for the rest of a full house, a glyph
          // still never stands closer than the spacing to the one before.
          if (crowds(a)) a = Norm360(previousAngle + kMinSpacingDeg);
        }
        previousAngle = a;
        label.angle = a;
      }
      if (in.outerRing) {
        // Across the sector from this house's radius to the next one's.
        const int next = h == 12 ? 1 : h + 1;
        label.radius = SlotRadiusTableB[At(h)] +
                       double(SlotRadiusTableB[At(next)] - SlotRadiusTableB[At(h)]) * s / c;
        label.lineEndAngle = label.angle + OuterRingLineEndCorrection(label.angle);
      } else {
        label.radius = GlyphRadiusAt(in.radiusTable, label.angle);
        label.lineEndAngle = label.angle + LineEndCorrection(label.angle);
      }
    }
    const int boundary = in.glyphLayout == 1 && (in.typeChart == 0 || in.wheelKind != 1) ? 3 : 4;
    label.leftSideOrder =
        (h < boundary || h > boundary + 5 || (in.typeChart != 0 && in.wheelKind == 1)) &&
        ((label.angle >= 75 && label.angle < 255) || !european);
    label.retrograde = !in.helio && IsRetrogradeCapable(p) && At(p - 1) < in.retroFlags.size() &&
                       in.retroFlags[At(p - 1)] == 'R';
    placed.push_back(label);
    ++order;
  }
  return placed;
}

}  // namespace orv
