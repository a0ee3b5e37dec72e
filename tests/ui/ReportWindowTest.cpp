// The report viewer and the RTF window on a natal report of the shipped
// framing texts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "AnswerDialog.h"
#include "RecordingHost.h"
#include "SampleReports.h"
#include "TempDir.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "reports/ui/RTF_form.h"
#include "reports/ui/Report.h"

namespace fs = std::filesystem;

namespace orv {
namespace {

TEST(ReportWindow, PagesPrintsSavesAndShowsTheRtfCopy) {
  test::TempDir dir;
  test::RecordingHost host;
  const OptionValues options = test::ReportPageOptions();
  ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {});
  fs::path printed, opened;
  ReportWindowLinks links;
  links.Persons = [] { return ReportPersons{"Mary Ann Jones", ""}; };
  links.ChoosePrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((printed = dir.path() / "r.pdf").string()));
    return true;
  };
  bool desktopOpens = true;
  links.OpenInDesktop = [&](const fs::path& file) {
    opened = file;
    return desktopOpens;
  };
  Report window(report, options, dir.path(), "Orvanta8 (Tropical zodiac) - ", host, links);
  EXPECT_EQ(window.windowTitle(), "Orvanta8 (Tropical zodiac) - REPORT");
  EXPECT_EQ(window.focusWidget()->objectName(), "cmdPageDOWN");
  const QStringList shown = window.txtContent()->toPlainText().split('\n');
  EXPECT_EQ(shown.size(), 23);
  EXPECT_EQ(shown.mid(5, 3), QStringList({QString(32, ' ') + "NATAL REPORT FOR", "",
                                          QString(33, ' ') + "MARY ANN JONES"}));
  const std::pair<Qt::Key, size_t> keys[] = {
      {Qt::Key_PageDown, 23}, {Qt::Key_End, 24}, {Qt::Key_Home, 23}, {Qt::Key_PageUp, 0}};
  for (const auto& [key, top] : keys) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window.focusWidget(), &press);
    EXPECT_EQ(window.Pager().ReportTopLine(), top);
  }
  // One sheet per 60 lines, the empty line past the last included.
  EXPECT_EQ(size_t(window.btnPrint_Click()), (report.ReportLineCount() + 1 + 59) / 60);
  EXPECT_GT(fs::file_size(printed), 1000u);

  window.cmdSaveAs_Click();  // cancelled: nothing written, no RTF window
  EXPECT_EQ(host.fileChoices.at(0).proposedName, "Mary.txt");
  EXPECT_EQ(window.RtfWindow(), nullptr);
  host.fileAnswers.push_back((dir.path() / "Mary.txt").string());
  window.cmdSaveAs_Click();
  ASSERT_TRUE(window.RtfWindow() && fs::exists(dir.path() / "Mary.rtf"));
  RTF_form& rtf = *window.RtfWindow();
  EXPECT_EQ(rtf.windowTitle(), "Report - Mary.txt (.rtf file auto-saved)");
  EXPECT_TRUE(rtf.RichText1()->toPlainText().contains("CLOSING COMMENTS"));
  rtf.OpenButton()->click();
  EXPECT_EQ(opened, dir.path() / "Mary.rtf");
  EXPECT_TRUE(host.messages.empty());
  // No program for .rtf files: the user is told where the copy is.
  desktopOpens = false;
  rtf.OpenButton()->click();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "No program could be started to open the .rtf file. It is saved as\n" +
                fs::absolute(dir.path() / "Mary.rtf").string() +
                "\nOpen it in a word processor yourself.");
  EXPECT_EQ(host.messages[0].title, "Warning!");
  host.messages.clear();

  // A transit report has no copy, and its window says none was saved.
  report = ReportState{};
  AddReportLine(report, std::string(31, ' ') + "TRANSIT REPORT FOR");
  report.TransitReport = true;
  host.fileAnswers.push_back((dir.path() / "Tr.txt").string());
  window.cmdSave_Click();  // the first Save asks for the name
  ASSERT_TRUE(window.RtfWindow() && fs::exists(dir.path() / "Tr.txt"));
  EXPECT_FALSE(fs::exists(dir.path() / "Tr.rtf"));
  EXPECT_EQ(window.RtfWindow()->windowTitle(), "Report - Tr.txt");
  EXPECT_FALSE(window.RtfWindow()->OpenButton()->isVisibleTo(window.RtfWindow()));
}

// Save As "Y.rtf" beside the user's Y.txt, or "Y.txt" beside their Y.rtf:
// the question opens as the chooser closes, before any window has the
// keyboard again. It is the viewer's, and Enter or Escape keeps the user's
// file and gives the viewer the keyboard back.
TEST(ReportWindow, TheReplaceQuestionIsTheViewersAndKeepsTheFileOnEnter) {
  test::TempDir dir;
  const OptionValues options = test::ReportPageOptions();
  ReportState report = test::SampleReport(ReportKind::Natal, test::kNatalFraming, {});
  QWidget main;  // the program's main window, the dialogs' owner
  main.setGeometry(0, 0, 300, 40);
  main.show();
  QtHost host(&main);
  ReportWindowLinks links;
  links.Persons = [] { return ReportPersons{"Mary Ann Jones", ""}; };
  Report window(report, options, dir.path(), "", host, links);
  const fs::path text = dir.path() / "Y.txt", rtf = dir.path() / "Y.rtf";
  const struct {
    fs::path mine, chosen;
  } cases[] = {{text, rtf}, {rtf, text}};
  for (const auto& c : cases) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      fs::remove(c.chosen);  // else the chooser asks first
      ASSERT_EQ(WriteFileAtomically(c.mine, "mine"), "");
      window.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
      test::AnswerDialog([&](QDialog& chooser) {
        test::AnswerDialog([&](QDialog& question) {
          EXPECT_EQ(question.parentWidget(), &window);
          QTest::keyClick(&question, key);
        });
        test::ChooseFile(chooser, c.chosen);
      });
      window.cmdSaveAs_Click();
      QTest::qWait(20);
      EXPECT_EQ(ReadFileBytes(c.mine), "mine") << key;
      EXPECT_FALSE(fs::exists(c.chosen)) << key;
      EXPECT_EQ(QApplication::activeWindow(), &window) << key;
    }
  }
}

}  // namespace
}  // namespace orv
