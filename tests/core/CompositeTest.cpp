#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "RecordingHost.h"
#include "core/Angles.h"
#include "core/Composite.h"
#include "core/OptionNumbers.h"

namespace orv {
namespace {

// Values worked by hand from the defining formulas.
constexpr double kExact = 1e-12;
// Cusps computed two ways agree to the precision of pi to ten decimals.
constexpr double kCuspTolDeg = 1e-6;
// Campanus aims its tenth cusp a millionth of a degree off 360 to keep a
// tangent finite, magnified near the polar circles.
constexpr double kCampanusNudgeDeg = 2e-4;

const std::string kTooHighMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";
const std::string kPoleMessage =
    "Your latitude is too high. Lower it below 90 degrees OR change house systems.";

// Records the title and the offered text as well as the prompt.
class PromptHost : public test::RecordingHost {
 public:
  std::vector<std::string> titles, defaults;
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
    titles.emplace_back(title);
    defaults.emplace_back(defaultText);
    return RecordingHost::PromptText(prompt, title, defaultText);
  }
};

OptionValues Options(float degrees, float minutes, float south, float midpointHouses) {
  OptionValues options{};
  options[OptionNumber::DefaultLatitudeDegrees] = degrees;
  options[OptionNumber::DefaultLatitudeMinutes] = minutes;
  options[OptionNumber::DefaultLatitudeSouth] = south;
  options[OptionNumber::CompositeMidpointHouses] = midpointHouses;
  return options;
}
const OptionValues kMidpointHouses = Options(40, 30, 0, 1);

// Cusps 30 degrees apart from a 10th cusp at `tenth`.
HouseCusps EqualCusps(double tenth) {
  HouseCusps cusps{};
  for (size_t n = 1; n <= 12; ++n) cusps[n] = std::fmod(tenth + 30.0 * double(n - 1), 360);
  return cusps;
}

// Points i at 47 i and 58 i, the MCs at 350 and 20 (the composite MC at 5),
// equal cusps from them.
CompositeSources Couple() {
  CompositeSources charts;
  for (int i = 1; i <= NumPoints; ++i) {
    charts.natalLongitudes[size_t(i)] = std::fmod(i * 47.0, 360);
    charts.diurnalLongitudes[size_t(i)] = std::fmod(i * 58.0, 360);
  }
  charts.natalLongitudes[ChartPoint::MC] = 350;
  charts.diurnalLongitudes[ChartPoint::MC] = 20;
  charts.natalHouseCusps = EqualCusps(350);
  charts.diurnalHouseCusps = EqualCusps(20);
  charts.housePositions = std::string(160, '*');
  return charts;
}

double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(Composite, MidpointsOnTheShorterArcWithTheWideArcFlag) {
  const struct {
    double natal, diurnal, midpoint;
    char flag;
  } cases[] = {
      {350, 10, 0, ' '},     // C = 180 is far from both: 360, stored as 0; arc 20
      {10, 170, 90, 'A'},    // arc 160
      {0, 180, 90, 'A'},     // C = 90 is exactly 90 from both: no half turn; arc 180
      {100, 250, 175, ' '},  // arc 150 is not more than 150
      {5, 200, 282.5, 'A'},  // arc 165 across 0: C = 102.5 turns to 282.5
  };
  CompositeSources s;
  s.natalDeclinations[1] = 23, s.diurnalDeclinations[1] = -20;
  for (size_t i = 0; i < std::size(cases); ++i) {
    s.natalLongitudes[i + 1] = cases[i].natal;
    s.diurnalLongitudes[i + 1] = cases[i].diurnal;
  }
  test::RecordingHost host;
  const CompositeChart c = CalcCompositeChart(s, HouseSystemCode::Placidus, kMidpointHouses, host);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_NEAR(c.longitudes[i + 1], cases[i].midpoint, kExact) << i;
    EXPECT_EQ(c.retroFlags[i], cases[i].flag) << i;
  }
  EXPECT_NEAR(c.declinations[1], 1.5, kExact);  // the mean, no wrap
  EXPECT_EQ(c.retroFlags.substr(std::size(cases)), std::string(NumPoints - std::size(cases), ' '));

  // Sweep: the composite point is equidistant from both positions, at half
  // the shorter arc (measured independently with remainder()).
  double worst = 0;
  for (double n = 0; n < 360; n += 7.3) {
    for (double d = 0.05; d < 360; d += 11.9) {
      s.natalLongitudes[1] = n, s.diurnalLongitudes[1] = d;
      const double m =
          CalcCompositeChart(s, HouseSystemCode::Placidus, kMidpointHouses, host).longitudes[1];
      const double arc = std::fabs(std::remainder(n - d, 360.0));
      worst = std::max({worst, std::fabs(std::fabs(AngleDiff(m, n)) - arc / 2),
                        std::fabs(std::fabs(AngleDiff(m, d)) - arc / 2)});
      EXPECT_TRUE(m >= 0 && m < 360) << n << " " << d;
    }
  }
  EXPECT_LT(worst, 1e-9);
}

