// The organizational fit page printed through Qt's print support into a PDF
// file (kept as org_fit_page.pdf in the test folder, to be looked at), and
// nothing printed when the user cancels the printer choice.

#include <gtest/gtest.h>

#include <QPrinter>

#include "../listings/CommandFixture.h"
#include "cosmodynes/ui/OrgFitPrinting.h"

namespace orv {
namespace {

TEST(OrgFitPrinting, PrintsOnePdfPageOrNothingWhenCancelled) {
  for (const bool choose : {false, true}) {
    test::CommandFixture f;
    const std::filesystem::path pdf = std::filesystem::absolute("org_fit_page.pdf");
    std::filesystem::remove(pdf);
    const bool printed = PrintNatalOFA(f.wb, f.host, [&](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf.string()));
      return choose;
    });
    EXPECT_EQ(printed, choose);
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(ReadFileBytes(pdf).value_or("").rfind("%PDF", 0) == 0, choose);
  }
}

}  // namespace
}  // namespace orv
