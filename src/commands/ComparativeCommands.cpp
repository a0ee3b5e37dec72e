#include "commands/ComparativeCommands.h"

#include "commands/Workbench.h"
#include "core/OptionNumbers.h"
#include "platform/Host.h"
#include "relationship/comparative/ComparativeListing.h"

namespace orv {

namespace {

void RunAndCopy(Workbench& wb, ListingPage& page, const SecondPersonBox& box, bool withAspects,
                Host& host) {
  const ComparativeRun run =
      ListComparativeCosmodynes(page, wb.Charts, box, ComparativeSettingsOf(wb, withAspects));
  host.SetClipboardText(run.ClipboardText);
}

}  // namespace

ComparativeSettings ComparativeSettingsOf(const Workbench& wb, bool withAspects) {
  ComparativeSettings s;
  s.Angles = wb.Charts.CosmoAngles;
  s.BeneficsMalefics = wb.Input.Analysis.BeneficsMalefics;
  s.IncludeMR = wb.Input.Analysis.IncludeMR;
  s.OppositionMode = wb.Options[OptionNumber::ComparativeCosmoMode];
  s.ListAspects = withAspects;
  return s;
}

void ShowDualCosmodynes(Workbench& wb, const SecondPersonBox& box, bool withAspects, Host& host,
                        OutputView& view) {
  ListingPage page{wb.Output, host};
  if (box.checked)
    BeginTwoChartListing(page, wb.Charts, box);
  else
    BeginNatalListing(page, wb.Charts);
  {
    BusyCursor busy(host);
    RunAndCopy(wb, page, box, withAspects, host);
  }
  ShowOutputPage(wb.Output, wb.AppPath, host, view);
}

void ListComparativeFirstPage(Workbench& wb, const SecondPersonBox& box, bool withAspects,
                              Host& host) {
  ListingPage page{wb.Output, host};
  BeginTwoChartListing(page, wb.Charts, box);
  RunAndCopy(wb, page, box, withAspects, host);
}

}  // namespace orv
