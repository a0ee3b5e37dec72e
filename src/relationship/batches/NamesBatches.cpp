#include "relationship/batches/NamesBatches.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

#include "base/Format.h"
#include "base/Text.h"
#include "core/Aspects.h"
#include "core/ChartDriver.h"
#include "core/FixedTables.h"
#include "core/OptionNumbers.h"
#include "listings/ChartHeaders.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "relationship/batches/OnEveryCore.h"
#include "relationship/batches/StrongPairs.h"
#include "relationship/comparative/ComparativeBatchResult.h"

namespace orv {

namespace {

constexpr std::string_view kPairLegend =
    " - ('P' = Power, 'P*H' = Power times Harmony, 'H' = Harmony)";
constexpr std::string_view kSelectName = "Please select a name from the NAMES list, then try again.";

long Length(std::string_view s) { return long(CharacterCount(s)); }

// Formatted lines held at a time between the cores and the page.
constexpr std::size_t kLinesAtOnce = std::size_t(1) << 17;

constexpr std::string_view kAllVsAllFile = "REPORTS\\ALLVSALL.TXT";
constexpr std::string_view kSummaryFile = "REPORTS\\ALLSUMRY.TXT";

BatchPairOptions PairOptions(const BatchContext& ctx, bool allVsAll) {
  return {allVsAll, ctx.options[OptionNumber::ComparativeCosmoWidth],
          ctx.options[OptionNumber::BatchSummaryThreshold]};
}

void ReportSkipped(BatchContext& ctx, const std::vector<std::string>& skipped) {
  if (skipped.empty()) return;
  ctx.host.ShowMessage(SkippedRecordsText(skipped), kTitleInformation, MessageIcon::Information);
}

// The people of a run and how far its progress has come.
struct Run {
  std::vector<BatchPerson> people;
  std::vector<std::string> skipped;
  BatchSteps steps;
  std::int64_t afterCharts = 0;  // the steps after the charts: a pair batch's pairs
};

// What the "1 to 1" rule compares: characters 5 and 6 of a name, whole
// (an accented letter is one character of two bytes or more).
std::string_view OneToOneKey(std::string_view name) { return CharactersAfter(name, 4, 2); }

// The rule a pair batch admits pairs by: "1 to 1", or the same-sex rule
// (an age filter may leave out some of the pairs it admits).
struct PairRule {
  bool oneToOne = false;
  bool Admits(std::string_view a, std::string_view b) const {
    return oneToOne ? OneToOnePair(a, b) : !SameSexPair(a, b);
  }
};

// The pairs of two different people among `names` that `rule` admits,
// counted by groups (each pair once, whichever comes first).
std::int64_t AdmittedPairs(const std::vector<std::string_view>& names, PairRule rule) {
  std::map<std::string_view, std::int64_t> groups;
  for (const std::string_view n : names) {
    if (rule.oneToOne)
      ++groups[OneToOneKey(n)];
    else if (n.starts_with("m ") || n.starts_with("w "))
      ++groups[n.substr(0, 2)];
  }
  const auto m = std::int64_t(names.size());
  std::int64_t ordered = rule.oneToOne ? 0 : m * (m - 1);
  for (const auto& [key, c] : groups) ordered += (rule.oneToOne ? 1 : -1) * c * (c - 1);
  return ordered / 2;
}

// The steps of a run: whether the charts count, and the steps after them,
// from the names of the people.
struct RunSteps {
  bool charts = true;
  std::function<std::int64_t(const std::vector<std::string_view>& names)> after;
};

RunSteps EachPerson(std::int64_t steps) {
  return {true, [steps](const std::vector<std::string_view>& names) {
            return std::int64_t(names.size()) * steps;
          }};
}

// A pair batch counts its pairs alone, the number its question names: the
// charts take a moment beside them.
RunSteps EveryPair(PairRule rule) {
  return {false,
          [rule](const std::vector<std::string_view>& names) { return AdmittedPairs(names, rule); }};
}

// Starts a run: empties the output, computes every chart once. The progress
// counts the records (when `steps` counts the charts), then the steps after
// them for the people computed (so that the bar, which only grows, is not
// full after the charts).
std::optional<Run> StartRun(BatchContext& ctx, ListingPage& page, const RunSteps& steps) {
  ClearOutputBuffer(page.out);
  BeginOutputPage(page.out);
  Run run;
  std::vector<std::string_view> names;
  for (const NameRecord& r : ctx.records) names.push_back(r.Name);
  const std::int64_t charts = steps.charts ? std::int64_t(ctx.records.size()) : 0;
  auto people =
      ComputeBatchPeople(ctx, run.skipped, 0, charts + steps.after(names), steps.charts ? 1 : 0);
  if (!people) return std::nullopt;
  run.people = std::move(*people);
  names.clear();
  for (const BatchPerson& p : run.people) names.push_back(p.name);
  run.afterCharts = steps.after(names);
  run.steps = {charts, charts + run.afterCharts};
  return run;
}

// A run the user stopped (No to the question, or Cancel) says so: the
// windows it hid stay hidden and its page is not shown.
BatchEnd Cancelled(BatchContext& ctx, std::string_view batch) {
  ctx.host.ShowMessage(std::string(batch) + " was cancelled.", kTitleInformation,
                       MessageIcon::Information);
  return BatchEnd::Cancelled;
}

// Chart 1's totals of a scored pair.
struct PairCell {
  double power = 0, harmony = 0;
};

// Rows [first, first + count) of the table of every ordered pair: cell
// (a, b) holds the totals of a against b.
struct PairRows {
  std::size_t first = 0, count = 0, m = 0;
  std::vector<PairCell> cells;

