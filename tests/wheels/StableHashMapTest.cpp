// The measures map against std::map: the same entries found for the same
// keys, made once each, whose addresses hold while the index grows, with
// hashes that spread well and with every key on one hash.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>

#include "wheels/StableHashMap.h"

namespace orv {
namespace {

struct Spread {
  std::size_t operator()(std::uint64_t k) const { return k * 0x9e3779b97f4a7c15ULL; }
};
struct OneHash {
  std::size_t operator()(std::uint64_t) const { return 7; }
};

template <class Hash>
void CheckAgainstStdMap(int keys, int lookups) {
  StableHashMap<std::uint64_t, int, Hash> map;
  std::map<std::uint64_t, std::pair<const std::uint64_t, int>*> made;
  std::mt19937_64 random(62);
  for (int round = 0; round < 2; ++round) {
    for (int n = 0; n < lookups; ++n) {
      const std::uint64_t key = random() % std::uint64_t(keys);
      const auto [entry, fresh] = map.TryEmplace(key);
      ASSERT_EQ(entry->first, key);
      const auto known = made.find(key);
      ASSERT_EQ(fresh, known == made.end()) << "key " << key;
      if (fresh) {
        EXPECT_EQ(entry->second, 0);  // value-initialized
        entry->second = int(key) + 1;
        made[key] = entry;
      } else {
        ASSERT_EQ(entry, known->second) << "key " << key << " moved";
        ASSERT_EQ(entry->second, int(key) + 1);
      }
    }
    EXPECT_EQ(map.Size(), made.size());
    map.Clear();
    made.clear();
    EXPECT_EQ(map.Size(), 0u);
  }
}

TEST(StableHashMap, FindsWhatItMadeWhereItMadeIt) {
  CheckAgainstStdMap<Spread>(30000, 60000);  // grows its index several times
  CheckAgainstStdMap<Spread>(5, 100);
  CheckAgainstStdMap<OneHash>(600, 2000);
}

}  // namespace
}  // namespace orv
