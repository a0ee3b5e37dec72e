// The Magi Society rules and analyses: aspect and parallel boundaries, hit
// texts, labels, the couple page's scores and totals, the natal pairs, and
// the shipped score tables read through the program's own loader, which
// must follow the labels the couple analysis writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "../listings/ListingTestSupport.h"
#include "commands/MagiCommands.h"
#include "commands/Workbench.h"
#include "core/ephemeris/DataTables.h"
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
    const char* orbText;  // the end of the hit text
  };
  const Case cases[] = {{0, 93, 4, "   3d 00m"},  {0, 93.01, 1, ""}, {0, 177, 6, "   3d 00m"},
                        {0, 176.99, 1, ""},      {0, 122.9999, 5, "   2d 59m"},
                        {359, 1, 2, "   2d 00m"}, {350, 10, 1, ""}, {10, 160, 11, "   0d 00m"}};
  for (const Case& c : cases) {
    const MagiAspect m = FindMagiAspect(c.a, c.b);
    EXPECT_EQ(m.code, c.code) << c.b;
    EXPECT_TRUE(m.code == 1 || MagiAspectText(Sun, MagiAspectColumn(m.code), Moon, m.deviation)
                                   .ends_with(c.orbText))
        << c.b;
  }
  using K = MagiParallelKind;
  const std::tuple<double, double, K> decs[] = {{10.5, -11.5, K::ContraParallel},
                                                {0, -0.5, K::ContraParallel},
                                                {0, 0, K::Parallel},
                                                {1.2, 0, K::Parallel},
                                                {1.3, 0, K::None}};
  for (const auto& [a, b, kind] : decs) EXPECT_EQ(FindMagiParallel(a, b).kind, kind) << a << b;
}

TEST(MagiRules, HitLinesAndLabels) {
  EXPECT_EQ(MagiScoreColumns(12.5, -3, 150) + MagiAspectText(Venus, MagiAspectColumn(5), Jupiter, 1.5) +
                MagiLongitudeLabels(Venus, Jupiter, 5, MagiVariant::Couple),
            "    12.5    -3.0   150.0   VENUS     trine       JUPITER      1d 30m   Silver linkage "
            "AND fidelity AND SUPER");
  const MagiAspect trine = FindMagiAspect(10, 130.5);
  EXPECT_EQ("  " + MagiAspectText(Sun, MagiAspectColumn(trine.code), Jupiter, trine.deviation) +
                MagiLongitudeLabels(Sun, Jupiter, trine.code, MagiVariant::Natal),
            "  SUN       trine       JUPITER      0d 30m   Fidelity AND SUPER");
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
      {Venus, Mars, 4, C, "   SEXUAL CLASH"}, {Saturn, Saturn, 4, C, "   SATURN CLASH"},
      {Jupiter, Saturn, 11, N, "   SATURN CLASH   NUCLEAR CLASH"},
      {Sun, Jupiter, 5, N, "   Fidelity AND SUPER"}, {Jupiter, Sun, 2, C, "   Fidelity AND SUPER"},
      {Sun, Jupiter, 11, N, "   Fidelity"}, {Sun, Jupiter, 0, C, "   Fidelity AND SUPER"},
      {Sun, Uranus, 11, C, ""}, {Sun, Uranus, 2, C, "   SUPER"},
      {Venus, Jupiter, 0, C, "   Silver linkage AND fidelity AND SUPER"},
      {Sun, Saturn, 0, N, "   SATURN CLASH"}, {Sun, Mars, 2, C, ""},
      {Sun, Mars, 0, C, ""}, {Sun, Mars, 4, C, "   BELLIGERENT CLASH"},
      {Sun, Mars, 4, N, ""}, {Saturn, Moon, 6, N, "   SATURN CLASH"},
      {Jupiter, Saturn, 5, N, ""}, {Mars, Chiron, 2, N, ""},
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
  ListMagiCouple(f.page, m, "Ann", "Bob", tables);
  std::string page;
  for (const std::string& line : f.lines()) page += line + "\r\n";
  test::ExpectGolden(page, "magi_couple.txt", std::filesystem::path(__FILE__).parent_path() / "golden");
  test::PageFixture again;  // the same page a second time: nothing was left changed
  ListMagiCouple(again.page, m, "Ann", "Bob", tables);
  EXPECT_EQ(again.lines(), f.lines());
  // No hit at all: every sum "   0.0".
  test::PageFixture quiet;
  ListMagiCouple(quiet.page, QuietCouple(), "Ann", "Bob", tables);
  EXPECT_EQ(quiet.lines()[4], "");
  EXPECT_EQ(quiet.lines()[9], "     0.0     0.0     0.0");
}

