#pragma once
// The verb list's entries: a flat array of 210000 ListEntry values, allocated once, of which the
// first `count` (kept by the owner) are the list. A ListEntry is a record offset of hebrew.db (modes
// 0 to 8) or the offset of a search entry of rusearch.db (modes 9 and 10) or ensearch.db (mode 11).
//
// Threads: the list worker writes entries while the user-interface thread may read them to draw or
// search; each entry is one 32-bit atomic value, so a reader sees an old or a new entry, never a
// torn one. Relaxed order is enough: the fill's end is published separately (the commit).

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

namespace quorix {

using ListEntry = std::uint32_t;

class EntryArray {
 public:
  static constexpr std::uint32_t kCapacity = 210000;

  EntryArray();
  EntryArray(const EntryArray&) = delete;
  EntryArray& operator=(const EntryArray&) = delete;

  ListEntry at(std::uint32_t index) const { return entries_[index].load(std::memory_order_relaxed); }
  void set(std::uint32_t index, ListEntry value) { entries_[index].store(value, std::memory_order_relaxed); }
  // Sets every entry to zero.
  void clear();
  // Copies values into the first values.size() entries (at most kCapacity).
  void assign(std::span<const ListEntry> values);

 private:
  std::unique_ptr<std::atomic<ListEntry>[]> entries_;
};

}  // namespace quorix
