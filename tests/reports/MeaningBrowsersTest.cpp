// The meanings browsers' lookups and refusals, and the keyword grids' topics.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/Files.h"
#include "reports/MeaningBrowsers.h"
#include "reports/ScrambledText.h"

namespace orv {
namespace {

using C = NatalCommand;

TEST(MeaningBrowsers, MeaningLookupsAndRefusals) {
  const std::string far = " can never be far enough away from ";
  const struct {
    C command;
    NatalSelection s;  // sign, house, planet, aspect, second
    std::string file, key, refusal;
  } cases[] = {
      // clang-format off
      {C::Aspect, {}, "Sun.TXT", "Sun discordant to Moon", ""},
      {C::PlanetInSign, {6, 6, 4, 2, 1}, "SIGN_Lib.TXT", "MARS in", ""},
      {C::PlanetInSign, {6, 6, 10, 2, 1}, "RISING.TXT", "LIBRA rising", ""},
      {C::PlanetInHouse, {6, 6, 10, 2, 1}, "", "", "The Ascendant is always the 1st house cusp. It cannot be in a house."},
      {C::PlanetInSign, {6, 11, 7, 2, 1}, "", "", "Uranus - Pluto sign positions are not delineated."},
      {C::PlanetInHouse, {6, 11, 7, 2, 1}, "HOUSE_12.TXT", "URANUS in", ""},
      {C::Aspect, {6, 6, 1, 2, 0}, "", "", "Please select a higher planet on the left than on the right."},
      {C::Aspect, {6, 6, 0, 2, 0}, "", "", "A planet cannot aspect itself. Select a different planet."},
      {C::Aspect, {6, 6, 0, 0, 2}, "Sun.TXT", "Sun blending with Mercury", ""},
      {C::Aspect, {6, 6, 0, 1, 2}, "", "", "Mercury" + far + "the Sun to have this kind of aspect."},
      {C::Aspect, {6, 6, 0, 1, 3}, "Sun.TXT", "Sun harmonizing with Venus", ""},
      {C::Aspect, {6, 6, 0, 2, 3}, "", "", "Venus" + far + "the Sun to have this kind of aspect."},
      {C::Aspect, {6, 6, 2, 1, 3}, "Mercury.TXT", "Mercury harmonizing with Venus", ""},
      {C::Aspect, {6, 6, 2, 2, 3}, "", "", "Venus" + far + "Mercury to have this kind of aspect."},
      {C::Aspect, {6, 6, 9, 0, 10}, "Pluto.TXT", "Pluto blending with Ascendant", ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key + c.refusal);
    const MeaningLookup got = LookUpNatalMeaning(c.command, c.s);
    EXPECT_EQ(got.fileName + "|" + got.key + "|" + got.refusal,
              c.file + "|" + c.key + "|" + c.refusal);
  }
}

TEST(MeaningBrowsers, CoupleLookupsAndRefusals) {
  using B = CoupleBrowser;
  const std::string higher = "Please select a higher planet on the left than on the right.";
  const std::string itself = "A planet cannot aspect itself. Select a different planet.";
  const std::string generational =
      "These are generational, non-personal planets and they do not much affect the "
      "relationship by aspecting each other.";
  const struct {
    B browser;
    bool house;
    CoupleSelection s;  // planet, aspect, second, house
    std::string file, key, refusal;
  } cases[] = {
      // clang-format off
      {B::Composite, false, {}, "C_ASPS.BIN", "Mars discordant to Jupiter", ""},
      {B::Synastry, false, {}, "S_ASPS.BIN", "Mars square Jupiter", ""},
      {B::Composite, true, {}, "C_HOUSES.BIN", "Mars in 7th house", ""},
      {B::Composite, true, {1, 0, 0, 3}, "C_HOUSES.BIN", "Moon in 4th house", ""},
      {B::Composite, true, {10, 0, 0, 0}, "", "", "The Ascendant is always the 1st house cusp. It cannot be in a house."},
      {B::Composite, false, {0, 1, 1, 0}, "C_ASPS.BIN", "Sun harmonizing with Moon", ""},
      {B::Synastry, false, {0, 0, 1, 0}, "S_ASPS.BIN", "Sun conjunct Moon", ""},
      {B::Composite, false, {1, 0, 0, 0}, "", "", higher},
      {B::Synastry, false, {1, 0, 0, 0}, "", "", higher},
      {B::Composite, false, {0, 0, 0, 0}, "", "", itself},
      {B::Synastry, false, {0, 4, 0, 0}, "S_ASPS.BIN", "Sun opposite Sun", ""},
      {B::Synastry, false, {7, 3, 9, 0}, "", "", generational},
      {B::Synastry, false, {8, 3, 8, 0}, "", "", generational},
      {B::Synastry, false, {9, 3, 9, 0}, "", "", generational},
      {B::Synastry, false, {6, 3, 9, 0}, "S_ASPS.BIN", "Saturn trine Pluto", ""},
      {B::Composite, false, {8, 0, 9, 0}, "C_ASPS.BIN", "Neptune blending with Pluto", ""},
      {B::Composite, false, {9, 2, 10, 0}, "C_ASPS.BIN", "Pluto discordant to Ascendant", ""},
      {B::Synastry, false, {10, 1, 10, 0}, "S_ASPS.BIN", "Ascendant sextile Ascendant", ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    const MeaningLookup got = c.house ? LookUpCompositeHouse(c.s) : LookUpCoupleAspect(c.browser, c.s);
    EXPECT_EQ(got.fileName + "|" + got.key + "|" + got.refusal,
              c.file + "|" + c.key + "|" + c.refusal);
  }
}

// Every choice the couple browsers accept finds a section of the shipped
// files: a key line (after the five-character prefix) with text after it.
TEST(MeaningBrowsers, EveryCoupleChoiceFindsItsSection) {
  std::map<std::string, std::set<std::string>> keys;
  for (const char* name : {"C_ASPS.BIN", "C_HOUSES.BIN", "S_ASPS.BIN"}) {
    const auto lines = DecodeScrambledLines(
        ReadFileBytes(std::filesystem::path(ORVANTA_DATA_DIR) / name).value_or(""));
    for (std::size_t i = 0; i + 2 < lines.size(); ++i)
      if (lines[i].size() > 5 && lines[i + 1].size() > 40 && lines[i + 2].size() > 5)
        keys[name].insert(lines[i].substr(5));
  }
  int listed = 0;
  const auto find = [&](const MeaningLookup& lookup) {
    if (!lookup.refusal.empty()) return;
    EXPECT_TRUE(keys[lookup.fileName].count(lookup.key)) << lookup.fileName << ": " << lookup.key;
    ++listed;
  };
  for (int planet = 0; planet < 11; ++planet) {
    for (int house = 0; house < 12; ++house) find(LookUpCompositeHouse({planet, 0, 0, house}));
    for (int second = 0; second < 11; ++second) {
      for (int aspect = 0; aspect < 3; ++aspect)
        find(LookUpCoupleAspect(CoupleBrowser::Composite, {planet, aspect, second, 0}));
      for (int aspect = 0; aspect < 5; ++aspect)
        find(LookUpCoupleAspect(CoupleBrowser::Synastry, {planet, aspect, second, 0}));
    }
  }
  // 120 houses, 55 pairs by 3, 66 pairs less 6 generational ones by 5.
  EXPECT_EQ(listed, 120 + 165 + 300);
}

TEST(MeaningBrowsers, KeywordGridTopics) {
  using G = KeywordGrid;
  const std::string nl = "\r\n";
  const struct {
    G grid;
    int row, column;
    std::string cell, start, end;
  } cases[] = {
      // clang-format off
      {G::Personal, 0, 0, "Sun", "Your ego, the inner you, your essence,", "(planets) of your life." + nl + nl + "Best quality: Rulership" + nl + "Worst quality: Dictativeness" + nl + "Thought series: Power" + nl + nl},
      {G::Personal, 0, 1, "Aries", "In the house where Aries rules the cusp is where:" + nl + nl + "you need to grow and develop. There is a need to learn and discover for yourself. New things will be started all the time." + nl + nl + "Best quality: Leadership", "meddling)" + nl + "Thought series: Egotistical"},
      {G::Vocational, 0, 3, "Fire", "Inspiration, spiritual power, impulse, drive, dynamic energy, enthusiasm, motivation of power and conviction. The leader.", ""},
      {G::Vocational, 1, 2, "2nd house", "Financial transactions, banking, caretaker of possessions, appraiser, financial broker, cash accounting clerk, bank teller, claims adjuster, bondsmen, securities agent, payroll clerk, buyer, auctioneer. Activities concerned with people's finances and possessions.", ""},
      {G::Personal, 10, 0, "Aspects",
       "Conjunction    =  Prominence      Semi-sextile =  Growth" + nl +
       "Sextile            =  Opportunity       Square         =  Obstacle" + nl +
       "Trine               =  Luck                 Quincunx     =  Expansion" + nl +
       "Semi-square   =  Friction              Opposition   =  Separation" + nl +
       "Sesquisquare =  Agitation            Parallel        =  Intensity" + nl, ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(KeywordGridCell(c.grid, c.row, c.column), c.cell);
    const auto text = KeywordTopicText(c.grid, c.cell);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->substr(0, c.start.size()), c.start);
    EXPECT_TRUE(text->ends_with(c.end));
  }
  // Every non-empty cell of both grids has a text, distinct within a window;
  // the two empty cells have none.
  for (const G grid : {G::Personal, G::Vocational}) {
    std::set<std::string> texts;
    for (int r = 0; r < kKeywordGridRows; ++r)
      for (int c = 0; c < kKeywordGridColumns; ++c) {
        const std::string_view cell = KeywordGridCell(grid, r, c);
        const bool empty = c == 3 && (r == 4 || r == 8);
        EXPECT_EQ(cell.empty(), empty);
        const auto text = KeywordTopicText(grid, cell);
        EXPECT_EQ(text.has_value(), !empty) << cell;
        EXPECT_TRUE(!text || texts.insert(*text).second) << cell;
      }
    EXPECT_EQ(texts.size(), 46u);
  }
  EXPECT_FALSE(KeywordTopicText(G::Personal, "Mercury (2)"));
  EXPECT_FALSE(KeywordTopicText(G::Personal, "sun"));
}

}  // namespace
}  // namespace orv
