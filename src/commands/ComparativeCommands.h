#pragma once
// The Data menu's Dual Cosmodynes commands and the comparative listing a
// calculation writes for a second person.

#include "listings/ChartHeaders.h"
#include "relationship/comparative/ComparativeScoring.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// The settings of a run from the program state: the names window's
// "Benefics/Malefics?" and "incl MR", option 238 and the angle choice of
// the last calculation; `withAspects` keeps the individual aspect lines.
ComparativeSettings ComparativeSettingsOf(const Workbench& wb, bool withAspects);

// Data > Dual Cosmodynes (Ctrl+C), and with `withAspects` Data > Dual
// Cosmodynes with indiv. aspects (Ctrl+V): the natal header (the two-chart
// header for a second person), the comparative listing, the page shown and
// its compact copy put on the clipboard.
void ShowDualCosmodynes(Workbench& wb, const SecondPersonBox& box, bool withAspects, Host& host,
                        OutputView& view);

// What a calculation writes when option 33 asks for cosmodynes and chart 2
// is a second person: the two-chart header and the comparative listing,
// copied to the clipboard; the chart driver shows the page.
void ListComparativeFirstPage(Workbench& wb, const SecondPersonBox& box, bool withAspects,
                              Host& host);

}  // namespace orv
