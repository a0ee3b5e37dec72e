#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "RecordingHost.h"
#include "core/Angles.h"
#include "core/Composite.h"

namespace orv {
namespace {

// Values worked by hand from the defining formulas.
constexpr double kExact = 1e-12;
// Pi to ten decimals is 9e-11 short of pi: an angle built from it differs
// from the full-precision one by a few times that.
constexpr double kTruncatedPiRad = 5e-10;

const std::string kPrompt =
    "Enter the latitude of the relationship:\r\n\r\n"
    "(Enter 99 if you want midpoint composite houses)";

const std::string kTooHighMessage =
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
    "systems.";
const std::string kPoleMessage =
    "Your latitude is too high. Lower it below 90 degrees OR change house systems.";

// Records the title and the offered text as well as the prompt.
class PromptHost : public test::RecordingHost {
 public:
  std::vector<std::string> titles;
  std::vector<std::string> defaults;
  std::string PromptText(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override {
    titles.emplace_back(title);
    defaults.emplace_back(defaultText);
    return RecordingHost::PromptText(prompt, title, defaultText);
  }
};

OptionValues Options(float degrees, float minutes, float south, float midpointHouses) {
  OptionValues options{};
  options[CompositeOptions::DefaultLatitudeDegrees] = degrees;
  options[CompositeOptions::DefaultLatitudeMinutes] = minutes;
  options[CompositeOptions::DefaultLatitudeSouth] = south;
  options[CompositeOptions::CompositeMidpointHouses] = midpointHouses;
  return options;
}

// Cusps 30 degrees apart from a 10th cusp at `tenth`.
HouseCusps EqualCusps(double tenth) {
  HouseCusps cusps{};
  for (size_t n = 1; n <= 12; ++n) cusps[n] = std::fmod(tenth + 30.0 * double(n - 1), 360);
  return cusps;
}

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
  PointArray<double> natal{}, diurnal{}, natalDecl{}, diurnalDecl{};
  natalDecl[1] = 23, diurnalDecl[1] = -20;
  for (size_t i = 0; i < std::size(cases); ++i) {
    natal[i + 1] = cases[i].natal;
    diurnal[i + 1] = cases[i].diurnal;
  }
  const CompositeMidpoints c = CalcCompositeMidpoints(natal, diurnal, natalDecl, diurnalDecl);
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_NEAR(c.longitudes[i + 1], cases[i].midpoint, kExact) << i;
    EXPECT_EQ(c.retroFlags[i], cases[i].flag) << i;
  }
  EXPECT_NEAR(c.declinations[1], 1.5, kExact);  // the mean, no wrap
  // Points not set are 0 and 0: midpoint 0, no flag.
  EXPECT_EQ(c.retroFlags.substr(std::size(cases)), std::string(NumPoints - std::size(cases), ' '));

