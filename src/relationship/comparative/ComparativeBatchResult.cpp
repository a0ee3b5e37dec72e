#include "relationship/comparative/ComparativeBatchResult.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"

namespace orv {

namespace {

constexpr double kEmailHarmony = 60;

std::string Blanks(long n) { return std::string(size_t(n > 0 ? n : 0), ' '); }

// All vs All's strong pair: "  A and B" with both names whole, filled to
// `width` characters. Names too long for the column are cut, the longer one
// first, so that the numbers keep their column.
std::string BothNames(std::string_view a, std::string_view b, size_t width) {
  size_t na = CharacterCount(a), nb = CharacterCount(b);
  const size_t room = width > 8 ? width - 8 : 0;  // "  ", " and ", a blank
  while (na + nb > room && na + nb > 0) (na >= nb ? na : nb) -= 1;
  return PadToCharacters(
      "  " + std::string(FirstCharacters(a, na)) + " and " + std::string(FirstCharacters(b, nb)),
      width);
}

std::string Text(std::string_view s) { return std::string(s); }

}  // namespace

// The names are whole: two people called John are told apart.
std::string BatchCommaLine(const BatchPairNames& n, const ComparativeTotals& t) {
  std::string line;
  line.reserve(80);
  for (std::string_view part :
       {std::string_view("  "), n.personName, std::string_view(" ("), n.natalDate,
        std::string_view("),"), n.natalEmail, std::string_view(","), n.secondName,
        std::string_view(" ("), n.diurnalDate, std::string_view("),")})
    line += part;
  line += FormatNumber(t.TP1, "0.00");
  line += ',';
  line += FormatNumber(t.TP1 * t.TH1, "0.00");
  line += ',';
  line += FormatNumber(t.TH1, "0.00");
  return line;
}

std::string ShortName(std::string_view name) {
  const size_t blank = name.find(' ', FirstCharacters(name, 2).size());
  return std::string(blank == std::string_view::npos ? name : name.substr(0, blank));
}

bool ReachesBatchSummary(double harmony, const BatchPairOptions& options) {
  return harmony >= options.summaryThreshold || harmony <= -options.summaryThreshold;
}

BatchPairResult MakeBatchPairResult(const BatchPairNames& names, const ComparativeTotals& t,
                                    const BatchPairOptions& options) {
  BatchPairResult r;
  r.harmony = t.TH1;
  r.inSummary = ReachesBatchSummary(t.TH1, options);
  r.addEmail = !options.allVsAll && t.TH1 >= kEmailHarmony;
  // All vs All lists only its comma-separated lines and the summary: the
  // rest is not made for each of its many pairs.
  if (options.allVsAll && !r.inSummary) return r;

  const size_t width = size_t(std::max(0.0f, std::round(options.labelWidth)));
  const std::string product =
      "(P*H = " + PadSignedNum6(FormatNumber(t.TP1 * t.TH1, "#0.00")) + ")   H =" +
      PadSignedNum4(FormatNumber(t.TH1, "#0.00"));
  if (options.allVsAll) {
    r.summary = BothNames(names.personName, names.secondName, width) + "   " + product;
    return r;
  }
  const std::string first = ShortName(names.personName);
  const std::string second = names.secondPerson
                                 ? ShortName(names.secondName) + " (" + Text(names.diurnalDate) +
                                       ", " + Text(names.diurnalEmail) + ")"
                                 : "TRANSITS (" + Text(names.diurnalDate) + ")";
  const std::string label = "  " + first + " and " + second;
  r.summary = PadToCharacters(label.substr(0, label.find('(')), width) + "   " + product;
  r.line = label + Blanks(std::lround(options.labelWidth) - long(CharacterCount(label))) +
           "P =" + PadSignedNum4(FormatNumber(t.TP1, "#0.00")) + "   " + product;
  return r;
}

}  // namespace orv
