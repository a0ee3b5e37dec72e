#include "listings/CoupleAndStateCommands.h"

#include "app/Workbench.h"
#include "listings/CosmicState.h"

namespace orv {

void ShowCosmicState(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListCosmicState(page, wb.Charts, wb.Options);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

}  // namespace orv
