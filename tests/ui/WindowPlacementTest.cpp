// Windows as they open on the offscreen screen: on it, and clear of the
// input windows on show wherever there is room.

#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <fstream>
#include <functional>

#include "InputWindowsFixture.h"
#include "SampleReports.h"
#include "reports/ui/Browsers.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"
#include "shell/ui/About.h"
#include "shell/ui/FrmEnabledPlanets.h"
#include "shell/ui/FrmTip.h"
#include "shell/ui/OnScreen.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/Orvanta8.h"
#include "shell/ui/TextFileEditor.h"
#include "shell/ui/WindowSlot.h"
#include "wheels/ui/CWAspect.h"
#include "wheels/ui/Wheels.h"

namespace orv {
namespace {

using test::DoubleClickRow;
using test::InputFixture;
using test::RowOf;

QRect Free(const QWidget& w) { return w.screen()->availableGeometry(); }

TEST(WindowPlacement, TheNamesWindowOpensAtOnePlaceOnTheScreenAtEveryInput) {
  InputFixture f;
  f.windows->ShowAtStartup();
  const QRect first = f.windows->NamesWindow()->frameGeometry();
  EXPECT_TRUE(Free(f.natal()).contains(first));
  PickList* list = f.windows->NamesWindow()->NamesOnFile();
  DoubleClickRow(list, RowOf(list, "Smith"));  // computes: the data window shows
  ASSERT_TRUE(f.wb.Charts.Computed);
  for (int input = 1; input <= 3; ++input) {
    f.windows->ShowForInput();
    const Names* names = f.windows->NamesWindow();
    ASSERT_TRUE(names && names->isVisible());
    EXPECT_EQ(names->frameGeometry(), first) << "Input " << input;
    // Never under the natal window, whose buttons it would hide.
    EXPECT_FALSE(names->frameGeometry().intersects(f.natal().frameGeometry())) << input;
  }
  f.data->Close();
}

// Two input windows small enough to leave room on the screen.
struct SmallInputWindows {
  QWidget natal, second;
  SmallInputWindows() {
    for (QWidget* w : {&natal, &second}) MarkAsInputWindow(*w);
    natal.setGeometry(0, 0, 390, 200);
    second.setGeometry(390, 0, 390, 200);
    natal.show();
    second.show();
  }
  bool Covers(const QWidget& w) const {
    return w.frameGeometry().intersects(natal.frameGeometry()) ||
           w.frameGeometry().intersects(second.frameGeometry());
  }
};

TEST(WindowPlacement, AWindowOpeningOverTheInputWindowsMovesOffThemOnTheScreen) {
  SmallInputWindows inputs;
  const struct {
    const char* what;
    QSize size;
    std::optional<QPoint> asked;
    bool userPlace, keptClear;
  } cases[] = {
      {"centred", {300, 200}, std::nullopt, false, true},
      {"asked over them", {300, 200}, QPoint(10, 10), false, true},
      {"asked below the screen", {300, 200}, QPoint(400, 2000), false, true},
      {"a user's place over them", {300, 200}, QPoint(10, 10), true, false},
  };
  for (const auto& c : cases) {
    QWidget w;
    w.resize(c.size);
    PlaceForOpening(w, c.asked, c.userPlace);
    w.show();
    EXPECT_TRUE(Free(w).contains(w.frameGeometry())) << c.what;
    EXPECT_EQ(!inputs.Covers(w), c.keptClear) << c.what;
    if (c.userPlace) {
      EXPECT_EQ(w.frameGeometry().topLeft(), *c.asked) << c.what;
    }
  }
  // Hidden input windows leave the place free.
  inputs.natal.hide();
  inputs.second.hide();
  QWidget w;
  w.resize(300, 200);
  EXPECT_EQ(PlaceForOpening(w, QPoint(10, 10)).topLeft(), QPoint(10, 10));
}

TEST(WindowPlacement, TheReportViewerOpensOnTheScreenClearOfTheInputWindows) {
  SmallInputWindows inputs;
  test::RecordingHost host;
  const OptionValues options = test::ReportPageOptions();
  ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {});
  ReportWindowLinks links;
  links.Persons = [] { return ReportPersons{"Mary Ann Jones", ""}; };
  Report window(report, options, "/nonexistent", "", host, links);
  ASSERT_TRUE(window.isVisible());
  EXPECT_TRUE(Free(window).contains(window.frameGeometry()));
  EXPECT_FALSE(inputs.Covers(window));
}

// The wheel window opens clear of the input windows on show; a place the
// program gave it is not kept as the user's, a place the user gave it is.
TEST(WindowPlacement, TheWheelWindowKeepsClearOfTheInputWindowsAndKeepsTheUsersPlace) {
  SmallInputWindows inputs;
  QWidget main;  // as the program's main window, always on screen
  main.setGeometry(600, 700, 100, 50);
  main.show();
  test::RecordingHost host;
  Workbench wb;
  wb.Settings.WheelsWidth = 6000;  // small enough to fit beside them
  wb.Settings.WheelsHeight = 4500;
  const auto open = [&] {
    Wheels window(wb, host, {});
    window.show();
    const QRect at = window.frameGeometry();
    EXPECT_TRUE(Free(window).contains(at));
    window.close();  // records its place in the settings
    return at;
  };
  // A user's place where the window, grown to the least size its wheel
  // reads at, would reach past the screen: moved onto it.
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
  wb.Settings.WheelsLeft = PixelsToTwips(390, dpi);
  wb.Settings.WheelsTop = PixelsToTwips(480, dpi);
  open();
  wb.Settings.WheelsLeft = SettingsValues().WheelsLeft;
  wb.Settings.WheelsTop = SettingsValues().WheelsTop;
  const QRect clear = open();
  EXPECT_FALSE(clear.intersects(inputs.natal.frameGeometry()) ||
               clear.intersects(inputs.second.frameGeometry()));
  // Nor after a new start: its settings keep the default place.
  wb.WheelWindow.OpenedAt.reset();
  inputs.natal.hide();
  inputs.second.hide();
  const QRect byDefault = open();
  EXPECT_NE(byDefault.topLeft(), clear.topLeft());
  // Moved over the input windows by the user: it opens there again, every
  // time, and after a new start.
  wb.Settings.WheelsLeft = 1500;
  wb.Settings.WheelsTop = 1500;
  inputs.natal.show();
  inputs.second.show();
  const QPoint users(TwipsToPixels(1500, dpi), TwipsToPixels(1500, dpi));
  for (const char* opening : {"first", "second", "third", "after a new start"}) {
    if (opening == std::string("after a new start")) wb.WheelWindow.OpenedAt.reset();
    const QRect at = open();
    EXPECT_EQ(at.topLeft(), users) << opening;
    EXPECT_TRUE(at.intersects(inputs.natal.frameGeometry())) << opening;
  }
}

// The data window, too: a place the program moved it to, clear of the
// input windows, is kept in its settings as its default place, so a new
// start opens it there and not at the clear place.
TEST(WindowPlacement, TheDataWindowKeepsClearOfTheInputWindowsAndKeepsItsDefaultPlace) {
  SmallInputWindows inputs;
  test::TempDir dir;
  test::RecordingHost host;
  Workbench wb;
  wb.AppPath = dir.path();
  const OptionValues options{};
  DataWindowSettings settings;
  settings.DataWidth = 6000;  // small enough to fit beside them
  settings.DataHeight = 4500;
  const auto open = [&] {
    DataWindowSlot slot(wb, options, host, settings, 1.5, {});
    wb.Output.OutputLine = "a page";
    AppendOutputLine(wb.Output, host);
    EXPECT_TRUE(ShowOutputPage(wb.Output, wb.AppPath, host, slot));
    const QRect at = slot.Window().frameGeometry();
    EXPECT_TRUE(Free(slot.Window()).contains(at));
    settings = slot.Settings();  // as the settings file keeps them at exit
    slot.Close();
    return at;
  };
  const QRect clear = open();
  EXPECT_FALSE(clear.intersects(inputs.natal.frameGeometry()) ||
               clear.intersects(inputs.second.frameGeometry()));
  EXPECT_EQ(settings.DataLeft, DataWindowSettings().DataLeft);
  EXPECT_EQ(settings.DataTop, DataWindowSettings().DataTop);
  // After a new start, with the input windows hidden, it opens where a
  // window never placed opens.
  settings.OpenedAt.reset();
  inputs.natal.hide();
  inputs.second.hide();
  const QRect afterANewStart = open();
  settings = DataWindowSettings{};
  settings.DataWidth = 6000;
  settings.DataHeight = 4500;
  EXPECT_EQ(afterANewStart.topLeft(), open().topLeft());
}

// The program's windows on the one screen this run has, as they open with
// their default places: each wholly on it, frame included. The test below
// runs it on screens of several sizes; alone it does nothing.
TEST(WindowPlacementOnTheScreen, EveryWindowOpensWhollyOnIt) {
  const QByteArray asked = qgetenv("ORVANTA_SCREEN");
  if (asked.isEmpty()) GTEST_SKIP() << "run on screens of several sizes by the test below";
  const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(QByteArray::number(free.width()) + "x" + QByteArray::number(free.height()), asked);
  // A run whose windows report no frame stands for a window manager that
  // makes its frame known only later: a frame as thick as most draw (a
  // 30-pixel title bar, 5-pixel borders) must fit too.
  const bool framesReported = qgetenv("ORVANTA_FRAMES") != "unknown";
  const auto onScreen = [&](const QWidget& w, const char* what) {
    ASSERT_TRUE(w.isVisible()) << what;
    const QRect at = framesReported ? w.frameGeometry() : w.geometry().marginsAdded({5, 30, 5, 5});
    EXPECT_TRUE(free.contains(at))
        << what << " at " << at.x() << "," << at.y() << " " << at.width() << "x" << at.height();
    // Cut to the screen only where it is larger, at the screen's edge.
    if (at.width() == free.width()) {
      EXPECT_EQ(at.left(), free.left()) << what;
    }
    if (at.height() == free.height()) {
      EXPECT_EQ(at.top(), free.top()) << what;
    }
  };
  InputFixture f;
  Orvanta8 main(f.wb, f.host);
  main.ApplySettingsGeometry(SettingsValues{});
  main.ShowOnScreen();
  onScreen(main, "main window");
  if (framesReported) {  // placed again by its own frame: where the settings put that frame
    const double dpi = main.screen()->logicalDotsPerInchX();
    const QPoint asked(TwipsToPixels(SettingsValues{}.MainLeft, dpi),
                       TwipsToPixels(SettingsValues{}.MainTop, dpi));
    EXPECT_EQ(main.frameGeometry().topLeft(),
              asked.x() + main.frameGeometry().width() <= free.right() + 1
                  ? asked
                  : QPoint(free.right() + 1 - main.frameGeometry().width(), asked.y()));
  }
  main.ShowChartMenus();
  onScreen(main, "main window with every menu");
  f.windows->ShowAtStartup();
  onScreen(f.natal(), "natal window");
  onScreen(f.second(), "second window");
  onScreen(*f.windows->NamesWindow(), "names window");
  PickList* list = f.windows->NamesWindow()->NamesOnFile();
  DoubleClickRow(list, RowOf(list, "Smith"));  // computes: the data window shows
  ASSERT_TRUE(f.wb.Charts.Computed);
  onScreen(f.data->Window(), "data window");
  Wheels wheels(f.wb, f.host, {});
  wheels.show();
  onScreen(wheels, "wheel window");
  ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {});
  ReportWindowLinks links;
  links.Persons = [] { return ReportPersons{"Mary Ann Jones", ""}; };
  Report viewer(report, test::ReportPageOptions(), "/nonexistent", "", f.host, links);
  onScreen(viewer, "report viewer");
  // The small windows as the program opens them, each in a slot of its own.
  const auto inSlot = [&](const char* what, const std::function<QWidget*()>& make) {
    QPointer<QWidget> slot;
    ShowInSlot(slot, make);
    onScreen(*slot, what);
  };
  inSlot("tip of the day", [&] { return new FrmTip(f.wb.AppPath); });
  inSlot("about", [] { return new About(); });
  std::string natalFlags(16, '1'), transitFlags(16, '1');
  inSlot("enabled planets", [&] {
    return new FrmEnabledPlanets(
        natalFlags, transitFlags, [] {}, [] {});
  });
  inSlot("editor", [] {
    EditorSetup setup{"Options", "Edit: Options.opt", "1\r\n", {}, {}, {}, false};
    setup.save = [](std::string_view) { return EditorSaveResult{}; };
    return new TextFileEditor(std::move(setup));
  });
  inSlot("report copy", [] { return new RTF_form("/nonexistent/R.txt", "R", {}, {}, {}); });
  inSlot("aspect list", [] { return new CWAspect({"Sun Conjunction Moon"}); });
  const BrowserOutput output{f.wb.AppPath, f.wb.Output, f.host,
                             [&]() -> OutputView& { return *f.data; }};
  inSlot("natal meanings", [&] { return new MEANINGS(output); });
  for (const CoupleBrowser browser : {CoupleBrowser::Composite, CoupleBrowser::Synastry})
    inSlot("couple meanings", [&] { return new CoupleMeanings(browser, output); });
  inSlot("keyword system", [&] { return new KEY_WORD(output); });
  for (const KeywordGrid grid : {KeywordGrid::Personal, KeywordGrid::Vocational})
    inSlot("keywords", [&] { return new KeywordsWindow(grid, f.host); });
  f.data->Close();
}

