#include "reports/ui/Report.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>
#include <utility>

#include "base/Links.h"
#include "base/Text.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/RtfReport.h"
#include "reports/ui/RTF_form.h"
#include "shell/TextPrinting.h"
#include "shell/ui/FixedPitchFont.h"
#include "shell/ui/OnScreen.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

constexpr double kViewPoints = 10.0;
constexpr int kPrintPoints = 12;
// Four empty lines and the page-number line close every printed page.
constexpr int kFooterLines = 5;

// No printer installed: the report goes to a PDF file the user names.
bool ChoosePdfFile(QPrinter& printer, Host& host, const fs::path& folder) {
  FileChoice choice;
  choice.mode = FileChoice::Mode::Save;
  choice.title = "Print to PDF file";
  choice.folder = folder.string();
  choice.proposedName = "Report.pdf";
  choice.filter = "PDF files (*.pdf)";
  choice.defaultSuffix = "pdf";
  const auto chosen = host.ChooseFile(choice);
  if (!chosen) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(*chosen));
  return true;
}

}  // namespace

void ReportWindowLinks::RequireBound() const {
  RequireLinks("ReportWindowLinks", {{"Persons", bool(Persons)}});
}

Report::Report(ReportState& report, const OptionValues& options, fs::path appPath,
               const std::string& captionPrefix, Host& host, ReportWindowLinks links,
               QWidget* parent)
    : QWidget(parent, Qt::Window),
      report_(report),
      options_(options),
      appPath_(std::move(appPath)),
      host_(host),
      links_(std::move(links)),
      pager_(report) {
  setObjectName("Report");
  setWindowTitle(QString::fromStdString(captionPrefix + "REPORT"));
  content_ = new QPlainTextEdit(this);
  content_->setObjectName("txtContent");
  content_->setReadOnly(true);
  content_->setLineWrapMode(QPlainTextEdit::NoWrap);
  content_->setFont(FixedPitchFont(kViewPoints, false, false));
  content_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  content_->setLineWidth(2);
  content_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  content_->setFocusPolicy(Qt::ClickFocus);
  const QFontMetrics metrics(content_->font());
  // Room for a page of lines of the title page's width and more.
  content_->setMinimumSize(
      metrics.horizontalAdvance(QString(82, 'M')),
      int(ReportPager::ReportPageLines) * metrics.lineSpacing() + 2 * content_->frameWidth() + 8);

  auto button = [this](const char* name, const char* caption, void (Report::*slot)()) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->installEventFilter(this);
    if (slot) connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  pageUp_ = button("cmdPageUP", "Page &Up", &Report::cmdPageUP_Click);
  pageDown_ = button("cmdPageDOWN", "Page &Down", &Report::cmdPageDOWN_Click);
  auto* up1 = button("cmdUp1", "Up &1", &Report::cmdUp1_Click);
  auto* down1 = button("cmdDown1", "Dow&n 1", &Report::cmdDown1_Click);
  auto* print = button("btnPrint", "&Print", nullptr);
  connect(print, &QPushButton::clicked, this, [this] { btnPrint_Click(); });
  auto* save = button("cmdSave", "&Save", &Report::cmdSave_Click);
  auto* saveAs = button("cmdSaveAs", "Save &As", &Report::cmdSaveAs_Click);
  auto* cancel = button("btnCancel", "Cancel", nullptr);
  connect(cancel, &QPushButton::clicked, this, &QWidget::close);
  content_->installEventFilter(this);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {pageUp_, pageDown_, up1, down1}) buttons->addWidget(b);
  buttons->addStretch();
  for (QPushButton* b : {print, save, saveAs, cancel}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(content_, 1);
  layout->addLayout(buttons);

  PlaceForOpening(*this);
  ShowReportPage();
}

Report::~Report() = default;

