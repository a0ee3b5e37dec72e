#include "relationship/comparative/ComparativeBatchResult.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"

namespace orv {

namespace {

constexpr double kEmailHarmony = 60;

std::string Blanks(long n) { return std::string(size_t(n > 0 ? n : 0), ' '); }

std::string Padded(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

// All vs All's comma-separated line, from the pair's fields.
std::string CommaLine(const BatchPairNames& n, const ComparativeTotals& t) {
  return "  " + ShortName(n.personName) + " (" + n.natalDate + ")," + n.natalEmail + "," +
         ShortName(n.secondName) + " (" + n.diurnalDate + ")," + FormatNumber(t.TP1, "0.00") +
         "," + FormatNumber(t.TP1 * t.TH1, "0.00") + "," + FormatNumber(t.TH1, "0.00");
}

}  // namespace

std::string ShortName(std::string_view name) {
  const size_t blank = name.find(' ', 2);
  return std::string(blank == std::string_view::npos ? name : name.substr(0, blank));
}

BatchPairResult MakeBatchPairResult(const BatchPairNames& names, const ComparativeTotals& t,
                                    const BatchPairOptions& options) {
  BatchPairResult r;
  r.harmony = t.TH1;
  r.inSummary = t.TH1 >= options.summaryThreshold || t.TH1 <= -options.summaryThreshold;
  r.addEmail = !options.allVsAll && t.TH1 >= kEmailHarmony;
  if (options.allVsAll && names.secondPerson) r.commaLine = CommaLine(names, t);
  // All vs All lists only its comma-separated lines and the summary: the
  // rest is not made for each of its many pairs.
  if (options.allVsAll && !r.inSummary) return r;

  std::string first = ShortName(names.personName);
  if (options.allVsAll) first += " (" + names.natalDate + ", " + names.natalEmail + ")";
  const std::string second =
      names.secondPerson
          ? ShortName(names.secondName) + " (" + names.diurnalDate + ", " + names.diurnalEmail + ")"
          : "TRANSITS (" + names.diurnalDate + ")";
  const std::string label = "  " + first + " and " + second;
  const std::string prefix = Padded(label.substr(0, label.find('(')),
                                    size_t(std::max(0.0f, std::round(options.labelWidth))));
  const std::string product =
      "(P*H = " + PadSignedNum6(FormatNumber(t.TP1 * t.TH1, "#0.00")) + ")   H =" +
      PadSignedNum4(FormatNumber(t.TH1, "#0.00"));
  r.summary = prefix + "   " + product;
  if (options.allVsAll) return r;
  r.line = label + Blanks(std::lround(options.labelWidth) - long(label.size())) + "P =" +
           PadSignedNum4(FormatNumber(t.TP1, "#0.00")) + "   " + product;
  return r;
}

}  // namespace orv
