#pragma once
// What the report viewer does with the report line buffer, apart from any
// window: paging through it, the paged text it saves and prints, the file
// names it proposes, and Save and Save As with the RTF copy.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/NumberFile.h"
#include "reports/ReportState.h"

namespace orv {

class Host;

// The viewer's page: `ReportPageLines` lines from `ReportTopLine` on.
class ReportPager {
 public:
  static constexpr std::size_t ReportPageLines = 23;

  explicit ReportPager(const ReportState& report) : report_(report) {}

  std::size_t ReportTopLine() const { return top_; }
  // Back to the first page (a new report, or the window shown afresh).
  void Reset() { top_ = 0; }
  // A page (a line) on while the page shows no further than the empty line
  // past the last; back a page (a line), never before the first line.
  void NextPage();
  void PreviousPage();
  void ScrollLineDown();
  void ScrollLineUp();
  // The shown lines, each followed by CR LF; empty for an empty report.
  std::string PageText() const;

 private:
  bool CanMoveOn() const;
  const ReportState& report_;
  std::size_t top_ = 0;
};

// The saved (and printed) report: every line and the empty one past the
// last, on pages of option 131 - option 129 lines, each page closed by four
// empty lines, the page-number line ("Page n" after 37 blanks; an empty line
// on page 1) and a form-feed line; option 132 empty lines head every page
// after the first. The last page is filled out to its full length; a last
// page that would hold no report line is left out. CR LF line ends.
std::string SavedReportText(const ReportState& report, const OptionValues& options);

// Option 132 as a count of empty lines, 0 when not positive.
long PageTopLines(const OptionValues& options);

// The report lines a saved or printed page holds: option 131 (the page
// length) less option 129 (the lines kept free at its foot).
long PageBodyLines(const OptionValues& options);

// The two names the viewer proposes file names from.
struct ReportPersons {
  std::string first;   // `PersonName`
  std::string second;  // the second-chart window's 2nd-person caption
};

// The folder Save As starts in: N_REPORT for natal and transit reports,
// R_REPORT for the composite and synastry reports.
std::filesystem::path ReportFolder(const ReportState& report, const std::filesystem::path& appPath);

// The file name Save As proposes: natal, the first word of the name cut to 8
// characters (a one-word name gives "Natal report for <name>.txt");
// composite, up to 3 characters of each name before a blank, then "_C.txt";
// synastry, "Synastry report for <1> and <2>.txt"; a transit report,
// "Transit report for <name>.txt". A leading "m " or "w " is skipped, path
// separators and control characters become "_".
std::string ProposedReportFileName(const ReportState& report, const ReportPersons& persons);

// What a save wrote: the saved report and, for a natal, composite or
// synastry report, its RTF copy beside it.
struct SavedReportFiles {
  std::filesystem::path text;
  std::optional<std::filesystem::path> rtf;  // none for a transit report
  std::string savedText;                     // the text file's content
};

// Save: writes the saved report and its RTF copy to the viewer's file, or
// runs Save As when there is none yet. "No data to write to file." for an
// empty report. Both are written whole before either takes its name, the
// copy first (see WriteFilesAtomically), so a refusal or a full disk changes
// neither and the new text never stands beside an older copy; a transit
// report, which has no copy, leaves any .rtf file of its name alone. A
// failure is reported and returns nothing.
std::optional<SavedReportFiles> SaveReport(ReportState& report, const OptionValues& options,
                                           const std::filesystem::path& appPath,
                                           const ReportPersons& persons, Host& host);

// Save As: asks for a .txt file (see ReportTextFileName), saves there as
// Save does and, once saved, makes it the viewer's file. A file of the pair
// other than the chosen name that exists (X.txt for "X.rtf", X.rtf for
// "X.txt") is replaced only when the user says Yes to one question naming
// each such file; a folder in either place is named and never replaced.
// Cancel, No or a failed save writes nothing and keeps the viewer's file.
std::optional<SavedReportFiles> SaveReportAs(ReportState& report, const OptionValues& options,
                                             const std::filesystem::path& appPath,
                                             const ReportPersons& persons, Host& host);

}  // namespace orv
