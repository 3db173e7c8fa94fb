#pragma once
// Decoding one record of hebrew.db or russian.db out of an unscrambled blob, taking the blob's
// bounds: the readers decode through these, and tests and fuzzers reach records that a loaded file
// could never hold (lengths of 512, strings without their NUL) through them directly.
//
// Both return false, leaving `record` unchanged, when the record's header would run past the blob;
// false with only `length` updated when the length is 512 or more or too short to hold a record
// (it would make a walk stand still or step into the record itself); false when a string would run
// past the blob. The texts are views into `blob`.

#include <cstdint>
#include <span>

#include "blobtext.h"
#include "littleendian.h"
#include "records.h"
#include "translationdatabase.h"
#include "verbdatabase.h"

namespace quorix {

// The fixed fields of a verb record (length to tableNumber) without looking for its texts, with the
// same checks of the header; the load's index checks compare keys with it.
inline bool decodeVerbRecordHeader(std::span<const std::uint8_t> blob, RecordOffset offset, VerbRecord& record) {
  if (std::uint64_t{offset} + VerbDatabase::kRecordHeaderSize > blob.size()) return false;
  const std::uint8_t* p = blob.data() + offset;
  record.length = le::load16(p);
  if (record.length >= kRecordLengthLimit || record.length < VerbDatabase::kMinRecordSize) return false;
  record.reserved = le::load32(p + 2);
  record.verbId = le::load32(p + 6);
  record.formCode = le::load16(p + 10);
  record.tableNumber = le::load32(p + 12);
  return true;
}

inline bool decodeVerbRecord(std::span<const std::uint8_t> blob, RecordOffset offset, VerbRecord& record) {
  VerbRecord decoded = record;
  const bool headerDecodes = decodeVerbRecordHeader(blob, offset, decoded);
  record.length = decoded.length;
  if (!headerDecodes) return false;
  std::size_t pos = std::size_t{offset} + VerbDatabase::kRecordHeaderSize;
  if (!takeBlobString(blob.data(), blob.size(), pos, decoded.formText) ||
      !takeBlobString(blob.data(), blob.size(), pos, decoded.listText) ||
      !takeBlobString(blob.data(), blob.size(), pos, decoded.translationText)) {
    return false;
  }
  record = decoded;
  return true;
}

// As decodeVerbRecordHeader, for a translation record (length to marked).
inline bool decodeTranslationRecordHeader(std::span<const std::uint8_t> blob, RecordOffset offset,
                                          TranslationRecord& record) {
  if (std::uint64_t{offset} + TranslationDatabase::kRecordHeaderSize > blob.size()) return false;
  const std::uint8_t* p = blob.data() + offset;
  record.length = le::load16(p);
  if (record.length >= kRecordLengthLimit || record.length < TranslationDatabase::kMinRecordSize) return false;
  record.russianKey = le::load32(p + 2);
  record.verbId = le::load32(p + 6);
  record.marked = le::load16(p + 10);
  return true;
}

inline bool decodeTranslationRecord(std::span<const std::uint8_t> blob, RecordOffset offset,
                                    TranslationRecord& record) {
  TranslationRecord decoded = record;
  const bool headerDecodes = decodeTranslationRecordHeader(blob, offset, decoded);
  record.length = decoded.length;
  if (!headerDecodes) return false;
  std::size_t pos = std::size_t{offset} + TranslationDatabase::kRecordHeaderSize;
  if (!takeBlobString(blob.data(), blob.size(), pos, decoded.russianText) ||
      !takeBlobString(blob.data(), blob.size(), pos, decoded.hebrewText)) {
    return false;
  }
  record = decoded;
  return true;
}

}  // namespace quorix
