#include "entryarray.h"

#include <algorithm>

namespace quorix {

EntryArray::EntryArray() : entries_(std::make_unique<std::atomic<ListEntry>[]>(kCapacity)) {}

void EntryArray::clear() {
  for (std::uint32_t i = 0; i < kCapacity; ++i) entries_[i].store(0, std::memory_order_relaxed);
}

void EntryArray::assign(std::span<const ListEntry> values) {
  const std::size_t n = std::min<std::size_t>(values.size(), kCapacity);
  for (std::size_t i = 0; i < n; ++i) entries_[i].store(values[i], std::memory_order_relaxed);
}

}  // namespace quorix
