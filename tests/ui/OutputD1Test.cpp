#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>

#include "AnswerDialog.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "shell/ui/FixedPitchFont.h"
#include "shell/ui/OutputD1.h"
#include "shell/ui/PrntFile.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

constexpr double kFontStep = 1.5;  // the start-up step of a 96 dpi screen

void Append(Workbench& wb, test::RecordingHost& host, const std::string& line) {
  wb.Output.OutputLine = line;
  AppendOutputLine(wb.Output, host);
}

// Pages in a PDF as Qt writes it: one "/Type /Page" dictionary per page
// (the page tree is "/Type /Pages").
int CountPdfPages(const fs::path& pdf) {
  const std::string bytes = ReadFileBytes(pdf).value_or("");
  constexpr std::string_view kPage = "/Type /Page";
  int pages = 0;
  for (auto at = bytes.find(kPage); at != std::string::npos; at = bytes.find(kPage, at + 1)) {
    if (bytes.compare(at + kPage.size(), 1, "s") != 0) ++pages;
  }
  return pages;
}

struct Fixture {
  test::TempDir dir;
  test::RecordingHost host;
  Workbench wb;
  OptionValues options{};
  std::unique_ptr<DataWindowSlot> slot;
  Fixture() {
    wb.AppPath = dir.path();
    options[30] = 60;
    options[45] = 0;
    options[117] = 75;
    options[118] = 95;
  }
  DataWindowSlot& MakeSlot(DataWindowLinks links = {}) {
    slot = std::make_unique<DataWindowSlot>(wb, options, host, DataWindowSettings{}, kFontStep,
                                            std::move(links));
    return *slot;
  }
  // A page of one line, shown.
  void ShowLine(const std::string& line) {
    Append(wb, host, line);
    ShowOutputPage(wb.Output, wb.AppPath, host, *slot);
  }
};

TEST(OutputD1, AShownPageAppearsInTheDataWindow) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  BeginOutputPage(f.wb.Output);
  Append(f.wb, f.host, "NATAL DATA");
  Append(f.wb, f.host, "Sun  12 ARI 34\nMoon  3 TAU 02");  // one entry, two lines
  ASSERT_TRUE(ShowOutputPage(f.wb.Output, f.wb.AppPath, f.host, slot));

  OutputD1& window = slot.Window();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle().toStdString(), "Orvanta8 (Tropical zodiac) - Data");
  PageView* text = window.RichText1();
  EXPECT_EQ(text->PlainText().toStdString(), "NATAL DATA\nSun  12 ARI 34\nMoon  3 TAU 02\n\n");
  EXPECT_EQ(text->LineCount(), 5);
  EXPECT_TRUE(IsFixedPitch(text->font()));
  EXPECT_DOUBLE_EQ(text->font().pointSizeF(), 8.5);
  // The More menu waits for the transit listing.
  EXPECT_FALSE(window.Action(DataWindowItem::MoreMenu)->isVisible());
  EXPECT_FALSE(window.Action(DataWindowItem::MoreForward)->isEnabled());
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(OutputD1, ShowingAPageRestoresAMinimizedWindow) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  f.ShowLine("first");
  slot.Window().showMinimized();
  ASSERT_TRUE(slot.Window().isMinimized());
  BeginOutputPage(f.wb.Output);
  Append(f.wb, f.host, "second");
  f.wb.Output.MoreMenuShown = true;
  ShowOutputPage(f.wb.Output, f.wb.AppPath, f.host, slot);
  EXPECT_FALSE(slot.Window().isMinimized());
  EXPECT_EQ(slot.Window().RichText1()->PlainText().toStdString(), "second\n\n");
  EXPECT_TRUE(slot.Window().Action(DataWindowItem::MoreMenu)->isVisible());
  EXPECT_TRUE(slot.Window().Action(DataWindowItem::MoreNewDate)->isVisible());
}

