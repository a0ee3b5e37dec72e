// The comparative listing: a golden page and clipboard copy for the fixed
// couple, the lines whose text depends on awkward values, and the result
// lines a names-file batch keeps for one pair.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "../listings/CommandFixture.h"
#include "base/Text.h"
#include "commands/ComparativeCommands.h"
#include "relationship/comparative/ComparativeBatchResult.h"
#include "relationship/comparative/ComparativeListing.h"
#include "relationship/comparative/ComparativeScoring.h"

namespace orv {
namespace {

using namespace ChartPoint;

const auto kGolden = std::filesystem::path(__FILE__).parent_path() / "golden";

TEST(ComparativeListing, FixedCouplePageAndClipboard) {
  struct Case {
    bool withAspects;
    bool includeMR;
    SecondPersonBox box;
    const char* page;
    const char* clipboard;
  };
  const Case cases[] = {
      {true, true, {true, "John Roe"}, "dual_cosmodynes_aspects.txt", "dual_clipboard_mr.txt"},
      {false, false, {}, "dual_cosmodynes_transits.txt", "dual_clipboard_transits.txt"},
  };
  for (const Case& c : cases) {
    test::CommandFixture f;
    f.wb.Options[238] = 2;
    f.wb.Input.Analysis = {false, true, c.includeMR, false};
    ShowDualCosmodynes(f.wb, c.box, c.withAspects, f.host, f.view);
    ASSERT_EQ(f.view.shown.size(), 1u);
    test::ExpectGolden(f.view.shown[0], c.page, kGolden);
    test::ExpectGolden(f.host.clipboard, c.clipboard, kGolden);
    EXPECT_EQ(f.host.clipboardCount, 1);
  }
}

TEST(ComparativeListing, TableRanksAndWideValues) {
  test::PageFixture f;
  std::vector<std::string> stored;
  StoredListing out{f.page, stored};
  ComparativeScores s;
  s.Limit = 13;
  s.AspectPower[Sun] = 5;
  s.AspectPower[Mercury] = 5;  // ties with the Sun
  s.AspectPower[Venus] = 3;    // rank 3: two points above it
  s.Harmony[Venus] = 1000;     // eight characters: the rest of the row moves right
  s.Discord[Mars] = 1000.5;
  const ComparativeLabels labels{"Jane Doe", {true, "John Roe"}, "12 Jun 2026"};
  ListComparativeTable(out, s, TotalsOf(s, CosmoAngleChoice::None), labels,
                       CosmoAngleChoice::None);
  const std::vector<std::string> expected = {
      "  SUN          5.00 ( 1)       0.00 ( 2)        0.00 ( 1)       0.00 ( 1)",
      "  MERCURY      5.00 ( 1)       0.00 ( 2)        0.00 ( 1)       0.00 ( 1)",
      "  VENUS        3.00 ( 3)     1000.00 ( 1)        0.00 ( 1)       0.00 ( 1)",
      "  MARS         0.00 ( 4)    -1000.50 (10)        0.00 ( 1)       0.00 ( 1)",
  };
  ASSERT_EQ(f.lines().size(), 15u);
  EXPECT_EQ(std::vector<std::string>(f.lines().begin() + 2, f.lines().begin() + 6), expected);
  // The sum of each point's products, not the product of the sums.
  EXPECT_EQ(f.lines()[14], "  Power*Harmony =     3000.00                            0.00");
  // A name too long for its field is written whole, with no fill.
  const std::string longName(40, 'x');
  ListComparativeTable(out, s, {}, {longName, {}, "12 Jun 2026"}, CosmoAngleChoice::None);
  EXPECT_EQ(f.lines()[15], std::string(14, ' ') + longName + "TRANSITS (12 Jun 2026)");
}

// The golden pages show receptions with and without "incl MR".
TEST(ComparativeListing, NoReceptionListsTheHeadingAlone) {
  PointArray<double> one{};
  one.fill(165);  // Virgo: only Mercury receives there
  test::PageFixture f;
  std::vector<std::string> stored;
  StoredListing out{f.page, stored};
  ListCrossReceptions(out, {"Jane Doe", {}, ""}, one, one, true);
  EXPECT_EQ(f.lines(), (std::vector<std::string>{
                           "", "", "  Mutual Receptions (1st planet is Jane Doe's and 2nd planet is TRANSIT)",
                           "  -----------------"}));
  EXPECT_EQ(stored, (std::vector<std::string>{f.lines()[2], f.lines()[3], ""}));
}

TEST(ComparativeListing, GridHeadingsAndEmptyCells) {
  const std::string columns = "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
  const std::tuple<CosmoAngleChoice, std::string, size_t, std::string> cases[] = {
      {CosmoAngleChoice::None, columns, 10, "  Moo  "},
      {CosmoAngleChoice::AscendantOnly, columns + "    Asc", 11, "  Asc  "},
      {CosmoAngleChoice::Both, columns + "    Asc     MC", 12, "  MC   "},
      {CosmoAngleChoice::MCOnly, columns + "    MC", 11, "  MC   "}};
  for (const auto& [angles, heading, rows, lastRow] : cases) {
    test::PageFixture f;
    std::vector<std::string> stored;
    StoredListing out{f.page, stored};
    ComparativeScores s;
    s.CrossPowerGrid[Sun][Sun] = 123.45f;      // eight characters
    s.CrossHarmonyGrid[Sun][Sun] = -0.004f;    // formats as zero
    s.CrossHarmonyGrid[Sun][Mercury] = -12.5f;
    ListComparativeCosmodyneGrids(out, s, {"Jane Doe", {}, "12 Jun 2026"}, angles);
    const auto& lines = f.lines();
    ASSERT_EQ(lines.size(), 3 + 1 + rows + 1 + 1 + rows);
    EXPECT_EQ(lines[3], "  POWER   " + heading);
    EXPECT_EQ(lines[5 + rows], "  HARMONY " + heading);
    EXPECT_EQ(lines[3 + rows].substr(0, 7), lastRow);
    EXPECT_EQ(lines[4].substr(0, 22), "  Sun   123.45   ---- ");
    EXPECT_EQ(lines[6 + rows].substr(0, 21), "  Sun    ---- -12.50 ");
  }
}

TEST(ComparativeListing, SynastryFactorLists) {
  struct Case {
    const char* what;
    ScoredPair pair;
    bool important;
    const char* close;  // the close-aspect line's ending; nullptr: not listed
  };
  const Case cases[] = {
      {"Sun trine Moon, 0.4 off", {Sun, Moon, 6, 6, 5, 0.4}, true, ""},
      {"Venus conjunct Mars, 0.2", {Venus, Mars, 9, -1, 2, 0.2}, true, " (conjunct)"},
      {"Mars and Venus", {Mars, Venus, 4, 0, 8, 3}, true, nullptr},
      {"Mercury and Venus", {Mercury, Venus, 4, 0, 8, 3}, false, nullptr},
      {"deviation exactly 1", {Jupiter, Saturn, 4, 0, 4, 1.0}, false, nullptr},
      {"deviation exactly -1", {Jupiter, Saturn, 4, 0, 4, -1.0}, false, nullptr},
      {"deviation -0.99", {Jupiter, Saturn, 4, 0, 4, -0.99}, false, ""},
      {"power exactly 0", {Sun, Moon, 0, 0, 2, 0}, false, nullptr},
      {"parallel alone", {Sun, Moon, 3, 0, 1, 0}, true, nullptr},
  };
  for (const Case& c : cases) {
    const SynastryFactorTexts t = CollectSynastryFactors({c.pair});
    const std::string line = FactorPairLine(c.pair.a, c.pair.b, c.pair.power, c.pair.harmony);
    EXPECT_EQ(t.important, c.important ? line + "\r\n" : "") << c.what;
    EXPECT_EQ(t.close, c.close ? line + c.close + "\r\n" : "") << c.what;
  }
  // Nothing to list: heading, column header and one empty line.
  test::PageFixture f;
  ListSynastryFactors(f.page, {}, false);
  EXPECT_EQ(std::vector<std::string>(f.lines().begin(), f.lines().begin() + 5),
            (std::vector<std::string>{"", "", "  Important Factors In Synastry (11 total):",
                                      "                        Power     Harmony", ""}));
}

TEST(ComparativeBatchResult, LinesSummaryAndEmail) {
  const BatchPairNames couple{"m John Smith", "12 May 1959", "john@a", true,
                              "w Mary Jones",  "08 Mar 1962", "mary@b"};
  const std::string label = "  m John and w Mary (08 Mar 1962, mary@b)";
  struct Case {
    double harmony;
    bool inSummary, addEmail;
    std::string tail;
  };
  const Case cases[] = {
      {65, false, true, "P = 100.00   (P*H =   6500.00)   H =  65.00"},
      {-75, true, false, "P = 100.00   (P*H =  -7500.00)   H = -75.00"},
  };
  for (const Case& c : cases) {
    const ComparativeTotals t{100, c.harmony};
    const BatchPairResult r = MakeBatchPairResult(couple, t, {false, 80, 70});
    EXPECT_EQ(r.line, label + std::string(80 - label.size(), ' ') + c.tail);
    EXPECT_EQ(r.summary, "  m John and w Mary" + std::string(61, ' ') + "   " +
                             c.tail.substr(c.tail.find('(')));
    EXPECT_EQ(r.inSummary, c.inSummary);
    EXPECT_EQ(r.addEmail, c.addEmail);
  }
  // All vs All: the comma-separated line; the summary of a strong pair.
  const ComparativeTotals t{10, 2};
  const BatchPairNames annAndBob{"Ann Lee", "01 Jan 1970", "ann@x", true,
                                 "Bob Ray", "02 Feb 1971", "bob@y"};
  const BatchPairResult all = MakeBatchPairResult(annAndBob, t, {true, 80, 70});
  EXPECT_EQ(all.summary, "");
  // Both names whole; cut, the longer first, only where the column is short.
  const struct {
    const char *a, *b;
    float width;
    std::string label;
  } strong[] = {
      {"m Pierre Dubois", "w Anne Roy", 80,
       "  m Pierre Dubois and w Anne Roy" + std::string(48, ' ')},
      {"Ann Lee", "Bob Ray", 20, "  Ann Le and Bob Ra "},
      {"m Jo", "w Annabelle Christina", 24, "  m Jo and w Annabelle  "},
      {"m Jo", "w Zoë Müller", 20, "  m Jo and w Zoë Mü "},
  };
  for (const auto& c : strong)
    EXPECT_EQ(MakeBatchPairResult({c.a, "01 Jan 1970", "", true, c.b, "02 Feb 1971", ""}, {10, -80},
                                  {true, c.width, 70})
                  .summary,
              c.label + "   (P*H =   -800.00)   H = -80.00");
  EXPECT_EQ(BatchCommaLine(annAndBob, t),
            "  Ann Lee (01 Jan 1970),ann@x,Bob Ray (02 Feb 1971),10.00,20.00,2.00");
  // Transits, and a label too long for its column: no fill.
  const BatchPairResult transits = MakeBatchPairResult(
      {std::string(90, 'x'), "", "", false, "", "12 Jun 2026", ""}, t, {false, 80, 70});
  EXPECT_EQ(transits.line.substr(0, 129),
            "  " + std::string(90, 'x') + " and TRANSITS (12 Jun 2026)P =  10.00");
}

// Names beyond ASCII take one column a character: the numbers of a pair
// line, a strong pair and the comparative table's name line stand where
// they do for a plain name of as many characters.
TEST(ComparativeBatchResult, ColumnsCountCharacters) {
  const auto column = [](const std::string& line, std::string_view mark) {
    return CharacterCount(std::string_view(line).substr(0, line.find(mark)));
  };
  const std::pair<const char*, const char*> names[] = {{"w Zoe Muller", "w Zoë Müller"},
                                                       {"m Emile Sao", "m Émile São"}};
  for (const auto& [plain, accented] : names) {
    const BatchPairOptions options{false, 80, 70};
    const auto result = [&](const char* name) {
      return MakeBatchPairResult(
          {"m Al Bo", "01 Jan 1970", "a@x", true, name, "02 Feb 1971", "z@y"}, {10, 75}, options);
    };
    EXPECT_EQ(column(result(accented).line, "P ="), column(result(plain).line, "P =")) << accented;
    EXPECT_EQ(column(result(accented).line, "P ="), 80u) << accented;
    EXPECT_EQ(column(result(accented).summary, "(P*H"), column(result(plain).summary, "(P*H"));
    std::vector<size_t> columns;
    for (const char* name : {plain, accented}) {
      test::PageFixture f;
      std::vector<std::string> stored;
      StoredListing out{f.page, stored};
      ListComparativeTable(out, {}, {}, {name, {true, "w Ann Lee"}, ""}, CosmoAngleChoice::None);
      columns.push_back(column(f.lines()[0], "w Ann Lee"));
    }
    EXPECT_EQ(columns[0], 47u);
    EXPECT_EQ(columns[1], 47u) << accented;
  }
}

// "incl MR": each mutual reception adds 5 to the harmony of both of its
// planets, in the table's harmony columns and in the totals a batch scores.
TEST(ComparativeListing, ReceptionsAddFiveToHarmony) {
  // Signs with many receptions between the two charts (as in the scoring
  // test), and the fixed couple's own charts.
  constexpr std::array<int, 11> signs1 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 7};
  constexpr std::array<int, 11> signs2 = {0, 8, 12, 11, 5, 11, 12, 12, 11, 1, 3};
  const ChartModel fixed = test::FixedCharts();
  ChartArrays one = fixed.Natal, two = fixed.Diurnal;
  for (size_t p = Sun; p <= Moon; ++p) {
    one.Longitudes[p] = 30.0 * (signs1[p] - 1) + 15 + 0.37 * double(p);
    two.Longitudes[p] = 30.0 * (signs2[p] - 1) + 11 + 0.53 * double(p);
  }
  const auto receptions = FindInterchartReceptions(one.Longitudes, two.Longitudes);
  ASSERT_GT(receptions.size(), 10u);
  ComparativeSettings with{CosmoAngleChoice::None, true, true, 2, false}, without = with;
  without.IncludeMR = false;
  const ComparativeScores a = ScoreComparativeCosmodynes({one}, {two}, with);
  const ComparativeScores b = ScoreComparativeCosmodynes({one}, {two}, without);
  CosmoPointArray added1{}, added2{};
  for (const auto& [p, q] : receptions) added1[size_t(p)] += 5, added2[size_t(q)] += 5;
  double total1 = 0, total2 = 0;
  for (int k = Sun; k <= Moon; ++k) {
    EXPECT_NEAR(a.Harmony[size_t(k)] - b.Harmony[size_t(k)], added1[size_t(k)], 1e-9) << k;
    EXPECT_NEAR(a.SecondChartHarmony[size_t(k)] - b.SecondChartHarmony[size_t(k)],
                added2[size_t(k)], 1e-9)
        << k;
    total1 += added1[size_t(k)], total2 += added2[size_t(k)];
  }
  const auto batch = [&](const ComparativeSettings& s) {
    return ScoreComparativeTotals(PrepareComparativeChart({one}, s),
                                  PrepareComparativeChart({two}, s), s);
  };
  EXPECT_NEAR(batch(with).TH1 - batch(without).TH1, total1, 1e-9);
  EXPECT_NEAR(batch(with).TH2 - batch(without).TH2, total2, 1e-9);
  // The Sun's row of the table: its harmony column shows the sum.
  const auto sunRow = [&](const ComparativeScores& s) {
    test::PageFixture f;
    std::vector<std::string> stored;
    StoredListing out{f.page, stored};
    ListComparativeTable(out, s, TotalsOf(s, CosmoAngleChoice::None), {"A", {true, "B"}, ""},
                         CosmoAngleChoice::None);
    return std::stod(f.lines()[2].substr(24, 12));
  };
  ASSERT_GT(added1[Sun], 0);
  EXPECT_NEAR(sunRow(a) - sunRow(b), added1[Sun], 0.0051);
}

}  // namespace
}  // namespace orv
