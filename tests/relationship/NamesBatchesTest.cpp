// The names-file batches over small names files of real birth data: the
// filters, the pages' headings, order and counts, the per-person listings,
// and the pairs scored from charts computed once equal the chart driver's;
// a golden page per batch with the age filter and the opposition rule set;
// large runs asked about, written to a file, worked in strips and cancelled.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "../listings/ListingTestSupport.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/ComparativeCommands.h"
#include "commands/Workbench.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"
#include "relationship/batches/NamesBatches.h"
#include "relationship/batches/StrongPairs.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

// Records the steps; `cancelAt`: Cancel once done reaches it. The bar
// only grows, so a share of the total that shrinks (`shrinks`) would leave
// it ahead of the work.
struct NoProgress final : BatchProgress {
  std::int64_t last = 0, over = 0, lastTotal = 0, backwards = 0, shrinks = 0;
  std::int64_t cancelAt = -1;
  double share = 0;
  bool Step(std::int64_t done, std::int64_t total) override {
    const double now = total > 0 ? double(done) / double(total) : 1;
    if (now < share) ++shrinks;
    share = now;
    if (done < last) ++backwards;
    last = done;
    lastTotal = total;
    if (done > total) ++over;
    return cancelAt < 0 || done < cancelAt;
  }
};

NameRecord Person(std::string name, std::string date, std::string time = "10.43") {
  return {std::move(name), std::move(date), time, "A", "6", "75.23", "39.45", "e@x"};
}

// Seven people: three men and four women, born a few years apart.
std::vector<NameRecord> Couples() {
  return {Person("m Al One", "12 May 1959"),  Person("m Bo Two", "3 Aug 1962", "4.20"),
          Person("m Cy Six", "1 Jan 1970"),   Person("w Di Ten", "9 Sep 1961", "11.05"),
          Person("w Ev Ann", "28 Feb 1965"),  Person("w Fay Lo", "17 Jul 1958", "7.30"),
          Person("w Gi Ray", "30 Nov 1972")};
}

struct Fixture {
  test::RecordingHost host;
  NoProgress progress;
  std::vector<NameRecord> records;
  OptionValues options{};
  DataTables tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  OutputState out;
  ListingPage page{out, host};
  BatchContext ctx{host, progress, records, options, tables, ORVANTA_DATA_DIR,
                   HouseSystemCode::Placidus, 0, {}, {}, false, 2026};

  explicit Fixture(std::vector<NameRecord> r) : records(std::move(r)) {
    ReadOptionsFile(host, ORVANTA_DATA_DIR, options);
    ctx.comparative = {CosmoAngleChoice::Both, true, true, 2, false};
    ctx.presentYear = 2026;
  }
  const std::vector<std::string>& Lines() const { return out.PageBuffer(); }
  long Count(std::string_view text) const {
    return std::ranges::count_if(Lines(), [&](const std::string& l) { return l == text; });
  }
};

TEST(NamesBatches, PairFilters) {
  struct Case {
    const char *a, *b;
    bool sameSex, oneToOne;
  };
  const Case cases[] = {
      {"m John 01", "w Mary 01", false, false}, {"m Jo01", "w An01", false, true},
      {"m Jo01", "w An02", false, false},       {"m John", "m Jim", true, false},
      {"w Ann", "w Bea", true, false},          {"mary", "mark", false, true},
      {"M John", "m Jim", false, false},        {"Al", "Bo", false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameSexPair(c.a, c.b), c.sameSex) << c.a << " / " << c.b;
    EXPECT_EQ(OneToOnePair(c.a, c.b), c.oneToOne) << c.a << " / " << c.b;
  }
  EXPECT_TRUE(AgesMatch(60, 40));
  EXPECT_TRUE(AgesMatch(40, 60));
  EXPECT_FALSE(AgesMatch(60, 39));
  EXPECT_EQ(RanksOf({5, 7, 5, 1}), (std::vector<int>{2, 1, 2, 4}));
  OrbTable orbs{};
  orbs[1] = 8, orbs[2] = 6, orbs[3] = 7, orbs[4] = 8, orbs[5] = 8;
  EXPECT_EQ(DivisionAspectCode(10, 76, orbs), 3);     // exactly 60 + orb(2)
  EXPECT_EQ(DivisionAspectCode(358, 5, orbs), 2);     // across 0 degrees
  EXPECT_EQ(DivisionAspectCode(0, 172.5, orbs), 6);
  EXPECT_EQ(DivisionAspectCode(0, 45, orbs), 0);
}

