#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <optional>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

#include "wheels/WheelFit.h"

namespace orv::wheelfit {

namespace {

// Whether the same labels stand alike, as far as fitting them moves them.
bool SamePlaces(const std::vector<PlacedLabel>& a, const std::vector<PlacedLabel>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.angle == y.angle && x.radius == y.radius && x.lineEndAngle == y.lineEndAngle &&
           x.sizeFactor == y.sizeFactor;
  });
}

// Whether two angles are the same to the bit (a zero's sign too), so that
// whatever is worked out from them is.
bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](double x, double y) { return SameBits(x, y); });
}

// Whether the segments from `p` to `q` and from `u` to `v` cross, each
// passing strictly through the other.
bool SegmentsCross(UserPoint p, UserPoint q, UserPoint u, UserPoint v) {
  const auto side = [](UserPoint a, UserPoint b, UserPoint c) {
    const double s = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return s > 1e-9 ? 1 : s < -1e-9 ? -1 : 0;
  };
  return side(p, q, u) * side(p, q, v) < 0 && side(u, v, p) * side(u, v, q) < 0;
}

}  // namespace

// Each house's labels refitted by the boxes they really cover on this
// surface: apart, clear of the house's spokes, the rim and the inner
// circle. Where a house holds more than fit at full size, its labels
// shrink a little, or every other one moves into a second row further in,
// whichever keeps them larger (never below a legible minimum).
bool WheelFit::FitMeasured(const SingleWheelInputs& inputs, std::vector<PlacedLabel>& placed,
                           bool mayDeal) {
  leaders_.clear();
  spread_.clear();
  spreadFits_.clear();
  const std::vector<PlacedLabel> original = placed;
  const auto groups = HouseGroups(placed);
  const auto sectorOf = [&](int house) {
    return SurfaceSector(HouseSectorOf(inputs, house), o_.verticalFactor);
  };
  // By house: whether its labels took two rows, and those too many for it
  // at a legible size.
  std::array<bool, 13> twoRowHouse{};
  std::vector<std::pair<std::size_t, std::size_t>> homeless;
  for (const auto& [from, to] : groups) {
    const HouseSector sector = sectorOf(placed[from].house);
    const auto first = placed.begin() + static_cast<std::ptrdiff_t>(from);
    const auto last = placed.begin() + static_cast<std::ptrdiff_t>(to);
    std::vector<PlacedLabel> fitted(first, last), least(first, last);
    const auto [size, twoRows] = FitHouse(sector, fitted, false);
    if (twoRows) twoRowHouse[std::size_t(placed[from].house)] = true;
    if (size == 0) {
      homeless.emplace_back(from, to);
      // Only whether they fit counts: else the house keeps its own fit.
      if (FitOneRow(sector, least, kNarrowestHouseLabel, {.quickFail = true}) > 0)
        fitted = least;  // kept, should no neighbour take them in
    }
    std::copy(fitted.begin(), fitted.end(), first);
  }
  std::array<bool, 13> lender{};
  for (const auto& [from, to] : homeless) lender[std::size_t(placed[from].house)] = true;
  bool spreadTried = false;  // it deals out the whole band, once
  for (const auto& [from, to] : homeless) {
    if (Lend(inputs, original, placed, groups, twoRowHouse, lender, from, to, kLeaderSteps))
      continue;
    // Their leader lines may clear the labels they cross once those stand
    // in further: tried only here, so that a house that lends as it is
    // keeps its split.
    if (Lend(inputs, original, placed, groups, twoRowHouse, lender, from, to, kMoreLeaderSteps))
      continue;
    // A band of the combined arrangement is too narrow for a crowded
    // house to keep its labels at home at a size that reads: the band's
    // labels dealt out afresh to houses further away.
    if (band_.combined && !spreadTried) {
      if (!mayDeal) return false;
      spreadTried = true;
      // The texts of the houses too full touching their glyphs' ink rather
      // than a pixel (on paper a dot) clear of it may keep every label at
      // home or beside it: a clear pixel is not worth labels dealt further.
      std::vector<PlacedLabel> snug = original;
      for (PlacedLabel& l : snug) l.snug = lender[std::size_t(l.house)];
      const std::map<int, double> leaders = leaders_;
      if (std::vector<PlacedLabel> home = snug; FitMeasured(inputs, home, false)) {
        placed = std::move(home);
        return true;
      }
      leaders_ = leaders;
      if (Deal(inputs, original, placed)) {
        // Where that deals labels two houses or more from their own, or
        // crosses leader lines, the crowded houses' texts snug may keep
        // them nearer: dealt so again, and drawn so where no more labels
        // stand that far and no more lines cross, and fewer of those and
        // of houses left without their own labels remain in all.
        const BandSpread clear = BandSpreadOf(inputs, placed);
        if (clear.far == 0 && clear.crossing == 0) break;
        auto kept = std::tuple{placed, leaders_, spread_, spreadLanes_, spreadStep_, spreadCut_};
        const BandSpread dealt = Deal(inputs, snug, placed) ? BandSpreadOf(inputs, placed) : clear;
        if (dealt.far <= clear.far && dealt.crossing <= clear.crossing &&
            dealt.far + dealt.crossing + dealt.emptied < clear.far + clear.crossing + clear.emptied)
          break;
        std::tie(placed, leaders_, spread_, spreadLanes_, spreadStep_, spreadCut_) =
            std::move(kept);
        break;
      }
    }
    // Else side by side in pairs, when that is how they fit at home; a
    // house fuller than that shrinks them further, else a neighbour takes
    // them all in.
    const int house = placed[from].house;
    bool atHome = false;
    for (const bool legible : {true, false}) {
      // Only whether they fit counts: placed only if they do.
      std::vector<PlacedLabel> pairs(original.begin() + long(from), original.begin() + long(to));
      const RowFit how{.quickFail = true, .legible = legible};
      if (!atHome && FitHouse(sectorOf(house), pairs, true, how).first > 0) {
        std::copy(pairs.begin(), pairs.end(), placed.begin() + long(from));
        twoRowHouse[std::size_t(house)] = atHome = true;
      }
    }
    if (!atHome) Rehouse(inputs, placed, groups, twoRowHouse, from, to, false);
  }
  // Where that leaves labels of a band too small to read, its leader lines
  // run in lanes closer still, which leaves them the room.
  if (band_.combined && std::any_of(placed.begin(), placed.end(), [&](const PlacedLabel& l) {
        return l.sizeFactor < LeastLabelShare() - 1e-9;
      })) {
    if (!mayDeal) return false;
    const double step =
        std::min(kClosestLeaderRoom, ScreenLaneRoom() * kClosestLeaderRoom / kCloserLeaderRoom);
    for (const bool hostOrder : {false, true})
      if (Spread(inputs, original, placed, step, true, hostOrder)) break;
  }
  sizeFactor_ = 1;
  return true;
}

