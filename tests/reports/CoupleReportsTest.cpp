// The composite and synastry reports: aspects, file names, the name
// replacement, the wrapping and the sign sentences.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <functional>
#include <set>

#include "RecordingHost.h"
#include "TempDir.h"
#include "base/Text.h"
#include "commands/ReportCommands.h"
#include "commands/Workbench.h"
#include "core/ChartDriver.h"
#include "listings/ChartHeaders.h"
#include "platform/Files.h"
#include "reports/CoupleReports.h"
#include "reports/ReportAnchors.h"
#include "reports/ReportText.h"
#include "reports/ReportViewer.h"
#include "reports/RtfReport.h"
#include "reports/ScrambledText.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

TEST(CompositeReport, AspectBands) {
  const struct {
    int a, b;
    double separation;
    float orb, nodeOrb, lightOrb;
    int code;
  } cases[] = {
      {1, 10, 175, 5, 5, 10, 6},     // lights use option 53
      {1, 10, 175, 10, 10, 4, 1},
      {2, 3, 65, 5, 1, 1, 3},        // the bands are closed
      {2, 3, 65.01, 5, 1, 1, 1},
      {4, 5, 85, 5, 1, 1, 4},
      {4, 5, 125, 5, 1, 1, 5},
      {4, 5, 31, 40, 1, 1, 2},       // within both a sextile and a conjunction
      {11, 1, 90, 5, 10, 10, 1},     // a node makes only conjunctions
      {11, 1, 9.5, 1, 10, 1, 2},
      {12, 5, 180, 5, 5, 5, 1},
      {14, 6, 0, 0, 0, 0, 2},
  };
  for (const auto& c : cases) {
    OptionValues o{};
    o[51] = c.orb, o[52] = c.nodeOrb, o[53] = c.lightOrb;
    EXPECT_EQ(FindCompositeAspect(c.a, c.b, c.separation, o), c.code)
        << c.a << "-" << c.b << " at " << c.separation;
  }
}

Lines Files(const std::vector<ReportStep>& steps, std::string_view part = "") {
  Lines files;
  for (const ReportStep& s : steps)
    if (s.kind == ReportStep::Kind::File && s.file.find(part) != std::string::npos)
      files.push_back(s.file);
  return files;
}

std::string HouseRecords(std::initializer_list<std::pair<int, const char*>> houses) {
  std::string records;
  for (int point = 1; point <= NumPoints; ++point) records += " 1ST HOUSE";
  for (const auto& [point, label] : houses)
    records.replace(std::size_t(point - 1) * 10, 4, label);
  return records;
}

TEST(CompositeReport, HouseTextsAndTheOppositeHouseOfATurnedMidpoint) {
  PointArray<double> lon{};
  std::string flags(NumPoints, ' ');
  flags[0] = flags[1] = flags[2] = 'A';  // Sun, Mercury, Venus
  const auto steps = CompositeReportSteps(
      lon, flags,
      HouseRecords({{1, "11TH"}, {2, " 4TH"}, {3, " 6TH"}, {10, "12TH"}, {5, "    "}}),
      OptionValues{});
  const Lines houses = Files(steps, "/HOUSE/");
  EXPECT_EQ(houses, (Lines{"COMPOSIT/HOUSE/SUN.11", "COMPOSIT/HOUSE/SUN.5",
                           "COMPOSIT/HOUSE/MOON.12", "COMPOSIT/HOUSE/MERCURY.4",
                           "COMPOSIT/HOUSE/MERCURY.10", "COMPOSIT/HOUSE/VENUS.6",
                           "COMPOSIT/HOUSE/VENUS.12", "COMPOSIT/HOUSE/MARS.1",
                           "COMPOSIT/HOUSE/SATURN.1",  // Jupiter in no house
                           "COMPOSIT/HOUSE/URANUS.1", "COMPOSIT/HOUSE/NEPTUNE.1",
                           "COMPOSIT/HOUSE/PLUTO.1"}));
  const Lines all = Files(steps);
  EXPECT_EQ(Lines(all.begin(), all.begin() + 2),
            (Lines{"COMPOSIT/COMPOPEN", "COMPOSIT/PLHOUSE"}));
  EXPECT_EQ(all[2 + houses.size()], "COMPOSIT/PLASPECT");
  EXPECT_EQ(all.back(), "COMPOSIT/CLOSING");
  EXPECT_EQ(steps.front().kind, ReportStep::Kind::Blank);
}

