#pragma once
// The bytes of one fuzz input, taken from the front field by field. A field the input is too short
// for reads as zeros, so every input, even an empty one, is a valid run.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorix::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t byte();
  std::uint32_t word();  // little-endian
  // Everything not taken yet.
  std::string_view rest();

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t taken_ = 0;
};

// Stops the run as a finding when an invariant of the program does not hold.
inline void require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace quorix::fuzz
