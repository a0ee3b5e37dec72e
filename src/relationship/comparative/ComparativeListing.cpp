#include "relationship/comparative/ComparativeListing.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Aspects.h"
#include "core/FixedTables.h"

namespace orv {

using namespace ChartPoint;

namespace {

constexpr std::string_view kImportantHeading = "  Important Factors In Synastry (11 total):";
constexpr std::string_view kCloseHeading = "  Planets Aspecting Each Other Within 1 Degree:";
constexpr std::string_view kFactorColumns = "                        Power     Harmony";
constexpr std::string_view kReceptionNote = "  (mutual receptions not included in harmony column)";
constexpr std::string_view kReceptionAdvice = "- add 5 points harmony to each person's planet.";

// `SynastryFactorPairs`: (chart-1 point, chart-2 point).
constexpr std::array<std::array<int, 2>, 11> kFactorPairs = {{
    {Sun, Venus}, {Sun, Moon}, {Mercury, Mercury}, {Venus, Sun}, {Venus, Mars}, {Venus, Moon},
    {Mars, Venus}, {Moon, Sun}, {Moon, Venus}, {Moon, Moon}, {Ascendant, Ascendant},
}};

std::string Name10(int point) { return std::string(PackedField(PointNames10, point, PointNameWidth)); }

std::string Amount(double v) { return PadSignedNum4(FormatNumber(v, "#0.00")); }

std::string Blanks(long n) { return std::string(size_t(n > 0 ? n : 0), ' '); }

std::string ComparativeHeading(const ComparativeLabels& labels) {
  if (labels.Box.checked)
    return "  " + labels.PersonName + "'s COSMODYNES vs " + labels.Box.caption + "'s";
  return "  " + labels.PersonName + "'s COSMODYNES vs TRANSITS (" + labels.DiurnalDate + ")";
}

// Rank 1 plus the number of other listed points with a strictly greater value.
int RankOf(const CosmoPointArray& values, int point, int limit, CosmoAngleChoice angles) {
  int rank = 1;
  for (int k = 1; k <= limit; ++k)
    if (k != point && IsComparativePoint(k, angles) && values[size_t(k)] > values[size_t(point)])
      ++rank;
  return rank;
}

std::string Ranked(const CosmoPointArray& values, int point, int limit, CosmoAngleChoice angles) {
  return Amount(values[size_t(point)]) + " (" +
         PadNum2(FormatNumber(RankOf(values, point, limit, angles), "#0")) + ")";
}

// The grid label of a point: "MC " as it stands, else "Sun", "Moo", "Asc".
std::string GridLabel(int point) {
  std::string label(PointNames[size_t(point)].substr(0, 3));
  if (label == "MC ") return label;
  for (size_t k = 1; k < label.size(); ++k)
    label[k] = static_cast<char>(std::tolower(static_cast<unsigned char>(label[k])));
  return label;
}

std::string GridColumns(CosmoAngleChoice angles) {
  std::string columns = "Sun    Mer    Ven    Mar    Jup    Sat    Ura    Nep    Plu    Moo";
  switch (angles) {
    case CosmoAngleChoice::AscendantOnly:
      return columns + "    Asc";
    case CosmoAngleChoice::Both:
      return columns + "    Asc     MC";
    case CosmoAngleChoice::MCOnly:
      return columns + "    MC";
    case CosmoAngleChoice::None:
      break;
  }
  return columns;
}

void ListGrid(StoredListing& out, std::string_view title, const CosmoAspectGrid& grid,
              CosmoAngleChoice angles) {
  out.Store("  " + std::string(title) + GridColumns(angles));
  const int limit = std::clamp(int(angles) + 13, 13, 15);
  for (int j = 1; j <= limit; ++j) {
    if (!IsComparativePoint(j, angles)) continue;
    std::string row = "  " + GridLabel(j) + "  ";
    for (int i = 1; i <= limit; ++i) {
      if (!IsComparativePoint(i, angles)) continue;
      const std::string value = FormatNumber(grid[size_t(j)][size_t(i)], "#0.00");
      row += value == "0.00" ? "  ---- " : PadSignedNum3(value) + " ";
    }
    out.Store(row);
  }
}

}  // namespace

void StoredListing::Store(std::string_view line) {
  page.Line(line);
  stored.emplace_back(line);
}

void ListComparativeTable(StoredListing& out, const ComparativeScores& s,
                          const ComparativeTotals& t, const ComparativeLabels& labels,
                          CosmoAngleChoice angles) {
  const std::string second =
      labels.Box.checked ? labels.Box.caption : "TRANSITS (" + labels.DiurnalDate + ")";
  out.Store(Blanks(14) + labels.PersonName + Blanks(33 - long(CharacterCount(labels.PersonName))) +
            second);
  out.Store(Blanks(14) + "Power          Harmony           Power          Harmony");
  CosmoPointArray net1{}, net2{};
  for (int k = 1; k <= CosmoPointCount; ++k) {
    net1[size_t(k)] = s.Harmony[size_t(k)] - s.Discord[size_t(k)];
    net2[size_t(k)] = s.SecondChartHarmony[size_t(k)] - s.SecondChartDiscord[size_t(k)];
  }
  for (int i = 1; i <= s.Limit; ++i) {
    if (!IsComparativePoint(i, angles)) continue;
    out.Store("  " + Name10(i) + Ranked(s.AspectPower, i, s.Limit, angles) + "    " +
              Ranked(net1, i, s.Limit, angles) + "     " +
              Ranked(s.SecondChartPower, i, s.Limit, angles) + "    " +
              Ranked(net2, i, s.Limit, angles));
  }
  out.Store("  ------     ------          ------           ------          ------");
  out.Store("  TOTALS    " + Amount(t.TP1) + Blanks(9) + Amount(t.TH1) + Blanks(10) +
            Amount(t.TP2) + Blanks(9) + Amount(t.TH2));
  out.Store("  Power*Harmony =    " + Amount(t.PH1) + Blanks(25) + Amount(t.PH2));
  out.Skip();
}

void ListCrossReceptions(StoredListing& out, const ComparativeLabels& labels,
                         const PointArray<double>& longitudes1,
                         const PointArray<double>& longitudes2, bool includeMR) {
  out.page.Blank();
  out.page.Blank();
  out.Store("  Mutual Receptions (1st planet is " + labels.PersonName +
            (labels.Box.checked ? "'s and 2nd planet is " + labels.Box.caption + "'s)"
                                : std::string("'s and 2nd planet is TRANSIT)")));
  out.Store("  -----------------");
  for (const auto& [p, q] : FindInterchartReceptions(longitudes1, longitudes2)) {
    const std::string pair = "  " + Name10(p) + Name10(q);
    // Counted receptions are in the harmony already; otherwise say what to add.
    out.Store(includeMR ? pair : pair + std::string(kReceptionAdvice));
  }
  out.Skip();
}

void ListComparativeCosmodyneGrids(StoredListing& out, const ComparativeScores& scores,
                                   const ComparativeLabels& labels, CosmoAngleChoice angles) {
  out.Store("  Planets down left edge are " + labels.PersonName + "'s planets.");
  out.Store("  Planets across the top are " +
            (labels.Box.checked ? labels.Box.caption + "'s planets."
                                : "transits on " + labels.DiurnalDate + "."));
  out.Skip();
  out.page.Blank();
  ListGrid(out, "POWER   ", scores.CrossPowerGrid, angles);
  out.page.Blank();
  out.Skip();
  ListGrid(out, "HARMONY ", scores.CrossHarmonyGrid, angles);
}

std::string FactorPairLine(int a, int b, double power, double harmony) {
  return "  " + Name10(a) + Name10(b) + Amount(power) + "    " + Amount(harmony);
}

SynastryFactorTexts CollectSynastryFactors(const std::vector<ScoredPair>& pairs) {
  constexpr int kConjunction = 2;
  SynastryFactorTexts texts;
  for (const ScoredPair& p : pairs) {
    if (!(p.power > 0)) continue;
    const std::string line = FactorPairLine(p.a, p.b, p.power, p.harmony);
    if (std::ranges::find(kFactorPairs, std::array<int, 2>{p.a, p.b}) != kFactorPairs.end())
      texts.important += line + std::string(NewLine);
    // A pair scored by its parallel alone has no aspect to be close to.
    if (p.code != NoAspectCode && std::abs(p.deviation) < 1.0)
      texts.close += line + (p.code == kConjunction ? " (conjunct)" : "") + std::string(NewLine);
  }
  return texts;
}

void ListSynastryFactors(ListingPage& page, const SynastryFactorTexts& texts, bool includeMR) {
  page.Blank();
  page.Blank();
  page.Line(kImportantHeading);
  if (includeMR) page.Line(kReceptionNote);
  page.Line(kFactorColumns);
  page.Line(texts.important);
  page.Blank();
  page.Line(kCloseHeading);
  if (includeMR) page.Line(kReceptionNote);
  page.Line(kFactorColumns);
  page.Line(texts.close);
}

std::string SynastryFactorsCopy(const SynastryFactorTexts& texts, bool includeMR) {
  const std::string nl(NewLine);
  const std::string note = includeMR ? std::string(kReceptionNote) + nl : "";
  return std::string(kImportantHeading) + nl + note + std::string(kFactorColumns) + nl +
         texts.important + nl + std::string(kCloseHeading) + nl + note +
         std::string(kFactorColumns) + nl + texts.close;
}

ComparativeRun ListComparativeCosmodynes(ListingPage& page, const ChartModel& charts,
                                         const SecondPersonBox& box,
                                         const ComparativeSettings& settings) {
  ComparativeRun run;
  const ComparativeLabels labels{charts.PersonName, box, HeaderDate(charts.DiurnalInput)};
  StoredListing out{page, run.StoredLines};

  page.Blank();
  out.Store(ComparativeHeading(labels));
  page.Blank();
  out.Skip();

  run.Scores = ScoreComparativeCosmodynes({charts.Natal, IsNoonChart(charts.NatalInput)},
                                          {charts.Diurnal, IsNoonChart(charts.DiurnalInput)},
                                          settings);
  for (const std::string& line : run.Scores.AspectLines) page.Line(line);
  run.Totals = TotalsOf(run.Scores, settings.Angles);
  ListComparativeTable(out, run.Scores, run.Totals, labels, settings.Angles);
  ListCrossReceptions(out, labels, charts.Natal.Longitudes, charts.Diurnal.Longitudes,
                      settings.IncludeMR);
  const SynastryFactorTexts factors = CollectSynastryFactors(run.Scores.Pairs);
  ListSynastryFactors(page, factors, settings.IncludeMR);

  // The clipboard copy: the stored lines, the lists, then the grids, which
  // the page shows after the lists too.
  for (const std::string& line : run.StoredLines) run.ClipboardText += line + std::string(NewLine);
  run.ClipboardText += SynastryFactorsCopy(factors, settings.IncludeMR);
  const size_t gridStart = run.StoredLines.size();
  page.Blank();
  out.Skip();
  ListComparativeCosmodyneGrids(out, run.Scores, labels, settings.Angles);
  page.Blank();
  out.Skip();
  page.Blank();
  for (size_t k = gridStart; k < run.StoredLines.size(); ++k)
    run.ClipboardText += run.StoredLines[k] + std::string(NewLine);
  return run;
}

}  // namespace orv
