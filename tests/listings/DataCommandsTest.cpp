#include <gtest/gtest.h>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "TempDir.h"
#include "app/Workbench.h"
#include "listings/DataCommands.h"
#include "platform/Files.h"

namespace orv {
namespace {

struct CommandFixture {
  test::TempDir dir;
  Workbench wb;
  test::RecordingHost host;
  test::RecordingView view;
  CommandFixture() {
    wb.AppPath = dir.path();
    wb.Charts = test::FixedCharts();
  }
  std::string LastPageFile() const {
    return ReadFileBytes(ResolveInFolder(dir.path(), "REPORTS\\LASTPAGE.TXT")).value_or("");
  }
};

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

}  // namespace
}  // namespace orv