// Straight lines first, then lanes; in a window larger than the wheel
// opens in, lanes as far apart on the screen take fewer units, which leaves
// the labels more room. Last, labels dealt to where either reading order
// reads take their hosts' order rather than keep their own, which changes
// their shapes.
bool WheelFit::Deal(const SingleWheelInputs& inputs, const std::vector<PlacedLabel>& original,
                    std::vector<PlacedLabel>& placed) {
  std::vector<double> laneSteps{kLeaderRoom, kCloserLeaderRoom};
  if (const double step = ScreenLaneRoom(); step < kCloserLeaderRoom) laneSteps.push_back(step);
  for (const double step : {kLeaderRoom, kCloserLeaderRoom})
    if (Spread(inputs, original, placed, step, false, false)) return true;
  for (const bool hostOrder : {false, true})
    for (const double step : laneSteps)
      if (Spread(inputs, original, placed, step, true, hostOrder)) return true;
  return false;
}

WheelFit::BandSpread WheelFit::BandSpreadOf(const SingleWheelInputs& inputs,
                                            const std::vector<PlacedLabel>& placed) {
  BandSpread out;
  std::array<int, 13> own{}, away{};
  for (const PlacedLabel& l : placed)
    for (int h = 1; h <= 12; ++h) {
      const HouseSector sector = SurfaceSector(HouseSectorOf(inputs, h), o_.verticalFactor);
      if (Norm360(SurfaceAngle(l.angle, 1) - sector.start) >= sector.width) continue;
      out.far += FarApart(h, l.house);
      ++own[std::size_t(l.house)];
      away[std::size_t(l.house)] += h != l.house;
      break;
    }
  for (std::size_t h = 1; h <= 12; ++h) out.emptied += own[h] > 0 && away[h] == own[h];
  std::vector<std::vector<UserPoint>> paths;
  for (const PlacedLabel& l : placed)
    if (const auto it = leaders_.find(l.point); it != leaders_.end())
      paths.push_back(LeaderPath(l, it->second));
  for (std::size_t i = 0; i < paths.size(); ++i)
    for (std::size_t j = i + 1; j < paths.size(); ++j) {
      bool crossed = false;
      for (std::size_t a = 1; a < paths[i].size() && !crossed; ++a)
        for (std::size_t b = 1; b < paths[j].size() && !crossed; ++b)
          crossed = SegmentsCross(paths[i][a - 1], paths[i][a], paths[j][b - 1], paths[j][b]);
      out.crossing += crossed;
    }
  return out;
}

