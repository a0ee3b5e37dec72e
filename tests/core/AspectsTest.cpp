#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <utility>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/Aspects.h"

namespace orv {
namespace {

// Deviations are differences of values given to a few decimals.
constexpr double kDeviationTol = 1e-9;

// Orb elements (`AspectKind`), written out so the tests do not lean on the
// table under test. The `AspectCode` is the kind + 1.
enum Kind {
  kConjunction = 1,
  kSextile = 2,
  kSquare = 3,
  kTrine = 4,
  kOpposition = 5,
  kParallel = 6,
  kSemiSextile = 7,
  kSemiSquare = 8,
  kSesquisquare = 9,
  kQuincunx = 10,
  kSemiQuintile = 11,
  kNonagen = 12,
  kQuintile = 13,
  kTrecile = 14,
  kBiQuintile = 15,
  kSeptile = 16,
  kQuindecile = 17,
};
constexpr int CodeOf(Kind k) { return int(k) + 1; }

OrbTable Orbs(std::initializer_list<std::pair<Kind, float>> set) {
  OrbTable orbs{};
  for (auto [kind, orb] : set) orbs[size_t(kind)] = orb;
  return orbs;
}

// Runs the listing protocol for point A at lonA against point B at lonB.
AspectMatch List(double lonA, double lonB, const OrbTable& orbs, std::vector<std::string>& lines,
                 int pointA = 1, int pointB = 1) {
  const double d = lonA - lonB;
  return ListAspects({pointA, pointB, d < 0 ? -d : d, d}, orbs, lines);
}

TEST(Aspects, FoldTheSeparationAndLetTheLastMatchingBandWin) {
  struct Case {
    const char* what;
    double separation;
    OrbTable orbs;
    int code;
    double folded;
    double deviation;
  };
  const Case cases[] = {
      {"200 folds to 160, the quincunx band's upper edge", 200,
       Orbs({{kQuincunx, 10}, {kQuindecile, 4}}), CodeOf(kQuincunx), 160, 10},
      {"180 with an opposition orb of 0", 180, Orbs({{kOpposition, 0}}), CodeOf(kOpposition), 180,
       0},
      {"50 on the edges of sextile and semi-square: the later semi-square", 50,
       Orbs({{kSemiSquare, 5}, {kSextile, 10}}), CodeOf(kSemiSquare), 50, 5},
      {"2 inside conjunction and semi-sextile: the later conjunction", 2,
       Orbs({{kConjunction, 3}, {kSemiSextile, 30}}), CodeOf(kConjunction), 2, 2},
      {"175 with an opposition orb of 5", 175, Orbs({{kOpposition, 5}}), CodeOf(kOpposition), 175,
       -5},
      {"300 folds to 60", 300, Orbs({{kSextile, 1}}), CodeOf(kSextile), 60, 0},
      {"no band: the folded separation", 260, Orbs({{kSquare, 5}, {kTrine, 5}}), NoAspectCode, 100,
       100},
  };
  for (const Case& c : cases) {
    const AspectMatch m = FindAspectOfSeparation(c.separation, c.orbs);
    EXPECT_EQ(m.code, c.code) << c.what;
    EXPECT_NEAR(m.foldedSeparation, c.folded, kDeviationTol) << c.what;
    EXPECT_NEAR(m.deviation, c.deviation, kDeviationTol) << c.what;
  }
}

TEST(Aspects, EachOfTheSixteenBandsAndWhichFinderTestsIt) {
  struct Case {
    Kind kind;
    double exact;
    bool major;
  };
  const Case cases[] = {
      {kConjunction, 0, true},    {kSextile, 60, true},       {kSquare, 90, true},
      {kTrine, 120, true},        {kOpposition, 180, true},   {kSemiSextile, 30, true},
      {kSemiSquare, 45, true},    {kSesquisquare, 135, true}, {kQuincunx, 150, true},
      {kSemiQuintile, 36, false}, {kNonagen, 40, false},      {kQuintile, 72, false},
      {kTrecile, 108, false},     {kBiQuintile, 144, false},  {kSeptile, 360.0 / 7, false},
      {kQuindecile, 165, false},
  };
  for (const Case& c : cases) {
    const OrbTable orbs = Orbs({{c.kind, 0.5f}});
    const double w = c.exact == 0 ? 0.25 : c.exact - 0.25;  // inside, short of exact
    std::vector<std::string> lines;
    const AspectMatch all = ListAspects({1, 2, w, -w}, orbs, lines);
    EXPECT_EQ(all.code, CodeOf(c.kind)) << c.exact;
    EXPECT_EQ(lines.size(), 1u) << c.exact;
    const AspectMatch major = FindAspectOfSeparation(w, orbs);
    EXPECT_EQ(major.code, c.major ? CodeOf(c.kind) : NoAspectCode) << c.exact;
    if (c.major) {
      EXPECT_NEAR(major.deviation, c.exact == 0 ? 0.25 : -0.25, 1e-8) << c.exact;
    }
  }
  // The parallel's orb belongs to the declination grids: never a band here.
  const OrbTable parallelOnly = Orbs({{kParallel, 180}});
  std::vector<std::string> lines;
  EXPECT_EQ(ListAspects({1, 2, 7, 7}, parallelOnly, lines).code, NoAspectCode);
  EXPECT_EQ(FindAspectOfSeparation(7, parallelOnly).code, NoAspectCode);
  EXPECT_TRUE(lines.empty());
}

TEST(Aspects, TheMajorFinderLeavesTheQuintileUnlessAMajorBandCoversIt) {
  const OrbTable quintile = Orbs({{kQuintile, 6}, {kSextile, 6}, {kSquare, 8}, {kConjunction, 8}});
  EXPECT_EQ(FindAspectOfSeparation(72, quintile).code, NoAspectCode);
  EXPECT_DOUBLE_EQ(FindAspectOfSeparation(72, quintile).deviation, 72);
  std::vector<std::string> lines;
  EXPECT_EQ(ListAspects({1, 2, 72, 72}, quintile, lines).code, CodeOf(kQuintile));

  const OrbTable wideSextile = Orbs({{kQuintile, 6}, {kSextile, 12}});
  const AspectMatch m = FindAspectOfSeparation(72, wideSextile);
  EXPECT_EQ(m.code, CodeOf(kSextile));
  EXPECT_NEAR(m.deviation, 12, kDeviationTol);
  // Both bands cover 72 for the full finder; the quintile is tested later.
  EXPECT_EQ(ListAspects({1, 2, 72, 72}, wideSextile, lines).code, CodeOf(kQuintile));
}

TEST(Aspects, BandEdgesAreComparedInSinglePrecisionButTheSeptileInDouble) {
  // Float steps are 3.8e-6 just below 64 and 7.6e-6 above it.
  const OrbTable sextile = Orbs({{kSextile, 5}});
  struct Case {
    double w;
    bool inside;
  };
  const Case sextileCases[] = {
      {55, true},         // lower edge, limits included
      {65, true},         // upper edge
      {65.000001, true},  // rounds to the float 65: a double compare would refuse it
      {65.00001, false},  // rounds to the next float above 65
      {54.999999, true},  // rounds to the float 55
      {54.99999, false},  // the float below 55
  };
  for (const Case& c : sextileCases) {
    EXPECT_EQ(FindAspectOfSeparation(c.w, sextile).code == CodeOf(kSextile), c.inside) << c.w;
  }
  // The deviation is taken from the unrounded separation.
  EXPECT_NEAR(FindAspectOfSeparation(65.000001, sextile).deviation, 5.000001, 1e-12);

  // An orb that a float cannot hold: 0.1f is 0.10000000149, and the float
  // sum 60 + 0.1f lands on the float nearest 60.1.
  const OrbTable tenth = Orbs({{kSextile, 0.1f}});
  EXPECT_EQ(FindAspectOfSeparation(60.1, tenth).code, CodeOf(kSextile));
  EXPECT_EQ(FindAspectOfSeparation(59.9, tenth).code, CodeOf(kSextile));
  EXPECT_EQ(FindAspectOfSeparation(60.10001, tenth).code, NoAspectCode);

  // The septile's band is 51.42857143 +- orb in double: one hundred-millionth
  // outside is outside, though both separations round to the same float.
  const OrbTable septile = Orbs({{kSeptile, 1}});
  std::vector<std::string> lines;
  EXPECT_EQ(ListAspects({1, 2, 52.4285714, 52.4285714}, septile, lines).code, CodeOf(kSeptile));
  EXPECT_EQ(ListAspects({1, 2, 52.4285715, 52.4285715}, septile, lines).code, NoAspectCode);
  EXPECT_EQ(ListAspects({1, 2, 50.4285715, 50.4285715}, septile, lines).code, CodeOf(kSeptile));
  EXPECT_EQ(ListAspects({1, 2, 50.4285714, 50.4285714}, septile, lines).code, NoAspectCode);
  ASSERT_EQ(static_cast<float>(52.4285714), static_cast<float>(52.4285715));
  EXPECT_NEAR(ListAspects({1, 2, 51.5, -51.5}, septile, lines).deviation, 51.5 - 51.42857143,
              1e-12);
}

TEST(Aspects, EveryBandEdgeInSinglePrecision) {
  struct Case {
    Kind kind;
    double exact;
    bool hasLower, hasUpper;
  };
  const Case cases[] = {
      {kSextile, 60, true, true},          {kSquare, 90, true, true},
      {kTrine, 120, true, true},           {kOpposition, 180, true, false},
      {kSemiSextile, 30, true, true},      {kSemiSquare, 45, true, true},
      {kSesquisquare, 135, true, true},    {kQuincunx, 150, true, true},
      {kConjunction, 0, false, true},      {kSemiQuintile, 36, true, true},
      {kNonagen, 40, true, true},          {kQuintile, 72, true, true},
      {kTrecile, 108, true, true},         {kBiQuintile, 144, true, true},
      {kSeptile, 51.42857143, true, true}, {kQuindecile, 165, true, true},
  };
  constexpr float kOrb = 2.5f;  // exact in binary, so every edge is a float
  for (const Case& c : cases) {
    const OrbTable orbs = Orbs({{c.kind, kOrb}});
    const bool single = c.kind != kSeptile;
    auto codeAt = [&](double w) {
      std::vector<std::string> lines;
      return ListAspects({1, 2, w, w}, orbs, lines).code;
    };
    auto check = [&](double edge, double outward) {
      // One float step at the edge; a quarter step rounds back onto it.
      const float e = static_cast<float>(edge);
      const double step = std::nextafter(e, outward > 0 ? 1e9f : -1e9f) - e;
      EXPECT_EQ(codeAt(edge), CodeOf(c.kind)) << edge;
      EXPECT_EQ(codeAt(edge + step / 4), single ? CodeOf(c.kind) : NoAspectCode) << edge;
      EXPECT_EQ(codeAt(edge + 2 * step), NoAspectCode) << edge;
    };
    if (c.hasLower) check(c.exact - kOrb, -1);
    if (c.hasUpper) check(c.exact + kOrb, +1);
  }
}

TEST(Aspects, ListingLinesHaveTheirColumnsAndTheSignedDeviation) {
  std::vector<std::string> lines;
  // Point A ahead of B by 88, square orb 5: -2 from exact, printed +2.00.
  AspectMatch m = List(100, 12, Orbs({{kSquare, 5}}), lines, 10, 1);
  EXPECT_EQ(m.code, CodeOf(kSquare));
  EXPECT_NEAR(m.deviation, 2, kDeviationTol);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "  MOON        square        SUN          2.00 degrees");

