#include "relationship/batches/NamesBatches.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Aspects.h"
#include "core/ChartDriver.h"
#include "core/FixedTables.h"
#include "listings/ChartHeaders.h"
#include "platform/Host.h"
#include "relationship/comparative/ComparativeBatchResult.h"

namespace orv {

namespace {

constexpr int kSummaryThresholdOption = 16;
constexpr int kAgeFilterOption = 222;
constexpr int kLabelWidthOption = 241;

constexpr std::string_view kPairLegend =
    " - ('P' = Power, 'P*H' = Power times Harmony, 'H' = Harmony)";
constexpr std::string_view kSelectName = "Please select a name from the NAMES list, then try again.";

std::string Spaces(long n) { return std::string(size_t(std::max(0L, n)), ' '); }
long Length(std::string_view s) { return long(CharacterCount(s)); }

// The first `n` characters of a UTF-8 text.
std::string LeftChars(std::string_view s, size_t n) {
  size_t i = 0, count = 0;
  while (i < s.size() && count < n) {
    ++i;
    while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    ++count;
  }
  return std::string(s.substr(0, i));
}

// What the scored pairs of a run add up to.
struct PairSums {
  double power = 0, harmony = 0, powerHarmony = 0;
  std::int64_t pairs = 0;
  std::vector<BatchResultLine> summary;

