#include "db/contenthash.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string_view>
#include <vector>

namespace quorix {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Published XXH64 values: below the 32-byte stripe, exactly at it and beyond, with and without seed,
// so that a manifest written on one machine is read the same on another.
TEST(ContentHash, IsXxh64) {
  std::vector<std::uint8_t> counting(768);
  std::iota(counting.begin(), counting.end(), std::uint8_t{0});
  const std::string hundred(100, 'x');
  EXPECT_EQ(contentHash(bytesOf("")), 0xEF46DB3751D8E999ull);
  EXPECT_EQ(contentHash(bytesOf("a")), 0xD24EC4F1A98C6E5Bull);
  EXPECT_EQ(contentHash(bytesOf("abc")), 0x44BC2CF5AD770999ull);
  EXPECT_EQ(contentHash(bytesOf("abc"), 12345), 0x01700E64F6F23509ull);
  EXPECT_EQ(contentHash(bytesOf(hundred)), 0x92F0DE5A88A3C094ull);
  EXPECT_EQ(contentHash(counting), 0x8E03C838C596036Full);
  EXPECT_EQ(contentHash(counting, 12345), 0x6ECAC135863F12B2ull);
}

}  // namespace
}  // namespace quorix
