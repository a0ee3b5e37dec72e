#include "shell/ui/ChartRun.h"

#include "base/Links.h"
#include "commands/Workbench.h"
#include "shell/OutputBuffer.h"
#include "shell/ui/InputD.h"
#include "shell/ui/InputD1.h"

namespace orv {

void ChartRunLinks::RequireBound() const {
  RequireLinks("ChartRunLinks",
               {{"Listings.ListNatalFirstPage", bool(Listings.ListNatalFirstPage)},
                {"Listings.ListTransitInterpretations", bool(Listings.ListTransitInterpretations)},
                {"Listings.ListNatalCosmodynes", bool(Listings.ListNatalCosmodynes)},
                {"Listings.ListComparativeCosmodynes", bool(Listings.ListComparativeCosmodynes)},
                {"ShowChartMenus", bool(ShowChartMenus)}});
}

ChartRunHooks::ChartRunHooks(Workbench& workbench, Host& host, OutputView& dataWindow,
                             const ChartRunLinks& links, bool emptyOutputFirst)
    : workbench_(workbench),
      host_(host),
      dataWindow_(dataWindow),
      links_(links),
      emptyOutputFirst_(emptyOutputFirst) {}

void ChartRunHooks::HideInputWindows() {
  busy_.emplace(host_);
  if (links_.HideInputWindows) links_.HideInputWindows();
  if (emptyOutputFirst_) {
    ClearAllOutput(workbench_.Output);
  }
}

void ChartRunHooks::ShowChartMenus() {
  if (links_.ShowChartMenus) links_.ShowChartMenus();
}

void ChartRunHooks::ClearOutputBuffer() { orv::ClearOutputBuffer(workbench_.Output); }

void ChartRunHooks::ListNatalFirstPage() {
  if (links_.Listings.ListNatalFirstPage) links_.Listings.ListNatalFirstPage();
}

void ChartRunHooks::ListTransitInterpretations() {
  if (links_.Listings.ListTransitInterpretations) links_.Listings.ListTransitInterpretations();
}

void ChartRunHooks::ListNatalCosmodynes() {
  if (links_.Listings.ListNatalCosmodynes) links_.Listings.ListNatalCosmodynes();
}

void ChartRunHooks::ListComparativeCosmodynes(bool withGrid) {
  if (links_.Listings.ListComparativeCosmodynes)
    links_.Listings.ListComparativeCosmodynes(withGrid);
}

void ChartRunHooks::ShowOutputPage() {
  orv::ShowOutputPage(workbench_.Output, workbench_.AppPath, host_, dataWindow_);
}

ChartRequest GatherChartRequest(InputD& natal, InputD1& second, HouseSystemCode houseSystem,
                                DateOrderKind dateOrder) {
  natal.CommitHour();
  second.CommitHour();
  ChartRequest request;
  const NatalInputFields n = natal.NatalFields();
  request.name = n.Name;
  request.natal = n;
  request.diurnal = second.Fields();
  request.angleChoice = second.AngleChoice();
  request.secondPerson = second.SecondPerson();
  request.secondCaption = second.SecondFields().SecondPersonCaption;
  request.houseSystem = houseSystem;
  request.dateOrder = int(dateOrder);
  return request;
}

int RunCharts(Workbench& workbench, Host& host, InputD& natal, InputD1& second,
              HouseSystemCode houseSystem, ChartRunHooks& hooks) {
  const ChartRequest request =
      GatherChartRequest(natal, second, houseSystem, workbench.Regional.DateOrder);
  const int inputError =
      CalcCharts(host, workbench.Charts, request, workbench.Options, workbench.Tables, hooks);
  hooks.Finish();
  return inputError;
}

}  // namespace orv
