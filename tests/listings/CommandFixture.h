#pragma once
// A workbench holding the fixed charts in a program folder of its own, with
// the shipped orb files, for the Data command tests.

#include <filesystem>
#include <string>

#include "FixedCharts.h"
#include "ListingTestSupport.h"
#include "TempDir.h"
#include "commands/Workbench.h"
#include "platform/Files.h"

namespace orv::test {

struct CommandFixture {
  TempDir dir;
  Workbench wb;
  RecordingHost host;
  RecordingView view;
  CommandFixture() {
    wb.AppPath = dir.path();
    wb.Charts = FixedCharts();
    for (const char* orbFile : {"NATAL.ORB", "NAT2TRAN.ORB", "SYNASTRY.ORB"})
      std::filesystem::copy_file(std::filesystem::path(ORVANTA_DATA_DIR) / orbFile,
                                 dir.path() / orbFile);
  }
  std::string LastPageFile() const {
    return ReadFileBytes(ResolveInFolder(dir.path(), "REPORTS\\LASTPAGE.TXT")).value_or("");
  }
};

}  // namespace orv::test
