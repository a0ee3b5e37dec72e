#pragma once
// Building a report in the report line buffer: lines, whole text files and
// keyed sections of interpretation texts, the personal header, the two title
// pages and the paragraph joiner.
//
// An interpretation text file is read line by line, each line as it stands.
// A keyed section starts at the first line that, after leading blanks, begins
// with the key (letter case aside), and runs up to a line that is "*" or
// "[]" after leading blanks; that terminator is not part of it.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/ChartInput.h"
#include "core/NumberFile.h"
#include "reports/ReportState.h"

namespace orv {

class Host;

// `ClearReportLines`: starts a new report: no lines, no misses, not a
// transit report, and no save file for the viewer. Title, kind and personal
// header stay.
void ClearReportLines(ReportState& report);

// `AddReportLine`: appends `line`.
void AddReportLine(ReportState& report, std::string_view line);

// `AddBlankReportLine`: appends an empty line.
void AddBlankReportLine(ReportState& report);

// `AddSectionToReport`: appends the first section of `file` whose key line
// begins with `key`, then one blank line (none when the section runs to the
// end of the file). While searching, 10 empty lines in a row end the search.
// A missing file, a missing key or an abandoned search adds nothing and
// counts one miss.
void AddSectionToReport(ReportState& report, std::string_view key,
                        const std::filesystem::path& file);

// `AddFileToReport`: appends every line of `file`; a missing file adds
// nothing and counts one miss.
void AddFileToReport(ReportState& report, const std::filesystem::path& file);

// Tells the user once how many sections the report did not find ("Information",
// exclamation icon); says nothing when it found them all. Returns the count.
int ReportMissedSections(const ReportState& report, Host& host);

// `ReadPersonalNam`: the lines of PERSONAL.NAM in `appPath`; none when the
// file is missing or empty.
void ReadPersonalNam(ReportState& report, const std::filesystem::path& appPath);

// `name` without a leading "m " or "w ", the names file's mark of a man or a
// woman.
std::string_view WithoutSexMark(std::string_view name);

// `text` after 40 - Int(Len / 2) blanks (none when that is below 0), the
// centring of names, titles and the personal header lines.
std::string CentreReportLine(std::string_view text, int centre = 40);

// The birth-data line of a chart (date, zone, clock time and coordinates,
// upper-cased), before centring.
std::string BirthDataLine(const ChartInputValues& input);

// `AddTitlePage`: the one-person title page: the title, the person's name
// (without the names file's "m " or "w "), chart 1's birth data, blank lines
// down to the personal header at the foot, so the page fills option 131 -
// option 129 lines.
void AddTitlePage(ReportState& report, std::string_view personName, const ChartInputValues& natal,
                  const OptionValues& options);

// `AddCoupleTitlePage`: the same for two persons, with "and" between them.
void AddCoupleTitlePage(ReportState& report, std::string_view personName,
                        const ChartInputValues& natal, std::string_view secondName,
                        const ChartInputValues& second, const OptionValues& options);

// `JoinReportParagraphs`: ends with a blank every line that continues a
// paragraph (a non-empty line not ending in a blank, before a non-empty one),
// so that a reader joining lines at such blanks rebuilds the paragraphs.
void JoinReportParagraphs(ReportState& report);

}  // namespace orv