  void Add(const ComparativeTotals& t, const BatchPairResult& r) {
    power += t.TP1;
    harmony += t.TH1;
    powerHarmony += t.TP1 * t.TH1;
    ++pairs;
    if (r.inSummary) summary.push_back({r.summary, r.harmony});
  }
};

std::string Average(double sum, std::int64_t count) {
  if (count == 0) return " n/a";
  return PadSignedNum4(FormatNumber(sum / double(count), "#0.00"));
}

void ListAverages(ListingPage& page, const PairSums& sums) {
  page.Line("  Average Harmony = " + Average(sums.harmony, sums.pairs));
  page.Line("  Average Power * Harmony = " + Average(sums.powerHarmony, sums.pairs));
}

// The strong pairs, each couple once: those whose first person is a man.
void ListSummary(ListingPage& page, std::vector<BatchResultLine> summary) {
  if (summary.empty()) return;
  SortBatchResults(summary);
  page.Blank();
  for (const BatchResultLine& l : summary)
    if (l.text.starts_with("  m ")) page.Line(l.text);
}

BatchPairOptions PairOptions(const BatchContext& ctx, bool allVsAll) {
  return {allVsAll, ctx.options[kLabelWidthOption], ctx.options[kSummaryThresholdOption]};
}

void ReportSkipped(BatchContext& ctx, const std::vector<std::string>& skipped) {
  if (skipped.empty()) return;
  ctx.host.ShowMessage(SkippedRecordsText(skipped), kTitleInformation, MessageIcon::Information);
}

// The people of a run and how far its progress has come.
struct Run {
  std::vector<BatchPerson> people;
  std::vector<std::string> skipped;
  std::int64_t done = 0;
  std::int64_t total = 0;
};

// Starts a run: empties the output, computes every chart once. `perPair`:
// the progress also counts every ordered pair of people.
std::optional<Run> StartRun(BatchContext& ctx, ListingPage& page, bool perPair) {
  ClearOutputBuffer(page.out);
  BeginOutputPage(page.out);
  Run run;
  const auto n = std::int64_t(ctx.records.size());
  auto people = ComputeBatchPeople(ctx, run.skipped, 0, perPair ? n + n * (n - 1) : n);
  if (!people) return std::nullopt;
  run.people = std::move(*people);
  const auto m = std::int64_t(run.people.size());
  run.done = n;
  run.total = perPair ? n + m * (m - 1) : n;
  return run;
}

// The totals of every ordered pair of people that `keep` admits, cell
// (a, b) at a x M + b for M people. Each pair is scored once for both of
// its directions. Nothing when cancelled.
template <class Keep>
std::optional<std::vector<ComparativeTotals>> ScoreAllPairs(BatchContext& ctx, Run& run,
                                                            Keep keep) {
  const size_t m = run.people.size();
  std::vector<ComparativeTotals> cells(m * m);
  for (size_t a = 0; a < m; ++a) {
    for (size_t b = a + 1; b < m; ++b) {
      run.done += 2;
      if (!ctx.progress.Step(run.done, run.total)) return std::nullopt;
      if (!keep(run.people[a], run.people[b])) continue;
      const ComparativeTotals t = ScoreBatchPair(run.people[a], run.people[b], ctx.comparative);
      cells[a * m + b] = t;
      cells[b * m + a] = {t.TP2, t.TH2, t.TP1, t.TH1, 0, 0};
    }
  }
  return cells;
}

// One vs All for person `s`: its own section of the page; the pairs add to
// `sums`. `table`: every pair's totals already scored (see ScoreAllPairs);
// null: each pair is scored here. False when cancelled.
bool OneVsAllSection(BatchContext& ctx, ListingPage& page, Run& run, const BatchPerson& s,
                     PairSums& sums, const std::vector<ComparativeTotals>* table = nullptr) {
  const bool ageFilter = ctx.options[kAgeFilterOption] != 0;
  const BatchPairOptions options = PairOptions(ctx, false);
  std::vector<BatchResultLine> lines;
  std::string emails;
  bool headed = false;
  page.Blank();
  const size_t m = run.people.size();
  const size_t si = size_t(&s - run.people.data());
  for (size_t bi = 0; bi < m; ++bi) {
    const BatchPerson& b = run.people[bi];
    if (&b == &s) continue;
    if (!table && !ctx.progress.Step(++run.done, run.total)) return false;
    if (SameSexPair(s.name, b.name)) continue;
    if (ageFilter &&
        !AgesMatch(ctx.presentYear - s.input.year, ctx.presentYear - b.input.year))
      continue;
    if (!headed) {
      page.Line("  " + ShortName(s.name) + " (" + s.email + " - " + s.date + ")" + " vs All" +
                std::string(kPairLegend));
      headed = true;
    }
    const ComparativeTotals t =
        table ? (*table)[si * m + bi] : ScoreBatchPair(s, b, ctx.comparative);
    const BatchPairResult r =
        MakeBatchPairResult({s.name, s.date, s.email, true, b.name, b.date, b.email}, t, options);
    sums.Add(t, r);
    if (r.addEmail) emails += b.email + "; ";
    lines.push_back({r.line, r.harmony});
  }
  SortBatchResults(lines);
  page.Blank();
  for (const BatchResultLine& l : lines) page.Line(l.text);
  page.Blank();
  page.Line("  " + emails);
  return true;
}

ChartModel PersonModel(const BatchPerson& p, HouseSystemCode houseSystem) {
  ChartModel m;
  m.PersonName = p.name;
  m.NatalInput = p.input;
  m.Natal = p.chart;
  m.HouseSystem = houseSystem;
  m.Computed = true;
  return m;
}

// The divisions in listing order: planet, division and force headings.
struct Division {
  int planet;
  std::string_view heading;
  std::string_view force;
};
constexpr std::array<Division, 9> kDivisions = {{
    {ChartPoint::Sun, "Executive Division", "Placement of Solar Force"},
    {ChartPoint::Mercury, "Communications Division", "Placement of Mercurial Force"},
    {ChartPoint::Jupiter, "Expansion Division", "Placement of Jupiterian Force"},
    {ChartPoint::Venus, "Treasury Division", "Placement of Venusian Force"},
    {ChartPoint::Moon, "Manifestation Division", "Placement of Lunar Force"},
    {ChartPoint::Saturn, "Quality Division", "Placement of Saturnian Force"},
    {ChartPoint::Mars, "Growth Division", "Placement of Martian Force"},
    {ChartPoint::Neptune, "Neptune Division", "Placement of Neptunian Force"},
    {ChartPoint::Uranus, "Uranus Division", "Placement of Uranian Force"},
}};

// Each person's cosmodynes summary, and for the division analysis the major
// aspects of the division planets.
struct DivisionTables {
  std::vector<CosmoSummaryTable> summary;  // by person
  // codes[person][division][j]: the aspect code between the division planet
  // and planet j (1..10), 0 for none.
  std::vector<std::array<std::array<int, 11>, 9>> codes;