  // Sweep: the composite point is equidistant from both positions, at half
  // the shorter arc (measured independently with remainder()).
  double worst = 0;
  for (double n = 0; n < 360; n += 7.3) {
    for (double d = 0.05; d < 360; d += 11.9) {
      natal[1] = n, diurnal[1] = d;
      const double m = CalcCompositeMidpoints(natal, diurnal, natalDecl, diurnalDecl).longitudes[1];
      const double arc = std::fabs(std::remainder(n - d, 360.0));
      const double toN = std::fabs(std::remainder(m - n, 360.0));
      const double toD = std::fabs(std::remainder(m - d, 360.0));
      worst = std::max({worst, std::fabs(toN - arc / 2), std::fabs(toD - arc / 2)});
      EXPECT_TRUE(m >= 0 && m < 360) << n << " " << d;
    }
  }
  EXPECT_LT(worst, 1e-9);
}

TEST(Composite, TheLatitudePromptAsksUntilTheAnswerIsUsable) {
  const struct {
    const char* what;
    HouseSystemCode system;
    std::vector<std::string> answers;
    std::string result;
    size_t prompts, messages;
  } cases[] = {
      {"a latitude", HouseSystemCode::Placidus, {"40.30"}, "40.30", 1, 0},
      {"100 is asked again", HouseSystemCode::Placidus, {"100", "-33.52"}, "-33.52", 2, 0},
      {"an empty answer is midpoint houses", HouseSystemCode::Placidus, {""}, "99", 1, 0},
      {"no number is asked again", HouseSystemCode::Placidus, {"abc", " ", "0"}, "0", 3, 0},
      {"-90 and 90 bound the range", HouseSystemCode::Morinus, {"-90.01", "90"}, "90", 2, 0},
      {"89.75 reads as past the pole",
       HouseSystemCode::Porphyry,
       {"89.75", "89.59"},
       "89.59",
       2,
       0},
      {"Placidus beyond 66 degrees 00 minutes",
       HouseSystemCode::Placidus,
       {"66.01", "-67", "66"},
       "66",
       3,
       2},
      {"Koch beyond 66 degrees, minutes past 59", HouseSystemCode::Koch, {"65.61", ""}, "99", 2, 1},
      {"Campanus at a pole", HouseSystemCode::Campanus, {"-90", "89.59"}, "89.59", 2, 1},
      {"Meridian has no limit", HouseSystemCode::Meridian, {"90"}, "90", 1, 0},
  };
  for (const auto& c : cases) {
    PromptHost host;
    host.promptAnswers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(SettleCompositeLatitude(host, Options(40, 30, 0, 0), c.system), c.result) << c.what;
    EXPECT_EQ(host.prompts.size(), c.prompts) << c.what;
    EXPECT_EQ(host.messages.size(), c.messages) << c.what;
    EXPECT_EQ(host.prompts.front(), kPrompt);
    EXPECT_EQ(host.titles.back(), "Current latitude");
    EXPECT_EQ(host.defaults.back(), " 40.3");
    for (const auto& m : host.messages) {
      EXPECT_EQ(m.text, c.system == HouseSystemCode::Campanus ? kPoleMessage : kTooHighMessage);
      EXPECT_EQ(m.title, "Warning!");
    }
  }
}

TEST(Composite, TheOfferedLatitudeAndTheSkippingOption) {
  const struct {
    float degrees, minutes, south;
    std::string offered;
  } cases[] = {
      {40, 30, 1, "-40.3"},  // any non-zero value is south
      {51, 0, 0, " 51"},    {0, 30, -1, "-.3"}, {0, 0, -1, " 0"}, {33, 52, -1, "-33.52"},
  };
  for (const auto& c : cases) {
    PromptHost host;
    SettleCompositeLatitude(host, Options(c.degrees, c.minutes, c.south, 0),
                            HouseSystemCode::Placidus);
    EXPECT_EQ(host.defaults, std::vector<std::string>{c.offered});
  }
  PromptHost skip;
  skip.promptAnswers = {"40.30"};
  EXPECT_EQ(SettleCompositeLatitude(skip, Options(40, 30, 0, 1), HouseSystemCode::Placidus), "99");
  EXPECT_TRUE(skip.prompts.empty());

  EXPECT_NEAR(*CompositeLatitudeDegrees("40.30"), 40.5, kExact);
  EXPECT_NEAR(*CompositeLatitudeDegrees("-33.52"), -(33 + 52.0 / 60), kExact);
  EXPECT_NEAR(*CompositeLatitudeDegrees("  .5 N"), 50.0 / 60, kExact);
  EXPECT_FALSE(CompositeLatitudeDegrees("99.00"));
}

TEST(Composite, MidpointHouseCuspsStayInOrder) {
  // The 10th cusps 350 and 20: c = 185 is more than 90 from 350, so 365, then 5.
  const HouseCusps c = MidpointHouseCusps(EqualCusps(350), EqualCusps(20));
  for (size_t n = 1; n <= 12; ++n) EXPECT_NEAR(c[n], EqualCusps(5)[n], kExact) << n;

  // Opposite cusps: the midpoint 190 is exactly 90 from both and stays, but
  // lies on the far side of the cusp before it (80), so it turns to 10.
  HouseCusps a{}, b{};
  a[1] = 70, b[1] = 90, a[2] = 100, b[2] = 280;
  const HouseCusps turned = MidpointHouseCusps(a, b);
  EXPECT_NEAR(turned[1], 80, kExact);
  EXPECT_NEAR(turned[2], 10, kExact);
}

TEST(Composite, RamcIsTheRightAscensionOfTheCompositeMc) {
  for (int quarter = 0; quarter < 4; ++quarter)
    EXPECT_NEAR(CompositeRamc(90 * quarter), quarter * Pi / 2, kExact) << quarter;
  // Against the two-argument arc tangent of tan(RA) = tan(lambda) cos(eps).
  const double eps = 23.4522944 * std::numbers::pi / 180;
  double worst = 0;
  for (double m = 0; m < 360; m += 0.37) {
    const double l = m * std::numbers::pi / 180;
    double ra = std::atan2(std::sin(l) * std::cos(eps), std::cos(l));
    if (ra < 0) ra += 2 * std::numbers::pi;
    worst = std::max(worst, std::fabs(CompositeRamc(m) - ra));
  }
  EXPECT_LT(worst, kTruncatedPiRad);
}

// Cusps computed two ways agree to the precision of pi to ten decimals: a
// chart's MC comes back from its RAMC about 1e-8 degrees away from the
// composite MC that RAMC was made from.
constexpr double kCuspTolDeg = 1e-6;
// Campanus aims its tenth cusp a millionth of a degree off 360 to keep a
// tangent finite, magnified near the polar circles.
constexpr double kCampanusNudgeDeg = 2e-4;

double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }

