// The names window's batch commands as the program runs them.

#include <gtest/gtest.h>

#include <QPrinter>

#include "RecordingHost.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "core/ephemeris/DataTables.h"
#include "platform/Files.h"
#include "relationship/ui/NamesBatchRun.h"
#include "shell/OptionFiles.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// Print O.F.A. - All into a PDF file says where the file is and how many
// pages it holds, one per person.
TEST(NamesBatchRun, PrintOrgFitAllNamesThePdfFileAndItsPages) {
  test::TempDir dir;
  test::RecordingHost host;
  Workbench wb;
  wb.AppPath = dir.path();
  fs::copy_file(fs::path(ORVANTA_DATA_DIR) / "NATAL.ORB", dir.path() / "NATAL.ORB");
  wb.Tables = ReadDataTables(ORVANTA_DATA_DIR).tables;
  ReadOptionsFile(host, ORVANTA_DATA_DIR, wb.Options);
  wb.Input.People = {{"m Al One", "12 May 1959", "10.43", "A", "6", "75.23", "39.45", ""},
                     {"w Di Ten", "9 Sep 1961", "11.05", "A", "6", "75.23", "39.45", ""},
                     {"w Ev Ann", "28 Feb 1965", "7.30", "P", "5", "73.59", "40.43", ""}};
  const fs::path pdf = dir.path() / "all.pdf";
  NamesBatchLinks links;
  links.ChoosePrinter = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    return true;
  };
  const Names::BatchCommands commands = MakeNamesBatchCommands(wb, host, links);
  commands[3]();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The PDF file " + pdf.string() + " holds 3 pages.");
  EXPECT_EQ(host.messages[0].title, "Information");
  EXPECT_EQ(ReadFileBytes(pdf).value_or("").rfind("%PDF", 0), 0u);
}

}  // namespace
}  // namespace orv
