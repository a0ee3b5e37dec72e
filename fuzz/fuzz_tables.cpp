// The data tables: one of the 25 files replaced by any content, all of them
// read, then a chart (Chiron comes from the tables) with every listing.
#include <array>

#include "FuzzSupport.h"
#include "platform/Files.h"

using namespace orv;

namespace {

constexpr std::array<const char*, 25> kFiles = {
    "HCDATA.DAT", "RADIUS.DAT", "CHIRON.DAT", "CHIRON_HELIO.DAT", "ROM_C.DAT",  "ROM_S.DAT",
    "ROM_T.DAT",  "ROM_Q.DAT",  "ROM_O.DAT",  "ROM_P.DAT",        "ROM_CP.DAT", "SEX_C.DAT",
    "SEX_S.DAT",  "SEX_T.DAT",  "SEX_Q.DAT",  "SEX_O.DAT",        "SEX_P.DAT",  "SEX_CP.DAT",
    "CMPT_C.DAT", "CMPT_S.DAT", "CMPT_T.DAT", "CMPT_Q.DAT",       "CMPT_O.DAT", "CMPT_P.DAT",
    "CMPT_CP.DAT"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Workbench> wb = fuzz::MakeWorkbench("tables");
  if (size == 0) return 0;
  // The Chiron files are large; most runs go to the small tables.
  const char* name = kFiles[data[0] % kFiles.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto file = ResolveInFolder(wb->AppPath, name);
  const auto keep = ReadFileBytes(file);
  fuzz::Require(WriteFileAtomically(file, bytes).empty());
  DataTablesRead read = ReadDataTables(wb->AppPath);
  fuzz::AnsweringHost host;
  ReportDataFileIssues(host, read.issues);
  wb->Tables = std::move(read.tables);
  ChartInputFields second = fuzz::BaseFields();
  second.Year = "2024";
  fuzz::RunChart(*wb, fuzz::BaseFields(), second, HouseSystemCode::Placidus, 0, data[0] & 128);
  fuzz::Require(WriteFileAtomically(file, *keep).empty());
  return 0;
}
