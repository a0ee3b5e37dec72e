#include <gtest/gtest.h>

#include <QAction>
#include <QFontDatabase>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "platform/Files.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/ProgramStartup.h"
#include "shell/ui/Title.h"
#include "wheels/GlyphCodes.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr int kWaitMs = 2000;

// A program folder with the shipped option file, options 27 and 42 set.
void WriteOptions(const fs::path& appPath, const std::string& houseSystem,
                  const std::string& tipOfTheDay) {
  auto lines = ReadTextLines(fs::path(ORVANTA_DATA_DIR) / "Options.opt").value();
  lines.at(26) = houseSystem + "       House system at start";
  lines.at(41) = tipOfTheDay + "       Tip of the day at start";
  std::ofstream(appPath / "Options.opt", std::ios::binary) << JoinLinesCrLf(lines);
  fs::copy_file(fs::path(ORVANTA_DATA_DIR) / "Options.mst", appPath / "Options.mst");
}

class ProgramStartupTest : public ::testing::Test {
 protected:
  ProgramStartupTest() {
    workbench.AppPath = dir.path();
    fs::copy_file(fs::path(ORVANTA_DATA_DIR) / "orvanta8.ttf", dir.path() / "orvanta8.ttf");
    hooks.LoadDataTables = [this] {
      steps.push_back("tables");
      titleShownWhileLoading =
          startup && startup->TitleWindow() && startup->TitleWindow()->isVisible();
    };
    hooks.AtlasPresent = [this] {
      steps.push_back("atlas");
      return true;
    };
    hooks.ShowChartInputWindows = [this] {
      steps.push_back("input windows");
      // They are placed by the main window's frame, known once it is on screen.
      mainOnScreenBeforeInputs =
          window.isVisible() && window.windowHandle() && window.windowHandle()->isExposed();
    };
    hooks.ShowTipOfTheDay = [this] { steps.push_back("tip"); };
  }

  void Start() {
    startup = std::make_unique<ProgramStartup>(workbench, host, window, hooks);
    startup->Begin();
  }

  // Presses Continue and waits until the main window is open.
  void Continue() {
    QSignalSpy opened(startup.get(), &ProgramStartup::Opened);
    ASSERT_NE(startup->TitleWindow(), nullptr);
    QTest::mouseClick(startup->TitleWindow()->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    ASSERT_TRUE(opened.wait(kWaitMs));
  }

  test::TempDir dir;
  Workbench workbench;
  test::RecordingHost host;
  Orvanta8 window{workbench, host};
  StartupHooks hooks;
  std::vector<std::string> steps;
  bool titleShownWhileLoading = false;
  bool mainOnScreenBeforeInputs = false;
  std::unique_ptr<ProgramStartup> startup;
};

TEST_F(ProgramStartupTest, TitleWindowShowsWhileTheTablesLoadThenOffersContinue) {
  WriteOptions(dir.path(), "3", "0");
  std::ofstream(dir.path() / "orvanta8.ttf") << "not a font";  // start-up goes on without it
  Start();
  ASSERT_EQ(host.messages.size(), 1u);  // with no shipped copy to take its place
  EXPECT_EQ(host.messages[0].text,
            "The glyph font " + (dir.path() / "orvanta8.ttf").string() +
                " is damaged and could not be loaded. The wheels show their glyphs again once "
                "the program is installed anew.");
  host.messages.clear();
  EXPECT_EQ(steps, std::vector<std::string>{"tables"});
  EXPECT_TRUE(titleShownWhileLoading);
  ASSERT_NE(startup->TitleWindow(), nullptr);
  EXPECT_TRUE(startup->TitleWindow()->findChild<QPushButton*>("cmdOK")->isVisible());
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(workbench.Shell.CaptionPrefix, "Orvanta8 (Tropical zodiac) - ");
  EXPECT_EQ(workbench.Options[27], 3.0f);
  EXPECT_TRUE(host.messages.empty());
}

// A damaged glyph font would leave every wheel a row of empty boxes: it is
// reported once and replaced by the shipped one.
TEST_F(ProgramStartupTest, ADamagedGlyphFontIsReportedAndReplacedByTheShippedOne) {
  WriteOptions(dir.path(), "3", "0");
  const fs::path font = dir.path() / "orvanta8.ttf";
  std::ofstream(font) << "not a font";
  hooks.ShippedFolder = ORVANTA_DATA_DIR;
  Start();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The glyph font " + font.string() +
                                       " is damaged and could not be loaded. It was replaced by "
                                       "the font shipped with the program.");
  EXPECT_EQ(ReadFileBytes(font), ReadFileBytes(fs::path(ORVANTA_DATA_DIR) / "orvanta8.ttf"));
}

