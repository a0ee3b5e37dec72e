#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "RecordingHost.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "shell/Startup.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(ScreenFitting, WidthAndTwipsPerPixelChooseReferenceWidthAndFontStep) {
  struct Case {
    int pixels;
    double twipsPerPixel;
    double refWidth;
    double fontStep;
  };
  const Case cases[] = {
      {640, 12, 640, 1.5},                             // 640 ignores the resolution
      {800, 12, 800, 1.2},     {800, 10, 800, 1.5},    // 800: 1.2 only at 120 dpi
      {1280, 15, 1024, 1.5},   {1920, 10, 1024, 1.2},  // others: 1.5 only at 96 dpi
      {1366, 14.4, 1024, 1.2},                         // 100 dpi is not 96
      {799, 12, 1024, 1.2},                            // near misses go to "any other"
  };
  for (const Case& c : cases) {
    const ScreenFit fit = FitToScreen(c.pixels, c.twipsPerPixel);
    EXPECT_EQ(fit.ScreenRefWidth, c.refWidth) << c.pixels << " px at " << c.twipsPerPixel;
    EXPECT_EQ(fit.FontStep, c.fontStep) << c.pixels << " px at " << c.twipsPerPixel;
  }
}

TEST(ScreenFitting, TheTwoDisplaySettingsGiveExactTwipsPerPixel) {
  // 1440 twips to the inch: 96 dpi is 15 twips per pixel, 120 dpi is 12.
  EXPECT_EQ(TwipsPerPixel(96), 15.0);
  EXPECT_EQ(TwipsPerPixel(120), 12.0);
}

TEST(TipOfTheDay, OnlyZeroKeepsItClosed) {
  OptionValues options{};
  EXPECT_FALSE(TipOfTheDayAtStart(options));
  for (const float value : {-1.0f, 1e-6f}) {
    options[42] = value;
    EXPECT_TRUE(TipOfTheDayAtStart(options)) << value;
  }
  options[42] = 0, options[41] = 1, options[43] = 1;
  EXPECT_FALSE(TipOfTheDayAtStart(options)) << "only option 42 counts";
}

TEST(ReportFolders, ExistingFoldersAreLeftAlone) {
  test::TempDir dir;
  fs::create_directory(dir.path() / "REPORTS");
  std::ofstream(dir.path() / "REPORTS" / "LASTPAGE.TXT") << "kept";
  fs::create_directory(dir.path() / "n_report");  // another letter case is the same folder
  CreateReportFolders(dir.path());
  CreateReportFolders(dir.path());  // a second run changes nothing
  EXPECT_EQ(ReadFileBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT").value_or(""), "kept");
  // All three lie directly in the program folder.
  EXPECT_FALSE(fs::exists(dir.path() / "N_REPORT"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "R_REPORT"));
  EXPECT_FALSE(fs::exists(dir.path() / "REPORTS" / "R_REPORT"));
}

TEST(ReportFolders, AFolderThatCannotBeMadeDoesNotStopTheOthers) {
  test::TempDir dir;
  std::ofstream(dir.path() / "REPORTS") << "a file in the way";
  CreateReportFolders(dir.path());
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "REPORTS"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "N_REPORT"));
  EXPECT_TRUE(fs::is_directory(dir.path() / "R_REPORT"));
}

TEST(PrepareStartup, ReadsTheOptionValuesAndBuildsTheCaptionPrefix) {
  test::TempDir dir;
  std::ofstream(dir.path() / "Options.opt") << "7\r\n8.5\r\n-3\r\n";
  test::RecordingHost host;
  ShellState shell;
  OptionValues options{};
  PrepareStartup(shell, options, host, dir.path());
  EXPECT_EQ(shell.CaptionPrefix, "Orvanta8 (Tropical zodiac) - ");
  EXPECT_EQ(std::vector<float>(options.begin() + 1, options.begin() + 4),
            (std::vector<float>{7, 8.5f, -3}));
  EXPECT_TRUE(host.messages.empty());
}

TEST(StartupFiles, GlyphFontAndOrbFileLieInTheProgramFolder) {
  test::TempDir dir;
  EXPECT_EQ(GlyphFontPath(dir.path()), dir.path() / "orvanta8.ttf");
  std::ofstream(dir.path() / "ORVANTA8.TTF") << "";
  EXPECT_EQ(GlyphFontPath(dir.path()), dir.path() / "ORVANTA8.TTF");
  EXPECT_EQ(NatalOrbFile(dir.path()), dir.path() / "NATAL.ORB");
}

}  // namespace
}  // namespace orv
