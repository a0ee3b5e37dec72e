// The legibility counts of the painted single wheel with the glyph font's own
// measures (the recording surface's are a fixed share of an em): what the
// window and the printed page really show, for the fixed charts at every
// window size and on paper.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <span>

#include "../wheels/DualWheelLegibility.h"
#include "../wheels/WheelLegibility.h"
#include "FontMeasuredCanvas.h"
#include "GlyphInkPixels.h"
#include "commands/DualWheelCommands.h"
#include "shell/OptionFiles.h"
#include "shell/Startup.h"

namespace orv {
namespace {

// A second person: 14 Jul 1976, 8:30 at Chicago.
const ChartInputFields kChicago{"7",  "14", "1976", "8", "30", "5", "87",
                                "39", "41", "51",   "",  false, false, false};

using test::FontMeasuredCanvas;

class WheelLegibilityOnFont : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = QFontDatabase::addApplicationFont(
        QString::fromStdString(GlyphFontPath(ORVANTA_DATA_DIR).string()));
    ASSERT_GE(font_, 0);
  }
  void TearDown() override { QFontDatabase::removeApplicationFont(font_); }

  static test::LegibilityCounts Count(const WheelPaintInputs& in, DeviceSize surface) {
    FontMeasuredCanvas canvas(surface.width, surface.height);
    return test::CountIllegible(in, canvas);
  }
  static test::LegibilityCounts CountOnPage(const WheelPaintInputs& in, DeviceSize page) {
    FontMeasuredCanvas canvas(page.width, page.height);
    return test::CountIllegibleOnPage(in, canvas);
  }

 private:
  int font_ = -1;
};

TEST_F(WheelLegibilityOnFont, FixedChartsReadCleanlyAtEveryWindowSizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleFixedCharts(Count, CountOnPage))
    ADD_FAILURE() << failure;
}

TEST_F(WheelLegibilityOnFont, APackedHouseKeepsTheLeastReadableSizeAtEveryWindowSize) {
  for (const std::string& failure : test::SmallPackedLabels([](DeviceSize s) {
         return std::make_unique<FontMeasuredCanvas>(s.width, s.height);
       }))
    ADD_FAILURE() << failure;
}

// Seven labels in the 10th house of a 30-degree or a narrower sector: from
// the size the window opens at up, in both styles, every label at least as
// large as a glyph reads on a screen, those the house cannot hold lent to
// its neighbours with leader lines, and nothing else amiss.
TEST_F(WheelLegibilityOnFont, ACrowdedHouseReadsFromTheOpeningSizeUp) {
  const DeviceSize opening = WheelOpeningArea(96);
  const DeviceSize surfaces[] = {
      opening, {opening.width * 5 / 4, opening.height * 5 / 4}, {1400, 950}, {1600, 1000}};
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::NoonStellium);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  int inTenth = 0;
  for (int p = 1; p <= NumPoints; ++p)
    inTenth +=
        HouseNumberOfRecord(
            std::string_view(wb.Wheel->HousePositions).substr(std::size_t(p * 10 - 10), 10)) == 10;
  ASSERT_EQ(inTenth, 7);
  for (int style : {0, 1})
    for (const DeviceSize surface : surfaces) {
      const test::LegibilityCounts c = Count(test::PaintInputsOf(wb, style), surface);
      EXPECT_EQ(c.Total() + c.misordered + c.unreadable, 0)
          << "style " << style << " at " << surface.width << "x" << surface.height << ": "
          << c.Text();
    }
}

// The combined and two-ring wheels of natal charts crowded by a second
// person's points.
TEST_F(WheelLegibilityOnFont, CrowdedPairsWithASecondPersonReadAtEverySizeAndOnPaper) {
  for (const std::string& failure : test::IllegibleSecondPersonPairs(
           [](const WheelPaintInputs& in, const test::PairSurface& s) {
             FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
             return test::CountIllegibleTwoChart(in, canvas, s.printing);
           }))
    ADD_FAILURE() << failure;
}

