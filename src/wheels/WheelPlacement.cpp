#include "wheels/WheelPlacement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
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
constexpr double kRimRadius = 217;
// The inner end of a label, where a cell's width spans the most degrees, and
// the room, in wheel units, kept between a label and any line.
constexpr double kInnerLabelRadius = 150;
constexpr double kClearance = 1.5;
// The declination wheel's first slot per house: equal 30-degree steps.
constexpr GlyphSlotTable kDeclinationSlotAngles = {0, 182, 212, 242, 272, 302, 332,
                                                   2, 32,  62,  92,  122, 152};

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


// How far, in degrees at radius r, a label cell anchored by its top-left
// corner on the ray at angle a reaches below and above that angle.
std::pair<double, double> CellReach(double a, double w, double h, double r) {
  const double rad = a * std::numbers::pi / 180;
  double below = 0, above = 0;
  for (double dx : {0.0, w})
    for (double dy : {0.0, -h}) {
      const double t = -dx * std::sin(rad) + dy * std::cos(rad);
      below = std::min(below, t);
      above = std::max(above, t);
    }
  const double deg = 180 / (std::numbers::pi * r);
  return {-below * deg, above * deg};
}

// The radius, at most `r`, at which a cell anchored at angle a stays inside
// the rim with a hair to spare.
double InsideRim(double a, double r, double w, double h) {
  const double rad = a * std::numbers::pi / 180;
  const double c = std::cos(rad), s = std::sin(rad);
  const auto reach = [&](double rho) {
    double most = 0;
    for (double dx : {0.0, w})
      for (double dy : {0.0, -h}) most = std::max(most, std::hypot(rho * c + dx, rho * s + dy));
    return most;
  };
  while (r > 150 && reach(r) > kRimRadius - kClearance) r -= 0.5;
  return r;
}

// Each house's labels moved, in order, to lie wholly inside the house:
// clear of both its spokes and inside the rim, by the room a glyph cell
// takes (the paint refines this with the labels' measured boxes).
void FitIntoHouses(const SingleWheelInputs& in, std::vector<PlacedLabel>& placed) {
  for (const auto& [from, to] : HouseGroups(placed)) {
    std::vector<double> angles;
    std::vector<LabelSpan> spans;
    for (std::size_t k = from; k < to; ++k) {
      angles.push_back(placed[k].angle);
      const auto [below, above] =
          CellReach(placed[k].angle, in.cellWidth, in.cellHeight, kInnerLabelRadius);
      spans.push_back({below, above});
    }
    FitSpans(HouseSectorOf(in, placed[from].house), angles, spans);
    for (std::size_t k = from; k < to; ++k) {
      PlacedLabel& l = placed[k];
      l.angle = angles[k - from];
      l.radius = InsideRim(l.angle, GlyphRadiusAt(in.radiusTable, l.angle), in.cellWidth,
                           in.cellHeight);
      l.lineEndAngle = l.angle + LineEndCorrection(l.angle);
    }
  }
}

}  // namespace

int RecordHouse(const std::string& housePositions, int entry) {
  const std::size_t from = At(entry * 10 - 10);
  if (from >= housePositions.size()) return 0;
  const int h = HouseNumberOfRecord(std::string_view(housePositions).substr(from, 10));
  return h >= 1 && h <= 12 ? h : 0;
}

HouseSector HouseSectorOf(const SingleWheelInputs& in, int house) {
  const bool european = in.typeChart == 1 && in.wheelKind == 1;
  // The American frame's house 1 begins at 180 and runs counter-clockwise.
  const auto start = [&](int h) {
    return european ? SingleFrameSpokeAngles(1, in.cusps)[At(h - 1)] : Norm360(180.0 + 30 * (h - 1));
  };
  return {start(house), Norm360(start(house % 12 + 1) - start(house))};
}

std::vector<std::pair<std::size_t, std::size_t>> HouseGroups(const std::vector<PlacedLabel>& placed) {
  std::vector<std::pair<std::size_t, std::size_t>> groups;
  for (std::size_t from = 0; from < placed.size();) {
    std::size_t to = from;
    while (to < placed.size() && placed[to].house == placed[from].house) ++to;
    groups.emplace_back(from, to);
    from = to;
  }
  return groups;
}

