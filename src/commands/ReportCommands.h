#pragma once
// The Reports menu's commands and the data window's transit listing: each
// reads the computed charts of the program state and fills the report line
// buffer (or the output buffer) from the report texts.

#include "core/NumberFile.h"
#include "listings/ChartHeaders.h"
#include "reports/InterpretationReports.h"
#include "shell/OutputBuffer.h"

namespace orv {

class Host;
struct Workbench;

// `ListTransitInterps`: the heading and the day `TransitListDay` into the
// output buffer, the More menu marked shown, the day advanced. False (the
// page untouched) when NAT2TRAN.ORB cannot be read.
bool ListTransitInterps(Workbench& wb, Host& host);

// `AddTransitInterpsToReport`: one day into the report, the day advanced.
void AddTransitInterpsToReport(Workbench& wb, const OrbTable& twoChartOrbs,
                               TransitTextIndex& texts);

// Reports > Natal: the natal listing into the data window (`view`), then
// the natal report into the report buffer. False when NATAL.ORB is missing.
bool RunNatalReport(Workbench& wb, Host& host, OutputView& view);

// Reports > Transit: asks for the day count and builds the transit report.
// False when the user ended the command or NAT2TRAN.ORB is missing.
bool RunTransitReport(Workbench& wb, Host& host);

// Composite Report and Synastry Report: with chart 2 a second person, the
// report into the report buffer (the composite asking for the relationship
// latitude while option 40 is 0). False when chart 2 is no second person.
bool RunCompositeReport(Workbench& wb, const SecondPersonBox& box, Host& host);
bool RunSynastryReport(Workbench& wb, const SecondPersonBox& box, Host& host);

}  // namespace orv