// Seven labels of both charts in Capricorn, at the top of the two-ring
// wheel where the window leaves no room for a second row, beside
// neighbours of one or two: from the size the window opens at up, every
// label at least as large as a glyph reads on a screen, those the sector
// cannot hold lent to its neighbours with leader lines that run just
// outside the circle back to their own sector, and nothing else amiss.
TEST_F(WheelLegibilityOnFont, ACrowdedTwoRingSectorReadsFromTheOpeningSizeUp) {
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
  wb.DualChoices.PointShown.fill(true);
  // Capricorn runs from 270 to 300 degrees; the rest are spread from
  // Aquarius round to Scorpio, one a sector at most beside Capricorn.
  const std::array<double, NumPoints> natal{272, 278.5, 286, 293, 305, 335, 10,  45,
                                            70,  100,   130, 160, 190, 215, 250, 20};
  const std::array<double, NumPoints> transits{275, 282, 290, 320, 350, 25,  55, 85,
                                               115, 145, 175, 200, 228, 245, 5,  40};
  for (auto [chart, longitudes] :
       {std::pair{&wb.Charts.Natal, &natal}, std::pair{&wb.Charts.Diurnal, &transits}}) {
    chart->RetroFlags.assign(NumPoints, ' ');
    for (int p = 1; p <= NumPoints; ++p)
      chart->Longitudes[std::size_t(p)] = (*longitudes)[std::size_t(p - 1)];
  }
  ChartArrays& n = wb.Charts.Natal;
  n.Longitudes[std::size_t(ChartPoint::Ascendant)] = n.Cusps[4];
  n.Longitudes[std::size_t(ChartPoint::MC)] = n.Cusps[1];
  n.HousePositions = PlacePlanetsInHouses("", n.Longitudes, n.Cusps, HouseLabels);
  PrepareDualWheelCommand(wb, DualWheelKind::Display, {false, "2nd Person"});
  const WheelPaintInputs in = test::PaintInputsOf(wb);
  const DeviceSize opening = WheelOpeningArea(96);
  for (const DeviceSize s : {opening, DeviceSize{opening.width * 5 / 4, opening.height * 5 / 4},
                             DeviceSize{1600, 1000}}) {
    FontMeasuredCanvas canvas(s.width, s.height, 96);
    const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, false);
    EXPECT_EQ(c.Total() + c.counts.unreadable, 0)
        << s.width << "x" << s.height << ": " << test::DualCountsText(c);
    // Lent: pieces of leader lines between the circle and the labels.
    int leaderPieces = 0;
    for (const CanvasRecord& line : canvas.Lines()) {
      const double a = std::hypot(line.a.x, line.a.y), b = std::hypot(line.b.x, line.b.y);
      leaderPieces += std::min(a, b) > WheelRadius + 0.5 && std::max(a, b) < WheelRadius + 3.5;
    }
    EXPECT_GT(leaderPieces, 0) << s.width << "x" << s.height;
  }
}

// The wheels of `kind` of the random pairs of the pair counts, from the
// first up to `last`, each given to `check` with its number, or only those
// of `only` (in rising order): the pairs draw from one stream in turn.
void ForRandomPairs(DualWheelKind kind, int last,
                    const std::function<void(int, const WheelPaintInputs&)>& check,
                    std::span<const int> only = {}) {
  std::mt19937 random(1976);
  for (int k = 0; k <= last; ++k) {
    Workbench wb;
    std::optional<OrbTable> orbs;
    const WheelPaintInputs in = test::RandomWheelPair(wb, random, k, kind, orbs);
    if (only.empty() || std::find(only.begin(), only.end(), k) != only.end()) check(k, in);
  }
}
void ForRandomPairs(DualWheelKind kind, std::span<const int> only,
                    const std::function<void(int, const WheelPaintInputs&)>& check) {
  ForRandomPairs(kind, only.back(), check, only);
}

// The combined wheels of random pairs whose inner band's rows crowd against
// a spoke: its labels, measured by the glyph font where they end up, keep
// off the spokes, and their slanting columns out of each other's across
// them, at the least and the largest window sizes.
TEST_F(WheelLegibilityOnFont, CombinedBandLabelsKeepOffTheSpokesAndEachOther) {
  ForRandomPairs(DualWheelKind::TransitsVsNatal, 59, [](int k, const WheelPaintInputs& in) {
    for (const DeviceSize s : {test::LegibilitySurfaces().front(), DeviceSize{1600, 1000}}) {
      FontMeasuredCanvas canvas(s.width, s.height, 96);
      const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, false);
      EXPECT_EQ(c.counts.spokeCrossings, 0) << "pair " << k << " at " << s.width << "x" << s.height;
      EXPECT_EQ(c.counts.interleaved, 0) << "pair " << k << " at " << s.width << "x" << s.height;
    }
  });
}

// Random pairs where a label met a text drawn around it: the inner band's
// against the house numbers on A4, whose units are taller than wide; the
// two-ring wheel's against a header line at the least window size and on
// Letter, where its labels reach further than the header leaves room for.
TEST_F(WheelLegibilityOnFont, PairLabelsKeepClearOfTheTextsAroundThem) {
  const test::PairSurface a4{746, 1074, 96, true}, letter{768, 1008, 96, true},
      least{604, 525, 96, false};
  for (const auto& [kind, surfaces] :
       {std::pair{DualWheelKind::TransitsVsNatal, std::vector{a4}},
        std::pair{DualWheelKind::Display, std::vector{least, letter}}}) {
    ForRandomPairs(kind, 59, [&](int k, const WheelPaintInputs& in) {
      for (const test::PairSurface& s : surfaces) {
        FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
        const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, s.printing);
        EXPECT_EQ(c.counts.overlaps, 0) << "pair " << k << " on " << s.width << "x" << s.height;
      }
    });
  }
}

