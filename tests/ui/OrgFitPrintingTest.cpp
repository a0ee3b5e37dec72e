// The organizational fit page printed through Qt's print support into a PDF
// file (with ORVANTA_SHOT_DIR set, copied there to be looked at), and
// nothing printed when the user cancels the printer choice.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QPrinter>

#include "../listings/CommandFixture.h"
#include "cosmodynes/ui/OrgFitPrinting.h"

namespace orv {
namespace {

TEST(OrgFitPrinting, PrintsOnePdfPageOrNothingWhenCancelled) {
  for (const bool choose : {false, true}) {
    test::CommandFixture f;
    const std::filesystem::path pdf = f.dir.path() / "org_fit_page.pdf";
    const bool printed = PrintNatalOFA(f.wb, f.host, [&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf.string()));
      return choose;
    });
    EXPECT_EQ(printed, choose);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(ReadFileBytes(pdf).value_or("").rfind("%PDF", 0) == 0, choose);
    if (const QByteArray shots = qgetenv("ORVANTA_SHOT_DIR"); choose && !shots.isEmpty())
      std::filesystem::copy_file(pdf, std::filesystem::path(shots.toStdString()) / pdf.filename(),
                                 std::filesystem::copy_options::overwrite_existing);
  }
}

}  // namespace
}  // namespace orv
