// Single-wheel placement on hand-worked charts: an equal frame (house 1 from
// 0 degrees, the Descendant at 180) with points put where their slots and
// angles can be worked out from the rules.

#include <gtest/gtest.h>

#include <set>

#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPlacement.h"

namespace orv {
namespace {

// Points 1..16 at `values`; those not given sit at 100 + 20 k in houses
// 4..12, out of the way.
SingleWheelInputs Equal(std::initializer_list<std::pair<int, double>> values, int typeChart = 0) {
  SingleWheelInputs in;
  in.cusps = EqualFrameCusps();
  for (int p = 1; p <= NumPoints; ++p) in.values[std::size_t(p)] = 95 + 16.0 * (p - 1);
  for (auto [p, v] : values) in.values[std::size_t(p)] = v;
  in.housePositions =
      PlacePlanetsInHouses(std::string(NumPoints * 10, ' '), in.values, in.cusps, HouseLabels);
  in.typeChart = typeChart;
  in.retroFlags = std::string(NumPoints, ' ');
  return in;
}

const PlacedLabel* Find(const std::vector<PlacedLabel>& labels, int point) {
  for (const PlacedLabel& l : labels)
    if (l.point == point) return &l;
  return nullptr;
}

TEST(WheelPlacement, SlotsAndAnglesAmericanAndEuropean) {
  using namespace ChartPoint;
  const struct {
    const char* what;
    SingleWheelInputs in;
    int point, slot;
    double angle;
  } cases[] = {
      // Sun 10 past the cusp of a 30-degree house: slot Fix(7 x 10 / 30) = 2.
      {"proportional", Equal({{Sun, 10}, {Moon, 12}}), Sun, 2, 188},
      {"next slot on a clash", Equal({{Sun, 10}, {Moon, 12}}), Moon, 3, 192},
      {"exactly on the cusp", Equal({{Sun, 0}}), Sun, 0, 180},
      // Its record names the 1st house; 359.99999 past that cusp is 0.
      {"a hair before the cusp", Equal({{Sun, 359.99999}}), Sun, 0, 180},
      // European: the true angle from the Descendant, 4 degrees after a
      // glyph closer than that.
      {"true angle", Equal({{Sun, 10}, {Moon, 12}}, 1), Sun, 2, 190},
      {"pushed 4 degrees", Equal({{Sun, 10}, {Moon, 12}}, 1), Moon, 3, 194},
  };
  for (const auto& c : cases) {
    const auto labels = PlaceSingleWheel(c.in);
    const PlacedLabel* l = Find(labels, c.point);
    ASSERT_TRUE(l) << c.what;
    EXPECT_EQ(l->slot, c.slot) << c.what;
    EXPECT_NEAR(l->angle, c.angle, 1e-9) << c.what;
    if (c.in.typeChart == 0) {
      EXPECT_EQ(l->radius, derived::GlyphRadius(int(c.angle)));
    }
  }
}

TEST(WheelPlacement, CrowdedDisabledAndDegenerateHouses) {
  using namespace ChartPoint;
  // Eight entries in the 1st house, seven slots: no South Node, no Part of
  // Fortune, the others all placed apart.
  SingleWheelInputs crowded = Equal({{Sun, 1}, {Moon, 3}, {Mercury, 5}, {Venus, 7}, {Mars, 9},
                                     {SouthNode, 11}, {PartOfFortune, 13}, {Jupiter, 15}});
  const auto labels = PlaceSingleWheel(crowded);
  EXPECT_FALSE(Find(labels, SouthNode));
  EXPECT_FALSE(Find(labels, PartOfFortune));
  std::set<int> slots;
  for (const PlacedLabel& l : labels)
    if (l.house == 1) slots.insert(l.slot);
  EXPECT_EQ(slots.size(), 6u);

  // A disabled point is not drawn but keeps its room: the house still
  // counts it.
  SingleWheelInputs disabled = Equal({{Sun, 10}, {Moon, 12}});
  disabled.enabled[Sun - 1] = '0';
  const auto without = PlaceSingleWheel(disabled);
  EXPECT_FALSE(Find(without, Sun));
  EXPECT_EQ(Find(without, Moon)->slot, 2);
  EXPECT_EQ(BuildWheelList(disabled.values, disabled.housePositions).houseCounts[1], 2);

  // Coinciding cusps: a house of no width puts its points at slot 0; a
  // record with no house is passed over.
  SingleWheelInputs flat = Equal({{Sun, 0}});
  flat.cusps[5] = 0;  // the 2nd cusp on the 1st
  flat.housePositions.replace(0, 10, " 1ST HOUSE");
  EXPECT_EQ(Find(PlaceSingleWheel(flat), Sun)->slot, 0);
  flat.housePositions.replace(0, 10, "---- -----");
  EXPECT_FALSE(Find(PlaceSingleWheel(flat), Sun));

  // The helio wheel draws no Moon, nodes, Part of Fortune or angles, and no
  // retrograde mark.
  SingleWheelInputs helio = Equal({});
  helio.helio = true;
  helio.retroFlags = std::string(NumPoints, 'R');
  for (const PlacedLabel& l : PlaceSingleWheel(helio)) {
    EXPECT_TRUE(l.point < Moon || l.point == Chiron) << l.point;
    EXPECT_FALSE(l.retrograde);
  }
}

TEST(WheelPlacement, LabelOrderListRotationAndDeclinationHouses) {
  // American: houses 1-3 and 10-12 from the rim inward, 4-9 the other way;
  // option 28 moves the boundary by one house.
  for (int layout : {0, 1}) {
    SingleWheelInputs in = Equal({});
    in.glyphLayout = layout;
    for (int p = 1; p <= NumPoints; ++p) in.values[std::size_t(p)] = 30.0 * ((p - 1) % 12) + 10;
    in.housePositions = PlacePlanetsInHouses(in.housePositions, in.values, in.cusps, HouseLabels);
    for (const PlacedLabel& l : PlaceSingleWheel(in)) {
      const int boundary = layout == 1 ? 3 : 4;
      EXPECT_EQ(l.leftSideOrder, l.house < boundary || l.house > boundary + 5) << l.house;
    }
  }
  // The list turns until its first and last entries lie in different houses;
  // a list all in one house stays as it was.
  PointArray<double> v{};
  for (int p = 1; p <= NumPoints; ++p) v[std::size_t(p)] = 1 + p;
  std::string records;
  for (int p = 1; p <= NumPoints; ++p) records += " 1ST HOUSE";
  EXPECT_EQ(BuildWheelList(v, records).points[1], NumPoints);
  // The largest and the smallest value in one house: a group split across
  // the list's ends, joined by one turn.
  records.replace(0, 10, " 2ND HOUSE");
  records.replace(150, 10, " 2ND HOUSE");
  const WheelList turned = BuildWheelList(v, records);
  EXPECT_EQ(turned.points[1], 1);
  EXPECT_NE(turned.houses[1], turned.houses[NumPoints]);

  // Declination wheel: each house sized by its own count; the 1st house's
  // five entries take five slots of 6 degrees, not the 2nd house's.
  SingleWheelInputs decl = Equal({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 40}});
  decl.declination = true;
  const auto placed = PlaceSingleWheel(decl);
  EXPECT_EQ(DeclinationHouseSlots(5).capacity, 5);
  EXPECT_NEAR(Find(placed, 5)->angle, 182 + 4 * 6.0, 1e-9);
  EXPECT_NEAR(Find(placed, 6)->angle, 212 + 1 * 7.5, 1e-9);
  EXPECT_EQ(Find(placed, 6)->radius, WheelRadius + 5);
}

}  // namespace
}  // namespace orv