  bool Holds(std::size_t a) const { return a >= first && a < first + count; }
  PairCell& At(std::size_t a, std::size_t b) { return cells[(a - first) * m + b]; }
  const PairCell& At(std::size_t a, std::size_t b) const { return cells[(a - first) * m + b]; }
};

// Scores the pairs of `rows` that `keep` admits, on every core. A pair whose
// two people are both in the rows is scored once for both directions. Row a
// adds `rowSteps(a)` to the progress.
template <class Keep, class RowSteps>
bool ScoreRows(BatchContext& ctx, Run& run, const Keep& keep, PairRows& rows,
               const RowSteps& rowSteps) {
  const std::vector<BatchPerson>& people = run.people;
  rows.cells.assign(rows.count * rows.m, PairCell{});
  return OnEveryCore(ctx.progress, run.steps, rows.count, [&](std::size_t i) {
    const std::size_t a = rows.first + i;
    for (std::size_t b = 0; b < rows.m; ++b) {
      const bool both = rows.Holds(b);
      if (b == a || (both && b < a) || !keep(people[a], people[b])) continue;
      const ComparativeTotals t = ScoreBatchPair(people[a], people[b], ctx.comparative);
      rows.At(a, b) = {t.TP1, t.TH1};
      if (both) rows.At(b, a) = {t.TP2, t.TH2};
    }
    return rowSteps(a);
  });
}

// Rows of pair totals held at a time (16 bytes each): a run whose table
// fits holds all of its pairs and scores each once for both directions; a
// larger one works through strips of rows, scoring a pair once per row that
// lists it.
std::size_t StripRows(const BatchContext& ctx, std::size_t m) {
  return std::max<std::size_t>(1, ctx.pairCellsAtOnce / std::max<std::size_t>(m, 1));
}

// Where a pair batch writes its lines: the page, or, in a run too large to
// show, a file it names on the page at the end.
class PairOutput {
 public:
  explicit PairOutput(ListingPage& page) : page_(page) {}
  PairOutput(const PairOutput&) = delete;
  PairOutput& operator=(const PairOutput&) = delete;
  ~PairOutput() {
    if (file_) {
      std::fclose(file_);
      std::error_code ec;
      std::filesystem::remove(part_, ec);
    }
  }

