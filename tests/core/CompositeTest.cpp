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

TEST(Composite, MidpointsOnTheShorterArcWithTheWideArcFlag) {
  struct Case {
    double natal, diurnal;
    double midpoint;
    char flag;
  };
  const Case cases[] = {
      {350, 10, 0, ' '},     // C = 180 is far from both: 360, stored as 0; arc 20
      {10, 170, 90, 'A'},    // arc 160
      {0, 180, 90, 'A'},     // C = 90 is exactly 90 from both: no half turn; arc 180
      {100, 250, 175, ' '},  // arc 150 is not more than 150
      {300, 20, 340, ' '},   // arc 80 across 0
      {20, 300, 340, ' '},   // the same pair the other way round
      {5, 200, 282.5, 'A'},  // arc 165 across 0: C = 102.5 turns to 282.5
  };
  PointArray<double> natal{}, diurnal{}, natalDecl{}, diurnalDecl{};
  for (size_t i = 0; i < std::size(cases); ++i) {
    natal[i + 1] = cases[i].natal;
    diurnal[i + 1] = cases[i].diurnal;
    natalDecl[i + 1] = 23.0 - double(i) * 5;
    diurnalDecl[i + 1] = -20.0 + double(i);
  }
  const CompositeMidpoints c = CalcCompositeMidpoints(natal, diurnal, natalDecl, diurnalDecl);
  ASSERT_EQ(c.retroFlags.size(), size_t(NumPoints));
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_NEAR(c.longitudes[i + 1], cases[i].midpoint, kExact) << i;
    EXPECT_EQ(c.retroFlags[i], cases[i].flag) << i;
    EXPECT_NEAR(c.declinations[i + 1], (23.0 - double(i) * 5 - 20.0 + double(i)) / 2, kExact);
  }
  // Points not set are 0 and 0: midpoint 0, no flag.
  EXPECT_EQ(c.retroFlags.substr(std::size(cases)), std::string(NumPoints - std::size(cases), ' '));
}

TEST(Composite, TheMidpointAlwaysLiesOnTheShorterArc) {
  // Sweep: the composite point is equidistant from both positions, at half
  // the shorter arc (measured independently with remainder()).
  PointArray<double> natal{}, diurnal{}, zero{};
  double worst = 0;
  for (double n = 0; n < 360; n += 7.3) {
    for (double d = 0.05; d < 360; d += 11.9) {
      natal[1] = n;
      diurnal[1] = d;
      const CompositeMidpoints c = CalcCompositeMidpoints(natal, diurnal, zero, zero);
      const double arc = std::fabs(std::remainder(n - d, 360.0));
      const double toN = std::fabs(std::remainder(c.longitudes[1] - n, 360.0));
      const double toD = std::fabs(std::remainder(c.longitudes[1] - d, 360.0));
      worst = std::max({worst, std::fabs(toN - arc / 2), std::fabs(toD - arc / 2)});
      EXPECT_GE(c.longitudes[1], 0);
      EXPECT_LT(c.longitudes[1], 360);
      EXPECT_EQ(c.retroFlags[0], arc > 150 ? 'A' : ' ') << n << " " << d;
    }
  }
  EXPECT_LT(worst, 1e-9);
}

