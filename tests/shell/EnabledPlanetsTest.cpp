#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "TempDir.h"
#include "core/ChartPoints.h"
#include "shell/EnabledPlanets.h"
#include "shell/SettingsFile.h"

namespace orv {
namespace {

TEST(EnabledPlanets, UntickingTheMoonClearsCharacterTenOnly) {
  std::string flags = "1111111111111111";
  SetPointEnabled(flags, ChartPoint::Moon, false);
  EXPECT_EQ(flags, "1111111110111111");
  EXPECT_FALSE(IsPointEnabled(flags, ChartPoint::Moon));
  EXPECT_TRUE(IsPointEnabled(flags, ChartPoint::Chiron));
}

TEST(EnabledPlanets, ShortOrOddTextsAndPointsOutOfRange) {
  // A settings file may hold a short text: the missing points are hidden,
  // and ticking one fills the gap with hidden points.
  std::string flags = "11";
  EXPECT_FALSE(IsPointEnabled(flags, 5));
  SetPointEnabled(flags, 5, true);
  EXPECT_EQ(flags, "11001");
  SetPointEnabled(flags, 17, true);
  EXPECT_EQ(flags, "11001");
  EXPECT_FALSE(IsPointEnabled("x111111111111111", 1));  // only "1" shows a point
}

TEST(EnabledPlanets, TheFlagsSurviveARestartThroughTheSettingsFile) {
  test::TempDir dir;
  test::RecordingHost host;
  SettingsValues settings = DefaultSettings(dir.path());
  SetPointEnabled(settings.EnabledNatalPlanets, ChartPoint::Moon, false);
  SetPointEnabled(settings.EnabledTransitPlanets, ChartPoint::PartOfFortune, false);
  ASSERT_TRUE(WriteSettingsIni(host, dir.path(), settings));

  SettingsValues restarted;
  ReadSettingsIni(dir.path(), restarted);
  EXPECT_EQ(restarted.EnabledNatalPlanets, "1111111110111111");
  EXPECT_EQ(restarted.EnabledTransitPlanets, "1111111111110111");
}

}  // namespace
}  // namespace orv
