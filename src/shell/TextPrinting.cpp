#include "shell/TextPrinting.h"

#include <algorithm>

#include "base/Text.h"

namespace orv {

PrinterFontChoice ChoosePrinterFont(const std::vector<std::string>& lines, float longLineChars10pt,
                                    float longLineChars8pt) {
  std::size_t longest = 0;
  for (const auto& line : lines) longest = std::max(longest, CharacterCount(line));
  const auto chars = static_cast<double>(longest);
  if (chars > longLineChars8pt) return PrinterFontChoice::Points8;
  if (chars > longLineChars10pt) return PrinterFontChoice::Points10;
  return PrinterFontChoice::Points12;
}

int PrinterFontPoints(PrinterFontChoice choice) {
  switch (choice) {
    case PrinterFontChoice::Points8:
      return 8;
    case PrinterFontChoice::Points10:
      return 10;
    case PrinterFontChoice::Points12:
      break;
  }
  return 12;
}

std::vector<std::vector<std::string>> PaginateSpool(const std::vector<std::string>& lines,
                                                    float linesPerPage) {
  std::vector<std::vector<std::string>> pages(1);
  // A page begun by the line count (or the first page) that is still empty
  // absorbs a form feed, so a form feed right after a full page does not
  // waste a sheet; a form feed after a form feed does give an empty page.
  bool pageBegunByCount = true;
  int counter = 1;
  for (const auto& line : lines) {
    if (line == "\f") {
      if (!(pageBegunByCount && pages.back().empty())) pages.emplace_back();
      pageBegunByCount = false;
      counter = 0;
    } else {
      pages.back().push_back(line);
      if (linesPerPage > 0 && counter == linesPerPage) {
        pages.emplace_back();
        pageBegunByCount = true;
        counter = 0;
      }
    }
    ++counter;
  }
  if (pages.size() > 1 && pages.back().empty()) pages.pop_back();
  return pages;
}

}  // namespace orv
