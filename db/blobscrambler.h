#pragma once
// The blobs of all three database files are stored scrambled: byte i is XORed with
// ((i + 1) * kScrambleKey) mod 256. The key stream depends on the position only, so scrambling and
// unscrambling are the same operation. Headers and index tables are stored in the clear.

#include <cstdint>
#include <span>

namespace quorix {

// The program's own constant; every database file it reads was scrambled with it.
inline constexpr std::uint8_t kScrambleKey = 0xA7;

// Scrambles (or unscrambles) the bytes in place; the position of data[0] in the blob is 0.
void scrambleBlob(std::span<std::uint8_t> data);

}  // namespace quorix