TEST(NamesBatches, SkippedRecordsNamedUpToTen) {
  const std::vector<std::string> many = {"m A", "w B", "m C", "w D", "m E", "w F",
                                         "m G", "w H", "m I", "w J", "m K", "w L"};
  EXPECT_EQ(SkippedRecordsText({"m A"}),
            "1 record of the names file could not be computed and was left out: m A.");
  EXPECT_EQ(SkippedRecordsText({many.begin(), many.begin() + 10}),
            "10 records of the names file could not be computed and were left out: m A, w B, m C, "
            "w D, m E, w F, m G, w H, m I, w J.");
  EXPECT_EQ(SkippedRecordsText(many),
            "12 records of the names file could not be computed and were left out: m A, w B, m C, "
            "w D, m E, w F, m G, w H, m I, w J and 2 more.");
}

TEST(NamesBatches, SortIsDescendingBelowMinusAThousand) {
  std::vector<BatchResultLine> lines = {{"a", 5}, {"b", -1000.5}, {"c", 12.25}, {"d", -3}};
  SortBatchResults(lines);
  std::string order;
  for (const auto& l : lines) order += l.text;
  EXPECT_EQ(order, "cadb");
}

TEST(NamesBatches, PairsFromChartsComputedOnceEqualTheChartDriver) {
  Fixture f(Couples());
  std::vector<std::string> skipped;
  const auto people = ComputeBatchPeople(f.ctx, skipped, 0, 7);
  ASSERT_TRUE(people && people->size() == 7 && skipped.empty());
  for (auto [a, b] : {std::pair{0, 3}, {4, 1}, {2, 6}}) {
    ChartRequest r;
    ASSERT_TRUE(NameRecordToFields(f.records[size_t(a)], 0, r.natal));
    ASSERT_TRUE(NameRecordToFields(f.records[size_t(b)], 0, r.diurnal));
    r.secondPerson = true;
    ChartModel m;
    ChartDriverHooks hooks;
    ASSERT_EQ(CalcCharts(f.host, m, r, f.options, f.tables, hooks, true), 0);
    const ComparativeTotals want = TotalsOf(
        ScoreComparativeCosmodynes({m.Natal, IsNoonChart(m.NatalInput)},
                                   {m.Diurnal, IsNoonChart(m.DiurnalInput)}, f.ctx.comparative),
        f.ctx.comparative.Angles);
    const ComparativeTotals got =
        ScoreBatchPair((*people)[size_t(a)], (*people)[size_t(b)], f.ctx.comparative);
    const ComparativeTotals back =
        ScoreBatchPair((*people)[size_t(b)], (*people)[size_t(a)], f.ctx.comparative);
    EXPECT_EQ(got.TP1, want.TP1);
    EXPECT_EQ(got.TH1, want.TH1);
    EXPECT_EQ(got.TP2, want.TP2);
    EXPECT_EQ(got.TH2, want.TH2);
    // Scored one way, the pair gives both directions to the last bit.
    EXPECT_EQ(back.TP1, got.TP2);
    EXPECT_EQ(back.TH1, got.TH2);
  }
}

