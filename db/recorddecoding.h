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

inline bool decodeVerbRecord(std::span<const std::uint8_t> blob, RecordOffset offset, VerbRecord& record) {
  const std::size_t size = blob.size();
  if (std::uint64_t{offset} + VerbDatabase::kRecordHeaderSize > size) return false;
  const std::uint8_t* p = blob.data() + offset;
  record.length = le::load16(p);
  if (record.length >= kRecordLengthLimit || record.length < VerbDatabase::kMinRecordSize) return false;
  VerbRecord decoded = record;
  decoded.reserved = le::load32(p + 2);
  decoded.verbId = le::load32(p + 6);
  decoded.formCode = le::load16(p + 10);
  decoded.tableNumber = le::load32(p + 12);
  std::size_t pos = std::size_t{offset} + VerbDatabase::kRecordHeaderSize;
  if (!takeBlobString(blob.data(), size, pos, decoded.formText) ||
      !takeBlobString(blob.data(), size, pos, decoded.listText) ||
      !takeBlobString(blob.data(), size, pos, decoded.translationText)) {
    return false;
  }
  record = decoded;
  return true;
}

inline bool decodeTranslationRecord(std::span<const std::uint8_t> blob, RecordOffset offset,
                                    TranslationRecord& record) {
  const std::size_t size = blob.size();
  if (std::uint64_t{offset} + TranslationDatabase::kRecordHeaderSize > size) return false;
  const std::uint8_t* p = blob.data() + offset;
  record.length = le::load16(p);
  if (record.length >= kRecordLengthLimit || record.length < TranslationDatabase::kMinRecordSize) return false;
  TranslationRecord decoded = record;
  decoded.russianKey = le::load32(p + 2);
  decoded.verbId = le::load32(p + 6);
  decoded.marked = le::load16(p + 10);
  std::size_t pos = std::size_t{offset} + TranslationDatabase::kRecordHeaderSize;
  if (!takeBlobString(blob.data(), size, pos, decoded.russianText) ||
      !takeBlobString(blob.data(), size, pos, decoded.hebrewText)) {
    return false;
  }
  record = decoded;
  return true;
}

}  // namespace quorix
