#include "db/indexsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace quorix {
namespace {

IndexSearchResult search(const std::vector<std::uint32_t>& keys, std::uint32_t key) {
  return searchIndex(static_cast<std::uint32_t>(keys.size()), [&](std::uint32_t i) {
    return keys[i] < key ? -1 : (keys[i] > key ? 1 : 0);
  });
}

struct Case {
  std::vector<std::uint32_t> keys;
  std::uint32_t key;
  bool found;
  std::uint32_t index;      // when found
  RecordOffset notFound;    // when not found
};

TEST(IndexSearch, ResultsOfTheStoredContract) {
  const Case cases[] = {
      {{10, 20, 20}, 20, true, 1, 0},
      {{10, 20, 20}, 10, true, 0, 0},
      {{10, 20, 20}, 15, false, 0, kNotFoundBetween},
      {{10, 20, 20}, 5, false, 0, kNotFoundOutside},
      {{10, 20, 20}, 25, false, 0, kNotFoundOutside},
      {{7}, 7, true, 0, 0},
      {{7}, 6, false, 0, kNotFoundOutside},
      {{7}, 8, false, 0, kNotFoundOutside},
      {{}, 1, false, 0, kNotFoundOutside},
      {{5, 5, 5, 5, 5, 5, 5}, 5, true, 0, 0},
      {{1, 2, 3, 4, 4, 4, 4, 9}, 4, true, 3, 0},
      {{10, 20, 30, 40}, 35, false, 0, kNotFoundBetween},
  };
  for (const Case& c : cases) {
    const IndexSearchResult r = search(c.keys, c.key);
    EXPECT_EQ(r.found, c.found) << "key " << c.key << " in " << c.keys.size() << " keys";
    if (c.found) {
      EXPECT_EQ(r.index, c.index) << "key " << c.key;
    } else {
      EXPECT_EQ(r.notFound, c.notFound) << "key " << c.key;
    }
  }
}

// On random sorted tables with runs: a present key is found at the first entry of its run, an
// absent key inside the range gives the "between" value and one outside it gives 0.
TEST(IndexSearch, AgreesWithAPlainScanOnRandomTables) {
  std::mt19937 random(12345);
  for (int round = 0; round < 400; ++round) {
    std::vector<std::uint32_t> keys(random() % 40);
    for (auto& k : keys) k = static_cast<std::uint32_t>(random() % 30) * 2;
    std::sort(keys.begin(), keys.end());
    for (std::uint32_t key = 0; key < 64; ++key) {
      const IndexSearchResult r = search(keys, key);
      const auto first = std::lower_bound(keys.begin(), keys.end(), key);
      if (first != keys.end() && *first == key) {
        ASSERT_TRUE(r.found) << "key " << key;
        ASSERT_EQ(r.index, first - keys.begin());
      } else {
        ASSERT_FALSE(r.found);
        const bool outside = keys.empty() || key < keys.front() || key > keys.back();
        ASSERT_EQ(r.notFound, outside ? kNotFoundOutside : kNotFoundBetween)
            << "key " << key << " in " << keys.size() << " keys";
      }
    }
  }
}

}  // namespace
}  // namespace quorix
