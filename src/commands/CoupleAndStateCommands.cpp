#include "commands/CoupleAndStateCommands.h"

#include "commands/Workbench.h"
#include "listings/CompositeListings.h"
#include "listings/CosmicState.h"

namespace orv {

void ShowCosmicState(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListCosmicState(page, wb.Charts, wb.Options);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowComposite(Workbench& wb, const SecondPersonBox& box, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginOutputPage(wb.Output);
  ListCompositePlanets(page, wb.Charts, box, wb.Options);
  ListCompositeAspectGrid(page, wb.Charts, wb.Options);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

}  // namespace orv