TEST(Composite, TheLatitudePromptAsksUntilTheAnswerIsUsable) {
  struct Case {
    const char* what;
    HouseSystemCode system;
    std::vector<std::string> answers;
    std::string result;
    size_t prompts;
    size_t messages;
  };
  const Case cases[] = {
      {"a latitude", HouseSystemCode::Placidus, {"40.30"}, "40.30", 1, 0},
      {"100 is asked again", HouseSystemCode::Placidus, {"100", "-33.52"}, "-33.52", 2, 0},
      {"an empty answer is midpoint houses", HouseSystemCode::Placidus, {""}, "99", 1, 0},
      {"99 itself", HouseSystemCode::Koch, {"99"}, "99", 1, 0},
      {"no number is asked again", HouseSystemCode::Placidus, {"abc", " ", "0"}, "0", 3, 0},
      {"a number after blanks", HouseSystemCode::Placidus, {"  .5 N"}, "  .5 N", 1, 0},
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
      {"Koch beyond 66 degrees 00 minutes",
       HouseSystemCode::Koch,
       {"70", "-66.00"},
       "-66.00",
       2,
       1},
      {"Koch beyond 66 degrees, minutes past 59", HouseSystemCode::Koch, {"65.61", ""}, "99", 2, 1},
      {"Campanus at a pole", HouseSystemCode::Campanus, {"-90", "89.59"}, "89.59", 2, 1},
      {"Regiomontanus at a pole", HouseSystemCode::Regiomontanus, {"90.00", "80"}, "80", 2, 1},
      {"Meridian has no limit", HouseSystemCode::Meridian, {"90"}, "90", 1, 0},
      {"equal houses have no limit", HouseSystemCode::EqualAscendant, {"-89"}, "-89", 1, 0},
  };
  for (const Case& c : cases) {
    PromptHost host;
    for (const auto& a : c.answers) host.promptAnswers.push_back(a);
    EXPECT_EQ(SettleCompositeLatitude(host, Options(40, 30, 0, 0), c.system), c.result) << c.what;
    EXPECT_EQ(host.prompts.size(), c.prompts) << c.what;
    EXPECT_EQ(host.messages.size(), c.messages) << c.what;
    for (const auto& p : host.prompts) EXPECT_EQ(p, kPrompt) << c.what;
    for (const auto& t : host.titles) EXPECT_EQ(t, "Current latitude") << c.what;
    for (const auto& d : host.defaults) EXPECT_EQ(d, " 40.3") << c.what;
  }

  PromptHost placidus;
  placidus.promptAnswers = {"67"};
  SettleCompositeLatitude(placidus, Options(40, 30, 0, 0), HouseSystemCode::Placidus);
  ASSERT_EQ(placidus.messages.size(), 1u);
  EXPECT_EQ(placidus.messages[0].text,
            "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
            "systems.");
  EXPECT_EQ(placidus.messages[0].title, "Warning!");
}

TEST(Composite, TheOfferedLatitudeAndTheSkippingOption) {
  struct Case {
    float degrees, minutes, south;
    std::string offered;
  };
  const Case cases[] = {
      {40, 30, 0, " 40.3"},
      {40, 30, -1, "-40.3"},
      {40, 30, 1, "-40.3"},  // any non-zero value is
                             // south
      {51, 0, 0, " 51"},
      {0, 30, 0, " .3"},
      {0, 30, -1, "-.3"},
      {0, 0, -1, " 0"},
      {33, 52, -1, "-33.52"},
  };
  for (const Case& c : cases) {
    PromptHost host;
    SettleCompositeLatitude(host, Options(c.degrees, c.minutes, c.south, 0),
                            HouseSystemCode::Placidus);
    ASSERT_EQ(host.defaults.size(), 1u);
    EXPECT_EQ(host.defaults[0], c.offered);
  }

  PromptHost skip;
  skip.promptAnswers = {"40.30"};
  EXPECT_EQ(SettleCompositeLatitude(skip, Options(40, 30, 0, 1), HouseSystemCode::Placidus), "99");
  EXPECT_TRUE(skip.prompts.empty());
}

TEST(Composite, TheRelationshipLatitudeInDegrees) {
  EXPECT_NEAR(*CompositeLatitudeDegrees("40.30"), 40.5, 1e-12);
  EXPECT_NEAR(*CompositeLatitudeDegrees("-33.52"), -(33 + 52.0 / 60), 1e-12);
  EXPECT_NEAR(*CompositeLatitudeDegrees("0"), 0, kExact);
  EXPECT_NEAR(*CompositeLatitudeDegrees("  .5 N"), 50.0 / 60, 1e-12);
  EXPECT_FALSE(CompositeLatitudeDegrees("99"));
  EXPECT_FALSE(CompositeLatitudeDegrees("99.00"));
}

TEST(Composite, MidpointHouseCuspsStayInOrder) {
  HouseCusps natal{}, diurnal{}, expected{};
  for (size_t n = 1; n <= 12; ++n) {
    natal[n] = std::fmod(350 + 30.0 * double(n - 1), 360);
    diurnal[n] = std::fmod(20 + 30.0 * double(n - 1), 360);
    expected[n] = std::fmod(5 + 30.0 * double(n - 1), 360);
  }
  // The 10th cusps 350 and 20: c = 185 is more than 90 from 350, so 365, then 5.
  const HouseCusps c = MidpointHouseCusps(natal, diurnal);
  for (size_t n = 1; n <= 12; ++n) EXPECT_NEAR(c[n], expected[n], kExact) << n;

  // Opposite cusps: the midpoint 190 is exactly 90 from both and stays, but
  // lies on the far side of the cusp before it (80), so it turns to 10.
  HouseCusps a{}, b{};
  a[1] = 70;
  b[1] = 90;
  a[2] = 100;
  b[2] = 280;
  const HouseCusps turned = MidpointHouseCusps(a, b);
  EXPECT_NEAR(turned[1], 80, kExact);
  EXPECT_NEAR(turned[2], 10, kExact);
}

