#pragma once
// The strong pairs of a batch run, gathered as they are scored and handed
// back sorted by harmony, in memory bounded whatever their number: beyond a
// bound, sorted runs of them wait in a temporary file and are merged.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace orv {

// A scored pair by its people's places in the run, with chart 1's totals.
struct StrongPair {
  std::uint32_t a = 0, b = 0;
  double power = 0, harmony = 0;
};

class StrongPairs {
 public:
  // At most `inMemory` pairs are held in memory at a time.
  explicit StrongPairs(std::size_t inMemory = std::size_t(1) << 20);
  ~StrongPairs();
  StrongPairs(const StrongPairs&) = delete;
  StrongPairs& operator=(const StrongPairs&) = delete;

  void Add(const StrongPair& pair);
  std::int64_t Count() const { return count_; }

  // Hands every pair to `each` by harmony, largest first; equal harmonies
  // in the order they were added. Once only.
  void ForEachSorted(const std::function<void(const StrongPair&)>& each);

 private:
  struct Run {
    long offset;
    std::size_t count;
  };
  void Spill();

  std::size_t inMemory_;
  std::vector<StrongPair> buffer_;
  std::FILE* spill_ = nullptr;
  std::vector<Run> runs_;
  std::int64_t count_ = 0;
};

}  // namespace orv
