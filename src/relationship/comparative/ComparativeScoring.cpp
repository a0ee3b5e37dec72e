#include "relationship/comparative/ComparativeScoring.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"
#include "cosmodynes/AspectCosmodynes.h"
#include "cosmodynes/SignDignities.h"

namespace orv {

using namespace ChartPoint;

namespace {


constexpr double kReceptionHarmony = 5;

bool IsOuter(int p) { return p == Uranus || p == Neptune || p == Pluto; }

// The pair holds x and y, in either chart.
bool Holds(int a, int b, int x, int y) { return (a == x && b == y) || (a == y && b == x); }

// The other point of a pair that holds `p`.
int OtherOf(int a, int b, int p) { return a == p ? b : a; }

bool AnyOf(int p, std::initializer_list<int> set) { return std::ranges::find(set, p) != set.end(); }

void AddToCell(float& cell, double x) { cell = static_cast<float>(double(cell) + x); }

std::string Amount(double v) { return PadSignedNum4(FormatNumber(v, "#0.00")); }

// Both charts' per-point scores, which every run keeps.
struct PointScores {
  CosmoPointArray& power1;
  CosmoPointArray& harmony1;
  CosmoPointArray& discord1;
  CosmoPointArray& power2;
  CosmoPointArray& harmony2;
  CosmoPointArray& discord2;
};

// One pair in hand: the chart-1 point a, the chart-2 point b and their
// running scores. `full` (null when only the totals are wanted) also takes
// the grids.
struct Pair {
  PointScores one;
  ComparativeScores* full;
  int a;
  int b;
  double power = 0;
  double harmony = 0;