// Random pairs whose combined wheel has a house too crowded to hold its
// labels at a size that reads, beside neighbours too full to take them in:
// its band's labels are dealt out to houses further away, each led back to
// its place, and every label reads cleanly from the opening size up. In
// pair 181 that holds only with the leader lines closer together than the
// single wheel's; in 351 and 748 only with lines that run round in lanes
// rather than straight across the labels between; in 431 and 899, at
// 1600x1000, only with those lanes as far apart on the screen as in the
// window as it opens, so fewer units apart; in 919 only where its 4th
// house's labels dealt to the 3rd read as the 3rd's own do. Natal charts
// 87, 624 and 660 against transits (87's the Aquarius stellium of February
// 1962, ten points in one house of the inner band) read at the opening size
// only with the lanes closer still.
TEST_F(WheelLegibilityOnFont, CrowdedCombinedBandsDealTheirLabelsFurtherAway) {
  const int crowded[] = {10, 13, 14, 19, 20, 21, 26, 27, 31, 181, 351, 431, 748, 899, 919};
  const std::array crowdedByTransits{87, 624, 660};
  // Pair 367 after Switch, whose "AS" ran into its own label's "8".
  const std::array switchedTransits{367};
  const auto check = [](const char* what, int k, const WheelPaintInputs& in) {
    for (const DeviceSize s : {WheelOpeningArea(96), DeviceSize{1600, 1000}}) {
      FontMeasuredCanvas canvas(s.width, s.height, 96);
      const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, false);
      EXPECT_EQ(c.Total() + c.counts.unreadable, 0) << what << " " << k << " at " << s.width << "x"
                                                    << s.height << ": " << test::DualCountsText(c);
    }
  };
  ForRandomPairs(DualWheelKind::TransitsVsNatal, crowded,
                 [&](int k, const WheelPaintInputs& in) { check("pair", k, in); });
  test::ForRandomTransitPairs(DualWheelKind::TransitsVsNatal, crowdedByTransits,
                              [&](int k, const WheelPaintInputs& in) { check("transits", k, in); });
  test::ForRandomTransitPairs(
      DualWheelKind::TransitsVsNatal, switchedTransits,
      [&](int k, const WheelPaintInputs& in) { check("switched transits", k, in); }, true);
}

// Natal charts against transits whose combined wheels' glyphs, painted,
// inked a pixel of their own labels' first digits: transit pair 0 at
// 604x525, its red Sun on its "1"; pair 19 at 800x600, its Sun on its "2"
// and Chiron on its "1".
TEST_F(WheelLegibilityOnFont, CombinedGlyphsInkNoPixelOfTheirOwnLabels) {
  const struct {
    int pair;
    DeviceSize size;
  } cases[] = {{0, {604, 525}}, {19, {800, 600}}};
  const std::array pairs{0, 19};
  test::ForRandomTransitPairs(
      DualWheelKind::TransitsVsNatal, pairs, [&](int k, const WheelPaintInputs& in) {
        for (const auto& c : cases) {
          if (c.pair != k) continue;
          FontMeasuredCanvas canvas(c.size.width, c.size.height, 96);
          PaintWheelWindow(canvas, in, StartScaleFor(c.size.width, c.size.height).value_or(300));
          canvas.SetFontScale(1);  // the records hold the sizes drawn
          EXPECT_FALSE(test::GlyphInkOnOwnLabels(canvas, in).overlap)
              << "transits " << k << " at " << c.size.width << "x" << c.size.height;
        }
      });
}