// A step of the wheel's moment lists the charts anew behind the wheel: the
// wheel keeps the focus (a stepping key held down keeps stepping); later
// pages come forward. (A data window made anew for the page is shown without
// taking the focus too, which the offscreen platform does not heed.)
TEST(OutputD1, APageKeptBehindLeavesTheFocusWhereItIs) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  f.ShowLine("first");
  QWidget wheel(nullptr, Qt::Window);
  const struct {
    bool behind;
    bool wheelKeepsFocus;
  } cases[] = {{true, true}, {false, false}, {true, true}};
  for (const auto& c : cases) {
    wheel.show();
    wheel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wheel));
    slot.KeepBehind(c.behind);
    f.ShowLine("stepped");
    slot.KeepBehind(false);
    QTest::qWait(20);
    EXPECT_TRUE(slot.Window().isVisible());
    EXPECT_EQ(QApplication::activeWindow() == &wheel, c.wheelKeepsFocus) << c.behind;
  }
}

// The house-system change closes the data window and shows the new page in
// the same event: the page must reach a window that stays.
TEST(OutputD1, APageShownRightAfterClosingOpensANewWindow) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  f.ShowLine("first");
  slot.Close();
  f.ShowLine("second");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(slot.HasWindow());
  EXPECT_TRUE(slot.Window().isVisible());
  EXPECT_EQ(slot.Window().RichText1()->PlainText().toStdString(), "first\n\nsecond\n\n");
}

TEST(OutputD1, SaveWritesTheChosenFileAndLaterSavesGoThere) {
  Fixture f;
  f.options[45] = 3;
  DataWindowLinks links;
  links.PersonName = [] { return std::string("Jane Doe"); };
  DataWindowSlot& slot = f.MakeSlot(links);
  for (const char* line : {"L1", "L2", "L3", "L4"}) Append(f.wb, f.host, line);
  OutputD1& window = slot.Window();

  // A names file made meanwhile elsewhere is no concern of the data window.
  const fs::path names = f.dir.path() / "NEW.FIL";
  std::ofstream(names, std::ios::binary) << "Example,12 May 1959\r\n";
  const fs::path chosen = f.dir.path() / "Jane.DOC";
  f.host.fileAnswers.push_back(chosen.string());
  window.Action(DataWindowItem::FileSave)->trigger();
  ASSERT_EQ(f.host.fileChoices.size(), 1u);
  EXPECT_EQ(f.host.fileChoices[0].proposedName, "Jane.DOC");
  EXPECT_EQ(ReadFileBytes(chosen).value_or(""), "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\n\r\n\f\r\n");

  Append(f.wb, f.host, "L5");
  window.Action(DataWindowItem::FileSave)->trigger();
  EXPECT_EQ(f.host.fileChoices.size(), 1u);
  EXPECT_EQ(ReadFileBytes(chosen).value_or(""),
            "L1\r\nL2\r\nL3\r\n\f\r\nL4\r\nL5\r\n\r\n\f\r\n\f\r\n");
  EXPECT_EQ(ReadFileBytes(names).value_or(""), "Example,12 May 1959\r\n");
  EXPECT_TRUE(f.host.messages.empty());
}