TEST(Composite, TheLatitudePromptAsksUntilTheAnswerIsUsable) {
  using H = HouseSystemCode;
  const struct {
    H system;
    std::vector<std::string> answers;
    std::string result;
    size_t prompts, messages;
    double latitudeDeg;  // as cast; NAN for midpoint houses
  } cases[] = {
      {H::Placidus, {"40.30"}, "40.30", 1, 0, 40.5},
      {H::Placidus, {"100", "-33.52"}, "-33.52", 2, 0, -(33 + 52.0 / 60)},  // asked again
      {H::Placidus, {""}, "99", 1, 0, NAN},                           // empty: midpoint houses
      {H::Placidus, {"abc", " ", "0"}, "0", 3, 0, 0},                 // no number: asked again
      {H::Morinus, {"-90.01", "90"}, "90", 2, 0, 90},                 // -90 and 90 bound it
      {H::Porphyry, {"89.75", "89.59"}, "89.59", 2, 0, 89 + 59.0 / 60},  // 89.75 is past the pole
      {H::Placidus, {"66.01", "-67", "66"}, "66", 3, 2, 66},  // beyond 66 degrees 00 minutes
      {H::Koch, {"65.61", ""}, "99", 2, 1, NAN},                // minutes past 59
      {H::Campanus, {"-90", "89.59"}, "89.59", 2, 1, 89 + 59.0 / 60},  // at a pole
      {H::Meridian, {"  .5 N"}, "  .5 N", 1, 0, 50.0 / 60},           // no limit
      {H::Meridian, {"99.00"}, "99.00", 1, 0, NAN},
  };
  for (const auto& c : cases) {
    PromptHost host;
    host.promptAnswers.assign(c.answers.begin(), c.answers.end());
    const CompositeChart chart = CalcCompositeChart(Couple(), c.system, Options(40, 30, 0, 0), host);
    SCOPED_TRACE(c.answers.front());
    EXPECT_EQ(chart.latitudeText, c.result);
    EXPECT_EQ(host.prompts.size(), c.prompts);
    EXPECT_EQ(host.prompts.front(),
              "Enter the latitude of the relationship:\r\n\r\n"
              "(Enter 99 if you want midpoint composite houses)");
    EXPECT_EQ(host.titles.back(), "Current latitude");
    EXPECT_EQ(host.defaults.back(), " 40.3");
    ASSERT_EQ(host.messages.size(), c.messages);
    for (const auto& m : host.messages) {
      EXPECT_EQ(m.text, c.system == H::Campanus ? kPoleMessage : kTooHighMessage);
      EXPECT_EQ(m.title, "Warning!");
    }
    ASSERT_EQ(chart.castAt.has_value(), !std::isnan(c.latitudeDeg));
    if (chart.castAt) {
      EXPECT_NEAR(chart.castAt->LatitudeRadians, DegToRad(c.latitudeDeg), kExact);
    }
  }

  // The offered latitude from options 22 to 24; option 40 asks nothing.
  const struct {
    float degrees, minutes, south;
    std::string offered;
  } offers[] = {
      {40, 30, 1, "-40.3"},  // any non-zero value is south
      {51, 0, 0, " 51"},    {0, 30, -1, "-.3"}, {0, 0, -1, " 0"}, {33, 52, -1, "-33.52"},
  };
  for (const auto& o : offers) {
    PromptHost host;
    CalcCompositeChart(Couple(), H::Placidus, Options(o.degrees, o.minutes, o.south, 0), host);
    EXPECT_EQ(host.defaults, std::vector<std::string>{o.offered});
  }
  PromptHost skip;
  skip.promptAnswers = {"40.30"};
  const CompositeChart c = CalcCompositeChart(Couple(), H::Placidus, kMidpointHouses, skip);
  EXPECT_EQ(c.latitudeText, "99");
  EXPECT_TRUE(skip.prompts.empty());
}

TEST(Composite, MidpointHousesAndThePointsInThem) {
  test::RecordingHost host;
  CompositeChart c = CalcCompositeChart(Couple(), HouseSystemCode::Placidus, kMidpointHouses, host);
  // The 10th cusps 350 and 20: c = 185 is more than 90 from 350, so 365, then 5.
  for (size_t n = 1; n <= 12; ++n) EXPECT_NEAR(c.houseCusps[n], EqualCusps(5)[n], kExact) << n;
  // Arcs of 11 i degrees: only points 14 (154) and 16 (176) are wider than
  // 150; the MCs 350 and 20 are 30 apart.
  EXPECT_EQ(c.retroFlags, "             A A");
  // Midpoints 52.5 i (mod 360) in houses 30 wide from the 10th cusp at 5;
  // the composite MC on its own cusp.
  EXPECT_EQ(c.housePositions,
            "11TH HOUSE 1ST HOUSE 3RD HOUSE 4TH HOUSE 6TH HOUSE 8TH HOUSE10TH HOUSE11TH HOUSE"
            " 1ST HOUSE 3RD HOUSE 5TH HOUSE 6TH HOUSE 8TH HOUSE10TH HOUSE10TH HOUSE 1ST HOUSE");

  // Opposite cusps: the midpoint 190 is exactly 90 from both and stays, but
  // lies on the far side of the cusp before it (80), so it turns to 10.
  CompositeSources s;
  s.natalHouseCusps[1] = 70, s.diurnalHouseCusps[1] = 90;
  s.natalHouseCusps[2] = 100, s.diurnalHouseCusps[2] = 280;
  c = CalcCompositeChart(s, HouseSystemCode::Placidus, kMidpointHouses, host);
  EXPECT_NEAR(c.houseCusps[1], 80, kExact);
  EXPECT_NEAR(c.houseCusps[2], 10, kExact);
}