// Crowded wheels whose labels were once dealt further than they need be, each
// at the window size it was seen at: every label within a house (on the two-
// ring wheel, a sector) of its point's own, and no house left with none of its
// own labels nor leader lines crossing but where they must be. After Switch,
// natal chart 349 against transits keeps Saturn, the Earth and Venus in their
// house below the 21 Sagittarius cusp; random pair 175 keeps Venus in its house
// rather than leave it empty; random pair 29 keeps its inner band's labels a
// house from home at most. In the two-ring wheel, natal chart 96 against
// transits keeps AS, Mars and the Sun beside their sector, their texts touching
// their glyphs. In the smallest window random pair 935 keeps its crowded
// houses' labels at home or beside it, their texts touching their glyphs; at
// the opening size random pair 633 deals its inner band with its crowded
// houses' texts so, rather than lead three labels round it. Dealt so, natal
// chart 57 against transits after Switch keeps MC and Neptune beside their
// house, and no leader lines cross in chart 390 after Switch or in random pair
// 969 at 1600x525. On a Letter page, random pair 597's two-ring wheel keeps
// its Cancer labels at home, smaller, rather than lend two of them past Leo.
TEST_F(WheelLegibilityOnFont, CrowdedWheelsDealTheirLabelsNoFurtherThanTheyMust) {
  const struct {
    bool transits;
    int k;
    DualWheelKind kind;
    bool switched;
    DeviceSize size;
    int emptied;       // houses whose labels all stand in others
    int crossing = 0;  // pairs of leader lines that cross
    bool printing = false;
  } wheels[] = {{true, 349, DualWheelKind::TransitsVsNatal, true, {800, 600}, 0},
                {false, 175, DualWheelKind::TransitsVsNatal, false, {800, 600}, 0},
                {false, 29, DualWheelKind::TransitsVsNatal, false, {1200, 1000}, 1, 1},
                {true, 96, DualWheelKind::Display, false, {1200, 1000}, 0},
                {false, 935, DualWheelKind::TransitsVsNatal, false, {604, 525}, 0},
                {false, 633, DualWheelKind::TransitsVsNatal, false, {800, 600}, 0},
                {true, 57, DualWheelKind::TransitsVsNatal, true, {800, 600}, 1},
                {true, 390, DualWheelKind::TransitsVsNatal, true, {800, 600}, 1},
                {false, 969, DualWheelKind::TransitsVsNatal, false, {1600, 525}, 2},
                {false, 597, DualWheelKind::Display, false, test::PrintedPages()[0], 0, 0, true}};
  for (const auto& w : wheels) {
    const auto check = [&](int k, const WheelPaintInputs& in) {
      FontMeasuredCanvas canvas(w.size.width, w.size.height, 96);
      const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, w.printing);
      const std::string what = std::string(w.transits ? "transits " : "pair ") + std::to_string(k) +
                               (w.switched ? " switched" : "");
      EXPECT_EQ(c.dealtAway, 0) << what;
      EXPECT_EQ(c.emptied, w.emptied) << what;
      EXPECT_EQ(c.leadersCrossing, w.crossing) << what;
    };
    const std::array only{w.k};
    if (w.transits)
      test::ForRandomTransitPairs(w.kind, only, check, w.switched);
    else
      ForRandomPairs(w.kind, only, check);
  }
}

// A label dealt round to the wheel's other side, where it lies more across
// than up and down, reads its degrees left to right as the labels there do:
// random pairs 69 and 639, whose crowded 4th houses deal labels round to
// the 1st in the smallest window, and at 1600x1000 too in 639.
TEST_F(WheelLegibilityOnFont, LabelsDealtRoundToTheOtherSideReadForwards) {
  const int dealt[] = {69, 639};
  ForRandomPairs(DualWheelKind::TransitsVsNatal, dealt, [](int k, const WheelPaintInputs& in) {
    for (const DeviceSize s :
         {DeviceSize{604, 525}, WheelOpeningArea(96), DeviceSize{1600, 1000}}) {
      FontMeasuredCanvas canvas(s.width, s.height, 96);
      PaintWheelWindow(canvas, in, StartScaleFor(s.width, s.height).value_or(300));
      canvas.SetFontScale(1);
      const std::vector<int> backward = test::BackwardDegrees(canvas);
      EXPECT_TRUE(backward.empty())
          << "pair " << k << " at " << s.width << "x" << s.height << ": the labels of "
          << backward.size() << " points read backwards";
    }
  });
}

// A second person: 3 Feb 1904, 6:15 A.M. at London.
const ChartInputFields kPendleton{"2",  "3",  "1904", "6", "15",  "0",   "0",
                                  "07", "51", "30",   "",  false, false, false};

