#include <gtest/gtest.h>

#include "CommandFixture.h"
#include "commands/CoupleAndStateCommands.h"
#include "core/OptionNumbers.h"
#include "listings/CosmicState.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace P = ChartPoint;

TEST(CosmicState, DignityTables) {
  // Traditional rulers, exaltations and the listing's own terms.
  struct Case {
    double lon;
    int ruler, term, face;
    std::optional<int> exalted;
  };
  const Case cases[] = {
      {0, P::Mars, P::Jupiter, P::Mars, P::Sun},
      {6.0, P::Mars, P::Venus, P::Mars, P::Sun},     // a boundary opens the next term
      {10.0, P::Mars, P::Venus, P::Sun, P::Sun},     // ... and the next face
      {45, P::Venus, P::Jupiter, P::Moon, P::Moon},  // 15 Taurus opens Jupiter's term
      {130, P::Sun, P::Mercury, P::Jupiter, std::nullopt},
      {170, P::Mercury, P::Saturn, P::Mercury, P::Mercury},
      {237.9, P::Mars, P::Saturn, P::Venus, std::nullopt},
      {280, P::Saturn, P::Mercury, P::Mars, P::Mars},
      {355, P::Jupiter, P::Mars, P::Mars, P::Venus},  // face: 355 - 5 x 70 = 5
      {359.99, P::Jupiter, P::Saturn, P::Mars, P::Venus},
  };
  for (const Case& c : cases) {
    const int sign = int(c.lon / 30) + 1;
    EXPECT_EQ(SignRulerOf(sign), c.ruler) << c.lon;
    EXPECT_EQ(ExaltedIn(sign), c.exalted) << c.lon;
    EXPECT_EQ(TermRulerAt(c.lon), c.term) << c.lon;
    EXPECT_EQ(FaceRulerAt(c.lon), c.face) << c.lon;
  }
  // Day and night rulers of fire, earth, air; water is Mars's either way.
  const std::pair<int, int> dayNight[] = {
      {P::Sun, P::Jupiter}, {P::Venus, P::Moon},    {P::Saturn, P::Mercury}, {P::Mars, P::Mars},
      {P::Sun, P::Jupiter}, {P::Venus, P::Moon},    {P::Saturn, P::Mercury}, {P::Mars, P::Mars},
      {P::Sun, P::Jupiter}, {P::Venus, P::Moon},    {P::Saturn, P::Mercury}, {P::Mars, P::Mars}};
  for (int sign = 1; sign <= 12; ++sign) {
    EXPECT_EQ(TriplicityRulerOf(sign, true), dayNight[sign - 1].first) << sign;
    EXPECT_EQ(TriplicityRulerOf(sign, false), dayNight[sign - 1].second) << sign;
  }
  EXPECT_TRUE(InDetriment(P::Mercury, 330) && InFall(P::Mercury, 359.9));
  EXPECT_TRUE(InDetriment(P::Saturn, 149.9) && !InDetriment(P::Saturn, 150));
  EXPECT_TRUE(InFall(P::Sun, 180) && !InFall(P::Sun, 210));
  EXPECT_FALSE(InDetriment(P::Uranus, 0) || InFall(P::Uranus, 0));
}

TEST(CosmicState, SpeedAndRate) {
  struct Case {
    int planet;
    double motion;
    std::string_view speed;
    std::string rate;
  };
  const Case cases[] = {
      {P::Sun, 0.9856103, "AVG.", "     0d 59m"},
      {P::Sun, 1.0166, "FAST", "     1d 01m"},
      {P::Jupiter, -0.125834, "FAST", "     0d 08m"},  // retrograde speed counts too
      {P::Saturn, 0.0083, "stat", "     0d 00m"},
      {P::Mercury, -0.00833333, "SLOW", "     0d 00m"},
      {P::Moon, 12.344459, "SLOW", "    12d 21m"},  // one blank fewer for the Moon
      {P::Moon, 13.176541, "AVG.", "    13d 11m"},
      {P::Mars, 0.9999, "FAST", "     1d 00m"},  // 59.994 minutes: the next degree
      {P::Uranus, 0.05, "AVG.", "     0d 03m"},  // no mean motion to judge by
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CosmicSpeedClass(c.planet, c.motion), c.speed) << c.planet << " " << c.motion;
    EXPECT_EQ(CosmicRate(c.planet, c.motion), c.rate) << c.planet << " " << c.motion;
  }
}

// Receptions of every kind, the Sun in the 10th house (a day chart), all
// options 0: each strength is dignities, debilities and receptions alone.
ChartModel ReceptionChart() {
  ChartModel m;
  m.Natal.Longitudes = {0, 95, 200, 170, 100, 280, 250, 220, 340, 310, 130};
  m.Natal.HousePositions = "10TH HOUSE";
  return m;
}

