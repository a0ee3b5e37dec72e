#include <gtest/gtest.h>

#include "CommandFixture.h"
#include "core/ChartDriver.h"
#include "core/ephemeris/DataTables.h"
#include "listings/DataCommands.h"
#include "listings/NatalAspectGrid.h"

namespace orv {
namespace {

using test::CommandFixture;

TEST(DataCommands, NatalDataPage) {
  CommandFixture f;
  ShowNatalData(f.wb, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "natal_data.txt");
  EXPECT_EQ(f.LastPageFile(), f.view.shown[0]);
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(DataCommands, TransitDataPage) {
  CommandFixture f;
  ShowTransitData(f.wb, SecondPersonBox{}, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "transit_data.txt");
  EXPECT_EQ(f.wb.Charts.Kind, ChartKind::Natal);  // as the command leaves it
}

TEST(DataCommands, SecondPersonDataPage) {
  CommandFixture f;
  ShowTransitData(f.wb, SecondPersonBox{true, "John Roe"}, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "second_person_data.txt");
}

// The lines of `page` (CR LF ended) from the first one equal to `from`.
std::vector<std::string> LinesFrom(const std::string& page, const std::string& from) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < page.size()) {
    const size_t end = page.find("\r\n", start);
    lines.push_back(page.substr(start, end - start));
    start = end + 2;
  }
  const auto it = std::find(lines.begin(), lines.end(), from);
  return {it, lines.end()};
}

TEST(DataCommands, NatalAspectsListChartOne) {
  CommandFixture f;
  ASSERT_NE(f.wb.Charts.Working.Longitudes, f.wb.Charts.Natal.Longitudes);  // chart 2 working
  ShowNatalAspects(f.wb, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "natal_aspects.txt");
  EXPECT_EQ(f.wb.Charts.Working.Longitudes, f.wb.Charts.Natal.Longitudes);
  EXPECT_EQ(f.wb.Charts.Working.Declinations, f.wb.Charts.Natal.Declinations);
}

TEST(DataCommands, MissingNatalOrbFileShowsNothing) {
  CommandFixture f;
  std::filesystem::remove(f.dir.path() / "NATAL.ORB");
  f.wb.Output.PageBuffer = {"the page before"};
  f.wb.Output.OutputBuffer = {"the page before"};
  ShowNatalAspects(f.wb, f.host, f.view);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].title, "Warning!");
  EXPECT_EQ(f.host.messages[0].text.rfind("Cannot find the file called ", 0), 0u);
  EXPECT_NE(f.host.messages[0].text.find("NATAL.ORB"), std::string::npos);
  EXPECT_TRUE(f.view.shown.empty());
  EXPECT_EQ(f.wb.Output.PageBuffer, std::vector<std::string>{"the page before"});
  EXPECT_EQ(f.wb.Output.OutputBuffer, std::vector<std::string>{"the page before"});
}

TEST(DataCommands, ChurchOfLightAndLeastAspectedPages) {
  CommandFixture f;
  ShowCoLAspects(f.wb, f.host, f.view);
  ShowLeastAspectedPlanets(f.wb, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 2u);
  test::ExpectGolden(f.view.shown[0], "church_of_light_aspects.txt");
  test::ExpectGolden(f.view.shown[1], "least_aspected.txt");
}

TEST(DataCommands, FirstListingAfterACalculation) {
  CommandFixture f;
  ListNatalFirstPage(f.wb, f.host);
  ShowOutputPage(f.wb.Output, f.wb.AppPath, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 1u);
  test::ExpectGolden(f.view.shown[0], "natal_first_page.txt");
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(DataCommands, FirstListingWithoutNatalOrbFileEndsAfterTheData) {
  CommandFixture f;
  std::filesystem::remove(f.dir.path() / "NATAL.ORB");
  ListNatalFirstPage(f.wb, f.host);
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.wb.Output.PageBuffer.back(), "  23 AQU 50   CHIRON         06 N 17");
}

