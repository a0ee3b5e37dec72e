#include "relationship/ui/NamesBatchRun.h"

#include <QCheckBox>
#include <QDate>
#include <QElapsedTimer>
#include <QPainter>
#include <QPrinter>

#include "base/Format.h"
#include "base/Links.h"
#include "commands/ComparativeCommands.h"
#include "commands/Workbench.h"
#include "cosmodynes/ui/OrgFitPrinting.h"
#include "platform/Host.h"
#include "relationship/batches/NamesBatches.h"
#include "shell/ui/ChartRun.h"
#include "shell/ui/InputWindows.h"
#include "shell/ui/PickList.h"
#include "shell/ui/PrntFile.h"
#include "shell/ui/StatusDlg.h"

namespace orv {

namespace {

constexpr std::string_view kOrgFitAllPdfName = "REPORTS\\OFA_ALL.PDF";

// The progress window behind a batch: the bar and the count of steps done
// are drawn, and the event loop given a slice, a few dozen times a second at
// most, however many steps.
class DialogProgress final : public BatchProgress {
 public:
  explicit DialogProgress(StatusDlg& dialog) : dialog_(dialog) { timer_.start(); }

  bool Step(std::int64_t done, std::int64_t total) override {
    if (timer_.elapsed() >= 30 || done >= total) {
      timer_.restart();
      dialog_.SetCountText(
          QString::fromStdString(GroupThousands(done) + " of " + GroupThousands(total) + " done"));
      dialog_.DrawProgressBar(done, total);
    }
    return !dialog_.Cancelled();
  }

 private:
  StatusDlg& dialog_;
  QElapsedTimer timer_;
};

enum class BatchKind { AllVsAll, OneVsAll, Division, PrintOrgFit, ViewOrgFit, Placement, Summary };

// The names list's selected record, if any.
std::optional<std::size_t> ChosenRecord(InputWindows* inputs) {
  if (!inputs || !inputs->NamesWindow()) return std::nullopt;
  const PickList* list = inputs->NamesWindow()->NamesOnFile();
  const int record = list->RecordAt(list->SelectedRow());
  if (record < 0) return std::nullopt;
  return std::size_t(record);
}

void RunBatch(BatchKind kind, Workbench& wb, Host& host, const NamesBatchLinks& links) {
  InputWindows* inputs = links.Inputs ? links.Inputs() : nullptr;
  const HouseSystemCode houseSystem =
      links.HouseSystem ? links.HouseSystem() : HouseSystemCode::Placidus;
  ComparativeSettings comparative = ComparativeSettingsOf(wb, false);
  if (inputs) {
    const ChartRequest request = GatherChartRequest(inputs->Natal(), inputs->Second(), houseSystem,
                                                    wb.Regional.DateOrder);
    if (request.angleChoice) comparative.Angles = *request.angleChoice;
  }
  std::optional<std::size_t> chosen;
  if (kind == BatchKind::OneVsAll) {
    // One vs All always applies the same-sex rule.
    wb.Input.Analysis.OneToOne = false;
    if (inputs && inputs->NamesWindow())
      if (auto* box = inputs->NamesWindow()->findChild<QCheckBox*>("Check2"))
        box->setChecked(false);
    chosen = ChosenRecord(inputs);
  }

  // Print O.F.A. - All: the printer first, so that Cancel there costs nothing.
  QPrinter printer(QPrinter::HighResolution);
  QPainter painter;
  if (kind == BatchKind::PrintOrgFit) {
    printer.setFullPage(true);
    OfferPdfWhenNoPrinter(printer, wb.AppPath, kOrgFitAllPdfName);
    if (!links.ChoosePrinter || !links.ChoosePrinter(printer)) return;
  }

  ListingPage page{wb.Output, host};
  BatchEnd end = BatchEnd::Nothing;
  {
    std::optional<StatusDlg> dialog;
    std::optional<DialogProgress> progress;
    if (kind != BatchKind::OneVsAll || chosen) {
      if (inputs) inputs->HideAll();
      dialog.emplace();
      dialog->Clear();
      progress.emplace(*dialog);
    }
    struct NoProgress final : BatchProgress {
      bool Step(std::int64_t, std::int64_t) override { return true; }
    } none;
    BatchContext ctx{host,
                     progress ? static_cast<BatchProgress&>(*progress) : none,
                     wb.Input.People,
                     wb.Options,
                     wb.Tables,
                     wb.AppPath,
                     houseSystem,
                     int(wb.Regional.DateOrder),
                     comparative,
                     {wb.Input.Analysis.ConsiderDignities, wb.Input.Analysis.BeneficsMalefics},
                     wb.Input.Analysis.OneToOne,
                     QDate::currentDate().year()};
    switch (kind) {
      case BatchKind::AllVsAll: end = RunAllVsAll(ctx, page); break;
      case BatchKind::OneVsAll: end = RunOneVsAll(ctx, page, chosen); break;
      case BatchKind::Summary: end = RunAllVsAllSummary(ctx, page); break;
      case BatchKind::Division: end = RunDivisionAnalysis(ctx, page); break;
      case BatchKind::Placement: end = RunPlacementSummary(ctx, page); break;
      case BatchKind::ViewOrgFit: end = RunViewOrgFitAll(ctx, page); break;
      case BatchKind::PrintOrgFit: {
        bool started = false;
        int sheets = 0;
        end = RunPrintOrgFitAll(ctx, [&](const ChartModel& person, const OrgFitAnalysis& ofa) {
          if (!started) {
            if (!painter.begin(&printer)) {
              ReportPrinterNotStarted(host);
              return false;
            }
            started = true;
          } else if (!printer.newPage()) {
            return false;
          }
          DrawOrgFitSheet(painter, printer, person, ofa);
          ++sheets;
          return true;
        });
        if (started && painter.end()) ReportPdfWritten(host, printer, sheets);
        break;
      }
    }
  }
  if (end == BatchEnd::Listed && kind != BatchKind::PrintOrgFit && links.DataWindow)
    ShowOutputPage(wb.Output, wb.AppPath, host, links.DataWindow());
}

}  // namespace

void NamesBatchLinks::RequireBound() const {
  RequireLinks("NamesBatchLinks", {{"Inputs", bool(Inputs)},
                                   {"DataWindow", bool(DataWindow)},
                                   {"HouseSystem", bool(HouseSystem)},
                                   {"ChoosePrinter", bool(ChoosePrinter)}});
}

Names::BatchCommands MakeNamesBatchCommands(Workbench& wb, Host& host, NamesBatchLinks links) {
  auto command = [&wb, &host, links](BatchKind kind) {
    return [&wb, &host, links, kind] { RunBatch(kind, wb, host, links); };
  };
  return {command(BatchKind::AllVsAll),   command(BatchKind::OneVsAll),
          command(BatchKind::Division),   command(BatchKind::PrintOrgFit),
          command(BatchKind::ViewOrgFit), command(BatchKind::Placement),
          command(BatchKind::Summary)};
}

}  // namespace orv
