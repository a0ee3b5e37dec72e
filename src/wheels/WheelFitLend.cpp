#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <span>
#include <vector>

#include "core/Angles.h"
#include "wheels/AspectLines.h"
#include "wheels/WheelFit.h"

namespace orv::wheelfit {

std::vector<std::size_t> EvenSplitsFirst(std::size_t lent) {
  std::vector<std::size_t> splits(lent + 1);
  for (std::size_t b = 0; b <= lent; ++b) splits[b] = b;
  const auto unevenness = [&](std::size_t b) { return b * 2 > lent ? b * 2 - lent : lent - b * 2; };
  std::stable_sort(splits.begin(), splits.end(),
                   [&](auto x, auto y) { return unevenness(x) < unevenness(y); });
  return splits;
}

// The labels [from, to) of a house too narrow to hold them all at a
// legible size: as many as it holds stay, and its first and last go into
// the houses either side, beside their own labels, each with a leader
// line across the spoke to its point's place on its own house's rim that
// crosses no label.
// Fewest lent first, the more even splits first. False when none fits.
bool WheelFit::Lend(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
                    std::vector<PlacedLabel>& placed,
                    const std::vector<std::pair<std::size_t, std::size_t>>& groups,
                    std::array<bool, 13>& twoRowHouse, std::array<bool, 13>& busy, std::size_t from,
                    std::size_t to, int leaderSteps) {
  const int house = placed[from].house;
  const auto sectorOf = [&](int h) {
    return SurfaceSector(HouseSectorOf(inputs, h), o_.verticalFactor);
  };
  const HouseSector own = sectorOf(house);
  const std::size_t n = to - from;
  // Where each label's leader would end, by its index in `placed`.
  std::vector<double> target(to);
  for (std::size_t k = from; k < to; ++k) target[k] = RimPlace(inputs, house, original[k].value);
  // A neighbour (`dir` -1 the house before, 1 the one after) with our
  // labels [lentFrom, lentTo) beside its own on the side toward our house,
  // fitted in one row; where its own labels begin in `placed`.
  struct Host {
    int house = 0;
    std::size_t from = 0, ownCount = 0;
    std::vector<PlacedLabel> together;
  };
  // How much further in from the rim than they would stand the labels of
  // these points go, to let leader lines pass outside them.
  std::map<int, double> room;
  const auto host = [&](int dir, std::size_t lentFrom, std::size_t lentTo) -> std::optional<Host> {
    Host h;
    h.house = (house - 1 + dir + 12) % 12 + 1;
    if (lentFrom == lentTo) return h;
    if (twoRowHouse[std::size_t(h.house)] || busy[std::size_t(h.house)]) return std::nullopt;
    const HouseSector sector = sectorOf(h.house);
    for (const auto& [f, t] : groups)
      if (placed[f].house == h.house) {
        h.from = f;
        h.together.assign(original.begin() + long(f), original.begin() + long(t));
      }
    h.ownCount = h.together.size();
    std::map<int, double> lentOut;
    for (std::size_t k = lentFrom; k < lentTo; ++k) {
      PlacedLabel l = original[k];
      const std::size_t further = dir > 0 ? lentTo - 1 - k : k - lentFrom;
      lentOut[l.point] = kLeaderRoom * double(further) + room[l.point];
      l.radius = band_.rim;  // drawn in only as far as it must
      l.angle = UserAngle(dir > 0 ? sector.start - 0.01 * double(lentTo - k)
                                  : sector.start + sector.width + 0.01 * double(k - lentFrom + 1));
      h.together.push_back(l);
    }
    for (PlacedLabel& l : h.together) l.sizeFactor = 1;
    const RowFit how{.quickFail = true, .lentOut = &lentOut};
    if (FitOneRow(sector, h.together, LeastLabelShare(), how) > 0) return h;
    return std::nullopt;
  };
  // A host's fit depends only on how many it takes on its side: each is
  // fitted once, and a split whose hosts cannot take their share is
  // passed over before its own house is refitted.
  std::vector<std::optional<std::optional<Host>>> hostBefore(n), hostAfter(n);
  const auto hostOf = [&](int dir, std::size_t count) -> const std::optional<Host>& {
    auto& known = (dir < 0 ? hostBefore : hostAfter)[count];
    if (!known) known = dir < 0 ? host(-1, from, from + count) : host(1, to - count, to);
    return *known;
  };
  for (std::size_t lent = 1; lent < n; ++lent) {
    for (const std::size_t before : EvenSplitsFirst(lent)) {
      const std::size_t keptFrom = from + before, keptTo = to - (lent - before);
      room.clear();
      std::optional<Host> previous = hostOf(-1, before);
      if (!previous) continue;
      std::optional<Host> next = hostOf(1, lent - before);
      if (!next) continue;
      std::vector<PlacedLabel> kept;
      std::pair<double, bool> fit;
      const auto keep = [&] {
        kept.assign(original.begin() + long(keptFrom), original.begin() + long(keptTo));
        for (PlacedLabel& l : kept) l.sizeFactor = 1;
        fit = FitHouse(own, kept, false, {.quickFail = true, .lentOut = &room});
      };
      // The labels the leader lines cross (with the kept ones or without);
      // a host's own, which stay where they are, as 0.
      const auto crossed = [&](bool withKept) {
        std::vector<PlacedLabel> around;
        if (withKept) around = kept;
        std::vector<int> fixed;
        for (const Host* h : {&*previous, &*next}) {
          around.insert(around.end(), h->together.begin(), h->together.end());
          for (std::size_t k = 0; k < h->ownCount; ++k) fixed.push_back(h->together[k].point);
        }
        std::vector<int> points;
        const auto add = [&](const PlacedLabel& l, double to) {
          for (const int p : LeaderCrossings(l, to, around))
            points.push_back(std::find(fixed.begin(), fixed.end(), p) == fixed.end() ? p : 0);
        };
        for (std::size_t k = previous->ownCount; k < previous->together.size(); ++k)
          add(previous->together[k], target[from + k - previous->ownCount]);
        for (std::size_t k = next->ownCount; k < next->together.size(); ++k)
          add(next->together[k], target[keptTo + k - next->ownCount]);
        return points;
      };
      const auto crossesAHost = [](const std::vector<int>& points) {
        return std::find(points.begin(), points.end(), 0) != points.end();
      };
      // A leader across a host's own labels crosses them wherever the
      // kept labels go: passed over before the house is refitted.
      if (crossesAHost(crossed(false))) continue;
      keep();
      if (fit.first == 0) continue;
      // A leader line runs just inside the rim to its point's place: the
      // labels kept or lent that it would cross stand in from the rim, a
      // step further each time, until it passes outside them.
      bool clear = false;
      for (int step = 0; step <= leaderSteps; ++step) {
        const std::vector<int> points = crossed(true);
        clear = points.empty();
        if (clear || step == leaderSteps || crossesAHost(points)) break;
        for (const int p : points) room[p] += kLeaderRoom;
        // A fit depends on the room of its own labels alone: one whose
        // labels stand where they did comes out as it did.
        const auto moved = [&](std::size_t first, std::size_t last) {
          return std::any_of(original.begin() + long(first), original.begin() + long(last),
                             [&](const PlacedLabel& l) {
                               return std::find(points.begin(), points.end(), l.point) !=
                                      points.end();
                             });
        };
        if (moved(keptFrom, keptTo)) keep();
        if (fit.first == 0)
          previous.reset();
        else if (moved(from, keptFrom))
          previous = host(-1, from, keptFrom);
        if (!previous)
          next.reset();
        else if (moved(keptTo, to))
          next = host(1, keptTo, to);
        if (!next) break;
      }
      if (!clear) continue;
      const bool twoRows = fit.second;
      std::copy(kept.begin(), kept.end(), placed.begin() + long(keptFrom));
      twoRowHouse[std::size_t(house)] = twoRows;
      for (const Host* h : {&*previous, &*next}) {
        if (h->together.empty()) continue;
        busy[std::size_t(h->house)] = true;
        std::copy(h->together.begin(), h->together.begin() + long(h->ownCount),
                  placed.begin() + long(h->from));
      }
      for (std::size_t k = from; k < keptFrom; ++k)
        placed[k] = previous->together[previous->ownCount + (k - from)];
      for (std::size_t k = keptTo; k < to; ++k)
        placed[k] = next->together[next->ownCount + (k - keptTo)];
      for (std::size_t k = from; k < to; ++k)
        if (k < keptFrom || k >= keptTo) {
          leaders_[placed[k].point] = target[k];
          // The aspect lines end at the point's own place too.
          placed[k].lineEndAngle = UserAngle(target[k]);
        }
      return true;
    }
  }
  return false;
}

// The labels [from, to) of a house too narrow to hold them at a legible
// size go into the nearest house (three at most away) with room for them
// beside its own, on the side toward their house, each with a leader line
// from its glyph to its true place on the rim.
void WheelFit::Rehouse(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed,
                       const std::vector<std::pair<std::size_t, std::size_t>>& groups,
                       const std::array<bool, 13>& twoRowHouse, std::size_t from, std::size_t to,
                       bool legible) {
  const int house = placed[from].house;
  // The host that lets them (and its own) keep the largest size, the
  // nearer of two about as good.
  struct Host {
    double size = 0;
    std::size_t from = 0, ownCount = 0;
    std::vector<PlacedLabel> together;
  } best;
  for (int away = 1; away <= 3; ++away)
    for (const int dir : {-1, 1}) {
      const int host = (house - 1 + dir * away + 12) % 12 + 1;
      if (twoRowHouse[std::size_t(host)]) continue;
      const HouseSector nominal = HouseSectorOf(inputs, host);
      const double start = SurfaceAngle(nominal.start);
      const HouseSector sector{start, Norm360(SurfaceAngle(nominal.start + nominal.width) - start)};
      Host h;
      for (const auto& [f, t] : groups)
        if (placed[f].house == host) {
          h.from = f;
          h.together.assign(placed.begin() + long(f), placed.begin() + long(t));
        }
      h.ownCount = h.together.size();
      std::map<int, double> lentOut;
      for (std::size_t k = from; k < to; ++k) {
        PlacedLabel l = placed[k];
        // Just outside the host on the side toward its own house, each
        // further in than the next one away, whose leader runs outside it.
        l.angle = UserAngle(dir > 0 ? sector.start - 0.01 * double(to - k)
                                    : sector.start + sector.width + 0.01 * double(k - from + 1));
        if (band_.combined) {
          lentOut[l.point] = kLeaderRoom * double(dir > 0 ? to - 1 - k : k - from);
          l.radius = band_.rim;
        }
        h.together.push_back(l);
      }
      for (PlacedLabel& l : h.together) l.sizeFactor = 1;
      h.size = FitOneRow(sector, h.together, LeastLabelShare(legible),
                         {.quickFail = true, .lentOut = &lentOut});
      // Their leader lines cross no label.
      for (std::size_t k = from; k < to && h.size > 0 && band_.combined; ++k)
        if (!LeaderCrossings(h.together[h.ownCount + (k - from)],
                             RimPlace(inputs, house, placed[k].value), h.together)
                 .empty())
          h.size = 0;
      if (h.size > best.size + 0.05) best = std::move(h);
    }
  if (best.size == 0) return;
  std::copy(best.together.begin(), best.together.begin() + long(best.ownCount),
            placed.begin() + long(best.from));
  for (std::size_t k = from; k < to; ++k) {
    const double target = RimPlace(inputs, house, placed[k].value);
    leaders_[placed[k].point] = target;
    placed[k] = best.together[best.ownCount + (k - from)];
    // The aspect lines end at the point's own place too.
    placed[k].lineEndAngle = UserAngle(target);
  }
}

// Where the leader line of a label of `house` at longitude `value` ends:
// the true direction, on this surface, of the point's own place between
// the house's cusps, kept off its spokes so it cannot read as standing on
// one.
double WheelFit::RimPlace(const SingleWheelInputs& inputs, int house, double value) const {
  const double cusp = inputs.cusps[std::size_t(CuspIndexOfHouse(house))];
  const double span = Norm360(inputs.cusps[std::size_t(CuspIndexOfHouse(house % 12 + 1))] - cusp);
  const double past = Norm360(value - cusp);
  // Outside its cusps (stored a hair before the first): at the nearer.
  const double share = span <= 0                  ? 0.5
                       : past <= span             ? past / span
                       : past - span < 360 - past ? 1
                                                  : 0;
  const HouseSector nominal = HouseSectorOf(inputs, house);
  const HouseSector own = SurfaceSector(nominal, o_.verticalFactor);
  const double inset = std::min(kLeaderEndInset, own.width / 4);
  const double into = Norm360(SurfaceAngle(nominal.start + nominal.width * share) - own.start);
  // A place a hair before the start comes round as nearly 360.
  const double held = into > own.width ? (into - own.width < 360 - into ? own.width : 0) : into;
  return Norm360(own.start + std::clamp(held, inset, own.width - inset));
}

// A leader line to the surface angle `target`, from its rim end to the
// label's glyph, as pieces end to end: straight to the glyph's nearest
// point, or for a label dealt out in a band of the combined arrangement
// (`Spread`; `dealing`: any of the band's, while a dealing is checked) to
// the nearer of its glyph's two outer corners, so that the
// line, which may pass several labels, runs outside those standing in for
// it. Where such straight lines, long ones cutting deep into the band,
// cross labels, the band's lines run in lanes instead: out from the glyph
// just past it, round to the point's place and out to the rim there.
// Each label a line passes stands in a step further, so the lanes nest.
std::vector<UserPoint> WheelFit::LeaderPath(const PlacedLabel& l, double target, bool dealing) {
  const auto glyph = Boxes(l).front();
  const auto at = [&](double radius, double degrees) {
    const double rad = degrees * std::numbers::pi / 180;
    return UserPoint{radius * std::cos(rad), radius * std::sin(rad) / Squash()};
  };
  const auto onGlyph = [&](const UserPoint& p) {
    return UserPoint{std::clamp(p.x, glyph[0].x, glyph[1].x),
                     std::clamp(p.y, glyph[1].y, glyph[0].y)};
  };
  const double r = band_.rim - kRimClearance;
  const UserPoint rim = at(r, target);
  if (!band_.combined || (!dealing && spread_.count(l.point) == 0)) return {rim, onGlyph(rim)};
  std::array<UserPoint, 4> corners = Corners(glyph);
  const auto radius = [&](const UserPoint& c) { return std::hypot(c.x, Squash() * c.y); };
  std::sort(corners.begin(), corners.end(),
            [&](const UserPoint& a, const UserPoint& b) { return radius(a) > radius(b); });
  if (!spreadLanes_) {
    const auto distance = [&](const UserPoint& c) {
      return std::hypot(c.x - rim.x, Squash() * (c.y - rim.y));
    };
    return {rim, distance(corners[0]) <= distance(corners[1]) ? corners[0] : corners[1]};
  }
  const double top = radius(corners[0]);
  const UserPoint middle{(glyph[0].x + glyph[1].x) / 2, (glyph[0].y + glyph[1].y) / 2};
  const double from = std::atan2(Squash() * middle.y, middle.x) * 180 / std::numbers::pi;
  const double lane = std::min(r, top + spreadStep_ / 2);
  // Pieces of at most 2 degrees: within a hundredth of a unit of the arc.
  const std::vector<UserPoint> round =
      ArcPoints(lane, from, std::remainder(target - from, 360.0), 2);
  std::vector<UserPoint> path{rim};
  path.insert(path.end(), round.rbegin(), round.rend());
  path.push_back(onGlyph(at(top, from)));
  return path;
}

// The points of the labels of `around` (but `l`'s own) that the leader
// line of `l` to `target` would cross.
std::vector<int> WheelFit::LeaderCrossings(const PlacedLabel& l, double target,
                                           const std::vector<PlacedLabel>& around, bool dealing) {
  const std::vector<UserPoint> path = LeaderPath(l, target, dealing);
  // A label wholly beside the box round the line is not crossed.
  UserPoint low = path.front(), high = low;
  for (const UserPoint& p : path) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  const auto beside = [&](std::span<const Box> boxes) {
    return std::all_of(boxes.begin(), boxes.end(), [&](const Box& b) {
      return std::max(b[0].x, b[1].x) < low.x || std::min(b[0].x, b[1].x) > high.x ||
             std::max(b[0].y, b[1].y) < low.y || std::min(b[0].y, b[1].y) > high.y;
    });
  };
  std::vector<int> points;
  for (const PlacedLabel& other : around)
    if (other.point != l.point && !beside(Boxes(other))) {
      bool crossed = false;
      for (const Box& b : Boxes(other))
        for (std::size_t k = 1; k < path.size() && !crossed; ++k) {
          // Exactly, not by samples along it: a line through a glyph's
          // corner crosses it as plainly as one through its middle.
          crossed = SegmentCrossesBox(path[k - 1], path[k], b);
        }
      if (crossed) points.push_back(other.point);
    }
  return points;
}

}  // namespace orv::wheelfit
