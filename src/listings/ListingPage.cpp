#include "listings/ListingPage.h"

namespace orv {

void ListingPage::Line(std::string_view text) {
  out.OutputLine.assign(text);
  AppendOutputLine(out, host);
}

void ListingPage::Blank() { AppendBlankLine(out, host); }

}  // namespace orv