TEST(NamesBatches, PairBatchPages) {
  {  // All vs All Summary: each man's section headed once, lines by harmony.
    Fixture f(Couples());
    ASSERT_EQ(RunAllVsAllSummary(f.ctx, f.page), BatchEnd::Listed);
    const auto& l = f.Lines();
    EXPECT_EQ(l[l.size() - 2], "  There are 3 men and 4 women in this database.");
    EXPECT_EQ(l.back(), "  There are 12 couples in this database.");
    EXPECT_EQ(f.Count("  m Al (e@x - 12 May 1959) vs All - ('P' = Power, 'P*H' = Power "
                      "times Harmony, 'H' = Harmony)"),
              1);
    std::vector<double> harmony;
    for (const auto& line : l) {
      if (line.starts_with("  Average")) break;
      if (line.starts_with("  m Al and ")) harmony.push_back(std::stod(line.substr(line.size() - 7)));
    }
    EXPECT_EQ(harmony.size(), 4u);
    EXPECT_TRUE(std::ranges::is_sorted(harmony, std::greater<>()));
    EXPECT_EQ(f.progress.over, 0);
    EXPECT_TRUE(f.host.messages.empty());
  }
  {  // All vs All with "1 to 1": only the pairs agreeing in characters 5-6.
    Fixture f({Person("m Jo01", "12 May 1959"), Person("w An01", "3 Aug 1962"),
               Person("w Bo02", "1 Jan 1970")});
    f.ctx.oneToOne = true;
    ASSERT_EQ(RunAllVsAll(f.ctx, f.page), BatchEnd::Listed);
    const long pairs = std::ranges::count_if(f.Lines(), [](const std::string& l) {
      return l.find("),") != std::string::npos;
    });
    EXPECT_EQ(pairs, 2);
  }
  // One person, two of the same sex, and a record the computation refuses:
  // no pair, averages "n/a", one message for the refused record.
  for (auto records : {std::vector{Person("m Al", "12 May 1959")},
                       std::vector{Person("m Al", "12 May 1959"), Person("m Bo", "3 Aug 1962")},
                       std::vector{Person("m Al", "12 May 1959"), Person("w Bad", "31 Feb 1960")}}) {
    Fixture f(records);
    EXPECT_EQ(RunAllVsAll(f.ctx, f.page), BatchEnd::Listed);
    EXPECT_EQ(f.Count("  Average Harmony =  n/a"), 1);
    EXPECT_EQ(RunOneVsAll(f.ctx, f.page, 0), BatchEnd::Listed);
    EXPECT_EQ(std::ranges::count_if(f.Lines(), [](auto& l) { return l.find("vs All") != l.npos; }),
              0);
    EXPECT_EQ(RunAllVsAllSummary(f.ctx, f.page), BatchEnd::Listed);
    EXPECT_EQ(f.host.messages.size(), records[1 % records.size()].Name == "w Bad" ? 3u : 0u);
  }
  Fixture none(Couples());
  EXPECT_EQ(RunOneVsAll(none.ctx, none.page, std::nullopt), BatchEnd::Nothing);
  ASSERT_EQ(none.host.messages.size(), 1u);
  EXPECT_EQ(none.host.messages[0].text, "Please select a name from the NAMES list, then try again.");
}

// A name is cut and compared by characters, not bytes: an accented letter
// among the first two characters leaves the blank after it where it
// belongs, and the "1 to 1" rule takes characters 5 and 6 whole.
TEST(NamesBatches, AccentedNamesCountCharacters) {
  const struct {
    const char *name, *shortName;
  } shortNames[] = {
      {"\xC3\x93 Brien", "\xC3\x93 Brien"},       // Ó Brien: no second blank
      {"\xC3\x98 Li Ann", "\xC3\x98 Li"},         // Ø Li Ann
      {"m \xC3\x89mile Zola", "m \xC3\x89mile"},  // m Émile Zola
      {"\xE7\x8E\x8B Li Na", "\xE7\x8E\x8B Li"},  // a three-byte character
      {"Al Bo", "Al"},
  };
  const std::string legend = " - ('P' = Power, 'P*H' = Power times Harmony, 'H' = Harmony)";
  for (const auto& c : shortNames) {
    NameRecord first = Person(c.name, "03 Feb 1950");
    first.Email = "a@example.com";
    Fixture f({first, Person("w Ann Lee", "12 May 1959")});
    ASSERT_EQ(RunOneVsAll(f.ctx, f.page, 0), BatchEnd::Listed);
    const std::string shortName = c.shortName;
    EXPECT_EQ(f.Count("  " + shortName + " (a@example.com - 03 Feb 1950) vs All" + legend), 1)
        << c.name;
    EXPECT_EQ(std::ranges::count_if(f.Lines(),
                                    [&](const std::string& l) {
                                      return l.starts_with("  " + shortName +
                                                           " and w Ann (12 May 1959, e@x)");
                                    }),
              1)
        << c.name;
  }

  // Characters 5 and 6: 01 for the first three, 02 for the next three, "ël"
  // and "ëm" for the last two: 3 + 3 pairs. By bytes the four names with "é"
  // as their fourth character would agree in half of it and "0" (6 pairs),
  // and "Noël" and "Noëmi" in "ë" (1 pair).
  const std::string names[] = {"m R\303\25101", "w Al01",        "w B\303\25101", "m Jo02",
                               "w Z\303\25102", "m R\303\25102", "m No\303\253l", "w No\303\253mi"};
  const auto windows1252 = [](std::string text) {
    for (auto [utf8, single] : {std::pair{"\xC3\xA9", "\xE9"}, {"\xC3\xAB", "\xEB"}})
      for (std::size_t at; (at = text.find(utf8)) != std::string::npos;)
        text.replace(at, 2, single);
    return text;
  };
  std::string file;
  for (const std::string& name : names)
    file += name + ",12 May 1959,10.43,A,6,075.23,39.45,e@x\r\n";
  const std::int64_t pairs = 3 + 3;
  for (const std::string& bytes : {file, "\xEF\xBB\xBF" + file, windows1252(file)}) {
    const test::TempDir dir;
    std::ofstream(dir.path() / "ACCENTS.FIL", std::ios::binary) << bytes;
    test::RecordingHost host;
    NamesFileLoad load = LoadChosenNamesFile(host, dir.path() / "ACCENTS.FIL");
    ASSERT_EQ(load.Records.size(), std::size(names));
    EXPECT_EQ(load.Records[6].Name, names[6]);
    Fixture f(load.Records);
    f.ctx.oneToOne = true;
    ASSERT_EQ(RunAllVsAll(f.ctx, f.page), BatchEnd::Listed);
    const long lines = std::ranges::count_if(
        f.Lines(), [](const std::string& l) { return l.find("),") != std::string::npos; });
    EXPECT_EQ(lines, 2 * pairs);  // each pair both ways
    EXPECT_EQ(f.progress.lastTotal, pairs);
  }
}

