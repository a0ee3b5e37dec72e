#pragma once
// The organizational fit analysis: chart 1 read as a company of seven
// departments, each a planet, compared by the planet's cosmodynes power, net
// harmony and their product, with its sign, house and major aspects; listed
// in the data window and printed on one page.

#include <array>
#include <string>
#include <vector>

#include "core/ChartModel.h"
#include "core/NumberFile.h"
#include "cosmodynes/Cosmodynes.h"
#include "listings/ListingPage.h"

namespace orv {

class Canvas;

inline constexpr int OfaDepartmentCount = 7;

// `OfaDepartments`: the planet of each department 1..7 (Executive,
// Communications, Expansion, Treasury/Energy, Production, Quality Control,
// Public Contact & Service/Sales).
inline constexpr std::array<int, OfaDepartmentCount + 1> OfaDepartments = {0,
                                                                           ChartPoint::Sun,
                                                                           ChartPoint::Mercury,
                                                                           ChartPoint::Jupiter,
                                                                           ChartPoint::Venus,
                                                                           ChartPoint::Moon,
                                                                           ChartPoint::Saturn,
                                                                           ChartPoint::Mars};

// `CosmoSummary` as the analysis reads it: row p, column 1 the power, column
// 2 the harmony less the discord.
using CosmoSummaryTable = std::array<std::array<double, 3>, CosmoPointCount + 1>;

struct OfaAspect {
  int code = 0;   // `AspectCode`: 2 conjunction .. 6 opposition
  int other = 0;  // the other planet's `ChartPoint`
};

struct OfaDepartment {
  int planet = 0;
  double power = 0;                                     // P
  double harmony = 0;                                   // H, harmony less discord
  double product = 0;                                   // PH = H x P
  int powerRank = 0, harmonyRank = 0, productRank = 0;  // 1 the largest; ties share
  std::string sign;                                     // "ARI" .. "PIS"
  std::string house;               // "1st house" .. "12th house"; "" without a house
  std::vector<OfaAspect> aspects;  // trines, sextiles, squares, oppositions, conjunctions
};

struct OrgFitAnalysis {
  std::array<OfaDepartment, OfaDepartmentCount + 1> departments;  // 1..7
  double neptunePower = 0, neptuneHarmony = 0;
  double uranusPower = 0, uranusHarmony = 0;
};

// The major aspect `p` and `q` form (both 1..10) with the natal orbs
// `orbs` (conjunction, sextile, square, trine and opposition used), limits
// inclusive; where orbs overlap the later of sextile, square, trine,
// opposition, conjunction wins. 0 when none.
int OfaAspectCode(const PointArray<double>& longitudes, int p, int q, const OrbTable& orbs);

// The analysis of `natal` from its cosmodynes `summary` and the natal orbs.
OrgFitAnalysis CalcOrgFit(const ChartArrays& natal, const CosmoSummaryTable& summary,
                          const OrbTable& orbs);

// `ListNatalOFA`: appends the analysis to `page`: title, natal header,
// notes, the department table and the closing "Notes:" lines.
void ListNatalOFA(ListingPage& page, const ChartModel& model, const OrgFitAnalysis& ofa);

// The printed page on `canvas`: its own scale of 8.5 by 11.5 units over the
// whole surface, title block, ruled table and notes. `model` gives the name
// and the natal data line.
void DrawNatalOFA(Canvas& canvas, const ChartModel& model, const OrgFitAnalysis& ofa);

}  // namespace orv
