#pragma once
// The Data menu's listing commands: each writes one page from the computed
// charts and shows it in the data window.

#include <string_view>

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

// Data > Natal Aspects (F3): chart 1's aspect grid and Church of Light
// aspects. A missing NATAL.ORB is reported and nothing is written or shown.
void ShowNatalAspects(Workbench& wb, Host& host, OutputView& view);

// Data > Church of Light Aspects (F4).
void ShowCoLAspects(Workbench& wb, Host& host, OutputView& view);

// Data > Least Aspected Planet (Ctrl+L).
void ShowLeastAspectedPlanets(Workbench& wb, Host& host, OutputView& view);

// Data > Transit Aspects to Natal (F6), "Interchart Aspects" while the box is
// checked. Transits: chart 2's aspects to chart 1 with NAT2TRAN.ORB. A
// second person: the two-chart header, the synastry aspect list with
// SYNASTRY.ORB and the interchart aspect and parallel grids;
// `natalNameText` is the natal input window's name box. A missing orb file
// is reported and nothing is written or shown.
void ShowTransitAspectsToNatal(Workbench& wb, const SecondPersonBox& box,
                               std::string_view natalNameText, Host& host, OutputView& view);

// Data > Transit Aspects to Transits (F7), "Natal Aspects - 2nd person"
// while the box is checked. Transits: the aspects among chart 2's points
// with NAT2TRAN.ORB. A second person: chart 2's own aspect grid with
// NATAL.ORB under person 2's name and place line. A missing orb file is
// reported and nothing is written or shown.
void ShowTransitAspectsToTransits(Workbench& wb, const SecondPersonBox& box, Host& host,
                                  OutputView& view);

// The listing a calculation writes when option 33 is 0, on a page of its own:
// the natal header and data, chart 1's aspect grid and the Church of Light
// aspects. The chart driver shows it. A missing NATAL.ORB is reported and
// the page ends after the natal data.
void ListNatalFirstPage(Workbench& wb, Host& host);

}  // namespace orv