// A house's labels in one row, or in two where that keeps them larger;
// with `pairs`, two rows may set them side by side rather than staggered.
// Returns their size, 0 when none fits at a legible size, and whether
// they took two rows.
std::pair<double, bool> WheelFit::FitHouse(const HouseSector& sector,
                                           std::vector<PlacedLabel>& house, bool pairs,
                                           const RowFit& how) {
  std::vector<PlacedLabel> twoRows = house;
  const double oneRowSize = FitOneRow(sector, house, LeastLabelShare(how.legible), how);
  double twoRowSize = 0;
  // Too full to stagger them widely: less widely, else every other
  // label further in as it comes.
  constexpr double kStaggers[] = {kStaggerDeg, kLeastStaggerDeg, 0.0};
  if (oneRowSize < kSecondRowBelow)
    twoRowSize =
        FitTwoRows(sector, twoRows, std::span(kStaggers).first(pairs ? 3 : 2), oneRowSize, how);
  if (twoRowSize <= oneRowSize) return {oneRowSize, false};
  house = std::move(twoRows);
  return {twoRowSize, true};
}

// The labels of `house` in one row just inside the rim, shrunk as far as
// their house needs, to `smallest` at most. Returns their size, 0 when
// they do not fit even then (they are left spread evenly; with
// `quickFail` maybe sooner, where the passes put them).
double WheelFit::FitOneRow(const HouseSector& sector, std::vector<PlacedLabel>& house,
                           double smallest, const RowFit& how) {
  std::vector<PlacedLabel*> row;
  for (PlacedLabel& l : house) row.push_back(&l);
  const double outer = band_.rim - kRimClearance;
  // Where only whether they fit counts, a row that needs far more room
  // than its house has even at `smallest` does not: known at once,
  // without the passes that would shrink it there.
  if (how.quickFail) {
    std::vector<PlacedLabel> least = house;
    std::vector<PlacedLabel*> leastRow;
    for (PlacedLabel& l : least) l.sizeFactor = smallest, leastRow.push_back(&l);
    if (PlaceRow(sector, leastRow, outer, how, kHopelessSqueeze) < kHopelessSqueeze ||
        ReachesFarPastInner(leastRow))
      return 0;
  }
  std::vector<PlacedLabel> before;
  // The pass from which every label stands at `smallest`.
  std::optional<int> leastFrom;
  for (int pass = 0;; ++pass) {
    // A pass that starts where the one before it did ends as it did.
    if (pass > 0 && pass < 12 && SamePlaces(house, before)) pass = 12;
    if (pass < 12) before = house;
    if (!leastFrom && std::all_of(row.begin(), row.end(),
                                  [&](const PlacedLabel* l) { return l->sizeFactor <= smallest; }))
      leastFrom = pass;
    // Where only whether they fit counts, a row that does not within a
    // few passes at the least size, moved along its house, does not.
    if (how.quickFail && leastFrom && pass - *leastFrom >= kPassesAtLeast) return 0;
    // The last pass before that, or the last of all: a row squeezed there
    // does not fit, and where its labels would end no longer counts.
    const bool last =
        how.quickFail && (pass == 12 || (leastFrom && pass + 1 - *leastFrom >= kPassesAtLeast));
    const double squeeze = PlaceRow(sector, row, outer, how, last ? 1 : 0);
    if (last && squeeze < 1) return 0;
    bool fits = squeeze >= 1;
    for (PlacedLabel* l : row) {
      const bool clear = InnerReach(*l) >= band_.inner + kRimClearance;
      fits = fits && clear && Reach(*l) <= RowLimit(*l, outer, how) + kReachSlack;
      // Shrunk a little beyond the squeeze, which the measured boxes only
      // approach; too long for the band between the circles: a little
      // smaller.
      const double shrink = std::min(squeeze < 1 ? 0.98 * squeeze : 1.0, clear ? 1 : 0.95);
      if (pass < 12) l->sizeFactor = std::max(smallest, l->sizeFactor * shrink);
    }
    if (fits) return row.front()->sizeFactor;
    if (pass == 12) return 0;
  }
}