TEST(Composite, RamcIsTheRightAscensionOfTheCompositeMc) {
  EXPECT_EQ(CompositeRamc(0), 0);
  EXPECT_NEAR(CompositeRamc(90), Pi / 2, kExact);
  EXPECT_NEAR(CompositeRamc(180), Pi, kExact);
  EXPECT_NEAR(CompositeRamc(270), 3 * Pi / 2, kExact);
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

constexpr double kEpsDeg = 23.4522944;
// Cusps computed two ways agree to the precision of pi to ten decimals, and
// the Placidus iteration's ten passes settle well inside this.
constexpr double kCuspTolDeg = 1e-6;
// Placidus stops after ten passes of its iteration, converged or not; at
// latitudes up to about 41 degrees they end within 3e-6 degrees of the
// converged cusps (at 66 degrees, up to 0.3 degrees away).
constexpr double kPlacidusTenPassesDeg = 1e-5;
// Campanus moves its circles by a millionth of a degree to keep a tangent
// finite; where the ecliptic meets the horizon at a shallow angle (at 66
// degrees of latitude) that moves the Ascendant up to a ten-thousandth.
constexpr double kCampanusNudgeDeg = 2e-4;
// A chart's MC comes back from its RAMC through pi to ten decimals, about
// 1e-8 degrees away from the composite MC that RAMC was made from.
constexpr double kMcRoundTripDeg = 3e-8;

double Rad(double deg) { return deg * std::numbers::pi / 180; }
double Deg(double rad) { return rad * 180 / std::numbers::pi; }
double Circle(double deg) { return deg - 360 * std::floor(deg / 360); }
double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }

// The Ascendant from the textbook formula (Meeus, Astronomical Algorithms,
// ch. 14): tan A = -cos RAMC / (sin RAMC cos e + tan phi sin e).
double TextbookAscendant(double ramcRad, double latDeg) {
  const double e = Rad(kEpsDeg);
  return Circle(Deg(std::atan2(std::cos(ramcRad), -(std::sin(ramcRad) * std::cos(e) +
                                                    std::tan(Rad(latDeg)) * std::sin(e)))));
}

// A Placidus cusp by its definition, iterated to convergence: the ecliptic
// point whose right ascension lies `fraction` of its semi-arc from the
// meridian. Above the horizon (houses 11, 12) the arc is the diurnal one,
// east of the upper meridian; below (houses 2, 3), the nocturnal one, west of
// the lower meridian.
double TextbookPlacidusCusp(double ramcRad, double latDeg, double fraction, bool below) {
  const double e = Rad(kEpsDeg);
  const double phi = Rad(latDeg);
  double ra = ramcRad;
  double lambda = 0;
  for (int pass = 0; pass < 200; ++pass) {
    lambda = std::atan2(std::sin(ra), std::cos(ra) * std::cos(e));
    const double decl = std::asin(std::sin(e) * std::sin(lambda));
    const double diurnal = std::acos(-std::tan(phi) * std::tan(decl));
    ra = below ? ramcRad + std::numbers::pi - (std::numbers::pi - diurnal) * fraction
               : ramcRad + diurnal * fraction;
  }
  return Circle(Deg(std::atan2(std::sin(ra), std::cos(ra) * std::cos(e))));
}

const HouseCusps kNoCusps{};

