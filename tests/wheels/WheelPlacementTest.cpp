// Single-wheel placement worked by hand on an equal frame (house 1 from 0
// degrees, the Descendant at 180), the points put where the rules give
// slots and angles that can be counted.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <sstream>

#include "WheelTestCharts.h"
#include "commands/WheelCommands.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "platform/Files.h"
#include "wheels/DerivedWheelTables.h"
#include "wheels/WheelLayout.h"
#include "wheels/WheelPaint.h"
#include "wheels/WheelPlacement.h"

namespace orv {
namespace {

using namespace ChartPoint;

// Points at `values`; the others at 95 + 16 (p - 1), in houses 4..12.
SingleWheelInputs Equal(std::initializer_list<std::pair<int, double>> values, int typeChart = 0) {
  SingleWheelInputs in;
  in.cusps = EqualFrameCusps();
  for (int p = 1; p <= NumPoints; ++p) in.values[std::size_t(p)] = 95 + 16.0 * (p - 1);
  for (auto [p, v] : values) in.values[std::size_t(p)] = v;
  in.housePositions = PlacePlanetsInHouses("", in.values, in.cusps, HouseLabels);
  in.typeChart = typeChart;
  return in;
}

std::optional<PlacedLabel> Find(const SingleWheelInputs& in, int point) {
  for (const PlacedLabel& l : PlaceSingleWheel(in))
    if (l.point == point) return l;
  return std::nullopt;
}

// A house's labels spread in their order round the house, those at one
// angle in the order given, however many: they keep clear of each other
// and of the spokes, squeezed when the house cannot hold them.
TEST(WheelPlacement, SpansSpreadInOrderAndLabelsAtOneAngleAsGiven) {
  const HouseSector house{350, 30};  // across 0 degrees
  const double clear = 0.75 / 150 * 180 / std::numbers::pi;
  for (const std::size_t count : {3, 7, 24, 25, 40}) {
    std::vector<double> angles;
    for (std::size_t k = 0; k < count; ++k) angles.push_back(k % 3 == 1 ? 355.0 : 2.0);
    const std::vector<LabelSpan> spans(count, {0.2, 0.3});
    const double squeeze = FitSpans(house, angles, spans);
    EXPECT_NEAR(squeeze, std::min(1.0, 30 / (clear + double(count) * (0.5 + clear))), 1e-12)
        << count;
    // By offset from the house's start: those at 355 first, then those at
    // 2, each set in the order given.
    std::vector<std::size_t> order;
    for (std::size_t k = 1; k < count; k += 3) order.push_back(k);
    for (std::size_t k = 0; k < count; ++k)
      if (k % 3 != 1) order.push_back(k);
    double low = 0;
    for (const std::size_t k : order) {
      const double rel = Norm360(angles[k] - house.start);
      EXPECT_GE(rel + 1e-9, low + (clear + 0.2) * squeeze) << count << " " << k;
      low = rel + 0.3 * squeeze;
    }
    EXPECT_LE(low + clear * squeeze, 30 + 1e-9) << count;
  }
}

TEST(WheelPlacement, SlotsAndAnglesAmericanAndEuropean) {
  const std::tuple<const char*, SingleWheelInputs, int, int, double> cases[] = {
      // Sun 10 past the cusp of a 30-degree house: slot Fix(7 x 10 / 30) = 2.
      {"proportional", Equal({{Sun, 10}, {Moon, 12}}), Sun, 2, 188},
      // The Moon's slot 3 at 192, then moved clear of the Sun's label.
      {"next slot on a clash", Equal({{Sun, 10}, {Moon, 12}}), Moon, 3, -192},
      // On the cusp: just clear of the spoke, 0.75 units at radius 150.
      {"exactly on the cusp", Equal({{Sun, 0}}), Sun, 0, 180 + 0.2864789},
      // Its record names the 1st house; 359.99999 past that cusp is 0.
      {"a hair before the cusp", Equal({{Sun, 359.99999}}), Sun, 0, 180 + 0.2864789},
      // European: the true angle from the Descendant, 4 degrees after a
      // glyph closer than that.
      {"true angle", Equal({{Sun, 10}, {Moon, 12}}, 1), Sun, 2, 190},
      {"pushed 4 degrees or more", Equal({{Sun, 10}, {Moon, 12}}, 1), Moon, 3, -194},
  };
  for (const auto& [what, in, point, slot, angle] : cases) {
    const auto l = Find(in, point);
    ASSERT_TRUE(l) << what;
    EXPECT_EQ(l->slot, slot) << what;
    // A negative angle: at least that far round.
    if (angle < 0) {
      EXPECT_GE(l->angle, -angle) << what;
      EXPECT_LT(l->angle, -angle + 3) << what;
    } else {
      EXPECT_NEAR(l->angle, angle, 1e-6) << what;
    }
    // No RADIUS.DAT here: the derived radius, not the centre, drawn in just
    // far enough for the glyph's cell to clear the rim.
    EXPECT_LE(l->radius, derived::GlyphRadius(int(std::fabs(angle)) + 1)) << what;
    EXPECT_GT(l->radius, derived::GlyphRadius(int(std::fabs(angle))) - 20) << what;
  }
}

TEST(WheelPlacement, CrowdedDisabledDegenerateAndHelioHouses) {
  // Eight entries in the 1st house, seven slots: all eight drawn, closer,
  // in order and inside the house.
  const SingleWheelInputs crowded = Equal({{Sun, 1},
                                           {Moon, 3},
                                           {Mercury, 5},
                                           {Venus, 7},
                                           {Mars, 9},
                                           {SouthNode, 11},
                                           {ChartPoint::PartOfFortune, 13},
                                           {Jupiter, 15}});
  std::vector<double> first;
  for (const PlacedLabel& l : PlaceSingleWheel(crowded))
    if (l.house == 1) first.push_back(l.angle);
  ASSERT_EQ(first.size(), 8u);
  for (std::size_t k = 1; k < first.size(); ++k) EXPECT_GT(first[k], first[k - 1] + 2.5) << k;
  EXPECT_GT(first.front(), 180);
  EXPECT_LT(first.back(), 210);
  // European, a chart with eight points in a 23-degree 1st house: all after
  // the Ascendant's spoke at 180, before the 2nd cusp's, set closer.
  Workbench wb;
  test::ComputeWheelChart(wb, test::WheelChart::Crowded);
  test::RecordingHost host;
  PrepareSingleWheel(wb, SingleWheelKind::Natal, {}, host);
  const auto full = PlaceSingleWheel(SingleWheelInputsOf(test::PaintInputsOf(wb, 1)));
  const double second = SingleFrameSpokeAngles(1, test::PaintInputsOf(wb).request->Cusps)[1];
  for (std::size_t k = 0; k < full.size(); ++k) {
    if (full[k].house != 1) continue;
    EXPECT_GT(full[k].angle, 180) << full[k].point;
    EXPECT_LT(full[k].angle, second) << full[k].point;
    if (k > 0 && full[k - 1].house == 1) {
      EXPECT_GE(full[k].angle - full[k - 1].angle, 2) << full[k].point;
    }
  }
  // A disabled point is not drawn but its house still counts it.
  SingleWheelInputs disabled = Equal({{Sun, 10}, {Moon, 12}});
  disabled.enabled[Sun - 1] = '0';
  EXPECT_FALSE(Find(disabled, Sun));
  EXPECT_EQ(Find(disabled, Moon)->slot, 2);
  EXPECT_EQ(BuildWheelList(disabled.values, disabled.housePositions).houseCounts[1], 2);
  // Coinciding cusps: a house of no width puts its points at slot 0; a
  // record with no house is passed over.
  SingleWheelInputs flat = Equal({{Sun, 0}});
  flat.cusps[5] = 0;  // the 2nd cusp on the 1st
  EXPECT_EQ(Find(flat, Sun)->slot, 0);
  flat.housePositions.replace(0, 10, "---- -----");
  EXPECT_FALSE(Find(flat, Sun));
  // Heliocentric: no Moon, nodes, Part of Fortune or angles, no retrograde mark.
  SingleWheelInputs helio = Equal({});
  helio.helio = true;
  helio.retroFlags = std::string(NumPoints, 'R');
  for (const PlacedLabel& l : PlaceSingleWheel(helio))
    EXPECT_TRUE((l.point < Moon || l.point == Chiron) && !l.retrograde) << l.point;
}

TEST(WheelPlacement, LabelOrderListRotationAndDeclinationHouses) {
  // American: houses 1-3 and 10-12 from the rim inward, 4-9 the other way;
  // option 28 moves the boundary by one house.
  for (int layout : {0, 1}) {
    SingleWheelInputs in = Equal({});
    in.glyphLayout = layout;
    for (int p = 1; p <= NumPoints; ++p) in.values[std::size_t(p)] = 30.0 * ((p - 1) % 12) + 10;
    in.housePositions = PlacePlanetsInHouses("", in.values, in.cusps, HouseLabels);
    const int boundary = layout == 1 ? 3 : 4;
    for (const PlacedLabel& l : PlaceSingleWheel(in))
      EXPECT_EQ(l.leftSideOrder, l.house < boundary || l.house > boundary + 5) << l.house;
  }
  // The list turns until its ends lie in different houses; a list all in
  // one house stays as it was.
  PointArray<double> v{};
  std::string records;
  for (int p = 1; p <= NumPoints; ++p) {
    v[std::size_t(p)] = 1 + p;
    records += " 1ST HOUSE";
  }
  EXPECT_EQ(BuildWheelList(v, records).points[1], NumPoints);
  records.replace(0, 10, " 2ND HOUSE");  // the smallest and the largest value
  records.replace(150, 10, " 2ND HOUSE");
  EXPECT_EQ(BuildWheelList(v, records).points[1], 1);
  // Declination wheel: each house sized by its own count; the 1st house's
  // five entries take five slots of 6 degrees, not the 2nd house's.
  SingleWheelInputs decl = Equal({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 40}});
  decl.declination = true;
  EXPECT_NEAR(Find(decl, 5)->angle, 182 + 4 * 6.0, 1e-9);
  EXPECT_NEAR(Find(decl, 6)->angle, 212 + 7.5, 1e-9);
  EXPECT_EQ(Find(decl, 6)->radius, WheelRadius + 5);
}

// The wheels' help says where a declination wheel puts north and south, and
// the placement is the judge: on the window's frame (y pointing up) a north
// declination stands above the centre, a south one below.
TEST(WheelPlacement, DeclinationWheelsPutNorthAboveAndSouthBelowAsTheHelpSays) {
  const ScaleEdges window = WindowScaleEdges(320, 0.75);
  ASSERT_GT(window.top, window.bottom);
  for (double declination : {-23.4, -10.0, -2.0, 2.0, 10.0, 23.4}) {
    SingleWheelInputs in = Equal({{Sun, DeclinationDisplayAngle(declination)}});
    in.declination = true;
    const std::optional<PlacedLabel> sun = Find(in, Sun);
    ASSERT_TRUE(sun) << declination;
    const double y = sun->radius * std::sin(sun->angle * std::numbers::pi / 180);
    EXPECT_EQ(y > 0, declination > 0) << declination << " at " << sun->angle;
  }
  const auto lines = ReadTextLines(std::filesystem::path(ORVANTA_DATA_DIR) / "WHEELS.HLP");
  ASSERT_TRUE(lines);
  // The text's words, whatever its line breaks.
  std::string text;
  for (const std::string& line : *lines) {
    std::istringstream words(line);
    for (std::string word; words >> word;) text += word + " ";
  }
  EXPECT_NE(text.find("(Ctrl+F9) the natal declinations around a ring of twelve equal sectors: "
                      "north declinations in the upper half, south in the lower,"),
            std::string::npos);
  EXPECT_NE(text.find("(Shift+Ctrl+F4) declinations, north in the upper half, south in the lower;"),
            std::string::npos);
  EXPECT_EQ(text.find("left half"), std::string::npos);
}

}  // namespace
}  // namespace orv
