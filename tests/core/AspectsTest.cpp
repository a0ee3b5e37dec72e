#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"

namespace orv {
namespace {

// Deviations are differences of values given to a few decimals.
constexpr double kDeviationTol = 1e-9;

// Orb elements (`AspectKind`), written out so the tests do not lean on the
// table under test. The `AspectCode` is the kind + 1.
enum Kind {
  kConjunction = 1,
  kSextile,
  kSquare,
  kTrine,
  kOpposition,
  kParallel,
  kSemiSextile,
  kSemiSquare,
  kSesquisquare,
  kQuincunx,
  kSemiQuintile,
  kNonagen,
  kQuintile,
  kTrecile,
  kBiQuintile,
  kSeptile,
  kQuindecile,
};
constexpr int CodeOf(Kind k) { return int(k) + 1; }

OrbTable Orbs(std::initializer_list<std::pair<Kind, float>> set) {
  OrbTable orbs{};
  for (auto [kind, orb] : set) orbs[size_t(kind)] = orb;
  return orbs;
}

// The full finder's code for a folded separation `w`, point A ahead of B.
int ListedCode(double w, const OrbTable& orbs) {
  std::vector<std::string> lines;
  return ListAspects({1, 2, w, w}, orbs, lines).code;
}

// Each code against the kind written out above, its listed name and its
// angle; every shared band against the angle of the code it finds.
TEST(Aspects, CodesNameTheirAspectsAndBandsLieAtTheirAngles) {
  const struct {
    AspectCode code;
    Kind kind;
    std::string_view name;
    int angle;
  } kCases[] = {
      {AspectCode::Conjunction, kConjunction, "conjunct", 0},
      {AspectCode::Sextile, kSextile, "sextile", 60},
      {AspectCode::Square, kSquare, "square", 90},
      {AspectCode::Trine, kTrine, "trine", 120},
      {AspectCode::Opposition, kOpposition, "opposite", 180},
      {AspectCode::Parallel, kParallel, "PARALLEL", 0},
      {AspectCode::SemiSextile, kSemiSextile, "s.sextile", 30},
      {AspectCode::SemiSquare, kSemiSquare, "s.square", 45},
      {AspectCode::Sesquisquare, kSesquisquare, "ses.square", 135},
      {AspectCode::Quincunx, kQuincunx, "quincunx", 150},
      {AspectCode::SemiQuintile, kSemiQuintile, "s.quintile", 36},
      {AspectCode::Nonagen, kNonagen, "nonagen", 40},
      {AspectCode::Quintile, kQuintile, "quintile", 72},
      {AspectCode::Trecile, kTrecile, "trecile", 108},
      {AspectCode::BiQuintile, kBiQuintile, "bi-quintile", 144},
      {AspectCode::Septile, kSeptile, "septile", 51},
      {AspectCode::Quindecile, kQuindecile, "quindecile", 165},
  };
  EXPECT_EQ(NoAspectCode, 1);
  EXPECT_EQ(Code(AspectCode::Quindecile), MaxAspectCode);
  for (const auto& c : kCases) {
    const int code = Code(c.code);
    EXPECT_EQ(code, CodeOf(c.kind)) << c.name;
    EXPECT_EQ(KindOf(c.code), int(c.kind)) << c.name;
    const std::string padded = std::string(c.name) + std::string(12 - c.name.size(), ' ');
    EXPECT_EQ(PackedField(AspectNames, code, AspectNameWidth), padded) << c.name;
    EXPECT_EQ(AspectAngles[size_t(code)], c.angle) << c.name;
  }
  std::vector<AspectBand> bands(kMajorAndSemiBands.begin(), kMajorAndSemiBands.end());
  bands.insert(bands.end(), kMinorBands.begin(), kMinorBands.end());
  bands.push_back(kConjunctionBand);
  EXPECT_EQ(kMinorBands.back().kind, kQuindecileBand.kind);
  std::vector<int> kinds;
  for (const AspectBand& band : bands) {
    kinds.push_back(band.kind);
    EXPECT_EQ(int(std::floor(band.exactDeg)), AspectAngles[size_t(band.kind + 1)]) << band.kind;
    EXPECT_EQ(InDoublePrecision(band), band.kind == kSeptile) << band.kind;
    EXPECT_EQ(band.shape, band.kind == kOpposition   ? BandShape::AtLeast
                          : band.kind == kConjunction ? BandShape::UpToOrb
                                                      : BandShape::Around)
        << band.kind;
  }
  // Every kind but the parallel, once.
  std::sort(kinds.begin(), kinds.end());
  EXPECT_EQ(kinds, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
}

TEST(Aspects, FoldTheSeparationAndLetTheLastMatchingBandWin) {
  const struct {
    const char* what;
    double separation;
    OrbTable orbs;
    int code;
    double folded, deviation;
  } cases[] = {
      {"200 folds to 160, the quincunx band's upper edge", 200,
       Orbs({{kQuincunx, 10}, {kQuindecile, 4}}), CodeOf(kQuincunx), 160, 10},
      {"180 with an opposition orb of 0", 180, Orbs({{kOpposition, 0}}), CodeOf(kOpposition), 180,
       0},
      {"50 on the edges of sextile and semi-square: the later semi-square", 50,
       Orbs({{kSemiSquare, 5}, {kSextile, 10}}), CodeOf(kSemiSquare), 50, 5},
      {"2 inside conjunction and semi-sextile: the later conjunction", 2,
       Orbs({{kConjunction, 3}, {kSemiSextile, 30}}), CodeOf(kConjunction), 2, 2},
      {"no band: the folded separation", 260, Orbs({{kSquare, 5}, {kTrine, 5}}), NoAspectCode, 100,
       100},
      {"72 is no major aspect", 72, Orbs({{kQuintile, 6}, {kSextile, 6}}), NoAspectCode, 72, 72},
      {"unless a major band covers it", 72, Orbs({{kQuintile, 6}, {kSextile, 12}}),
       CodeOf(kSextile), 72, 12},
  };
  for (const auto& c : cases) {
    const AspectMatch m = FindAspectOfSeparation(c.separation, c.orbs);
    EXPECT_EQ(m.code, c.code) << c.what;
    EXPECT_NEAR(m.foldedSeparation, c.folded, kDeviationTol) << c.what;
    EXPECT_NEAR(m.deviation, c.deviation, kDeviationTol) << c.what;
  }
  // The full finder tests the quintile after the sextile.
  EXPECT_EQ(ListedCode(72, Orbs({{kQuintile, 6}, {kSextile, 12}})), CodeOf(kQuintile));
}

// Every band: its exact angle, which finder tests it, and its edges compared
// in single precision (one float step out is out, a quarter step rounds back
// in), except the septile's, whose non-integer limits stay double.
TEST(Aspects, EveryBandAndItsEdges) {
  const struct {
    Kind kind;
    double exact;
    bool major;
  } cases[] = {
      {kConjunction, 0, true},    {kSextile, 60, true},       {kSquare, 90, true},
      {kTrine, 120, true},        {kOpposition, 180, true},   {kSemiSextile, 30, true},
      {kSemiSquare, 45, true},    {kSesquisquare, 135, true}, {kQuincunx, 150, true},
      {kSemiQuintile, 36, false}, {kNonagen, 40, false},      {kQuintile, 72, false},
      {kTrecile, 108, false},     {kBiQuintile, 144, false},  {kSeptile, 51.42857143, false},
      {kQuindecile, 165, false},
  };
  constexpr float kOrb = 2.5f;  // exact in binary, so every integer edge is a float
  for (const auto& c : cases) {
    const OrbTable orbs = Orbs({{c.kind, kOrb}});
    const double inside = c.exact == 0 ? 1 : c.exact - 1;
    EXPECT_EQ(ListedCode(inside, orbs), CodeOf(c.kind)) << c.exact;
    EXPECT_EQ(FindAspectOfSeparation(inside, orbs).code, c.major ? CodeOf(c.kind) : NoAspectCode)
        << c.exact;
    const bool single = c.kind != kSeptile;
    for (const double outward : {-1.0, 1.0}) {
      const double edge = c.exact + outward * kOrb;
      if (edge < 0 || edge > 180) continue;  // conjunction and opposition have one edge
      const float e = static_cast<float>(edge);
      const double step = std::nextafter(e, float(outward * 1e9)) - e;
      EXPECT_EQ(ListedCode(edge, orbs), CodeOf(c.kind)) << edge;
      EXPECT_EQ(ListedCode(edge + step / 4, orbs), single ? CodeOf(c.kind) : NoAspectCode) << edge;
      EXPECT_EQ(ListedCode(edge + 2 * step, orbs), NoAspectCode) << edge;
    }
  }
  // The parallel's orb belongs to the declination grids: never a band here.
  EXPECT_EQ(ListedCode(7, Orbs({{kParallel, 180}})), NoAspectCode);
  EXPECT_EQ(FindAspectOfSeparation(7, Orbs({{kParallel, 180}})).code, NoAspectCode);
}

TEST(Aspects, AnOrbAFloatCannotHoldAndTheDeviationOfTheUnroundedSeparation) {
  // 0.1f is 0.10000000149; the float sum 60 + 0.1f lands on the float nearest 60.1.
  const OrbTable tenth = Orbs({{kSextile, 0.1f}});
  EXPECT_EQ(FindAspectOfSeparation(60.1, tenth).code, CodeOf(kSextile));
  EXPECT_EQ(FindAspectOfSeparation(59.9, tenth).code, CodeOf(kSextile));
  EXPECT_EQ(FindAspectOfSeparation(60.10001, tenth).code, NoAspectCode);
  EXPECT_NEAR(FindAspectOfSeparation(65.000001, Orbs({{kSextile, 5}})).deviation, 5.000001, 1e-12);
}

TEST(Aspects, ListingLinesHaveTheirColumnsAndTheSignedDeviation) {
  const struct {
    double lonA, lonB;
    int pointA, pointB;
    OrbTable orbs;
    const char* line;
  } cases[] = {
      // A ahead of B by 88, square orb 5: -2 from exact, printed +2.00.
      {100, 12, 10, 1, Orbs({{kSquare, 5}}),
       "  MOON        square        SUN          2.00 degrees"},
      {10, 5, 1, 1, Orbs({{kConjunction, 6}}),
       "  SUN         conjunct      SUN         -5.00 degrees"},
      // Across 0 degrees: a difference of +350 keeps the sign, -350 loses it.
      {355, 5, 2, 3, Orbs({{kConjunction, 10}}),
       "  MERCURY     conjunct      VENUS        10.00 degrees"},
      {5, 355, 2, 3, Orbs({{kConjunction, 10}}),
       "  MERCURY     conjunct      VENUS       -10.00 degrees"},
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
  for (const auto& c : cases) {
    std::vector<std::string> lines;
    const double d = c.lonA - c.lonB;
    ListAspects({c.pointA, c.pointB, std::fabs(d), d}, c.orbs, lines);
    EXPECT_EQ(lines, std::vector<std::string>{c.line});
  }
  std::vector<std::string> lines;
  const AspectMatch m = ListAspects({1, 1, 100, 100}, Orbs({{kSquare, 5}}), lines);
  EXPECT_EQ(m.code, NoAspectCode);
  EXPECT_TRUE(lines.empty());
}

TEST(Aspects, OrbReadersResetTheTableBeforeEachRead) {
  test::TempDir dir;
  test::RecordingHost host;
  std::ofstream(dir.path() / "NATAL.ORB", std::ios::binary) << "8\r\n6\r\n6\r\n6\r\n8\r\n\r\n1\r\n";
  OrbTable natal{};
  natal.fill(9);
  ASSERT_TRUE(ReadNatalOrbs(dir.path(), natal, host));
  OrbTable expected{};
  expected[0] = 9;  // element 0 is never written
  for (int k = 1; k <= 5; ++k) expected[size_t(k)] = k == 1 || k == 5 ? 8 : 6;
  EXPECT_EQ(natal, expected);

  // More than 17 lines: the rest is ignored; labels after column 7 too.
  std::string longFile;
  for (int k = 1; k <= 20; ++k) longFile += std::to_string(k) + ".5    orb\n";
  std::ofstream(dir.path() / "nat2tran.orb", std::ios::binary) << longFile;  // any letter case
  OrbTable twoChart{};
  ASSERT_TRUE(ReadNat2TranOrbs(dir.path(), twoChart, host));
  for (int k = 1; k <= 17; ++k) EXPECT_EQ(twoChart[size_t(k)], k + 0.5f) << k;
  // The short file is told; the long one is not.
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The orb file called " + (dir.path() / "NATAL.ORB").string() +
                                       " holds only 5 of the 17 orbs: line 6 is empty. Please "
                                       "correct the file.");
}

TEST(Aspects, AMissingOrbFileIsReportedAndChangesNothing) {
  test::TempDir dir;
  test::RecordingHost host;
  OrbTable orbs{};
  orbs.fill(3);
  const OrbTable before = orbs;
  EXPECT_FALSE(ReadNatalOrbs(dir.path(), orbs, host));
  EXPECT_EQ(orbs, before);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Cannot find the file called " + (dir.path() / "NATAL.ORB").string() + ".");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

}  // namespace
}  // namespace orv
