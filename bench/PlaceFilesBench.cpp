// The cities window reads its whole file each time it opens. The atlas reads
// its gazetteer on first use and then searches it in memory.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/Files.h"
#include "shell/input/Atlas.h"
#include "shell/input/CitiesFile.h"

namespace {

const std::filesystem::path kData = ORVANTA_DATA_DIR;

void BM_ParseDefaultCitiesFile(benchmark::State& state) {
  const auto lines = *orv::ReadTextLines(orv::CitiesFilePath(kData, ""));
  for (auto _ : state) benchmark::DoNotOptimize(orv::ParseCitiesFile(lines));
}
BENCHMARK(BM_ParseDefaultCitiesFile);

// The first search after start-up: the gazetteer read, then one name.
void BM_AtlasFirstSearch(benchmark::State& state) {
  for (auto _ : state) {
    std::shared_ptr<const orv::Gazetteer> loaded;
    benchmark::DoNotOptimize(orv::AtlasGazetteer(loaded, kData)->FindByPrefix("Portland"));
  }
  state.SetLabel("target 50 ms");
}
BENCHMARK(BM_AtlasFirstSearch)->Unit(benchmark::kMillisecond);

// Later searches: every place whose name starts with the letter, over the
// whole gazetteer (the most matches one letter gives), and one name.
void BM_AtlasPrefixSearch(benchmark::State& state) {
  std::shared_ptr<const orv::Gazetteer> loaded;
  const orv::Gazetteer& atlas = *orv::AtlasGazetteer(loaded, kData);
  const char* prefix = state.range(0) == 0 ? "s" : "Portland";
  std::size_t found = 0;
  for (auto _ : state) {
    const auto places = atlas.FindByPrefix(prefix);
    found = places.size();
    benchmark::DoNotOptimize(places.data());
  }
  state.SetLabel(std::string(prefix) + ": " + std::to_string(found) + " of " +
                 std::to_string(atlas.size()) + " places");
}
BENCHMARK(BM_AtlasPrefixSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
