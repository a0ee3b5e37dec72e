#include <gtest/gtest.h>

#include "CommandFixture.h"
#include "commands/CoupleAndStateCommands.h"
#include "core/OptionNumbers.h"
#include "listings/CompositeListings.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace P = ChartPoint;
namespace O = OptionNumber;

OptionValues GridOptions(float orb, float nodes, float lights, float quincunx) {
  OptionValues options{};
  options[O::CompositeOrb] = orb;
  options[O::CompositeOrbNodes] = nodes;
  options[O::CompositeOrbLights] = lights;
  options[O::CompositeQuincunxOrb] = quincunx;
  options[O::CompositeMidpointHouses] = 1;
  return options;
}

TEST(CompositeListings, NamesLineAndRowColumns) {
  EXPECT_EQ(CompositeNamesLine("Jane Doe", "John Roe"), "  Jane Doe" + std::string(19, ' ') +
                                                            "John Roe" + std::string(20, ' ') +
                                                            "Composite Planets");
  // Cut to 26: one blank before name2, two before the title.
  const std::string longName(30, 'x');
  EXPECT_EQ(CompositeNamesLine(longName, longName),
            "  " + std::string(26, 'x') + " " + std::string(26, 'x') + "  Composite Planets");
  // Names are counted and cut by characters: accented letters take two
  // bytes but one column, and a cut never splits one.
  EXPECT_EQ(CompositeNamesLine("José Pérez", "Ana"),
            "  José Pérez" + std::string(17, ' ') + "Ana" + std::string(25, ' ') +
                "Composite Planets");
  std::string accented;
  for (int i = 0; i < 30; ++i) accented += "é";
  std::string cut;
  for (int i = 0; i < 26; ++i) cut += "é";
  EXPECT_EQ(CompositeNamesLine(accented, "x"),
            "  " + cut + " x" + std::string(27, ' ') + "Composite Planets");

  // The Sun at 15 ARI 20, 03 LEO 05 and 09 GEM 12, the composite flagged.
  ChartModel charts;
  charts.Natal.Longitudes[P::Sun] = 15 + 20 / 60.0;
  charts.Diurnal.Longitudes[P::Sun] = 123 + 5 / 60.0;
  charts.Diurnal.RetroFlags = "R" + std::string(15, ' ');
  CompositeChart composite;
  composite.longitudes[P::Sun] = 69.2;
  composite.retroFlags = "A" + std::string(15, ' ');
  const std::string row = CompositePlanetRow(P::Sun, charts, composite);
  ASSERT_EQ(row.size(), 80u);
  EXPECT_EQ(row.substr(2, 9), "15 ARI 20");   // columns 3-11
  EXPECT_EQ(row.substr(29, 9), "03 LEO 05");  // columns 30-38
  EXPECT_EQ(row.substr(57, 9), "09 GEM 12");  // columns 58-66
  EXPECT_EQ(row.substr(13, 11), "SUN        ");
  EXPECT_EQ(row.substr(41, 11), "SUN       R");
  EXPECT_EQ(row.substr(69, 11), "SUN       A");
}

TEST(CompositeListings, OrbsBandsAndCells) {
  const OptionValues options = GridOptions(8, 5, 10, 3);
  struct OrbCase {
    int i, j;
    float orb;
  };
  const OrbCase orbs[] = {{P::Mercury, P::PartOfFortune, 8},  // the Part of Fortune: ordinary
                          {P::Mars, P::NorthNode, 5},        {P::SouthNode, P::Chiron, 5},
                          {P::Sun, P::NorthNode, 10},  // the lights win over the nodes
                          {P::Moon, P::SouthNode, 10},       {P::Sun, P::Moon, 10}};
  for (const OrbCase& c : orbs) EXPECT_EQ(CompositePairOrb(c.i, c.j, options), c.orb);

  struct BandCase {
    double s;
    float orb, quincunxOrb;
    std::string cell;
  };
  const BandCase bands[] = {
      {68, 8, 3, " 60  "},    {68.5, 8, 3, "---  "},  // inclusive bounds
      {75, 16, 3, " 90  "},                           // sextile and square: the later wins
      {150, 8, 0, "150  "},   {150.01, 8, 0, "---  "}, {147, 30, 3, "150  "}, {172, 8, 3, "180  "},
      {171.9, 8, 3, "---  "}, {8, 8, 3, "  0  "},      {112, 8, 3, "120  "},  {0, 0, 0, "  0  "},
  };
  for (const BandCase& c : bands) {
    EXPECT_EQ(CompositeCell(CompositeAspectCode(c.s, c.orb, c.quincunxOrb)), c.cell) << c.s;
  }
}

TEST(CompositeListings, GridRows) {
  // The Sun at 0, the Part of Fortune trine, the South Node sextile, the
  // rest far from any aspect to the Sun.
  PointArray<double> lon{};
  const double far[] = {0, 0, 20, 25, 200, 205, 210, 215, 220, 225, 230, 300, 60, 120, 135, 75, 40};
  for (int p = 1; p <= NumPoints; ++p) lon[size_t(p)] = far[p];
  const auto rows = CompositeGridRows(lon, GridOptions(8, 5, 10, 3));
  ASSERT_EQ(rows.size(), 16u);
  EXPECT_EQ(rows[0].substr(0, 32), "  SUN  ---  ---  ---  120   60  ");
  // The Sun: a cell under each of the 15 columns; Mercury: 14 and "***"
  // under its own.
  EXPECT_EQ(rows[0].size(), 7u + 15 * 5);
  EXPECT_EQ(rows[1].size(), 7u + 15 * 5);
  EXPECT_EQ(rows[1].substr(rows[1].size() - 5), "***  ");
  const char* labels[] = {"SUN", "MER", "VEN", "MAR", "JUP", "SAT", "URA", "NEP",
                          "PLU", "MOO", "N.N", "S.N", "PoF", "ASC", "MC ", "CHI"};
  for (size_t k = 0; k < rows.size(); ++k)
    EXPECT_EQ(rows[k].substr(2, 5), labels[k] + std::string("  "));
  EXPECT_EQ(rows[15], "  CHI  ***  ");
}

TEST(CompositeListings, Page) {
  test::CommandFixture f;
  ASSERT_TRUE(ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options));
  ASSERT_NE(f.wb.Options[O::CompositeMidpointHouses], 0);  // midpoint houses
  ShowComposite(f.wb, SecondPersonBox{true, "John Roe"}, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "composite.txt");
  EXPECT_TRUE(f.host.prompts.empty());
  EXPECT_TRUE(f.host.messages.empty());
  // The composite Sun lies midway between 51.21 and 81.62.
  EXPECT_NEAR(CalcCompositeOf(f.wb.Charts, f.wb.Options, f.host).longitudes[P::Sun],
              (51.208871 + 81.623570) / 2, 1e-9);
}

TEST(CompositeListings, EachBlockAsksForTheLatitude) {
  test::CommandFixture f;
  ASSERT_TRUE(ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options));
  f.wb.Options[O::CompositeMidpointHouses] = 0;
  f.host.promptAnswers = {"40.30", "99"};
  ShowComposite(f.wb, SecondPersonBox{true, "John Roe"}, f.host, f.view);
  EXPECT_EQ(f.host.prompts.size(), 2u);
  ASSERT_EQ(f.view.shown.size(), 1u);
  // Neither block prints houses: the page is the one of midpoint houses.
  test::ExpectGolden(f.view.shown[0], "composite.txt");
}

}  // namespace
}  // namespace orv
