#pragma once
// The query cache: every finished list is kept as a file in the "query cache" folder beside the
// program, named after its key, and later fills of the same key read it instead of scanning.
//
// File name: "%02X%06X%02X.cache" of (mode, parameter, filter), e.g. (8, 30012, 99) ->
// "0800753C63.cache". File content: the list's entries in order, each an unsigned 32-bit
// little-endian value, no header; the entry count is the file size / 4 (a trailing partial entry is
// ignored), at most 210000. An empty list is a 0-byte file.
//
// Beside them the folder's manifest (cachemanifest.h) names the databases the lists were built
// from and each list file's size and checksum. A list file is taken only when the manifest knows it
// with its present size and checksum; anything else (a file cut short, damaged, copied from another
// key, left by other databases, or not a regular file) is no cache: the list is scanned and the
// file written anew, so a rejected file costs one scan and never shows a wrong list. When the
// databases change, the lists of the old ones are removed at start-up, since their entries are
// offsets into records that are no longer there.
//
// Threads: open() on the user-interface thread before the first fill; loads and saves on the list
// worker only, one fill at a time. Writes go to a temporary name, reach the disk and are renamed
// into place, so neither this program nor a second instance sharing the folder ever reads a
// half-written file. Instances share the folder without locking: a save merges the lists another
// instance recorded, and when two saves cross, one line may be lost, which costs one scan later.

#include <cstdint>
#include <string>

#include "cachemanifest.h"
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
  static constexpr const char* kListSuffix = ".cache";

  // `folder` is the cache folder; it need not exist (then every load misses and saves are skipped).
  // `databases` are the loaded database files the lists are built from.
  QueryCache(std::string folder, DatabaseIdentity databases);

  // Start-up, before the first fill: removes the temporary files of writes that were interrupted,
  // and reads the manifest. When there is none, it cannot be read, or it names other databases,
  // every list file is removed and a manifest for these databases is written.
  void open();

  std::string pathOf(const CacheKey& key) const;
  std::string manifestPath() const;

  // Clears `entries`, then reads the key's file into it. Returns the number of entries read, or -1
  // when there is no usable file: none, not a regular file, not known to the manifest with its
  // present size and checksum, more than 210000 entries, or holding an entry at or beyond
  // `entryLimit` (one that could not be decoded in the databases in use).
  std::int32_t loadCachedList(const CacheKey& key, EntryArray& entries, RecordOffset entryLimit) const;

  // Writes the first `count` entries as the key's file and records it in the manifest. False when
  // either cannot be written (missing or read-only folder, full disk); callers go on without a
  // cache, and a file written without its manifest line is only scanned again next time.
  bool saveCachedList(const CacheKey& key, const EntryArray& entries, std::uint32_t count);

 private:
  std::string fileIn(const std::string& name) const;
  void removeLeftOverFiles(bool listsToo) const;

  std::string folder_;
  CacheManifest manifest_;
};

}  // namespace quorix