// Whatever the window manager does as a dialog goes, the keyboard goes back
// to the window the dialog was opened from: after the data window's Save As,
// saved or cancelled, F7 is the data window's Font Increase, not the main
// window's Transit Aspects to Transits.
TEST(OutputD1, AfterItsDialogsTheDataWindowHasTheKeyboardAgain) {
  Fixture f;
  QWidget main;  // the program's main window, the dialogs' owner
  main.setGeometry(0, 0, 300, 40);
  main.show();
  QtHost host(&main);
  DataWindowLinks links;
  links.PersonName = [] { return std::string("Jane Doe"); };
  DataWindowSlot slot(f.wb, f.options, host, DataWindowSettings{}, kFontStep, links);
  OutputD1& window = slot.Window();
  window.show();
  const fs::path chosen = f.dir.path() / "Jane.DOC";
  const fs::path link = f.dir.path() / "Gone.DOC";
  fs::create_symlink(f.dir.path() / "nowhere" / "Gone.DOC", link);
  const struct {
    const char* what;
    DataWindowItem command;
    std::function<void(QDialog&)> answer;
  } cases[] = {
      {"a message: nothing to save", DataWindowItem::FileSave, [](QDialog& box) { box.accept(); }},
      {"Save As cancelled", DataWindowItem::FileSaveAs, [](QDialog& chooser) { chooser.reject(); }},
      {"Save As saved", DataWindowItem::FileSaveAs,
       [&](QDialog& chooser) { test::ChooseFile(chooser, chosen); }},
      // The warning opens as the chooser closes, before any window has the
      // keyboard again.
      {"Save As to a link to nowhere, then its warning", DataWindowItem::FileSaveAs,
       [&](QDialog& chooser) {
         test::AnswerDialog([&](QDialog& box) {
           EXPECT_EQ(box.parentWidget(), &window);
           box.accept();
         });
         test::ChooseFile(chooser, link);
       }},
  };
  for (const auto& c : cases) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << c.what;
    test::AnswerDialog(c.answer);
    window.Action(c.command)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(QApplication::activeWindow(), &window) << c.what;
    const QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(focus ? focus->window() : nullptr, &window) << c.what;
    Append(f.wb, f.host, "L1");
  }
  EXPECT_TRUE(fs::exists(chosen));
}

TEST(OutputD1, FontCommandsStepTheSizeAndReportItBack) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  f.ShowLine("x");
  OutputD1& window = slot.Window();
  QAction* increase = window.Action(DataWindowItem::FontIncrease);
  for (int i = 0; i < 8; ++i) increase->trigger();  // more than the steps allow
  EXPECT_DOUBLE_EQ(slot.Settings().FontSize, 12.25);
  EXPECT_DOUBLE_EQ(window.RichText1()->font().pointSizeF(), 12.25);
  EXPECT_FALSE(increase->isEnabled());
  EXPECT_TRUE(window.Action(DataWindowItem::FontDecrease)->isEnabled());
  // Re-rendering in the new font adds nothing to the buffer.
  EXPECT_EQ(f.wb.Output.OutputCount(), 2u);

  QAction* bold = window.Action(DataWindowItem::FontBold);
  bold->trigger();
  EXPECT_TRUE(slot.Settings().FontBold);
  EXPECT_TRUE(bold->isChecked());
  EXPECT_TRUE(window.RichText1()->font().bold());
  bold->trigger();
  EXPECT_FALSE(slot.Settings().FontBold);
  EXPECT_FALSE(bold->isChecked());
  window.Action(DataWindowItem::FontItalic)->trigger();
  EXPECT_TRUE(slot.Settings().FontItalic);
  EXPECT_TRUE(window.RichText1()->font().italic());
}

TEST(OutputD1, GeometryComesFromTheSettingsInTwipsAndGoesBack) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  OutputD1& window = slot.Window();
  const double twipsPerPixel = 1440.0 / window.logicalDpiX();
  // No wider than the screen (the offscreen one is 800 pixels wide).
  EXPECT_EQ(window.width(), std::min<long>(std::lround(12600 / twipsPerPixel),
                                           window.screen()->availableGeometry().width()));
  EXPECT_EQ(window.height(), std::lround(8250 / twipsPerPixel));
  window.show();
  window.resize(800, 600);
  EXPECT_EQ(slot.Settings().DataWidth, std::lround(800 * twipsPerPixel));
  EXPECT_EQ(slot.Settings().DataHeight, std::lround(600 * twipsPerPixel));
}