TEST(NamesBatches, PerPersonPages) {
  // Twins share every rank; a long name is cut to 12 in the placement summary.
  Fixture f({Person("m Twin One", "12 May 1959"), Person("w Twin Two", "12 May 1959"),
             Person("w Abcdefghijklmnop", "1 Jan 1970", "4.20")});
  ASSERT_EQ(RunDivisionAnalysis(f.ctx, f.page), BatchEnd::Listed);
  EXPECT_EQ(f.Count("\f"), 8);
  EXPECT_EQ(f.Count(std::string(32, ' ') + "Executive Division"), 1);
  EXPECT_EQ(f.Count(std::string(30, ' ') + "Communications Division"), 1);
  EXPECT_EQ(f.Count(std::string(32, ' ') + "Treasury Division"), 1);
  EXPECT_EQ(f.Count(std::string(29, ' ') + "Placement of Solar Force"), 1);
  // Under each person the aspect lines run trine, sextile, square,
  // opposition, conjunction.
  const std::string order[] = {"trine", "sextile", "square", "opposite", "conjunct"};
  int last = 0;
  for (const auto& l : f.Lines()) {
    if (!l.starts_with(std::string(10, ' ')) || l.size() != 23) {
      last = 0;
      continue;
    }
    const int at = int(std::ranges::find_if(order, [&](auto& o) { return l.substr(10).starts_with(o); }) - order);
    EXPECT_GE(at, last) << l;
    last = at;
  }

  ASSERT_EQ(RunPlacementSummary(f.ctx, f.page), BatchEnd::Listed);
  long cells = 0;
  for (const auto& l : f.Lines()) {
    const auto count = [&](std::string_view n) {
      long c = 0;
      for (size_t at = l.find(n); at != l.npos; at = l.find(n, at + 1)) ++c;
      return c;
    };
    EXPECT_EQ(count("m Twin One"), count("w Twin Two")) << l;
    EXPECT_EQ(count("Abcdefghijklm"), 0);
    cells += count("m Twin One") + count("w Twin Two") + count("w Abcdefghij   ");
  }
  EXPECT_EQ(cells, 27);

  ASSERT_EQ(RunViewOrgFitAll(f.ctx, f.page), BatchEnd::Listed);
  EXPECT_EQ(f.Count("\f"), 2);
  EXPECT_EQ(f.Count("  w Abcdefghijklmnop"), 1);
}

// Three generations born in 1959-1996 (ages 30 to 67 in 2026), two of them
// called John and one with letters beyond ASCII.
std::vector<NameRecord> Generations() {
  return {
      Person("m John Abbott", "12 May 1959"),        Person("w Zoë Müller", "9 Sep 1961", "11.05"),
      Person("m John Okafor", "3 Aug 1986", "4.20"), Person("w Ann Lee", "28 Feb 1966"),
      Person("m Émile Roux", "1 Jan 1996", "7.30"),  Person("w Bea Ito", "30 Nov 1972", "2.15"),
      Person("Kim Park", "17 Jul 1990", "9.45")};
}