  double Product(size_t person, int planet) const {
    return summary[person][size_t(planet)][1] * summary[person][size_t(planet)][2];
  }
  std::vector<int> Ranks(int planet) const {
    std::vector<double> products;
    for (size_t k = 0; k < summary.size(); ++k) products.push_back(Product(k, planet));
    return RanksOf(products);
  }
};

DivisionTables CollectDivisionTables(const BatchContext& ctx, const std::vector<BatchPerson>& people,
                                     const OrbTable* orbs) {
  DivisionTables t;
  for (const BatchPerson& p : people) {
    t.summary.push_back(
        CalcCosmodynes(p.chart, ctx.comparative.Angles, ctx.cosmodynes).CosmoSummary);
    auto& codes = t.codes.emplace_back();
    if (!orbs) continue;
    for (size_t d = 0; d < kDivisions.size(); ++d)
      for (int j = 1; j <= ChartPoint::Moon; ++j)
        if (j != kDivisions[d].planet)
          codes[d][size_t(j)] = DivisionAspectCode(p.chart.Longitudes[size_t(kDivisions[d].planet)],
                                                   p.chart.Longitudes[size_t(j)], *orbs);
  }
  return t;
}

std::string AspectText(int code, int planet) {
  return std::string(PackedField(AspectNames, code, AspectNameWidth).substr(0, 9)) + " " +
         std::string(PackedField(PointNames10, planet, PointNameWidth).substr(0, 3));
}

std::string Centred(std::string_view heading) {
  return Spaces(std::lrint(41.0 - double(Length(heading)) / 2.0)) + std::string(heading);
}

std::string Amount5(double v) { return PadSignedNum5(FormatNumber(v, "###0.00")); }

void ListDivision(ListingPage& page, const std::vector<BatchPerson>& people,
                  const DivisionTables& t, size_t d) {
  const int planet = kDivisions[d].planet;
  page.Blank();
  page.Line(Centred(kDivisions[d].heading));
  page.Line(Centred(kDivisions[d].force));
  page.Blank();
  page.Line("  Placement by Person:" + Spaces(7) + "Power" + Spaces(6) + "Harmony" + Spaces(3) +
            "Power*Harmony" + Spaces(4) + "Rank");
  page.Blank();
  const std::vector<int> ranks = t.Ranks(planet);
  constexpr int kPersonOrder[] = {5, 3, 4, 6, 2};  // trine, sextile, square, opposition, conjunction
  for (size_t k = 0; k < people.size(); ++k) {
    const auto& row = t.summary[k][size_t(planet)];
    page.Line("  " + people[k].name + Spaces(24 - Length(people[k].name)) + Amount5(row[1]) +
              Spaces(4) + Amount5(row[2]) + Spaces(6) + Amount5(t.Product(k, planet)) +
              Spaces(8) + PadNum2(std::to_string(ranks[k])));
    for (int code : kPersonOrder)
      for (int j = 1; j <= ChartPoint::Moon; ++j)
        if (t.codes[k][d][size_t(j)] == code) page.Line(Spaces(10) + AspectText(code, j));
  }
  page.Blank();
  page.Blank();
  page.Line("  Placement by Planetary Ranking:");
  page.Blank();
  for (int code : {5, 3}) {
    for (int a = 1; a <= ChartPoint::Moon; ++a) {
      bool any = false;
      for (size_t k = 0; k < people.size(); ++k) {
        if (t.codes[k][d][size_t(a)] != code) continue;
        page.Line("  " + AspectText(code, a) + Spaces(5) + people[k].name);
        any = true;
      }
      if (any) page.Blank();
    }
  }
}

// A Placement Summary cell: the name cut to 12 characters, filled to 15.
std::string PlacementCell(std::string_view name) {
  const std::string cut = LeftChars(name, 12);
  return cut + Spaces(15 - Length(cut));
}

void ListPlacementRows(ListingPage& page, const std::vector<BatchPerson>& people,
                       const DivisionTables& t, size_t firstDivision, size_t lastDivision,
                       std::string_view afterNumber) {
  std::vector<std::vector<int>> ranks;
  for (size_t d = firstDivision; d <= lastDivision; ++d) ranks.push_back(t.Ranks(kDivisions[d].planet));
  for (int r = 1; r <= int(people.size()); ++r) {
    std::string line = Spaces(r < 10 ? 3 : 2) + std::to_string(r) + std::string(afterNumber);
    for (const std::vector<int>& column : ranks)
      for (size_t k = 0; k < people.size(); ++k)
        if (column[k] == r) line += PlacementCell(people[k].name);
    page.Line(line);
  }
}

void ListPlacementSummary(ListingPage& page, const std::vector<BatchPerson>& people,
                          const DivisionTables& t) {
  page.Blank();
  page.Line(Spaces(37) + "Placement of Planetary Force");
  page.Blank();
  page.Line(Spaces(7) +
            "Sun            Mercury        Jupiter        Venus          Moon           Saturn    "
            "     Mars");
  page.Line(Spaces(7) +
            "---            -------        -------        -----          ----           ------    "
            "     ----");
  ListPlacementRows(page, people, t, 0, 6, " - ");
  page.Blank();
  page.Line(Spaces(37) + "Neptune        Uranus");
  page.Line(Spaces(37) + "-------        ------");
  ListPlacementRows(page, people, t, 7, 8, " -" + Spaces(31));
}

// The organizational fit of everyone, handed to `each` in record order.
BatchEnd ForEachOrgFit(BatchContext& ctx, ListingPage* page,
                       const std::function<bool(const ChartModel&, const OrgFitAnalysis&)>& each) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(ctx.appPath, orbs, ctx.host)) return BatchEnd::Nothing;
  OutputState scratch;
  ListingPage none{scratch, ctx.host};
  auto run = StartRun(ctx, page ? *page : none, false);
  if (!run) return BatchEnd::Cancelled;
  for (const BatchPerson& p : run->people) {
    const Cosmodynes c = CalcCosmodynes(p.chart, ctx.comparative.Angles, ctx.cosmodynes);
    if (!each(PersonModel(p, ctx.houseSystem), CalcOrgFit(p.chart, c.CosmoSummary, orbs)))
      return BatchEnd::Cancelled;
  }
  ReportSkipped(ctx, run->skipped);
  return run->people.empty() ? BatchEnd::Nothing : BatchEnd::Listed;
}

}  // namespace

