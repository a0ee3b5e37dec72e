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

#include "shell/ReportState.h"

namespace orv {

class Host;

// The copy's name beside `textFile`: a ".txt" extension (any case) replaced
// by ".rtf", any other name with ".rtf" appended, so it is never the text
// file itself.
std::filesystem::path RtfFileName(const std::filesystem::path& textFile);

// Whether the saved text is a transit report ("TRANSIT REPORT FOR" within
// its first 150 characters).
bool IsTransitReportText(std::string_view savedText);

// The whole RTF file for the saved report text (UTF-8) of `kind`. Text
// characters `\`, `{` and `}` are escaped; characters beyond ASCII are
// written as code page 1252 bytes (\'hh) or, outside it, as \uN?. A missing
// opening or closing sentence makes the body everything after the title page.
std::string RtfReportText(std::string_view savedText, ReportKind kind);

// Writes the RTF copy of the report saved in `textFile` (whose text is
// `savedText`) beside it, atomically; a failure is reported. Returns the
// copy's path, or nothing for a transit report or a failed write.
std::optional<std::filesystem::path> WriteRtfCopy(const std::filesystem::path& textFile,
                                                  std::string_view savedText, ReportKind kind,
                                                  Host& host);

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
// font, colour and footer groups left out).
std::vector<RtfParagraph> ReadRtfParagraphs(std::string_view rtf);

}  // namespace orv
