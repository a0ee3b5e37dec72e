#include "core/Composite.h"

#include <cmath>
#include <cstdio>

#include "base/Text.h"
#include "core/Angles.h"
#include "core/ChartInput.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "platform/Host.h"

namespace orv {

namespace {

constexpr std::string_view kLatitudeTitle = "Current latitude";
constexpr std::string_view kTooHighAtThePole =
    "Your latitude is too high. Lower it below 90 degrees OR change house systems.";

// Placidus and Koch cusps stop existing a little above this latitude; the
// chart input windows refuse anything beyond it too.
constexpr double kQuadrantHousesMaxLatitudeDeg = 66;
constexpr double kPoleLatitudeDeg = 90;

std::string LatitudePrompt() {
  std::string prompt = "Enter the latitude of the relationship:";
  prompt += NewLine;
  prompt += NewLine;
  prompt += "(Enter 99 if you want midpoint composite houses)";
  return prompt;
}

// A single-precision number as text, the way the prompt offers it: seven
// significant digits, no leading zero before the point, and a blank where a
// non-negative number has no sign (40.3 is " 40.3", -0.5 is "-.5").
std::string SingleToText(float value) {
  if (value == 0) value = 0;  // no negative zero
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
  std::string text = buffer;
  if (text.rfind("0.", 0) == 0) text.erase(0, 1);
  if (text.rfind("-0.", 0) == 0) text.erase(1, 1);
  return value >= 0 ? " " + text : text;
}

// Whether `text` begins, after blanks and tabs, with a number: a sign may
// lead, then a digit, or a point and a digit.
bool StartsWithNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i < text.size() && text[i] == '.') ++i;
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// The degrees.minutes notation of the input windows in decimal degrees, the
// sign kept apart so the floor applies to the absolute value.
double DegreesMinutesToDecimal(double v) {
  const double phi = HourMinuteToDecimal(std::fabs(v));
  return v < 0 ? -phi : phi;
}

// The message that refuses `latitudeDeg` for `system`, or nothing when the
// system can be cast there.
std::optional<std::string_view> HouseLatitudeRefusal(HouseSystemCode system, double latitudeDeg) {
  const double a = std::fabs(latitudeDeg);
  switch (system) {
    case HouseSystemCode::Placidus:
    case HouseSystemCode::Koch:
      if (a > kQuadrantHousesMaxLatitudeDeg) return kLatitudeTooHigh;
      break;
    case HouseSystemCode::Campanus:
    case HouseSystemCode::Regiomontanus:
      if (a >= kPoleLatitudeDeg) return kTooHighAtThePole;
      break;
    default:
      break;
  }
  return std::nullopt;
}

}  // namespace

