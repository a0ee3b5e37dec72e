// RADIUS.DAT and HCDATA.DAT: either replaced by any content, read, and the
// single wheels of a chart painted on the window and on paper with them.
#include <cmath>

#include "FuzzSupport.h"
#include "RecordingCanvas.h"
#include "commands/WheelCommands.h"
#include "platform/Files.h"
#include "wheels/WheelPaint.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Workbench> wb = [] {
    auto made = fuzz::MakeWorkbench("wheeltables");
    fuzz::RunChart(*made, fuzz::BaseFields(), fuzz::BaseFields(), HouseSystemCode::Koch, 0, false);
    return made;
  }();
  if (size == 0) return 0;
  static const std::filesystem::path folder = fuzz::ScratchFolder() / "one-wheel-table";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const bool radius = data[0] & 1;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  fuzz::Require(WriteFileAtomically(folder / (radius ? "RADIUS.DAT" : "HCDATA.DAT"), bytes).empty());
  const DataTables tables = ReadDataTables(folder).tables;

  fuzz::AnsweringHost host;
  const auto kind = static_cast<SingleWheelKind>((data[0] >> 1) % 4);
  PrepareSingleWheel(*wb, kind, {}, host);
  if (!wb->Wheel) return 0;
  const WheelPaintInputs in{&*wb->Wheel, &wb->Options, &tables.RadiusTable, &tables.HcDataTable,
                            (data[0] >> 3) & 1};
  RecordingCanvas window(800, 600, 96);
  PaintWheelWindow(window, in, 300);
  RecordingCanvas page(850, 1100, 100);
  PaintWheelPrinter(page, in, [] { return std::optional<std::vector<std::string>>(); });
  for (const CanvasRecord& r : window.Records())
    fuzz::Require(std::isfinite(r.a.x) && std::isfinite(r.a.y) && std::isfinite(r.b.x) &&
                      std::isfinite(r.b.y),
                  "finite wheel coordinates");
  return 0;
}