std::string PageText(const Fixture& f) {
  std::string text;
  for (const std::string& line : f.Lines()) text += line + "\n";
  return text;
}

// Every batch's page with the age filter (option 222) on and oppositions as
// all discord (option 238 = 1), the settings taken from the program state as
// the names window's buttons take them. The pages pin the same-sex and age
// rules, the strong pairs of men only, receptions' harmony ("incl MR"), and
// names counted by characters in fixed columns.
TEST(NamesBatches, GoldenPagesWithTheAgeFilterAndOppositionsAsDiscord) {
  const std::filesystem::path golden = std::filesystem::path(__FILE__).parent_path() / "golden";
  using Batch = BatchEnd (*)(BatchContext&, ListingPage&);
  const std::pair<const char*, Batch> cases[] = {
      {"batch_all_vs_all.txt", RunAllVsAll},
      {"batch_one_vs_all.txt",
       [](BatchContext& c, ListingPage& p) { return RunOneVsAll(c, p, 1); }},
      {"batch_all_vs_all_summary.txt", RunAllVsAllSummary},
      {"batch_division_analysis.txt", RunDivisionAnalysis},
      {"batch_placement_summary.txt", RunPlacementSummary},
      {"batch_ofa_all.txt", RunViewOrgFitAll},
  };
  for (const auto& [file, run] : cases) {
    Fixture f(Generations());
    Workbench wb;
    wb.Options = f.options;
    wb.Options[222] = 1;
    wb.Options[238] = 1;
    wb.Options[16] = 40;  // enough strong pairs to list
    wb.Input.Analysis.IncludeMR = true;
    wb.Input.Analysis.BeneficsMalefics = true;
    wb.Charts.CosmoAngles = CosmoAngleChoice::Both;
    f.options = wb.Options;
    f.ctx.comparative = ComparativeSettingsOf(wb, false);
    ASSERT_EQ(run(f.ctx, f.page), BatchEnd::Listed) << file;
    test::ExpectGolden(PageText(f), file, golden);
    EXPECT_EQ(f.progress.last, f.progress.lastTotal) << file;
    EXPECT_EQ(f.progress.over + f.progress.backwards + f.progress.shrinks, 0) << file;
  }
}

