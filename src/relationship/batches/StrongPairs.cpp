#include "relationship/batches/StrongPairs.h"

#include <algorithm>
#include <queue>

namespace orv {

namespace {

void SortByHarmony(std::vector<StrongPair>& pairs) {
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const StrongPair& x, const StrongPair& y) { return x.harmony > y.harmony; });
}

// One sorted run read back from the spill file a block at a time.
struct RunReader {
  std::FILE* file;
  long offset;
  std::size_t left;
  std::vector<StrongPair> block;
  std::size_t at = 0;

  bool Fill() {
    block.resize(std::min<std::size_t>(left, 4096));
    at = 0;
    if (block.empty() || std::fseek(file, offset, SEEK_SET) != 0 ||
        std::fread(block.data(), sizeof(StrongPair), block.size(), file) != block.size()) {
      block.clear();
      return false;
    }
    offset += long(block.size() * sizeof(StrongPair));
    left -= block.size();
    return true;
  }
  const StrongPair* Current() const { return at < block.size() ? &block[at] : nullptr; }
  void Next() {
    if (++at == block.size()) Fill();
  }
};

}  // namespace

StrongPairs::StrongPairs(std::size_t inMemory) : inMemory_(std::max<std::size_t>(inMemory, 1)) {}

StrongPairs::~StrongPairs() {
  if (spill_) std::fclose(spill_);
}

void StrongPairs::Add(const StrongPair& pair) {
  buffer_.push_back(pair);
  ++count_;
  if (buffer_.size() >= inMemory_) Spill();
}

void StrongPairs::Spill() {
  // Without a temporary file the pairs simply stay in memory.
  if (!spill_ && !(spill_ = std::tmpfile())) return;
  SortByHarmony(buffer_);
  if (std::fseek(spill_, 0, SEEK_END) != 0) return;
  const long offset = std::ftell(spill_);
  if (offset < 0 ||
      std::fwrite(buffer_.data(), sizeof(StrongPair), buffer_.size(), spill_) != buffer_.size())
    return;
  runs_.push_back({offset, buffer_.size()});
  buffer_.clear();
}

void StrongPairs::ForEachSorted(const std::function<void(const StrongPair&)>& each) {
  // What stayed in memory is the newest run, after every spilled one.
  if (!runs_.empty() && !buffer_.empty()) Spill();
  if (runs_.empty() || !buffer_.empty()) {
    // Nothing spilled, or a spill failed: everything is sorted in memory.
    std::vector<StrongPair> all;
    for (const Run& r : runs_) {
      RunReader reader{spill_, r.offset, r.count, {}};
      for (reader.Fill(); const StrongPair* p = reader.Current(); reader.Next()) all.push_back(*p);
    }
    all.insert(all.end(), buffer_.begin(), buffer_.end());
    buffer_.clear();
    runs_.clear();
    SortByHarmony(all);
    for (const StrongPair& p : all) each(p);
    return;
  }
  std::vector<RunReader> readers;
  for (const Run& r : runs_) readers.push_back({spill_, r.offset, r.count, {}});
  // The largest harmony first; of equals, the earlier run.
  const auto later = [&](std::size_t x, std::size_t y) {
    const double hx = readers[x].Current()->harmony, hy = readers[y].Current()->harmony;
    return hx != hy ? hx < hy : x > y;
  };
  std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> heap(later);
  for (std::size_t k = 0; k < readers.size(); ++k)
    if (readers[k].Fill()) heap.push(k);
  while (!heap.empty()) {
    const std::size_t k = heap.top();
    heap.pop();
    each(*readers[k].Current());
    readers[k].Next();
    if (readers[k].Current()) heap.push(k);
  }
  runs_.clear();
}

}  // namespace orv
