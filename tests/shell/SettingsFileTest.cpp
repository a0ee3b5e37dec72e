#include <gtest/gtest.h>

#include "RecordingHost.h"
#include "ShellTestSupport.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "platform/Files.h"
#include "shell/SettingsFile.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string DefaultFileFor(const fs::path& app) {
  return "[Orvanta8] - Do NOT change the order of these variables.\r\n"
         "FontSize= 8.5\r\n"
         "FontBold= 0\r\n"
         "FontItalic= 0\r\n"
         "Orvanta8Top= 0\r\n"
         "Orvanta8Left= 900\r\n"
         "Orvanta8Height= 675\r\n"
         "Orvanta8Width= 10860\r\n"
         "DataTop= 945\r\n"
         "DataLeft= 900\r\n"
         "DataHeight= 8250\r\n"
         "DataWidth= 12600\r\n"
         "DataFile=" +
         (app / "NAMES.FIL").string() +
         "\r\n"
         "GeoDataFile=" +
         (app / "GA_MA.LL").string() +
         "\r\n"
         "StartScale= 287\r\n"
         "TypeChart= 0\r\n"
         "Enabled_Natal_Planets=1111111111111111\r\n"
         "Enabled_Transit_Planets=1111111111111111\r\n"
         "wheelsTop= 650\r\n"
         "wheelsLeft= 0\r\n"
         "wheelsHeight= 9000\r\n"
         "wheelsWidth= 12000\r\n";
}

using test::WriteFile;

TEST(SettingsFile, DefaultsWrittenByteExactlyAndReadBackUnchanged) {
  test::TempDir dir;
  test::RecordingHost host;
  SettingsValues settings;
  ReadSettingsIni(dir.path(), settings);  // no file: the defaults
  ASSERT_TRUE(WriteSettingsIni(host, dir.path(), settings));
  const auto first = ReadFileBytes(dir.path() / "Orvanta8.INI");
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, DefaultFileFor(dir.path()));

  SettingsValues again;
  again.FontSize = 20;  // overwritten by the defaults before the file
  ReadSettingsIni(dir.path(), again);
  ASSERT_TRUE(WriteSettingsIni(host, dir.path(), again));
  EXPECT_EQ(ReadFileBytes(dir.path() / "Orvanta8.INI"), first);
  EXPECT_TRUE(host.messages.empty());
}

TEST(SettingsFile, ValuesWrittenInShortestFormWithTheirSign) {
  SettingsValues s = DefaultSettings("/p");
  s.FontSize = 10.2;
  s.FontBold = -1;
  s.MainTop = -120.5f;
  s.MainLeft = 0.1f;
  s.MainWidth = 1000000;
  s.DataLeft = -30;
  s.TypeChart = -0;
  s.AtlasDir = "/opt/atlas";
  const auto lines = SplitLines(SettingsIniText(s));
  ASSERT_EQ(lines.size(), 23u);  // header, 22 keys
  const std::pair<size_t, const char*> expected[] = {
      {1, "FontSize= 10.2"},         {2, "FontBold=-1"},
      {4, "Orvanta8Top=-120.5"},     {5, "Orvanta8Left= 0.1"},
      {7, "Orvanta8Width= 1000000"}, {9, "DataLeft=-30"},
      {14, "AtlasDir=/opt/atlas"},   {16, "TypeChart= 0"}};
  for (const auto& [index, line] : expected) EXPECT_EQ(lines[index], line);
  // Read back, the lines give the same text, the AtlasDir line too.
  SettingsValues read = DefaultSettings("/p");
  ApplySettingsLines(lines, read);
  EXPECT_EQ(SettingsIniText(read), SettingsIniText(s));
}