  struct Case {
    double lonA, lonB;
    int pointA, pointB;
    OrbTable orbs;
    const char* line;
  };
  const Case cases[] = {
      // Transiting Sun 10 and natal Sun 5: the difference +5 is negated.
      {10, 5, 1, 1, Orbs({{kConjunction, 6}}),
       "  SUN         conjunct      SUN         -5.00 degrees"},
      {5, 10, 1, 1, Orbs({{kConjunction, 6}}),
       "  SUN         conjunct      SUN          5.00 degrees"},
      // Across 0 degrees: a difference of +350 keeps the sign, -350 loses it.
      {355, 5, 2, 3, Orbs({{kConjunction, 10}}),
       "  MERCURY     conjunct      VENUS        10.00 degrees"},
      {5, 355, 2, 3, Orbs({{kConjunction, 10}}),
       "  MERCURY     conjunct      VENUS       -10.00 degrees"},
      // An exact opposition; the difference -180 is negated.
      {20, 200, 13, 14, Orbs({{kOpposition, 8}}),
       "  Part F.     opposite      ASC          0.00 degrees"},
      // 38 inside semi-quintile and nonagen: the later nonagen, 2 short.
      {40, 2, 15, 16, Orbs({{kSemiQuintile, 2}, {kNonagen, 2}}),
       "  MC          nonagen       CHIRON       2.00 degrees"},
      // The bi-quintile's name is cut to its first ten characters.
      {300, 150, 11, 12, Orbs({{kBiQuintile, 7}}),
       "  N. NODE     bi-quintil    S. NODE     -6.00 degrees"},
      // A deviation that rounds to zero prints without its sign, so it keeps
      // the fifth blank and the digits stay in their column.
      {60.001, 0, 1, 2, Orbs({{kSextile, 3}}),
       "  SUN         sextile       MERCURY      0.00 degrees"},
  };
  for (const Case& c : cases) {
    lines.clear();
    List(c.lonA, c.lonB, c.orbs, lines, c.pointA, c.pointB);
    ASSERT_EQ(lines.size(), 1u) << c.line;
    EXPECT_EQ(lines[0], c.line);
  }

