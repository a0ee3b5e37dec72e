#include "commands/ReportCommands.h"

#include "commands/Workbench.h"
#include "core/Aspects.h"
#include "core/HousePlacement.h"
#include "listings/ChurchOfLightAspects.h"
#include "listings/CompositeListings.h"
#include "listings/PositionListings.h"
#include "platform/Host.h"
#include "reports/CoupleReports.h"
#include "reports/ReportText.h"

namespace orv {

bool ListTransitInterps(Workbench& wb, Host& host) {
  OrbTable orbs{};
  if (!ReadNat2TranOrbs(wb.AppPath, orbs, host)) return false;
  TransitTextIndex texts(wb.AppPath, &host);
  OutputState& out = wb.Output;
  auto line = [&](std::string text) {
    out.OutputLine = std::move(text);
    AppendOutputLine(out, host);
  };
  AppendBlankLine(out, host);
  line(std::string(20, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  AppendBlankLine(out, host);
  const double day = wb.Charts.TransitListDay;
  for (std::string& l : TransitDayLines(TransitDayPositions(wb.Charts, wb.Options, day),
                                        wb.Charts, wb.Options, orbs, texts, day))
    line(std::move(l));
  wb.Charts.TransitListDay += 1;
  AppendBlankLine(out, host);
  out.MoreMenuShown = true;
  return true;
}

void AddTransitInterpsToReport(Workbench& wb, const OrbTable& twoChartOrbs,
                               TransitTextIndex& texts) {
  AddBlankReportLine(wb.Report);
  const double day = wb.Charts.TransitListDay;
  const auto lines = TransitDayLines(TransitDayPositions(wb.Charts, wb.Options, day), wb.Charts,
                                     wb.Options, twoChartOrbs, texts, day);
  for (const std::string& l : lines) AddReportLine(wb.Report, l);
  if (lines.back() == "     No aspects today.") AddBlankReportLine(wb.Report);
  wb.Charts.TransitListDay += 1;
}

bool RunNatalReport(Workbench& wb, Host& host, OutputView& view) {
  OrbTable orbs{};
  if (!ReadNatalOrbs(wb.AppPath, orbs, host)) return false;
  BusyCursor busy(host);
  ChartModel& charts = wb.Charts;
  ListingPage page{wb.Output, host};
  BeginNatalListing(page, charts);
  ListNatalData(page, charts, AntiscionAxisOf(wb.Options));
  const NatalAspectTable aspects = ListNatalAspectGrid(
      page, charts.Natal.Longitudes, charts.Natal.Declinations, orbs, LastPointOf(charts.Natal));
  ListCoLAspects(page, charts.Natal);
  ShowOutputPage(wb.Output, wb.AppPath, host, view);

  ReportState& report = wb.Report;
  report.CurrentReportKind = ReportKind::Natal;
  ReadPersonalNam(report, wb.AppPath);
  ClearReportLines(report);
  report.ReportTitle = NatalReportTitle();
  AddTitlePage(report, charts.PersonName, charts.NatalInput, wb.Options);
  AddBlankReportLine(report);
  AddReportSteps(report, wb.AppPath, NatalReportSteps(charts, aspects, wb.Options));
  ReportMissedSections(report, host);
  return true;
}

bool RunTransitReport(Workbench& wb, Host& host) {
  int days = -1;
  while (days < 0)
    days = TransitDayCount(
        host.PromptText("Enter number of days for interpretations (maximum of 366 days):",
                        "Number of days", "1"));
  if (days == 0) return false;
  OrbTable orbs{};
  if (!ReadNat2TranOrbs(wb.AppPath, orbs, host)) return false;
  BusyCursor busy(host);
  ReportState& report = wb.Report;
  ReadPersonalNam(report, wb.AppPath);
  ClearReportLines(report);
  report.TransitReport = true;
  report.ReportTitle = TransitReportTitle();
  AddTitlePage(report, wb.Charts.PersonName, wb.Charts.NatalInput, wb.Options);
  AddFileToReport(report, wb.AppPath / "PHILO.HLP");
  AddBlankReportLine(report);
  AddBlankReportLine(report);
  AddReportLine(report, std::string(20, ' ') + "TRANSITING PLANET ASPECTS TO NATAL PLANETS");
  AddBlankReportLine(report);
  TransitTextIndex texts(wb.AppPath, &host);
  for (int day = 1; day <= days; ++day) AddTransitInterpsToReport(wb, orbs, texts);
  ReportMissedSections(report, host);
  return true;
}

namespace {

void BeginCoupleReport(Workbench& wb, const SecondPersonBox& box, ReportKind kind,
                       std::string title) {
  ReportState& report = wb.Report;
  report.CurrentReportKind = kind;
  ReadPersonalNam(report, wb.AppPath);
  ClearReportLines(report);
  report.ReportTitle = std::move(title);
  AddCoupleTitlePage(report, wb.Charts.PersonName, wb.Charts.NatalInput, box.caption,
                     wb.Charts.DiurnalInput, wb.Options);
  AddBlankReportLine(report);
}

void EndCoupleReport(Workbench& wb, Host& host) {
  JoinReportParagraphs(wb.Report);
  ReportMissedSections(wb.Report, host);
}

}  // namespace

bool RunCompositeReport(Workbench& wb, const SecondPersonBox& box, Host& host) {
  if (!box.checked) return false;
  // The latitude is asked before the busy cursor shows.
  const CompositeChart composite = CalcCompositeOf(wb.Charts, wb.Options, host);
  BusyCursor busy(host);
  BeginCoupleReport(wb, box, ReportKind::Composite, CompositeReportTitle());
  AddReportSteps(wb.Report, wb.AppPath,
                 CompositeReportSteps(composite.longitudes, composite.retroFlags,
                                      composite.housePositions, wb.Options));
  EndCoupleReport(wb, host);
  return true;
}

bool RunSynastryReport(Workbench& wb, const SecondPersonBox& box, Host& host) {
  if (!box.checked) return false;
  BusyCursor busy(host);
  BeginCoupleReport(wb, box, ReportKind::Synastry, SynastryReportTitle());
  BuildSynastryReport(wb.Report, wb.AppPath, wb.Charts.Natal.Longitudes,
                      wb.Charts.Diurnal.Longitudes, {wb.Charts.PersonName, box.caption});
  EndCoupleReport(wb, host);
  return true;
}

}  // namespace orv