// Whether a label of `row` reaches `kHopelessOverreach` or more past the
// inner edge a row keeps clear of.
bool WheelFit::ReachesFarPastInner(std::span<PlacedLabel* const> row) {
  return std::any_of(row.begin(), row.end(), [&](const PlacedLabel* l) {
    return InnerReach(*l) < band_.inner + kRimClearance - kHopelessOverreach;
  });
}

// Every other label of `house` (by angle) in a second row inside the
// first: the largest size at which both rows fit, 0 when none does.
// `staggers`, tried in turn until one fits: the least angle each glyph
// stands on from the one before it, whichever its row, so the house reads
// along in zodiac order (0: none). At each size the rows are placed once
// for all the staggers, which differ only in the check and in whether the
// last pass staggers them. A size no larger than `beat` is not sought
// (0 then), unless a later stagger has fitted at a larger one.
double WheelFit::FitTwoRows(const HouseSector& sector, std::vector<PlacedLabel>& house,
                            std::span<const double> staggers, double beat, const RowFit& how) {
  std::vector<PlacedLabel*> byAngle;
  for (PlacedLabel& l : house) byAngle.push_back(&l);
  const auto offset = [&](const PlacedLabel* l) {
    return Norm360(SurfaceAngle(l->angle, 1) - sector.start + 90);
  };
  std::stable_sort(byAngle.begin(), byAngle.end(),
                   [&](auto x, auto y) { return offset(x) < offset(y); });
  std::array<std::vector<PlacedLabel*>, 2> rows;
  for (std::size_t k = 0; k < byAngle.size(); ++k) rows[k % 2].push_back(byAngle[k]);
  const std::vector<PlacedLabel> start = house;
  double outer = 1, inner = 1;
  const auto placeRows = [&](double size) {
    outer = PlaceRow(sector, rows[0], band_.rim - kRimClearance, how);
    double boundary = band_.rim;
    for (const PlacedLabel* l : rows[0]) boundary = std::min(boundary, InnerReach(*l));
    inner = PlaceRow(sector, rows[1], boundary - RowGap(size), how);
  };
  const auto fits = [&](double stagger) {
    bool clear = outer >= 1 && inner >= 1;
    // A band of the combined arrangement, both rows: a house of one label
    // has it in the first, which a narrow band may not hold either.
    for (const PlacedLabel* l : band_.combined ? byAngle : rows[1])
      clear = clear && InnerReach(*l) >= band_.inner + kRimClearance;
    for (std::size_t k = 1; stagger > 0 && k < byAngle.size(); ++k)
      clear = clear && std::remainder(GlyphAngle(*byAngle[k]) - GlyphAngle(*byAngle[k - 1]),
                                      360.0) >= stagger;
    return clear;
  };
  // Rows whose labels reach far past the band's inner edge even at the
  // least size, placed once, do not fit: known at once. (Where rows that
  // do not fit would stand never counts: the house keeps its one row.)
  const double least = LeastLabelShare(how.legible);
  for (std::size_t k = 0; k < house.size(); ++k) house[k].sizeFactor = least;
  placeRows(least);
  const bool hopeless = ReachesFarPastInner(band_.combined ? byAngle : rows[1]);
  std::copy(start.begin(), start.end(), house.begin());
  if (hopeless) return 0;
  // By stagger: the largest size that fits, and the house set at it.
  std::vector<std::optional<std::pair<double, std::vector<PlacedLabel>>>> found(staggers.size());
  std::vector<PlacedLabel> beforeLastPass;
  for (double size = 1; size >= least - 1e-9 && !found.front(); size -= 0.05) {
    // What fits from here on is no larger than one row's size, and the
    // house takes one row then.
    if (size <= beat && std::none_of(found.begin(), found.end(), [](auto& f) { return f; })) break;
    for (std::size_t k = 0; k < house.size(); ++k) {
      house[k] = start[k];
      house[k].sizeFactor = size;
    }
    for (int pass = 0; pass < 3; ++pass) {
      beforeLastPass = house;
      placeRows(size);
      if (SamePlaces(house, beforeLastPass)) break;  // placed again, they would stay
    }
    beforeLastPass = house;
    // Once the rows have found their radii: each label of the inner row
    // set between its two neighbours of the outer one, so that the house
    // reads in zodiac order along it rather than in pairs.
    for (const bool staggered : {true, false}) {
      bool wanted = false;
      for (std::size_t s = 0; s < staggers.size(); ++s)
        wanted = wanted || (!found[s] && (staggers[s] > 0) == staggered);
      if (!wanted) continue;
      std::copy(beforeLastPass.begin(), beforeLastPass.end(), house.begin());
      if (staggered) Stagger(sector, byAngle);
      placeRows(size);
      for (std::size_t s = 0; s < staggers.size(); ++s)
        if (!found[s] && (staggers[s] > 0) == staggered && fits(staggers[s]))
          found[s].emplace(size, house);
    }
  }
  for (auto& f : found)
    if (f) {
      house = std::move(f->second);
      return f->first;
    }
  return 0;
}

