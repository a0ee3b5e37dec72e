#pragma once
// The Data menu's organizational fit commands, up to the point where the
// printed page needs a printer.

#include <optional>

#include "cosmodynes/OrgFit.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// The analysis of chart 1 with a fresh cosmodynes scoring of the program
// state and NATAL.ORB, under the busy cursor. A missing NATAL.ORB is
// reported and gives nothing.
std::optional<OrgFitAnalysis> CurrentNatalOrgFit(Workbench& wb, Host& host);

// Data > Org. Fit Analysis (OFA): the analysis as a page of the data window.
// Without NATAL.ORB nothing is written or shown.
void ShowNatalOFA(Workbench& wb, Host& host, OutputView& view);

}  // namespace orv
