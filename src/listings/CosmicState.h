#pragma once
// The cosmic state table: the seven classical planets of chart 1 rated by
// essential dignity (sign, exaltation, triplicity, term, face), by motion and
// by orientation to the Sun, with the peregrine planets, detriments, falls
// and receptions listed below and weighed into each planet's strength.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartModel.h"
#include "core/ChartPoints.h"
#include "core/NumberFile.h"
#include "listings/ListingPage.h"

namespace orv {

// The dignity tables, by `ZodiacSign` 1..12 and `ChartPoint`. Longitudes in
// degrees, 0 <= lon < 360.
int SignRulerOf(int sign);
// The planet exalted in `sign`; nothing for Gemini, Leo, Scorpio,
// Sagittarius and Aquarius.
std::optional<int> ExaltedIn(int sign);
// The triplicity ruler: by day when the Sun stands in houses 7 to 12.
int TriplicityRulerOf(int sign, bool dayChart);
// The ruler of the term holding `lonDeg` (a term ends before its end degree).
int TermRulerAt(double lonDeg);
// The ruler of the ten-degree face holding `lonDeg`, Chaldean order from Mars.
int FaceRulerAt(double lonDeg);
bool InDetriment(int planet, double lonDeg);
bool InFall(int planet, double lonDeg);

// The speed class of `planet` moving `dailyMotionDeg` degrees a day: "stat"
// below 0.00833333 in either direction, else "FAST" or "SLOW" against the
// planet's mean motion, "AVG." at the mean or for a planet without one.
std::string_view CosmicSpeedClass(int planet, double dailyMotionDeg);

// The rate column: the blanks before it, the whole degrees and rounded
// minutes of |dailyMotionDeg|, e.g. "     0d 59m" ("    13d 10m" for the
// Moon, one blank fewer).
std::string CosmicRate(int planet, double dailyMotionDeg);

// A run of the table: the lines in order (two heading lines, the seven
// planet rows without their strengths, a blank line, the peregrine,
// detriment and fall lines, the reception lines found) and each planet's
// strength by `ChartPoint`.
struct CosmicStateTable {
  std::vector<std::string> lines;
  PointArray<double> scores{};
};

// Rates chart 1 (`NatalLongitudes`, `DailyMotion`, `NatalRetroFlags` and the
// Sun's house in `NatalHousePositions`) with the weights of `options`.
CosmicStateTable RateCosmicState(const ChartModel& charts, const OptionValues& options);

// `ListCosmicState`: a blank line, then the table with the strengths
// appended to the planet rows ("##0", right-aligned to 4). Busy cursor while
// it runs.
void ListCosmicState(ListingPage& page, const ChartModel& charts, const OptionValues& options);

}  // namespace orv
