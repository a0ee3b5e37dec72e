// The essential dignity scores, and the organizational fit analysis: its
// aspect test, its listing (a golden page from fixed cosmodynes values), its
// printed page on a recording surface and the Data command around them.

#include <gtest/gtest.h>

#include "../listings/CommandFixture.h"
#include "RecordingCanvas.h"
#include "commands/OrgFitCommands.h"
#include "cosmodynes/OrgFit.h"
#include "cosmodynes/SignDignities.h"

namespace orv {
namespace {

using namespace ChartPoint;

// The orbs of the shipped NATAL.ORB, conjunction .. opposition.
constexpr OrbTable kNatalOrbs{0, 10, 6, 8, 8, 10};

TEST(EssentialDignities, ScoreTableAndWorkedCases) {
  // Planet by sign, Aries .. Pisces.
  constexpr int kGrid[11][12] = {
      {},
      {4, 0, -1, 0, 5, 0, -4, 0, 1, 0, -5, 0},
      {0, -1, 5, 0, -4, 5, 0, 1, -5, 0, 4, -5},
      {-5, 5, 0, 0, -1, -4, 5, -5, 0, 0, 1, 4},
      {5, -5, 0, -4, 1, 0, -5, 5, 0, 4, -1, 0},
      {0, 1, -5, 4, 0, -5, 0, -1, 5, -4, 0, 5},
      {-4, 0, 0, -5, -5, 1, 4, 0, 0, 5, 5, -1},
      {-1, 0, 4, 0, -5, 0, 1, 0, -4, 0, 5, 0},
      {0, 0, -4, 1, 0, -5, 0, 0, 4, -1, 0, 5},
      {1, -5, 0, 0, 4, 0, -1, 5, 0, 0, -4, 0},
      {0, 4, 0, 5, 0, -1, 0, -4, 0, -5, 0, 1},
  };
  struct Case {
    int planet;
    double lonDeg;
    int score;
  };
  std::vector<Case> cases = {
      {Sun, 125, 5},  {Sun, 0, 4},       {Sun, 200, -4},        {Moon, 30, 4}, {Venus, 30, 5},
      {Mars, 30, -5}, {Moon, 359.99, 1}, {Mercury, 359.99, -5}, {Sun, 45, 0},
  };
  for (int p = Sun; p <= Moon; ++p)
    for (int s = 1; s <= 12; ++s) cases.push_back({p, 30.0 * s - 0.5, kGrid[p][s - 1]});

  for (const Case& c : cases) {
    Cosmodynes cosmo;
    cosmo.DignityScore.fill(9);  // nothing of an earlier run survives
    PointArray<double> lon{};
    lon.fill(c.lonDeg);
    for (int run = 0; run < 2; ++run) CalcEssentialDignities(cosmo, lon);
    EXPECT_EQ(cosmo.DignityScore[size_t(c.planet)], c.score) << c.planet << " at " << c.lonDeg;
    for (int k = NorthNode; k <= MC; ++k) EXPECT_EQ(cosmo.DignityScore[size_t(k)], 0) << k;
  }
}

TEST(OrgFitAspects, BandLimitsAreInclusiveAndTheConjunctionWinsOverlaps) {
  const OrbTable& shipped = kNatalOrbs;
  OrbTable wide = shipped;
  wide[1] = 70;
  struct Row {
    double separationDeg;
    const OrbTable* orbs;
    int code;  // 0 none, 2 conjunction .. 6 opposition
  };
  const Row rows[] = {
      {66, &shipped, 3},      {66.001, &shipped, 0}, {54, &shipped, 3},  {53.999, &shipped, 0},
      {98, &shipped, 4},      {128, &shipped, 5},    {112, &shipped, 5}, {170, &shipped, 6},
      {169.999, &shipped, 0}, {190, &shipped, 6},    {10, &shipped, 2},  {350, &shipped, 2},
      {10.001, &shipped, 0},  {60, &wide, 2},        {120, &wide, 5},
  };
  for (const Row& r : rows) {
    PointArray<double> lon{};
    lon[Sun] = 0.5;
    lon[Moon] = 0.5 + r.separationDeg;
    EXPECT_EQ(OfaAspectCode(lon, Sun, Moon, *r.orbs), r.code) << r.separationDeg;
    EXPECT_EQ(OfaAspectCode(lon, Moon, Sun, *r.orbs), r.code) << r.separationDeg;
  }
}

// Power and net harmony by planet: Sun and Mercury tie on power, Sun and the
// Moon on harmony; Mercury's harmony is negative; Jupiter's power prints
// with three characters and Venus's with five.
CosmoSummaryTable FixedSummary() {
  CosmoSummaryTable s{};
  const double values[][2] = {{0, 0},       {25.4, 6.2}, {25.4, -3.5}, {112.3, 0.8},
                              {31.7, 2.5},  {5.0, 12.0}, {14.1, -0.4}, {20.3, 1.5},
                              {9.8, -2.25}, {3.3, 1.1},  {18.9, 6.2}};
  for (int p = Sun; p <= Moon; ++p) {
    s[size_t(p)][1] = values[p][0];
    s[size_t(p)][2] = values[p][1];
  }
  return s;
}

TEST(OrgFitListing, GoldenPageWithRanksAndColumns) {
  const ChartModel charts = test::FixedCharts();
  const OrgFitAnalysis ofa = CalcOrgFit(charts.Natal, FixedSummary(), kNatalOrbs);
  test::PageFixture f;
  ListNatalOFA(f.page, charts, ofa);
  test::ExpectGolden(PageFileText(f.out), "org_fit_analysis.txt");

  const auto& lines = f.lines();
  ASSERT_EQ(lines.size(), 41u);
  const auto at = [](const std::string& line, size_t position) { return line.at(position - 1); };
  // The bar row and every row of the grid keep the bars at 4, 19, .. 109.
  for (size_t row = 21; row <= 34; ++row) {
    for (int d = 0; d <= 7; ++d) EXPECT_EQ(at(lines[row], size_t(15 * d + 4)), '|') << row;
  }
  // Ranks over the value cells: power over its first character, harmony over
  // the last digit of its right-aligned text; ties share a rank.
  const std::string& ranks = lines[19];
  const std::string& values = lines[34];
  const char powerRanks[] = "3371562", productRanks[] = "1753264", harmonyRanks[] = "2715264";
  for (size_t k = 0; k < 7; ++k) {
    EXPECT_EQ(at(ranks, 15 * k + 6), powerRanks[k]) << k;
    EXPECT_EQ(at(ranks, 15 * k + 12), productRanks[k]) << k;
    EXPECT_EQ(at(ranks, 15 * k + 17), harmonyRanks[k]) << k;
    EXPECT_NE(at(values, 15 * k + 6), ' ') << k;
    EXPECT_NE(at(values, 15 * k + 17), ' ') << k;
    EXPECT_EQ(at(values, 15 * k + 18), ' ') << k;
  }
}

TEST(OrgFitPage, DrawsRulesLabelsAndValuesWhereThePageSays) {
  const ChartModel charts = test::FixedCharts();
  RecordingCanvas canvas(850, 1150, 100);
  DrawNatalOFA(canvas, charts, CalcOrgFit(charts.Natal, FixedSummary(), kNatalOrbs));

  const double x2 = 1 + 6.5 / 7, x4 = 1 + 19.5 / 7;
  const double rules[][4] = {{1, 3, 7.5, 3},       {1, 3.5, 7.5, 3.5}, {1, 4.75, 7.5, 4.75},
                             {1, 6.75, 7.5, 6.75}, {1, 3, 1, 6.75},    {x4, 3, x4, 6.75},
                             {7.5, 3, 7.5, 6.75},  {x2, 3.5, x2, 6.75}};
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 12u);
  for (size_t i = 0; i < std::size(rules); ++i) {
    const auto& [x1, y1, xe, ye] = rules[i];
    EXPECT_EQ(lines[i].a, (UserPoint{x1, y1})) << i;
    EXPECT_EQ(lines[i].b, (UserPoint{xe, ye})) << i;
  }

