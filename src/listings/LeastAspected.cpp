#include "listings/LeastAspected.h"

#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include "core/FixedTables.h"

namespace orv {

namespace {

// One band: inclusive limits for the luminary table (the Sun or the Moon
// takes part) and for the planetary table.
struct CountBand {
  CountClass kind;
  double luminaryLow, luminaryHigh;
  double planetLow, planetHigh;
};

// The testing order: every band is tested and the last match wins. The
// conjunction starts at 0 and the opposition reaches 180.
constexpr std::array<CountBand, 13> kCountBands = {{
    {CountClass::Major, 0, 6.5, 0, 5},                                        // conjunction
    {CountClass::Major, 56, 64, 57, 63},                                      // sextile
    {CountClass::Major, 83.5, 96.5, 85, 95},                                  // square
    {CountClass::Major, 113.5, 126.5, 115, 125},                              // trine
    {CountClass::Major, 173.5, 180, 175, 180},                                // opposition
    {CountClass::Minor, 27, 33, 28.5, 31.5},                                  // semi-sextile
    {CountClass::Minor, 39, 41, 39.25, 40.75},                                // nonagen
    {CountClass::Minor, 42, 48, 42.5, 47.5},                                  // semi-square
    {CountClass::Minor, 49.92857143, 52.92857143, 50.42857143, 52.42857143},  // septile
    {CountClass::Minor, 69, 75, 70.5, 73.5},                                  // quintile
    {CountClass::Minor, 132, 138, 132.5, 137.5},                              // sesquisquare
    {CountClass::Minor, 141, 147, 142.5, 145.5},                              // bi-quintile
    {CountClass::Minor, 147, 153, 148.5, 151.5},                              // quincunx
}};

constexpr std::array<int, 12> kRankedPoints = {
    ChartPoint::Sun,     ChartPoint::Mercury, ChartPoint::Venus,     ChartPoint::Mars,
    ChartPoint::Jupiter, ChartPoint::Saturn,  ChartPoint::Uranus,    ChartPoint::Neptune,
    ChartPoint::Pluto,   ChartPoint::Moon,    ChartPoint::NorthNode, ChartPoint::Chiron};

bool IsLuminary(int point) { return point == ChartPoint::Sun || point == ChartPoint::Moon; }

}  // namespace

std::optional<CountClass> CountBandOf(double s, bool luminary) {
  std::optional<CountClass> found;
  for (const CountBand& b : kCountBands) {
    const double low = luminary ? b.luminaryLow : b.planetLow;
    const double high = luminary ? b.luminaryHigh : b.planetHigh;
    if (low <= s && s <= high) found = b.kind;
  }
  return found;
}

std::array<AspectCounts, 12> CountAspects(const PointArray<double>& natalLongitudes,
                                          int lastPoint) {
  std::array<AspectCounts, 12> all{};
  for (size_t k = 0; k < kRankedPoints.size(); ++k) {
    const int p = kRankedPoints[k];
    AspectCounts& c = all[k];
    c.point = p;
    for (int q = 1; q <= lastPoint; ++q) {
      if (q == p || q == ChartPoint::SouthNode || q == ChartPoint::PartOfFortune) continue;
      double s = std::fabs(natalLongitudes[size_t(p)] - natalLongitudes[size_t(q)]);
      if (s > 180) s = 360 - s;
      const auto band = CountBandOf(s, IsLuminary(p) || IsLuminary(q));
      if (!band) continue;
      if (q == ChartPoint::Ascendant || q == ChartPoint::MC) {
        ++c.angles;
      } else if (q != ChartPoint::NorthNode) {  // found, but counted nowhere
        ++(*band == CountClass::Major ? c.major : c.minor);
      }
    }
  }
  return all;
}

std::string RankedLine(const AspectCounts& counts) {
  return std::string(7, ' ') +
         std::string(PackedField(PointNames10, counts.point, PointNameWidth).substr(0, 8)) + " = " +
         std::to_string(counts.major) + std::to_string(counts.minor) +
         std::to_string(counts.angles);
}

std::array<AspectCounts, 12> RankMostToLeast(std::array<AspectCounts, 12> ranked) {
  const auto key = [](const AspectCounts& c) { return std::tuple(c.major, c.minor, c.angles); };
  // This exchange order decides where equal counts end up.
  for (size_t a = 0; a + 1 < ranked.size(); ++a) {
    for (size_t b = a + 1; b < ranked.size(); ++b) {
      if (key(ranked[a]) < key(ranked[b])) std::swap(ranked[a], ranked[b]);
    }
  }
  return ranked;
}

void ListMostToLeastAspected(ListingPage& page, const PointArray<double>& natalLongitudes,
                             int lastPoint) {
  const std::array<AspectCounts, 12> ranked =
      RankMostToLeast(CountAspects(natalLongitudes, lastPoint));
  page.Blank();
  page.Line("  Most to Least Aspected Planets");
  page.Line("  " + std::string(30, '-'));
  for (const AspectCounts& c : ranked)
    if (c.point <= lastPoint) page.Line(RankedLine(c));
}

}  // namespace orv
