#include "blobscrambler.h"

#include <array>
#include <cstring>

namespace quorix {

namespace {

// The key stream repeats every 256 bytes ((i + 256) * K = i * K mod 256), so one period is
// precomputed and XORed eight bytes at a time: loading a full-size blob must stay close to the
// cost of reading it.
struct KeyPeriod {
  alignas(8) std::array<std::uint8_t, 256> bytes{};
  constexpr KeyPeriod() {
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>((i + 1) * kScrambleKey);
  }
};

constexpr KeyPeriod kPeriod{};

}  // namespace

void scrambleBlob(std::span<std::uint8_t> data) {
  std::uint8_t* p = data.data();
  std::size_t left = data.size();
  while (left >= kPeriod.bytes.size()) {
    for (std::size_t w = 0; w < kPeriod.bytes.size(); w += 8) {
      std::uint64_t block;
      std::uint64_t key;
      std::memcpy(&block, p + w, 8);
      std::memcpy(&key, kPeriod.bytes.data() + w, 8);
      block ^= key;
      std::memcpy(p + w, &block, 8);
    }
    p += kPeriod.bytes.size();
    left -= kPeriod.bytes.size();
  }
  for (std::size_t i = 0; i < left; ++i) p[i] ^= kPeriod.bytes[i];
}

}  // namespace quorix
