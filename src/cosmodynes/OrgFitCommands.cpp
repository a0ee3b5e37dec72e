#include "cosmodynes/OrgFitCommands.h"

#include "core/Aspects.h"
#include "platform/Host.h"
#include "shell/Workbench.h"

namespace orv {

Cosmodynes CurrentNatalCosmodynes(const Workbench& wb) {
  CosmodyneOptions options;
  options.ConsiderDignities = wb.Input.Analysis.ConsiderDignities;
  options.BeneficsMalefics = wb.Input.Analysis.BeneficsMalefics;
  return CalcCosmodynes(wb.Charts.Natal, wb.Charts.CosmoAngles, options);
}

std::optional<OrgFitAnalysis> CurrentNatalOrgFit(Workbench& wb, Host& host) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(wb.AppPath, orbs, host)) return std::nullopt;
  BusyCursor busy(host);
  return CalcOrgFit(wb.Charts.Natal, CurrentNatalCosmodynes(wb).CosmoSummary, orbs);
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