  void AddHarmony(double x) {
    harmony += x;
    one.harmony1[size_t(a)] += x;
    one.harmony2[size_t(b)] += x;
    if (full) AddToCell(full->CrossHarmonyGrid[size_t(a)][size_t(b)], x);
  }
  void AddDiscord(double x) {
    harmony -= x;
    one.discord1[size_t(a)] += x;
    one.discord2[size_t(b)] += x;
    if (full) AddToCell(full->CrossHarmonyGrid[size_t(a)][size_t(b)], -x);
  }
  void AddPower(double x) {
    power += x;
    one.power1[size_t(a)] += x;
    one.power2[size_t(b)] += x;
    if (full) AddToCell(full->CrossPowerGrid[size_t(a)][size_t(b)], x);
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
  const bool selfConjunction = pairCode == Code(AspectCode::Conjunction) && x.a == x.b;
  if (x.Has(Jupiter) && !(selfConjunction && x.a == Jupiter)) x.AddHarmony(w / 2);
  if (x.Has(Venus)) {
    const bool outer = IsOuter(OtherOf(x.a, x.b, Venus));
    const bool skipped =
        parallel ? outer
                 : outer && mode != 1 &&
                       CodeIsOneOf(pairCode, {AspectCode::Conjunction, AspectCode::Opposition,
                                              AspectCode::Quincunx});
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

namespace {

// Scores every pair of the two prepared charts into `one` and, when `full`
// is given, into its grids and pair list too.
void ScorePreparedPairs(const PreparedComparativeChart& c1, const PreparedComparativeChart& c2,
                        const ComparativeSettings& settings, PointScores one,
                        ComparativeScores* full) {
  if (full) full->Pairs.reserve(size_t(CosmoPointCount * CosmoPointCount));
  const bool listAspects = full && settings.ListAspects;
  for (size_t i = 0; i < c1.count; ++i) {
    const int a = c1.points[i];
    const CosmoPointOrbs& orbs1 = c1.orbs[size_t(a)];
    for (size_t n = 0; n < c2.count; ++n) {
      const int b = c2.points[n];
      if (IsOuter(a) && IsOuter(b)) continue;
      Pair x{one, full, a, b};
      const CosmoPointOrbs& orbs2 = c2.orbs[size_t(b)];
      double d = std::abs(c1.longitudes[size_t(a)] - c2.longitudes[size_t(b)]);
      if (d > 180) d = 360 - d;
      // The pair's orbs are the larger of its two points' in each group.
      const CosmoAspect aspect = FindCosmoAspect(d, orbs1, orbs2);
      if (aspect.group != 0) {
        const size_t g = size_t(aspect.group);
        const double w = std::max(orbs1.weight[g], orbs2.weight[g]) - std::abs(aspect.deviation);
        x.AddPower(w);
        switch (AspectCode(aspect.code)) {
          case AspectCode::Sextile:
          case AspectCode::Trine:
          case AspectCode::SemiSextile:
            x.AddHarmony(w);
            break;
          case AspectCode::Square:
          case AspectCode::SemiSquare:
          case AspectCode::Sesquisquare:
            x.AddDiscord(w);
            break;
          case AspectCode::Conjunction:
            ScoreConjunction(x, w);
            break;
          case AspectCode::Opposition:
            ScoreOpposition(x, w, settings.OppositionMode);
            break;
          default:  // the quincunx: power only
            break;
        }
        if (settings.BeneficsMalefics)
          ScoreBenefics(x, w, aspect.code, false, settings.OppositionMode);
        if (listAspects) full->AspectLines.push_back(AspectLine(a, aspect.code, b, w, x.harmony));
      }
      const double dd = std::abs(c1.absDeclinations[size_t(a)] - c2.absDeclinations[size_t(b)]);
      if (dd < 1) {
        const double p = std::max(orbs1.parallel, orbs2.parallel) * (1 - dd);
        x.AddPower(p);
        const double before = x.harmony;
        if (settings.BeneficsMalefics)
          ScoreBenefics(x, p, aspect.code, true, settings.OppositionMode);
        if (listAspects)
          full->AspectLines.push_back(
              AspectLine(a, Code(AspectCode::Parallel), b, p, x.harmony - before));
      }
      if (full && x.power > 0)
        full->Pairs.push_back({a, b, x.power, x.harmony, aspect.code, aspect.deviation});
    }
    if (listAspects) full->AspectLines.emplace_back();
  }
}

}  // namespace

PreparedComparativeChart PrepareComparativeChart(const ComparativeChart& chart,
                                                 const ComparativeSettings& settings) {
  PreparedComparativeChart p;
  const ChartArrays& c = chart.arrays;
  const bool angles = settings.Angles != CosmoAngleChoice::None;
  const int limit = angles && chart.atNoon ? 13 : ListLimit(settings.Angles);
  for (int k = 1; k <= limit; ++k) {
    if (!IsComparativePoint(k, settings.Angles)) continue;
    p.points[p.count++] = k;
    p.orbs[size_t(k)] = PointOrbsOf(k, CosmoHouseOf(c.HousePositions, k));
  }
  p.longitudes = c.Longitudes;
  for (int k = 1; k <= CosmoPointCount; ++k)
    p.absDeclinations[size_t(k)] = std::abs(c.Declinations[size_t(k)]);
  for (int k = Sun; k <= Moon; ++k) {
    const int sign = CosmoSignOf(c.Longitudes[size_t(k)]);
    for (int q = Sun; q <= Moon; ++q)
      if (InReceptionDomain(q, sign)) p.receivers[size_t(k)] |= 1u << q;
  }
  return p;
}

ComparativeScores ScoreComparativeCosmodynes(const ComparativeChart& chart1,
                                             const ComparativeChart& chart2,
                                             const ComparativeSettings& settings) {
  ComparativeScores s;
  s.Limit = ListLimit(settings.Angles);
  ScorePreparedPairs(PrepareComparativeChart(chart1, settings),
                     PrepareComparativeChart(chart2, settings), settings,
                     {s.AspectPower, s.Harmony, s.Discord, s.SecondChartPower,
                      s.SecondChartHarmony, s.SecondChartDiscord},
                     &s);
  if (settings.IncludeMR) {
    s.Receptions = FindInterchartReceptions(chart1.arrays.Longitudes, chart2.arrays.Longitudes);
    for (const auto& [p, q] : s.Receptions) {
      s.Harmony[size_t(p)] += kReceptionHarmony;
      s.SecondChartHarmony[size_t(q)] += kReceptionHarmony;
      AddToCell(s.CrossHarmonyGrid[size_t(p)][size_t(q)], kReceptionHarmony);
    }
  }
  return s;
}

ComparativeTotals ScoreComparativeTotals(const PreparedComparativeChart& chart1,
                                         const PreparedComparativeChart& chart2,
                                         const ComparativeSettings& settings) {
  CosmoPointArray power1{}, harmony1{}, discord1{}, power2{}, harmony2{}, discord2{};
  ScorePreparedPairs(chart1, chart2, settings,
                     {power1, harmony1, discord1, power2, harmony2, discord2}, nullptr);
  if (settings.IncludeMR)
    for (int p = Sun; p <= Moon; ++p)
      for (int q = Sun; q <= Moon; ++q)
        if (p != q && (chart1.receivers[size_t(p)] >> q & 1u) &&
            (chart2.receivers[size_t(q)] >> p & 1u)) {
          harmony1[size_t(p)] += kReceptionHarmony;
          harmony2[size_t(q)] += kReceptionHarmony;
        }
  // As `TotalsOf` adds them, point by point in table order.
  ComparativeTotals t;
  for (int k = 1; k <= ListLimit(settings.Angles); ++k) {
    if (!IsComparativePoint(k, settings.Angles)) continue;
    const size_t i = size_t(k);
    t.TP1 += power1[i];
    t.TH1 += harmony1[i] - discord1[i];
    t.TP2 += power2[i];
    t.TH2 += harmony2[i] - discord2[i];
  }
  return t;
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