// A label drawn outside its crowded house is led back by a line from its
// glyph that ends on the rim inside its own house, at its point's place
// between the cusps (kept a degree off the spokes); the conjunction arcs
// between such ends have a length, none a whole turn. The crowded fixed
// charts, the composite of the Aquarius stellium with a second person and
// random charts with a packed house, in both styles, from the opening size
// up and on paper.
TEST_F(WheelLegibilityOnFont, LeaderLinesEndAtTheirPointsOwnPlaces) {
  struct Case {
    const char* what;
    test::WheelChart chart;
    bool composite = false;
    int packed = 0, random = -1;
  };
  std::vector<Case> cases = {{"crowded 1st house", test::WheelChart::Crowded},
                             {"stellium of 11", test::WheelChart::Ordinary, false, 10},
                             {"Aquarius stellium", test::WheelChart::Stellium},
                             {"10th house of seven", test::WheelChart::NoonStellium},
                             {"composite", test::WheelChart::Stellium, true}};
  for (int k = 0; k < 6; ++k) cases.push_back({"random", test::WheelChart::Ordinary, false, 7, k});
  const DeviceSize opening = WheelOpeningArea(96);
  const std::pair<DeviceSize, bool> surfaces[] = {{opening, false},
                                                  {{1100, 800}, false},
                                                  {{1600, 1000}, false},
                                                  {test::PrintedPages()[0], true},
                                                  {test::PrintedPages()[1], true}};
  constexpr double kToDeg = 180 / std::numbers::pi;
  int leaders = 0;
  std::mt19937 random(55);
  for (const Case& c : cases) {
    Workbench wb;
    test::ComputeWheelChart(wb, c.chart, c.composite ? &kPendleton : nullptr);
    if (c.random >= 0) test::RandomWheelChart(wb, random, c.random);
    // The fixed stellium in the house the legibility table packs; the random
    // charts' in the 1st or the 7th.
    if (c.packed > 0)
      test::PackHouse(wb, c.packed, c.random < 0 ? 4 : 1 + c.random % 2 * 6, 0.5, 2.1);
    wb.Options[OptionNumber::SingleWheelAspectLines] = 1;
    test::RecordingHost host;
    PrepareSingleWheel(wb, c.composite ? SingleWheelKind::Composite : SingleWheelKind::Natal, {},
                       host);
    ASSERT_TRUE(wb.Wheel) << c.what;
    const WheelRequest& r = *wb.Wheel;
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, r.OrbFile);
    ASSERT_TRUE(orbs) << c.what;
    for (int style : {0, 1})
      for (const auto& [surface, paper] : surfaces) {
        WheelPaintInputs in = test::PaintInputsOf(wb, style);
        in.orbs = &*orbs;
        FontMeasuredCanvas canvas(surface.width, surface.height);
        if (paper)
          PaintWheelPrinter(canvas, in, {});
        else
          PaintWheelWindow(canvas, in, StartScaleFor(surface.width, surface.height).value_or(300));
        canvas.SetFontScale(1);  // the records hold the sizes drawn
        const std::string where = std::string(c.what) + " " + std::to_string(c.random) +
                                  " style " + std::to_string(style) + " " +
                                  std::to_string(surface.width) + "x" +
                                  std::to_string(surface.height);
        const double squash = canvas.DeviceUnitsPerUserY() / canvas.DeviceUnitsPerUserX();
        const double verticalFactor = SurfaceVerticalFactor(canvas);
        const auto trueAngle = [&](UserPoint p) {
          return Norm360(std::atan2(squash * p.y, p.x) * kToDeg);
        };
        const auto asDrawn = [&](double spoke) {
          return trueAngle(SpokeEnds(spoke, 1, 1, verticalFactor)[0]);
        };
        const bool european = style == 1 && r.WheelKind == 1;
        const auto spokes = SingleFrameSpokeAngles(european ? 1 : 0, r.Cusps);
        for (const CanvasRecord& line : canvas.Lines()) {
          const auto onRim = [&](UserPoint p) {  // where a leader ends, inside the rim
            return std::fabs(std::hypot(p.x, squash * p.y) - 215.5) < 0.01;
          };
          if (!onRim(line.a) && !onRim(line.b)) continue;
          const UserPoint rim = onRim(line.a) ? line.a : line.b;
          const UserPoint near = onRim(line.a) ? line.b : line.a;
          // The point whose glyph the other end touches.
          int point = 0;
          for (const CanvasRecord& t : canvas.Texts())
            for (int p = 1; p <= NumPoints; ++p)
              if (t.text == GlyphText(GlyphCode::PointBase + p)) {
                const test::TextBox g = test::BoxOf(canvas, t);
                if (near.x >= g.left - 1e-6 && near.x <= g.right + 1e-6 &&
                    near.y <= g.top + 1e-6 && near.y >= g.bottom - 1e-6)
                  point = p;
              }
          ASSERT_NE(point, 0) << where << ": a line to the rim from no glyph";
          ++leaders;
          const int h = HouseNumberOfRecord(
              std::string_view(r.HousePositions).substr(std::size_t(point * 10 - 10), 10));
          const double cusp = r.Cusps[std::size_t(CuspIndexOfHouse(h))];
          const double span = Norm360(r.Cusps[std::size_t(CuspIndexOfHouse(h % 12 + 1))] - cusp);
          const double past = Norm360(r.Longitudes[std::size_t(point)] - cusp);
          const double share = past <= span ? past / span : past > 180 ? 0 : 1;
          const double nominal = european ? spokes[std::size_t(h - 1)] : 180.0 + 30 * (h - 1);
          const double nominalEnd = european ? spokes[std::size_t(h % 12)] : nominal + 30;
          const double start = asDrawn(nominal), width = Norm360(asDrawn(nominalEnd) - start);
          const double place = asDrawn(nominal + Norm360(nominalEnd - nominal) * share);
          const double end = trueAngle(rim);
          EXPECT_GT(Norm360(end - start), 0) << where << ": point " << point;
          EXPECT_LT(Norm360(end - start), width) << where << ": point " << point;
          EXPECT_LE(std::fabs(std::remainder(end - place, 360.0)), 1 + 1e-6)
              << where << ": point " << point << " ends at " << end << ", its place " << place;
        }
        for (const CanvasRecord& arc : canvas.Records())
          if (arc.kind == CanvasRecord::Kind::Circle && arc.startRad) {
            const double along = Norm360((*arc.endRad - *arc.startRad) * kToDeg);
            EXPECT_GT(along, 0) << where;
            EXPECT_LT(along, 180) << where;
          }
      }
  }
  EXPECT_GT(leaders, 20);
}

