#include "relationship/comparative/ComparativeScoring.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"
#include "core/FixedTables.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/SignDignities.h"

namespace orv {

using namespace ChartPoint;

namespace {

constexpr int kConjunction = 2;
constexpr int kSextile = 3;
constexpr int kSquare = 4;
constexpr int kTrine = 5;
constexpr int kOpposition = 6;
constexpr int kParallelCode = 7;
constexpr int kSemiSextile = 8;
constexpr int kSemiSquare = 9;
constexpr int kSesquisquare = 10;
constexpr int kQuincunx = 11;

constexpr double kReceptionHarmony = 5;

bool IsOuter(int p) { return p == Uranus || p == Neptune || p == Pluto; }

// The pair holds x and y, in either chart.
bool Holds(int a, int b, int x, int y) { return (a == x && b == y) || (a == y && b == x); }

// The other point of a pair that holds `p`.
int OtherOf(int a, int b, int p) { return a == p ? b : a; }

bool AnyOf(int p, std::initializer_list<int> set) { return std::ranges::find(set, p) != set.end(); }

void AddToCell(float& cell, double x) { cell = static_cast<float>(double(cell) + x); }

std::string Amount(double v) { return PadSignedNum4(FormatNumber(v, "#0.00")); }

// One pair in hand: the chart-1 point a, the chart-2 point b and their
// running scores.
struct Pair {
  ComparativeScores& s;
  int a;
  int b;
  double power = 0;
  double harmony = 0;

