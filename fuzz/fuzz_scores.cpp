// The score tables of the Magi Society analyses and the dual cosmodynes:
// one of the 21 files replaced by any content, then a couple (a second
// person) and one natal chart through the Magi pages and both dual
// cosmodynes pages.
#include <array>

#include "FuzzSupport.h"
#include "commands/ComparativeCommands.h"
#include "commands/MagiCommands.h"
#include "platform/Files.h"

using namespace orv;

namespace {

constexpr std::array<const char*, 21> kFiles = {
    "ROM_C.DAT",  "ROM_S.DAT",  "ROM_T.DAT",  "ROM_Q.DAT",  "ROM_O.DAT",  "ROM_P.DAT",
    "ROM_CP.DAT", "SEX_C.DAT",  "SEX_S.DAT",  "SEX_T.DAT",  "SEX_Q.DAT",  "SEX_O.DAT",
    "SEX_P.DAT",  "SEX_CP.DAT", "CMPT_C.DAT", "CMPT_S.DAT", "CMPT_T.DAT", "CMPT_Q.DAT",
    "CMPT_O.DAT", "CMPT_P.DAT", "CMPT_CP.DAT"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Workbench> wb = fuzz::MakeWorkbench("scores");
  if (size < 2) return 0;
  // Only the file under test: the others read as missing, all 0.
  static const std::filesystem::path folder = fuzz::ScratchFolder() / "one-score-table";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const char* name = kFiles[data[0] % kFiles.size()];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
  fuzz::Require(WriteFileAtomically(folder / name, bytes).empty());
  wb->Tables = ReadDataTables(folder).tables;

  // A couple whose birthdays the second byte moves, so the tables are read
  // at many places.
  ChartInputFields second = fuzz::BaseFields();
  second.Month = std::to_string(1 + data[1] % 12), second.Day = std::to_string(1 + data[1] % 28);
  second.Year = std::to_string(1900 + data[1]), second.Hour = std::to_string(1 + data[1] % 12);
  fuzz::RunChart(*wb, fuzz::BaseFields(), second, HouseSystemCode::Placidus, 0, true);
  if (!wb->Charts.Computed) return 0;
  fuzz::AnsweringHost host;
  fuzz::NullView view;
  SecondPersonBox box;
  box.checked = true;
  ShowMagiCouple(*wb, box, "Fuzz", host, view);
  ShowMagiNatal(*wb, "Fuzz", host, view);
  ShowDualCosmodynes(*wb, box, false, host, view);
  ShowDualCosmodynes(*wb, box, true, host, view);
  wb->Output = {};
  return 0;
}
