#pragma once
// The pair the printed-page tests print on two-chart wheels: a noon chart of
// 10 September 1960 in New York with a second person born 3 February 1904
// in London. Its combined wheel's bottom cusp label stands where the aspect
// grid's top rows are placed by default.

#include "RecordingHost.h"
#include "WheelTestCharts.h"
#include "commands/DualWheelCommands.h"

namespace orv::test {

// Computes the pair into `wb`, whose tables and options are read (as
// `ComputeWheelChart` reads them), and prepares the two-chart wheel `kind`.
inline void PreparePrintedPair(Workbench& wb, DualWheelKind kind) {
  ChartRequest r;
  r.name = "Renée Doe";
  r.natal = {"9", "10", "1960", "12", "0", "4", "73", "59", "40", "43", "", true, false, false};
  r.diurnal = {"2", "3", "1904", "6", "15", "0", "0", "07", "51", "30", "", false, false, false};
  r.secondPerson = true;
  RecordingHost host;
  ChartDriverHooks hooks;
  wb.Charts = {};
  if (CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true) != 0) wb.Charts = {};
  PrepareDualWheelCommand(wb, kind, {true, "Arthur Pendleton"});
}

}  // namespace orv::test
