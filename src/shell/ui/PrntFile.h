#pragma once
// The print window: the spooled text, editable, printed on a printer or to a
// PDF file in a fixed-pitch font whose size suits the longest line.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/NumberFile.h"

class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace orv {

class Host;

// Lets the user pick the printer (or a PDF file) for `printer`; false when
// the user cancels.
using PrinterChooser = std::function<bool(QPrinter& printer)>;

// The print dialog: the installed printers and printing to a PDF file. It
// belongs to the window the user opened it from (else `parent`), which has
// the keyboard back when it closes, as after the host's dialogs.
bool ChoosePrinterWithDialog(QPrinter& printer, QWidget* parent);

// When no printer is installed: `printer` writes a PDF file, proposed as
// `pdfName` ("REPORTS\\PRNTFILE.PDF") in the program folder, for the user to
// confirm or change in the print dialog.
void OfferPdfWhenNoPrinter(QPrinter& printer, const std::filesystem::path& appPath,
                           std::string_view pdfName);

// "The printer could not be started.", titled "Warning!".
void ReportPrinterNotStarted(Host& host);

// When `printer` wrote a PDF file: one line naming it and its `pages`
// ("The PDF file <path> holds 12 pages."), titled "Information".
void ReportPdfWritten(Host& host, const QPrinter& printer, int pages);

// Prints `pages` (from PaginateSpool) on `printer` in the fixed-pitch font at
// `points`. The line pitch is narrowed where needed so that `linesPerPage`
// lines (option 30) fit a sheet; a line wider than the sheet goes on over the
// next printed lines and a page too long for a sheet goes on over the next.
// Returns the number of sheets, or 0 when the printer cannot be started.
int PrintTextPages(QPrinter& printer, const std::vector<std::vector<std::string>>& pages,
                   int points, float linesPerPage);

class PrntFile : public QDialog {
  Q_OBJECT

 public:
  PrntFile(std::filesystem::path appPath, const OptionValues& options, Host& host,
           PrinterChooser choosePrinter, QWidget* parent = nullptr);

  // Puts the spool file's text in the window. False, with the missing file
  // reported, when there is no spool file.
  bool Load();

  // Print: lets the user choose the printer, writes the window's text back
  // to the spool file, prints it and closes the window. Returns the number
  // of sheets printed (0: cancelled or failed, and the window stays).
  int btnPrint_Click();

  QPlainTextEdit* RichtxtContent() const { return content_; }

 private:
  std::filesystem::path appPath_;
  const OptionValues& options_;
  Host& host_;
  PrinterChooser choosePrinter_;
  QPlainTextEdit* content_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace orv
