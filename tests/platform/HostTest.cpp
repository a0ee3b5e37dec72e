#include "platform/Host.h"

#include <gtest/gtest.h>

#include "RecordingHost.h"

namespace orv {
namespace {

TEST(Host, ReportsAMissingFileInTheProgramsWords) {
  test::RecordingHost host;
  ReportMissingFile(host, "/opt/o8/NATAL.ORB");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Cannot find the file called /opt/o8/NATAL.ORB.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
}

TEST(Host, BusyCursorGuardsNest) {
  test::RecordingHost host;
  {
    BusyCursor outer(host);
    {
      BusyCursor inner(host);
      EXPECT_EQ(host.busyDepth, 2);
    }
    EXPECT_EQ(host.busyDepth, 1);
  }
  EXPECT_EQ(host.busyDepth, 0);
}

}  // namespace
}  // namespace orv
