#include "listings/DataCommands.h"

#include <optional>

#include "app/Workbench.h"
#include "core/Aspects.h"
#include "listings/ChurchOfLightAspects.h"
#include "listings/LeastAspected.h"
#include "listings/NatalAspectGrid.h"
#include "listings/PositionListings.h"

namespace orv {

namespace {

// NATAL.ORB as it stands now, or nothing (reported) when it cannot be read.
std::optional<OrbTable> ReadNatalOrbTable(const Workbench& wb, Host& host) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(wb.AppPath, orbs, host)) return std::nullopt;
  return orbs;
}

// After a calculation the working chart holds chart 2.
void CopyNatalToWorking(ChartModel& charts) {
  charts.Working.Longitudes = charts.Natal.Longitudes;
  charts.Working.Declinations = charts.Natal.Declinations;
}

void ListNatalAspects(ListingPage& page, const ChartModel& charts, const OrbTable& natalOrbs) {
  ListNatalAspectGrid(page, charts.Working.Longitudes, charts.Working.Declinations, natalOrbs);
  ListCoLAspects(page, charts.Natal);
}

}  // namespace

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

void ShowNatalAspects(Workbench& wb, Host& host, OutputView& view) {
  // Read before the page is begun, so a missing file leaves no page half made.
  const auto orbs = ReadNatalOrbTable(wb, host);
  if (!orbs) return;
  CopyNatalToWorking(wb.Charts);
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalAspects(page, wb.Charts, *orbs);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowCoLAspects(Workbench& wb, Host& host, OutputView& view) {
  CopyNatalToWorking(wb.Charts);
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListCoLAspects(page, wb.Charts.Natal);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowLeastAspectedPlanets(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListMostToLeastAspected(page, wb.Charts.Natal.Longitudes);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ListNatalFirstPage(Workbench& wb, Host& host) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalData(page, wb.Charts, AntiscionAxisOf(wb.Options));
  const auto orbs = ReadNatalOrbTable(wb, host);
  if (!orbs) return;
  CopyNatalToWorking(wb.Charts);
  ListNatalAspects(page, wb.Charts, *orbs);
}

}  // namespace orv
