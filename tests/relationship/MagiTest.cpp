// The Magi Society rules and analyses: aspect and parallel boundaries, hit
// texts, labels, the couple page's scores and totals, and the natal pairs.

#include <gtest/gtest.h>

#include <algorithm>

#include "../listings/ListingTestSupport.h"
#include "relationship/magi/MagiAnalyses.h"
#include "relationship/magi/MagiRules.h"

namespace orv {
namespace {

constexpr int Sun = 1, Mercury = 2, Venus = 3, Mars = 4, Jupiter = 5, Saturn = 6, Uranus = 7,
              Pluto = 9, Moon = 10, Chiron = 11;

TEST(MagiRules, AspectAndParallelBoundaries) {
  struct Case {
    double a, b;
    int code;
    std::string orbText;  // the end of the hit text
  };
  const Case cases[] = {
      {0, 93, 4, "   3d 00m"},      {0, 93.01, 1, ""},       {0, 177, 6, "   3d 00m"},
      {0, 176.99, 1, ""},            {0, 122.9999, 5, "   2d 59m"}, {359, 1, 2, "   2d 00m"},
      {350, 10, 1, ""},              {10, 130.5, 5, "   0d 30m"}, {10, 160, 11, "   0d 00m"},
  };
  for (const Case& c : cases) {
    const MagiAspect m = FindMagiAspect(c.a, c.b);
    EXPECT_EQ(m.code, c.code) << c.a << " " << c.b;
    if (m.code != 1) {
      EXPECT_TRUE(MagiAspectText(Sun, MagiAspectColumn(m.code), Moon, m.deviation).ends_with(c.orbText))
          << c.b;
    }
  }
  struct Dec {
    double a, b;
    MagiParallelKind kind;
  };
  const Dec decs[] = {
      {10.5, -11.5, MagiParallelKind::ContraParallel}, {0, -0.5, MagiParallelKind::ContraParallel},
      {0, 0, MagiParallelKind::Parallel},              {1.2, 0, MagiParallelKind::Parallel},
      {1.3, 0, MagiParallelKind::None},
  };
  for (const Dec& d : decs) EXPECT_EQ(FindMagiParallel(d.a, d.b).kind, d.kind) << d.a << " " << d.b;
}

TEST(MagiRules, HitLinesAndLabels) {
  EXPECT_EQ(MagiScoreColumns(12.5, -3, 150) + MagiAspectText(Venus, MagiAspectColumn(5), Jupiter, 1.5) +
                MagiLongitudeLabels(Venus, Jupiter, 5, MagiVariant::Couple),
            "    12.5    -3.0   150.0   VENUS     trine       JUPITER      1d 30m   Silver linkage "
            "AND fidelity AND SUPER");
  const MagiParallel contra = FindMagiParallel(10.5, -11.25);
  EXPECT_EQ(MagiAspectText(Venus, MagiParallelColumn(contra.kind), Jupiter, contra.difference),
            "VENUS     c.parallel  JUPITER      0d 45m");
  struct Case {
    int a, b, code;  // code 0: a parallel
    MagiVariant variant;
    std::string labels;
  };
  const auto C = MagiVariant::Couple, N = MagiVariant::Natal;
  const Case cases[] = {
      {Jupiter, Saturn, 4, C, "   SATURN CLASH   NUCLEAR CLASH"},
      {Venus, Mars, 4, C, "   SEXUAL CLASH"},
      {Saturn, Saturn, 4, C, "   SATURN CLASH"},
      {Jupiter, Saturn, 11, N, "   SATURN CLASH   NUCLEAR CLASH"},
      {Sun, Jupiter, 5, N, "   Fidelity AND SUPER"},
      {Jupiter, Sun, 2, C, "   Fidelity AND SUPER"},
      {Sun, Jupiter, 11, N, "   Fidelity"},
      {Sun, Jupiter, 0, C, "   Fidelity AND SUPER"},
      {Sun, Uranus, 11, C, ""},
      {Sun, Uranus, 2, C, "   SUPER"},
      {Venus, Jupiter, 0, C, "   Silver linkage AND fidelity AND SUPER"},
      {Sun, Saturn, 0, N, "   SATURN CLASH"},
      {Sun, Mars, 2, C, ""},
      {Sun, Mars, 0, C, ""},
      {Sun, Mars, 4, C, "   BELLIGERENT CLASH"},
      {Sun, Mars, 4, N, ""},
      {Saturn, Moon, 6, N, "   SATURN CLASH"},
      {Jupiter, Saturn, 5, N, ""},
      {Mars, Chiron, 2, N, ""},
      {Mars, Chiron, 2, C, "   Sexual linkage AND marriage linkage"},
      {Venus, Pluto, 5, N, "   sexual AND Golden linkage AND SUPER"},
      {Venus, Pluto, 0, N, "   sexual AND Golden linkage AND SUPER"},
      {Chiron, Saturn, 6, C, "   SATURN CLASH   HEARTBREAK CLASH"},
  };
  for (const Case& c : cases) {
    const std::string labels = c.code == 0 ? MagiParallelLabels(c.a, c.b, c.variant)
                                           : MagiLongitudeLabels(c.a, c.b, c.code, c.variant);
    EXPECT_EQ(labels, c.labels) << c.a << " " << c.b << " " << c.code;
  }
}

// Chart 1's bodies at 0, chart 2's at 40, declinations 0 and 20 (no hit),
// Chiron of both at 0 / 0 (left out).
ChartModel QuietCouple() {
  ChartModel m;
  m.PersonName = "Ann";
  m.Natal.Declinations.fill(0);
  m.Diurnal.Longitudes.fill(40);
  m.Diurnal.Declinations.fill(20);
  m.Diurnal.Longitudes[ChartPoint::Chiron] = m.Diurnal.Declinations[ChartPoint::Chiron] = 0;
  m.Computed = true;
  return m;
}

TEST(MagiCouple, ScoresTotalsAndCrucialSums) {
  ChartModel m = QuietCouple();
  m.Natal.Longitudes[Venus] = 80;     // trine chart 2's Jupiter, 1d 30m
  m.Diurnal.Longitudes[Jupiter] = 201.5;
  m.Natal.Declinations[Mars] = 30.5;  // parallel chart 2's Moon
  m.Diurnal.Declinations[Moon] = 30;
  DataTables tables;
  tables.RomanceScores(5, Venus, Jupiter) = 100;  // exactly the limit: not crucial
  tables.SexScores(5, Venus, Jupiter) = -150;     // no sum of negative sex scores
  tables.CompatibilityScores(5, Venus, Jupiter) = 150;
  tables.RomanceScores(MagiParallelSlot, Mars, Moon) = -101;
  test::PageFixture f;
  const ChartModel before = m;
  const MagiCoupleTotals t = ListMagiCouple(f.page, m, "Ann", "Bob", tables);
  EXPECT_EQ(t.RomanceTotal, -1);
  EXPECT_EQ(t.SexTotal, -150);
  EXPECT_EQ(t.CrucialRomanceLinkages, 0);
  EXPECT_EQ(t.CrucialRomanceClashes, -101);
  EXPECT_EQ(t.CrucialSexLinkages, 0);
  EXPECT_EQ(t.CrucialCompatibilityLinkages, 150);
  const std::vector<std::string> expected = {
      "",
      "  Magi Society Aspects for Ann and Bob",
      "",
      "  Romance   Sex   Compatibility",
      "   100.0  -150.0   150.0   VENUS     trine       JUPITER      1d 30m   Silver linkage AND "
      "fidelity AND SUPER",
      "",
      "  Romance   Sex   Compatibility",
      "  -101.0     0.0     0.0   MARS      parallel    MOON         0d 30m",
      "",
      "  TOTALS",
      "  Romance   Sex   Compatibility",
      "    -1.0  -150.0   150.0",
      "",
      "  Crucial Romance Linkages",
      "     0.0",
      "  Crucial Romance Clashes",
      "  -101.0",
      "  Crucial Sex Linkages",
      "     0.0",
      "  Crucial Compatibility Linkages",
      "   150.0",
      "  Crucial Compatibility Clashes",
      "     0.0",
  };
  EXPECT_EQ(f.lines(), expected);
  // Nothing of either chart changed: a second run gives the same page.
  EXPECT_EQ(m.Natal.Longitudes, before.Natal.Longitudes);
  EXPECT_EQ(m.Diurnal.Declinations, before.Diurnal.Declinations);
  test::PageFixture g;
  ListMagiCouple(g.page, m, "Ann", "Bob", tables);
  EXPECT_EQ(g.lines(), f.lines());
  // No hit at all: every sum "   0.0".
  test::PageFixture quiet;
  ListMagiCouple(quiet.page, QuietCouple(), "Ann", "Bob", tables);
  EXPECT_EQ(quiet.lines()[4], "");
  EXPECT_EQ(quiet.lines()[9], "     0.0     0.0     0.0");
}

TEST(MagiNatal, PairsAndLines) {
  struct Case {
    double chironLon, chironDec;
    size_t longitudeLines, parallelLines;
  };
  // Every body at 0 / 0: each pair conjunct and parallel.
  const Case cases[] = {{0, 0, 45, 45}, {0, 5, 55, 45}};
  for (const Case& c : cases) {
    ChartArrays chart;
    chart.Longitudes.fill(0);
    chart.Declinations.fill(0);
    chart.Longitudes[ChartPoint::Chiron] = c.chironLon;
    chart.Declinations[ChartPoint::Chiron] = c.chironDec;
    test::PageFixture f;
    ListMagiNatal(f.page, chart, "");
    ASSERT_EQ(f.lines().size(), 3 + c.longitudeLines + 1 + c.parallelLines);
    EXPECT_EQ(f.lines()[1], "  Magi Society Aspects for ");
    EXPECT_EQ(f.lines()[3], "  SUN       conjunct    MERCURY      0d 00m");
  }
  // The Sun at 10 and Jupiter at 130.5; the others clear of every aspect
  // (and the declinations 2 degrees apart): one line.
  ChartArrays chart;
  chart.Longitudes = {0, 10, 0, 4, 15, 130.5, 19, 23, 27, 31, 35, 0, 0, 0, 0, 0, 45};
  for (int k = 1; k <= 16; ++k) chart.Declinations[size_t(k)] = 2.0 * k;
  test::PageFixture f;
  ListMagiNatal(f.page, chart, "Ann");
  EXPECT_EQ(f.lines(), (std::vector<std::string>{
                           "", "  Magi Society Aspects for Ann", "",
                           "  SUN       trine       JUPITER      0d 30m   Fidelity AND SUPER", ""}));
}

}  // namespace
}  // namespace orv