// How often two of the two-ring wheel's leader lines run along the circle
// on top of each other, or one runs across another's way in from its label.
int LeaderLinesRunningTogether(const RecordingCanvas& canvas) {
  constexpr double kToDeg = 180 / std::numbers::pi;
  // The pieces of leader lines between the labels and the circle: along
  // it (their radius and the angles they span) and in toward it.
  struct Piece {
    double radius, from, to;
  };
  std::vector<Piece> along, in;
  for (const CanvasRecord& line : canvas.Lines()) {
    const double a = std::hypot(line.a.x, line.a.y), b = std::hypot(line.b.x, line.b.y);
    if (std::min(a, b) <= WheelRadius + 0.3 || std::max(a, b) >= WheelRadius + 3.6) continue;
    const double from = std::atan2(line.a.y, line.a.x) * kToDeg;
    const double turn = std::remainder(std::atan2(line.b.y, line.b.x) * kToDeg - from, 360.0);
    if (std::fabs(a - b) < 0.05)
      along.push_back({(a + b) / 2, std::min(from, from + turn), std::max(from, from + turn)});
    else if (std::fabs(turn) < 0.05)
      in.push_back({std::min(a, b), from, std::max(a, b)});
  }
  // The angle `at` within a piece along the circle.
  const auto spans = [](const Piece& p, double at) {
    const double shift = std::round((at - p.from) / 360) * 360;
    return p.from < at - shift && at - shift < p.to;
  };
  int together = 0;
  for (std::size_t i = 0; i < along.size(); ++i)
    for (std::size_t j = i + 1; j < along.size(); ++j)
      together += std::fabs(along[i].radius - along[j].radius) < 0.1 &&
                  (spans(along[i], along[j].from + 0.3) || spans(along[j], along[i].from + 0.3));
  for (const Piece& p : along)
    for (const Piece& drop : in)
      together += p.radius > drop.radius + 0.1 && p.radius < drop.to && spans(p, drop.from);
  return together;
}

// Random pairs whose two-ring wheel has two or three crowded sectors side by
// side at the top of the window, with no room for a second row above them:
// the middle one lends its labels past the sector beside it, which lends
// its own the same way, into the sector beyond, with leader lines back
// along the circle; every label reads, in the window as it opens and in a
// larger one, and nothing else is amiss. In pairs 631 (Gemini beside
// Cancer) and 640 (Capricorn beside Aquarius) the first of the two can lend
// only once the second has lent its own. In pair 62 the seven labels of
// Capricorn, between Sagittarius and Aquarius, both crowded, read only when
// two of them go a sector further, to Libra past Sagittarius's labels lent
// to Scorpio; in pair 580 at 1600x1000 the seven of Sagittarius, beside a
// crowded Capricorn, only when the four it lends split between Scorpio and
// Libra. In transit pair 823 at 800x600 the three of Pisces read only when
// it lends one to Aries, which holds a label lent from Gemini at its other
// end. No leader line runs on top of another, or across another's way in
// from its label.
TEST_F(WheelLegibilityOnFont, TheTwoRingWheelsCrowdedSectorsSideBySideLendPastEachOther) {
  const int pairs[] = {28, 62, 187, 190, 234, 580, 631, 640};
  const int transitPairs[] = {823};
  const auto check = [](const std::string& what, std::span<const DeviceSize> surfaces) {
    return [what, surfaces](int k, const WheelPaintInputs& in) {
      for (const DeviceSize s : surfaces) {
        const std::string where = what + " " + std::to_string(k) + " at " +
                                  std::to_string(s.width) + "x" + std::to_string(s.height);
        FontMeasuredCanvas canvas(s.width, s.height);
        const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, false);
        EXPECT_EQ(c.Total() + c.counts.unreadable, 0) << where << ": " << test::DualCountsText(c);
        EXPECT_EQ(LeaderLinesRunningTogether(canvas), 0) << where;
      }
    };
  };
  const DeviceSize surfaces[] = {WheelOpeningArea(96), {1600, 1000}},
                   transitSurfaces[] = {{800, 600}};
  ForRandomPairs(DualWheelKind::Display, pairs, check("pair", surfaces));
  test::ForRandomTransitPairs(DualWheelKind::Display, transitPairs,
                              check("transit pair", transitSurfaces));
}