TEST(MagiNatal, PairsAndLines) {
  // Every body at 0 / 0: each pair conjunct and parallel.
  const struct {
    double chironLon, chironDec;
    size_t longitudeLines, parallelLines;
  } cases[] = {{0, 0, 45, 45}, {0, 5, 55, 45}};
  for (const auto& c : cases) {
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
  // Before any calculation the commands list nothing.
  Workbench wb;
  test::RecordingHost host;
  test::RecordingView view;
  ShowMagiNatal(wb, "", host, view);
  ShowMagiCouple(wb, {}, "", host, view);
  EXPECT_TRUE(view.shown.empty());
}

constexpr int kSlots[] = {2, 4, 5, 6, 7, 9, 11};

TEST(MagiScoreTables, FollowTheLabels) {
  const DataTablesRead read = ReadDataTables(ORVANTA_DATA_DIR);
  ASSERT_TRUE(read.issues.empty());
  const ScoreTable* tables[] = {&read.tables.RomanceScores, &read.tables.SexScores,
                                &read.tables.CompatibilityScores};
  for (const int slot : kSlots) {
    for (int a = 1; a <= MagiBodyCount; ++a) {
      for (int b = 1; b <= MagiBodyCount; ++b) {
        const bool parallel = slot == MagiParallelSlot || slot == MagiContraParallelSlot;
        const std::string labels = parallel ? MagiParallelLabels(a, b, MagiVariant::Couple)
                                            : MagiLongitudeLabels(a, b, slot, MagiVariant::Couple);
        const bool clash = labels.find("CLASH") != std::string::npos;
        bool any = false;
        for (const ScoreTable* t : tables) {
          const float v = MagiScore(*t, slot, a, b);
          EXPECT_EQ(v, MagiScore(*t, slot, b, a)) << slot << " " << a << " " << b;
          EXPECT_TRUE(clash ? v <= 0 : v >= 0) << slot << " " << a << " " << b << labels;
          any = any || v != 0;
        }
        EXPECT_EQ(any, !labels.empty()) << slot << " " << a << " " << b << labels;
      }
    }
  }
  // The unused indices stay 0.
  for (const ScoreTable* t : tables)
    for (const int unused : {11, 12, 14, 15})
      for (int b = 1; b <= 15; ++b) EXPECT_EQ((*t)(2, unused, b), 0);

  const DataTables& d = read.tables;
  struct Case {
    const char* what;
    int slot, a, b;
    float rom, sex, cmpt;
  };
  const Case cases[] = {
      {"Venus-Chiron conjunction", 2, Venus, Chiron, 150, 0, 110},
      {"Venus-Chiron quincunx", 11, Venus, Chiron, 45, 0, 25},
      {"Sun-Venus trine: ordinary, not crucial", 5, Sun, Venus, 50, 0, 0},
      {"Venus-Mars square: named clash, crucial", 4, Venus, Mars, -50, -110, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MagiScore(d.RomanceScores, c.slot, c.a, c.b), c.rom) << c.what;
    EXPECT_EQ(MagiScore(d.SexScores, c.slot, c.a, c.b), c.sex) << c.what;
    EXPECT_EQ(MagiScore(d.CompatibilityScores, c.slot, c.a, c.b), c.cmpt) << c.what;
  }
}

}  // namespace
}  // namespace orv
