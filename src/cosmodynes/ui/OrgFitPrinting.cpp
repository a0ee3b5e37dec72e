#include "cosmodynes/ui/OrgFitPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "commands/OrgFitCommands.h"
#include "commands/Workbench.h"
#include "platform/Host.h"
#include "platform/qt/QtCanvas.h"

namespace orv {

void DrawOrgFitSheet(QPainter& painter, QPrinter& printer, const ChartModel& model,
                     const OrgFitAnalysis& ofa) {
  // The page's units are laid over the whole sheet; all it prints lies an
  // inch or more inside the edges, clear of any printer's margin.
  const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
  QtCanvas canvas(painter, QRectF(0, 0, sheet.width(), sheet.height()));
  DrawNatalOFA(canvas, model, ofa);
}

bool PrintOrgFitPage(QPrinter& printer, const ChartModel& model, const OrgFitAnalysis& ofa) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  DrawOrgFitSheet(painter, printer, model, ofa);
  return painter.end();
}

bool PrintNatalOFA(Workbench& wb, Host& host, const PrinterChooser& choosePrinter) {
  const auto ofa = CurrentNatalOrgFit(wb, host);
  if (!ofa) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  OfferPdfWhenNoPrinter(printer, wb.AppPath, kOrgFitPdfName);
  if (!choosePrinter(printer)) return false;
  BusyCursor busy(host);
  if (PrintOrgFitPage(printer, wb.Charts, *ofa)) return true;
  ReportPrinterNotStarted(host);
  return false;
}

}  // namespace orv