// Random pairs whose two-ring wheel, printed on Letter, has a crowded
// sector below the wheel in two rows reaching down to where the aspect grid
// stands at its lowest: printed with the grid, the sector holds one row and
// lends the rest beside it, so that no grid glyph stands on a label, and no
// label prints smaller than on the page without the grid.
TEST_F(WheelLegibilityOnFont, TheTwoRingWheelsLabelsKeepClearOfThePrintedAspectGrid) {
  const int pairs[] = {8, 21, 30, 114};
  ForRandomPairs(DualWheelKind::Display, pairs, [&](int k, const WheelPaintInputs& in) {
    // The sizes of each label's glyph and degrees, by its chart and glyph.
    using Sizes = std::map<std::pair<bool, std::string>, std::pair<double, double>>;
    const auto sizes = [](const FontMeasuredCanvas& canvas) {
      Sizes out;
      const auto texts = canvas.Texts();
      for (std::size_t t = 0; t + 1 < texts.size(); ++t)
        if (test::dual_detail::PointOf(texts[t].text, false) != 0 &&
            (texts[t].color == QBColor(9) || texts[t].color == QBColor(12)))
          out[{texts[t].color == QBColor(12), texts[t].text}] = {texts[t].font.points,
                                                                 texts[t + 1].font.points};
      return out;
    };
    FontMeasuredCanvas withGrid(768, 1008);
    const test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, withGrid, true);
    EXPECT_EQ(c.Total(), 0) << "pair " << k << ": " << test::DualCountsText(c);
    OptionValues noGridOptions = *in.options;
    noGridOptions[OptionNumber::AspectGridOnPrint] = 0;
    WheelPaintInputs noGrid = in;
    noGrid.options = &noGridOptions;
    FontMeasuredCanvas without(768, 1008);
    PaintWheelPrinter(without, noGrid, {});
    const Sizes printed = sizes(withGrid), plain = sizes(without);
    ASSERT_EQ(printed.size(), plain.size()) << "pair " << k;
    for (const auto& [label, size] : printed) {
      EXPECT_GE(size.first, plain.at(label).first - 1e-6) << "pair " << k << ", " << label.second;
      EXPECT_GE(size.second, plain.at(label).second - 1e-6) << "pair " << k << ", " << label.second;
    }
  });
}

// The counts of a two-chart or ring wheel on the glyph font, with its glyphs
// and their labels' next characters painted.
test::DualLegibilityCounts CountAndPaint(const WheelPaintInputs& in, const test::PairSurface& s) {
  FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
  test::DualLegibilityCounts c = test::CountIllegibleTwoChart(in, canvas, s.printing);
  const test::GlyphInkContact ink = test::GlyphInkOnOwnLabels(canvas, in);
  c.inkPainted = 1;
  c.inkOverlap = ink.overlap;
  c.inkTouching = ink.touching;
  return c;
}

// Over random charts, on the window and on paper; run by hand with
// ORVANTA_LEGIBILITY_CHARTS=1000.
TEST_F(WheelLegibilityOnFont, RandomChartCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomChartCounts(charts, Count, CountOnPage);
}