std::optional<std::vector<BatchPerson>> ComputeBatchPeople(BatchContext& ctx,
                                                           std::vector<std::string>& skipped,
                                                           std::int64_t done, std::int64_t total) {
  MutedHost muted;  // a refused record is counted and reported once at the end
  std::vector<BatchPerson> people;
  people.reserve(ctx.records.size());
  for (size_t k = 0; k < ctx.records.size(); ++k) {
    if (!ctx.progress.Step(done + std::int64_t(k), total)) return std::nullopt;
    const NameRecord& record = ctx.records[k];
    ChartInputFields fields;
    bool ok = NameRecordToFields(record, ctx.dateOrder, fields) &&
              CheckChartInput(muted, fields, fields, ctx.houseSystem) == 0;
    std::optional<ComputedChart> chart;
    BatchPerson p;
    if (ok) {
      p.input = GetChartInput(fields, ctx.dateOrder);
      chart = CalcOneChart(muted, p.input, ctx.houseSystem, ctx.options, ctx.tables,
                           InitialHousePositions(), true);
    }
    if (!chart) {
      skipped.push_back(record.Name);
      continue;
    }
    p.record = k;
    p.name = record.Name;
    p.email = record.Email;
    p.date = HeaderDate(p.input);
    p.chart = std::move(chart->chart);
    p.atNoon = IsNoonChart(p.input);
    p.prepared = PrepareComparativeChart({p.chart, p.atNoon}, ctx.comparative);
    people.push_back(std::move(p));
  }
  return people;
}