// The same test run on its own on screens of a desktop's, a small laptop's
// and the smallest size, each in a run of its own: the offscreen screen is
// set as a run starts.
TEST(WindowPlacement, EveryWindowOpensWhollyOnScreensOfEverySize) {
  test::TempDir dir;
  const struct {
    QSize screen;
    bool framesReported;
  } runs[] = {{{1600, 1000}, true},
              {{1024, 768}, true},
              {{800, 600}, true},
              {{1024, 768}, false},
              {{800, 600}, false}};
  for (const auto& [screen, framesReported] : runs) {
    const QString size = QString("%1x%2").arg(screen.width()).arg(screen.height());
    const std::filesystem::path config =
        dir.path() / (size.toStdString() + (framesReported ? "" : "-unframed") + ".json");
    std::ofstream(config) << R"({"windowFrameMargins": )" << (framesReported ? "true" : "false")
                          << R"(, "screens": [{"name": "Screen", "x": 0, "y": 0, "width": )"
                          << screen.width() << R"(, "height": )" << screen.height()
                          << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM",
               "offscreen:configfile=" + QString::fromStdString(config.string()));
    env.insert("ORVANTA_SCREEN", size);
    env.insert("ORVANTA_FRAMES", framesReported ? "reported" : "unknown");
    run.setProcessEnvironment(env);
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=WindowPlacementOnTheScreen.EveryWindowOpensWhollyOnIt"});
    ASSERT_TRUE(run.waitForFinished(120000)) << size.toStdString();
    const QString output = QString::fromLocal8Bit(run.readAll());
    EXPECT_EQ(run.exitCode(), 0) << size.toStdString() << "\n" << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test") && !output.contains("SKIPPED"))
        << size.toStdString() << "\n"
        << output.toStdString();
  }
}

}  // namespace
}  // namespace orv
