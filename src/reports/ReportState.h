#pragma once
// The report line buffer: the interpretation report being built or viewed,
// apart from the data window's output buffer. The report commands fill it;
// the report viewer pages, prints and saves it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// `CurrentReportKind`: which report the buffer holds (the transit report
// leaves the kind of the report before it).
enum class ReportKind { Natal = 0, Composite = 1, Synastry = 2 };

struct ReportState {
  // `ReportLines`: lines 0 .. count - 1. Readers ask through ReportLine,
  // which gives the empty line past the last one (the viewer's last page
  // shows it) and beyond.
  std::vector<std::string> ReportLines;
  // `ReportTitle`: the centred title line of the title page.
  std::string ReportTitle;
  ReportKind CurrentReportKind = ReportKind::Natal;
  // Set by the transit report, which keeps the kind of the report before it:
  // it is saved under its own name and gets no RTF copy.
  bool TransitReport = false;
  // `PersonalNamLines`: the lines of PERSONAL.NAM, printed at the foot of
  // every title page.
  std::vector<std::string> PersonalNamLines;
  // Sections and text files a report looked for and did not find; the
  // report command tells the user the count once, at the end.
  int MissedSections = 0;
  // The file the report viewer's Save writes; empty: ask with Save As. The
  // viewer's own, so saving a report never overwrites a listing the data
  // window saved; a new report starts without one.
  std::string ReportFileName;

  std::size_t ReportLineCount() const { return ReportLines.size(); }
  // `GetReportLine`: line `index`, or the empty line past the end.
  std::string_view ReportLine(std::size_t index) const {
    return index < ReportLines.size() ? std::string_view(ReportLines[index]) : std::string_view();
  }
};

}  // namespace orv
