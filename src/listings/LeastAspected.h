#pragma once
// The least aspected planets: twelve points of chart 1 ranked by how many
// aspects they make, with fixed orbs that are wider for the Sun and Moon.

#include <array>
#include <optional>
#include <string>

#include "core/ChartPoints.h"
#include "listings/ListingPage.h"

namespace orv {

// How an aspect counts: conjunction, sextile, square, trine and opposition
// are major; the others minor.
enum class CountClass { Major, Minor };

// The class of the aspect the separation `s` (0..180 degrees) makes in the
// fixed bands (the wider luminary table when the Sun or the Moon takes
// part); the last matching band wins, limits inclusive. Nothing when no band
// holds.
std::optional<CountClass> CountBandOf(double s, bool luminary);

// A ranked point's aspects: to the planets, the Moon and Chiron (major:
// conjunction, sextile, square, trine, opposition; minor: the others) and
// to the Ascendant and MC (any kind).
struct AspectCounts {
  int point = 0;  // `ChartPoint`
  int major = 0;
  int minor = 0;
  int angles = 0;
};

// The counts of the twelve ranked points (the Sun to the North Node, then
// Chiron), in that order, from chart 1's longitudes in degrees, aspects to
// points up to `lastPoint` only (a chart without Chiron ends at the MC).
std::array<AspectCounts, 12> CountAspects(const PointArray<double>& natalLongitudes,
                                          int lastPoint = NumPoints);

// The printed line: 7 blanks, the first 8 characters of the point's name,
// " = " and the three counts written one after the other.
std::string RankedLine(const AspectCounts& counts);

// The ranking, most aspected first: more major aspects, then more minor
// ones, then more to the angles. Equal counts end where the exchange sort
// of the listing leaves them.
std::array<AspectCounts, 12> RankMostToLeast(std::array<AspectCounts, 12> counts);

// `ListMostToLeastAspected`: appends the title and the twelve lines, most
// aspected first: more major aspects rank higher, then more minor ones,
// then more to the angles.
// Points after `lastPoint` are left out.
void ListMostToLeastAspected(ListingPage& page, const PointArray<double>& natalLongitudes,
                             int lastPoint = NumPoints);

}  // namespace orv
