#pragma once
// Work of a batch spread over every core, while the calling thread keeps
// the progress window moving and hears Cancel.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace orv {

class BatchProgress;

// How far a run has come: `done` of `total` steps.
struct BatchSteps {
  std::int64_t done = 0;
  std::int64_t total = 0;
};

// Runs `work(i)` for every i in [0, count), each on some core, items taken
// in order as cores come free. The calling thread only reports progress:
// `steps.done` grows by the steps each finished item returns. False when the
// user cancelled (items already begun finish; no new one starts). An
// exception thrown by `work` is thrown again here once every core stopped.
bool OnEveryCore(BatchProgress& progress, BatchSteps& steps, std::size_t count,
                 const std::function<std::int64_t(std::size_t)>& work);

// The number of worker threads OnEveryCore starts for `count` items.
unsigned CoresFor(std::size_t count);

}  // namespace orv
