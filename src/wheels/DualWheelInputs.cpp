#include "wheels/DualWheelInputs.h"

#include "core/ChartModel.h"
#include "core/FixedTables.h"
#include "core/HousePlacement.h"
#include "core/OptionNumbers.h"
#include "wheels/WheelLayout.h"

namespace orv {

bool CombinedChartsExchanged(const WheelRequest& request, const OptionValues& options) {
  return request.WheelKind == 2 && request.DualWheelShown == 0 &&
         options[OptionNumber::DualWheelOuterTransits] != 0 && !request.SecondPerson;
}

SingleWheelInputs CombinedPassInputs(const WheelPaintInputs& in, bool outerRing) {
  const WheelRequest& r = *in.request;
  SingleWheelInputs s = SingleWheelInputsOf(in);
  const bool exchanged = CombinedChartsExchanged(r, *in.options);
  const std::string innerFlags = r.RetroFlags.substr(0, NumPoints);
  const bool innerChart = outerRing == exchanged;
  s.values = innerChart ? r.Longitudes : r.DualOuterLongitudes;
  s.retroFlags = innerChart ? innerFlags : r.WheelRetroFlags;
  if (!innerChart || (*in.options)[OptionNumber::DualWheelOuterTransits] != 0)
    s.housePositions =
        PlacePlanetsInHouses(std::string(NumPoints * 10, ' '), s.values, r.Cusps, HouseLabels);
  s.outerRing = outerRing;
  s.lastPoint = LastPointOf(innerChart ? r.HasChiron : r.OuterHasChiron);
  if (outerRing) s.enabled = r.EnabledOuterPoints;
  return s;
}

DualWheelInputs TwoRingInputs(const WheelRequest& r) {
  DualWheelInputs d;
  for (std::size_t i = 1; i <= NumPoints; ++i) {
    d.values[i] = r.Longitudes[i];
    d.values[i + NumPoints] = r.DualOuterLongitudes[i];
  }
  d.cusps = r.Cusps;
  d.housePositions = r.HousePositions;
  d.retroFlags = r.HelioWheel == 1 ? std::string() : r.RetroFlags;
  d.enabledNatal = r.EnabledPoints;
  d.enabledTransit = r.EnabledOuterPoints;
  d.pointShown = r.DualPointShown;
  d.wheelKind = r.WheelKind;
  d.helio = r.HelioWheel == 1;
  d.hasChiron = {r.HasChiron, r.OuterHasChiron};
  return d;
}

AspectListInputs WheelAspectListInputs(const WheelRequest& r, const OptionValues& options) {
  if (r.WheelKind != 2) return SingleWheelAspectListInputs(r);
  AspectListInputs in;
  in.twoCharts = true;
  in.helio = r.HelioWheel == 1;
  in.declination = r.DeclinationDualWheel == 1;
  const bool exchanged = CombinedChartsExchanged(r, options);
  in.rowAngles = exchanged ? r.Longitudes : r.DualOuterLongitudes;
  in.columnAngles = exchanged ? r.DualOuterLongitudes : r.Longitudes;
  in.rowDeclinations = exchanged ? r.Declinations : r.OuterDeclinations;
  in.columnDeclinations = exchanged ? r.OuterDeclinations : r.Declinations;
  in.rowEnabled = r.EnabledOuterPoints;
  in.columnEnabled = r.EnabledPoints;
  // No row or column of a Chiron the table does not reach.
  in.hasChiron = r.HasChiron && r.OuterHasChiron;
  return in;
}

std::vector<AspectLine> TwoRingAspectLines(const DualWheelInputs& in, const DualPlacement& placed,
                                           const OrbTable& orbs, const AspectLineTests& tests,
                                           bool allPairs) {
  std::array<AspectLineChart, 2> charts;
  for (std::size_t c = 0; c < 2; ++c) {
    const std::string& enabled = c == 0 ? in.enabledNatal : in.enabledTransit;
    AspectLineChart& chart = charts[c];
    chart.radius = WheelRadius;
    for (int p = 1; p <= NumPoints; ++p) {
      const std::size_t i = std::size_t(p);
      chart.angles[i] = in.values[i + c * NumPoints];
      chart.glyphAngles[i] = chart.angles[i];
      chart.takesPart[i] = DualPointShown(in, p) && (in.hasChiron[c] || p != ChartPoint::Chiron) &&
                           (i - 1 >= enabled.size() || enabled[i - 1] != '0');
    }
  }
  for (const DualLabel& l : placed.labels)
    charts[l.secondChart() ? 1 : 0].glyphAngles[std::size_t(l.point())] = l.angle;
  std::vector<AspectLine> lines =
      FindAspectLines(charts[1], charts[0], AspectPairs::AcrossTwo, orbs, tests);
  if (allPairs)
    for (const AspectLineChart& chart : charts) {
      const auto within = FindAspectLines(chart, chart, AspectPairs::WithinOneOfTwo, orbs, tests);
      lines.insert(lines.end(), within.begin(), within.end());
    }
  return lines;
}

std::vector<AspectLine> CombinedAspectLines(const SingleWheelInputs& first,
                                            const std::vector<PlacedLabel>& firstPlaced,
                                            const SingleWheelInputs& second,
                                            const std::vector<PlacedLabel>& secondPlaced,
                                            const OrbTable& orbs, const AspectLineTests& tests,
                                            double firstRadius, double secondRadius) {
  AspectLineChart a, b;
  a.angles = first.values;
  a.glyphAngles = LineEndAngles(first.values, firstPlaced);
  a.takesPart = SingleWheelLinePoints(first.enabled, first.helio,
                                      first.lastPoint >= ChartPoint::Chiron);
  a.radius = firstRadius;
  b.angles = second.values;
  b.glyphAngles = LineEndAngles(second.values, secondPlaced);
  b.takesPart = SingleWheelLinePoints(second.enabled, second.helio,
                                      second.lastPoint >= ChartPoint::Chiron);
  b.radius = secondRadius;
  return FindAspectLines(a, b, AspectPairs::AcrossTwo, orbs, tests);
}

}  // namespace orv