// A run over more pairs than the bound asks first; declined, it writes
// nothing; allowed, its lines go to a file in REPORTS and the page names
// it with the averages. Worked in strips of one row, every pair scored for
// each of its rows, the lines are those of the whole table.
TEST(NamesBatches, LargeRunsAskWriteAFileAndWorkInStrips) {
  Fixture whole(Couples());
  ASSERT_EQ(RunAllVsAll(whole.ctx, whole.page), BatchEnd::Listed);
  ASSERT_EQ(RunAllVsAllSummary(whole.ctx, whole.page), BatchEnd::Listed);
  const std::vector<std::string> summaryPage = whole.Lines();
  ASSERT_EQ(RunAllVsAll(whole.ctx, whole.page), BatchEnd::Listed);
  const std::vector<std::string> allPage = whole.Lines();

  for (size_t cells : {7, 8, 20, 1000}) {
    Fixture strips(Couples());
    strips.ctx.pairCellsAtOnce = cells;
    ASSERT_EQ(RunAllVsAllSummary(strips.ctx, strips.page), BatchEnd::Listed);
    EXPECT_EQ(strips.Lines(), summaryPage) << cells;
    ASSERT_EQ(RunAllVsAll(strips.ctx, strips.page), BatchEnd::Listed);
    EXPECT_EQ(strips.Lines(), allPage) << cells;
  }

  test::TempDir dir;
  Fixture large(Couples());
  large.ctx.appPath = dir.path();
  large.ctx.askAbovePairs = 11;  // 3 men and 4 women: 12 couples
  large.host.answers = {Answer::No};
  EXPECT_EQ(RunAllVsAll(large.ctx, large.page), BatchEnd::Cancelled);
  ASSERT_EQ(large.host.messages.size(), 2u);
  EXPECT_TRUE(
      large.host.messages[0].text.starts_with("All vs All over 7 people scores 12 pairs, "
                                              "which takes about "))
      << large.host.messages[0].text;
  EXPECT_EQ(large.host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(large.host.messages[1].text, "All vs All was cancelled.");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "REPORTS"));
  large.options[222] = 1;     // the age filter may leave pairs out: "up to"
  large.ctx.oneToOne = true;  // not applied: each One vs All uses the same-sex rule
  large.host.answers = {Answer::No};
  EXPECT_EQ(RunAllVsAllSummary(large.ctx, large.page), BatchEnd::Cancelled);
  ASSERT_EQ(large.host.messages.size(), 4u);
  EXPECT_TRUE(large.host.messages[2].text.starts_with(
      "All vs All Summary over 7 people scores up to 12 pairs, which takes about "));
  EXPECT_EQ(large.host.messages[3].text, "All vs All Summary was cancelled.");
  large.options[222] = 0;
  large.ctx.oneToOne = false;

  ASSERT_EQ(RunAllVsAll(large.ctx, large.page), BatchEnd::Listed);
  std::ifstream in(dir.path() / "REPORTS" / "ALLVSALL.TXT", std::ios::binary);
  std::stringstream written;
  written << in.rdbuf();
  std::string expected;
  for (size_t k = 3; k < allPage.size(); ++k) expected += allPage[k] + "\r\n";
  EXPECT_EQ(written.str(), expected);
  const auto& page = large.Lines();
  ASSERT_EQ(page.size(), 7u);
  EXPECT_EQ(page[3], "  The " + std::to_string(allPage.size() - 3) +
                         " lines of this run are in the file " +
                         (dir.path() / "REPORTS" / "ALLVSALL.TXT").string() + ".");
  const auto averages = std::ranges::find_if(
      allPage, [](const std::string& l) { return l.starts_with("  Average Harmony"); });
  ASSERT_NE(averages, allPage.end());
  EXPECT_EQ(std::vector(page.end() - 2, page.end()), std::vector(averages, averages + 2));
  for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "REPORTS"))
    EXPECT_EQ(entry.path().filename(), "ALLVSALL.TXT");
}

// Cancel is heard in every stage of every batch, after the charts too, and
// the run says it was cancelled.
TEST(NamesBatches, CancelIsHeardInEveryStage) {
  using Batch = BatchEnd (*)(BatchContext&, ListingPage&);
  const std::pair<Batch, std::string_view> batches[] = {
      {RunAllVsAll, "All vs All"},
      {RunAllVsAllSummary, "All vs All Summary"},
      {RunDivisionAnalysis, "View Division Analysis"},
      {RunPlacementSummary, "Placement Summary"},
      {RunViewOrgFitAll, "View O.F.A. - All"},
      {[](BatchContext& c, ListingPage& p) { return RunOneVsAll(c, p, 1); }, "One vs All"}};
  for (const auto& [run, name] : batches) {
    Fixture measure(Couples());
    ASSERT_EQ(run(measure.ctx, measure.page), BatchEnd::Listed);
    EXPECT_TRUE(measure.host.messages.empty()) << name;
    const std::int64_t total = measure.progress.lastTotal;
    ASSERT_GT(total, 7);
    for (std::int64_t at : {std::int64_t(0), std::int64_t(3), std::int64_t(8), total - 1}) {
      Fixture f(Couples());
      f.progress.cancelAt = at;
      EXPECT_EQ(run(f.ctx, f.page), BatchEnd::Cancelled) << at << " of " << total;
      ASSERT_EQ(f.host.messages.size(), 1u) << name;
      EXPECT_EQ(f.host.messages[0].text, std::string(name) + " was cancelled.");
      EXPECT_EQ(f.host.messages[0].title, kTitleInformation);
    }
  }
}

