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
  // A folder holding only the file under test: the others are reported
  // missing and stay 0, and each run reads kilobytes, not the megabytes of
  // the shipped Chiron tables.
  static const std::filesystem::path folder = fuzz::ScratchFolder() / "one-table";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const char* name = kFiles[data[0] % kFiles.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  fuzz::Require(WriteFileAtomically(folder / name, bytes).empty());
  DataTablesRead read = ReadDataTables(folder);
  fuzz::AnsweringHost host;
  ReportDataFileIssues(host, read.issues);
  wb->Tables = std::move(read.tables);
  // Chiron's records begin at JD 2415000 (11 December 1899): a chart days
  // later reads the first values of the file under test.
  ChartInputFields natal = fuzz::BaseFields();
  natal.Month = "12", natal.Day = std::to_string(12 + data[0] % 19), natal.Year = "1899";
  fuzz::RunChart(*wb, natal, natal, HouseSystemCode::Placidus, 0, data[0] & 128);
  return 0;
}
