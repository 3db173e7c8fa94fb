#pragma once
// The root records (formCode 99, one per verb) in form index order: the way the page finds the
// other binyans of a root and the verb of a binyan link. There is no index by root, so both are a
// linear pass over every verb's root record.

#include <array>
#include <cstdint>
#include <optional>

#include "db/verbdatabase.h"
#include "lists/recordprefetch.h"

namespace quorix {

// Visits each root record in form index order; a record that does not decode is skipped (one bad
// record must not hide the roots behind it). Visitor: bool(RecordOffset, const VerbRecord&),
// returning false to stop.
template <typename Visitor>
void forEachRootRecord(const VerbDatabase& db, Visitor&& visit) {
  std::uint32_t index = 0;
  db.lookup(IndexKind::ByFormCode, form::kRoot, &index);
  VerbRecord record;
  for (; index < db.recordCount(); ++index) {
    if (index + kPrefetchDistance < db.recordCount()) {
      prefetchRecord(db, db.formIndexEntry(index + kPrefetchDistance).offset);
    }
    const FormIndexEntry entry = db.formIndexEntry(index);
    if (entry.formCode != form::kRoot) return;
    if (db.decode(entry.offset, record) && !visit(entry.offset, record)) return;
  }
}

// Slot q - 1 for binyan q (1 to 7): the root record of another verb with the same root list text
// (byte for byte) and another table number, in that binyan; the last such record in form index
// order wins. Records whose table's first digit is not 1 to 7 fill no slot.
using RootBinyanSlots = std::array<std::optional<VerbRecord>, 7>;
RootBinyanSlots collectRootBinyans(const VerbDatabase& db, const VerbRecord& root);

// The first root record with this table number and verb id, in form index order; none if no root
// record has both.
std::optional<VerbRecord> findRootRecord(const VerbDatabase& db, std::uint32_t tableNumber, std::uint32_t verbId);

}  // namespace quorix
