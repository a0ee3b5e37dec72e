#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Angles.h"
#include "wheels/AspectLines.h"
#include "wheels/GlyphCodes.h"
#include "wheels/WheelFit.h"

namespace orv::wheelfit {

// The two-ring labels of each house (sign) refitted by the boxes they
// really cover: wholly outside the circle, close to it, inside their
// sector and clear of its sign glyph (labels go to either side of it,
// as many as fit), apart; a sector too small for them at full size takes
// a second row further out where the window has room for it, and its
// labels shrink as far as they must, to `least` of their sizes. With
// `lend`, a sector that cannot hold its labels so lends its first and
// last to the sectors either side (`LendRing`). The labels' angles move with
// them, so that the aspect lines end beside their labels.
std::vector<WheelFit::RingSpot> WheelFit::FitRing(DualPlacement& placed, double least, bool lend) {
  ringSnug_ = false;
  sectorFits_.clear();
  const std::vector<DualLabel> given = placed.labels;
  std::vector<RingSpot> spots = FitRingOnce(placed, least, lend);
  // Where labels go further than the sector beside their own, the
  // sectors that hold theirs only without the clear pixel (on paper a dot)
  // between glyph and text give it up, their inks still apart, if fewer
  // labels then go so far.
  const int far = RingLentFar(placed.labels);
  if (far == 0) return spots;
  const std::vector<DualLabel> clear = placed.labels;
  const auto leaders = ringLeaders_;
  const auto guests = ringGuests_;
  const auto hosts = ringHostOf_;
  placed.labels = given;
  ringSnug_ = true;
  std::vector<RingSpot> snug = FitRingOnce(placed, least, lend);
  ringSnug_ = false;
  if (RingLentFar(placed.labels) < far) return snug;
  placed.labels = clear;
  ringLeaders_ = leaders;
  ringGuests_ = guests;
  ringHostOf_ = hosts;
  return spots;
}

// How many labels are lent further than the sector beside their own.
int WheelFit::RingLentFar(const std::vector<DualLabel>& labels) const {
  int far = 0;
  for (int house = 1; house <= 12; ++house)
    for (const auto& guests : ringGuests_[std::size_t(house)])
      for (const std::size_t k : guests) far += FarApart(house, labels[k].house);
  return far;
}

std::vector<WheelFit::RingSpot> WheelFit::FitRingOnce(DualPlacement& placed, double least,
                                                      bool lend) {
  std::vector<DualLabel>& labels = placed.labels;
  std::vector<RingSpot> spots(labels.size());
  ringLeaders_.clear();
  ringGuests_ = {};
  ringHostOf_ = {};
  std::array<std::vector<std::size_t>, 13> members;
  for (std::size_t k = 0; k < labels.size(); ++k)
    members[std::size_t(labels[k].house)].push_back(k);
  // In zodiac order from the sector's start, also where the sector holds
  // the list's first and last labels.
  for (int house = 1; house <= 12; ++house) {
    const HouseSector sector = RingSector(house);
    const auto offset = [&](std::size_t k) {
      return std::remainder(SurfaceAngle(labels[k].angle, 1) - sector.start - sector.width / 2,
                            360.0);
    };
    std::vector<std::size_t>& in = members[std::size_t(house)];
    std::stable_sort(in.begin(), in.end(),
                     [&](std::size_t x, std::size_t y) { return offset(x) < offset(y); });
  }
  std::array<bool, 13> homeless{};
  for (int house = 1; house <= 12; ++house)
    homeless[std::size_t(house)] =
        !FitSector(house, members[std::size_t(house)], labels, spots, least);
  if (!lend) {
    if (gridBox_) ClearOfGrid(members, labels, spots, least);
    return spots;
  }
  // Each crowded sector lends around those that lent before it: where
  // crowded sectors stand together, one may lend only once its neighbour
  // has. So where some must keep their labels at home, they lend again
  // after the others, and the order that keeps fewer so is drawn.
  const std::vector<DualLabel> fitted = labels;
  const std::vector<RingSpot> fittedSpots = spots;
  const auto lendInOrder = [&](const std::vector<int>& order, const RingLending& lending) {
    labels = fitted;
    spots = fittedSpots;
    ringLeaders_.clear();
    ringGuests_ = {};
    ringHostOf_ = {};
    std::array<bool, 13> busy = homeless, keptHome{};
    std::size_t small = 0;
    for (const int house : order)
      if (!LendRing(house, members, labels, spots, least, busy, keptHome, lending)) {
        // Kept at home, as small as they must be: a label in a wrong
        // sector with no line back would be a wrong result.
        FitSector(house, members[std::size_t(house)], labels, spots, kSmallestLabel);
        keptHome[std::size_t(house)] = true;
        small += members[std::size_t(house)].size();
      }
    return std::pair{small, keptHome};
  };
  std::vector<int> order;
  for (int house = 1; house <= 12; ++house)
    if (homeless[std::size_t(house)]) order.push_back(house);
  // The order that keeps fewer labels small drawn, and how many it keeps.
  const auto lendBest = [&](const RingLending& lending) {
    // Plain names, not a structured binding: the lambda below captures them.
    const auto inZodiacOrder = lendInOrder(order, lending);
    const std::size_t small = inZodiacOrder.first;
    const std::array<bool, 13> keptHome = inZodiacOrder.second;
    if (small == 0) return small;
    std::vector<int> later = order;
    std::stable_partition(later.begin(), later.end(),
                          [&](int house) { return !keptHome[std::size_t(house)]; });
    if (later != order) {
      const std::size_t laterSmall = lendInOrder(later, lending).first;
      if (laterSmall < small) return laterSmall;
    }
    lendInOrder(order, lending);
    return small;
  };
  // Where that keeps some small, lending split between two sectors, then
  // one sector further, and last the last tries; the one that keeps fewest
  // small drawn.
  std::size_t small = lendBest({});
  RingLending best, last = best;
  for (const RingLending r :
       {RingLending{kRingLendReach, true, false}, RingLending{kRingFarthestReach, true, false},
        RingLending{kRingLendReach, false, true}, RingLending{kRingLendReach, true, true},
        RingLending{kRingFarthestReach, true, true}}) {
    if (small == 0) break;
    last = r;
    const std::size_t kept = lendBest(r);
    if (kept < small) small = kept, best = r;
  }
  if (best != last) lendBest(best);
  return spots;
}

// On paper, a sector whose labels reach into the box the aspect grid
// covers at its lowest (a second row below the wheel) holds one row there
// at no smaller a size, lending what it cannot hold to the sectors beside
// it; where it cannot, it stays as it was. On `FitRing`'s second try, a
// sector that would lend two sectors or more holds its own at home
// instead where it can, as small as they must be (`least`).
void WheelFit::ClearOfGrid(const std::array<std::vector<std::size_t>, 13>& members,
                           std::vector<DualLabel>& labels, std::vector<RingSpot>& spots,
                           double least) {
  std::array<bool, 13> busy{}, keptHome{};
  std::array<double, 13> size{};
  for (int house = 1; house <= 12; ++house) {
    size[std::size_t(house)] = 1;
    for (const std::size_t k : members[std::size_t(house)]) {
      size[std::size_t(house)] = std::min(size[std::size_t(house)], spots[k].factor);
      busy[std::size_t(house)] =
          busy[std::size_t(house)] || MeetsGrid(RingBoxes(labels[k], spots[k]));
    }
  }
  const std::array<bool, 13> meeting = busy;
  for (int house = 1; house <= 12; ++house) {
    if (!meeting[std::size_t(house)]) continue;
    const std::vector<DualLabel> keptLabels = labels;
    const std::vector<RingSpot> keptSpots = spots;
    const std::array<bool, 13> keptBusy = busy;
    const auto keptGuests = ringGuests_;
    const auto keptHosts = ringHostOf_;
    const std::vector<std::size_t>& own = members[std::size_t(house)];
    const auto restore = [&] {
      labels = keptLabels;
      spots = keptSpots;
      busy = keptBusy;
      ringGuests_ = keptGuests;
      ringHostOf_ = keptHosts;
      for (const std::size_t k : own) ringLeaders_.erase(k);
    };
    bool clear = false;
    // At full size first: a sector that takes lent labels keeps its own
    // as large as they were.
    for (const double at : {1.0, size[std::size_t(house)]}) {
      clear =
          FitSector(house, own, labels, spots, at - 1e-9, {}, true) ||
          LendRing(house, members, labels, spots, at - 1e-9, busy, keptHome, {.clearOfGrid = true});
      for (std::size_t k = 0; k < spots.size() && clear; ++k)
        clear = std::find(own.begin(), own.end(), k) != own.end() ||
                spots[k].factor >= keptSpots[k].factor - 1e-9;
      if (clear) break;
      restore();
    }
    // A label lent two sectors or more reads as another sector's: on the
    // second try, the sector keeps its own at home instead, smaller.
    const auto& hosts = ringHostOf_[std::size_t(house)];
    if (clear && ringSnug_ && std::any_of(hosts.begin(), hosts.end(), [&](int host) {
          return host != 0 && FarApart(host, house);
        })) {
      auto lent = std::tuple{labels, spots, busy, ringGuests_, ringHostOf_, ringLeaders_};
      restore();
      if (FitSector(house, own, labels, spots, least, {}, true)) continue;
      std::tie(labels, spots, busy, ringGuests_, ringHostOf_, ringLeaders_) = std::move(lent);
    }
    if (!clear) keptHome[std::size_t(house)] = true;
  }
}
bool WheelFit::MeetsGrid(const std::vector<std::array<UserPoint, 2>>& boxes) const {
  const std::array<UserPoint, 2>& g = *gridBox_;
  return std::any_of(boxes.begin(), boxes.end(), [&](const auto& b) {
    return b[0].x < g[1].x && g[0].x < b[1].x && b[1].y < g[0].y && g[1].y < b[0].y;
  });
}

// The sector of `house` on the ring, as it runs on this surface.
HouseSector WheelFit::RingSector(int house) const {
  return SurfaceSector({Norm360(180.0 + 30 * (house - 1)), 30}, o_.verticalFactor);
}

// The labels `members` (in zodiac order) fitted into the sector of
// `house`, as `FitRing` says; those of `firstRow` (lent ones, whose
// leader lines run in below the first row) never in the second. False
// when they overlap even at `least`. With `ringSnug_`, one that holds
// them only with their texts touching their glyphs has them so.
bool WheelFit::FitSector(int house, const std::vector<std::size_t>& members,
                         std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least,
                         const std::vector<std::size_t>& firstRow, bool clearOfGrid) {
  const auto fit = [&](bool snug) {
    std::vector<double> angles;
    for (const std::size_t k : members) angles.push_back(labels[k].angle);
    auto [known, fresh] = sectorFits_.try_emplace(
        SectorFitKey{house, members, angles, least, firstRow, clearOfGrid, snug});
    SectorFit& f = known->second;
    if (fresh) {
      f.fits = FitSectorAs(house, members, labels, spots, least, firstRow, clearOfGrid, snug);
      for (const std::size_t k : members) f.placed.emplace_back(labels[k].angle, spots[k]);
    } else {
      for (std::size_t j = 0; j < members.size(); ++j)
        std::tie(labels[members[j]].angle, spots[members[j]]) = f.placed[j];
    }
    return f.fits;
  };
  if (fit(false)) return true;
  if (!ringSnug_) return false;
  std::vector<std::pair<double, RingSpot>> kept;
  for (const std::size_t k : members) kept.emplace_back(labels[k].angle, spots[k]);
  if (fit(true)) return true;
  for (std::size_t j = 0; j < members.size(); ++j)
    std::tie(labels[members[j]].angle, spots[members[j]]) = kept[j];
  return false;
}
bool WheelFit::FitSectorAs(int house, const std::vector<std::size_t>& members,
                           std::vector<DualLabel>& labels, std::vector<RingSpot>& spots,
                           double least, const std::vector<std::size_t>& firstRow,
                           bool clearOfGrid, bool snug) {
  if (members.empty()) return true;
  if (ringShapes_.Size() > kKeptShapes) ringShapes_.Clear();
  const auto signs = RingSignPositions();
  // Plain names, not a structured binding: the lambdas below capture them.
  const HouseSector sector = RingSector(house);
  const double start = sector.start, width = sector.width;
  const auto offset = [&](double angle) {
    double rel = Norm360(angle - start);
    if (rel > width + (360 - width) / 2) rel -= 360;
    return rel;
  };
  // The sign glyph's reach within the sector.
  double signLow = width, signHigh = width, signNear = 1e9;
  Box sign{};
  if (!MagnitudeRing()) {
    sign = RingSignBox(house, signs);
    signLow = width, signHigh = 0, signNear = Nearest({sign});
    for (const UserPoint& corner : Corners(sign)) {
      const double rel = std::clamp(offset(TrueAngle(corner.x, corner.y)), 0.0, width);
      signLow = std::min(signLow, rel);
      signHigh = std::max(signHigh, rel);
    }
  }
  const std::size_t n = members.size();
  const auto at = [&](std::size_t j) { return members[j]; };
  for (std::size_t j = 0; j < n; ++j) spots[at(j)] = RingSpot{.snug = snug};
  // In two rows, every other label in the second, in zodiac order.
  std::vector<std::size_t> secondRowOf;
  for (std::size_t j = 0, other = 0; j < n; ++j)
    if (std::find(firstRow.begin(), firstRow.end(), at(j)) == firstRow.end() && other++ % 2 == 1)
      secondRowOf.push_back(j);
  std::size_t rows = 1;
  bool fits = true;
  constexpr int kPasses = 7;
  for (int pass = 0; pass < kPasses; ++pass) {
    fits = true;
    // The first row just outside the circle, the second beyond the
    // deepest label of the first.
    const auto hug = [&](std::size_t k, double distance) {
      for (int step = 0; step < 3; ++step)
        spots[k].rho += distance - Nearest(RingBoxes(labels[k], spots[k]));
    };
    double depth = 0;
    for (std::size_t j = 0; j < n; ++j) {
      hug(at(j), kRingLabelsFrom);
      const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
      depth = std::max(depth, Farthest(boxes) - Nearest(boxes));
    }
    const auto secondRow = [&] {
      for (const std::size_t j : secondRowOf) hug(at(j), kRingLabelsFrom + kRimClearance + depth);
    };
    if (rows == 2) secondRow();
    std::vector<double> angles, far;
    std::vector<LabelSpan> spans;
    for (std::size_t j = 0; j < n; ++j) {
      const double anchor = SurfaceAngle(labels[at(j)].angle, 1);
      const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
      angles.push_back(anchor);
      spans.push_back(SpanOfBoxes(boxes, anchor));
      far.push_back(Farthest(boxes));
    }
    // The two sides of the sign glyph; a row that stays inside the
    // glyph (above and below the wheel) has the whole sector.
    const auto sidesOf = [&](const std::vector<std::size_t>& row) {
      double reach = 0;
      for (std::size_t j : row) reach = std::max(reach, far[j]);
      const bool underSign = reach < signNear - kRimClearance;
      return std::array<HouseSector, 2>{{{start, underSign ? width : signLow},
                                         {start + signHigh, underSign ? 0 : width - signHigh}}};
    };
    // How many of a row's labels go before the sign glyph: as many as
    // leave both sides the most room, the nearer their own places the
    // better; and the room that leaves them.
    const auto splitOf = [&](const std::vector<std::size_t>& row,
                             const std::array<HouseSector, 2>& sides) {
      const auto spread = [&](const HouseSector& side, std::size_t a, std::size_t b) {
        double need = 0;
        for (std::size_t j = a; j < b; ++j) need += spans[row[j]].below + spans[row[j]].above;
        return need <= side.width ? 1.0 : std::max(0.0, side.width) / need;
      };
      std::size_t natural = 0;
      while (natural < row.size() && offset(angles[row[natural]]) < (signLow + signHigh) / 2)
        ++natural;
      const auto distance = [&](std::size_t x) { return x > natural ? x - natural : natural - x; };
      std::pair<std::size_t, double> best{natural, -1};
      for (std::size_t m = 0; m <= row.size(); ++m) {
        const double fit = std::min(spread(sides[0], 0, m), spread(sides[1], m, row.size()));
        if (fit > best.second + 1e-9 ||
            (std::fabs(fit - best.second) <= 1e-9 && distance(m) < distance(best.first)))
          best = {m, fit};
      }
      return best;
    };
    // A row squeezed beside the sign glyph passes under it after all where
    // only labels elsewhere in the sector reach as far out as the glyph:
    // spread along the whole sector, those that stand at its angles keep
    // clear of it.
    const auto roomOf = [&](const std::vector<std::size_t>& row) {
      const std::array<HouseSector, 2> sides = sidesOf(row);
      const std::array<HouseSector, 2> whole{{{start, width}, {start + signHigh, 0}}};
      if (sides[0].width == width ||
          splitOf(row, whole).second <= splitOf(row, sides).second + 1e-9)
        return sides;
      std::vector<double> spread;
      std::vector<LabelSpan> span;
      for (const std::size_t j : row) spread.push_back(angles[j]), span.push_back(spans[j]);
      FitSpans(whole[0], spread, span);
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (offset(spread[i]) - span[i].below >= signHigh ||
            offset(spread[i]) + span[i].above <= signLow)
          continue;
        DualLabel moved = labels[at(row[i])];
        moved.angle = UserAngle(spread[i]);
        for (const Box& b : RingBoxes(moved, spots[at(row[i])]))
          if (b[0].x <= sign[1].x && sign[0].x <= b[1].x && b[1].y <= sign[0].y &&
              sign[1].y <= b[0].y)
            return sides;
      }
      return whole;
    };
    std::array<std::vector<std::size_t>, 2> rowMembers;
    for (std::size_t j = 0; j < n; ++j)
      rowMembers[rows == 2 && std::binary_search(secondRowOf.begin(), secondRowOf.end(), j)]
          .push_back(j);
    const double best = splitOf(rowMembers[0], roomOf(rowMembers[0])).second;
    // Far too little room in one row (a little is made by shrinking):
    // a second, when the window holds it.
    double shrunk = 1;
    for (std::size_t j = 0; j < n; ++j) shrunk = std::min(shrunk, spots[at(j)].factor);
    if (best * shrunk < kRingSecondRowBelow && rows == 1 && pass < kPasses - 1) {
      // Tried at full size: each row then shrinks only as far as it
      // must.
      const std::vector<RingSpot> kept = spots;
      depth = 0;
      for (std::size_t j = 0; j < n; ++j) {
        spots[at(j)].factor = 1;
        hug(at(j), kRingLabelsFrom);
        const auto& boxes = RingBoxes(labels[at(j)], spots[at(j)]);
        depth = std::max(depth, Farthest(boxes) - Nearest(boxes));
      }
      secondRow();
      // A few pixels clear of the window's edges (the page's printable
      // area has its margins).
      const double margin = o_.printing ? 0 : kEdgeMarginPx / surface_.DeviceUnitsPerUserX();
      const double marginY = o_.printing ? 0 : kEdgeMarginPx / surface_.DeviceUnitsPerUserY();
      bool inside = true;
      for (const std::size_t j : secondRowOf)
        for (const Box& box : RingBoxes(labels[at(j)], spots[at(j)]))
          inside = inside && box[0].x >= surface_.ScaleLeft() + margin &&
                   box[1].x <= surface_.ScaleLeft() + surface_.ScaleWidth() - margin &&
                   box[0].y <= surface_.ScaleTop() - marginY &&
                   box[1].y >= surface_.ScaleTop() + surface_.ScaleHeight() + marginY;
      for (const std::size_t j : secondRowOf)
        inside = inside && !(clearOfGrid && MeetsGrid(RingBoxes(labels[at(j)], spots[at(j)])));
      if (inside) {
        rows = 2;
        continue;
      }
      spots = kept;
    }
    for (std::size_t row = 0; row < rows; ++row) {
      const std::vector<std::size_t>& rowOf = rowMembers[row];
      const auto sides = roomOf(rowOf);
      const std::size_t split = splitOf(rowOf, sides).first;
      for (std::size_t side = 0; side < 2; ++side) {
        const std::vector<std::size_t> part(rowOf.begin() + long(side == 0 ? 0 : split),
                                            rowOf.begin() + long(side == 0 ? split : rowOf.size()));
        if (part.empty()) continue;
        std::vector<double> partAngles;
        std::vector<LabelSpan> partSpans;
        for (std::size_t j : part) partAngles.push_back(angles[j]), partSpans.push_back(spans[j]);
        const double squeeze = FitSpans(sides[side], partAngles, partSpans);
        fits = fits && squeeze >= 1;
        for (std::size_t i = 0; i < part.size(); ++i) {
          const std::size_t k = at(part[i]);
          labels[k].angle = UserAngle(partAngles[i]);
          // On a screen a little beyond the squeeze, which the measured
          // boxes only approach, so that a sector that fits at `least`
          // is found to.
          if (squeeze < 1 && pass < kPasses - 1)
            spots[k].factor =
                std::max(least, spots[k].factor * squeeze * (ringLeast_ > 0 ? 0.98 : 1));
        }
      }
    }
  }
  return fits;
}