// A glyph font that loads is not yet the program's: a cut file loads under a
// made-up family with no outlines, another font under its own family. Each
// is reported once and the shipped font takes its place; where it cannot,
// it serves the run from the program's folder. A link in its place leads to
// a file of the user's: it stays a link and its target stays as it was, and
// the message names where it leads (nowhere, round in a circle, a folder).
TEST_F(ProgramStartupTest, AGlyphFontThatIsNotTheProgramsIsReportedAndReplaced) {
  WriteOptions(dir.path(), "3", "0");
  const fs::path font = dir.path() / "orvanta8.ttf";
  const std::string shipped = *ReadFileBytes(fs::path(ORVANTA_DATA_DIR) / "orvanta8.ttf");
  // The same font under another family name, in the name table's ASCII and UTF-16 records.
  std::string other = shipped;
  const auto utf16 = [](std::string_view ascii) {
    std::string out;
    for (const char c : ascii) out += std::string{'\0', c};
    return out;
  };
  for (const auto& [from, to] : {std::pair{std::string("Orvanta8"), std::string("Another8")},
                                 std::pair{utf16("Orvanta8"), utf16("Another8")}}) {
    for (size_t at = other.find(from); at != std::string::npos; at = other.find(from, at))
      other.replace(at, from.size(), to);
  }
  test::TempDir nothingShipped;
  const std::string damaged =
      "The glyph font " + font.string() + " is damaged and could not be loaded. ";
  const std::string missing = "The glyph font " + font.string() + " is missing. ";
  const std::string replaced = "It was replaced by the font shipped with the program.";
  const std::string thisRun = "The program uses the font shipped with it for this run.";
  const std::string foreignLink = "The glyph font " + font.string() + " is a symbolic link to " +
                                  (dir.path() / "Mine.ttf").string() +
                                  ", which does not hold the program's glyph font; both are left "
                                  "as they are. ";
  const std::string anew = "The wheels show their glyphs again once the program is installed anew.";
  const fs::path target = dir.path() / "Mine.ttf";
  const fs::path loop = dir.path() / "Loop.ttf";
  // A link that leads nowhere, named as the start names it.
  const std::string nowhere = "Cannot read the file called " + font.string() +
                              ": it is a symbolic link to " + target.string() +
                              ", which does not exist. The program runs with the file as shipped, "
                              "and saves nothing to it until the link leads to a file again.";
  const std::string circle = "Cannot read the file called " + font.string() +
                             ": it is a symbolic link that leads round in a circle. The program "
                             "runs with the file as shipped, and saves nothing to it until the "
                             "link leads to a file again.";
  const std::string cut = shipped.substr(0, shipped.size() / 2);
  const auto linkTo = [&](const std::string* bytes) {
    return [&font, &target, bytes] {
      if (bytes) std::ofstream(target, std::ios::binary) << *bytes;
      fs::create_symlink(target, font);
    };
  };
  const struct {
    const char* what;
    std::function<void()> make;
    fs::path shippedFolder;
    std::string message;  // "": none
    bool restored;        // the user's folder holds the shipped font afterwards
    bool linked = false;  // the font's place is a link to `target`
  } cases[] = {
      {"the shipped font", [&] { std::ofstream(font, std::ios::binary) << shipped; },
       ORVANTA_DATA_DIR, "", true},
      {"cut to half",
       [&] { std::ofstream(font, std::ios::binary) << shipped.substr(0, shipped.size() / 2); },
       ORVANTA_DATA_DIR, damaged + replaced, true},
      {"another font", [&] { std::ofstream(font, std::ios::binary) << other; }, ORVANTA_DATA_DIR,
       damaged + replaced, true},
      {"missing", [] {}, ORVANTA_DATA_DIR, missing + replaced, true},
      {"a folder", [&] { fs::create_directory(font); }, ORVANTA_DATA_DIR, missing + thisRun, false},
      {"missing from both folders", [] {}, nothingShipped.path(), missing + anew, false},
      {"a link to another font", linkTo(&other), ORVANTA_DATA_DIR, foreignLink + thisRun, false,
       true},
      {"a link to a cut font", linkTo(&cut), ORVANTA_DATA_DIR, foreignLink + thisRun, false, true},
      {"a link to nothing", linkTo(nullptr), ORVANTA_DATA_DIR, nowhere, false, true},
      {"a link to nothing, nothing shipped", linkTo(nullptr), nothingShipped.path(),
       "The glyph font " + font.string() + " cannot be read: it is a symbolic link to " +
           target.string() + ", which does not exist. " + anew,
       false, true},
      {"a link round in a circle",
       [&] {
         fs::create_symlink(font, loop);
         fs::create_symlink(loop, font);
       },
       ORVANTA_DATA_DIR, circle, false, true},
      {"a link to a folder",
       [&] {
         fs::create_directory(target);
         fs::create_symlink(target, font);
       },
       ORVANTA_DATA_DIR,
       "The glyph font " + font.string() + " is a symbolic link to " + target.string() +
           ", which is a folder, not a font file; both are left as they are. " + thisRun,
       false, true},
      {"a link to the shipped font", linkTo(&shipped), ORVANTA_DATA_DIR, "", true, true},
  };
  for (const auto& c : cases) {
    startup.reset();
    fs::remove_all(font);
    fs::remove(target);
    fs::remove(loop);
    c.make();
    const std::optional<std::string> targetBefore = ReadFileBytes(target);
    hooks.ShippedFolder = c.shippedFolder;
    // Each case a new run: a message is said once a run.
    test::RecordingHost run;
    startup = std::make_unique<ProgramStartup>(workbench, run, window, hooks);
    startup->Begin();
    if (c.message.empty()) {
      EXPECT_TRUE(run.messages.empty()) << c.what;
    } else {
      ASSERT_EQ(run.messages.size(), 1u) << c.what;
      EXPECT_EQ(run.messages[0].text, c.message) << c.what;
    }
    EXPECT_EQ(ReadFileBytes(font) == shipped, c.restored) << c.what;
    // The wheels draw with the program's font whenever one is to be had.
    EXPECT_EQ(QFontDatabase::families().contains(QString::fromUtf8(GlyphFontFace)),
              c.shippedFolder != nothingShipped.path())
        << c.what;
    startup.reset();
    if (!c.message.empty()) {
      // Said once a run, not at every look.
      startup = std::make_unique<ProgramStartup>(workbench, run, window, hooks);
      startup->Begin();
      EXPECT_EQ(run.messages.size(), 1u) << c.what;
      startup.reset();
    }
    if (!c.linked) continue;
    EXPECT_TRUE(fs::is_symlink(font)) << c.what;
    EXPECT_EQ(ReadFileBytes(target), targetBefore) << c.what;
  }
}

