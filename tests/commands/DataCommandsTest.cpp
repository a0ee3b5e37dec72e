#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "../listings/CommandFixture.h"
#include "commands/CoupleAndStateCommands.h"
#include "commands/DataCommands.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

using test::CommandFixture;

// The natal aspects page and the two pages made of its parts: the first
// page after a calculation (the data page without its two closing blank
// lines, then the aspects after the header) and the Church of Light page
// (the header, then the aspects' last block).
std::string NatalAspects() { return test::ReadGolden("natal_aspects.txt"); }
std::string NatalFirstPage() {
  const std::string data = test::ReadGolden("natal_data.txt");
  const std::string aspects = NatalAspects();
  return data.substr(0, data.size() - 4) + aspects.substr(aspects.find("\r\n\r\n") + 2);
}
std::string ChurchOfLightPage() {
  const std::string aspects = NatalAspects();
  return aspects.substr(0, aspects.find("\r\n\r\n") + 4) +
         aspects.substr(aspects.find("              Church of Light"));
}

TEST(DataCommands, Pages) {
  const SecondPersonBox transits{}, person{true, "John Roe"};
  const struct {
    std::function<void(CommandFixture&)> show;
    const char* golden;  // or, with a null name, the page `expected` builds
    std::string (*expected)();
    bool natalKindAfter;
  } rows[] = {
      {[](CommandFixture& f) { ShowNatalData(f.wb, f.host, f.view); }, "natal_data.txt", nullptr,
       false},
      {[&](CommandFixture& f) { ShowTransitData(f.wb, transits, f.host, f.view); },
       "transit_data.txt", nullptr, true},
      {[&](CommandFixture& f) { ShowTransitData(f.wb, person, f.host, f.view); },
       "second_person_data.txt", nullptr, false},
      {[](CommandFixture& f) { ShowNatalAspects(f.wb, f.host, f.view); }, nullptr, NatalAspects, false},
      {[](CommandFixture& f) { ShowCoLAspects(f.wb, f.host, f.view); }, nullptr, ChurchOfLightPage,
       false},
      {[](CommandFixture& f) { ShowLeastAspectedPlanets(f.wb, f.host, f.view); },
       "least_aspected.txt", nullptr, false},
      {[](CommandFixture& f) {
         ListNatalFirstPage(f.wb, f.host);
         ShowOutputPage(f.wb.Output, f.wb.AppPath, f.host, f.view);
       },
       nullptr, NatalFirstPage, false},
      {[&](CommandFixture& f) {
         ShowTransitAspectsToNatal(f.wb, transits, "Jane Doe", f.host, f.view);
       },
       "transit_aspects_to_natal.txt", nullptr, false},
      {[&](CommandFixture& f) { ShowTransitAspectsToTransits(f.wb, transits, f.host, f.view); },
       "transit_aspects_to_transits.txt", nullptr, false},
      {[&](CommandFixture& f) {
         ASSERT_TRUE(ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options));
         ShowTransitAspectsToNatal(f.wb, person, "Jane Q. Doe", f.host, f.view);
       },
       "interchart_aspects.txt", nullptr, false},
      {[&](CommandFixture& f) {
         ShowTransitAspectsToTransits(f.wb, person, f.host, f.view);
       },
       "second_person_natal_aspects.txt", nullptr, false},
  };
  for (const auto& r : rows) {
    CommandFixture f;
    r.show(f);
    SCOPED_TRACE(r.golden ? r.golden : "built page");
    ASSERT_EQ(f.view.shown.size(), 1u);
    if (r.golden) {
      test::ExpectGolden(f.view.shown[0], r.golden);
    } else {
      EXPECT_EQ(f.view.shown[0], r.expected());
    }
    EXPECT_EQ(f.LastPageFile(), f.view.shown[0]);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_TRUE(!r.natalKindAfter || f.wb.Charts.Kind == ChartKind::Natal);
  }
}

