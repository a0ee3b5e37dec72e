#pragma once
// The names-file batches: every record of the names file (or every pair of
// records) run through the comparative cosmodynes, the natal cosmodynes or
// the organizational fit analysis, gathered on one page of the data window.
// Each record's chart is computed once per run; pairs are scored from those
// charts.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ChartInput.h"
#include "core/ChartModel.h"
#include "cosmodynes/Cosmodynes.h"
#include "cosmodynes/OrgFit.h"
#include "listings/ListingPage.h"
#include "relationship/comparative/ComparativeScoring.h"
#include "shell/input/NamesFile.h"

namespace orv {

class Host;
struct DataTables;

// Where a batch reports how far it has come and hears of Cancel.
class BatchProgress {
 public:
  virtual ~BatchProgress() = default;
  // `done` of `total` steps are finished (0 <= done <= total; a total of 0
  // means nothing to do). False: the user cancelled, and the run stops.
  virtual bool Step(std::int64_t done, std::int64_t total) = 0;
};

// One record whose chart could be computed.
struct BatchPerson {
  std::size_t record = 0;  // index into the names file's records
  std::string name;
  std::string email;
  std::string date;  // "dd mmm yyyy"
  ChartInputValues input;
  ChartArrays chart;  // as the chart driver computes chart 1
  bool atNoon = false;
  // The chart readied for the pair scoring with the run's settings.
  PreparedComparativeChart prepared;
};

// What every batch reads of the program state.
struct BatchContext {
  Host& host;
  BatchProgress& progress;
  const std::vector<NameRecord>& records;
  const OptionValues& options;
  const DataTables& tables;
  std::filesystem::path appPath;  // NATAL.ORB is read from here
  HouseSystemCode houseSystem = HouseSystemCode::Placidus;
  int dateOrder = 0;
  ComparativeSettings comparative;  // angles, "Benefics/Malefics?", "incl MR", option 238
  CosmodyneOptions cosmodynes;      // "Consider dignities?", "Benefics/Malefics?"
  bool oneToOne = false;            // "1 to 1"
  int presentYear = 2000;           // for the age filter (option 222)
  // A pair batch of more pairs than this says how many and about how long,
  // asks, and writes its lines to a file in REPORTS rather than the page.
  // (A pair is listed both ways, a line each: a million lines.)
  std::int64_t askAbovePairs = 500'000;
  // Pair totals held at a time; beyond them a pair batch works through
  // strips of rows (bounding its memory whatever the number of pairs).
  std::size_t pairCellsAtOnce = std::size_t(1) << 20;
};

// How a run ended.
enum class BatchEnd {
  Listed,     // the page is written; the caller shows it
  Nothing,    // nothing to show (a message said why)
  Cancelled,  // the user stopped it, and was told so; the page is not shown
};

// --- The pair batches ---

// All vs All: every ordered pair of different people, filtered by "1 to 1"
// or the same-sex rule, one comma-separated line each, the averages and the
// strong pairs. The pairs are scored on every core.
BatchEnd RunAllVsAll(BatchContext& ctx, ListingPage& page);

// One vs All: record `chosen` (the names list's selection; nothing: the
// "Please select a name" message) against everyone else, same-sex rule and
// age filter, sorted by harmony, with the e-mail texts of the best matches.
BatchEnd RunOneVsAll(BatchContext& ctx, ListingPage& page, std::optional<std::size_t> chosen);

// All vs All Summary: One vs All for every record on one page, then the
// averages, the strong pairs and the count of men, women and couples.
BatchEnd RunAllVsAllSummary(BatchContext& ctx, ListingPage& page);

// --- The per-person batches ---

// View Division Analysis: per division planet, everyone's power, harmony,
// product and rank with the planet's major aspects, then the people by trine
// and sextile.
BatchEnd RunDivisionAnalysis(BatchContext& ctx, ListingPage& page);

// Placement Summary: the people by their rank for each division planet.
BatchEnd RunPlacementSummary(BatchContext& ctx, ListingPage& page);

// View O.F.A. - All: everyone's organizational fit analysis, a form feed
// between two people.
BatchEnd RunViewOrgFitAll(BatchContext& ctx, ListingPage& page);

// Print O.F.A. - All: everyone's organizational fit analysis handed to
// `printPerson` in record order (one printed page each); `printPerson`
// returns false to stop. Listed when every person was handed over.
BatchEnd RunPrintOrgFitAll(
    BatchContext& ctx,
    const std::function<bool(const ChartModel& person, const OrgFitAnalysis& ofa)>& printPerson);

// --- The pieces, exposed for testing ---

// Computes each record's chart once. Records the chart computation refuses
// are left out and their names added to `skipped`. Nothing when cancelled.
// Progress runs from `done` by `perRecord` (one or none) per record towards
// `total`.
std::optional<std::vector<BatchPerson>> ComputeBatchPeople(BatchContext& ctx,
                                                           std::vector<std::string>& skipped,
                                                           std::int64_t done, std::int64_t total,
                                                           std::int64_t perRecord = 1);

// Power and net harmony of chart 1 for the pair (a, b) (TP1 and TH1), as the
// comparative cosmodynes of the two computed charts give them; `settings`
// those the people were computed with.
ComparativeTotals ScoreBatchPair(const BatchPerson& a, const BatchPerson& b,
                                 const ComparativeSettings& settings);

// A result line with the net harmony it was written from.
struct BatchResultLine {
  std::string text;
  double harmony = 0;
};
// `SortBatchResults`: by harmony, largest first; equal harmonies keep their
// order.
void SortBatchResults(std::vector<BatchResultLine>& lines);

// The same-sex rule: both names carry the same "m " or "w " prefix.
bool SameSexPair(std::string_view a, std::string_view b);
// The "1 to 1" rule: the names agree in characters 5 and 6.
bool OneToOnePair(std::string_view a, std::string_view b);
// The age filter: the younger age is at least two thirds of the older
// (Int(older x 0.6667) <= younger).
bool AgesMatch(int ageA, int ageB);

// The rank of each value: 1 plus the number of values strictly greater.
std::vector<int> RanksOf(const std::vector<double>& values);

// The major aspect code of the division analysis between longitudes `p` and
// `q` with the natal orbs (2 conjunction .. 6 opposition; later tests win),
// 0 for none.
int DivisionAspectCode(double p, double q, const OrbTable& orbs);

// The message shown once at the end of a batch that left records out,
// naming the first ten.
std::string SkippedRecordsText(const std::vector<std::string>& names);

}  // namespace orv