TEST(DataCommands, TransitAspectPages) {
  CommandFixture f;
  ShowTransitAspectsToNatal(f.wb, SecondPersonBox{}, "Jane Doe", f.host, f.view);
  ShowTransitAspectsToTransits(f.wb, SecondPersonBox{}, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 2u);
  test::ExpectGolden(f.view.shown[0], "transit_aspects_to_natal.txt");
  test::ExpectGolden(f.view.shown[1], "transit_aspects_to_transits.txt");
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(DataCommands, SecondPersonAspectPages) {
  CommandFixture f;
  ASSERT_TRUE(
      ReadNumberFile(std::filesystem::path(ORVANTA_DATA_DIR) / "Options.opt", f.wb.Options));
  f.wb.Charts.Working = f.wb.Charts.Natal;  // as after a listing of chart 1
  const SecondPersonBox box{true, "John Roe"};
  ShowTransitAspectsToNatal(f.wb, box, "Jane Q. Doe", f.host, f.view);
  ShowTransitAspectsToTransits(f.wb, box, f.host, f.view);
  ASSERT_EQ(f.view.shown.size(), 2u);
  test::ExpectGolden(f.view.shown[0], "interchart_aspects.txt");
  test::ExpectGolden(f.view.shown[1], "second_person_natal_aspects.txt");
  EXPECT_EQ(f.wb.Charts.Working.Longitudes, f.wb.Charts.Diurnal.Longitudes);
  EXPECT_EQ(f.wb.Charts.Working.Declinations, f.wb.Charts.Diurnal.Declinations);
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(DataCommands, MissingTwoChartOrbFilesShowNothing) {
  // Each command and role with the orb file it needs removed.
  const struct {
    bool secondPerson;
    bool toNatal;
    const char* file;
  } cases[] = {{false, true, "NAT2TRAN.ORB"},
               {false, false, "NAT2TRAN.ORB"},
               {true, true, "SYNASTRY.ORB"},
               {true, false, "NATAL.ORB"}};
  for (const auto& c : cases) {
    CommandFixture f;
    std::filesystem::remove(f.dir.path() / c.file);
    f.wb.Output.PageBuffer = {"the page before"};
    const SecondPersonBox box{c.secondPerson, c.secondPerson ? "John Roe" : "2nd Person"};
    if (c.toNatal)
      ShowTransitAspectsToNatal(f.wb, box, "Jane Doe", f.host, f.view);
    else
      ShowTransitAspectsToTransits(f.wb, box, f.host, f.view);
    ASSERT_EQ(f.host.messages.size(), 1u) << c.file;
    EXPECT_NE(f.host.messages[0].text.find(c.file), std::string::npos);
    EXPECT_TRUE(f.view.shown.empty());
    EXPECT_EQ(f.wb.Output.PageBuffer, std::vector<std::string>{"the page before"});
  }
}

// The hooks the main window gives the driver, as far as the listings go.
class ListingHooks : public ChartDriverHooks {
 public:
  ListingHooks(Workbench& wb, Host& host, OutputView& view) : wb_(wb), host_(host), view_(view) {}
  void ListNatalFirstPage() override { orv::ListNatalFirstPage(wb_, host_); }
  void ShowOutputPage() override { orv::ShowOutputPage(wb_.Output, wb_.AppPath, host_, view_); }

 private:
  Workbench& wb_;
  Host& host_;
  OutputView& view_;
};

TEST(DataCommands, CalculationListsChartOnesAspects) {
  CommandFixture f;
  f.wb.Charts = {};
  f.wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ChartRequest r;
  r.name = "Jane Doe";
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"6", "12", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  ListingHooks hooks(f.wb, f.host, f.view);
  ASSERT_EQ(CalcCharts(f.host, f.wb.Charts, r, f.wb.Options, f.wb.Tables, hooks), 0);
  ASSERT_EQ(f.view.shown.size(), 1u);
  const std::string& page = f.view.shown[0];
  EXPECT_EQ(page.rfind("\r\n  Jane Doe\r\n  12 May 1959    TZ = 6.0", 0), 0u);

  // The grid on the page is chart 1's, not chart 2's.
  OrbTable orbs{};
  ASSERT_TRUE(ReadNatalOrbs(f.wb.AppPath, orbs, f.host));
  test::PageFixture natal, second;
  ListNatalAspectGrid(natal.page, f.wb.Charts.Natal.Longitudes, f.wb.Charts.Natal.Declinations,
                      orbs);
  ListNatalAspectGrid(second.page, f.wb.Charts.Diurnal.Longitudes, f.wb.Charts.Diurnal.Declinations,
                      orbs);
  const auto shown = LinesFrom(page, natal.lines()[1]);
  ASSERT_GE(shown.size(), 19u);
  for (size_t i = 0; i < 19; ++i) EXPECT_EQ(shown[i], natal.lines()[1 + i]);
  EXPECT_NE(natal.lines()[5], second.lines()[5]);
  EXPECT_NE(page.find("              Church of Light Aspects"), std::string::npos);

  // And F3 right after lists chart 1 again.
  ShowNatalAspects(f.wb, f.host, f.view);
  const auto again = LinesFrom(f.view.shown[1], natal.lines()[1]);
  ASSERT_GE(again.size(), 19u);
  for (size_t i = 0; i < 19; ++i) EXPECT_EQ(again[i], natal.lines()[1 + i]);
}

}  // namespace
}  // namespace orv