  // No aspect, no line.
  lines.clear();
  m = List(100, 0, Orbs({{kSquare, 5}}), lines);
  EXPECT_EQ(m.code, NoAspectCode);
  EXPECT_TRUE(lines.empty());
}

void WriteFile(const std::filesystem::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(Aspects, OrbReadersResetTheTableBeforeEachRead) {
  test::TempDir dir;
  test::RecordingHost host;
  WriteFile(dir.path() / "NATAL.ORB", "8\r\n6\r\n6\r\n6\r\n8\r\n\r\n1\r\n");
  OrbTable natal{};
  natal.fill(9);
  ASSERT_TRUE(ReadNatalOrbs(dir.path(), natal, host));
  EXPECT_EQ(natal[0], 9);  // element 0 is never written
  const float expected[] = {8, 6, 6, 6, 8};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(natal[size_t(k)], expected[k - 1]) << k;
  for (int k = 6; k <= 17; ++k) EXPECT_EQ(natal[size_t(k)], 0) << k;

  // More than 17 lines: the rest is ignored; labels after column 7 too.
  std::string longFile;
  for (int k = 1; k <= 20; ++k) longFile += std::to_string(k) + ".5    orb\n";
  WriteFile(dir.path() / "nat2tran.orb", longFile);  // found whatever its letter case
  OrbTable twoChart{};
  ASSERT_TRUE(ReadNat2TranOrbs(dir.path(), twoChart, host));
  for (int k = 1; k <= 17; ++k) EXPECT_EQ(twoChart[size_t(k)], k + 0.5f) << k;
  EXPECT_TRUE(host.messages.empty());
}

TEST(Aspects, AMissingOrbFileIsReportedAndChangesNothing) {
  test::TempDir dir;
  test::RecordingHost host;
  OrbTable orbs{};
  orbs.fill(3);
  EXPECT_FALSE(ReadNat2TranOrbs(dir.path(), orbs, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "NAT2TRAN.ORB").string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  for (float orb : orbs) EXPECT_EQ(orb, 3);

  EXPECT_FALSE(ReadNatalOrbs(dir.path(), orbs, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text,
            "Cannot find the file called " + (dir.path() / "NATAL.ORB").string() + ".");
}

}  // namespace
}  // namespace orv
