#include <gtest/gtest.h>

#include <string>

#include "core/FixedTables.h"

namespace orv {
namespace {

TEST(FixedTables, PackedStringsHaveTheirFieldCounts) {
  EXPECT_EQ(PointNames10.size(), 160u);
  EXPECT_EQ(SignAbbreviations.size(), 36u);
  EXPECT_EQ(HouseLabels.size(), 52u);
  EXPECT_EQ(AspectNames.size(), 216u);
}

TEST(FixedTables, PointNameFieldsAndTheirFirstThreeCharacters) {
  struct Case {
    int point;
    std::string_view field;
    std::string_view first3;
  };
  const Case cases[] = {
      {1, "SUN       ", "SUN"},  {2, "MERCURY   ", "MER"},  {3, "VENUS     ", "VEN"},
      {4, "MARS      ", "MAR"},  {5, "JUPITER   ", "JUP"},  {6, "SATURN    ", "SAT"},
      {7, "URANUS    ", "URA"},  {8, "NEPTUNE   ", "NEP"},  {9, "PLUTO     ", "PLU"},
      {10, "MOON      ", "MOO"}, {11, "N. NODE   ", "N. "}, {12, "S. NODE   ", "S. "},
      {13, "Part F.   ", "Par"}, {14, "ASC       ", "ASC"}, {15, "MC        ", "MC "},
      {16, "CHIRON    ", "CHI"},
  };
  for (const auto& c : cases) {
    const auto field = PackedField(PointNames10, c.point, PointNameWidth);
    EXPECT_EQ(field, c.field) << c.point;
    EXPECT_EQ(field.substr(0, 3), c.first3) << c.point;
  }
}

TEST(FixedTables, HouseLabelsAndSigns) {
  const std::string_view labels[] = {"10TH", "11TH", "12TH", " 1ST", " 2ND", " 3RD", " 4TH",
                                     " 5TH", " 6TH", " 7TH", " 8TH", " 9TH", "    "};
  for (int i = 1; i <= 13; ++i)
    EXPECT_EQ(PackedField(HouseLabels, i, HouseLabelWidth), labels[i - 1]) << i;

  const std::string_view signs[] = {"ARI", "TAU", "GEM", "CAN", "LEO", "VIR",
                                    "LIB", "SCO", "SAG", "CPR", "AQU", "PIS"};
  for (int s = 1; s <= 12; ++s)
    EXPECT_EQ(PackedField(SignAbbreviations, s, SignAbbreviationWidth), signs[s - 1]) << s;
  EXPECT_EQ(PackedField(SignAbbreviations, 13, SignAbbreviationWidth), "");
}

TEST(FixedTables, AspectNamesAndAnglesByCode) {
  struct Case {
    int code;
    std::string_view name;
    int angle;
  };
  const Case cases[] = {
      {1, "            ", 0},    {2, "conjunct    ", 0},    {3, "sextile     ", 60},
      {4, "square      ", 90},   {5, "trine       ", 120},  {6, "opposite    ", 180},
      {7, "PARALLEL    ", 0},    {8, "s.sextile   ", 30},   {9, "s.square    ", 45},
      {10, "ses.square  ", 135}, {11, "quincunx    ", 150}, {12, "s.quintile  ", 36},
      {13, "nonagen     ", 40},  {14, "quintile    ", 72},  {15, "trecile     ", 108},
      {16, "bi-quintile ", 144}, {17, "septile     ", 51},  {18, "quindecile  ", 165},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PackedField(AspectNames, c.code, AspectNameWidth), c.name) << c.code;
    EXPECT_EQ(AspectAngles[size_t(c.code)], c.angle) << c.code;
  }
  EXPECT_EQ(AspectAngles[0], 0);
}

TEST(FixedTables, PointNameArrays) {
  const std::string_view names[] = {"",        "SUN",     "MERCURY", "VENUS", "MARS",   "JUPITER",
                                    "SATURN",  "URANUS",  "NEPTUNE", "PLUTO", "MOON",   "N. NODE",
                                    "S. NODE", "Part F.", "ASC",     "MC ",   "CHIRON "};
  for (int n = 0; n <= NumPoints; ++n) EXPECT_EQ(PointNames[size_t(n)], names[n]) << n;

  const std::string_view report[] = {"",        "Sun",    "Moon",   "Mercury",  "Venus", "Mars",
                                     "Jupiter", "Saturn", "Uranus", "Neptune",  "Pluto", "N_Node",
                                     "S_Node",  "P_of_F", "Asc",    "M_Heaven", "Chiron"};
  for (int n = 0; n <= NumPoints; ++n) EXPECT_EQ(ReportPointNames[size_t(n)], report[n]) << n;

  for (size_t n = 1; n < PointNames9.size(); ++n)
    EXPECT_EQ(PointNames9[n].size(), n == 12 ? 0u : 9u) << n;
  EXPECT_EQ(PointNames9[11], "NN       ");
  EXPECT_EQ(PointNames9[13], "PART F.  ");
  EXPECT_EQ(PointNames9[14], "ASCENDANT");
}

TEST(FixedTables, StartingFlagsAndHousePositions) {
  EXPECT_EQ(InitialRetroFlags(), std::string(16, ' '));

  const auto positions = InitialHousePositions();
  ASSERT_EQ(positions.size(), 160u);
  EXPECT_EQ(positions.substr(130, 20), "---- --------- -----");  // characters 131 to 150
  EXPECT_EQ(positions.substr(0, 130), std::string(130, ' '));
  EXPECT_EQ(positions.substr(150), std::string(10, ' '));
}

}  // namespace
}  // namespace orv
