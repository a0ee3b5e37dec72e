#include "wheels/ui/WheelPrinting.h"

#include <QPainter>
#include <QPrinter>

#include "platform/qt/QtCanvas.h"
#include "wheels/WheelLayout.h"

namespace orv {

bool PrintWheelPage(QPrinter& printer, const WheelPaintInputs& in, WheelPrintKind kind,
                    const std::function<std::optional<std::vector<std::string>>()>& personalHeader,
                    WheelPaint* paint) {
  WheelPaint once;
  WheelPaint& kept = paint ? *paint : once;
  // The page's units cover the printable area; margins a quarter inch.
  printer.setFullPage(false);
  printer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  if (kind == WheelPrintKind::FullPage) {
    QtCanvas canvas(painter, QRectF(0, 0, page.width(), page.height()));
    PaintWheelPrinter(canvas, in, personalHeader, kept);
  } else {
    const double height = HalfPageWheelHeight(page.width(), page.height());
    QtCanvas canvas(painter, QRectF(0, 0, page.width(), height));
    WheelPaintInputs blackWhite = in;
    blackWhite.blackWhite = true;
    PaintWheelWindow(canvas, blackWhite, StartScaleFor(page.width(), height).value_or(225), kept);
  }
  return painter.end();
}

}  // namespace orv