double FitSpans(const HouseSector& house, std::vector<double>& angles,
                const std::vector<LabelSpan>& spans) {
  const std::size_t m = angles.size();
  if (m == 0) return 1;
  const double clear = 0.5 * kClearance / kInnerLabelRadius * 180 / std::numbers::pi;
  // Offsets from the house's start, in order; one just before it counts as
  // before it, not at its far end. The fit spreads rows some fifty thousand
  // times a crowded paint, a few labels each: they are ordered on the
  // stack, by insertion, which keeps labels at one offset in their order as
  // a stable sort does.
  constexpr std::size_t kFew = 24;
  std::array<std::size_t, kFew> fewOrder;
  std::array<double, kFew> fewRel;
  std::vector<std::size_t> manyOrder(m > kFew ? m : 0);
  std::vector<double> manyRel(m > kFew ? m : 0);
  const std::span<std::size_t> order =
      m > kFew ? std::span(manyOrder) : std::span(fewOrder).first(m);
  const std::span<double> rel = m > kFew ? std::span(manyRel) : std::span(fewRel).first(m);
  for (std::size_t k = 0; k < m; ++k) {
    rel[k] = Norm360(angles[k] - house.start);
    if (rel[k] > house.width + (360 - house.width) / 2) rel[k] -= 360;
    std::size_t j = k;
    for (; j > 0 && rel[k] < rel[order[j - 1]]; --j) order[j] = order[j - 1];
    order[j] = k;
  }
  double need = clear;
  for (std::size_t k : order) need += spans[k].below + spans[k].above + clear;
  // Too little room: the labels spread evenly, and the caller shrinks them.
  const double spread = need > house.width ? house.width / need : 1;
  double low = clear * spread;
  for (std::size_t k : order) {
    rel[k] = std::max(rel[k], low + spans[k].below * spread);
    low = rel[k] + (spans[k].above + clear) * spread;
  }
  double high = house.width - clear * spread;
  for (std::size_t j = m; j-- > 0;) {
    const std::size_t k = order[j];
    rel[k] = std::min(rel[k], high - spans[k].above * spread);
    high = rel[k] - (spans[k].below + clear) * spread;
  }
  for (std::size_t k = 0; k < m; ++k) angles[k] = Norm360(house.start + rel[k]);
  return spread;
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

bool LeftSideOrder(const SingleWheelInputs& in, int house, double angle) {
  const bool european = in.typeChart == 1 && in.wheelKind == 1 && !in.outerRing;
  const int boundary = in.glyphLayout == 1 && (in.typeChart == 0 || in.wheelKind != 1) ? 3 : 4;
  return (house < boundary || house > boundary + 5 || (in.typeChart != 0 && in.wheelKind == 1)) &&
         ((angle >= 75 && angle < 255) || !european);
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
  for (int h = 1; h <= 12; ++h)
    slots[At(h)] = in.declination ? DeclinationHouseSlots(list.houseCounts[At(h)])
                                  : HouseSlots{capacity, spacing};

  std::vector<PlacedLabel> placed;
  // Slots taken, per house: a full house never spills into the next.
  std::array<std::vector<bool>, 13> taken{};
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
    // A house holding more entries than slots gets one slot per entry, set
    // closer: every point the listing shows is drawn.
    const int c = in.declination ? slots[At(h)].capacity : std::max(slots[At(h)].capacity, n);
    std::vector<bool>& used = taken[At(h)];
    if (used.size() < At(c)) used.resize(At(c), false);

    const int k = CuspIndexOfHouse(h);
    double offset = Norm360(v - in.cusps[At(k)]);
    if (360 - offset < 1.0 / 36000) offset = 0;
    const double width = widths[At(k)];
    // A house of no width (coinciding cusps) puts its points at its start.
    int s = width > 0 ? static_cast<int>(std::trunc(c * offset / width)) : 0;
    const auto isTaken = [&](int slot) { return slot >= 0 && slot < c && used[At(slot)]; };
    const int e = order;
    if (!(c - n > s) && c - s - n + e <= 0) {
      s = (s - (n - e) >= 0 && !isTaken(s)) ? c - (n - e) - 1 : c - n;
    }
    s = std::clamp(s, 0, c - 1);
    while (isTaken(s) && s < c - 1) ++s;
    while (isTaken(s) && s > 0) --s;
    if (s < c) used[At(s)] = true;
    const double slotSpacing =
        c > capacity && !in.declination ? spacing * (capacity - 1) / (c - 1) : spacing;

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
      label.angle = s * slotSpacing + (in.outerRing ? SlotAngleTableB : SlotAngleTableA)[At(h)];
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
    label.leftSideOrder = LeftSideOrder(in, h, label.angle);
    label.retrograde = !in.helio && IsRetrogradeCapable(p) && At(p - 1) < in.retroFlags.size() &&
                       in.retroFlags[At(p - 1)] == 'R';
    placed.push_back(label);
    ++order;
  }
  // The combined wheel's two bands keep their own radii and spacing.
  if (!in.declination && in.wheelKind == 1) FitIntoHouses(in, placed);
  return placed;
}

}  // namespace orv