// The Ascendant from the textbook formula (Meeus, Astronomical Algorithms,
// ch. 14) under the fixed composite obliquity: tan A = -cos RAMC / (sin RAMC
// cos e + tan phi sin e).
double TextbookAscendant(double ramcRad, double latDeg) {
  const double e = 23.4522944 * std::numbers::pi / 180;
  const double phi = latDeg * std::numbers::pi / 180;
  return std::atan2(std::cos(ramcRad),
                    -(std::sin(ramcRad) * std::cos(e) + std::tan(phi) * std::sin(e))) *
         180 / std::numbers::pi;
}

const HouseCusps kNoCusps{};

// Every system is cast at the composite RAMC, the relationship latitude and
// the fixed obliquity: the Ascendant of the sky it was cast under is the
// textbook one, the cusps are those of a chart cast there, and where the
// system puts the MC on the tenth cusp it is the composite MC.
TEST(CompositeHouses, EverySystemIsCastUnderTheCompositeSky) {
  for (const HouseSystemInfo& row : HouseSystems) {
    for (const char* latitudeText : {"40.30", "-33.52", "0", "-66"}) {
      const double lat = *CompositeLatitudeDegrees(latitudeText);
      for (double mc = 0.5; mc < 360; mc += 23.7) {
        const CompositeHouses h =
            CalcCompositeHouseCusps(latitudeText, row.system, mc, kNoCusps, kNoCusps);
        ASSERT_TRUE(h.castAt) << row.name << " " << latitudeText << " " << mc;
        const double ramc = CompositeRamc(mc);
        EXPECT_NEAR(h.castAt->RamcRadians, ramc, kExact);
        EXPECT_NEAR(h.castAt->ObliquityRadians, DegToRad(23.4522944), kExact);
        EXPECT_NEAR(h.castAt->LatitudeRadians, DegToRad(lat), kExact);
        EXPECT_NEAR(AngleDiff(h.castAt->AscendantLongitude, TextbookAscendant(ramc, lat)), 0,
                    kCuspTolDeg);
        const HouseCuspsResult chart = CalcHouseCusps(row.system, *h.castAt);
        EXPECT_EQ(h.cusps, chart.cusps) << row.name;
        const bool mcIsTenth =
            row.system != HouseSystemCode::EqualAscendant && row.system != HouseSystemCode::Morinus;
        const double tol =
            row.system == HouseSystemCode::Campanus ? kCampanusNudgeDeg : kCuspTolDeg;
        if (mcIsTenth) {
          EXPECT_NEAR(AngleDiff(h.cusps[1], mc), 0, tol) << row.name << " " << mc;
        }
      }
    }
  }
}

