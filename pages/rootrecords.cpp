#include "rootrecords.h"

namespace quorix {

RootBinyanSlots collectRootBinyans(const VerbDatabase& db, const VerbRecord& root) {
  RootBinyanSlots slots;
  forEachRootRecord(db, [&](RecordOffset, const VerbRecord& record) {
    if (record.listText == root.listText && record.tableNumber != root.tableNumber) {
      const int binyan = binyanOfTable(record.tableNumber);
      if (binyan >= 1 && binyan <= 7) slots[static_cast<std::size_t>(binyan - 1)] = record;
    }
    return true;
  });
  return slots;
}

std::optional<VerbRecord> findRootRecord(const VerbDatabase& db, std::uint32_t tableNumber, std::uint32_t verbId) {
  std::optional<VerbRecord> found;
  forEachRootRecord(db, [&](RecordOffset, const VerbRecord& record) {
    if (record.tableNumber != tableNumber || record.verbId != verbId) return true;
    found = record;
    return false;
  });
  return found;
}

}  // namespace quorix
