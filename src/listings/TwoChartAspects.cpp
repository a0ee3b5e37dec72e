#include "listings/TwoChartAspects.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace orv {

namespace {

// The transit lists leave out the South Node; the synastry list both nodes
// and the Part of Fortune.
bool InTransitLists(int point) { return point != ChartPoint::SouthNode; }
bool InSynastryList(int point) {
  return point != ChartPoint::NorthNode && point != ChartPoint::SouthNode &&
         point != ChartPoint::PartOfFortune;
}

void ListPair(ListingPage& page, int pointA, double longitudeA, int pointB, double longitudeB,
              const OrbTable& orbs) {
  const double difference = longitudeA - longitudeB;
  std::vector<std::string> lines;
  ListAspects({pointA, pointB, std::fabs(difference), difference}, orbs, lines);
  for (const std::string& line : lines) page.Line(line);
}

}  // namespace

void ListTransitToNatalAspects(ListingPage& page, const ChartModel& model,
                               const OrbTable& twoChartOrbs) {
  page.Blank();
  page.Line("      TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  page.Blank();
  for (int j = 1; j <= LastPointOf(model.Diurnal); ++j) {
    if (!InTransitLists(j)) continue;
    for (int i = 1; i <= LastPointOf(model.Natal); ++i) {
      if (!InTransitLists(i)) continue;
      ListPair(page, j, model.Diurnal.Longitudes[size_t(j)], i, model.Natal.Longitudes[size_t(i)],
               twoChartOrbs);
    }
  }
}

void ListTransitToTransitAspects(ListingPage& page, const ChartArrays& transits,
                                 const OrbTable& twoChartOrbs) {
  page.Blank();
  page.Line("   TRANSITING PLANET ASPECTS TO TRANSITING PLANETS");
  page.Blank();
  const PointArray<double>& lon = transits.Longitudes;
  const int last = LastPointOf(transits);
  for (int j = 1; j < last; ++j) {
    if (!InTransitLists(j)) continue;
    for (int i = j + 1; i <= last; ++i) {
      if (!InTransitLists(i)) continue;
      ListPair(page, j, lon[size_t(j)], i, lon[size_t(i)], twoChartOrbs);
    }
  }
}

AspectMatch FindSynastryAspect(double longitudeA, double longitudeB, const OrbTable& synastryOrbs) {
  const double difference = longitudeA - longitudeB;
  AspectMatch match;
  double s = std::fabs(difference);
  if (s > 180) s = 360 - s;
  match.foldedSeparation = s;
  match.deviation = s;
  // Every band is tested and the last match wins: the conjunction last.
  for (const AspectBand& band : kMajorAndSemiBands) MatchBand(band, synastryOrbs, match);
  MatchBand(kQuindecileBand, synastryOrbs, match);
  MatchBand(kConjunctionBand, synastryOrbs, match);
  if (match.code != NoAspectCode) match.deviation = ListedDeviation(match.deviation, difference);
  return match;
}

void ListSynastryAspects(ListingPage& page, const ChartModel& model, const OrbTable& synastryOrbs) {
  page.Blank();
  for (int j = 1; j <= LastPointOf(model.Natal); ++j) {
    if (!InSynastryList(j)) continue;
    for (int i = 1; i <= LastPointOf(model.Diurnal); ++i) {
      if (!InSynastryList(i)) continue;
      const AspectMatch m = FindSynastryAspect(model.Natal.Longitudes[size_t(j)],
                                               model.Diurnal.Longitudes[size_t(i)], synastryOrbs);
      if (m.code != NoAspectCode) page.Line(AspectListLine(j, m.code, i, m.deviation, "0.0"));
    }
  }
}

}  // namespace orv
