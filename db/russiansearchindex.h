#pragma once
// Reader of rusearch.db: the Russian words that can be listed and searched. It reads ensearch.db as
// well, the English meanings in the same layout (their text plain ASCII, the entries in
// meaningorder.h's order); the names are those of the Russian file, which came first.
//
// File layout (little-endian u32 words):
//   0  blobSize (searchEntryCount * 48), 4 searchEntryCount, 8 reservedTableSize
//  12  reserved table (kept, never interpreted), then the scrambled blob: an array of 48-byte
//      entries, entry i at offset 48 * i:
//      +0 u32 key, +4 u16 highlightCell, +6 u16 markedOnly, +8 40 bytes of text (code page 1251).
//
// Lifetime and threads as VerbDatabase: loaded once, then read-only and shareable.

#include <cstdint>
#include <string>

#include "bytearray.h"
#include "databasefile.h"
#include "records.h"

namespace quorix {

class RussianSearchIndex {
 public:
  static constexpr std::size_t kHeaderSize = 12;

  explicit RussianSearchIndex(const std::string& path);
  RussianSearchIndex(const RussianSearchIndex&) = delete;
  RussianSearchIndex& operator=(const RussianSearchIndex&) = delete;

  // False, with loadError() saying why, when the file cannot be opened or is not a regular file,
  // is shorter or longer than its header announces, or its blob is not exactly searchEntryCount
  // entries of 48 bytes.
  bool load();
  const std::string& loadError() const { return file_.error(); }
  // The loaded file's name, size and hash.
  FileFingerprint fingerprint() const { return file_.fingerprint(); }

  std::uint32_t searchEntryCount() const { return searchEntryCount_; }
  const std::uint8_t* blob() const { return blob_.data(); }
  std::uint32_t blobSize() const { return static_cast<std::uint32_t>(blob_.size()); }
  std::size_t reservedTableSize() const { return reserved_.size(); }

  // Copies the entry at blob `offset` (48 * its index). False, `entry` unchanged, when the entry
  // would run past the blob.
  bool entryAt(RecordOffset offset, RussianSearchEntry& entry) const;

 private:
  DatabaseFile file_;
  std::uint32_t searchEntryCount_ = 0;
  ByteArray reserved_;
  ByteArray blob_;
};

}  // namespace quorix
