#include "commands/MagiCommands.h"

#include "commands/Workbench.h"
#include "listings/ListingPage.h"
#include "relationship/magi/MagiAnalyses.h"

namespace orv {

void ShowMagiCouple(Workbench& wb, const SecondPersonBox& box, std::string_view natalNameText,
                    Host& host, OutputView& view) {
  if (!wb.Charts.Computed) return;
  ListingPage page{wb.Output, host};
  BeginTwoChartListing(page, wb.Charts, box);
  ListMagiCouple(page, wb.Charts, natalNameText, box.caption, wb.Tables);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowMagiNatal(Workbench& wb, std::string_view natalNameText, Host& host, OutputView& view) {
  if (!wb.Charts.Computed) return;
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListMagiNatal(page, wb.Charts.Natal, natalNameText);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

}  // namespace orv
