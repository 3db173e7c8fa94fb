#pragma once
// A fast 64-bit hash of a byte string (the XXH64 algorithm): the identity of the database files a
// query cache was built from, and the checksum of each cache file. It tells a changed file from an
// unchanged one; it is no defence against someone who forges a file on purpose.

#include <cstdint>
#include <span>

namespace quorix {

// Hash of `bytes`; chaining (the hash of one part as the seed of the next) hashes a file read in
// parts without holding it whole.
std::uint64_t contentHash(std::span<const std::uint8_t> bytes, std::uint64_t seed = 0);

}  // namespace quorix