TEST(CompositeHouses, NinetyNineGivesMidpointHouses) {
  const HouseCusps natal = EqualCusps(350), diurnal = EqualCusps(20);
  const HouseCusps midpoints = MidpointHouseCusps(natal, diurnal);
  for (const char* text : {"99", "99.00"}) {
    const CompositeHouses h =
        CalcCompositeHouseCusps(text, HouseSystemCode::Koch, 123, natal, diurnal);
    EXPECT_FALSE(h.castAt);
    EXPECT_EQ(h.cusps, midpoints);
  }
  // Koch has no cusps at 80 degrees (the prompt refuses it): midpoint houses
  // rather than cusps that do not exist.
  const CompositeHouses polar =
      CalcCompositeHouseCusps("80", HouseSystemCode::Koch, 100, natal, diurnal);
  EXPECT_FALSE(polar.castAt);
  EXPECT_EQ(polar.cusps, midpoints);
  // Morinus casts there.
  EXPECT_TRUE(CalcCompositeHouseCusps("80", HouseSystemCode::Morinus, 100, natal, diurnal).castAt);
}

TEST(CompositeChart, MidpointsLatitudeAndHousesTogether) {
  CompositeSources charts;
  for (int i = 1; i <= NumPoints; ++i) {
    charts.natalLongitudes[size_t(i)] = std::fmod(i * 47.0, 360);
    charts.diurnalLongitudes[size_t(i)] = std::fmod(i * 58.0, 360);
  }
  // The MCs 350 and 20: the composite MC is 5.
  charts.natalLongitudes[ChartPoint::MC] = 350;
  charts.diurnalLongitudes[ChartPoint::MC] = 20;
  charts.natalHouseCusps = EqualCusps(350);
  charts.diurnalHouseCusps = EqualCusps(20);
  charts.housePositions = std::string(160, '*');

  // Option 40 set: no prompt, midpoint houses.
  PromptHost skip;
  CompositeChart c =
      CalcCompositeChart(charts, HouseSystemCode::Placidus, Options(40, 30, 0, 1), skip);
  EXPECT_TRUE(skip.prompts.empty());
  EXPECT_EQ(c.latitudeText, "99");
  EXPECT_FALSE(c.castAt);
  EXPECT_EQ(c.houseCusps, EqualCusps(5));
  EXPECT_NEAR(c.longitudes[ChartPoint::MC], 5, kExact);
  // Arcs of 11 i degrees: only points 14 (154) and 16 (176) are wider than
  // 150; the MCs 350 and 20 are 30 apart.
  EXPECT_EQ(c.retroFlags, "             A A");
  // Midpoint houses 30 degrees wide from the 10th cusp at 5: every point
  // gets the label of the house its longitude falls in.
  const char* labels[] = {"10TH", "11TH", "12TH", " 1ST", " 2ND", " 3RD",
                          " 4TH", " 5TH", " 6TH", " 7TH", " 8TH", " 9TH"};
  for (int i = 1; i <= NumPoints; ++i) {
    const int house = int(Mod360(c.longitudes[size_t(i)] - 5) / 30);
    EXPECT_EQ(c.housePositions.substr(size_t(i - 1) * 10, 10),
              std::string(labels[house]) + " HOUSE")
        << i;
  }

  // 40.30 casts Koch at 40.5 North from the composite MC.
  PromptHost ask;
  ask.promptAnswers = {"40.30"};
  c = CalcCompositeChart(charts, HouseSystemCode::Koch, Options(40, 30, 0, 0), ask);
  EXPECT_EQ(c.latitudeText, "40.30");
  ASSERT_TRUE(c.castAt);
  EXPECT_NEAR(c.castAt->LatitudeRadians, DegToRad(40.5), kExact);
  EXPECT_NEAR(AngleDiff(c.houseCusps[4], TextbookAscendant(CompositeRamc(5), 40.5)), 0,
              kCuspTolDeg);
  EXPECT_EQ(c.housePositions.substr(140, 10), "10TH HOUSE");  // the MC on its own cusp
}

}  // namespace
}  // namespace orv
