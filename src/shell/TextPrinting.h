#pragma once
// Printing of text: the print font chosen from the spooled lines, and the
// division of the spooled lines into printed pages.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// `PrinterFontChoice`: the print font size.
enum class PrinterFontChoice { Points12 = 0, Points10 = 1, Points8 = 2 };

// The font for `lines`: 8 points when the longest line is longer than
// `longLineChars8pt` characters (option 118), else 10 points when it is longer
// than `longLineChars10pt` (option 117), else 12 points. The longest line
// decides, so no line asks for a font too large for it.
PrinterFontChoice ChoosePrinterFont(const std::vector<std::string>& lines, float longLineChars10pt,
                                    float longLineChars8pt);

// The size in points of a font choice.
int PrinterFontPoints(PrinterFontChoice choice);

// The printed pages of a spool file's `lines`: a line holding only a form
// feed is not printed but starts a new page; otherwise a new page starts
// after every `linesPerPage` lines (option 30; 0 or less: never), counted
// from the last page start. A last page left empty is not printed.
std::vector<std::vector<std::string>> PaginateSpool(const std::vector<std::string>& lines,
                                                    float linesPerPage);

}  // namespace orv
