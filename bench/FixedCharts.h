#pragma once
// The charts the listing benchmarks list: 12 May 1959, 10:43 A.M., zone 6,
// 75w23 39n45, with transits for 12 Jun 2026, computed once into `wb`.

#include "commands/Workbench.h"
#include "core/ChartDriver.h"

namespace orv::bench {

inline void ComputeFixedCharts(Workbench& wb, Host& host,
                               CosmoAngleChoice angles = CosmoAngleChoice::AscendantOnly) {
  wb.AppPath = ORVANTA_DATA_DIR;
  wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ChartDriverHooks hooks;
  ChartRequest r;
  r.natal = {"5", "12", "1959", "10", "43", "6", "75", "23", "39", "45", "", false, false, false};
  r.diurnal = {"12", "6", "2026", "9", "0", "5", "71", "4", "42", "21", "", false, false, false};
  r.angleChoice = angles;
  CalcCharts(host, wb.Charts, r, wb.Options, wb.Tables, hooks, true);
}

}  // namespace orv::bench