// A glyph font link that leads nowhere is named once, by the start that
// readies the program folder (as the program shows its notices), not again
// as a missing font.
TEST_F(ProgramStartupTest, AGlyphFontLinkToNothingIsReportedOnce) {
  WriteOptions(dir.path(), "3", "0");
  const test::TempDir shippedDir;
  for (const char* name : {"Options.mst", "orvanta8.ttf"})
    fs::copy_file(fs::path(ORVANTA_DATA_DIR) / name, shippedDir.path() / name);
  const fs::path font = dir.path() / "orvanta8.ttf";
  const fs::path other = dir.path() / "Other.ttf";
  fs::remove(font);
  hooks.ShippedFolder = shippedDir.path();
  hooks.ReadyProgramFolder = [&] {
    std::string error;
    std::vector<std::string> notices;
    const bool ready =
        ChooseAppPath(shippedDir.path(), dir.path(), "Options.mst", "Orvanta8", error, notices)
            .has_value();
    for (const std::string& notice : notices)
      host.ShowMessageOnce(notice, kTitleWarning, MessageIcon::Exclamation);
    return ready;
  };
  for (const bool circle : {false, true}) {
    fs::create_symlink(other, font);
    if (circle) fs::create_symlink(font, other);
    Start();
    ASSERT_EQ(host.messages.size(), 1u) << circle;
    EXPECT_NE(host.messages[0].text.find(font.string() + ": it is a symbolic link "),
              std::string::npos)
        << host.messages[0].text;
    EXPECT_NE(host.messages[0].text.find(circle ? "round in a circle" : other.string()),
              std::string::npos)
        << host.messages[0].text;
    startup.reset();
    host.messages.clear();
    fs::remove(font);
    fs::remove(other);
  }
}

// The title comes first: a first start fills the program folder while it
// shows, and a folder that cannot be had ends start-up there.
TEST_F(ProgramStartupTest, TheTitleShowsBeforeTheProgramFolderIsReady) {
  WriteOptions(dir.path(), "3", "0");
  for (const bool ready : {true, false}) {
    steps.clear();
    workbench = Workbench{};
    hooks.ReadyProgramFolder = [&] {
      steps.push_back("folder");
      titleShownWhileLoading = startup->TitleWindow() && startup->TitleWindow()->isVisible();
      if (ready) workbench.AppPath = dir.path();
      return ready;
    };
    Start();
    EXPECT_TRUE(titleShownWhileLoading);
    if (ready) {
      EXPECT_EQ(steps, (std::vector<std::string>{"folder", "tables"}));
      EXPECT_EQ(workbench.Options[27], 3.0f);
    } else {
      EXPECT_EQ(steps, std::vector<std::string>{"folder"});
      EXPECT_EQ(startup->TitleWindow(), nullptr);
      EXPECT_EQ(workbench.Shell.CaptionPrefix, "");
    }
  }
}