// The Ascendant from the textbook formula (Meeus, Astronomical Algorithms,
// ch. 14) under the fixed composite obliquity: tan A = -cos RAMC / (sin RAMC
// cos e + tan phi sin e); RAMC from tan RA = tan(lambda) cos e.
double TextbookAscendant(double ramcRad, double latDeg) {
  const double e = 23.4522944 * std::numbers::pi / 180;
  const double phi = latDeg * std::numbers::pi / 180;
  return std::atan2(std::cos(ramcRad),
                    -(std::sin(ramcRad) * std::cos(e) + std::tan(phi) * std::sin(e))) *
         180 / std::numbers::pi;
}
double TextbookRamc(double mcDeg) {
  const double l = mcDeg * std::numbers::pi / 180, e = 23.4522944 * std::numbers::pi / 180;
  const double ra = std::atan2(std::sin(l) * std::cos(e), std::cos(l));
  return ra < 0 ? ra + 2 * std::numbers::pi : ra;
}

// Every system is cast at the composite RAMC, the relationship latitude and
// the fixed obliquity; where the system puts the MC on the tenth cusp it is
// the composite MC.
TEST(Composite, EverySystemIsCastUnderTheCompositeSky) {
  // Pi to ten decimals is 9e-11 short of pi: an angle built from it differs
  // from the full-precision one by a few times that.
  constexpr double kTruncatedPiRad = 5e-10;
  CompositeSources s = Couple();
  for (const HouseSystemInfo& row : HouseSystems) {
    for (auto [latitudeText, latDeg] : {std::pair{"40.30", 40.5}, {"-33.52", -(33 + 52.0 / 60)},
                                        {"0", 0.0}, {"-66", -66.0}}) {
      for (double mc = 0.5; mc < 360; mc += 23.7) {
        s.natalLongitudes[ChartPoint::MC] = s.diurnalLongitudes[ChartPoint::MC] = mc;
        PromptHost host;
        host.promptAnswers = {latitudeText};
        const CompositeChart c = CalcCompositeChart(s, row.system, Options(0, 0, 0, 0), host);
        ASSERT_TRUE(c.castAt) << row.name << " " << latitudeText << " " << mc;
        EXPECT_NEAR(c.castAt->LatitudeRadians, DegToRad(latDeg), kExact);
        EXPECT_NEAR(c.castAt->RamcRadians, TextbookRamc(mc), kTruncatedPiRad);
        EXPECT_NEAR(c.castAt->ObliquityRadians, DegToRad(23.4522944), kExact);
        EXPECT_NEAR(AngleDiff(c.castAt->AscendantLongitude,
                              TextbookAscendant(c.castAt->RamcRadians, latDeg)),
                    0, kCuspTolDeg);
        EXPECT_EQ(c.houseCusps, CalcHouseCusps(row.system, *c.castAt).cusps) << row.name;
        if (row.system != HouseSystemCode::EqualAscendant &&
            row.system != HouseSystemCode::Morinus) {
          const double tol =
              row.system == HouseSystemCode::Campanus ? kCampanusNudgeDeg : kCuspTolDeg;
          EXPECT_NEAR(AngleDiff(c.houseCusps[1], mc), 0, tol) << row.name << " " << mc;
        }
      }
    }
  }
}

// The records the placement starts from stand only for a point that no house
// holds. Up to the highest latitude each system admits, where Regiomontanus
// and Campanus cusps run out of order, the twelve entries still go round the
// circle at least once, so every point lies in a house and no starting record
// shows.
TEST(Composite, NoStartingHouseRecordSurvives) {
  CompositeSources s = Couple();
  for (const HouseSystemInfo& row : HouseSystems) {
    for (const char* latitude : {"0", "-66", "66", "89.59", "-90"}) {
      for (double mc = 0.5; mc < 360; mc += 11.3) {
        s.natalLongitudes[ChartPoint::MC] = mc;
        s.diurnalLongitudes[ChartPoint::MC] = std::fmod(mc + 7, 360);
        std::vector<std::string> records;
        for (char seed : {'*', 'X'}) {
          s.housePositions = std::string(160, seed);
          test::RecordingHost host;
          host.promptAnswers = {latitude};
          records.push_back(
              CalcCompositeChart(s, row.system, Options(0, 0, 0, 0), host).housePositions);
          EXPECT_EQ(records.back().find(seed), std::string::npos)
              << row.name << " " << latitude << " " << mc;
        }
        EXPECT_EQ(records[0], records[1]);
      }
    }
  }
}

}  // namespace
}  // namespace orv
