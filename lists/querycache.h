#pragma once
// The query cache: every finished list is kept as a file in the "query cache" folder beside the
// program, named after its key, and later fills of the same key read it instead of scanning.
//
// File name: "%02X%06X%02X.cache" of (mode, parameter, filter), e.g. (8, 30012, 99) ->
// "0800753C63.cache". File content: the list's entries in order, each an unsigned 32-bit
// little-endian value, no header; the entry count is the file size / 4 (a trailing partial entry is
// ignored), at most 210000. An empty list is a 0-byte file. Files are written once and never
// updated, since the databases they describe are read-only.
//
// Threads: used by the list worker only. Writes go to a temporary name and are renamed into place,
// so neither this program nor a second instance sharing the folder ever reads a half-written file.

#include <cstdint>
#include <string>

#include "db/records.h"
#include "entryarray.h"

namespace quorix {

struct CacheKey {
  std::uint32_t mode = 0;       // the list mode, 0 to 11
  std::uint32_t parameter = 0;  // currentBinyan (modes 5, 7), currentTable (mode 8), else 0
  std::uint32_t filter = 0;     // formFilter (modes 5 to 8), else 0
};

// "0800753C63.cache" for (8, 30012, 99).
std::string cacheFileName(const CacheKey& key);

class QueryCache {
 public:
  // `folder` is the cache folder; it need not exist (then every load misses and saves are skipped).
  explicit QueryCache(std::string folder);

  std::string pathOf(const CacheKey& key) const;

  // Clears `entries`, then reads the key's file into it. Returns the number of entries read, or -1
  // when there is no usable file: none, unreadable, or holding an entry at or beyond `entryLimit`.
  // Such an entry could not be decoded in the database in use (the file was written for other
  // database files), so the whole file is treated as no cache and the list is scanned again.
  std::int32_t loadCachedList(const CacheKey& key, EntryArray& entries, RecordOffset entryLimit) const;

  // Writes the first `count` entries as the key's file. False when the file cannot be written
  // (missing or read-only folder, full disk); callers go on without a cache.
  bool saveCachedList(const CacheKey& key, const EntryArray& entries, std::uint32_t count) const;

 private:
  std::string folder_;
};

}  // namespace quorix