// The labels of both rows, in zodiac order, spread along the house by half
// their widths: neighbours in a row keep about their whole widths apart,
// and each stands half a label on from the one before it in the other row.
void WheelFit::Stagger(const HouseSector& sector, const std::vector<PlacedLabel*>& byAngle) {
  std::vector<double> angles;
  std::vector<LabelSpan> spans;
  for (const PlacedLabel* l : byAngle) {
    angles.push_back(SurfaceAngle(l->angle, 1));
    const LabelSpan span = SpanOf(*l, kLabelGapShare / 2);
    const double quarter = (span.below + span.above) / 4;
    spans.push_back({quarter, quarter});
  }
  FitSpans(sector, angles, spans);
  for (std::size_t k = 0; k < byAngle.size(); ++k) byAngle[k]->angle = UserAngle(angles[k]);
}

// The true angle of the middle of a label's glyph.
double WheelFit::GlyphAngle(const PlacedLabel& l) {
  const auto& g = Boxes(l).front();
  return TrueAngle((g[0].x + g[1].x) / 2, (g[0].y + g[1].y) / 2);
}

// One row's labels drawn in until each clears `outer`, then moved apart
// inside the sector. Returns the squeeze the row needs (1: it fits). A
// row squeezed below `needed` as first spread is left there, its angles
// as they were: the squeeze, which spreading again only lessens, is all
// that counts then.
double WheelFit::PlaceRow(const HouseSector& sector, std::vector<PlacedLabel*>& row, double outer,
                          const RowFit& how, double needed) {
  // Kept from row to row: a crowded band's dealing places rows some ten
  // thousand times a paint, and no row is placed while another is.
  std::vector<double>& angles = rowAngles_;
  std::vector<LabelSpan>& spans = rowSpans_;
  angles.clear();
  spans.clear();
  for (PlacedLabel* l : row) {
    const double limit = RowLimit(*l, outer, how);
    for (double over = Reach(*l) - limit; over > 0 && l->radius > band_.inner;
         over = Reach(*l) - limit)
      l->radius -= std::max(1.0, over - 1);
    angles.push_back(RayAngle(l->angle));
    spans.push_back(SpanOf(*l, row.size() > 1 ? kLabelGapShare / 2 : 0));
  }
  // In a band of the combined arrangement, whose columns slant across its
  // narrow houses, the boxes around each two successive characters of the
  // labels at its ends keep inside the house too, so that none reaches
  // across a spoke among a neighbour's characters.
  HouseSector inside = sector;
  if (band_.combined && !row.empty()) {
    // How much further than its characters' those boxes reach on either
    // side.
    const auto beyond = [&](const PlacedLabel& l) {
      const LabelSpan box = SpanOf(l);
      LabelMeasures& measures = MeasuresOf(l);
      // By the sums `SpanOf` does, measuring only the corners that decide.
      if (!measures.strokeSpan) {
        const auto [cos, sin] = Turn(l.angle);
        LabelBoxList strokes;
        Strokes(measures.boxes.all(), strokes);
        measures.strokeSpan =
            AngularReach(strokes.all(), Squash(), RayAngle(l.angle), {cos, Squash() * sin}, 0);
      }
      const LabelSpan hull = *measures.strokeSpan;
      return std::array<double, 2>{std::max(0.0, hull.below - box.below),
                                   std::max(0.0, hull.above - box.above)};
    };
    const auto offset = [&](std::size_t k) { return Norm360(angles[k] - sector.start + 90); };
    std::size_t first = 0, last = 0;
    for (std::size_t k = 1; k < row.size(); ++k) {
      if (offset(k) < offset(first)) first = k;
      if (offset(k) > offset(last)) last = k;
    }
    const double below = beyond(*row[first])[0], above = beyond(*row[last])[1];
    if (below + above < sector.width / 2)
      inside = {sector.start + below, sector.width - below - above};
  }
  std::vector<double>& spreadFrom = rowSpread_;
  spreadFrom = angles;
  double squeeze = FitSpans(inside, angles, spans);
  if (squeeze < needed) return squeeze;
  // Whether the labels stand at the angles spreading left: they do once it
  // leaves the angles it started from, with the same spans.
  bool settled = false;
  // A label's span is measured where it stood: in a band of the combined
  // arrangement, near the centre, it turns enough with its new place to
  // touch a spoke or a neighbour, so the row is spread again from there.
  // A label that stands where it stood keeps its span; spread again from
  // where the last spreading started, with the same spans, the row would
  // end where it did.
  for (int again = 0; band_.combined && again < 2 && !settled; ++again) {
    bool moved = false;
    for (std::size_t k = 0; k < row.size(); ++k) {
      const double angle = RowUserAngle(angles[k]);
      if (SameBits(angle, row[k]->angle)) continue;
      row[k]->angle = angle;
      spans[k] = SpanOf(*row[k], row.size() > 1 ? kLabelGapShare / 2 : 0);
      moved = true;
    }
    if (!moved && SameBits(angles, spreadFrom)) {
      settled = true;
      break;
    }
    spreadFrom = angles;
    squeeze = std::min(squeeze, FitSpans(inside, angles, spans));
    settled = SameBits(angles, spreadFrom);
  }
  for (std::size_t k = 0; k < row.size(); ++k) {
    if (!settled) row[k]->angle = RowUserAngle(angles[k]);
    row[k]->lineEndAngle = row[k]->angle + band_.lineEndCorrection(row[k]->angle);
  }
  return squeeze;
}

