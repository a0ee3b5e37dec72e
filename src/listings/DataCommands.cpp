#include "listings/DataCommands.h"

#include "app/Workbench.h"
#include "listings/PositionListings.h"

namespace orv {

void ShowNatalData(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalData(page, wb.Charts, AntiscionAxisOf(wb.Options));
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowTransitData(Workbench& wb, const SecondPersonBox& box, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginOutputPage(wb.Output);
  ListTransitPositions(page, wb.Charts, box, AntiscionAxisOf(wb.Options));
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
  wb.Charts.Kind = ChartKind::Natal;
}

void ListNatalFirstPage(Workbench& wb, Host& host) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalData(page, wb.Charts, AntiscionAxisOf(wb.Options));
}

}  // namespace orv
