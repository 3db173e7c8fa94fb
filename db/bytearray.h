#pragma once
// An owned, fixed-size array of bytes, allocated without being zeroed (the loaders overwrite every
// byte with one read) and released with its owner. Movable, not copyable.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace quorix {

class ByteArray {
 public:
  ByteArray() = default;
  explicit ByteArray(std::size_t size)
      : bytes_(size ? std::make_unique_for_overwrite<std::uint8_t[]>(size) : nullptr), size_(size) {}

  ByteArray(ByteArray&&) noexcept = default;
  ByteArray& operator=(ByteArray&&) noexcept = default;
  ByteArray(const ByteArray&) = delete;
  ByteArray& operator=(const ByteArray&) = delete;

  std::uint8_t* data() { return bytes_.get(); }
  const std::uint8_t* data() const { return bytes_.get(); }
  std::size_t size() const { return size_; }
  std::span<std::uint8_t> span() { return {bytes_.get(), size_}; }
  std::span<const std::uint8_t> span() const { return {bytes_.get(), size_}; }

 private:
  std::unique_ptr<std::uint8_t[]> bytes_;
  std::size_t size_ = 0;
};

}  // namespace quorix
