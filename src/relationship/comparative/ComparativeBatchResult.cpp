#include "relationship/comparative/ComparativeBatchResult.h"

#include <algorithm>
#include <cmath>

#include "base/Format.h"

namespace orv {

namespace {

constexpr int kAllVsAllWidth = 125;
constexpr double kEmailHarmony = 60;

std::string Blanks(long n) { return std::string(size_t(n > 0 ? n : 0), ' '); }

std::string Padded(std::string s, size_t width) {
  if (s.size() < width) s.append(width - s.size(), ' ');
  return s;
}

// The text of `s` from `from` up to (not including) the next `to`; the rest
// of `s` when there is none.
std::string Between(const std::string& s, size_t from, std::string_view to) {
  if (from >= s.size()) return {};
  const size_t end = s.find(to, from);
  return s.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::string CommaLine(const std::string& e, const ComparativeTotals& t) {
  const size_t comma = e.find(',');
  if (comma == std::string::npos) return {};
  const std::string first = e.substr(0, comma);
  const size_t start = first.find_first_not_of(' ');
  std::string out = "  " + (start == std::string::npos ? "" : first.substr(start)) + "),";
  out += Between(e, comma + 2, ")") + ",";
  const size_t and_ = e.find("and ", comma);
  if (and_ != std::string::npos) out += Between(e, and_ + 4, ",") + "),";
  return out + FormatNumber(t.TP1, "0.00") + "," + FormatNumber(t.TP1 * t.TH1, "0.00") + "," +
         FormatNumber(t.TH1, "0.00");
}

}  // namespace

std::string ShortName(std::string_view name) {
  const size_t blank = name.find(' ', 2);
  return std::string(blank == std::string_view::npos ? name : name.substr(0, blank));
}

BatchPairResult MakeBatchPairResult(const BatchPairNames& names, const ComparativeTotals& t,
                                    const BatchPairOptions& options) {
  std::string first = ShortName(names.personName);
  if (options.allVsAll) first += " (" + names.natalDate + ", " + names.natalEmail + ")";
  const std::string second =
      names.secondPerson
          ? ShortName(names.secondName) + " (" + names.diurnalDate + ", " + names.diurnalEmail + ")"
          : "TRANSITS (" + names.diurnalDate + ")";
  const std::string label = "  " + first + " and " + second;
  const std::string prefix = Padded(label.substr(0, label.find('(')),
                                    size_t(std::max(0.0f, std::round(options.labelWidth))));

  const long width = options.allVsAll ? kAllVsAllWidth : std::lround(options.labelWidth);
  const std::string product =
      "(P*H = " + PadSignedNum6(FormatNumber(t.TP1 * t.TH1, "#0.00")) + ")   H =" +
      PadSignedNum4(FormatNumber(t.TH1, "#0.00"));
  BatchPairResult r;
  r.harmony = t.TH1;
  r.line = label + Blanks(width - long(label.size())) + "P =" +
           PadSignedNum4(FormatNumber(t.TP1, "#0.00")) + "   " + product;
  r.summary = prefix + "   " + product;
  r.inSummary = t.TH1 >= options.summaryThreshold || t.TH1 <= -options.summaryThreshold;
  r.addEmail = !options.allVsAll && t.TH1 >= kEmailHarmony;
  if (options.allVsAll) r.commaLine = CommaLine(r.line, t);
  return r;
}

}  // namespace orv
