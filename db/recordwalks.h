#pragma once
// The three walks over stored records. Each hands records to a visitor, which returns true to go
// on and false to stop; every walk also stops at the first record that does not decode.

#include <cstdint>

#include "records.h"
#include "russiansearchindex.h"
#include "translationdatabase.h"
#include "verbdatabase.h"

namespace quorix {

// The records of one verb, in stored order (ascending formCode): from the first entry of its run in
// the verb index onward by `length`, while the verbId stays the same. A verbId that is not in the
// verb index gives an empty walk. Visitor: bool(RecordOffset, const VerbRecord&).
template <typename Visitor>
void forEachRecordOfVerb(const VerbDatabase& db, std::uint32_t verbId, Visitor&& visit) {
  RecordOffset offset = db.lookup(IndexKind::ByVerbId, verbId);
  VerbRecord record;
  while (db.decode(offset, record) && record.verbId == verbId) {
    if (!visit(offset, record)) return;
    offset += record.length;
  }
}

// The records with one formCode, in form index order. Visitor: bool(RecordOffset, const VerbRecord&).
// A form index entry whose record does not decode ends the walk.
template <typename Visitor>
void forEachRecordOfForm(const VerbDatabase& db, std::uint16_t formCode, Visitor&& visit) {
  std::uint32_t index = 0;
  db.lookup(IndexKind::ByFormCode, formCode, &index);
  VerbRecord record;
  for (; index < db.recordCount(); ++index) {
    const FormIndexEntry entry = db.formIndexEntry(index);
    if (entry.formCode != formCode) return;
    if (!db.decode(entry.offset, record)) return;
    if (!visit(entry.offset, record)) return;
  }
}

// The group that a search entry leads to: its head record (russianKey = key - key % 1000), handed
// over as it decodes without comparing its key, then the following records while their group is the
// same. Visitor: bool(RecordOffset, const TranslationRecord&, bool isHead).
template <typename Visitor>
void forEachRowOfGroup(const TranslationDatabase& db, std::uint32_t searchKey, Visitor&& visit) {
  const std::uint32_t headKey = searchKey - searchKey % 1000;
  RecordOffset offset = db.lookup(headKey);
  TranslationRecord record;
  if (!db.decode(offset, record) || !visit(offset, record, true)) return;
  for (;;) {
    offset += record.length;
    if (!db.decode(offset, record) || record.russianKey - record.russianKey % 1000 != headKey) return;
    if (!visit(offset, record, false)) return;
  }
}

}  // namespace quorix
