#include "commands/OrgFitCommands.h"

#include "commands/CosmodynesCommands.h"
#include "commands/Workbench.h"
#include "core/Aspects.h"
#include "platform/Host.h"

namespace orv {

std::optional<OrgFitAnalysis> CurrentNatalOrgFit(Workbench& wb, Host& host) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(wb.AppPath, orbs, host)) return std::nullopt;
  BusyCursor busy(host);
  return CalcOrgFit(wb.Charts.Natal, CalcCosmodynes(wb, host).CosmoSummary, orbs);
}

void ShowNatalOFA(Workbench& wb, Host& host, OutputView& view) {
  // Worked out before the page is begun, so a missing file leaves no page
  // half made.
  const auto ofa = CurrentNatalOrgFit(wb, host);
  if (!ofa) return;
  BeginOutputPage(wb.Output);
  ListingPage page{wb.Output, host};
  ListNatalOFA(page, wb.Charts, *ofa);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

}  // namespace orv
