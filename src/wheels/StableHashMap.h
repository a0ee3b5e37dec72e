#pragma once

// A hash map for many small lookups, half of them misses: an open-addressed
// index of hashes, probed within a few cache lines, over entries kept in
// fixed blocks, which neither move nor are allocated one by one. Entries
// keep their addresses until `Clear`; none is erased alone.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace orv {

template <class Key, class Value, class Hash>
class StableHashMap {
 public:
  using Entry = std::pair<const Key, Value>;

  // The entry of `key`, and whether it was made now, its value
  // value-initialized.
  std::pair<Entry*, bool> TryEmplace(const Key& key) {
    if ((count_ + 1) * 4 > slots_.size() * 3) Grow();
    const std::uint64_t hash = Hash{}(key);
    std::size_t i = hash & (slots_.size() - 1);
    for (; slots_[i].entry; i = (i + 1) & (slots_.size() - 1))
      if (slots_[i].hash == hash && slots_[i].entry->first == key) return {slots_[i].entry, false};
    if (count_ == blocks_.size() * kBlock) {
      blocks_.push_back(std::make_unique<std::vector<Entry>>());
      blocks_.back()->reserve(kBlock);  // filled no further, so never moved
    }
    std::vector<Entry>& block = *blocks_[count_ / kBlock];
    block.emplace_back(std::piecewise_construct, std::forward_as_tuple(key), std::tuple<>());
    ++count_;
    slots_[i] = {hash, &block.back()};
    return {&block.back(), true};
  }

  std::size_t Size() const { return count_; }

  void Clear() {
    blocks_.clear();
    count_ = 0;
    slots_.assign(kFirstSlots, Slot{});
  }

 private:
  static constexpr std::size_t kBlock = 256, kFirstSlots = 1024;
  struct Slot {
    std::uint64_t hash = 0;
    Entry* entry = nullptr;
  };

  void Grow() {
    std::vector<Slot> old(slots_.empty() ? kFirstSlots : slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& s : old)
      if (s.entry) {
        std::size_t i = s.hash & (slots_.size() - 1);
        while (slots_[i].entry) i = (i + 1) & (slots_.size() - 1);
        slots_[i] = s;
      }
  }

  std::vector<Slot> slots_;
  std::vector<std::unique_ptr<std::vector<Entry>>> blocks_;
  std::size_t count_ = 0;
};

}  // namespace orv