// How far out a label of a row whose edge is `outer` may reach: a lent
// label further in by its room for the leader lines beside it.
double WheelFit::RowLimit(const PlacedLabel& l, double outer, const RowFit& how) const {
  if (!how.lentOut) return outer;
  const auto lent = how.lentOut->find(l.point);
  return outer - (lent == how.lentOut->end() ? 0 : lent->second);
}

// The room between a house's two rows of labels at `size`: as between
// neighbours in a row.
double WheelFit::RowGap(double size) const {
  return kLabelGapShare * glyphStepY_ * size * Squash();
}

// The least share of their option sizes a single wheel's labels shrink to
// on this surface: on a screen, that at which their glyphs still read in
// the window as it opens (whose font scale is 1 at any dpi). The share
// holds at every size, so a crowded house's labels grow with a larger
// window as their neighbours do and shrink with a smaller one. Not
// `legible`: `kSmallestLabel`, for a house too full for that.
double WheelFit::LeastLabelShare(bool legible) const {
  const double glyphPoints = Opt(o_.glyphSize);
  if (o_.printing || !legible || !(glyphPoints > 0)) return kSmallestLabel;
  return std::clamp(kLeastReadableGlyphPoints / glyphPoints, kSmallestLabel, 1.0);
}

}  // namespace orv::wheelfit