TEST(OutputD1, EscapeOrARightClickBringsTheMainWindowForward) {
  Fixture f;
  int calls = 0;
  DataWindowLinks links;
  links.BringMainWindowForward = [&] { ++calls; };
  DataWindowSlot& slot = f.MakeSlot(links);
  f.ShowLine("x");
  PageView* text = slot.Window().RichText1();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(text, &escape);
  EXPECT_EQ(calls, 1);
  auto press = [&](Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(text->viewport(), &event);
  };
  press(Qt::RightButton);
  EXPECT_EQ(calls, 2);
  press(Qt::LeftButton);
  EXPECT_EQ(calls, 2);
}

TEST(OutputD1, MoreCommandsListTheTransitDayThroughTheirLink) {
  Fixture f;
  DataWindowLinks links;
  std::vector<double> days;
  links.ListTransitInterps = [&] {
    days.push_back(f.wb.Charts.TransitListDay);
    f.wb.Output.OutputLine = "transits of day " + std::to_string(int(f.wb.Charts.TransitListDay));
    AppendOutputLine(f.wb.Output, f.host);
    f.wb.Output.MoreMenuShown = true;
    f.wb.Charts.TransitListDay += 1.0;
  };
  links.ChooseNewDate = [&] { f.wb.Charts.TransitListDay = 2451545.0; };
  DataWindowSlot& slot = f.MakeSlot(links);
  f.wb.Charts.TransitListDay = 2440000.0;
  links.ListTransitInterps();  // as the first transit listing does
  ShowOutputPage(f.wb.Output, f.wb.AppPath, f.host, slot);
  OutputD1& window = slot.Window();

  window.Action(DataWindowItem::MoreForward)->trigger();
  window.Action(DataWindowItem::MoreBackward)->trigger();
  window.Action(DataWindowItem::MoreNewDate)->trigger();
  EXPECT_EQ(days, (std::vector<double>{2440000.0, 2440001.0, 2440000.0, 2451545.0}));
  EXPECT_EQ(window.RichText1()->PlainText().toStdString(), "transits of day 2451545\n\n");
  EXPECT_EQ(f.host.busyDepth, 0);
}

TEST(OutputD1, WithoutTransitListingTheMoreCommandsDoNothing) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  f.wb.Output.MoreMenuShown = true;
  f.ShowLine("page");
  f.wb.Charts.TransitListDay = 2440000.0;
  for (const DataWindowItem item :
       {DataWindowItem::MoreForward, DataWindowItem::MoreBackward, DataWindowItem::MoreNewDate}) {
    slot.Window().Action(item)->trigger();
  }
  EXPECT_EQ(f.wb.Charts.TransitListDay, 2440000.0);
  EXPECT_EQ(slot.Window().RichText1()->PlainText().toStdString(), "page\n\n");
}

TEST(OutputD1, HelpShowsTheDataWindowHelpOrSaysItIsMissing) {
  Fixture f;
  DataWindowSlot& slot = f.MakeSlot();
  OutputD1& window = slot.Window();
  window.Action(DataWindowItem::Help)->trigger();
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text,
            "Cannot find the file called " + (f.dir.path() / "OUTPUTD1.HLP").string() + ".");
  std::ofstream(f.dir.path() / "OUTPUTD1.HLP", std::ios::binary) << "F5 saves the data.\r\n";
  window.Action(DataWindowItem::Help)->trigger();
  EXPECT_EQ(window.RichText1()->PlainText().toStdString(), "F5 saves the data.\n\n\n");
}

// Prints through the data window's Print data into a PDF file.
struct PdfPrint {
  Fixture f;
  fs::path pdf;
  DataWindowLinks links;
  PdfPrint() : pdf(f.dir.path() / "out.pdf") {
    links.ChoosePrinter = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf.string()));
      return true;
    };
  }
};

