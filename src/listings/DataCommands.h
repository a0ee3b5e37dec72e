#pragma once
// The Data menu's listing commands: each writes one page from the computed
// charts and shows it in the data window.

#include "listings/ChartHeaders.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// Data > Natal Data (F2): the natal header and the natal data listing.
void ShowNatalData(Workbench& wb, Host& host, OutputView& view);

// Data > Transit Data (F5), "Natal Data - 2nd person" while the box is
// checked: chart 2's positions. Leaves `ChartKind` natal afterwards.
void ShowTransitData(Workbench& wb, const SecondPersonBox& box, Host& host, OutputView& view);

// The listing a calculation writes when option 33 is 0, on a page of its own;
// the chart driver shows it.
void ListNatalFirstPage(Workbench& wb, Host& host);

}  // namespace orv
