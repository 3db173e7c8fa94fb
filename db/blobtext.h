#pragma once
// Reading NUL-terminated strings out of a blob without ever reading past its end.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace quorix {

// Takes the string that starts at `pos` and ends at the next NUL; on success `pos` moves past the
// NUL. False when no NUL lies before the end of the blob.
inline bool takeBlobString(const std::uint8_t* blob, std::size_t blobSize, std::size_t& pos, std::string_view& out) {
  if (pos >= blobSize) return false;
  const void* nul = std::memchr(blob + pos, '\0', blobSize - pos);
  if (!nul) return false;
  const auto* start = reinterpret_cast<const char*>(blob + pos);
  const std::size_t size = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - (blob + pos));
  out = std::string_view(start, size);
  pos += size + 1;
  return true;
}

}  // namespace quorix