  // The fake measures: a character half an em wide, a line 1.25 em high.
  const double line9 = 1.25 * 9 / 72, line8 = 1.25 * 8 / 72;
  struct Text {
    std::string text;
    double x, y, points;
    bool bold;
  };
  const Text expected[] = {
      {"Organizational Fit Analysis", 2.75, 1, 16, true},  // 3 units wide, centred
      {"12 May 1959        TZ = 6.0        10.43 A.M.        39.45 North      75.23 West", 1,
       2 + 1.25 * 12 / 72, 10, false},  // the line below the name
      {"tions", 2.25, 3.875 + line9, 9, true},
      {"Sales", 6.9, 3.625 + 3 * line9, 9, true},
      {"Mars", 6.89, 4.375, 9, true},
      {"Notes:", 1, 7.25, 12, true},
      {"10th house", 1.0675, 4.8125 + line8, 8, false},
      {"  25.40", 1, 6.572, 8, false},
      {" 157.48", 1.3, 6.8, 8, false},
      {"  -3.50", x2 + 0.55, 6.572, 8, false},
      {" 7", x2 + 0.77, 4.6, 8, false},
      {"trine     SAT", x2 + 0.0675, 5.25, 8, false},
      {"trine     PLU", x2 + 0.0675, 5.25 + line8, 8, false},
      {"(Neptune =  9.8  :  -2.3     -22.05)", 1.45, 3.33, 8, false},
  };
  const auto texts = canvas.Texts();
  for (const Text& e : expected) {
    const auto found = std::find_if(texts.begin(), texts.end(), [&](const CanvasRecord& r) {
      return r.text == e.text && std::abs(r.a.x - e.x) < 1e-9;
    });
    ASSERT_NE(found, texts.end()) << e.text;
    EXPECT_NEAR(found->a.y, e.y, 1e-9) << e.text;
    EXPECT_EQ(found->font, (CanvasFont{"Times New Roman", e.points, e.bold})) << e.text;
  }
}

TEST(OrgFitCommand, NatalOrbFileCases) {
  // Twenty lines: orbs 2, 3, 4, 5, 1 for conjunction .. opposition, so the
  // Sun keeps its sextile to Mars (57.3 degrees) but not its opposition to
  // Jupiter (173.3). Empty: no orb, no aspect.
  std::string twenty;
  for (int k = 1; k <= 20; ++k) twenty += std::to_string(k % 5 + 1) + "   orb\r\n";
  const std::tuple<std::optional<std::string>, const char*, const char*> rows[] = {
      {twenty, "| sextile  MAR |", "opposite JUP"},
      {std::string(), "| TAU ", "sextile"},
      {std::nullopt, "", ""},  // no NATAL.ORB
  };
  for (const auto& [orbFile, present, absent] : rows) {
    test::CommandFixture f;
    std::filesystem::remove(f.dir.path() / "NATAL.ORB");
    if (orbFile) {
      ASSERT_EQ(WriteFileAtomically(f.dir.path() / "NATAL.ORB", *orbFile), "");
    }
    ShowNatalOFA(f.wb, f.host, f.view);
    EXPECT_EQ(f.host.busyDepth, 0);
    if (!orbFile) {
      EXPECT_TRUE(f.view.shown.empty());
      EXPECT_TRUE(f.wb.Output.PageBuffer().empty());
      ASSERT_EQ(f.host.messages.size(), 1u);
      EXPECT_EQ(f.host.messages[0].text,
                "Cannot find the file called " + (f.dir.path() / "NATAL.ORB").string() + ".");
      EXPECT_EQ(f.host.messages[0].title, "Warning!");
      continue;
    }
    ASSERT_EQ(f.view.shown.size(), 1u);
    if (orbFile->empty()) {
      ASSERT_EQ(f.host.messages.size(), 1u);
      EXPECT_EQ(f.host.messages[0].text, "The orb file called " +
                                             (f.dir.path() / "NATAL.ORB").string() +
                                             " holds none of the 17 orbs: it is empty. Please "
                                             "correct the file.");
    } else {
      EXPECT_TRUE(f.host.messages.empty());
    }
    EXPECT_NE(f.view.shown[0].find(present), std::string::npos) << present;
    EXPECT_EQ(f.view.shown[0].find(absent), std::string::npos) << absent;
  }
}

}  // namespace
}  // namespace orv