ComparativeTotals ScoreBatchPair(const BatchPerson& a, const BatchPerson& b,
                                 const ComparativeSettings& settings) {
  return ScoreComparativeTotals(a.prepared, b.prepared, settings);
}

void SortBatchResults(std::vector<BatchResultLine>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const BatchResultLine& x,
                                                  const BatchResultLine& y) {
    return x.harmony > y.harmony;
  });
}

bool SameSexPair(std::string_view a, std::string_view b) {
  const auto prefix = [](std::string_view n) {
    return n.starts_with("m ") || n.starts_with("w ") ? n.substr(0, 2) : std::string_view();
  };
  return !prefix(a).empty() && prefix(a) == prefix(b);
}

bool OneToOnePair(std::string_view a, std::string_view b) {
  const auto mid = [](std::string_view n) { return n.size() > 4 ? n.substr(4, 2) : ""; };
  return mid(a) == mid(b);
}

bool AgesMatch(int ageA, int ageB) {
  const int older = std::max(ageA, ageB), younger = std::min(ageA, ageB);
  return int(std::floor(double(older) * 0.6667)) <= younger;
}

std::vector<int> RanksOf(const std::vector<double>& values) {
  std::vector<int> ranks;
  for (double v : values)
    ranks.push_back(1 + int(std::ranges::count_if(values, [v](double w) { return w > v; })));
  return ranks;
}

int DivisionAspectCode(double p, double q, const OrbTable& orbs) {
  double sep = std::abs(p - q);
  if (sep > 180) sep = 360 - sep;
  const float s = float(sep);
  const auto within = [&](float exact, int kind) {
    return s >= exact - orbs[size_t(kind)] && s <= exact + orbs[size_t(kind)];
  };
  int code = 0;
  if (s <= orbs[1]) code = 2;
  if (within(60, 2)) code = 3;
  if (within(90, 3)) code = 4;
  if (within(120, 4)) code = 5;
  if (s >= 180 - orbs[5]) code = 6;
  return code;
}

std::string SkippedRecordsText(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
  if (names.size() == 1)
    return "1 record of the names file could not be computed and was left out: " + list + ".";
  return std::to_string(names.size()) +
         " records of the names file could not be computed and were left out: " + list + ".";
}

