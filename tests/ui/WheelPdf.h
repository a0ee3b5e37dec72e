#pragma once
// A wheel page printed into a PDF file through Qt's PDF printer, as a test
// prints it; with ORVANTA_SHOT_DIR set, the page is also copied there for a
// person to look at.

#include <QByteArray>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <filesystem>

#include "wheels/ui/WheelPrinting.h"

namespace orv::test {

// Prints `in` as a `kind` page of size `page` into `pdf`; false when the
// page could not be printed.
inline bool PrintWheelPdf(const WheelPaintInputs& in, WheelPrintKind kind, const QPageSize& page,
                          const std::filesystem::path& pdf) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf.string()));
  printer.setPageSize(page);
  if (!PrintWheelPage(printer, in, kind, {})) return false;
  if (const QByteArray shots = qgetenv("ORVANTA_SHOT_DIR"); !shots.isEmpty())
    std::filesystem::copy_file(pdf, std::filesystem::path(shots.toStdString()) / pdf.filename(),
                               std::filesystem::copy_options::overwrite_existing);
  return true;
}

}  // namespace orv::test