// A house text of the shipped data stands in the report for a body in its
// house and, for a turned body, in the opposite house: it names the axis of
// both and places the body in neither.
TEST(CompositeReport, ShippedHouseTextsSpeakOfTheAxisNotAPlacement) {
  static constexpr std::array<std::string_view, 12> kWords = {
      "first", "second", "third", "fourth", "fifth",    "sixth",
      "seventh", "eighth", "ninth", "tenth", "eleventh", "twelfth"};
  for (const char* body : {"SUN", "MOON", "MERCURY", "VENUS", "MARS", "JUPITER", "SATURN",
                           "URANUS", "NEPTUNE", "PLUTO"}) {
    for (std::size_t h = 0; h < 12; ++h) {
      const std::string file = std::string("COMPOSIT/HOUSE/") + body + "." + std::to_string(h + 1);
      const auto lines = ReadTextLines(ResolveInFolder(ORVANTA_DATA_DIR, file));
      ASSERT_TRUE(lines) << file;
      std::string text;  // lower case, lines joined
      for (const std::string& l : *lines) {
        for (char c : l) text += char(std::tolower(static_cast<unsigned char>(c)));
        text += ' ';
      }
      const std::string axis = "the " + std::string(kWords[h]) + " and " +
                               std::string(kWords[(h + 6) % 12]) + " houses";
      EXPECT_NE(text.find(axis), std::string::npos) << file;
      for (std::string_view word : kWords)
        EXPECT_EQ(text.find(" in the " + std::string(word) + " house"), std::string::npos)
            << file << ": in the " << word << " house";
    }
  }
}

TEST(CompositeReport, AspectFiles) {
  const struct {
    std::vector<std::pair<int, double>> at;  // points moved from 0 degrees
    std::string turned;                      // points flagged "A", by letter
    std::string part;
    Lines files;
  } cases[] = {
      {{{10, 185}}, "", "SUNMOO", {"COMPOSIT/ASPECT/SUNMOO.OPP"}},
      {{{10, 185}}, "J", "SUNMOO", {"COMPOSIT/ASPECT/SUNMOO.CNJ"}},  // the Moon turned
      {{{1, 180}}, "A", "SUNMOO", {"COMPOSIT/ASPECT/SUNMOO.CNJ"}},  // the Sun turned
      {{{10, 60}}, "A", "SUNMOO", {"COMPOSIT/ASPECT/SUNMOO.SXT"}},
      {{{11, 90}}, "", "NN.", {}},                                 // a node square: nothing
      {{{12, 120}}, "", "SN.", {}},
      {{}, "", "SUNNN", {"COMPOSIT/ASPECT/SUNNN.CNJ"}},
      {{{7, 90}}, "", "URANEP", {}},                               // never looked up
      {{{7, 90}}, "", "MARURA", {"COMPOSIT/ASPECT/MARURA.SQR"}},
      {{{14, 120}}, "", "MOOASC", {"COMPOSIT/ASPECT/MOOASC.TRI"}},
      {{{14, 120}}, "", "ASPECT/ASC", {}},                         // no ASC first
  };
  OptionValues o{};
  o[51] = 3, o[52] = 2, o[53] = 6;
  for (const auto& c : cases) {
    PointArray<double> lon{};
    for (const auto& [point, deg] : c.at) lon[std::size_t(point)] = deg;
    std::string flags(NumPoints, ' ');
    for (char letter : c.turned) flags[std::size_t(letter - 'A')] = 'A';
    EXPECT_EQ(Files(CompositeReportSteps(lon, flags, HouseRecords({}), o), c.part), c.files)
        << c.part << " " << c.turned;
  }
}

