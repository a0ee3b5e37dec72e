#include "commands/DataCommands.h"

#include <optional>

#include "commands/Workbench.h"
#include "core/Aspects.h"
#include "listings/ChurchOfLightAspects.h"
#include "listings/InterchartGrids.h"
#include "listings/LeastAspected.h"
#include "listings/NatalAspectGrid.h"
#include "listings/PositionListings.h"
#include "listings/TwoChartAspects.h"

namespace orv {

namespace {

using OrbReader = bool (*)(const std::filesystem::path&, OrbTable&, Host&);

// An orb file as it stands now, or nothing (reported) when it cannot be read.
std::optional<OrbTable> ReadOrbTable(OrbReader read, const Workbench& wb, Host& host) {
  OrbTable orbs{};
  if (!read(wb.AppPath, orbs, host)) return std::nullopt;
  return orbs;
}

void ListNatalAspects(ListingPage& page, const ChartArrays& natal, const OrbTable& natalOrbs) {
  ListNatalAspectGrid(page, natal.Longitudes, natal.Declinations, natalOrbs, LastPointOf(natal));
  ListCoLAspects(page, natal);
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
  const auto orbs = ReadOrbTable(ReadNatalOrbs, wb, host);
  if (!orbs) return;
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalAspects(page, wb.Charts.Natal, *orbs);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowCoLAspects(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListCoLAspects(page, wb.Charts.Natal);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowLeastAspectedPlanets(Workbench& wb, Host& host, OutputView& view) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListMostToLeastAspected(page, wb.Charts.Natal.Longitudes, LastPointOf(wb.Charts.Natal));
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowTransitAspectsToNatal(Workbench& wb, const SecondPersonBox& box,
                               std::string_view natalNameText, Host& host, OutputView& view) {
  // Read before the page is begun, so a missing file leaves no page half made.
  const auto orbs = ReadOrbTable(box.checked ? ReadSynastryOrbs : ReadNat2TranOrbs, wb, host);
  if (!orbs) return;
  ListingPage page{wb.Output, host};
  if (!box.checked) {
    BeginTransitListing(page, wb.Charts);
    ListTransitToNatalAspects(page, wb.Charts, *orbs);
  } else {
    BeginTwoChartListing(page, wb.Charts, box);
    page.Blank();
    page.Line("  " + wb.Charts.PersonName + "'s NATAL PLANET ASPECTS TO");
    page.Line("  " + box.caption + "'s NATAL PLANETS");
    ListSynastryAspects(page, wb.Charts, *orbs);
    page.Blank();
    ListInterchartAspectGrid(page, wb.Charts, natalNameText, box.caption, wb.Options);
    ListInterchartParallels(page, wb.Charts);
  }
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ShowTransitAspectsToTransits(Workbench& wb, const SecondPersonBox& box, Host& host,
                                  OutputView& view) {
  const auto orbs = ReadOrbTable(box.checked ? ReadNatalOrbs : ReadNat2TranOrbs, wb, host);
  if (!orbs) return;
  ListingPage page{wb.Output, host};
  if (!box.checked) {
    BeginTransitListing(page, wb.Charts);
    ListTransitToTransitAspects(page, wb.Charts.Diurnal, *orbs);
  } else {
    BeginOutputPage(wb.Output);
    page.Blank();
    page.Line("  " + box.caption);
    AppendDiurnalHeader(page, wb.Charts);
    page.Blank();
    const ChartArrays& second = wb.Charts.Diurnal;
    ListNatalAspectGrid(page, second.Longitudes, second.Declinations, *orbs, LastPointOf(second));
  }
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ListNatalFirstPage(Workbench& wb, Host& host) {
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, wb.Charts);
  ListNatalData(page, wb.Charts, AntiscionAxisOf(wb.Options));
  const auto orbs = ReadOrbTable(ReadNatalOrbs, wb, host);
  if (!orbs) return;
  ListNatalAspects(page, wb.Charts.Natal, *orbs);
}

}  // namespace orv
