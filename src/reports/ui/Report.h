#pragma once
// The report viewer: the report line buffer 23 lines at a time in a
// read-only fixed-pitch view, paged by buttons and keys, printed, saved as a
// paged text file, and (Save As) copied to RTF and shown in the RTF window.

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/NumberFile.h"
#include "reports/ReportState.h"
#include "reports/ReportViewer.h"
#include "shell/ui/PrntFile.h"

class QPlainTextEdit;
class QPushButton;

namespace orv {

class Host;
class RTF_form;

// What the viewer asks of the rest of the program.
struct ReportWindowLinks {
  // The two names Save As proposes file names from.
  std::function<ReportPersons()> Persons;
  // Picks the printer; empty: the print dialog, or a PDF file the user
  // names when no printer is installed.
  PrinterChooser ChoosePrinter;
  // Opens a saved RTF copy in the desktop's program for it; returns false
  // when no program took it. Empty: the desktop's own choice.
  std::function<bool(const std::filesystem::path&)> OpenInDesktop;

  // Throws std::logic_error naming the first link left unbound;
  // `ChoosePrinter` and `OpenInDesktop` may stay empty.
  void RequireBound() const;
};

class Report : public QWidget {
  Q_OBJECT

 public:
  // Shows the first page of `report` (the window's load).
  Report(ReportState& report, const OptionValues& options, std::filesystem::path appPath,
         const std::string& captionPrefix, Host& host, ReportWindowLinks links,
         QWidget* parent = nullptr);
  ~Report() override;

  // `ShowReportPage`: the lines from the top line on, the caption, and the
  // focus on PageDOWN; nothing for an empty report.
  void ShowReportPage();
  void cmdPageDOWN_Click();
  void cmdPageUP_Click();
  void cmdDown1_Click();
  void cmdUp1_Click();
  // Prints the paged report; returns the sheets printed (0: cancelled).
  int btnPrint_Click();
  // Save and Save As write the report and its RTF copy alike, then show
  // what was written in the RTF window.
  void cmdSave_Click();
  void cmdSaveAs_Click();

  const ReportPager& Pager() const { return pager_; }
  QPlainTextEdit* txtContent() const { return content_; }
  // The RTF window a save opened last, if it is still open.
  RTF_form* RtfWindow() const { return rtf_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool PageKey(int key);
  void ShowSavedReport(const std::optional<SavedReportFiles>& saved);

  ReportState& report_;
  const OptionValues& options_;
  std::filesystem::path appPath_;
  Host& host_;
  ReportWindowLinks links_;
  ReportPager pager_;
  QPlainTextEdit* content_ = nullptr;
  QPushButton* pageUp_ = nullptr;
  QPushButton* pageDown_ = nullptr;
  QPointer<RTF_form> rtf_;
};

}  // namespace orv
