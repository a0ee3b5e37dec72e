#include "reports/ReportText.h"

#include <cmath>

#include "base/LetterCase.h"
#include "base/Text.h"
#include "core/OptionNumbers.h"
#include "listings/ChartHeaders.h"
#include "platform/Files.h"
#include "platform/Host.h"
#include "reports/TextSections.h"

namespace fs = std::filesystem;

namespace orv {

namespace {

// Report lines are searched this far for a key; a long run of empty lines
// means the reader has left the part of the file that holds sections.
constexpr int kEmptyLinesBeforeGivingUp = 10;

void AddBlankLines(ReportState& report, long count) {
  for (long i = 0; i < count; ++i) AddBlankReportLine(report);
}

// The blank lines between the birth data and the personal header: the page
// holds option 131 - option 129 lines, of which `fixedLines` are taken.
long FillerLines(const ReportState& report, const OptionValues& options, int fixedLines) {
  return std::lround(double(options[OptionNumber::PageLength]) -
                     double(report.PersonalNamLines.size()) - fixedLines -
                     double(options[OptionNumber::PageFootLines]));
}

void AddPersonalHeader(ReportState& report) {
  for (const std::string& line : report.PersonalNamLines)
    AddReportLine(report, CentreReportLine(line));
}

}  // namespace

void ClearReportLines(ReportState& report) {
  report.ReportLines.clear();
  report.MissedSections = 0;
  report.ReportFileName.clear();
  report.TransitReport = false;
}

void AddReportLine(ReportState& report, std::string_view line) {
  report.ReportLines.emplace_back(line);
}

void AddBlankReportLine(ReportState& report) { report.ReportLines.emplace_back(); }

void AddSectionToReport(ReportState& report, std::string_view key, const fs::path& file) {
  const auto lines = ReadTextLines(file);
  const auto section =
      lines ? FindTextSection(*lines, key, kEmptyLinesBeforeGivingUp) : std::nullopt;
  if (!section) {
    ++report.MissedSections;
    return;
  }
  for (std::size_t i = section->first; i < section->end; ++i) AddReportLine(report, (*lines)[i]);
  if (section->terminated) AddBlankReportLine(report);
}

void AddFileToReport(ReportState& report, const fs::path& file) {
  const auto lines = ReadTextLines(file);
  if (!lines) {
    ++report.MissedSections;
    return;
  }
  for (const std::string& line : *lines) AddReportLine(report, line);
}

int ReportMissedSections(const ReportState& report, Host& host) {
  const int n = report.MissedSections;
  if (n == 1)
    host.ShowMessage("1 section of this report was not found in the program's text files.",
                     kTitleInformation, MessageIcon::Exclamation);
  else if (n > 1)
    host.ShowMessage(
        std::to_string(n) + " sections of this report were not found in the program's text files.",
        kTitleInformation, MessageIcon::Exclamation);
  return n;
}

void ReadPersonalNam(ReportState& report, const fs::path& appPath) {
  report.PersonalNamLines =
      ReadTextLines(ResolveInFolder(appPath, "PERSONAL.NAM")).value_or(std::vector<std::string>{});
}

std::string_view WithoutSexMark(std::string_view name) {
  if (name.size() > 2 && (name[0] == 'm' || name[0] == 'w') && name[1] == ' ')
    name.remove_prefix(2);
  return name;
}

std::string CentreReportLine(std::string_view text, int centre) {
  // Characters, not bytes, so that a name with accents centres as it reads.
  const int blanks = centre - int(CharacterCount(text) / 2);
  return std::string(std::size_t(blanks > 0 ? blanks : 0), ' ') + std::string(text);
}

std::string BirthDataLine(const ChartInputValues& input) {
  return ToUpperAscii(PlaceAndTimeLine(input));
}

void AddTitlePage(ReportState& report, std::string_view personName, const ChartInputValues& natal,
                  const OptionValues& options) {
  AddBlankLines(report, 5);
  AddReportLine(report, report.ReportTitle);
  AddBlankReportLine(report);
  AddReportLine(report, CentreReportLine(ToUpperText(WithoutSexMark(personName))));
  AddBlankLines(report, 2);
  AddReportLine(report, CentreReportLine(BirthDataLine(natal), 39));
  AddBlankLines(report, FillerLines(report, options, 11));
  AddPersonalHeader(report);
}

void AddCoupleTitlePage(ReportState& report, std::string_view personName,
                        const ChartInputValues& natal, std::string_view secondName,
                        const ChartInputValues& second, const OptionValues& options) {
  AddBlankLines(report, 5);
  AddReportLine(report, report.ReportTitle);
  AddBlankLines(report, 2);
  AddReportLine(report, CentreReportLine(ToUpperText(WithoutSexMark(personName))));
  AddBlankLines(report, 2);
  AddReportLine(report, CentreReportLine(BirthDataLine(natal), 39));
  AddBlankLines(report, 2);
  AddReportLine(report, std::string(39, ' ') + "and");
  AddBlankLines(report, 2);
  AddReportLine(report, CentreReportLine(ToUpperText(WithoutSexMark(secondName))));
  AddBlankLines(report, 2);
  AddReportLine(report, CentreReportLine(BirthDataLine(second), 39));
  AddBlankLines(report, FillerLines(report, options, 21));
  AddPersonalHeader(report);
}

void JoinReportParagraphs(ReportState& report) {
  auto blankTrimmedEmpty = [](std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
  };
  auto& lines = report.ReportLines;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (blankTrimmedEmpty(lines[i]) || lines[i].back() == ' ' || blankTrimmedEmpty(lines[i + 1]))
      continue;
    lines[i] += ' ';
  }
}

}  // namespace orv