TEST(SynastryReport, AspectsNamesAndFiles) {
  const struct {
    int a, b;
    double separation;
    int code;
  } aspects[] = {
      {10, 1, 8, 2},     {1, 2, 8.25, 1},   {1, 2, 8.249, 2}, {2, 3, 8, 1},      {2, 3, 6.24, 2},  {2, 3, 6.25, 1},
      {2, 3, 66.25, 1},  {2, 3, 66.2, 3},   {1, 3, 68.2, 3},  {4, 5, 96.2, 4},
      {4, 5, 96.25, 1},  {4, 5, 113.8, 5},  {4, 5, 173.75, 1}, {4, 5, 173.8, 6},
      {14, 10, 171.8, 6}, {14, 14, 0, 2},
  };
  for (const auto& c : aspects)
    EXPECT_EQ(FindSynastryAspect(c.a, c.b, c.separation), c.code) << c.a << "-" << c.b << " at "
                                                                 << c.separation;
  const std::pair<std::string, std::string> texts[] = {
      {SynastryAspectFile(10, 1, 2), "SYNASTRY/SUNMOO.CNJ"},
      {SynastryAspectFile(7, 10, 5), "SYNASTRY/MOOURA.TRI"},
      {SynastryAspectFile(14, 6, 3), "SYNASTRY/SATASC.SXT"},
      {SynastryAspectFile(3, 9, 4), "SYNASTRY/VENPLU.SQR"},
      {SynastryAspectFile(14, 14, 6), "SYNASTRY/ASCASC.OPP"},
      {SynastryAspectFile(2, 2, 2), "SYNASTRY/MERMER.CNJ"},
      {SynastryFirstName("MARY ANN SMITH"), "Mary"},
      {SynastryFirstName("jim"), "Jim"},
      {SynastryFirstName("w eleanor WHITCOMBE"), "Eleanor"},
      {SynastryFirstName("m Rafael"), "Rafael"},
      {SynastryFirstName("mo ray"), "Mo"},
      {SynastryFirstName("  bob  jones "), "Bob"},
      {SynastryFirstName(""), ""},
      {SynastryReportTitle(), std::string(24, ' ') + "SYNASTRY RELATIONSHIP REPORT FOR"},
      {CompositeReportTitle(), std::string(24, ' ') + "COMPOSITE RELATIONSHIP REPORT FOR"},
  };
  for (const auto& [got, want] : texts) EXPECT_EQ(got, want);
}