// The box of the sign glyph of `house` in its sector of the ring.
std::array<UserPoint, 2> WheelFit::RingSignBox(int house, const std::array<UserPoint, 13>& signs) {
  boxes_.clear();
  surface_.SetFontSize(Opt(o_.cuspSignSize));
  Put(GlyphCode::SignBase + house, signs[static_cast<std::size_t>(house)], &boxes_);
  return boxes_.front();
}

// The labels of a sector too narrow to hold them at `least` of their
// sizes: as many as it holds stay, and its first and last go into the
// nearest sectors either side (up to `lending.reach` away) with room
// for them beside their own labels, each with a leader line from its
// glyph along the circle, between it and the labels, to its point's own
// place, crossing no label. Fewest lent first, the more even splits
// first. A sector that takes lent labels, or that their lines pass, takes
// no others (`busy`), and no lines pass a sector that lends, but one that
// could not and keeps its labels at home (`keptHome`). False when no
// split fits.
bool WheelFit::LendRing(int house, const std::array<std::vector<std::size_t>, 13>& members,
                        std::vector<DualLabel>& labels, std::vector<RingSpot>& spots, double least,
                        std::array<bool, 13>& busy, const std::array<bool, 13>& keptHome,
                        const RingLending& lending) {
  const std::vector<std::size_t>& own = members[std::size_t(house)];
  const std::size_t n = own.size();
  const auto away = [&](int dir, int steps) { return (house - 1 + dir * steps + 24) % 12 + 1; };
  // Where each label's leader ends: its point's own place in the
  // sector, kept off the spokes.
  const HouseSector sector = RingSector(house);
  const double inset = std::min(kLeaderEndInset, sector.width / 4);
  std::map<std::size_t, double> target;
  for (const std::size_t k : own) {
    const double into = Norm360(SurfaceAngle(180 + Norm360(labels[k].value)) - sector.start);
    const double held =
        into > sector.width ? (into - sector.width < 360 - into ? sector.width : 0) : into;
    target[k] = Norm360(sector.start + std::clamp(held, inset, sector.width - inset));
  }
  // The `count` labels lent on one side (`dir` -1 the sectors before,
  // 1 those after), in zodiac order.
  const auto lentOn = [&](int dir, std::size_t count) {
    return std::vector<std::size_t>(dir < 0 ? own.begin() : own.end() - long(count),
                                    dir < 0 ? own.begin() + long(count) : own.end());
  };
  // The nearest sector on one side that takes `count` of our labels
  // beside its own, on its side toward ours, at `least`: how far away it
  // is, and its labels with their spots.
  struct Host {
    int steps = 0;
    // The labels another sector lent there on the same side, whose
    // lines run below ours; or, `under`, those of a sector passed on the
    // way, whose lines run above ours.
    std::vector<std::size_t> guests;
    bool under = false;
    // Of ours, how many the nearest sector takes where the rest go to
    // the one beyond it (0: all go to one).
    std::size_t nearer = 0;
    std::vector<std::size_t> together;
    std::vector<DualLabel> labels;
    std::vector<RingSpot> spots;
  };
  // `part` of our labels (`dir` as below) set at the edge of sector `h`
  // toward ours and fitted there with the labels it holds, at `least`:
  // them all in zodiac order, or nothing where they do not fit.
  const auto fitIn =
      [&](int h, int dir, const std::vector<std::size_t>& part, std::vector<DualLabel>& trial,
          std::vector<RingSpot>& trialSpots) -> std::optional<std::vector<std::size_t>> {
    const HouseSector side = RingSector(h);
    for (std::size_t i = 0; i < part.size(); ++i)
      trial[part[i]].angle =
          UserAngle(dir < 0 ? side.start + side.width - 0.01 * double(part.size() - i)
                            : side.start + 0.01 * double(i + 1));
    // Its own labels, with those it holds for others in zodiac order.
    const auto& held = ringGuests_[std::size_t(h)];
    std::vector<std::size_t> theirs = held[1];
    theirs.insert(theirs.end(), members[std::size_t(h)].begin(), members[std::size_t(h)].end());
    theirs.insert(theirs.end(), held[0].begin(), held[0].end());
    std::vector<std::size_t> together = dir < 0 ? theirs : part;
    const std::vector<std::size_t>& rest = dir < 0 ? part : theirs;
    together.insert(together.end(), rest.begin(), rest.end());
    std::vector<std::size_t> firstRow = part;
    for (const auto& guests : held) firstRow.insert(firstRow.end(), guests.begin(), guests.end());
    if (!FitSector(h, together, trial, trialSpots, least, firstRow, lending.clearOfGrid))
      return std::nullopt;
    return together;
  };
  // `part` (`dir` as below) split where the nearest sector takes `near`
  // of them: those for it, and those for the one beyond it.
  const auto splitNear = [](const std::vector<std::size_t>& part, int dir, std::size_t near) {
    using Part = std::vector<std::size_t>;
    const auto at = dir < 0 ? part.end() - long(near) : part.begin() + long(near);
    return std::pair{dir < 0 ? Part(at, part.end()) : Part(part.begin(), at),
                     dir < 0 ? Part(part.begin(), at) : Part(at, part.end())};
  };
  // `out` holding `together`, each with its place in `trial`.
  const auto holding = [](Host out, std::vector<std::size_t> together,
                          const std::vector<DualLabel>& trial,
                          const std::vector<RingSpot>& trialSpots) {
    out.together = std::move(together);
    for (const std::size_t k : out.together) {
      out.labels.push_back(trial[k]);
      out.spots.push_back(trialSpots[k]);
    }
    return out;
  };
  // Whether the leader lines of some sector's lent labels pass sector `h`.
  const auto crossed = [&](int h) {
    for (int from = 1; from <= 12; ++from)
      for (const int dir : {-1, 1}) {
        const int to = ringHostOf_[std::size_t(from)][dir < 0 ? 0 : 1];
        for (int at = from; to != 0 && (at = (at - 1 + dir + 12) % 12 + 1) != to;)
          if (at == h) return true;
      }
    return false;
  };
  const auto host = [&](int dir, std::size_t count) -> std::optional<Host> {
    Host out;
    if (count == 0) return out;
    if (count > kRingLentPerSide + (lending.lastTry ? 1 : 0)) return std::nullopt;
    const std::vector<std::size_t> lent = lentOn(dir, count);
    const std::size_t way = dir < 0 ? 0 : 1;
    int passing = 0;
    std::vector<std::size_t> passedGuests;
    for (int steps = 1; steps <= lending.reach; ++steps) {
      const int h = away(dir, steps);
      if (keptHome[std::size_t(h)]) continue;
      out.guests = passedGuests;
      out.under = !passedGuests.empty();
      if (out.under && out.guests.size() + count > kRingLinesPerSide) return std::nullopt;
      // A sector that only holds labels lent from the other side takes
      // ours at its other end: its guests stay where they are.
      const std::size_t other = 1 - way;
      const bool shared = lending.lastTry && busy[std::size_t(h)] && !out.under &&
                          ringGuests_[std::size_t(h)][way].empty() &&
                          !ringGuests_[std::size_t(h)][other].empty() &&
                          ringHostOf_[std::size_t(h)] == std::array<int, 2>{} && !crossed(h);
      if (busy[std::size_t(h)] && !shared) {
        // Past a sector that lends this way into the sector beyond it,
        // into that sector too: our labels stand nearer the spoke than
        // its, and our lines run above theirs.
        if (steps < lending.reach && passing == 0 && !out.under &&
            ringHostOf_[std::size_t(h)][way] == away(dir, steps + 1)) {
          passing = h;
          continue;
        }
        if (out.under) return std::nullopt;  // nor past two
        if (passing == 0 || h != ringHostOf_[std::size_t(passing)][way] ||
            ringHostOf_[std::size_t(h)] != std::array<int, 2>{})
          return std::nullopt;  // nor past it
        out.guests = ringGuests_[std::size_t(h)][way];
        // Their lines and ours run one under another between the circle
        // and the labels, which has room for so many.
        if (out.guests.size() + count > kRingLinesPerSide) return std::nullopt;
      }
      std::vector<DualLabel> trial = labels;
      std::vector<RingSpot> trialSpots = spots;
      std::optional<std::vector<std::size_t>> together = fitIn(h, dir, lent, trial, trialSpots);
      if (shared) {
        for (const std::size_t k : ringGuests_[std::size_t(h)][other])
          if (together && (std::fabs(trial[k].angle - labels[k].angle) > 1e-9 ||
                           std::fabs(trialSpots[k].rho - spots[k].rho) > 1e-9 ||
                           std::fabs(trialSpots[k].factor - spots[k].factor) > 1e-9))
            together.reset();
        if (!together) return std::nullopt;
      }
      if (!together) {
        // On past it, with our lines under those of the labels it holds.
        if (busy[std::size_t(h)]) passedGuests = out.guests;
        continue;
      }
      out.steps = steps;
      return holding(std::move(out), std::move(*together), trial, trialSpots);
    }
    // Where no sector takes them all, with `lending.split` the nearer of
    // them go to the nearest sector and the rest to the one beyond it,
    // their lines under those of the nearer.
    const int nearest = away(dir, 1), beyond = away(dir, 2);
    if (!lending.split || busy[std::size_t(nearest)] || busy[std::size_t(beyond)] ||
        keptHome[std::size_t(nearest)] || keptHome[std::size_t(beyond)])
      return std::nullopt;
    for (std::size_t near = count - 1; near >= 1; --near) {
      const auto [nearer, further] = splitNear(lent, dir, near);
      std::vector<DualLabel> trial = labels;
      std::vector<RingSpot> trialSpots = spots;
      const auto inNearest = fitIn(nearest, dir, nearer, trial, trialSpots);
      if (!inNearest) continue;
      const auto inBeyond = fitIn(beyond, dir, further, trial, trialSpots);
      if (!inBeyond) continue;
      Host split;
      split.steps = 2;
      split.nearer = near;
      std::vector<std::size_t> both = *inNearest;
      both.insert(both.end(), inBeyond->begin(), inBeyond->end());
      return holding(std::move(split), std::move(both), trial, trialSpots);
    }
    return std::nullopt;
  };
  std::vector<std::optional<std::optional<Host>>> hostBefore(n), hostAfter(n);
  const auto hostOf = [&](int dir, std::size_t count) -> const std::optional<Host>& {
    auto& known = (dir < 0 ? hostBefore : hostAfter)[count];
    if (!known) known = host(dir, count);
    return *known;
  };
  const auto signs = RingSignPositions();
  for (std::size_t lent = 1; lent < n; ++lent) {
    for (const std::size_t first : EvenSplitsFirst(lent)) {
      const std::optional<Host>& previous = hostOf(-1, first);
      if (!previous) continue;
      const std::optional<Host>& next = hostOf(1, lent - first);
      if (!next) continue;
      std::vector<DualLabel> trial = labels;
      std::vector<RingSpot> trialSpots = spots;
      for (const Host* h : {&*previous, &*next})
        for (std::size_t i = 0; i < h->together.size(); ++i) {
          trial[h->together[i]] = h->labels[i];
          trialSpots[h->together[i]] = h->spots[i];
        }
      const std::vector<std::size_t> kept(own.begin() + long(first),
                                          own.end() - long(lent - first));
      if (!FitSector(house, kept, trial, trialSpots, least, {}, lending.clearOfGrid)) continue;
      // The sectors the lines pass, whose labels and sign glyphs they
      // must clear.
      std::vector<int> passed{house};
      for (int steps = 1; steps <= previous->steps; ++steps) passed.push_back(away(-1, steps));
      for (int steps = 1; steps <= next->steps; ++steps) passed.push_back(away(1, steps));
      std::vector<Box> around;
      std::vector<std::size_t> aroundOf;
      for (const int h : passed) {
        if (!MagnitudeRing())
          around.push_back(RingSignBox(h, signs)), aroundOf.push_back(labels.size());
        for (const std::size_t k : members[std::size_t(h)])
          for (const Box& b : RingBoxes(trial[k], trialSpots[k]))
            around.push_back(b), aroundOf.push_back(k);
      }
      std::map<std::size_t, std::vector<UserPoint>> paths;
      std::map<std::size_t, double> ends = target;
      for (const int dir : {-1, 1}) {
        const std::vector<std::size_t> ours = lentOn(dir, dir < 0 ? first : lent - first);
        const Host& to = dir < 0 ? *previous : *next;
        // Our lines above the guests' (`under`: below them).
        const bool oursFirst = (dir < 0) == to.under;
        std::vector<std::size_t> side = oursFirst ? ours : to.guests;
        const std::vector<std::size_t>& rest = oursFirst ? to.guests : ours;
        side.insert(side.end(), rest.begin(), rest.end());
        for (std::size_t i = 0; i < side.size(); ++i) {
          // Those lent further run nearer the circle, under the others.
          const std::size_t further = dir < 0 ? side.size() - 1 - i : i;
          const std::size_t k = side[i];
          if (!ends.contains(k)) ends[k] = ringLeaders_.at(k).target;
          paths[k] = RingLeaderPath(trial[k], trialSpots[k], ends[k],
                                    kRingLeaderEnd - kRingLeaderStep * double(further));
        }
      }
      bool clear = true;
      for (const auto& [k, path] : paths)
        for (std::size_t p = 0; p + 1 < path.size() && clear; ++p)
          for (std::size_t b = 0; b < around.size() && clear; ++b) {
            if (aroundOf[b] == k) continue;
            const auto stretches =
                StretchesClearOf(path[p], path[p + 1], std::vector<AspectClearBox>{around[b]}, 0);
            clear = stretches.size() == 1 && stretches.front()[0] <= 0 && stretches.front()[1] >= 1;
          }
      if (!clear) continue;
      labels = std::move(trial);
      spots = std::move(trialSpots);
      for (const auto& [k, path] : paths) ringLeaders_[k] = {ends[k], path};
      for (const int h : passed) busy[std::size_t(h)] = true;
      for (const int dir : {-1, 1}) {
        const std::size_t count = dir < 0 ? first : lent - first;
        if (count == 0) continue;
        const Host& to = dir < 0 ? *previous : *next;
        const std::size_t way = dir < 0 ? 0 : 1;
        ringHostOf_[std::size_t(house)][way] = away(dir, to.steps);
        const std::vector<std::size_t> ours = lentOn(dir, count);
        if (to.nearer > 0) {
          // Both sectors held nothing before.
          std::tie(ringGuests_[std::size_t(away(dir, 1))][way],
                   ringGuests_[std::size_t(away(dir, 2))][way]) = splitNear(ours, dir, to.nearer);
          continue;
        }
        std::vector<std::size_t>& guests = ringGuests_[std::size_t(away(dir, to.steps))][way];
        guests.insert(dir < 0 ? guests.end() : guests.begin(), ours.begin(), ours.end());
      }
      return true;
    }
  }
  return false;
}