  // Sends the lines from now on to `target`, through a temporary file
  // beside it that replaces it when the run ends well.
  bool ToFile(Host& host, const std::filesystem::path& target) {
    target_ = target;
    part_ = target.parent_path() / (".~orv-" + target.filename().string() + ".part");
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    file_ = std::fopen(part_.c_str(), "wb");
    if (!file_) host.ShowMessage(NotWritten(), kTitleWarning, MessageIcon::Critical);
    return file_ != nullptr;
  }
  // Whether the lines went to a file that now stands under its name.
  bool WroteFile() const { return wroteFile_; }

  void Line(std::string_view text) {
    ++lines_;
    if (!file_) return page_.Line(text);
    if ((!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) ||
        std::fwrite("\r\n", 1, 2, file_) != 2)
      failed_ = true;
  }
  // A write failed (a full disk, say): the run stops, and Finish says so.
  bool Failed() const { return failed_; }
  void Blank() { Line({}); }

  // Ends the file: true when it now stands under its name, else the user
  // was told (a full disk, say).
  bool Finish(Host& host) {
    if (!file_) return true;
    const bool written = !failed_ && std::fflush(file_) == 0 && !std::ferror(file_);
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    if (written) std::filesystem::rename(part_, target_, ec);
    if (!written || ec) {
      std::filesystem::remove(part_, ec);
      host.ShowMessage(NotWritten(), kTitleWarning, MessageIcon::Critical);
      return false;
    }
    page_.Line("  The " + GroupThousands(lines_) + " lines of this run are in the file " +
               target_.string() + ".");
    wroteFile_ = true;
    return true;
  }

 private:
  std::string NotWritten() const {
    return "The file " + target_.string() + " could not be written; the run is stopped.";
  }

  ListingPage& page_;
  std::FILE* file_ = nullptr;
  std::filesystem::path target_, part_;
  std::int64_t lines_ = 0;
  bool wroteFile_ = false;
  bool failed_ = false;
};

// "about a second", "about 40 seconds", "about 9 minutes", "about 3 hours".
std::string AboutHowLong(double seconds) {
  if (seconds < 1.5) return "about a second";
  if (seconds < 90) return "about " + GroupThousands(std::llround(seconds)) + " seconds";
  if (seconds < 90 * 60) return "about " + GroupThousands(std::llround(seconds / 60)) + " minutes";
  return "about " + GroupThousands(std::llround(seconds / 3600)) + " hours";
}

// Seconds to score `scorings` pairs on every core, from a few pairs scored
// here, with a share for writing the lines.
double EstimatedSeconds(const BatchContext& ctx, const Run& run, std::int64_t scorings) {
  const std::size_t m = run.people.size();
  const std::size_t sample = std::min<std::size_t>(m, 300);
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t b = 1; b < sample; ++b)
    ScoreBatchPair(run.people[0], run.people[b], ctx.comparative);
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  const double perPair = spent.count() / double(std::max<std::size_t>(sample - 1, 1));
  return 1.5 * perPair * double(scorings) / double(CoresFor(m));
}

// Before a run of many pairs (the run's `afterCharts`): how many and how
// long, and where their lines go. Nothing: go on; else how the run ends
// (the user declined, or the file could not be opened). `ageFilter`: the age
// filter may leave out some of the pairs counted.
std::optional<BatchEnd> AskBeforeManyPairs(BatchContext& ctx, const Run& run,
                                           std::string_view batch, std::string_view fileName,
                                           bool ageFilter, PairOutput& out) {
  const std::int64_t pairs = run.afterCharts;
  if (pairs <= ctx.askAbovePairs) return std::nullopt;
  const std::size_t m = run.people.size();
  // Worked in strips, a pair is scored once for each of its two rows.
  const std::int64_t scorings = StripRows(ctx, m) >= m ? pairs : 2 * pairs;
  const std::filesystem::path file = ResolveInFolder(ctx.appPath, fileName);
  const std::string text =
      std::string(batch) + " over " + GroupThousands(std::int64_t(m)) + " people scores " +
      (ageFilter ? "up to " : "") + GroupThousands(pairs) + " pairs, which takes " +
      AboutHowLong(EstimatedSeconds(ctx, run, scorings)) +
      ". So many lines are more than the data window can show: they are written to the file " +
      file.string() + ", and the page shows the averages.\n\nGo on?";
  if (ctx.host.ShowMessage(text, kTitleInformation, MessageIcon::Question, MessageButtons::YesNo) !=
      Answer::Yes)
    return Cancelled(ctx, batch);
  if (!out.ToFile(ctx.host, file)) return BatchEnd::Nothing;
  return std::nullopt;
}

// What the scored pairs of a run add up to, in the order the page lists
// them, and its strong pairs: each couple once, those whose first person
// is a man.
struct PairSums {
  double power = 0, harmony = 0, powerHarmony = 0;
  std::int64_t pairs = 0;
  StrongPairs strong;

