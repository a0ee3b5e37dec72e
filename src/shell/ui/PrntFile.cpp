#include "shell/ui/PrntFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <system_error>
#include <utility>

#include "commands/DataWindowCommands.h"
#include "core/OptionNumbers.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "platform/qt/DialogOpener.h"
#include "shell/OutputBuffer.h"
#include "shell/TextPrinting.h"
#include "shell/ui/FixedPitchFont.h"

namespace fs = std::filesystem;

namespace orv {

namespace {
constexpr double kWindowFontPoints = 10.0;
// Half an inch all round: clear of any printer's unprintable edge, and 60
// lines of 12-point print still fit a Letter sheet.
constexpr double kMarginMm = 12.7;
constexpr std::string_view kPdfName = "REPORTS\\PRNTFILE.PDF";
}  // namespace

bool ChoosePrinterWithDialog(QPrinter& printer, QWidget* parent) {
  const DialogOpener opener(parent);
  // Made on the heap: an owner closed while the dialog waits deletes it.
  const QPointer<QPrintDialog> shown = new QPrintDialog(&printer, opener.Owner());
  const bool accepted = shown->exec() == QDialog::Accepted && shown;
  delete shown.data();
  return accepted;
}

void OfferPdfWhenNoPrinter(QPrinter& printer, const fs::path& appPath, std::string_view pdfName) {
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) return;
  printer.setOutputFormat(QPrinter::PdfFormat);
  const fs::path pdf = ResolveInFolder(appPath, pdfName);
  std::error_code ec;
  fs::create_directories(pdf.parent_path(), ec);  // a failure shows when printing starts
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
}

void ReportPrinterNotStarted(Host& host) {
  host.ShowMessage("The printer could not be started.", kTitleWarning, MessageIcon::Critical);
}

void ReportPdfWritten(Host& host, const QPrinter& printer, int pages) {
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) return;
  host.ShowMessage("The PDF file " + printer.outputFileName().toStdString() + " holds " +
                       std::to_string(pages) + (pages == 1 ? " page." : " pages."),
                   kTitleInformation, MessageIcon::Information);
}

int PrintTextPages(QPrinter& printer, const std::vector<std::vector<std::string>>& pages,
                   int points, float linesPerPage) {
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  painter.setFont(FixedPitchFont(points, false, false));
  const QFontMetricsF metrics(painter.font(), painter.device());
  const double sheetHeight = printer.height();
  double pitch = metrics.lineSpacing();
  if (linesPerPage > 0) pitch = std::min(pitch, sheetHeight / linesPerPage);
  const auto columns = std::max<qsizetype>(
      1, static_cast<qsizetype>(printer.width() / metrics.horizontalAdvance(QLatin1Char('M'))));

  // Whole line slots per sheet; the small allowance keeps a sheet of exactly
  // `linesPerPage` slots from losing its last one to rounding.
  const int slotsPerSheet = std::max(1, static_cast<int>(sheetHeight / pitch + 1e-6));
  int sheets = 1;
  int slot = 0;
  auto nextSheet = [&] {
    printer.newPage();
    ++sheets;
    slot = 0;
  };
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) nextSheet();
    for (const auto& line : pages[p]) {
      QString rest = QString::fromStdString(line);
      do {
        if (slot == slotsPerSheet) nextSheet();
        painter.drawText(QPointF(0, slot * pitch + metrics.ascent()), rest.left(columns));
        rest.remove(0, columns);
        ++slot;
      } while (!rest.isEmpty());
    }
  }
  painter.end();
  return sheets;
}

PrntFile::PrntFile(fs::path appPath, const OptionValues& options, Host& host,
                   PrinterChooser choosePrinter, QWidget* parent)
    : QDialog(parent),
      appPath_(std::move(appPath)),
      options_(options),
      host_(host),
      choosePrinter_(std::move(choosePrinter)) {
  setObjectName("PrntFile");
  setWindowTitle("File To Print");
  content_ = new QPlainTextEdit(this);
  content_->setObjectName("RichtxtContent");
  content_->setLineWrapMode(QPlainTextEdit::NoWrap);
  content_->setFont(FixedPitchFont(kWindowFontPoints, false, false));
  auto* label = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.", this);
  print_ = new QPushButton("Print", this);
  print_->setObjectName("btnPrint");
  cancel_ = new QPushButton("Cancel", this);
  cancel_->setObjectName("btnCancel");

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(label);
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(content_);
  layout->addLayout(buttons);
  resize(720, 520);

  connect(print_, &QPushButton::clicked, this, [this] { btnPrint_Click(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  // Printed or cancelled, the window is gone: the next key is meant for
  // the window the print was asked from.
  ReturnKeyboardWhenFinished(*this);
}

bool PrntFile::Load() {
  const fs::path spool = PrintSpoolFile(appPath_);
  const auto lines = ReadTextLines(spool);
  if (!lines) {
    ReportMissingFile(host_, spool.string());
    return false;
  }
  QStringList text;
  text.reserve(static_cast<qsizetype>(lines->size()));
  for (const auto& line : *lines) text << QString::fromStdString(line);
  content_->setPlainText(text.join(QLatin1Char('\n')));
  return true;
}

int PrntFile::btnPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                         QPageLayout::Millimeter);
  OfferPdfWhenNoPrinter(printer, appPath_, kPdfName);
  if (!choosePrinter_(printer)) return 0;

  BusyCursor busy(host_);
  // The window's text is what gets printed, edits included.
  std::string text;
  AppendCrLfLine(text, content_->toPlainText().toStdString());
  if (!SaveFileAtomically(host_, PrintSpoolFile(appPath_), text)) return 0;
  const std::vector<std::string> lines = SplitLines(text);
  namespace O = OptionNumber;
  const PrinterFontChoice font = ChoosePrinterFont(lines, options_[O::PrintTenPointLineLength],
                                                   options_[O::PrintEightPointLineLength]);
  const float pageLines = options_[O::PrintLinesPerPage];
  const int sheets =
      PrintTextPages(printer, PaginateSpool(lines, pageLines), PrinterFontPoints(font), pageLines);
  if (sheets == 0) {
    ReportPrinterNotStarted(host_);
    return 0;
  }
  accept();
  return sheets;
}

}  // namespace orv