TEST(CompositeHouses, PlacidusAtTheRelationshipLatitude) {
  struct Case {
    const char* latitudeText;
    double latitudeDeg;
    bool converged;  // whether ten passes come close to the converged cusps
    // Placidus casts the equator's houses at 1e-05 radians South, which
    // keeps its arc cosine off 0 and moves the cusps by up to 1.5e-4 degrees.
    double placidusLatitudeDeg() const { return latitudeDeg == 0 ? Deg(-1e-5) : latitudeDeg; }
  };
  const Case cases[] = {{"40.30", 40.5, true},
                        {"-33.52", -(33 + 52.0 / 60), true},
                        {"0", 0, true},
                        {"66", 66, false}};
  double worst = 0;
  for (const Case& c : cases) {
    for (double mc = 0.5; mc < 360; mc += 23.7) {
      const CompositeHouses h = CalcCompositeHouseCusps(c.latitudeText, HouseSystemCode::Placidus,
                                                        mc, kNoCusps, kNoCusps);
      ASSERT_TRUE(h.castAt) << c.latitudeText << " " << mc;
      const double ramc = CompositeRamc(mc);
      const double expected[13] = {
          0,
          mc,
          TextbookPlacidusCusp(ramc, c.placidusLatitudeDeg(), 1.0 / 3, false),
          TextbookPlacidusCusp(ramc, c.placidusLatitudeDeg(), 2.0 / 3, false),
          TextbookAscendant(ramc, c.latitudeDeg),
          TextbookPlacidusCusp(ramc, c.placidusLatitudeDeg(), 2.0 / 3, true),
          TextbookPlacidusCusp(ramc, c.placidusLatitudeDeg(), 1.0 / 3, true),
      };
      for (int i = 1; i <= 6 && c.converged; ++i) {
        worst = std::max(worst, std::fabs(AngleDiff(h.cusps[i], expected[i])));
        worst = std::max(worst, std::fabs(AngleDiff(h.cusps[i + 6], expected[i] + 180)));
      }
      // The same as casting Placidus at that RAMC, latitude and obliquity.
      const HouseCuspsResult chart = CalcHouseCusps(
          HouseSystemCode::Placidus,
          HouseInputsAt(ramc, DegToRad(c.latitudeDeg), DegToRad(kCompositeObliquityDeg)));
      ASSERT_TRUE(chart.ok());
      for (int i = 1; i <= 12; ++i) {
        EXPECT_NEAR(AngleDiff(h.cusps[i], chart.cusps[i]), 0, kMcRoundTripDeg);
      }
      EXPECT_NEAR(h.castAt->ObliquityRadians, DegToRad(23.4522944), kExact);
      EXPECT_NEAR(h.castAt->LatitudeRadians, DegToRad(c.latitudeDeg), kExact);
      EXPECT_EQ(h.castAt->MidheavenLongitude, mc);
    }
  }
  EXPECT_LT(worst, kPlacidusTenPassesDeg);
}

TEST(CompositeHouses, EverySystemCastsInOrderWithItsAngles) {
  const HouseSystemCode quadrant[] = {HouseSystemCode::Placidus, HouseSystemCode::Koch,
                                      HouseSystemCode::Campanus, HouseSystemCode::Regiomontanus,
                                      HouseSystemCode::Porphyry};
  const char* latitudes[] = {"40.30", "-40.30", "0", "-66", "51.29"};
  for (const HouseSystemInfo& row : HouseSystems) {
    for (const char* latitudeText : latitudes) {
      const double lat = *CompositeLatitudeDegrees(latitudeText);
      for (double mc = 0; mc < 360; mc += 17.9) {
        const CompositeHouses h =
            CalcCompositeHouseCusps(latitudeText, row.system, mc, kNoCusps, kNoCusps);
        ASSERT_TRUE(h.castAt) << row.name << " " << latitudeText << " " << mc;
        const double asc = TextbookAscendant(CompositeRamc(mc), lat);
        EXPECT_NEAR(AngleDiff(h.castAt->AscendantLongitude, asc), 0, kCuspTolDeg);
        for (int i = 1; i <= 12; ++i) {
          const double step = Circle(h.cusps[i % 12 + 1] - h.cusps[i]);
          EXPECT_GT(step, 0) << row.name << " " << latitudeText << " " << mc << " " << i;
          EXPECT_LT(step, 180) << row.name << " " << latitudeText << " " << mc << " " << i;
          EXPECT_GE(h.cusps[i], 0);
          EXPECT_LT(h.cusps[i], 360);
        }
        const bool isQuadrant =
            std::find(std::begin(quadrant), std::end(quadrant), row.system) != std::end(quadrant);
        if (isQuadrant) {
          const double tol =
              row.system == HouseSystemCode::Campanus ? kCampanusNudgeDeg : kCuspTolDeg;
          EXPECT_NEAR(AngleDiff(h.cusps[1], mc), 0, tol) << row.name << " " << mc;
          EXPECT_NEAR(AngleDiff(h.cusps[4], asc), 0, tol) << row.name << " " << mc;
        }
        if (row.system == HouseSystemCode::EqualAscendant) {
          EXPECT_NEAR(AngleDiff(h.cusps[4], asc), 0, kCuspTolDeg);
        }
        if (row.system == HouseSystemCode::EqualMC) {
          EXPECT_EQ(AngleDiff(h.cusps[1], mc), 0);
        }
      }
    }
  }
}

