#pragma once
// Reader of russian.db: Russian translations grouped by Russian word, each row pointing at a verb.
// english.db has the same layout for the English side (groups by English meaning, the meaning and
// the rows' glosses plain ASCII in the fields that hold Russian in russian.db), and this reader
// reads it too: the field names are those of the Russian file, which came first.
//
// File layout (little-endian u32 words):
//   0  blobSize, 4 keyCount, 8 reservedTableSize, 12 keyIndexSize (8 bytes per entry)
//  16  reserved table (kept, never interpreted), then the key index (u32 russianKey, u32 record
//      offset, ascending by key), then the scrambled blob.
// Translation record (in the blob; `length` < 512):
//   +0 u16 length, +2 u32 russianKey (group * 1000 + row), +6 u32 verbId, +10 u16 marked,
//   +12 russianText NUL (code page 1251), hebrewText NUL (code page 1255).
// Records are stored in ascending russianKey, so a group's rows follow its head (row 0).
//
// Lifetime and threads as VerbDatabase: loaded once, then read-only and shareable.

#include <cstdint>
#include <string>

#include "bytearray.h"
#include "databasefile.h"
#include "records.h"

namespace quorix {

struct KeyIndexEntry {
  std::uint32_t russianKey;
  RecordOffset offset;
};

class TranslationDatabase {
 public:
  static constexpr std::size_t kHeaderSize = 16;
  static constexpr std::size_t kKeyEntrySize = 8;
  static constexpr std::size_t kRecordHeaderSize = 12;
  static constexpr std::size_t kMinRecordSize = kRecordHeaderSize + 2;

  explicit TranslationDatabase(const std::string& path);
  TranslationDatabase(const TranslationDatabase&) = delete;
  TranslationDatabase& operator=(const TranslationDatabase&) = delete;

  // False, with loadError() saying why, when the file cannot be opened or is not a regular file;
  // when it is shorter or longer than its header announces, or its key index size disagrees with
  // keyCount; when its blob is not a chain of records (recordchain.h); or when the key index is out
  // of order or has an entry that does not point at the start of a record with its russianKey.
  bool load();
  const std::string& loadError() const { return file_.error(); }
  // The loaded file's name, size and hash.
  FileFingerprint fingerprint() const { return file_.fingerprint(); }

  std::uint32_t keyCount() const { return keyCount_; }
  KeyIndexEntry keyIndexEntry(std::uint32_t i) const;  // i < keyCount()
  const std::uint8_t* blob() const { return blob_.data(); }
  std::uint32_t blobSize() const { return static_cast<std::uint32_t>(blob_.size()); }
  std::size_t reservedTableSize() const { return reserved_.size(); }

  // Offset of the first record with this russianKey, or kNotFoundOutside / kNotFoundBetween.
  RecordOffset lookup(std::uint32_t russianKey) const;
  // As VerbDatabase::decode, for a translation record.
  bool decode(RecordOffset offset, TranslationRecord& record) const;

 private:
  bool checkShape();

  DatabaseFile file_;
  std::uint32_t keyCount_ = 0;
  ByteArray reserved_;
  ByteArray keyIndex_;
  ByteArray blob_;
};

}  // namespace quorix
