#include <gtest/gtest.h>

#include <algorithm>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "listings/PositionListings.h"

namespace orv {
namespace {

// The index of the first line equal to `text` in `lines`, or lines.size().
size_t IndexOf(const std::vector<std::string>& lines, const std::string& text) {
  return size_t(std::find(lines.begin(), lines.end(), text) - lines.begin());
}

// Columns `first`..`last` (1-based, inclusive) of `line`.
std::string Columns(const std::string& line, size_t first, size_t last) {
  return line.substr(first - 1, last - first + 1);
}

TEST(NatalData, HouseCuspSection) {
  ChartModel m = test::FixedCharts();
  test::PageFixture f;
  ListNatalData(f.page, m, AntiscionAxis::Solstice);
  const auto& l = f.lines();
  ASSERT_GE(l.size(), 6u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "  HOUSE CUSPS - Placidus");
  // Cusps 47.536414 (MC), 82.696688, 115.537378; 144.234167 (Asc) ...
  EXPECT_EQ(l[2], "  10TH house = 17 TAU 32 11TH house = 22 GEM 42 12TH house = 25 CAN 32");
  EXPECT_EQ(l[3], "   1ST house = 24 LEO 14  2ND house = 16 VIR 54  3RD house = 14 LIB 38");
  for (size_t i = 2; i <= 5; ++i) EXPECT_EQ(l[i].size(), 70u) << i;
  EXPECT_EQ(l[6], "");

  m.HouseSystem = HouseSystemCode::EqualAscendant;
  test::PageFixture g;
  ListNatalData(g.page, m, AntiscionAxis::Solstice);
  EXPECT_EQ(g.lines()[1], "  HOUSE CUSPS - Equal - Ascendant");
}

TEST(NatalData, PointRowsAndFooter) {
  ChartModel m = test::FixedCharts();
  m.Natal.Declinations[ChartPoint::Jupiter] = -23.5;
  test::PageFixture f;
  ListNatalData(f.page, m, AntiscionAxis::Solstice);
  const auto& l = f.lines();
  // Rows: the Sun, the Moon, Mercury to Pluto, the node, Part F., ASC, MC,
  // Chiron; no South Node.
  const char* names[] = {"SUN       ", "MOON      ", "MERCURY   ", "VENUS     ", "MARS      ",
                         "JUPITER   ", "SATURN    ", "URANUS    ", "NEPTUNE   ", "PLUTO     ",
                         "N. NODE   ", "Part F.   ", "ASC       ", "MC        ", "CHIRON    "};
  for (size_t r = 0; r < 15; ++r) {
    const std::string& row = l[7 + r];
    EXPECT_EQ(Columns(row, 20, 29), names[r]) << r;
    EXPECT_EQ(row.size(), r < 10 ? 79u : 69u) << row;  // a latitude for Sun..Pluto only
  }
  // The Sun, 51.208871: 21 TAU 12m 31s, 10th house, declination 18.065697.
  EXPECT_EQ(l[7],
            "  21 TAU 12m 31s   SUN            (10TH HOUSE)    18 N 04   08 LEO 47   00 N 00");
  // Jupiter is retrograde: "R" in column 30; its declination in 51-57.
  const std::string& jupiter = l[7 + 5];
  EXPECT_EQ(Columns(jupiter, 30, 30), "R");
  EXPECT_EQ(Columns(jupiter, 51, 57), "23 S 30");
  EXPECT_EQ(Columns(l[7], 30, 30), " ");
  // The footer names the columns from below.
  EXPECT_EQ(l[22], std::string(51, ' ') + "Decl.   Solstice Pt    Lat.");
  EXPECT_EQ(l[23], "");
  // The true node line.
  EXPECT_EQ(l[24], "  12 LIB 21m 27s   TRUE NORTH NODE                04 S 53   17 PIS 39");
}

TEST(NatalData, SolsticePointByOption) {
  ChartModel m = test::FixedCharts();
  m.Natal.Longitudes[ChartPoint::Sun] = 10;
  m.Natal.Longitudes[ChartPoint::Moon] = 180;
  for (auto [axis, sun, moon] : {std::tuple{AntiscionAxis::Solstice, "20 VIR 00", "00 ARI 00"},
                                 std::tuple{AntiscionAxis::Equinox, "20 PIS 00", "00 LIB 00"}}) {
    test::PageFixture f;
    ListNatalData(f.page, m, axis);
    EXPECT_EQ(Columns(f.lines()[7], 61, 69), sun);
    EXPECT_EQ(Columns(f.lines()[8], 61, 69), moon);
  }
}

TEST(NatalData, DecanatesAndHelioSection) {
  EXPECT_EQ(DecanateKeyword(10), "Exaltation");
  EXPECT_EQ(DecanateKeyword(9.99), "Activity");
  EXPECT_EQ(DecanateKeyword(0), "Activity");
  EXPECT_EQ(DecanateKeyword(215), "Resourcefulness");
  EXPECT_EQ(DecanateKeyword(349.99), "Self-sacrifice");
  EXPECT_EQ(DecanateKeyword(350), "Vicissitudes");
  EXPECT_EQ(DecanateKeyword(359.5), "Vicissitudes");

  ChartModel m = test::FixedCharts();
  test::PageFixture f;
  ListNatalData(f.page, m, AntiscionAxis::Solstice);
  const auto& l = f.lines();
  const size_t d = IndexOf(l, "  PLANET   is in Decanate of");
  ASSERT_LT(d, l.size());
  EXPECT_EQ(l[d - 1], "");
  EXPECT_EQ(l[d + 1], "  ------   -----------------");
  EXPECT_EQ(l[d + 2], "  SUN      Mastership");   // 51.2
  EXPECT_EQ(l[d + 13], "  S. NODE  Exaltation");  // 11.1, the South Node included
  EXPECT_EQ(l[d + 16], "  MC       Struggle");    // "MC " padded to 9
  EXPECT_EQ(l[d + 17], "  CHIRON   Repression");  // 327.5

  const size_t h = IndexOf(l, "  HELIO PLANET POSITIONS");
  ASSERT_EQ(h + 11, l.size());  // ten rows end the listing
  EXPECT_EQ(l[h - 1], "");
  EXPECT_EQ(l[h + 1], "  21 SCO 13   EARTH     ");
  EXPECT_EQ(l[h + 2], "  23 AQU 01   MERCURY        06 S 59");
  EXPECT_EQ(l[h + 10], "  23 AQU 50   CHIRON         06 N 17");
}

TEST(NatalData, LoadsChartOneIntoTheWorkingChart) {
  ChartModel m = test::FixedCharts();
  test::PageFixture f;
  ListNatalData(f.page, m, AntiscionAxis::Solstice);
  EXPECT_EQ(m.Kind, ChartKind::Natal);
  EXPECT_EQ(m.Working.Longitudes, m.Natal.Longitudes);
  EXPECT_EQ(m.Working.Declinations, m.Natal.Declinations);
  EXPECT_EQ(m.Working.Cusps, m.Natal.Cusps);
  EXPECT_EQ(m.Working.HousePositions, m.Natal.HousePositions);
  EXPECT_EQ(m.Working.RetroFlags, m.Natal.RetroFlags);
}

TEST(TransitData, HousesOnlyForASecondPerson) {
  ChartModel m = test::FixedCharts();
  {
    test::PageFixture f;
    ListTransitPositions(f.page, m, SecondPersonBox{}, AntiscionAxis::Solstice);
    const auto& l = f.lines();
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "  TRANSIT POSITIONS");
    EXPECT_EQ(l[2], "  12 Jun 2026    TZ = 5.0      9.00 A.M.   71w04    42n21");
    EXPECT_EQ(l[4], "  HOUSE CUSPS - Placidus");
    for (size_t r = 10; r < 25; ++r) {
      EXPECT_EQ(Columns(l[r], 35, 50), std::string(16, ' ')) << l[r];
      EXPECT_EQ(l[r].size(), 69u);  // no latitude
    }
    // Pluto is retrograde in chart 2, Neptune direct.
    EXPECT_EQ(l[18], "  04 ARI 15m 17s   NEPTUNE                        00 N 27   25 VIR 45");
    EXPECT_EQ(l[19], "  05 AQU 12m 09s   PLUTO     R                    23 S 00   24 SCO 48");
    EXPECT_EQ(l[25], std::string(51, ' ') + "Decl.   Solstice Pt");
    EXPECT_EQ(l[26], "");
    EXPECT_EQ(l[27], "  HELIO PLANET POSITIONS");
    EXPECT_EQ(l.size(), 38u);
    EXPECT_EQ(m.Kind, ChartKind::Second);
    EXPECT_EQ(m.Working.Longitudes, m.Diurnal.Longitudes);
  }
  {
    test::PageFixture f;
    ListTransitPositions(f.page, m, SecondPersonBox{true, "John Roe"}, AntiscionAxis::Solstice);
    const auto& l = f.lines();
    EXPECT_EQ(l[1], "  John Roe's NATAL POSITIONS");
    EXPECT_EQ(Columns(l[10], 35, 50), "(11TH HOUSE)    ");
    EXPECT_EQ(Columns(l[19], 35, 50), "( 6TH HOUSE)    ");
  }
}

}  // namespace
}  // namespace orv
