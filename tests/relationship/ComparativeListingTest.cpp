// The comparative listing: a golden page and clipboard copy for the fixed
// couple, and the lines whose text depends on awkward values.

#include <gtest/gtest.h>

#include <algorithm>

#include "../listings/CommandFixture.h"
#include "relationship/comparative/ComparativeCommands.h"
#include "relationship/comparative/ComparativeListing.h"

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
    EXPECT_EQ(f.host.busyDepth, 0);
    EXPECT_EQ(f.host.busyCount, 1);
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
      "              Jane Doe                         John Roe",
      "              Power          Harmony           Power          Harmony",
      "  SUN          5.00 ( 1)       0.00 ( 2)        0.00 ( 1)       0.00 ( 1)",
      "  MERCURY      5.00 ( 1)       0.00 ( 2)        0.00 ( 1)       0.00 ( 1)",
      "  VENUS        3.00 ( 3)     1000.00 ( 1)        0.00 ( 1)       0.00 ( 1)",
      "  MARS         0.00 ( 4)    -1000.50 (10)        0.00 ( 1)       0.00 ( 1)",
  };
  ASSERT_GE(f.lines().size(), 6u);
  EXPECT_EQ(std::vector<std::string>(f.lines().begin(), f.lines().begin() + 6), expected);
  EXPECT_EQ(f.lines()[13], "  TOTALS      13.00           -0.50             0.00            0.00");
  EXPECT_EQ(f.lines()[14], "  Power*Harmony =     3000.00                            0.00");
  EXPECT_EQ(stored.size(), f.lines().size() + 1);  // an empty entry after the last line
  // A name too long for its field is written whole, with no fill.
  test::PageFixture g;
  std::vector<std::string> stored2;
  StoredListing out2{g.page, stored2};
  const std::string longName(40, 'x');
  ListComparativeTable(out2, s, {}, {longName, {}, "12 Jun 2026"}, CosmoAngleChoice::None);
  EXPECT_EQ(g.lines()[0], std::string(14, ' ') + longName + "TRANSITS (12 Jun 2026)");
}

TEST(ComparativeListing, ReceptionLines) {
  PointArray<double> one{}, two{};
  one.fill(165);  // Virgo: only Mercury receives there
  two.fill(165);
  one[Sun] = 105;  // Cancer
  two[Moon] = 135;  // Leo
  struct Case {
    SecondPersonBox box;
    bool includeMR;
    PointArray<double> chart2;
    std::vector<std::string> lines;
  };
  const std::string transitHeading =
      "  Mutual Receptions (1st planet is Jane Doe's and 2nd planet is TRANSIT)";
  const Case cases[] = {
      {{}, false, two,
       {"", "", transitHeading, "  -----------------",
        "  SUN       MOON      - add 5 points harmony to each person's planet."}},
      {{true, "John Roe"}, true, two,
       {"", "", "  Mutual Receptions (1st planet is Jane Doe's and 2nd planet is John Roe's)",
        "  -----------------", "  SUN       MOON      "}},
      {{}, true, one, {"", "", transitHeading, "  -----------------"}},  // none
  };
  for (const Case& c : cases) {
    test::PageFixture f;
    std::vector<std::string> stored;
    StoredListing out{f.page, stored};
    ListCrossReceptions(out, {"Jane Doe", c.box, ""}, one, c.chart2, c.includeMR);
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(stored.size(), c.lines.size() - 1);  // the blanks are not stored, an empty entry is
    EXPECT_EQ(stored.back(), "");
  }
}

TEST(ComparativeListing, GridHeadingsAndEmptyCells) {
  const std::string columns = "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
  struct Case {
    CosmoAngleChoice angles;
    std::string heading;
    std::string lastRow;
  };
  const Case cases[] = {
      {CosmoAngleChoice::None, columns, "  Moo  "},
      {CosmoAngleChoice::AscendantOnly, columns + "    Asc", "  Asc  "},
      {CosmoAngleChoice::Both, columns + "    Asc     MC", "  MC   "},
      {CosmoAngleChoice::MCOnly, columns + "    MC", "  MC   "},
  };
  for (const Case& c : cases) {
    test::PageFixture f;
    std::vector<std::string> stored;
    StoredListing out{f.page, stored};
    ComparativeScores s;
    s.CrossPowerGrid[Sun][Sun] = 123.45f;
    s.CrossHarmonyGrid[Sun][Sun] = -0.004f;
    s.CrossHarmonyGrid[Sun][Mercury] = -12.5f;
    ListComparativeCosmodyneGrids(out, s, {"Jane Doe", {}, "12 Jun 2026"}, c.angles);
    const auto& lines = f.lines();
    const size_t rows = size_t(std::ranges::count_if(
        std::array{14, 15}, [&](int p) { return IsComparativePoint(p, c.angles); })) + 10;
    ASSERT_EQ(lines.size(), 3 + 1 + rows + 1 + 1 + rows);
    EXPECT_EQ(lines[1], "  Planets across the top are transits on 12 Jun 2026.");
    EXPECT_EQ(lines[3], "  POWER   " + c.heading);
    EXPECT_EQ(lines[4 + rows + 1], "  HARMONY " + c.heading);
    EXPECT_EQ(lines[3 + rows].substr(0, 7), c.lastRow);
    EXPECT_EQ(lines[4].substr(0, 22), "  Sun   123.45   ---- ");
    EXPECT_EQ(lines[4 + rows + 2].substr(0, 21), "  Sun    ---- -12.50 ");
    EXPECT_EQ(stored.size(), lines.size());
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
  EXPECT_EQ(FactorPairLine(Venus, Mars, 9, -1), "  VENUS     MARS         9.00      -1.00");
  // Nothing to list: heading, column header and one empty line.
  test::PageFixture f;
  ListSynastryFactors(f.page, {}, false);
  EXPECT_EQ(std::vector<std::string>(f.lines().begin(), f.lines().begin() + 5),
            (std::vector<std::string>{"", "", "  Important Factors In Synastry (11 total):",
                                      "                        Power     Harmony", ""}));
}

}  // namespace
}  // namespace orv
