#include "commands/CosmodynesCommands.h"

#include "commands/Workbench.h"
#include "cosmodynes/Cosmodynes.h"
#include "cosmodynes/NatalCosmodynesReport.h"
#include "listings/ChartHeaders.h"
#include "listings/CosmicState.h"
#include "platform/Host.h"

namespace orv {

const Cosmodynes& CalcCosmodynes(Workbench& wb, Host& host) {
  BusyCursor busy(host);
  const NamesAnalysisChoices& boxes = wb.Input.Analysis;
  wb.Cosmo = CalcCosmodynes(wb.Charts.Natal, wb.Charts.CosmoAngles,
                            {boxes.ConsiderDignities, boxes.BeneficsMalefics});
  return wb.Cosmo;
}

void ListNatalCosmodynesPage(Workbench& wb, Host& host) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalCosmodynes(page, CalcCosmodynes(wb, host), wb.Charts.CosmoAngles, wb.Charts);
}

void ShowNatalCosmodynes(Workbench& wb, Host& host, OutputView& view) {
  ListNatalCosmodynesPage(wb, host);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowCosmicStatesAndCosmodynes(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListCosmicState(page, wb.Charts, wb.Options);
  ListNatalCosmodynes(page, CalcCosmodynes(wb, host), wb.Charts.CosmoAngles, wb.Charts);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

}  // namespace orv