// The question, the progress and the work count the same pairs: each two
// people the rule admits once, n(n - 1) / 2 of n people without a sex mark,
// men times women with them, whether the table is worked whole or in strips.
TEST(NamesBatches, QuestionProgressAndWorkCountTheSamePairs) {
  std::vector<NameRecord> unmarked;
  for (const char* name : {"Al", "Bo", "Cy", "Di", "Ev", "Fay", "Gi", "Hal", "Ida"})
    unmarked.push_back(Person(name, "12 May 1959"));
  std::vector<NameRecord> oneToOne;  // characters 5 and 6: 01 01 01 02 02 and one short name
  for (const char* name : {"m Al01", "w Bo01", "m Cy01", "w Di02", "m Ev02", "Fay"})
    oneToOne.push_back(Person(name, "3 Aug 1962"));
  const struct {
    std::vector<NameRecord> records;
    bool oneToOne;
    std::int64_t pairs;
  } cases[] = {{unmarked, false, 9 * 8 / 2}, {Couples(), false, 3 * 4}, {oneToOne, true, 3 + 1}};
  for (const auto& c : cases) {
    for (std::size_t cells : {std::size_t(1) << 20, std::size_t(9), std::size_t(20)}) {
      Fixture f(c.records);
      const test::TempDir dir;
      f.ctx.oneToOne = c.oneToOne;
      f.ctx.pairCellsAtOnce = cells;
      f.ctx.askAbovePairs = c.pairs - 1;
      f.ctx.appPath = dir.path();
      f.host.answers = {Answer::Yes};
      ASSERT_EQ(RunAllVsAll(f.ctx, f.page), BatchEnd::Listed);
      ASSERT_FALSE(f.host.messages.empty());
      const std::string people = std::to_string(c.records.size()) + " people scores ";
      EXPECT_TRUE(f.host.messages[0].text.starts_with(
          "All vs All over " + people + std::to_string(c.pairs) + " pairs, which takes"))
          << f.host.messages[0].text;
      EXPECT_EQ(f.progress.lastTotal, c.pairs) << cells;
      EXPECT_EQ(f.progress.last, f.progress.lastTotal) << cells;
      EXPECT_EQ(f.progress.over + f.progress.backwards + f.progress.shrinks, 0) << cells;
      // Each pair is listed both ways, a line each.
      std::ifstream in(dir.path() / "REPORTS" / "ALLVSALL.TXT", std::ios::binary);
      std::int64_t lines = 0;
      for (std::string line; std::getline(in, line);) lines += line.find(",,") != line.npos;
      EXPECT_EQ(lines, 2 * c.pairs) << cells;
    }
  }
}

// 25,000 people without a sex mark make 312,487,500 pairs: the question
// says so, and the progress counts them.
TEST(NamesBatches, TwentyFiveThousandPeopleMakeTheirPairs) {
  std::vector<NameRecord> many(25'000, Person("Al", "12 May 1959"));
  Fixture f(std::move(many));
  f.host.answers = {Answer::No};
  ASSERT_EQ(RunAllVsAll(f.ctx, f.page), BatchEnd::Cancelled);
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_TRUE(f.host.messages[0].text.starts_with(
      "All vs All over 25,000 people scores 312,487,500 pairs, which takes about "))
      << f.host.messages[0].text;
  EXPECT_EQ(f.host.messages[1].text, "All vs All was cancelled.");
  EXPECT_EQ(f.progress.lastTotal, 312'487'500);
}

// Ranks and the strong pairs' order against their definitions on many
// values, ties included; the strong pairs spilled to a file in runs of
// every size come back in the order they would in memory.
TEST(NamesBatches, RanksAndStrongPairsOrderOnManyValues) {
  std::mt19937 rng(7);
  std::vector<double> values(3000);
  for (double& v : values) v = double(rng() % 400) / 4 - 50;
  const std::vector<int> ranks = RanksOf(values);
  for (size_t k = 0; k < values.size(); k += 97)
    EXPECT_EQ(ranks[k], 1 + std::ranges::count_if(values, [&](double w) { return w > values[k]; }));

  std::vector<StrongPair> pairs;
  for (std::uint32_t k = 0; k < 5000; ++k) pairs.push_back({k, k + 1, double(k), values[k % 3000]});
  std::vector<StrongPair> want = pairs;
  std::ranges::stable_sort(want, std::greater<>(), &StrongPair::harmony);
  for (size_t inMemory : {1, 3, 999, 5000, 100000}) {
    StrongPairs strong(inMemory);
    for (const StrongPair& p : pairs) strong.Add(p);
    EXPECT_EQ(strong.Count(), 5000);
    std::vector<std::uint32_t> order;
    strong.ForEachSorted([&](const StrongPair& p) { order.push_back(p.a); });
    ASSERT_EQ(order.size(), want.size()) << inMemory;
    for (size_t k = 0; k < want.size(); ++k) ASSERT_EQ(order[k], want[k].a) << inMemory << " " << k;
  }
}

}  // namespace
}  // namespace orv