  void AddHarmony(double x) {
    harmony += x;
    s.Harmony[size_t(a)] += x;
    AddToCell(s.CrossHarmonyGrid[size_t(a)][size_t(b)], x);
    s.SecondChartHarmony[size_t(b)] += x;
  }
  void AddDiscord(double x) {
    harmony -= x;
    s.Discord[size_t(a)] += x;
    AddToCell(s.CrossHarmonyGrid[size_t(a)][size_t(b)], -x);
    s.SecondChartDiscord[size_t(b)] += x;
  }
  void AddPower(double x) {
    power += x;
    s.AspectPower[size_t(a)] += x;
    AddToCell(s.CrossPowerGrid[size_t(a)][size_t(b)], x);
    s.SecondChartPower[size_t(b)] += x;
  }
  bool Has(int p) const { return a == p || b == p; }
};

void ScoreConjunction(Pair& x, double w) {
  const int a = x.a, b = x.b;
  if (Holds(a, b, Sun, Moon) || Holds(a, b, Sun, Venus)) {
    x.AddHarmony(w);
  } else if (Holds(a, b, Sun, Jupiter) || Holds(a, b, Venus, Moon)) {
    x.AddHarmony(w / 2);
  } else if (Holds(a, b, Mars, Saturn) || Holds(a, b, Mars, Pluto) || Holds(a, b, Saturn, Pluto) ||
             Holds(a, b, Saturn, Ascendant) || Holds(a, b, Pluto, Ascendant)) {
    x.AddDiscord(w / 2);
  }
}

struct HarmonyPair {
  int x, y;
  double fraction;
};
constexpr HarmonyPair kOppositionHarmony[] = {
    {Sun, Moon, 0.5},       {Sun, Venus, 0.5},     {Sun, Ascendant, 0.5},
    {Moon, Ascendant, 0.5}, {Venus, Moon, 0.5},    {Venus, Jupiter, 1},
    {Venus, Ascendant, 0.5}, {Jupiter, Ascendant, 0.5}, {Mercury, Venus, 0.25},
};

void ScoreOpposition(Pair& x, double w, float mode) {
  if (mode == 0) return;
  if (mode == 1) {
    x.AddDiscord(w);
    return;
  }
  const int a = x.a, b = x.b;
  if (x.Has(Mars) && !AnyOf(OtherOf(a, b, Mars), {Jupiter, Ascendant, Venus})) {
    x.AddDiscord(w);
  } else if (x.Has(Saturn) && !AnyOf(OtherOf(a, b, Saturn), {Jupiter, Ascendant, Mars, Saturn})) {
    x.AddDiscord(w);
  } else if (x.Has(Pluto) && !AnyOf(OtherOf(a, b, Pluto), {Jupiter, Ascendant, Mars, Saturn})) {
    x.AddDiscord(w);
  } else {
    for (const HarmonyPair& h : kOppositionHarmony)
      if (Holds(a, b, h.x, h.y)) x.AddHarmony(w * h.fraction);
  }
}

// The benefic and malefic terms of weight `w`, for the pair's aspect
// `pairCode` or, with `parallel`, for its parallel.
void ScoreBenefics(Pair& x, double w, int pairCode, bool parallel, float mode) {
  const bool selfConjunction = pairCode == kConjunction && x.a == x.b;
  if (x.Has(Jupiter) && !(selfConjunction && x.a == Jupiter)) x.AddHarmony(w / 2);
  if (x.Has(Venus)) {
    const bool outer = IsOuter(OtherOf(x.a, x.b, Venus));
    const bool skipped =
        parallel ? outer
                 : outer && mode != 1 && AnyOf(pairCode, {kConjunction, kOpposition, kQuincunx});
    if (!skipped) x.AddHarmony(w / 4);
  }
  if (x.Has(Saturn) && !(selfConjunction && x.a == Saturn)) x.AddDiscord(w / 2);
  if (x.Has(Mars)) x.AddDiscord(w / 4);
}

std::string AspectLine(int a, int code, int b, double w, double harmony) {
  return "  " + std::string(PackedField(PointNames10, a, PointNameWidth)) +
         std::string(PackedField(AspectNames, code, AspectNameWidth).substr(0, 10)) + "  " +
         std::string(PackedField(PointNames10, b, PointNameWidth)) + Amount(w) + "    " +
         Amount(harmony);
}

// Chart-1 planet p in `signP` and a different chart-2 planet q in `signQ`,
// each in a sign where the other receives.
bool CrossReceptionInSigns(int p, int signP, int q, int signQ) {
  return p != q && InReceptionDomain(q, signP) && InReceptionDomain(p, signQ);
}

int ListLimit(CosmoAngleChoice angles) { return std::clamp(int(angles) + 13, 13, 15); }

}  // namespace

bool IsNoonChart(const ChartInputValues& input) {
  return input.time == 12.0f && input.amPm == "P.M.";
}

bool IsComparativePoint(int point, CosmoAngleChoice angles) {
  return point >= Sun && point <= ListLimit(angles) && IsCosmodynePoint(point, angles);
}

ComparativeScores ScoreComparativeCosmodynes(const ComparativeChart& chart1,
                                             const ComparativeChart& chart2,
                                             const ComparativeSettings& settings) {
  ComparativeScores s;
  s.Limit = ListLimit(settings.Angles);
  const bool angles = settings.Angles != CosmoAngleChoice::None;
  const int limit1 = angles && chart1.atNoon ? 13 : s.Limit;
  const int limit2 = angles && chart2.atNoon ? 13 : s.Limit;
  const ChartArrays& c1 = chart1.arrays;
  const ChartArrays& c2 = chart2.arrays;
  s.Pairs.reserve(size_t(CosmoPointCount * CosmoPointCount));
  // Each point's orbs once, not once per pair.
  std::array<int, CosmoPointCount> points2{};
  std::array<CosmoPointOrbs, CosmoPointCount + 1> orbs2{};
  size_t count2 = 0;
  for (int b = 1; b <= limit2; ++b) {
    if (!IsComparativePoint(b, settings.Angles)) continue;
    points2[count2++] = b;
    orbs2[size_t(b)] = PointOrbsOf(b, CosmoHouseOf(c2.HousePositions, b));
  }

  for (int a = 1; a <= limit1; ++a) {
    if (!IsComparativePoint(a, settings.Angles)) continue;
    const CosmoPointOrbs orbs1 = PointOrbsOf(a, CosmoHouseOf(c1.HousePositions, a));
    for (size_t n = 0; n < count2; ++n) {
      const int b = points2[n];
      if (IsOuter(a) && IsOuter(b)) continue;
      Pair x{s, a, b};
      const CosmoPairOrbs orbs = CombineOrbs(orbs1, orbs2[size_t(b)]);
      double d = std::abs(c1.Longitudes[size_t(a)] - c2.Longitudes[size_t(b)]);
      if (d > 180) d = 360 - d;
      const CosmoAspect aspect = FindCosmoAspect(d, orbs);
      if (aspect.group != 0) {
        const double w = orbs.weight[size_t(aspect.group)] - std::abs(aspect.deviation);
        x.AddPower(w);
        switch (aspect.code) {
          case kSextile:
          case kTrine:
          case kSemiSextile:
            x.AddHarmony(w);
            break;
          case kSquare:
          case kSemiSquare:
          case kSesquisquare:
            x.AddDiscord(w);
            break;
          case kConjunction:
            ScoreConjunction(x, w);
            break;
          case kOpposition:
            ScoreOpposition(x, w, settings.OppositionMode);
            break;
          default:  // the quincunx: power only
            break;
        }
        if (settings.BeneficsMalefics)
          ScoreBenefics(x, w, aspect.code, false, settings.OppositionMode);
        if (settings.ListAspects)
          s.AspectLines.push_back(AspectLine(a, aspect.code, b, w, x.harmony));
      }
      const double dd = std::abs(std::abs(c1.Declinations[size_t(a)]) -
                                 std::abs(c2.Declinations[size_t(b)]));
      if (dd < 1) {
        const double p = orbs.parallel * (1 - dd);
        x.AddPower(p);
        const double before = x.harmony;
        if (settings.BeneficsMalefics)
          ScoreBenefics(x, p, aspect.code, true, settings.OppositionMode);
        if (settings.ListAspects)
          s.AspectLines.push_back(AspectLine(a, kParallelCode, b, p, x.harmony - before));
      }
      if (x.power > 0)
        s.Pairs.push_back({a, b, x.power, x.harmony, aspect.code, aspect.deviation});
    }
    if (settings.ListAspects) s.AspectLines.emplace_back();
  }

  if (settings.IncludeMR) {
    s.Receptions = FindInterchartReceptions(c1.Longitudes, c2.Longitudes);
    for (const auto& [p, q] : s.Receptions) {
      s.Harmony[size_t(p)] += kReceptionHarmony;
      s.SecondChartHarmony[size_t(q)] += kReceptionHarmony;
      AddToCell(s.CrossHarmonyGrid[size_t(p)][size_t(q)], kReceptionHarmony);
    }
  }
  return s;
}

ComparativeTotals TotalsOf(const ComparativeScores& s, CosmoAngleChoice angles) {
  ComparativeTotals t;
  for (int k = 1; k <= s.Limit; ++k) {
    if (!IsComparativePoint(k, angles)) continue;
    const size_t i = size_t(k);
    const double h1 = s.Harmony[i] - s.Discord[i];
    const double h2 = s.SecondChartHarmony[i] - s.SecondChartDiscord[i];
    t.TP1 += s.AspectPower[i];
    t.TH1 += h1;
    t.TP2 += s.SecondChartPower[i];
    t.TH2 += h2;
    t.PH1 += h1 * s.AspectPower[i];
    t.PH2 += h2 * s.SecondChartPower[i];
  }
  return t;
}

bool IsCrossReception(int p, int q, const PointArray<double>& longitudes1,
                      const PointArray<double>& longitudes2) {
  return CrossReceptionInSigns(p, CosmoSignOf(longitudes1[size_t(p)]), q,
                               CosmoSignOf(longitudes2[size_t(q)]));
}

std::vector<std::pair<int, int>> FindInterchartReceptions(const PointArray<double>& longitudes1,
                                                          const PointArray<double>& longitudes2) {
  // Each planet's sign found once, not once per pair.
  std::array<int, Moon + 1> signs1{}, signs2{};
  for (int p = Sun; p <= Moon; ++p) {
    signs1[size_t(p)] = CosmoSignOf(longitudes1[size_t(p)]);
    signs2[size_t(p)] = CosmoSignOf(longitudes2[size_t(p)]);
  }
  std::vector<std::pair<int, int>> found;
  for (int p = Sun; p <= Moon; ++p)
    for (int q = Sun; q <= Moon; ++q)
      if (CrossReceptionInSigns(p, signs1[size_t(p)], q, signs2[size_t(q)]))
        found.emplace_back(p, q);
  return found;
}

}  // namespace orv