TEST(SettingsFile, EachKeyTakesItsValueByItsRule) {
  struct Case {
    std::string_view line;
    std::function<bool(const SettingsValues&)> check;
  };
  const Case cases[] = {
      {"FontSize= 7.5", [](auto& s) { return s.FontSize == 8.5; }},
      {"FontSize= 7.75", [](auto& s) { return s.FontSize == 7.75; }},
      {"Orvanta8Height= 0", [](auto& s) { return s.MainHeight == 675; }},
      {"Orvanta8Top=-100", [](auto& s) { return s.MainTop == -100; }},
      {"DataTop= 0", [](auto& s) { return s.DataTop == 945; }},
      {"DataLeft= 0", [](auto& s) { return s.DataLeft == 0; }},
      {"DataFile=", [](auto& s) { return s.DataFile == "/p/NAMES.FIL"; }},
      {"GeoDataFile=/x=y.LL", [](auto& s) { return s.GeoDataFile == "/x=y.LL"; }},
      {"StartScale= 2.5", [](auto& s) { return s.StartScale == 2; }},          // half to even
      {"StartScale= 40000", [](auto& s) { return s.StartScale == 287; }},      // beyond 16 bits
      {"wheelsWidth= 99999", [](auto& s) { return s.WheelsWidth == 99999; }},  // geometry 32-bit
      {"wheelsTop= 5e9", [](auto& s) { return s.WheelsTop == 650; }},
      {"Orvanta8Top= 1e39", [](auto& s) { return s.MainTop == 0; }},  // beyond single
      {"DataTop=  120 twips", [](auto& s) { return s.DataTop == 120; }},
      {"DataLeft=abc", [](auto& s) { return s.DataLeft == 0; }},           // 0 taken
      {"DataTopX= 77", [](auto& s) { return s.DataTop == 77; }},           // the key is a prefix
      {"datatop= 77", [](auto& s) { return s.DataTop == 945; }},           // case-sensitive
      {"DataFile", [](auto& s) { return s.DataFile == "/p/NAMES.FIL"; }},  // no "="
      // Beyond a sane range: once a blank data window or a window far away.
      {"FontSize=1e308", [](auto& s) { return s.FontSize == 8.5; }},
      {"FontSize= 72", [](auto& s) { return s.FontSize == 72; }},
      {"FontSize= 73", [](auto& s) { return s.FontSize == 8.5; }},
      {"Orvanta8Left= 3e7", [](auto& s) { return s.MainLeft == 900; }},
      {"FontBold= 1e300", [](auto& s) { return s.FontBold == 0; }},
  };
  for (const auto& c : cases) {
    SettingsValues s = DefaultSettings("/p");
    ApplySettingsLines({std::string(c.line)}, s);
    EXPECT_TRUE(c.check(s)) << c.line;
  }
}

TEST(SettingsFile, AnyOrderAndBadLinesSkipped) {
  test::TempDir dir;
  WriteFile(dir.path() / "orvanta8.ini",  // found whatever its letter case
            "wheelsWidth= 7000\r\n"
            "Orvanta8Top= 99999\r\n"
            "@@ garbage line $$\r\n"
            "DataWidth= 70000\r\n"
            "StartScale= 99999\r\n"
            "[Orvanta8] - Do NOT change the order of these variables.\r\n"
            "TypeChart= 1\r\n"
            "FontSize= 12\r\n");
  SettingsValues s;
  s.AtlasDir = "/opt/atlas";
  ReadSettingsIni(dir.path(), s);
  EXPECT_EQ(s.WheelsWidth + s.MainTop + s.DataWidth, 7000 + 99999 + 70000);
  EXPECT_EQ(s.StartScale, 287);  // that line is skipped ...
  EXPECT_EQ(s.TypeChart, 1);     // ... and the later ones still read
  EXPECT_EQ(s.FontSize, 12);
  EXPECT_EQ(s.AtlasDir, "/opt/atlas");  // no AtlasDir line: unchanged
}

TEST(SettingsFile, AFailedWriteSaysSoAndKeepsTheOldFile) {
  test::TempDir dir;
  const auto path = dir.path() / "Orvanta8.INI";
  WriteFile(path, "FontSize= 12\r\n");
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  EXPECT_TRUE(test::RunUnprivileged([&] {
    test::RecordingHost host;
    const bool written = WriteSettingsIni(host, dir.path(), DefaultSettings(dir.path()));
    return !written && host.messages.size() == 1 && host.messages[0].title == "Warning!" &&
           host.messages[0].text.starts_with("Cannot save the file called " + path.string());
  }));
  EXPECT_EQ(test::ReadBytes(path), "FontSize= 12\r\n");
}

TEST(SettingsFile, TwipsAndPixels) {
  EXPECT_EQ(TwipsToPixels(1440, 96), 96);
  EXPECT_EQ(TwipsToPixels(10860, 120), 905);
  EXPECT_EQ(PixelsToTwips(384, 96), 5760);
  EXPECT_EQ(PixelsToTwips(1, 96), 15);  // 15 twips per pixel at 96 dpi
  EXPECT_EQ(TwipsToPixels(1e300, 96), 1000000000);  // no integer overflow
}

TEST(SettingsFile, WindowsAreKeptWithinTheScreen) {
  const WindowPlace screen{0, 30, 1600, 970};
  const struct {
    WindowPlace window, kept;
  } cases[] = {
      {{60, 63, 640, 550}, {60, 63, 640, 550}},           // on the screen: as it was
      {{5000, 4000, 640, 550}, {960, 450, 640, 550}},     // from a larger screen
      {{-900, 0, 640, 550}, {0, 30, 640, 550}},           // off to the left and above
      {{100, 100, 99999, 99999}, {0, 30, 1600, 970}},     // larger than the screen
      {{100, 100, -5, 0}, {100, 100, 1, 1}},              // no size at all
  };
  for (const auto& c : cases) {
    const WindowPlace k = KeepWithinScreen(c.window, screen);
    EXPECT_EQ(std::tie(k.left, k.top, k.width, k.height),
              std::tie(c.kept.left, c.kept.top, c.kept.width, c.kept.height))
        << c.window.left << "," << c.window.top;
  }
}

}  // namespace
}  // namespace orv
