// The names-file batches: a names file of any content parsed, and one of
// the six batches run over its records with the shipped tables and options
// (a few dozen records at most, so each run stays short).
#include "FuzzSupport.h"
#include "listings/ListingPage.h"
#include "platform/Files.h"
#include "relationship/batches/NamesBatches.h"
#include "shell/input/NamesFile.h"

using namespace orv;

namespace {

class GoOn : public BatchProgress {
 public:
  bool Step(std::int64_t done, std::int64_t total) override {
    fuzz::Require(done >= 0 && done <= total, "progress within its total");
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Workbench& wb = fuzz::ShippedWorkbench();
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const NamesFileContent names = ParseNamesFile(SplitLines(DecodeText(text)));
  if (names.Records.size() > 40) return 0;
  fuzz::AnsweringHost host;
  GoOn progress;
  const auto system = static_cast<HouseSystemCode>(1 + (data[0] & 7));
  BatchContext ctx{host, progress, names.Records, wb.Options, wb.Tables, wb.AppPath,
                   system, 0,      {},            {},         false,     2026};
  ctx.comparative = {CosmoAngleChoice::Both, true, true, 2, false};
  ctx.oneToOne = data[0] & 16;
  OutputState out;
  ListingPage page{out, host};
  switch ((data[0] >> 5) % 6) {
    case 0: RunAllVsAll(ctx, page); break;
    case 1:
      RunOneVsAll(ctx, page, names.Records.empty() ? std::nullopt : std::optional<std::size_t>(0));
      break;
    case 2: RunAllVsAllSummary(ctx, page); break;
    case 3: RunDivisionAnalysis(ctx, page); break;
    case 4: RunPlacementSummary(ctx, page); break;
    default: RunViewOrgFitAll(ctx, page); break;
  }
  return 0;
}