void Report::ShowReportPage() {
  if (report_.ReportLineCount() == 0) return;
  std::string text = pager_.PageText();
  text = ReplaceText(text, "\r\n", "\n");
  if (!text.empty()) text.pop_back();  // the last line's end starts no line
  content_->setPlainText(QString::fromStdString(text));
  show();
  pageDown_->setFocus();
}

void Report::cmdPageDOWN_Click() {
  pager_.NextPage();
  ShowReportPage();
}

void Report::cmdPageUP_Click() {
  pager_.PreviousPage();
  ShowReportPage();
  pageUp_->setFocus();
}

void Report::cmdDown1_Click() {
  pager_.ScrollLineDown();
  ShowReportPage();
}

void Report::cmdUp1_Click() {
  pager_.ScrollLineUp();
  ShowReportPage();
}

bool Report::PageKey(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      cmdPageUP_Click();
      return true;
    case Qt::Key_PageDown:
      cmdPageDOWN_Click();
      return true;
    case Qt::Key_End:
      cmdDown1_Click();
      return true;
    case Qt::Key_Home:
      cmdUp1_Click();
      return true;
    default:
      return false;
  }
}

bool Report::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && PageKey(static_cast<QKeyEvent*>(event)->key()))
    return true;
  return QWidget::eventFilter(watched, event);
}

void Report::keyPressEvent(QKeyEvent* event) {
  if (!PageKey(event->key())) QWidget::keyPressEvent(event);
}

int Report::btnPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  const fs::path folder = ReportFolder(report_, appPath_);
  const bool chosen = links_.ChoosePrinter ? links_.ChoosePrinter(printer)
                      : QPrinterInfo::availablePrinterNames().isEmpty()
                          ? ChoosePdfFile(printer, host_, folder)
                          : ChoosePrinterWithDialog(printer, this);
  if (!chosen) return 0;
  BusyCursor busy(host_);
  const auto pages = PaginateSpool(SplitLines(SavedReportText(report_, options_)), 0);
  const int sheets =
      PrintTextPages(printer, pages, kPrintPoints, float(PageBodyLines(options_) + kFooterLines));
  if (sheets == 0)
    host_.ShowMessage("The report could not be printed: the printer did not start.", kTitleWarning,
                      MessageIcon::Critical);
  return sheets;
}

void Report::cmdSave_Click() {
  const ReportPersons persons = links_.Persons ? links_.Persons() : ReportPersons{};
  ShowSavedReport(SaveReport(report_, options_, appPath_, persons, host_));
}

void Report::cmdSaveAs_Click() {
  const ReportPersons persons = links_.Persons ? links_.Persons() : ReportPersons{};
  ShowSavedReport(SaveReportAs(report_, options_, appPath_, persons, host_));
}

void Report::ShowSavedReport(const std::optional<SavedReportFiles>& saved) {
  if (!saved) return;  // cancelled, or the failure was reported
  if (rtf_) rtf_->close();
  auto launch = links_.OpenInDesktop;
  if (!launch)
    launch = [](const fs::path& file) {
      return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    };
  // A desktop without a program for .rtf files would otherwise leave the
  // click without an answer; the user gets the path to open it by hand.
  auto open = [this, launch](const fs::path& file) {
    if (launch(file)) return;
    std::error_code error;
    const fs::path full = fs::absolute(file, error);
    host_.ShowMessage("No program could be started to open the .rtf file. It is saved as\n" +
                          (error ? file : full).string() +
                          "\nOpen it in a word processor yourself.",
                      kTitleWarning, MessageIcon::Exclamation);
  };
  // The window shows the copy as written.
  const std::string rtfText = saved->rtf ? ReadFileBytes(*saved->rtf).value_or("") : std::string();
  rtf_ = new RTF_form(saved->text, saved->savedText, saved->rtf.value_or(fs::path()), rtfText, open,
                      this);
  PlaceNewWindow(*rtf_);
  rtf_->show();
}

}  // namespace orv
