// Options.opt and the orb files: any content read as the options or as
// NATAL.ORB, then a chart and every listing under those values.
#include "FuzzSupport.h"
#include "platform/Files.h"
#include "shell/Startup.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static std::unique_ptr<Workbench> wb = fuzz::MakeWorkbench("options");
  static const OptionValues shippedOptions = wb->Options;
  if (size == 0) return 0;
  const bool asOrbs = data[0] & 1;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  fuzz::AnsweringHost host;
  const auto file = ResolveInFolder(wb->AppPath, asOrbs ? "NATAL.ORB" : "Options.opt");
  const auto keep = ReadFileBytes(file);
  fuzz::Require(WriteFileAtomically(file, bytes).empty());
  wb->Options = shippedOptions;
  if (!asOrbs) ReadOptionsFile(host, wb->AppPath, wb->Options);
  ReadOrbFile(host, ResolveInFolder(wb->AppPath, "NATAL.ORB"), wb->OrbValues);
  HouseSystemAtStart(wb->Options);
  TipOfTheDayAtStart(wb->Options);
  ChartInputFields second = fuzz::BaseFields();
  second.Year = "2024";
  fuzz::RunChart(*wb, fuzz::BaseFields(), second, HouseSystemCode::Placidus, 0, data[0] & 2);
  fuzz::Require(WriteFileAtomically(file, *keep).empty());
  return 0;
}