// The leader line of a lent ring label, as the points it runs through:
// from the point of its glyph nearest the circle in to `radius`, then
// along the circle there to the true angle `target`, in steps short
// enough to stay between the circle and the labels.
std::vector<UserPoint> WheelFit::RingLeaderPath(const DualLabel& l, const RingSpot& spot,
                                                double target, double radius) {
  const Box glyph = RingBoxes(l, spot).front();
  const UserPoint near{std::clamp(0.0, glyph[0].x, glyph[1].x),
                       std::clamp(0.0, glyph[1].y, glyph[0].y)};
  const double from = TrueAngle(near.x, near.y);
  std::vector<UserPoint> path{near};
  const std::vector<UserPoint> round =
      ArcPoints(radius, from, std::remainder(target - from, 360.0), kRingLeaderStepDeg);
  path.insert(path.end(), round.begin(), round.end());
  return path;
}

// The points along the circle of `radius` from the surface angle `from`
// turning `turn` degrees, both ends included, at most `pieceDeg` apart.
std::vector<UserPoint> WheelFit::ArcPoints(double radius, double from, double turn,
                                           double pieceDeg) const {
  const int steps = std::max(1, int(std::ceil(std::fabs(turn) / pieceDeg)));
  std::vector<UserPoint> points;
  for (int s = 0; s <= steps; ++s) {
    const double rad = (from + turn * s / steps) * std::numbers::pi / 180;
    points.push_back({radius * std::cos(rad), radius * std::sin(rad) / Squash()});
  }
  return points;
}

}  // namespace orv::wheelfit