TEST(SynastryReport, NameReplacement) {
  const struct {
    std::string line;
    std::size_t start;
    std::string want;
  } cases[] = {
      {"Sun warms Moon, and Moon's mood lifts.", 0, "Jim warms Mary, and Mary's mood lifts."},
      {"On Sunday the sun and Sun", 0, "On Sunday the sun and Jim"},
      {"Sun meets Moon - Sun warms Moon", 15, "Sun meets Moon - Jim warms Mary"},
      {"Moon, Moon, Moon and Sun at the end Sun", 0,
       "Mary, Mary, Mary and Jim at the end Jim"},
      {"SunMoon Moonlight", 0, "SunMoon Moonlight"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceBodyNames(c.line, c.start, "Moon", "Mary", "Sun", "Jim"), c.want);
  // A long first name pushes later names right; they are still told, and a
  // name that is itself a body's name is not told again.
  EXPECT_EQ(ReplaceBodyNames("Moon and Sun", 0, "Moon", "Maximiliana", "Sun", "Moon"),
            "Maximiliana and Moon");
  EXPECT_EQ(ReplaceBodyNames("Moon and Sun", 0, "Moon", "Sun", "Sun", "Moon"), "Sun and Moon");
}

TEST(SynastryReport, Wrapping) {
  const std::string a70(70, 'a');
  const struct {
    std::string buffer;
    Lines lines;
  } cases[] = {
      {"abc def \r\n ghi ", {"     abc def ", "", "     ghi "}},
      {"one two \r\n", {"     one two ", "", ""}},
      {"", {""}},
      {std::string(60, 'x') + " " + std::string(11, 'y'),  // 72 characters
       {"     " + std::string(60, 'x') + " ", "     " + std::string(11, 'y')}},
      {a70 + ". Next", {"     " + a70 + ". ", "     Next"}},  // the blank kept
      {a70 + ". ", {"     " + a70 + ".", ""}},                 // no 73rd character
      {a70 + ". \x0e", {"     " + a70 + ". ", "     \x0e"}},
      {a70 + ". \x0d", {"     " + a70 + ".", "     \x0d"}},
      {a70 + ", next", {"     " + a70 + ",", "     next"}},
      {std::string(80, 'z'), {"     " + std::string(71, 'z'), "     " + std::string(9, 'z')}},
      {"one word-" + std::string(66, 'w'), {"     one word-", "     " + std::string(66, 'w')}},
  };
  for (const auto& c : cases) EXPECT_EQ(WrapSynastryText(c.buffer), c.lines) << c.buffer;
}

TEST(SynastryReport, SignCompatibility) {
  const struct {
    int a, b;
    double lonA, lonB;
    std::string line;
  } cases[] = {
      {3, 4, 10, 130, "     MARY's VENUS and JIM's MARS are in very compatible signs."},
      {3, 4, 10, 40, "     MARY's VENUS and JIM's MARS are in incompatible signs."},
      {14, 14, 0, 60, "     MARY's ASCENDANT and JIM's ASCENDANT are in compatible signs."},
      {10, 1, 359.9, 0, "     MARY's MOON and JIM's SUN are in incompatible signs."},
      {1, 1, 5, 245, "     MARY's SUN and JIM's SUN are in very compatible signs."},
      {3, 5, 0, 0, ""},
      {14, 1, 0, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SignCompatibilityLine(c.a, c.b, c.lonA, c.lonB, "Mary", "Jim"), c.line);
}

// A folder with one-line framing texts and a few scrambled aspect texts.
struct SynastryFixture {
  SynastryFixture() {
    std::filesystem::create_directories(dir.path() / "SYNASTRY" / "DOCS");
    for (const char* doc : {"INTRO", "RISING", "ASPECT", "CLOSING"})
      std::ofstream(dir.path() / "SYNASTRY" / "DOCS" / doc) << doc << "\n";
    const std::pair<const char*, const char*> texts[] = {
        {"SUNMOO.CNJ", "Sun meets Moon - Sun warms Moon\non Sunday.\n\nMoon smiles.\n\n"},
        {"SUNSUN.CNJ", "Your two suns meet.\n\n"},
        {"MOOURA.TRI", "Uranus surprises Moon.\n\n"},
        {"URANEP.TRI", "Never read.\n\n"},
        {"MOOASC.SQR", "Moon meets Ascendant.\n\n"},
    };
    for (const auto& [name, plain] : texts) {
      int bad = 0;
      std::ofstream(dir.path() / "SYNASTRY" / name, std::ios::binary)
          << EncodeScrambledFile(plain, bad).value();
    }
  }
  // Person 1's points at a tenth of a degree apart from 0 Aries, person 2's
  // 30 degrees on: no aspect between them, each sign one apart.
  Lines Report(std::vector<std::pair<int, double>> natalAt,
               std::vector<std::pair<int, double>> secondAt) {
    PointArray<double> natal{}, second{};
    for (int p = 1; p <= 14; ++p) natal[std::size_t(p)] = p * 0.1, second[std::size_t(p)] = 30 + p * 0.5;
    for (const auto& [p, lon] : natalAt) natal[std::size_t(p)] = lon;
    for (const auto& [p, lon] : secondAt) second[std::size_t(p)] = lon;
    ReportState report;
    BuildSynastryReport(report, dir.path(), natal, second, {"w Jane Doe", "John Smith"});
    EXPECT_EQ(report.MissedSections, 0);
    return report.ReportLines;
  }
  test::TempDir dir;
};

bool Contains(const Lines& lines, const Lines& run) {
  return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

TEST(SynastryReport, WholeReportWithoutAspects) {
  SynastryFixture f;
  const auto sign = [](const char* pair) {
    return "     " + std::string(pair) + " are in incompatible signs.";
  };
  Lines want = {"", "INTRO", "", "RISING", "", sign("JANE's ASCENDANT and JOHN's ASCENDANT"),
                "", "", "ASPECT", ""};
  for (const char* pair : {"JANE's SUN and JOHN's SUN", "JANE's SUN and JOHN's MOON",
                           "JANE's MOON and JOHN's SUN", "JANE's MOON and JOHN's MOON",
                           "JANE's MERCURY and JOHN's MERCURY", "JANE's VENUS and JOHN's VENUS",
                           "JANE's VENUS and JOHN's MARS", "JANE's MARS and JOHN's VENUS",
                           "JANE's MARS and JOHN's MARS"})
    want.insert(want.end(), {sign(pair), "", ""});
  want.push_back("CLOSING");
  EXPECT_EQ(f.Report({}, {}), want);
}

TEST(SynastryReport, HeadingsAndTexts) {
  SynastryFixture f;
  const std::string dash = " \u2014";
  const struct {
    std::vector<std::pair<int, double>> natal, second;
    Lines run;                       // lines found together
    std::vector<std::string> none;  // texts found nowhere
  } cases[] = {
      {{{10, 10}},
       {{1, 18}},
       {"     JANE DOE is MOON and JOHN SMITH is SUN" + dash,
        "     Sun meets Moon - John warms Jane on Sunday. ", "", "     Jane smiles. ", "", ""},
       {"JANE's MOON and JOHN's SUN"}},
      {{{1, 200}},
       {{1, 201}},
       {"ASPECT", "", "     Your two suns meet. ", "", ""},
       {"is SUN and", "JANE's SUN and JOHN's SUN"}},
      {{{7, 200}},
       {{8, 320}, {10, 320}},
       {"     JANE DOE is URANUS and JOHN SMITH is MOON" + dash, "     Jane surprises John. "},
       {"Never read.", "is NEPTUNE"}},
      {{{14, 200}},
       {{10, 290}},
       {"     JANE DOE is ASCENDANT and JOHN SMITH is MOON" + dash, "     John meets Jane. "},
       {"is MOON and"}},
  };
  for (const auto& c : cases) {
    const Lines lines = f.Report(c.natal, c.second);
    EXPECT_TRUE(Contains(lines, c.run)) << c.run[0];
    for (const std::string& text : c.none)
      EXPECT_FALSE(std::ranges::any_of(
          lines, [&](const std::string& l) { return l.find(text) != std::string::npos; }))
          << text;
  }
}

// Every text either report can ask for is shipped.
TEST(CoupleReports, EveryTextTheReportsCanReadIsShipped) {
  const std::filesystem::path data = ORVANTA_DATA_DIR;
  std::set<std::string> composite;
  OptionValues o{};
  o[51] = o[52] = o[53] = 1;
  const std::vector<int> points = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14};
  for (const char* flags : {"", "AAAAAAAAAAAAAAAA"})
    for (int p : points)
      for (int q : points)
        for (double angle : {0, 60, 90, 120, 180}) {
          PointArray<double> lon{};
          lon[std::size_t(p)] = 100;
          lon[std::size_t(q)] = 100 + angle;
          for (const std::string& f : Files(CompositeReportSteps(lon, flags, HouseRecords({}), o)))
            composite.insert(f);
        }
  for (const char* label : {" 1ST", " 2ND", " 3RD", " 4TH", " 5TH", " 6TH", " 7TH", " 8TH",
                            " 9TH", "10TH", "11TH", "12TH"}) {
    std::vector<std::pair<int, const char*>> all;
    for (int p = 1; p <= 10; ++p) all.emplace_back(p, label);
    std::string records = HouseRecords({});
    for (const auto& [p, l] : all) records.replace(std::size_t(p - 1) * 10, 4, l);
    for (const std::string& f : Files(CompositeReportSteps({}, "", records, o))) composite.insert(f);
  }
  // The framing texts, 10 bodies in 12 houses, 52 pairs by 5 aspects and 20
  // node conjunctions.
  EXPECT_EQ(composite.size(), 4u + 120 + 260 + 20);
  for (const std::string& f : composite)
    EXPECT_TRUE(std::filesystem::is_regular_file(ResolveInFolder(data, f))) << f;

  // Person 2's every point the same angle from person 1's: every pair aspects.
  for (double angle : {0, 60, 90, 120, 180}) {
    PointArray<double> natal{}, second{};
    second.fill(angle);
    ReportState report;
    BuildSynastryReport(report, data, natal, second, {"Ann Lee", "Bo Park"});
    EXPECT_EQ(report.MissedSections, 0) << angle;
  }
}

// Two charts of 1959 and 1961 for a couple whose first person is `name`,
// with the shipped texts and midpoint houses (no latitude asked). The
// program's folder is `dir` with the shipped files linked in, so that the
// reports' own files land there.
void ComputeCouple(Workbench& wb, Host& host, const test::TempDir& dir, std::string name) {
  test::LinkShippedFiles(dir, ORVANTA_DATA_DIR);
  wb.AppPath = dir.path();
  ChartDriverHooks hooks;
  ChartRequest r;
  r.name = std::move(name);
  r.secondPerson = true;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"9", "3", "1961", "4", "15", "6", "87", "38", "41", "53", "", false, false, false};
  ASSERT_EQ(CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true), 0);
  wb.Options[40] = 1;
}