  void Add(const Run& run, std::size_t a, std::size_t b, const PairCell& c,
           const BatchPairOptions& options) {
    power += c.power;
    harmony += c.harmony;
    powerHarmony += c.power * c.harmony;
    ++pairs;
    if (ReachesBatchSummary(c.harmony, options) && run.people[a].name.starts_with("m "))
      strong.Add({std::uint32_t(a), std::uint32_t(b), c.power, c.harmony});
  }
};

std::string Average(double sum, std::int64_t count) {
  if (count == 0) return " n/a";
  return PadSignedNum4(FormatNumber(sum / double(count), "#0.00"));
}

template <class Sink>
void ListAverages(Sink& page, const PairSums& sums) {
  page.Line("  Average Harmony = " + Average(sums.harmony, sums.pairs));
  page.Line("  Average Power * Harmony = " + Average(sums.powerHarmony, sums.pairs));
}

BatchPairResult PairResult(const Run& run, std::size_t a, std::size_t b, const PairCell& c,
                           const BatchPairOptions& options) {
  const BatchPerson& p = run.people[a];
  const BatchPerson& q = run.people[b];
  const std::string_view noEmail;
  return MakeBatchPairResult({p.name, p.date, options.allVsAll ? noEmail : p.email, true, q.name,
                              q.date, options.allVsAll ? noEmail : q.email},
                             {c.power, c.harmony}, options);
}

// The strong pairs by harmony.
void ListSummary(PairOutput& page, const Run& run, PairSums& sums,
                 const BatchPairOptions& options) {
  if (sums.strong.Count() == 0) return;
  page.Blank();
  sums.strong.ForEachSorted([&](const StrongPair& s) {
    page.Line(PairResult(run, s.a, s.b, {s.power, s.harmony}, options).summary);
  });
}

// One vs All's pairs: the same-sex rule and, with option 222, the age
// filter.
auto CouplesFilter(const BatchContext& ctx) {
  return [&ctx, ageFilter = ctx.options[OptionNumber::BatchAgeFilter] != 0](const BatchPerson& a,
                                                                            const BatchPerson& b) {
    return !SameSexPair(a.name, b.name) &&
           (!ageFilter ||
            AgesMatch(ctx.presentYear - a.input.year, ctx.presentYear - b.input.year));
  };
}

// Person a's One vs All section: a blank line, the heading, the pair lines
// by harmony, the e-mail line.
template <class Keep>
std::vector<std::string> SectionLines(const Run& run, std::size_t a, const PairRows& rows,
                                      const Keep& keep, const BatchPairOptions& options) {
  const BatchPerson& s = run.people[a];
  std::vector<std::string> section{""};
  std::vector<BatchResultLine> lines;
  std::string emails;
  for (std::size_t b = 0; b < rows.m; ++b) {
    if (b == a || !keep(s, run.people[b])) continue;
    if (lines.empty())
      section.push_back("  " + ShortName(s.name) + " (" + s.email + " - " + s.date + ")" +
                        " vs All" + std::string(kPairLegend));
    BatchPairResult r = PairResult(run, a, b, rows.At(a, b), options);
    if (r.addEmail) emails += run.people[b].email + "; ";
    lines.push_back({std::move(r.line), r.harmony});
  }
  SortBatchResults(lines);
  section.emplace_back();
  for (BatchResultLine& l : lines) section.push_back(std::move(l.text));
  section.emplace_back();
  section.push_back("  " + emails);
  return section;
}

// All vs All's lines of person a: one comma-separated line per pair.
template <class Keep>
std::vector<std::string> CommaLines(const Run& run, std::size_t a, const PairRows& rows,
                                    const Keep& keep, const BatchPairOptions&) {
  const BatchPerson& p = run.people[a];
  std::vector<std::string> lines;
  for (std::size_t b = 0; b < rows.m; ++b) {
    const BatchPerson& q = run.people[b];
    if (b == a || !keep(p, q)) continue;
    const PairCell& c = rows.At(a, b);
    lines.push_back(
        BatchCommaLine({p.name, p.date, {}, true, q.name, q.date, {}}, {c.power, c.harmony}));
  }
  return lines;
}

// Scores every pair that `keep` admits, strip by strip of rows, and writes
// each row's lines (`rowLines`, made on every core) to `out` in row order;
// the pairs add to `sums` in that order. False when cancelled.
// The progress counts each pair `rule` admits once, by one of its two rows:
// in a whole table by the row that scores it; in strips, where every row
// scores all of its pairs, by turns, so that each row counts about half.
template <class Keep, class RowLines>
bool ScoreAndListRows(BatchContext& ctx, Run& run, const Keep& keep, PairRule rule,
                      const RowLines& rowLines, const BatchPairOptions& options, PairOutput& out,
                      PairSums& sums) {
  const std::size_t m = run.people.size();
  PairRows rows;
  rows.m = m;
  const std::size_t strip = StripRows(ctx, m);
  const auto rowSteps = [&, whole = strip >= m](std::size_t a) {
    std::int64_t steps = 0;
    for (std::size_t b = 0; b < m; ++b) {
      const bool counts = whole ? b > a : b != a && (a < b) == ((a + b) % 2 == 0);
      steps += counts && rule.Admits(run.people[a].name, run.people[b].name);
    }
    return steps;
  };
  const std::size_t batch = std::max<std::size_t>(1, kLinesAtOnce / std::max<std::size_t>(m, 1));
  for (rows.first = 0; rows.first < m; rows.first += rows.count) {
    rows.count = std::min(strip, m - rows.first);
    if (!ScoreRows(ctx, run, keep, rows, rowSteps)) return false;
    for (std::size_t a = rows.first; a < rows.first + rows.count;) {
      const std::size_t n = std::min(batch, rows.first + rows.count - a);
      std::vector<std::vector<std::string>> made(n);
      BatchSteps none{0, 0};
      struct Quiet final : BatchProgress {
        bool Step(std::int64_t, std::int64_t) override { return true; }
      } quiet;
      OnEveryCore(quiet, none, n, [&](std::size_t i) {
        made[i] = rowLines(run, a + i, rows, keep, options);
        return std::int64_t(0);
      });
      for (std::size_t i = 0; i < n; ++i, ++a) {
        for (std::size_t b = 0; b < m; ++b)
          if (b != a && keep(run.people[a], run.people[b]))
            sums.Add(run, a, b, rows.At(a, b), options);
        for (const std::string& line : made[i]) out.Line(line);
      }
      if (out.Failed()) return out.Finish(ctx.host);  // tells the user; false
      if (!ctx.progress.Step(run.steps.done, run.steps.total)) return false;
    }
  }
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

// One step of a per-person stage; false when the user cancelled.
bool Tick(BatchContext& ctx, Run& run) {
  return ctx.progress.Step(++run.steps.done, run.steps.total);
}

std::optional<DivisionTables> CollectDivisionTables(BatchContext& ctx, Run& run,
                                                    const OrbTable* orbs) {
  DivisionTables t;
  for (const BatchPerson& p : run.people) {
    if (!Tick(ctx, run)) return std::nullopt;
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

bool ListDivision(BatchContext& ctx, Run& run, ListingPage& page, const DivisionTables& t,
                  size_t d) {
  const std::vector<BatchPerson>& people = run.people;
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
    if (!Tick(ctx, run)) return false;
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
  return true;
}

// A Placement Summary cell: the name cut to 12 characters, filled to 15.
std::string PlacementCell(std::string_view name) {
  const std::string cut(FirstCharacters(name, 12));
  return cut + Spaces(15 - Length(cut));
}

// One line per rank: in each division's column, the people of that rank
// in record order.
bool ListPlacementRows(BatchContext& ctx, Run& run, ListingPage& page, const DivisionTables& t,
                       size_t firstDivision, size_t lastDivision, std::string_view afterNumber) {
  const std::vector<BatchPerson>& people = run.people;
  struct Column {
    std::vector<int> ranks;
    std::vector<size_t> byRank;  // people ordered by rank, then record
    size_t next = 0;
  };
  std::vector<Column> columns;
  for (size_t d = firstDivision; d <= lastDivision; ++d) {
    Column& c = columns.emplace_back();
    c.ranks = t.Ranks(kDivisions[d].planet);
    c.byRank.resize(people.size());
    for (size_t k = 0; k < people.size(); ++k) c.byRank[k] = k;
    std::ranges::stable_sort(c.byRank, {}, [&](size_t k) { return c.ranks[k]; });
  }
  for (int r = 1; r <= int(people.size()); ++r) {
    if (!Tick(ctx, run)) return false;
    std::string line = Spaces(r < 10 ? 3 : 2) + std::to_string(r) + std::string(afterNumber);
    for (Column& c : columns)
      for (; c.next < c.byRank.size() && c.ranks[c.byRank[c.next]] == r; ++c.next)
        line += PlacementCell(people[c.byRank[c.next]].name);
    page.Line(line);
  }
  return true;
}

bool ListPlacementSummary(BatchContext& ctx, Run& run, ListingPage& page, const DivisionTables& t) {
  page.Blank();
  page.Line(Spaces(37) + "Placement of Planetary Force");
  page.Blank();
  page.Line(Spaces(7) +
            "Sun            Mercury        Jupiter        Venus          Moon           Saturn    "
            "     Mars");
  page.Line(Spaces(7) +
            "---            -------        -------        -----          ----           ------    "
            "     ----");
  if (!ListPlacementRows(ctx, run, page, t, 0, 6, " - ")) return false;
  page.Blank();
  page.Line(Spaces(37) + "Neptune        Uranus");
  page.Line(Spaces(37) + "-------        ------");
  return ListPlacementRows(ctx, run, page, t, 7, 8, " -" + Spaces(31));
}

// The organizational fit of everyone, handed to `each` in record order;
// `each` returns false when it cannot go on (and has said why).
BatchEnd ForEachOrgFit(BatchContext& ctx, std::string_view batch, ListingPage* page,
                       const std::function<bool(const ChartModel&, const OrgFitAnalysis&)>& each) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(ctx.appPath, orbs, ctx.host)) return BatchEnd::Nothing;
  OutputState scratch;
  ListingPage none{scratch, ctx.host};
  auto run = StartRun(ctx, page ? *page : none, EachPerson(1));
  if (!run) return Cancelled(ctx, batch);
  for (const BatchPerson& p : run->people) {
    if (!Tick(ctx, *run)) return Cancelled(ctx, batch);
    const Cosmodynes c = CalcCosmodynes(p.chart, ctx.comparative.Angles, ctx.cosmodynes);
    if (!each(PersonModel(p, ctx.houseSystem), CalcOrgFit(p.chart, c.CosmoSummary, orbs)))
      return BatchEnd::Nothing;
  }
  ReportSkipped(ctx, run->skipped);
  return run->people.empty() ? BatchEnd::Nothing : BatchEnd::Listed;
}

}  // namespace

std::optional<std::vector<BatchPerson>> ComputeBatchPeople(BatchContext& ctx,
                                                           std::vector<std::string>& skipped,
                                                           std::int64_t done, std::int64_t total,
                                                           std::int64_t perRecord) {
  MutedHost muted;  // a refused record is counted and reported once at the end
  std::vector<BatchPerson> people;
  people.reserve(ctx.records.size());
  for (size_t k = 0; k < ctx.records.size(); ++k) {
    if (!ctx.progress.Step(done + perRecord * std::int64_t(k), total)) return std::nullopt;
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
  return OneToOneKey(a) == OneToOneKey(b);
}

bool AgesMatch(int ageA, int ageB) {
  const int older = std::max(ageA, ageB), younger = std::min(ageA, ageB);
  return int(std::floor(double(older) * 0.6667)) <= younger;
}

std::vector<int> RanksOf(const std::vector<double>& values) {
  std::vector<double> sorted = values;
  std::ranges::sort(sorted, std::greater<>());
  std::vector<int> ranks;
  ranks.reserve(values.size());
  for (double v : values)
    ranks.push_back(1 +
                    int(std::ranges::lower_bound(sorted, v, std::greater<>()) - sorted.begin()));
  return ranks;
}

int DivisionAspectCode(double p, double q, const OrbTable& orbs) {
  double sep = std::abs(p - q);
  if (sep > 180) sep = 360 - sep;
  AspectMatch match;
  match.foldedSeparation = sep;
  // The conjunction first: a later major band wins over it.
  MatchBand(kConjunctionBand, orbs, match);
  for (const AspectBand& band : kMajorBands) MatchBand(band, orbs, match);
  return match.code == NoAspectCode ? 0 : match.code;
}

std::string SkippedRecordsText(const std::vector<std::string>& names) {
  // A message box must fit the screen: a long list names the first few.
  constexpr size_t kNamed = 10;
  std::string list;
  for (size_t k = 0; k < names.size() && k < kNamed; ++k) list += (k ? ", " : "") + names[k];
  if (names.size() > kNamed)
    list += " and " + GroupThousands(std::int64_t(names.size() - kNamed)) + " more";
  if (names.size() == 1)
    return "1 record of the names file could not be computed and was left out: " + list + ".";
  return GroupThousands(std::int64_t(names.size())) +
         " records of the names file could not be computed and were left out: " + list + ".";
}

BatchEnd RunAllVsAll(BatchContext& ctx, ListingPage& page) {
  constexpr std::string_view kBatch = "All vs All";
  const PairRule rule{ctx.oneToOne};
  auto run = StartRun(ctx, page, EveryPair(rule));
  if (!run) return Cancelled(ctx, kBatch);
  PairOutput out(page);
  if (const auto end = AskBeforeManyPairs(ctx, *run, kBatch, kAllVsAllFile, false, out))
    return *end;
  page.Blank();
  page.Line("  All vs All" + std::string(kPairLegend));
  page.Blank();
  const BatchPairOptions options = PairOptions(ctx, true);
  const auto keep = [rule](const BatchPerson& a, const BatchPerson& b) {
    return rule.Admits(a.name, b.name);
  };
  PairSums sums;
  if (!ScoreAndListRows(ctx, *run, keep, rule, CommaLines<decltype(keep)>, options, out, sums))
    return out.Failed() ? BatchEnd::Nothing : Cancelled(ctx, kBatch);
  out.Blank();
  ListAverages(out, sums);
  ListSummary(out, *run, sums, options);
  if (!out.Finish(ctx.host)) return BatchEnd::Nothing;
  if (out.WroteFile()) {
    page.Blank();
    ListAverages(page, sums);
  }
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunOneVsAll(BatchContext& ctx, ListingPage& page, std::optional<std::size_t> chosen) {
  if (!chosen || *chosen >= ctx.records.size()) {
    ctx.host.ShowMessage(kSelectName, kTitleError, MessageIcon::Critical);
    return BatchEnd::Nothing;
  }
  constexpr std::string_view kBatch = "One vs All";
  auto run = StartRun(ctx, page, EachPerson(1));
  if (!run) return Cancelled(ctx, kBatch);
  const auto s = std::ranges::find(run->people, *chosen, &BatchPerson::record);
  if (s == run->people.end()) {
    ReportSkipped(ctx, run->skipped);
    return BatchEnd::Nothing;
  }
  // Only the chosen person's pairs are scored.
  run->steps.total -= 1;
  const auto keep = CouplesFilter(ctx);
  PairRows rows{size_t(s - run->people.begin()), 1, run->people.size(), {}};
  const auto everyOther = [m = std::int64_t(rows.m)](std::size_t) { return m - 1; };
  if (!ScoreRows(ctx, *run, keep, rows, everyOther)) return Cancelled(ctx, kBatch);
  for (const std::string& line :
       SectionLines(*run, rows.first, rows, keep, PairOptions(ctx, false)))
    page.Line(line);
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunAllVsAllSummary(BatchContext& ctx, ListingPage& page) {
  constexpr std::string_view kBatch = "All vs All Summary";
  // Each person's One vs All, which always applies the same-sex rule.
  const PairRule rule{false};
  auto run = StartRun(ctx, page, EveryPair(rule));
  if (!run) return Cancelled(ctx, kBatch);
  PairOutput out(page);
  if (const auto end = AskBeforeManyPairs(ctx, *run, kBatch, kSummaryFile,
                                          ctx.options[OptionNumber::BatchAgeFilter] != 0, out))
    return *end;
  std::int64_t men = 0, women = 0;
  for (const NameRecord& r : ctx.records) {
    if (r.Name.starts_with("m "))
      ++men;
    else if (r.Name.starts_with("w "))
      ++women;
  }
  const auto keep = CouplesFilter(ctx);
  const BatchPairOptions options = PairOptions(ctx, false);
  PairSums sums;
  if (!ScoreAndListRows(ctx, *run, keep, rule, SectionLines<decltype(keep)>, options, out, sums))
    return out.Failed() ? BatchEnd::Nothing : Cancelled(ctx, kBatch);
  out.Blank();
  ListAverages(out, sums);
  out.Blank();
  ListSummary(out, *run, sums, options);
  out.Blank();
  out.Line("  There are " + std::to_string(men) + " men and " + std::to_string(women) +
           " women in this database.");
  out.Line("  There are " + std::to_string(men * women) + " couples in this database.");
  if (!out.Finish(ctx.host)) return BatchEnd::Nothing;
  if (out.WroteFile()) {
    page.Blank();
    ListAverages(page, sums);
  }
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunDivisionAnalysis(BatchContext& ctx, ListingPage& page) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(ctx.appPath, orbs, ctx.host)) return BatchEnd::Nothing;
  constexpr std::string_view kBatch = "View Division Analysis";
  BusyCursor busy(ctx.host);
  auto run = StartRun(ctx, page, EachPerson(1 + std::int64_t(kDivisions.size())));
  if (!run) return Cancelled(ctx, kBatch);
  page.Blank();
  const auto t = CollectDivisionTables(ctx, *run, &orbs);
  if (!t) return Cancelled(ctx, kBatch);
  for (size_t d = 0; d < kDivisions.size(); ++d) {
    if (!ListDivision(ctx, *run, page, *t, d)) return Cancelled(ctx, kBatch);
    if (d + 1 < kDivisions.size()) page.Line("\f");
  }
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunPlacementSummary(BatchContext& ctx, ListingPage& page) {
  constexpr std::string_view kBatch = "Placement Summary";
  BusyCursor busy(ctx.host);
  auto run = StartRun(ctx, page, EachPerson(3));
  if (!run) return Cancelled(ctx, kBatch);
  page.Blank();
  const auto t = CollectDivisionTables(ctx, *run, nullptr);
  if (!t || !ListPlacementSummary(ctx, *run, page, *t)) return Cancelled(ctx, kBatch);
  ReportSkipped(ctx, run->skipped);
  return BatchEnd::Listed;
}

BatchEnd RunViewOrgFitAll(BatchContext& ctx, ListingPage& page) {
  bool first = true;
  return ForEachOrgFit(ctx, "View O.F.A. - All", &page,
                       [&](const ChartModel& m, const OrgFitAnalysis& ofa) {
                         if (!first) page.Line("\f");
                         first = false;
                         ListNatalOFA(page, m, ofa);
                         return true;
                       });
}

BatchEnd RunPrintOrgFitAll(
    BatchContext& ctx,
    const std::function<bool(const ChartModel& person, const OrgFitAnalysis& ofa)>& printPerson) {
  return ForEachOrgFit(ctx, "Print O.F.A. - All", nullptr, printPerson);
}

}  // namespace orv
