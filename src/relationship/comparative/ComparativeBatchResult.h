#pragma once
// What one pair of a names-file batch leaves: its result line, its summary
// line, and the comma-separated line of All vs All, from the pair's totals.

#include <string>
#include <string_view>

#include "relationship/comparative/ComparativeScoring.h"

namespace orv {

// Who the pair is, as the batch loaded it into the two input windows.
struct BatchPairNames {
  std::string personName;  // chart 1, `PersonName`
  std::string natalDate;   // "dd mmm yyyy"
  std::string natalEmail;
  bool secondPerson = true;  // chart 2 a person (its caption), or transits
  std::string secondName;
  std::string diurnalDate;  // "dd mmm yyyy"
  std::string diurnalEmail;
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
  std::string commaLine;   // All vs All of two people only
};

// `ShortName`: `name` up to its first blank at position 3 or later (so a
// leading "m " or "w " stays); the whole name when there is none.
std::string ShortName(std::string_view name);

// `AddBatchPairResult` for a pair with totals `t`. A label longer than its
// column is written whole, with no fill.
BatchPairResult MakeBatchPairResult(const BatchPairNames& names, const ComparativeTotals& t,
                                    const BatchPairOptions& options);

}  // namespace orv