BatchEnd RunAllVsAll(BatchContext& ctx, ListingPage& page) {
  auto run = StartRun(ctx, page, true);
  if (!run) return BatchEnd::Cancelled;
  page.Blank();
  page.Line("  All vs All" + std::string(kPairLegend));
  page.Blank();
  const BatchPairOptions options = PairOptions(ctx, true);
  const auto keep = [&](const BatchPerson& a, const BatchPerson& b) {
    return ctx.oneToOne ? OneToOnePair(a.name, b.name) : !SameSexPair(a.name, b.name);
  };
  const auto table = ScoreAllPairs(ctx, *run, keep);
  if (!table) return BatchEnd::Cancelled;
  const size_t m = run->people.size();
  PairSums sums;
  for (size_t ai = 0; ai < m; ++ai) {
    for (size_t bi = 0; bi < m; ++bi) {
      const BatchPerson& a = run->people[ai];
      const BatchPerson& b = run->people[bi];
      if (ai == bi || !keep(a, b)) continue;
      const ComparativeTotals& t = (*table)[ai * m + bi];
      const BatchPairResult r =
          MakeBatchPairResult({a.name, a.date, "", true, b.name, b.date, ""}, t, options);
      sums.Add(t, r);
      page.Line(r.commaLine);
    }
  }
  page.Blank();
  ListAverages(page, sums);
  ListSummary(page, std::move(sums.summary));
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunOneVsAll(BatchContext& ctx, ListingPage& page, std::optional<std::size_t> chosen) {
  if (!chosen || *chosen >= ctx.records.size()) {
    ctx.host.ShowMessage(kSelectName, kTitleError, MessageIcon::Critical);
    return BatchEnd::Nothing;
  }
  auto run = StartRun(ctx, page, true);
  if (!run) return BatchEnd::Cancelled;
  // Only the chosen person's pairs are scored.
  run->total = run->done + std::int64_t(run->people.size());
  const auto s = std::ranges::find(run->people, *chosen, &BatchPerson::record);
  if (s == run->people.end()) {
    ReportSkipped(ctx, run->skipped);
    return BatchEnd::Nothing;
  }
  PairSums sums;
  if (!OneVsAllSection(ctx, page, *run, *s, sums)) return BatchEnd::Cancelled;
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunAllVsAllSummary(BatchContext& ctx, ListingPage& page) {
  auto run = StartRun(ctx, page, true);
  if (!run) return BatchEnd::Cancelled;
  std::int64_t men = 0, women = 0;
  for (const NameRecord& r : ctx.records) {
    if (r.Name.starts_with("m "))
      ++men;
    else if (r.Name.starts_with("w "))
      ++women;
  }
  const bool ageFilter = ctx.options[kAgeFilterOption] != 0;
  const auto table = ScoreAllPairs(ctx, *run, [&](const BatchPerson& a, const BatchPerson& b) {
    return !SameSexPair(a.name, b.name) &&
           (!ageFilter || AgesMatch(ctx.presentYear - a.input.year, ctx.presentYear - b.input.year));
  });
  if (!table) return BatchEnd::Cancelled;
  PairSums sums;
  for (const BatchPerson& s : run->people)
    if (!OneVsAllSection(ctx, page, *run, s, sums, &*table)) return BatchEnd::Cancelled;
  page.Blank();
  ListAverages(page, sums);
  page.Blank();
  ListSummary(page, std::move(sums.summary));
  page.Blank();
  page.Line("  There are " + std::to_string(men) + " men and " + std::to_string(women) +
            " women in this database.");
  page.Line("  There are " + std::to_string(men * women) + " couples in this database.");
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunDivisionAnalysis(BatchContext& ctx, ListingPage& page) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(ctx.appPath, orbs, ctx.host)) return BatchEnd::Nothing;
  BusyCursor busy(ctx.host);
  auto run = StartRun(ctx, page, false);
  if (!run) return BatchEnd::Cancelled;
  page.Blank();
  const DivisionTables t = CollectDivisionTables(ctx, run->people, &orbs);
  for (size_t d = 0; d < kDivisions.size(); ++d) {
    ListDivision(page, run->people, t, d);
    if (d + 1 < kDivisions.size()) page.Line("\f");
  }
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunPlacementSummary(BatchContext& ctx, ListingPage& page) {
  BusyCursor busy(ctx.host);
  auto run = StartRun(ctx, page, false);
  if (!run) return BatchEnd::Cancelled;
  page.Blank();
  ListPlacementSummary(page, run->people, CollectDivisionTables(ctx, run->people, nullptr));
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunViewOrgFitAll(BatchContext& ctx, ListingPage& page) {
  bool first = true;
  return ForEachOrgFit(ctx, &page, [&](const ChartModel& m, const OrgFitAnalysis& ofa) {
    if (!first) page.Line("\f");
    first = false;
    ListNatalOFA(page, m, ofa);
    return true;
  });
}

BatchEnd RunPrintOrgFitAll(
    BatchContext& ctx,
    const std::function<bool(const ChartModel& person, const OrgFitAnalysis& ofa)>& printPerson) {
  return ForEachOrgFit(ctx, nullptr, printPerson);
}

}  // namespace orv
