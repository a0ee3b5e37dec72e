#pragma once
// The comparative cosmodynes listing: heading, per-point table with ranks
// and totals, the cross mutual receptions, the synastry factor lists, the
// POWER and HARMONY grids, and the compact copy for the clipboard.

#include <string>
#include <string_view>
#include <vector>

#include "listings/ChartHeaders.h"
#include "listings/ListingPage.h"
#include "relationship/comparative/ComparativeScoring.h"

namespace orv {

// Who the two charts are, as the listing names them.
struct ComparativeLabels {
  std::string PersonName;
  SecondPersonBox Box;      // checked: chart 2 is the person of its caption
  std::string DiurnalDate;  // chart 2's date, "dd mmm yyyy"
};

// Where the listing writes: every line to the page, and the lines meant for
// the clipboard also to `stored` (`CosmoReportLines`, as long as it needs).
struct StoredListing {
  ListingPage& page;
  std::vector<std::string>& stored;
  // Appends `line` to the page and stores it.
  void Store(std::string_view line);
  // Stores an empty entry without writing to the page.
  void Skip() { stored.emplace_back(); }
};

// What one run leaves beside the page.
struct ComparativeRun {
  ComparativeScores Scores;
  ComparativeTotals Totals;
  std::vector<std::string> StoredLines;
  std::string ClipboardText;
};

// `ListComparativeCosmodynes`: scores chart 1 of `charts` against chart 2
// and writes the whole listing to `page` (the caller begins and shows it).
ComparativeRun ListComparativeCosmodynes(ListingPage& page, const ChartModel& charts,
                                         const SecondPersonBox& box,
                                         const ComparativeSettings& settings);

// The steps of the listing, exposed for testing.

// `ListComparativeTable`: pair line, column line, one row per listed point
// with ranks, dashes, TOTALS and Power*Harmony, then an empty entry.
void ListComparativeTable(StoredListing& out, const ComparativeScores& scores,
                          const ComparativeTotals& totals, const ComparativeLabels& labels,
                          CosmoAngleChoice angles);

// `ListCrossReceptions`: two blank lines, the heading, hyphens, then the
// receptions `scores` counted (`includeMR`) or, without them, every cross
// reception with the advice to add its harmony; an empty entry after.
void ListCrossReceptions(StoredListing& out, const ComparativeLabels& labels,
                         const PointArray<double>& longitudes1,
                         const PointArray<double>& longitudes2, bool includeMR);

// `ListComparativeCosmodyneGrids`: the POWER and HARMONY grids.
void ListComparativeCosmodyneGrids(StoredListing& out, const ComparativeScores& scores,
                                   const ComparativeLabels& labels, CosmoAngleChoice angles);

// `FactorPairLine`: two blanks, both point names, power and harmony.
std::string FactorPairLine(int a, int b, double power, double harmony);

// `ImportantFactorsText` and `CloseAspectsText` of the scored pairs, each
// line ended by CR LF.
struct SynastryFactorTexts {
  std::string important;
  std::string close;
};
SynastryFactorTexts CollectSynastryFactors(const std::vector<ScoredPair>& pairs);

// `ListSynastryFactors`: the two lists on the page (not stored).
void ListSynastryFactors(ListingPage& page, const SynastryFactorTexts& texts, bool includeMR);

// The clipboard's share of the lists: both headings, the note line with
// `includeMR`, the column headers and the two texts.
std::string SynastryFactorsCopy(const SynastryFactorTexts& texts, bool includeMR);

}  // namespace orv
