#pragma once
// The Data menu's two Magi Society commands: each lists its analysis after
// the charts' header and shows the page in the data window.

#include <string_view>

#include "listings/ChartHeaders.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// Data > Magi Society Aspects (Ctrl+M) and Data > Magi Society Aspects
// (natal) (Ctrl+Q). Before any chart was computed they do nothing (their
// menu items are disabled until then).
void ShowMagiCouple(Workbench& wb, const SecondPersonBox& box, std::string_view natalNameText,
                    Host& host, OutputView& view);
void ShowMagiNatal(Workbench& wb, std::string_view natalNameText, Host& host, OutputView& view);

}  // namespace orv
