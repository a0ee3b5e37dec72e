#pragma once
// Reports built of the shipped framing texts, as the report commands build
// them, for the report tests.

#include <string>
#include <vector>

#include "core/NumberFile.h"
#include "platform/Files.h"
#include "reports/ReportText.h"

namespace orv::test {

// Options 131 = 66, 129 = 6: pages of 60 body lines.
inline OptionValues ReportPageOptions() {
  OptionValues options{};
  options[131] = 66, options[129] = 6;
  return options;
}

// New York, 4 July 1976, 10.30 A.M., zone 5.
inline ChartInputValues SampleBirth() {
  ChartInputValues v;
  v.day = 4, v.month = 7, v.year = 1976, v.time = 10.30f, v.timeZone = 5, v.amPm = "A.M.";
  v.longitude = 74, v.eastWest = "West", v.latitude = 40.43f, v.northSouth = "North";
  return v;
}

// The title page (one person for a natal report), then `files` from the
// data folder, each after a blank line, with `body` before the last.
inline ReportState SampleReport(ReportKind kind, const std::vector<const char*>& files,
                                const std::vector<std::string>& body) {
  ReportState report;
  report.CurrentReportKind = kind;
  report.ReportTitle =
      CentreReportLine(kind == ReportKind::Natal ? "NATAL REPORT FOR" : "COMPOSITE REPORT FOR");
  if (kind == ReportKind::Natal)
    AddTitlePage(report, "Mary Ann Jones", SampleBirth(), ReportPageOptions());
  else
    AddCoupleTitlePage(report, "Al", SampleBirth(), "Bea", SampleBirth(), ReportPageOptions());
  for (size_t i = 0; i < files.size(); ++i) {
    if (i + 1 == files.size())
      for (const std::string& line : body) AddReportLine(report, line);
    AddBlankReportLine(report);
    AddFileToReport(report, ResolveInFolder(ORVANTA_DATA_DIR, files[i]));
  }
  if (kind != ReportKind::Natal) JoinReportParagraphs(report);
  return report;
}

// The framing texts of the three reports, in the order the reports read them.
inline const std::vector<const char*> kNatalFraming = {"PHILO.HLP", "ASCSIGN.TXT", "SIGN.TXT",
                                                       "HOUSE.TXT", "ASPECT.TXT",  "CLOSING.TXT"};
inline const std::vector<const char*> kCompositeFraming = {
    "COMPOSIT\\COMPOPEN", "COMPOSIT\\PLHOUSE", "COMPOSIT\\PLASPECT", "COMPOSIT\\CLOSING"};
inline const std::vector<const char*> kSynastryFraming = {
    "SYNASTRY\\DOCS\\INTRO", "SYNASTRY\\DOCS\\RISING", "SYNASTRY\\DOCS\\ASPECT",
    "SYNASTRY\\DOCS\\CLOSING"};

}  // namespace orv::test
