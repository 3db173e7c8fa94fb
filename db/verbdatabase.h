#pragma once
// Reader of hebrew.db: every conjugated form, pattern, root and translation row of every verb, with
// four sorted index tables.
//
// File layout (little-endian u32 words, no padding, nothing scrambled but the blob):
//   0  blobSize         size of the blob
//   4  recordCount      records in the blob; entries of the verb, form and text indexes
//   8  verbIndexSize    8 bytes per entry: u32 verbId, u32 record offset
//  12  formIndexSize    6 bytes per entry: u16 formCode, u32 record offset (unaligned)
//  16  tableIndexSize   8 bytes per entry: u32 tableNumber, u32 record offset; a count of its own
//  20  textIndexSize    20 bytes per entry: 16 bytes of NUL-padded text, u32 record offset
//  24  the verb, form, table and text indexes in that order, then the scrambled blob.
// Each index is sorted ascending by its key (unsigned numbers, text by unsigned bytes); equal keys
// stand together.
//
// Verb record (in the blob; `length` < 512):
//   +0 u16 length, +2 u32 reserved, +6 u32 verbId, +10 u16 formCode, +12 u32 tableNumber,
//   +16 formText NUL, listText NUL, translationText NUL, then an uninterpreted tail up to length.
//
// Lifetime: constructed on the file's path (which opens it), loaded once, then read-only: any
// number of threads may read it at once. Record views point into its blob and die with it.

#include <cstdint>
#include <string>
#include <string_view>

#include "bytearray.h"
#include "databasefile.h"
#include "records.h"

namespace quorix {

struct VerbIndexEntry {
  std::uint32_t verbId;
  RecordOffset offset;
};
struct FormIndexEntry {
  std::uint16_t formCode;
  RecordOffset offset;
};
struct TableIndexEntry {
  std::uint32_t tableNumber;
  RecordOffset offset;
};
struct TextIndexEntry {
  std::string_view text;  // at most 16 bytes, up to the first NUL; a view into the reader's index
  RecordOffset offset;
};

class VerbDatabase {
 public:
  static constexpr std::size_t kHeaderSize = 24;
  static constexpr std::size_t kVerbEntrySize = 8;
  static constexpr std::size_t kFormEntrySize = 6;
  static constexpr std::size_t kTableEntrySize = 8;
  static constexpr std::size_t kTextEntrySize = 20;
  static constexpr std::size_t kTextKeySize = 16;
  static constexpr std::size_t kRecordHeaderSize = 16;
  // The shortest record that can be valid: its header and three empty strings.
  static constexpr std::size_t kMinRecordSize = kRecordHeaderSize + 3;

  explicit VerbDatabase(const std::string& path);
  VerbDatabase(const VerbDatabase&) = delete;
  VerbDatabase& operator=(const VerbDatabase&) = delete;

  // Reads the header, the four indexes and the blob, each with one read, unscrambles the blob and
  // proves the file's shape. False, with loadError() saying why, when the file cannot be opened or
  // is not a regular file; when it is shorter or longer than its header announces, or announces
  // index sizes that disagree with recordCount; when its blob is not a chain of recordCount
  // records (recordchain.h); or when an index is out of order or has an entry that does not point
  // at the start of a record with the entry's key (the text index: the first 16 bytes of listText).
  bool load();
  const std::string& loadError() const { return file_.error(); }
  // The loaded file's name, size and hash.
  FileFingerprint fingerprint() const { return file_.fingerprint(); }

  std::uint32_t recordCount() const { return recordCount_; }
  std::uint32_t tableIndexCount() const { return tableIndexCount_; }
  // Entry i of an index; i must be below its count (recordCount, or tableIndexCount for the table index).
  VerbIndexEntry verbIndexEntry(std::uint32_t i) const;
  FormIndexEntry formIndexEntry(std::uint32_t i) const;
  TableIndexEntry tableIndexEntry(std::uint32_t i) const;
  TextIndexEntry textIndexEntry(std::uint32_t i) const;
  const std::uint8_t* blob() const { return blob_.data(); }
  std::uint32_t blobSize() const { return static_cast<std::uint32_t>(blob_.size()); }

  // Record offset of the first entry whose key equals `key`, or kNotFoundOutside /
  // kNotFoundBetween. On a match *firstIndex (if given) receives the entry's index; otherwise it
  // is left unchanged. ByText takes its key as text: use lookupText; lookup(ByText, ...) gives 0.
  RecordOffset lookup(IndexKind kind, std::uint32_t key, std::uint32_t* firstIndex = nullptr) const;
  // ByText: an entry matches when its text begins with `prefix` (an empty prefix matches all).
  RecordOffset lookupText(std::string_view prefix, std::uint32_t* firstIndex = nullptr) const;

  // Decodes the record at `offset`. False, and `record` unchanged, when the header would run past
  // the blob; false with only `length` updated when length is 512 or more, or too short to hold a
  // record; false when a string would run past the blob.
  bool decode(RecordOffset offset, VerbRecord& record) const;

 private:
  bool checkShape();

  DatabaseFile file_;
  std::uint32_t recordCount_ = 0;
  std::uint32_t tableIndexCount_ = 0;
  ByteArray verbIndex_;
  ByteArray formIndex_;
  ByteArray tableIndex_;
  ByteArray textIndex_;
  ByteArray blob_;
};

}  // namespace quorix
