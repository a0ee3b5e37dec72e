#include <gtest/gtest.h>

#include <string>

#include "core/FixedTables.h"

namespace orv {
namespace {

// The irregular entries the golden listing pages do not show.
TEST(FixedTables, PackedFieldsAndTheirIrregularEntries) {
  EXPECT_EQ(PackedField(SignAbbreviations, 13, SignAbbreviationWidth), "");
  EXPECT_EQ(PackedField(HouseLabels, 13, HouseLabelWidth), "    ");
  EXPECT_EQ(PackedField(AspectNames, 1, AspectNameWidth), "            ");
  EXPECT_EQ(PackedField(AspectNames, 16, AspectNameWidth), "bi-quintile ");
  EXPECT_EQ(PackedField(AspectNames, 18, AspectNameWidth), "quindecile  ");
}

TEST(FixedTables, AnglesAndNameArraysKeepTheirQuirks) {
  const int angles[] = {0,   0,   0,  60, 90, 120, 180, 0,  30, 45,
                        135, 150, 36, 40, 72, 108, 144, 51, 165};
  for (int code = 0; code <= MaxAspectCode; ++code)
    EXPECT_EQ(AspectAngles[size_t(code)], angles[code]) << code;  // the septile is a whole 51
  EXPECT_EQ(PointNames[ChartPoint::MC], "MC ");
  EXPECT_EQ(PointNames[ChartPoint::Chiron], "CHIRON ");
  EXPECT_EQ(ReportPointNames[2], "Moon");  // the Moon second here
  EXPECT_EQ(ReportPointNames[15], "M_Heaven");
  for (size_t n = 1; n < PointNames9.size(); ++n)
    EXPECT_EQ(PointNames9[n].size(), n == 12 ? 0u : 9u) << n;
  EXPECT_EQ(PointNames9[14], "ASCENDANT");
}

TEST(FixedTables, StartingFlagsAndHousePositions) {
  EXPECT_EQ(InitialRetroFlags(), std::string(16, ' '));
  // Characters 131 to 150: the Ascendant and MC records.
  EXPECT_EQ(InitialHousePositions(),
            std::string(130, ' ') + "---- --------- -----" + std::string(10, ' '));
}

}  // namespace
}  // namespace orv
