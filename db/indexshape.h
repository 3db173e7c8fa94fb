#pragma once
// The load-time check of one index table against the records it points at: the entries are in
// ascending order of their keys, and each entry's offset starts a record of the blob's chain
// (recordchain.h) whose key field equals the entry's key. An index that passes makes every lookup
// land on the record it names; one that fails would show a neighbour's rows or none.

#include <cstdint>
#include <string>

#include "recordchain.h"
#include "records.h"

namespace quorix {

class IndexShape {
 public:
  // `chain` has walked the blob the index points into, and must outlive the object.
  explicit IndexShape(const RecordChain& chain) : chain_(chain) {}

  // Checks entries 0 .. count - 1 of the index called `index` (for the message). `entryAt(i)` gives
  // entry i (with a member `offset`), `entryKey(entry)` its key, and `recordKey(offset)` the key of
  // the record at an offset that starts a record of the chain (so it decodes); keys compare with <
  // and ==. False with `problem` naming the first bad entry.
  template <typename EntryAt, typename EntryKey, typename RecordKey>
  bool check(const char* index, std::uint32_t count, EntryAt entryAt, EntryKey entryKey, RecordKey recordKey,
             std::string& problem) const {
    decltype(entryKey(entryAt(0))) previous{};
    for (std::uint32_t i = 0; i < count; ++i) {
      const auto entry = entryAt(i);
      const auto key = entryKey(entry);
      const auto fail = [&](const std::string& what) {
        problem = std::string(index) + " entry " + std::to_string(i) + what;
        return false;
      };
      if (i > 0 && key < previous) return fail(" sorts below the entry before it");
      if (!chain_.startsRecord(entry.offset)) {
        return fail(" points at blob offset " + std::to_string(entry.offset) + ", where no record starts");
      }
      if (!(recordKey(entry.offset) == key)) {
        return fail(" differs from the key of its record at blob offset " + std::to_string(entry.offset));
      }
      previous = key;
    }
    return true;
  }

 private:
  const RecordChain& chain_;
};

}  // namespace quorix