TEST(PrntFile, PrintDataToPdfGivesThePagesOfOption30AndFormFeeds) {
  PdfPrint p;
  DataWindowSlot& slot = p.f.MakeSlot(p.links);
  // 130 lines and the spare one, 60 to a page: 60, 60 and 11.
  for (int i = 1; i <= 130; ++i) Append(p.f.wb, p.f.host, "Line " + std::to_string(i));
  slot.Window().Action(DataWindowItem::PrintData)->trigger();
  PrntFile* print = slot.Window().PrintWindow();
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->RichtxtContent()->toPlainText().startsWith("Line 1\nLine 2\n"));
  EXPECT_EQ(print->btnPrint_Click(), 3);
  EXPECT_EQ(CountPdfPages(p.pdf), 3);
  EXPECT_TRUE(p.f.host.messages.empty());

  // Two form feeds give an empty page between them.
  ClearOutputBuffer(p.f.wb.Output);
  for (const char* line : {"A", "\f", "\f", "B"}) Append(p.f.wb, p.f.host, line);
  slot.Window().Action(DataWindowItem::PrintData)->trigger();
  ASSERT_NE(slot.Window().PrintWindow(), nullptr);
  EXPECT_EQ(slot.Window().PrintWindow()->btnPrint_Click(), 3);
  EXPECT_EQ(CountPdfPages(p.pdf), 3);
}

TEST(PrntFile, PrintsTheEditedTextAndCancelPrintsNothing) {
  PdfPrint p;
  std::ofstream(p.f.dir.path() / "PRNTFILE.XXX", std::ios::binary) << "spooled\r\n";
  PrntFile window(p.f.dir.path(), p.f.options, p.f.host, p.links.ChoosePrinter);
  ASSERT_TRUE(window.Load());
  EXPECT_EQ(window.RichtxtContent()->toPlainText().toStdString(), "spooled");
  window.RichtxtContent()->setPlainText("edited\n\f\nsecond page");
  EXPECT_EQ(window.btnPrint_Click(), 2);
  EXPECT_EQ(ReadFileBytes(p.f.dir.path() / "PRNTFILE.XXX").value_or(""),
            "edited\r\n\f\r\nsecond page\r\n");
  EXPECT_EQ(CountPdfPages(p.pdf), 2);

  PrntFile cancelled(p.f.dir.path(), p.f.options, p.f.host, [](QPrinter&) { return false; });
  ASSERT_TRUE(cancelled.Load());
  cancelled.RichtxtContent()->setPlainText("not printed");
  EXPECT_EQ(cancelled.btnPrint_Click(), 0);
  EXPECT_EQ(ReadFileBytes(p.f.dir.path() / "PRNTFILE.XXX").value_or(""),
            "edited\r\n\f\r\nsecond page\r\n");
}

TEST(PrntFile, AMissingSpoolFileIsReported) {
  PdfPrint p;
  PrntFile window(p.f.dir.path(), p.f.options, p.f.host, p.links.ChoosePrinter);
  EXPECT_FALSE(window.Load());
  ASSERT_EQ(p.f.host.messages.size(), 1u);
  EXPECT_EQ(p.f.host.messages[0].text,
            "Cannot find the file called " + (p.f.dir.path() / "PRNTFILE.XXX").string() + ".");
}

TEST(PrntFile, LongLinesGoOnOverTheNextLinesInsteadOfBeingCut) {
  PdfPrint p;
  // 300 characters do not fit a line of 8-point print; a page of them must
  // take more than one sheet once each wraps.
  std::string spool;
  for (int i = 0; i < 60; ++i) spool += std::string(300, 'x') + "\r\n";
  std::ofstream(p.f.dir.path() / "PRNTFILE.XXX", std::ios::binary) << spool;
  PrntFile window(p.f.dir.path(), p.f.options, p.f.host, p.links.ChoosePrinter);
  ASSERT_TRUE(window.Load());
  EXPECT_GT(window.btnPrint_Click(), 1);
}

}  // namespace
}  // namespace orv
