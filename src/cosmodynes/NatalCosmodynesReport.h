#pragma once
// The natal cosmodynes report: the planet, sign and house tables in order of
// power and of harmony less discord, the sign and house group summaries, the
// hemisphere balances and the cosmodynes aspect grid, with a compact
// side-by-side copy of it for the clipboard.

#include <string>
#include <vector>

#include "core/ChartModel.h"
#include "cosmodynes/CosmodynesArrays.h"
#include "listings/ListingPage.h"

namespace orv {

// `ListNatalCosmodynes`: appends the report of `cosmo`, scored under
// `angles`, to `page` (begun by the caller with the natal header of
// `charts`), puts its compact copy on the clipboard as CR LF lines and
// returns the copy's lines (`CosmoReportLines`, at most 83). Busy cursor
// while it runs. A percentage whose column total is 0 shows 0.0.
std::vector<std::string> ListNatalCosmodynes(ListingPage& page, const Cosmodynes& cosmo,
                                             CosmoAngleChoice angles, const ChartModel& charts);

// `ListCosmodynesAspectGrid`: the report's last section, the aspect grid
// (power above the diagonal, harmony less discord below it) of the points
// `angles` admits, appended to `page` and to the compact copy `copy`.
void ListCosmodynesAspectGrid(ListingPage& page, const Cosmodynes& cosmo, CosmoAngleChoice angles,
                              std::vector<std::string>& copy);

// The clipboard text of a compact copy: every line followed by CR LF.
std::string CosmoReportClipboardText(const std::vector<std::string>& lines);

}  // namespace orv
