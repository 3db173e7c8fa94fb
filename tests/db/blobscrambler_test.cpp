#include "db/blobscrambler.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace quorix {
namespace {

TEST(BlobScrambler, KeyStreamStartsAtTheKeyAndVanishesAtPosition255) {
  std::vector<std::uint8_t> zeros(600, 0);
  scrambleBlob(zeros);
  EXPECT_EQ(zeros[0], kScrambleKey);
  EXPECT_EQ(zeros[1], static_cast<std::uint8_t>(2 * kScrambleKey));
  EXPECT_EQ(zeros[255], 0) << "(256 * K) mod 256 is 0, so byte 255 is stored unchanged";
  EXPECT_EQ(zeros[256], kScrambleKey) << "the stream repeats every 256 bytes";
  for (std::size_t i = 0; i < zeros.size(); ++i) {
    ASSERT_EQ(zeros[i], static_cast<std::uint8_t>((i + 1) * kScrambleKey)) << "at " << i;
  }
}

TEST(BlobScrambler, TwiceGivesBackTheBytesForEveryLength) {
  for (std::size_t size : {0u, 1u, 7u, 255u, 256u, 257u, 1000u}) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{3});
    const auto original = bytes;
    scrambleBlob(bytes);
    if (size > 1) {
      EXPECT_NE(bytes, original);
    }
    scrambleBlob(bytes);
    EXPECT_EQ(bytes, original) << "size " << size;
  }
}

}  // namespace
}  // namespace quorix
