#pragma once
// What one pair of a names-file batch leaves: its result line, its summary
// line, and the comma-separated line of All vs All, from the pair's totals.

#include <string>
#include <string_view>

#include "relationship/comparative/ComparativeScoring.h"

namespace orv {

// Who the pair is, as the batch loaded it into the two input windows (the
// texts outlive the call that reads them).
struct BatchPairNames {
  std::string_view personName;  // chart 1, `PersonName`
  std::string_view natalDate;   // "dd mmm yyyy"
  std::string_view natalEmail;
  bool secondPerson = true;  // chart 2 a person (its caption), or transits
  std::string_view secondName;
  std::string_view diurnalDate;  // "dd mmm yyyy"
  std::string_view diurnalEmail;
};

// The batch and the options it reads.
struct BatchPairOptions {
  bool allVsAll = false;
  float labelWidth = 80;        // option 241
  float summaryThreshold = 70;  // option 16
};

struct BatchPairResult {
  std::string line;     // the label and the result text (`BatchLines`); not in All vs All
  std::string summary;  // `BatchSummaryText`; in All vs All only for a summary pair
  // The pair's net harmony, kept beside its lines so that they sort by the
  // number rather than by the text's last characters.
  double harmony = 0;
  bool inSummary = false;  // |harmony| reaches the summary threshold
  bool addEmail = false;   // One vs All with harmony 60 or more: list the partner's e-mail
};

// `ShortName`: `name` up to its first blank at character 3 or later (so a
// leading "m " or "w " stays); the whole name when there is none.
std::string ShortName(std::string_view name);

// Whether a pair of net harmony `harmony` joins the strong pairs: it
// reaches the summary threshold either way.
bool ReachesBatchSummary(double harmony, const BatchPairOptions& options);

// All vs All's comma-separated line of a pair of two people with totals `t`,
// both names whole.
std::string BatchCommaLine(const BatchPairNames& names, const ComparativeTotals& t);

// `AddBatchPairResult` for a pair with totals `t`. Columns count characters,
// not bytes. A label longer than its column is written whole, with no fill.
// All vs All names both people whole, in its lines and its strong pairs
// (there cut only where both would not fit the label column).
BatchPairResult MakeBatchPairResult(const BatchPairNames& names, const ComparativeTotals& t,
                                    const BatchPairOptions& options);

}  // namespace orv
