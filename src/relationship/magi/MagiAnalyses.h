#pragma once
// The Magi Society analyses: the couple analysis of chart 1 against chart 2
// with romance, sex and compatibility scores, and the analysis of the natal
// chart's own pairs.

#include <string>
#include <string_view>

#include "core/ChartModel.h"
#include "core/ephemeris/DataTables.h"
#include "listings/ListingPage.h"

namespace orv {

// `MagiCoupleTotals`: single precision, as the page prints them.
struct MagiCoupleTotals {
  float RomanceTotal = 0, SexTotal = 0, CompatibilityTotal = 0;
  float CrucialRomanceLinkages = 0, CrucialRomanceClashes = 0;
  float CrucialSexLinkages = 0;
  float CrucialCompatibilityLinkages = 0, CrucialCompatibilityClashes = 0;
};

// The score prefix of a couple hit line.
std::string MagiScoreColumns(double romance, double sex, double compatibility);

// The couple analysis after the page's header: heading, the longitude and
// the parallel hits with their scores and labels, totals and crucial sums.
// `firstName` is the natal window's name box, `secondName` the caption of
// the "2nd Person" box. Returns the totals.
MagiCoupleTotals ListMagiCouple(ListingPage& page, const ChartModel& charts,
                                std::string_view firstName, std::string_view secondName,
                                const DataTables& tables);

// The natal analysis after the page's header: the heading with `nameText`,
// the longitude hits and the declination hits of chart 1's own pairs.
void ListMagiNatal(ListingPage& page, const ChartArrays& natal, std::string_view nameText);

}  // namespace orv