TEST(DataCommands, AMissingOrbFileShowsNothing) {
  // Each command and role with the orb file it needs removed.
  const struct {
    bool secondPerson;
    int command;  // 0 natal aspects, 1 to natal, 2 to transits, 3 the first page
    const char* file;
  } cases[] = {{false, 0, "NATAL.ORB"},
               {false, 1, "NAT2TRAN.ORB"},
               {false, 2, "NAT2TRAN.ORB"},
               {true, 1, "SYNASTRY.ORB"},
               {true, 2, "NATAL.ORB"},
               {false, 3, "NATAL.ORB"}};
  for (const auto& c : cases) {
    CommandFixture f;
    std::filesystem::remove(f.dir.path() / c.file);
    f.wb.Output.OutputLine = "the page before";
    AppendOutputLine(f.wb.Output, f.host);
    const SecondPersonBox box{c.secondPerson, c.secondPerson ? "John Roe" : "2nd Person"};
    if (c.command == 0) ShowNatalAspects(f.wb, f.host, f.view);
    if (c.command == 1) ShowTransitAspectsToNatal(f.wb, box, "Jane Doe", f.host, f.view);
    if (c.command == 2) ShowTransitAspectsToTransits(f.wb, box, f.host, f.view);
    if (c.command == 3) ListNatalFirstPage(f.wb, f.host);
    ASSERT_EQ(f.host.messages.size(), 1u) << c.file;
    EXPECT_EQ(f.host.messages[0].title, "Warning!");
    EXPECT_EQ(f.host.messages[0].text.rfind("Cannot find the file called ", 0), 0u);
    EXPECT_NE(f.host.messages[0].text.find(c.file), std::string::npos);
    EXPECT_TRUE(f.view.shown.empty());
    if (c.command == 3) {  // the first page ends after the data
      EXPECT_EQ(f.wb.Output.PageBuffer().back(), "  23 AQU 50   CHIRON         06 N 17");
    } else {
      EXPECT_EQ(f.wb.Output.PageBuffer(), std::vector<std::string>{"the page before"});
      EXPECT_EQ(f.wb.Output.OutputBuffer(), std::vector<std::string>{"the page before"});
    }
  }
}

// Every page lists its own chart: shown after any other page (chart 1 and
// chart 2 have different cusps and house records), it reads as it does on
// its own.
TEST(DataCommands, EachPageIsTheSameWhateverWasListedBefore) {
  const SecondPersonBox transits{}, person{true, "John Roe"};
  const std::vector<std::function<void(CommandFixture&)>> commands = {
      [](CommandFixture& f) { ShowNatalData(f.wb, f.host, f.view); },
      [&](CommandFixture& f) { ShowTransitData(f.wb, transits, f.host, f.view); },
      [&](CommandFixture& f) { ShowTransitData(f.wb, person, f.host, f.view); },
      [](CommandFixture& f) { ShowNatalAspects(f.wb, f.host, f.view); },
      [](CommandFixture& f) { ShowCoLAspects(f.wb, f.host, f.view); },
      [](CommandFixture& f) { ShowLeastAspectedPlanets(f.wb, f.host, f.view); },
      [&](CommandFixture& f) {
        ShowTransitAspectsToNatal(f.wb, transits, "Jane Doe", f.host, f.view);
      },
      [&](CommandFixture& f) { ShowTransitAspectsToNatal(f.wb, person, "Jane Doe", f.host, f.view); },
      [&](CommandFixture& f) { ShowTransitAspectsToTransits(f.wb, transits, f.host, f.view); },
      [&](CommandFixture& f) { ShowTransitAspectsToTransits(f.wb, person, f.host, f.view); },
      [&](CommandFixture& f) { ShowComposite(f.wb, person, f.host, f.view); },
      [](CommandFixture& f) { ShowCosmicState(f.wb, f.host, f.view); },
  };
  const auto pageOf = [&](size_t command, std::optional<size_t> before) {
    CommandFixture f;
    EXPECT_TRUE(ReadOptionsFile(f.host, ORVANTA_DATA_DIR, f.wb.Options));
    if (before) commands[*before](f);
    f.view.shown.clear();
    commands[command](f);
    EXPECT_TRUE(f.host.messages.empty());
    return f.view.shown.size() == 1 ? f.view.shown[0] : std::string();
  };
  for (size_t c = 0; c < commands.size(); ++c) {
    const std::string alone = pageOf(c, std::nullopt);
    ASSERT_FALSE(alone.empty()) << c;
    for (size_t b = 0; b < commands.size(); ++b)
      EXPECT_EQ(pageOf(c, b), alone) << "command " << c << " after " << b;
  }
}

// The hooks the main window gives the driver, as far as the listings go.
class ListingHooks : public ChartDriverHooks {
 public:
  explicit ListingHooks(CommandFixture& f) : f_(f) {}
  void ListNatalFirstPage() override { orv::ListNatalFirstPage(f_.wb, f_.host); }
  void ShowOutputPage() override { orv::ShowOutputPage(f_.wb.Output, f_.wb.AppPath, f_.host, f_.view); }

 private:
  CommandFixture& f_;
};

TEST(DataCommands, CalculationListsChartOneThenF3ListsItAgain) {
  // The fixed charts are this calculation's positions: the pages match.
  CommandFixture f;
  f.wb.Charts = {};
  f.wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ChartRequest r;
  r.name = "Jane Doe";
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"6", "12", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  ListingHooks hooks(f);
  ASSERT_EQ(CalcCharts(f.host, f.wb.Charts, r, f.wb.Options, f.wb.Tables, hooks), 0);
  ShowNatalAspects(f.wb, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 2u);
  EXPECT_EQ(f.view.shown[0], NatalFirstPage());
  EXPECT_EQ(f.view.shown[1], NatalAspects());
}

}  // namespace
}  // namespace orv
