#include "records.h"

#include <cstring>

namespace quorix {

std::string_view RussianSearchEntry::word() const {
  const void* end = std::memchr(text, '\0', kTextSize);
  const std::size_t size = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : kTextSize;
  return {text, size};
}

int binyanOfTable(std::uint32_t tableNumber) {
  while (tableNumber >= 10) tableNumber /= 10;
  return static_cast<int>(tableNumber);
}

}  // namespace quorix