TEST(CosmicState, ReceptionChartListing) {
  test::PageFixture f;
  ListCosmicState(f.page, ReceptionChart(), OptionValues{});
  EXPECT_EQ(f.host.busyCount, 1);
  EXPECT_EQ(f.host.busyDepth, 0);
  // The heading lines are pinned by the golden page.
  const std::vector<std::string> expected = {
      "  SUN       MOON      JUPITER   MARS      MARS      VENUS     stat       0d 00m      5",
      "  MOON      SUN        ---      SUN       MERCURY   JUPITER   stat      0d 00m      5",
      "  MERCURY   VENUS     SATURN    SATURN    MERCURY   JUPITER   stat       0d 00m      7",
      "  VENUS     MERCURY   MERCURY   VENUS     SATURN    MERCURY   stat       0d 00m      4",
      "  MARS      MOON      JUPITER   MARS      JUPITER   MERCURY   stat       0d 00m      3",
      "  JUPITER   SATURN    MARS      VENUS     MERCURY   MARS      stat       0d 00m      5",
      "  SATURN    JUPITER    ---      SUN       VENUS     MOON      stat       0d 00m      5",
      "",
      "  Peregrine - SUN JUPITER SATURN MOON ",
      "  Detriment - ",
      "  Fall - VENUS MARS JUPITER ",
      "  Mutual Reception (by sign) - SUN-MOON   MERCURY-VENUS   JUPITER-SATURN   ",
      "  Mutual Reception (by sign) - URANUS-PLUTO   ",
      "  Mutual Reception (by exaltation) - MARS-JUPITER   ",
      "  Mixed Reception (sign/exaltation) - VENUS-MERCURY   ",
  };
  EXPECT_EQ(std::vector<std::string>(f.lines().begin() + 3, f.lines().end()), expected);
}

TEST(CosmicState, MotionAndOrientationWeights) {
  // Options 1 to 11 as distinct powers of two, so each sum names its terms.
  OptionValues options{};
  for (int k = 1; k <= 11; ++k) options[size_t(k)] = float(1 << (k - 1));
  ChartModel m = ReceptionChart();
  m.DailyMotion = {0, 1.0, -0.5, 0.005, 0.6, 0.083251, 0.02, 0, 0, 0, 13.176541};
  m.Natal.RetroFlags = " R              ";
  const PointArray<double> scores = RateCosmicState(m, options).scores;
  EXPECT_EQ(scores[P::Sun], 5 + 128 + 16);         // fast, peregrine, no orientation
  EXPECT_EQ(scores[P::Moon], 5 + 512 + 16);        // average; occidental Moon
  EXPECT_EQ(scores[P::Mercury], 7 + 64 + 2);       // retrograde only; occidental
  EXPECT_EQ(scores[P::Venus], 4 + 32 + 256 + 2);   // stationary counts as slow
  EXPECT_EQ(scores[P::Mars], 3 + 32 + 128 + 8);    // occidental by 355
  EXPECT_EQ(scores[P::Jupiter], 5 + 32 + 4 + 16);  // average, oriental by 175
  EXPECT_EQ(scores[P::Saturn], 5 + 32 + 256 + 8 + 16);

  // Exactly opposite the Sun is oriental.
  m.Natal.Longitudes[P::Sun] = 100 + 180;
  m.Natal.RetroFlags = std::string(16, ' ');
  options = {};
  options[OptionNumber::CosmicStateOuterOriental] = 1000;
  EXPECT_EQ(RateCosmicState(m, options).scores[P::Mars], 3 + 1000);
}

TEST(CosmicState, NightChartAndNoReceptions) {
  // Everything at 15 Gemini, the Sun in the 1st house: the night triplicity
  // ruler of air, Jupiter in detriment, no reception of any kind, so the
  // listing ends with the Fall line.
  ChartModel m;
  m.Natal.Longitudes.fill(75);
  m.Natal.HousePositions = " 1ST HOUSE";
  const CosmicStateTable t = RateCosmicState(m, OptionValues{});
  ASSERT_EQ(t.lines.size(), 13u);
  EXPECT_EQ(t.lines[2].substr(0, 62),
            "  SUN       MERCURY    ---      MERCURY   VENUS     MARS      ");
  EXPECT_EQ(t.lines[10], "  Peregrine - SUN JUPITER SATURN MOON ");
  EXPECT_EQ(t.lines[11], "  Detriment - JUPITER ");
  EXPECT_EQ(t.lines[12], "  Fall - ");
  const double expected[] = {0, 0, 5 + 3, 2, 1, -5, 0, 0, 0, 0, 0};
  for (int p = 1; p <= P::Moon; ++p) EXPECT_EQ(t.scores[size_t(p)], expected[p]) << p;
  // The Sun's house decides: up to the 6th a night chart, from the 7th a day chart.
  for (auto [house, ruler] : {std::pair{" 6TH HOUSE", "MERCURY"}, {" 7TH HOUSE", "SATURN "}}) {
    m.Natal.HousePositions = house;
    EXPECT_EQ(RateCosmicState(m, OptionValues{}).lines[2].substr(32, 7), ruler) << house;
  }
}

TEST(CosmicState, Page) {
  test::CommandFixture f;
  ASSERT_TRUE(ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options));
  ShowCosmicState(f.wb, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "cosmic_state.txt");
  EXPECT_TRUE(f.host.messages.empty());
}

}  // namespace
}  // namespace orv