TEST(CompositeHouses, NinetyNineGivesMidpointHouses) {
  HouseCusps natal{}, diurnal{};
  for (size_t n = 1; n <= 12; ++n) {
    natal[n] = std::fmod(350 + 30.0 * double(n - 1), 360);
    diurnal[n] = std::fmod(20 + 30.0 * double(n - 1), 360);
  }
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

CompositeSources TwoCharts() {
  CompositeSources charts;
  for (int i = 1; i <= NumPoints; ++i) {
    charts.natalLongitudes[size_t(i)] = std::fmod(i * 47.0, 360);
    charts.diurnalLongitudes[size_t(i)] = std::fmod(i * 47.0 + i * 11.0, 360);
    charts.natalDeclinations[size_t(i)] = i - 8;
    charts.diurnalDeclinations[size_t(i)] = 8 - i * 0.5;
  }
  // The MCs 350 and 20: the composite MC is 5.
  charts.housePositions = std::string(160, '*');
  charts.natalLongitudes[ChartPoint::MC] = 350;
  charts.diurnalLongitudes[ChartPoint::MC] = 20;
  for (size_t n = 1; n <= 12; ++n) {
    charts.natalHouseCusps[n] = std::fmod(350 + 30.0 * double(n - 1), 360);
    charts.diurnalHouseCusps[n] = std::fmod(20 + 30.0 * double(n - 1), 360);
  }
  return charts;
}

TEST(CompositeChart, MidpointsLatitudeAndHousesTogether) {
  const CompositeSources charts = TwoCharts();
  const CompositeMidpoints midpoints =
      CalcCompositeMidpoints(charts.natalLongitudes, charts.diurnalLongitudes,
                             charts.natalDeclinations, charts.diurnalDeclinations);
  const HouseCusps midpointHouses =
      MidpointHouseCusps(charts.natalHouseCusps, charts.diurnalHouseCusps);

  // Option 40 set: no prompt, midpoint houses.
  PromptHost skip;
  skip.promptAnswers = {"40.30"};
  CompositeChart c =
      CalcCompositeChart(charts, HouseSystemCode::Placidus, Options(40, 30, 0, 1), skip);
  EXPECT_TRUE(skip.prompts.empty());
  EXPECT_EQ(c.latitudeText, "99");
  EXPECT_FALSE(c.castAt);
  EXPECT_EQ(c.houseCusps, midpointHouses);
  EXPECT_EQ(c.longitudes, midpoints.longitudes);
  EXPECT_EQ(c.declinations, midpoints.declinations);
  EXPECT_EQ(c.retroFlags, midpoints.retroFlags);
  EXPECT_NEAR(c.longitudes[ChartPoint::MC], 5, kExact);
  // Arcs of 11 i degrees: only points 14 (154) and 16 (176) are wider than
  // 150; the MCs 350 and 20 are 30 apart.
  EXPECT_EQ(c.retroFlags, "             A A");
  // Midpoint houses 30 degrees wide from the 10th cusp at 5: every point
  // gets the label of the house its longitude falls in.
  const char* labels[] = {"10TH", "11TH", "12TH", " 1ST", " 2ND", " 3RD",
                          " 4TH", " 5TH", " 6TH", " 7TH", " 8TH", " 9TH"};
  ASSERT_EQ(c.housePositions.size(), 160u);
  for (int i = 1; i <= NumPoints; ++i) {
    const int house = int(std::floor(Circle(c.longitudes[size_t(i)] - 5) / 30));
    EXPECT_EQ(c.housePositions.substr(size_t(i - 1) * 10, 10),
              std::string(labels[house]) + " HOUSE")
        << i;
  }

  // Cancelled: midpoint houses.
  PromptHost cancel;
  c = CalcCompositeChart(charts, HouseSystemCode::Placidus, Options(40, 30, 0, 0), cancel);
  EXPECT_EQ(cancel.prompts.size(), 1u);
  EXPECT_EQ(c.latitudeText, "99");
  EXPECT_EQ(c.houseCusps, midpointHouses);

  // 100 is asked again; 40.30 casts Koch at 40.5 North from the composite MC.
  PromptHost ask;
  ask.promptAnswers = {"100", "40.30"};
  c = CalcCompositeChart(charts, HouseSystemCode::Koch, Options(40, 30, 0, 0), ask);
  EXPECT_EQ(ask.prompts.size(), 2u);
  EXPECT_EQ(c.latitudeText, "40.30");
  ASSERT_TRUE(c.castAt);
  EXPECT_NEAR(c.castAt->LatitudeRadians, DegToRad(40.5), kExact);
  EXPECT_NEAR(c.castAt->RamcRadians, CompositeRamc(5), kExact);
  EXPECT_NEAR(AngleDiff(c.houseCusps[1], 5), 0, kCuspTolDeg);
  EXPECT_NEAR(AngleDiff(c.houseCusps[4], TextbookAscendant(CompositeRamc(5), 40.5)), 0,
              kCuspTolDeg);
  EXPECT_EQ(c.housePositions.substr(140, 10), "10TH HOUSE");  // the MC on its own cusp
}

}  // namespace
}  // namespace orv