TEST_F(ProgramStartupTest, ContinueOpensTheMainWindowInOrder) {
  WriteOptions(dir.path(), "3", "0");
  std::ofstream(dir.path() / "Orvanta8.INI") << "DataTop= 1234\r\nwheelsLeft= 77\r\n";
  fs::create_directory(dir.path() / "REPORTS");
  std::ofstream(dir.path() / "REPORTS" / "LASTPAGE.TXT") << "kept";
  Start();
  Continue();

  EXPECT_EQ(steps, (std::vector<std::string>{"tables", "atlas", "input windows"}))
      << "option 42 = 0 opens no tip";
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(mainOnScreenBeforeInputs);
  EXPECT_EQ(window.CheckedHouseSystem(), HouseSystemCode::Koch);
  EXPECT_EQ(workbench.Settings.DataTop, 1234);
  EXPECT_EQ(workbench.Settings.WheelsLeft, 77);
  EXPECT_TRUE(workbench.Shell.AtlasPresent);
  EXPECT_EQ(workbench.OrbFile, dir.path() / "NATAL.ORB");
  for (const char* folder : {"REPORTS", "N_REPORT", "R_REPORT"})
    EXPECT_TRUE(fs::is_directory(dir.path() / folder)) << folder;
  EXPECT_EQ(ReadFileBytes(dir.path() / "REPORTS" / "LASTPAGE.TXT").value_or(""), "kept");
  EXPECT_EQ(host.busyDepth, 0);
  EXPECT_GE(host.busyCount, 1);
  EXPECT_FALSE(window.Action(CommandId::DataNatalData)->isEnabled());

  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(startup->TitleWindow(), nullptr) << "the title window is gone for good";
}

TEST_F(ProgramStartupTest, AnyOtherTipOptionShowsTheTipLastAndClosingTheTitleCountsAsContinue) {
  WriteOptions(dir.path(), "9", "-1");
  Start();
  QSignalSpy opened(startup.get(), &ProgramStartup::Opened);
  startup->TitleWindow()->close();
  ASSERT_TRUE(opened.wait(kWaitMs));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(steps, (std::vector<std::string>{"tables", "atlas", "input windows", "tip"}));
  EXPECT_EQ(window.CheckedHouseSystem(), HouseSystemCode::Morinus);
}

TEST_F(ProgramStartupTest, WithoutASettingsFileTheDefaultsApplyAndExitWritesThem) {
  WriteOptions(dir.path(), "1", "0");
  Start();
  Continue();
  EXPECT_EQ(workbench.Settings.FontSize, 8.5);
  EXPECT_EQ(workbench.Settings.DataFile, (dir.path() / "NAMES.FIL").string());

  QSignalSpy ended(startup.get(), &ProgramStartup::Ended);
  window.Action(CommandId::FileExit)->trigger();
  EXPECT_EQ(ended.count(), 1);
  // The file itself is pinned by the settings file tests; here, that Exit
  // writes it, the main window's own lines among the defaults.
  const auto lines = ReadTextLines(dir.path() / "Orvanta8.INI");
  ASSERT_TRUE(lines.has_value());
  ASSERT_EQ(lines->size(), 22u);
  for (int i = 4; i < 8; ++i) EXPECT_TRUE((*lines)[i].starts_with("Orvanta8")) << (*lines)[i];
  EXPECT_EQ((*lines)[8], "DataTop= 945");

  window.close();  // closing after Exit ends nothing twice
  startup->ShutDown();
  EXPECT_EQ(ended.count(), 1);
}

TEST_F(ProgramStartupTest, ClosingTheMainWindowShutsDownLikeExit) {
  WriteOptions(dir.path(), "1", "0");
  Start();
  Continue();
  QSignalSpy ended(startup.get(), &ProgramStartup::Ended);
  window.close();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "Orvanta8.INI"));
}

TEST_F(ProgramStartupTest, AFailedSettingsWriteIsReportedAndTheProgramStillEnds) {
  WriteOptions(dir.path(), "1", "0");
  Start();
  Continue();
  fs::create_directory(dir.path() / "Orvanta8.INI");  // cannot be replaced by a file
  QSignalSpy ended(startup.get(), &ProgramStartup::Ended);
  window.Action(CommandId::FileExit)->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Warning!");
  EXPECT_TRUE(host.messages[0].text.starts_with("Cannot save the file called "))
      << host.messages[0].text;
  EXPECT_EQ(ended.count(), 1);
}

}  // namespace
}  // namespace orv