TEST(CoupleReports, RunOnComputedChartsWithTheShippedTexts) {
  Workbench wb;
  test::RecordingHost host;
  const test::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(ComputeCouple(wb, host, dir, "Jane Doe"));
  wb.Options[51] = 6, wb.Options[52] = 3, wb.Options[53] = 8;
  EXPECT_FALSE(RunSynastryReport(wb, SecondPersonBox{}, host));
  const SecondPersonBox box{true, "m John Smith"};
  const struct {
    bool (*run)(Workbench&, const SecondPersonBox&, Host&);
    ReportKind kind;
    std::string title;
    std::vector<std::string_view> anchors;
    std::vector<std::string_view> boldHeadings;  // in the RTF copy
  } reports[] = {
      {RunCompositeReport, ReportKind::Composite, CompositeReportTitle(),
       {anchors::kCompositeOpening, anchors::kCompositeHouses, anchors::kCompositeAspects,
        anchors::kCompositeClosing},
       {anchors::kCompositeHouses, anchors::kCompositeAspects}},
      {RunSynastryReport, ReportKind::Synastry, SynastryReportTitle(),
       {anchors::kSynastryOpening, anchors::kSynastryAttraction, anchors::kSynastryIntroEnd,
        anchors::kSynastryAscendants, anchors::kSynastryAspects, anchors::kSynastryClosing,
        anchors::kSynastryNeeds},
       {anchors::kSynastryAttraction, anchors::kSynastryAscendants, anchors::kSynastryAspects}},
  };
  for (const auto& rep : reports) {
    ASSERT_TRUE(rep.run(wb, box, host));
    EXPECT_TRUE(host.messages.empty());  // every text found
    EXPECT_TRUE(host.prompts.empty());
    EXPECT_EQ(wb.Report.CurrentReportKind, rep.kind);
    EXPECT_EQ(wb.Report.ReportLines[5], rep.title);
    EXPECT_TRUE(std::ranges::count(wb.Report.ReportLines, CentreReportLine("JOHN SMITH")));
    std::string text;
    for (const std::string& l : wb.Report.ReportLines) text += l + "\n";
    std::size_t at = 0;
    for (std::string_view anchor : rep.anchors)
      EXPECT_NE(at = text.find(anchor, at), std::string::npos) << anchor;
    std::vector<std::string> bold;
    for (const RtfParagraph& p :
         ReadRtfParagraphs(RtfReportText(SavedReportText(wb.Report, wb.Options), rep.kind)))
      for (const RtfRun& run : p.runs)
        if (run.bold) bold.push_back(std::string(Trim(run.text)));
    for (std::string_view heading : rep.boldHeadings)
      EXPECT_TRUE(std::ranges::count(bold, heading)) << heading;
  }
}

