#include "fuzzinput.h"

namespace quorix::fuzz {

std::uint8_t FuzzInput::byte() { return taken_ < size_ ? data_[taken_++] : 0; }

std::uint32_t FuzzInput::word() {
  std::uint32_t value = 0;
  for (int shift = 0; shift < 32; shift += 8) value |= static_cast<std::uint32_t>(byte()) << shift;
  return value;
}

std::string_view FuzzInput::rest() {
  const std::string_view all(reinterpret_cast<const char*>(data_) + taken_, size_ - taken_);
  taken_ = size_;
  return all;
}

}  // namespace quorix::fuzz
