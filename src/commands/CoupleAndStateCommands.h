#pragma once
// The Data menu's Cosmic State and Composite commands: each writes one page
// from the computed charts and shows it in the data window.

#include "listings/ChartHeaders.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// Data > Cosmic State (Ctrl+E): the natal header and chart 1's cosmic state
// table.
void ShowCosmicState(Workbench& wb, Host& host, OutputView& view);

// Data > Composite (Ctrl+S): the composite planet listing and the composite
// aspect grid, each computing the composite chart (and asking for the
// relationship latitude while option 40 is 0).
void ShowComposite(Workbench& wb, const SecondPersonBox& box, Host& host, OutputView& view);

}  // namespace orv
