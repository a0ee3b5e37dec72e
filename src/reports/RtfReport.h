#pragma once
// The RTF copy of a saved natal, composite or synastry report: the title
// from the title page, the body between the report's opening and closing
// sentences with its paragraph lines joined, its page footers removed and
// its headings in bold, in a fixed RTF frame. Transit reports get none.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/ReportState.h"

namespace orv {

// The copy's name beside `textFile`: a ".txt" extension (any case) replaced
// by ".rtf", any other name with ".rtf" appended, so it is never the text
// file itself.
std::filesystem::path RtfFileName(const std::filesystem::path& textFile);

// The text file of a report saved under the name `chosen`: a name with the
// copy's ".rtf" extension (any case) is taken for its stem with ".txt", as
// the save dialog completes a name typed without one, so the ".rtf" file of
// the pair is the copy; any other name as it is.
std::filesystem::path ReportTextFileName(const std::filesystem::path& chosen);

// Whether the saved text is a transit report ("TRANSIT REPORT FOR" within
// its first 150 characters).
bool IsTransitReportText(std::string_view savedText);

// The whole RTF file for the saved report text (UTF-8) of `kind`, saved
// with `pageTopLines` empty lines heading each page after the first (option
// 132). The page furniture goes before anything else, so no paragraph is
// split at a page end. Text characters `\`, `{` and `}` are escaped;
// characters beyond ASCII are written as code page 1252 bytes (\'hh) or,
// outside it, as \uN? (two, a surrogate pair, beyond 0xFFFF). A missing
// opening or closing sentence makes the body everything after the title page.
std::string RtfReportText(std::string_view savedText, ReportKind kind, long pageTopLines = 0);

// One paragraph of the RTF copy as shown on screen: its text (UTF-8) in
// runs, bold or not.
struct RtfRun {
  std::string text;
  bool bold = false;
};
struct RtfParagraph {
  bool centred = false;
  std::vector<RtfRun> runs;
};

// The paragraphs of an RTF copy written by RtfReportText (the header's
// font, colour and footer groups left out); a surrogate pair of \uN? is one
// character.
std::vector<RtfParagraph> ReadRtfParagraphs(std::string_view rtf);

}  // namespace orv
