#pragma once
// Where a listing writes: the output line buffer, and the host that hears of
// a full buffer. Listings only append; the command that runs them begins and
// shows the page.

#include <string>
#include <string_view>

#include "shell/OutputBuffer.h"

namespace orv {

class Host;

struct ListingPage {
  OutputState& out;
  Host& host;

  // Makes `text` the output line and appends it to the page.
  void Line(std::string_view text);
  // Appends an empty line.
  void Blank();
};

}  // namespace orv
