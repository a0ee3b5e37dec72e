#include "relationship/batches/OnEveryCore.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "relationship/batches/NamesBatches.h"

namespace orv {

unsigned CoresFor(std::size_t count) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  return unsigned(std::min<std::size_t>(cores, std::max<std::size_t>(count, 1)));
}

bool OnEveryCore(BatchProgress& progress, BatchSteps& steps, std::size_t count,
                 const std::function<std::int64_t(std::size_t)>& work) {
  std::atomic<std::size_t> next{0};
  std::atomic<std::int64_t> finished{0};
  std::atomic<bool> stop{false};
  std::mutex mutex;
  std::condition_variable allDone;
  unsigned running = CoresFor(count);
  std::exception_ptr failure;

  const auto worker = [&] {
    try {
      for (std::size_t i; !stop.load(std::memory_order_relaxed) && (i = next++) < count;) {
        finished.fetch_add(work(i), std::memory_order_relaxed);
      }
    } catch (...) {
      stop = true;
      const std::lock_guard lock(mutex);
      if (!failure) failure = std::current_exception();
    }
    const std::lock_guard lock(mutex);
    if (--running == 0) allDone.notify_one();
  };
  std::vector<std::thread> threads;
  for (unsigned k = running; k > 0; --k) threads.emplace_back(worker);

  const std::int64_t start = steps.done;
  bool cancelled = false;
  for (;;) {
    {
      std::unique_lock lock(mutex);
      if (allDone.wait_for(lock, std::chrono::milliseconds(25), [&] { return running == 0; }))
        break;
    }
    if (!cancelled && !progress.Step(start + finished, steps.total)) {
      cancelled = true;
      stop = true;
    }
  }
  for (std::thread& t : threads) t.join();
  steps.done = start + finished;
  if (failure) std::rethrow_exception(failure);
  // The last count is shown even when the work took less than one look.
  return !cancelled && progress.Step(steps.done, steps.total);
}

}  // namespace orv