// Names in any script read as the names wherever the reports capitalise
// them: the title pages (centred by characters), the synastry headings and
// sign sentences, the first names and the RTF copy's title.
TEST(CoupleReports, NamesInCapitalsReadAsTheNames) {
  Workbench wb;
  test::RecordingHost host;
  const test::TempDir dir;
  ASSERT_NO_FATAL_FAILURE(ComputeCouple(wb, host, dir, "w Zoë Müller-Lüdenscheid"));
  const SecondPersonBox box{true, "m Łukasz Wróbel"};
  // 40 - Int(22 / 2) and 40 - Int(13 / 2) blanks.
  const std::string zoe = std::string(29, ' ') + "ZOË MÜLLER-LÜDENSCHEID";
  const std::string lukasz = std::string(34, ' ') + "ŁUKASZ WRÓBEL";
  const auto has = [](const Lines& lines, std::string_view text) {
    return std::ranges::any_of(lines, [&](const std::string& l) { return l.find(text) != l.npos; });
  };
  struct : OutputView {
    void ShowPage(SharedPage, bool) override {}
  } view;
  const struct {
    std::function<bool()> run;
    ReportKind kind;
  } reports[] = {
      {[&] { return RunNatalReport(wb, host, view); }, ReportKind::Natal},
      {[&] { return RunCompositeReport(wb, box, host); }, ReportKind::Composite},
      {[&] { return RunSynastryReport(wb, box, host); }, ReportKind::Synastry},
  };
  for (const auto& rep : reports) {
    ASSERT_TRUE(rep.run());
    const Lines& lines = wb.Report.ReportLines;
    EXPECT_EQ(std::ranges::count(lines, zoe), 1) << int(rep.kind);
    EXPECT_EQ(std::ranges::count(lines, lukasz), rep.kind == ReportKind::Natal ? 0 : 1);
    for (std::string_view half : {"ZOë", "MüLLER", "LüDENSCHEID", "WRóBEL", "ZoË", "łUKASZ"})
      EXPECT_FALSE(has(lines, half)) << half;
    std::string title;
    for (const RtfParagraph& p :
         ReadRtfParagraphs(RtfReportText(SavedReportText(wb.Report, wb.Options), rep.kind)))
      for (const RtfRun& run : p.runs)
        if (run.bold && title.empty()) title = run.text;
    EXPECT_NE(title.find("ZOË MÜLLER-LÜDENSCHEID"), std::string::npos) << title;
    if (rep.kind == ReportKind::Synastry) {
      EXPECT_TRUE(has(lines, "     ZOË's MOON and ŁUKASZ's "));
      EXPECT_TRUE(has(lines, "     ZOË MÜLLER-LÜDENSCHEID is "));
      EXPECT_TRUE(has(lines, " and ŁUKASZ WRÓBEL is "));
    }
  }
  EXPECT_EQ(SynastryFirstName("ZOË MÜLLER"), "Zoë");
  EXPECT_EQ(SynastryFirstName("émile zola"), "Émile");
  EXPECT_EQ(SynastryFirstName("m ŁUKASZ WRÓBEL"), "Łukasz");
}

}  // namespace
}  // namespace orv
