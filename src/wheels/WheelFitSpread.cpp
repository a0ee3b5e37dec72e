#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <map>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

#include "wheels/WheelFit.h"

namespace orv::wheelfit {

// In a window, the units that take as many pixels as `kCloserLeaderRoom`
// takes at the size the wheel opens in, which the labels grow from;
// on paper, that room itself.
double WheelFit::ScreenLaneRoom() const {
  if (o_.printing) return kCloserLeaderRoom;
  return kCloserLeaderRoom /
         WindowFontScale(surface_.DeviceUnitsPerUserX(), surface_.DotsPerInch());
}

// The labels of a band, in zodiac order, dealt out to houses up to
// `kSpreadHouses` away from their own, so that every house holds its
// share at a size that reads: as few lent, and as short a way, as may be.
// A lent label stands at its host's end toward its own house, with a
// leader line to its point's place; every label a leader line passes
// stands in from the rim a step (`step` units) further for it. With
// `lanes` (`LeaderPath`), lines run round just outside the labels they
// pass, so the lent label nearest its own house, whose line passes none
// of its host's, stands at the rim. With `hostOrder`, labels dealt out
// read as their hosts' own labels do. False when no dealing fits, or when
// some leader line would still cross a label.
bool WheelFit::Spread(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
                      std::vector<PlacedLabel>& placed, double step, bool lanes, bool hostOrder) {
  const std::size_t n = original.size();
  const auto sectorOf = [&](int h) {
    return SurfaceSector(HouseSectorOf(inputs, h), o_.verticalFactor);
  };
  // More room for the labels a leader line crossed.
  std::map<int, double> extra;
  // The blocks of three labels or more, by host, first label and count,
  // that did not fit: more room for their lent labels in a later round has
  // never made one fit (a pair may, at its least size).
  std::vector<bool> failed(12 * n * (n + 1), false);
  static const SpreadFit kFailed;
  // For a cut: the least cost of dealing the first `b` labels to the
  // first `h` houses, and the block of the last. Made once for all the
  // rounds' cuts, each of which sets them afresh.
  constexpr double kNone = 1e18;
  std::vector<std::vector<double>> cost(13, std::vector<double>(n + 1, kNone));
  std::vector<std::vector<std::size_t>> from(13, std::vector<std::size_t>(n + 1, 0));
  // The fits known by host, first label and count: a block is the same
  // whichever cut it is dealt from, and from round to round where none of
  // its labels was given more room.
  std::vector<const SpreadFit*> blockFits(12 * n * (n + 1), nullptr);
  // The labels round the zodiac from the first house, and where each
  // stands among them: a block's are those from its first on.
  std::vector<std::size_t> ring(n), placeInRing(n);
  for (std::size_t k = 0; k < n; ++k) ring[k] = k;
  std::stable_sort(ring.begin(), ring.end(), [&](std::size_t x, std::size_t y) {
    return original[x].house < original[y].house;
  });
  for (std::size_t k = 0; k < n; ++k) placeInRing[ring[k]] = k;
  for (int again = 0; again <= kSpreadSteps; ++again) {
    struct Dealing {
      double cost = 1e18;
      std::vector<std::size_t> seq;
      std::vector<const SpreadFit*> blocks;
      std::vector<int> hosts;
      int cut = 13;
    } best;
    // The cut that dealt best last time first: the dealings of the others
    // that cannot beat it are not fitted.
    std::array<int, 12> cuts{};
    cuts[0] = spreadCut_;
    for (int cut = 1, k = 1; cut <= 12; ++cut)
      if (cut != spreadCut_) cuts[std::size_t(k++)] = cut;
    for (const int cut : cuts) {
      // The labels from house `cut` round, and each one's house counted
      // from it.
      const auto rel = [&](int house) { return (house - cut + 12) % 12; };
      std::vector<std::size_t> seq(n);
      for (std::size_t k = 0; k < n; ++k) seq[k] = k;
      std::stable_sort(seq.begin(), seq.end(), [&](std::size_t x, std::size_t y) {
        return rel(original[x].house) < rel(original[y].house);
      });
      std::vector<int> owns(n);
      for (std::size_t k = 0; k < n; ++k) owns[k] = rel(original[seq[k]].house);
      const auto own = [&](std::size_t k) { return owns[k]; };
      // The first label of a house from `h` on, the last of one up to `h`.
      const auto firstFrom = [&](int h) {
        std::size_t k = 0;
        while (k < n && own(k) < h) ++k;
        return k;
      };
      const auto lastTo = [&](int h) {
        std::ptrdiff_t k = std::ptrdiff_t(n) - 1;
        while (k >= 0 && own(std::size_t(k)) > h) --k;
        return k;
      };
      const auto fitOf = [&](int h, std::size_t b, std::size_t e) -> const SpreadFit& {
        const int house = (h + cut - 1) % 12 + 1;
        const std::size_t index = (std::size_t(house - 1) * n + seq[b]) * (n + 1) + (e - b);
        const SpreadFit*& blockFit = blockFits[index];
        if (blockFit) return *blockFit;
        if (failed[index]) return *(blockFit = &kFailed);
        const std::size_t first = firstFrom(h);
        const std::ptrdiff_t last = lastTo(h);
        // The block's labels as its house takes them in, and the rooms of
        // its lent ones: all its fit depends on.
        std::vector<PlacedLabel> block;
        block.reserve(e - b);
        std::vector<double> rooms;
        rooms.reserve(e - b);
        std::uint64_t orders = 0;
        bool lent = false;
        const HouseSector sector = sectorOf(house);
        for (std::size_t k = b; k < e; ++k) {
          const double passing =
              double(std::max<std::ptrdiff_t>(0, std::ptrdiff_t(first) - std::ptrdiff_t(k) - 1) +
                     std::max<std::ptrdiff_t>(0, std::ptrdiff_t(k) - last - (lanes ? 1 : 0)));
          const auto more = extra.find(original[seq[k]].point);
          rooms.push_back(step * passing + (more == extra.end() ? 0 : more->second));
          PlacedLabel l = original[seq[k]];
          l.sizeFactor = 1;
          if (own(k) != h) {
            lent = true;
            l.radius = band_.rim;
            l.angle = UserAngle(own(k) < h ? sector.start - 0.01 * double(first - k)
                                           : sector.start + sector.width +
                                                 0.01 * double(std::ptrdiff_t(k) - last));
            // Dealt round to where it lies more across the wheel than up
            // and down, it reads from the rim in on the left and from the
            // centre out on the right, as the labels there do; the other
            // way its degrees would read backwards. Elsewhere either order
            // reads, and it keeps its own unless it takes its host's.
            const double rad = l.angle * std::numbers::pi / 180;
            if (hostOrder)
              l.leftSideOrder = LeftSideOrder(inputs, house, l.angle);
            else if (std::abs(std::cos(rad)) > std::abs(std::sin(rad)))
              l.leftSideOrder = std::cos(rad) < 0;
          }
          // Dealt with its host's order or its own, a block whose labels
          // read alike is the same block.
          // A band dealt again with some texts snug knows the fits of the
          // blocks that hold none.
          static_assert(NumPoints <= 32, "two bits for each label of a band");
          orders |= std::uint64_t(l.leftSideOrder) << (k - b);
          orders |= std::uint64_t(l.snug) << (k - b + 32);
          block.push_back(l);
        }
        auto [it, fresh] =
            spreadFits_.try_emplace({house, seq[b], e - b, std::move(rooms), orders});
        blockFit = &it->second;
        if (!fresh) {
          if (it->second.size == 0 && e - b >= 3) failed[index] = true;
          return it->second;
        }
        it->second.labels = std::move(block);
        std::map<int, double> lentOut;
        const std::vector<double>& roomOf = std::get<3>(it->first);
        for (std::size_t k = b; k < e; ++k)
          if (roomOf[k - b] > 0) lentOut[original[seq[k]].point] = roomOf[k - b];
        const RowFit how{.quickFail = true, .lentOut = &lentOut};
        std::vector<PlacedLabel>& labels = it->second.labels;
        it->second.size = lent ? FitOneRow(sector, labels, LeastLabelShare(), how)
                               : FitHouse(sector, labels, false, how).first;
        if (it->second.size == 0 && e - b >= 3) failed[index] = true;
        return it->second;
      };
      // The fits known of the blocks of house `h` from label `b` on, by
      // how many labels they hold.
      const auto knownFits = [&](int h, std::size_t b) {
        return blockFits.data() + (std::size_t((h + cut - 1) % 12) * n + seq[b]) * (n + 1);
      };
      // The cheapest dealing, by the least each block not yet fitted could
      // cost: as if it fitted at full size. A block is dealt only where
      // those before it from the same label fit, for a house that cannot
      // hold some labels holds no more. That its labels but its first do
      // not fit there rules it out no sooner: with the first among them,
      // they may. Dealt from house `start` on: the costs up to it stand, no
      // block before it fitted since.
      const auto deal = [&](int start) {
        for (std::size_t h = std::size_t(start) + 1; h <= 12; ++h)
          std::fill(cost[h].begin(), cost[h].end(), kNone);
        if (start == 0) {
          std::fill(cost[0].begin(), cost[0].end(), kNone);
          cost[0][0] = 0;
        }
        for (int h = start; h < 12; ++h)
          for (std::size_t b = 0; b <= n; ++b) {
            if (cost[std::size_t(h)][b] >= kNone) continue;
            if (b < n && own(b) < h - kSpreadHouses) continue;
            const SpreadFit* const* known = b < n ? knownFits(h, b) : nullptr;
            double moved = 0;
            for (std::size_t e = b; e <= n; ++e) {
              if (e > b) {
                if (own(e - 1) > h + kSpreadHouses) break;
                moved += std::abs(own(e - 1) - h);
              }
              if (h == 11 && e < n) continue;
              double c = cost[std::size_t(h)][b] + moved;
              if (e > b) {
                const SpreadFit* f = known[e - b];
                if (f && f->size == 0) break;
                // Of dealings as good, that with the larger labels.
                c -= 0.01 * (f ? f->size : 1.0) * double(e - b) / double(n);
              }
              if (c < cost[std::size_t(h) + 1][e]) {
                cost[std::size_t(h) + 1][e] = c;
                from[std::size_t(h) + 1][e] = b;
              }
            }
          }
      };
      // Dealt again until the cheapest dealing's blocks, and those before
      // each from its first label, are all fitted: it then costs what it
      // seemed to, and no other costs less. A dealing that cannot beat the
      // best of the cuts dealt before is left unfitted.
      for (int start = 0; start < 12;) {
        deal(start);
        if (cost[12][n] >= kNone || cost[12][n] > best.cost ||
            (cost[12][n] == best.cost && cut > best.cut))
          break;
        start = 12;
        for (std::size_t h = 12, e = n; h > 0; --h) {
          const std::size_t b = from[h][e];
          for (std::size_t k = h == 12 ? e : b + 1; k <= e && k > b; ++k) {
            if (!knownFits(int(h) - 1, b)[k - b]) start = int(h) - 1;
            if (fitOf(int(h) - 1, b, k).size == 0) break;
          }
          e = b;
        }
      }
      if (cost[12][n] > best.cost || (cost[12][n] == best.cost && cut > best.cut)) continue;
      if (cost[12][n] >= kNone) continue;
      best.cost = cost[12][n];
      best.cut = cut;
      best.seq = seq;
      best.blocks.assign(12, nullptr);
      best.hosts.assign(n, 0);
      for (std::size_t h = 12, e = n; h > 0; --h) {
        const std::size_t b = from[h][e];
        if (e > b) best.blocks[h - 1] = &fitOf(int(h) - 1, b, e);
        for (std::size_t k = b; k < e; ++k) best.hosts[k] = (int(h) - 1 + cut - 1) % 12 + 1;
        e = b;
      }
    }
    if (best.cost >= 1e17) return false;
    spreadCut_ = best.cut;
    std::vector<PlacedLabel> dealt = original;
    std::size_t k = 0;
    for (const SpreadFit* f : best.blocks)
      for (std::size_t j = 0; f && j < f->labels.size(); ++j, ++k)
        dealt[best.seq[k]] = f->labels[j];
    std::map<int, double> targets;
    for (std::size_t j = 0; j < n; ++j)
      if (best.hosts[j] != original[best.seq[j]].house) {
        PlacedLabel& l = dealt[best.seq[j]];
        targets[l.point] = RimPlace(inputs, l.house, l.value);
      }
    bool clear = true;
    spreadStep_ = step;
    spreadLanes_ = lanes;
    std::vector<char> roomier(n, 0);  // by label
    for (const PlacedLabel& l : dealt)
      if (const auto t = targets.find(l.point); t != targets.end())
        for (const int p : LeaderCrossings(l, t->second, dealt, true)) {
          extra[p] += step;
          for (std::size_t k = 0; k < n; ++k) roomier[k] = roomier[k] || original[k].point == p;
          clear = false;
        }
    if (!clear) {
      // The blocks that hold a label given more room are fitted afresh,
      // but for those of three labels or more that did not fit.
      for (std::size_t first = 0; first < n; ++first) {
        // How many labels from this one on keep their rooms.
        std::size_t kept = 0;
        while (kept < n && !roomier[ring[(placeInRing[first] + kept) % n]]) ++kept;
        for (std::size_t house = 0; house < 12; ++house)
          for (std::size_t index = (house * n + first) * (n + 1), count = kept + 1; count <= n;
               ++count)
            if (blockFits[index + count])
              blockFits[index + count] = failed[index + count] ? &kFailed : nullptr;
      }
      continue;
    }
    placed = dealt;
    leaders_.clear();
    for (PlacedLabel& l : placed)
      if (const auto t = targets.find(l.point); t != targets.end()) {
        leaders_[l.point] = t->second;
        spread_.insert(l.point);
        // The aspect lines end at the point's own place too.
        l.lineEndAngle = UserAngle(t->second);
      }
    return true;
  }
  return false;
}

}  // namespace orv::wheelfit