namespace {

struct CompositeMidpoints {
  PointArray<double> longitudes{};    // degrees, 0 <= value < 360
  PointArray<double> declinations{};  // degrees, mean of the two, no wrap
  // One character per point: "A" where the two positions are more than 150
  // degrees apart on the shorter arc, otherwise a blank.
  std::string retroFlags;
};

struct CompositeHouses {
  HouseCusps cusps{};  // degrees, 0 <= cusp < 360, order 10th, 11th, 12th, 1st .. 9th
  // The sky the houses were cast under (the composite RAMC, MC, Ascendant,
  // fixed obliquity and the relationship latitude); nothing for midpoint
  // houses.
  std::optional<HouseInputs> castAt;
};

CompositeMidpoints CalcCompositeMidpoints(const PointArray<double>& natalLongitudes,
                                          const PointArray<double>& diurnalLongitudes,
                                          const PointArray<double>& natalDeclinations,
                                          const PointArray<double>& diurnalDeclinations) {
  CompositeMidpoints composite;
  composite.retroFlags.assign(NumPoints, ' ');
  for (int i = 1; i <= NumPoints; ++i) {
    const double n = natalLongitudes[size_t(i)];
    const double d = diurnalLongitudes[size_t(i)];
    double s = std::fabs(n - d);
    double c = (d + n) / 2;
    if (s >= 180 && std::fabs(c - n) > 90 && std::fabs(c - d) > 90) c += 180;
    if (s > 180) s = std::fabs(s - 360);
    if (s > 150) composite.retroFlags[size_t(i - 1)] = 'A';
    composite.longitudes[size_t(i)] = Norm360(c);
    composite.declinations[size_t(i)] =
        (natalDeclinations[size_t(i)] + diurnalDeclinations[size_t(i)]) / 2;
  }
  return composite;
}

std::string SettleCompositeLatitude(Host& host, const OptionValues& options,
                                    HouseSystemCode system) {
  namespace O = OptionNumber;
  if (options[O::CompositeMidpointHouses] != 0) return std::string(kMidpointHousesAnswer);
  float offered = options[O::DefaultLatitudeDegrees] + options[O::DefaultLatitudeMinutes] / 100;
  if (options[O::DefaultLatitudeSouth] != 0) offered = -offered;
  const std::string offeredText = SingleToText(offered);
  const std::string prompt = LatitudePrompt();
  for (;;) {
    std::string answer = host.PromptText(prompt, kLatitudeTitle, offeredText);
    if (answer.empty()) return std::string(kMidpointHousesAnswer);
    if (!StartsWithNumber(answer)) continue;
    const double v = LeadingNumber(answer);
    if (v == 99) return answer;
    // The range is judged on the latitude itself: 89.75 reads as 90 degrees
    // 75 minutes, past the pole.
    const double latitude = DegreesMinutesToDecimal(v);
    if (std::fabs(latitude) > kPoleLatitudeDeg) continue;
    if (const auto refusal = HouseLatitudeRefusal(system, latitude)) {
      host.ShowMessage(*refusal, kTitleWarning, MessageIcon::Information);
      continue;
    }
    return answer;
  }
}

std::optional<double> CompositeLatitudeDegrees(std::string_view latitudeText) {
  const double v = LeadingNumber(latitudeText);
  if (v == 99) return std::nullopt;
  return DegreesMinutesToDecimal(v);
}

HouseCusps MidpointHouseCusps(const HouseCusps& natalCusps, const HouseCusps& diurnalCusps) {
  HouseCusps cusps{};
  for (size_t n = 1; n <= 12; ++n) {
    double c = (natalCusps[n] + diurnalCusps[n]) / 2;
    if (std::fabs(c - natalCusps[n]) > 90 || std::fabs(c - diurnalCusps[n]) > 90) {
      c += 180;
      if (c >= 360) c -= 360;
    }
    if (n >= 2) {
      const double d = std::fabs(c - cusps[n - 1]);
      if (d > 90 && d < 270) c = Norm360(c + 180);
    }
    cusps[n] = c;
  }
  return cusps;
}

double CompositeRamc(double mcLongitudeDeg) {
  const double cosE = std::cos(DegToRad(kCompositeObliquityDeg));
  const double m = mcLongitudeDeg;
  if (m < 90) {
    const double v = DegToRad(m);
    return std::atan(std::sin(v) * cosE / std::cos(v));
  }
  if (m < 180) {
    const double v = DegToRad(m - 90);
    return std::atan(std::tan(v) / cosE) + Pi / 2;
  }
  if (m < 270) {
    const double v = DegToRad(m - 180);
    return std::atan(std::sin(v) * cosE / std::cos(v)) + DegToRad(180);
  }
  const double v = DegToRad(m - 270);
  return DegToRad(180) + std::atan(std::tan(v) / cosE) + Pi / 2;
}

CompositeHouses CalcCompositeHouseCusps(std::string_view latitudeText, HouseSystemCode system,
                                        double compositeMcDeg, const HouseCusps& natalCusps,
                                        const HouseCusps& diurnalCusps) {
  const std::optional<double> latitudeDeg = CompositeLatitudeDegrees(latitudeText);
  if (latitudeDeg) {
    HouseInputs sky;
    sky.RamcRadians = CompositeRamc(compositeMcDeg);
    sky.MidheavenLongitude = compositeMcDeg;
    sky.ObliquityRadians = DegToRad(kCompositeObliquityDeg);
    sky.LatitudeRadians = DegToRad(*latitudeDeg);
    sky.AscendantLongitude =
        CalcAscendant(sky.RamcRadians, sky.ObliquityRadians, sky.LatitudeRadians);
    const HouseCuspsResult cast = CalcHouseCusps(system, sky);
    if (cast.ok()) return {cast.cusps, sky};
  }
  return {MidpointHouseCusps(natalCusps, diurnalCusps), std::nullopt};
}

}  // namespace

CompositeChart CalcCompositeChart(const CompositeSources& charts, HouseSystemCode system,
                                  const OptionValues& options, Host& host) {
  CompositeMidpoints midpoints =
      CalcCompositeMidpoints(charts.natalLongitudes, charts.diurnalLongitudes,
                             charts.natalDeclinations, charts.diurnalDeclinations);
  CompositeChart chart;
  chart.longitudes = midpoints.longitudes;
  chart.declinations = midpoints.declinations;
  chart.retroFlags = std::move(midpoints.retroFlags);
  chart.hasChiron = charts.natalHasChiron && charts.diurnalHasChiron;
  chart.latitudeText = SettleCompositeLatitude(host, options, system);
  CompositeHouses houses =
      CalcCompositeHouseCusps(chart.latitudeText, system, chart.longitudes[ChartPoint::MC],
                              charts.natalHouseCusps, charts.diurnalHouseCusps);
  if (!houses.castAt && CompositeLatitudeDegrees(chart.latitudeText)) {
    chart.latitudeText = kMidpointHousesAnswer;
  }
  chart.houseCusps = houses.cusps;
  chart.castAt = houses.castAt;
  chart.housePositions =
      PlacePlanetsInHouses(charts.housePositions, chart.longitudes, chart.houseCusps, HouseLabels);
  return chart;
}

}  // namespace orv