// The combined and two-ring wheels of random pairs on the same surfaces.
TEST_F(WheelLegibilityOnFont, RandomPairCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int pairs = env ? std::atoi(env) : 0;
  if (pairs == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomPairCounts(pairs, test::PairSurfaces(),
                              [](const WheelPaintInputs& in, const test::PairSurface& s) {
                                FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
                                return CountAndPaint(in, s);
                              });
}

// The one-chart rings of random charts on the same surfaces.
TEST_F(WheelLegibilityOnFont, RandomOneChartRingCounts) {
  const char* env = std::getenv("ORVANTA_LEGIBILITY_CHARTS");
  const int charts = env ? std::atoi(env) : 0;
  if (charts == 0) GTEST_SKIP() << "set ORVANTA_LEGIBILITY_CHARTS";
  test::PrintRandomOneChartRingCounts(charts, CountAndPaint);
}

// The rings on the glyph font's own measures: the two-ring wheel of two
// charts and the one-chart rings of declinations and helio latitudes, in
// the default window's wheel at 96 and 120 dpi (a few pixels clear of its
// edges), a large window, where labels must read, and on Letter and A4
// paper.
TEST_F(WheelLegibilityOnFont, RingsReadCleanlyInTheDefaultWindowAndOnPaper) {
  const struct {
    double width, height, dpi;
    bool printing;
  } surfaces[] = {{800, 578, 96, false},
                  {1000, 725, 120, false},
                  {1600, 1000, 96, false},
                  {768, 1008, 96, true},
                  {746, 1074, 96, true}};
  enum Ring { TwoCharts, Declinations, HelioLatitudes };
  const test::WheelChart charts[] = {test::WheelChart::Ordinary, test::WheelChart::Crowded,
                                     test::WheelChart::Stellium, test::WheelChart::Unequal};
  for (const test::WheelChart chart : charts)
    for (const Ring ring : {TwoCharts, Declinations, HelioLatitudes})
      for (const auto& s : surfaces) {
        Workbench wb;
        test::ComputeWheelChart(wb, chart, ring == TwoCharts ? &kChicago : nullptr);
        test::RecordingHost host;
        if (ring == TwoCharts) {
          wb.DualChoices.PointShown.fill(true);
          PrepareDualWheelCommand(wb, DualWheelKind::Display, {true, "John Roe"});
        } else {
          PrepareSingleWheel(wb,
                             ring == Declinations ? SingleWheelKind::Declinations
                                                  : SingleWheelKind::HelioLatitudes,
                             {}, host);
        }
        FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
        const test::DualLegibilityCounts c =
            test::CountIllegibleTwoChart(test::PaintInputsOf(wb), canvas, s.printing);
        EXPECT_EQ(c.Total() + c.counts.unreadable, 0)
            << "chart " << int(chart) << ", ring " << int(ring) << " " << s.width << "x" << s.height
            << " at " << s.dpi << " dpi: " << test::DualCountsText(c);
      }
}

// Natal charts against transits, and one with a second person, whose
// two-ring wheels drew glyphs on their own labels' last characters (a
// retrograde "R" or a digit just before the glyph, from Pisces to Taurus):
// 15 Mar 1985, 2:30 PM in New York against 7 Dec 2026, 8:33 PM and with
// Arthur Pendleton; noon of 4 Jul 1990 in New York against noon of 30 Aug
// 2023; noon of 22 Nov 1972 in London against noon of 15 Aug 2024. They
// read cleanly at every window size and on both pages; and the 1985 chart's
// five labels in Aries, whose sign glyph stands among them, are drawn whole
// from the least window up, as in the window as it opens.
TEST_F(WheelLegibilityOnFont, TwoRingGlyphsStandClearOfTheirOwnLabels) {
  const ChartInputFields newYork1985{"3",  "15", "1985", "2", "30", "5",   "73",
                                     "59", "40", "43",   "",  true, false, false};
  const struct {
    const char* name;
    ChartInputFields natal, other;
    bool person;
  } cases[] = {{"1985 against 2026",
                newYork1985,
                {"12", "7", "2026", "8", "33", "5", "73", "59", "40", "43", "", true, false, false},
                false},
               {"1985 with Arthur Pendleton", newYork1985, kPendleton, true},
               {"1990 against 2023",
                {"7", "4", "1990", "12", "0", "4", "73", "59", "40", "43", "", true, false, false},
                {"8", "30", "2023", "12", "0", "4", "73", "59", "40", "43", "", true, false, false},
                false},
               {"1972 against 2024",
                {"11", "22", "1972", "12", "0", "0", "0", "07", "51", "30", "", true, false, false},
                {"8", "15", "2024", "12", "0", "-1", "0", "07", "51", "30", "", true, false, false},
                false}};
  // The 1985 chart against 2026 has the natal Mercury and Venus and the
  // transiting Saturn, Neptune and Chiron in Aries.
  const std::pair<bool, int> aries[] = {{true, ChartPoint::Mercury},
                                        {true, ChartPoint::Venus},
                                        {false, ChartPoint::Saturn},
                                        {false, ChartPoint::Neptune},
                                        {false, ChartPoint::Chiron}};
  for (const auto& c : cases) {
    Workbench wb;
    test::ComputeWheelChart(wb, test::WheelChart::Ordinary);
    test::RecordingHost host;
    ChartDriverHooks hooks;
    ChartRequest r;
    r.natal = c.natal;
    r.diurnal = c.other;
    r.secondPerson = c.person;
    ASSERT_EQ(CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true), 0) << c.name;
    PrepareDualWheelCommand(wb, DualWheelKind::Display, {c.person, "Arthur Pendleton"});
    WheelPaintInputs in = test::PaintInputsOf(wb);
    const std::optional<OrbTable> orbs = LoadOrbTable(nullptr, wb.Wheel->OrbFile);
    in.orbs = orbs ? &*orbs : nullptr;
    for (const test::PairSurface& s : test::PairSurfaces()) {
      FontMeasuredCanvas canvas(s.width, s.height, s.dpi);
      const test::DualLegibilityCounts counts =
          test::CountIllegibleTwoChart(in, canvas, s.printing);
      EXPECT_EQ(counts.Total() + counts.counts.unreadable, 0)
          << c.name << (s.printing ? " on the page " : " at ") << s.width << "x" << s.height << ": "
          << test::DualCountsText(counts);
    }
    if (&c != &cases[0]) continue;
    // Its labels in Aries as large as the largest glyph.
    for (const DeviceSize s : {LegibleWheelArea(96), DeviceSize{800, 581}, WheelOpeningArea(96)}) {
      FontMeasuredCanvas canvas(s.width, s.height);
      PaintWheelWindow(canvas, in, StartScaleFor(s.width, s.height).value_or(300));
      canvas.SetFontScale(1);  // the records hold the sizes drawn
      double largest = 0;
      std::vector<double> inAries;
      for (const CanvasRecord& t : canvas.Texts()) {
        const int p = test::dual_detail::PointOf(t.text, false);
        if (p == 0) continue;
        largest = std::max(largest, t.font.points);
        for (const auto& [natal, point] : aries)
          if ((t.color == QBColor(9)) == natal && p == point) inAries.push_back(t.font.points);
      }
      ASSERT_EQ(inAries.size(), 5u) << s.width << "x" << s.height;
      for (const double points : inAries)
        EXPECT_DOUBLE_EQ(points, largest) << s.width << "x" << s.height;
    }
  }
}

}  // namespace
}  // namespace orv
