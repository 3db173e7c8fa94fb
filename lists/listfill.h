#pragma once
// One list fill, run synchronously on the list worker's thread: the cache file of the fill's key
// if there is one, else a scan of the verb database or of a search index (then saved to the cache,
// also when it found nothing). Entries go into the verb list's array through addEntry; the
// progress bar is driven through the host.
//
// What each mode adds (records whose list text is empty or "-" never count in the text-index
// modes; the table modes take only list texts of at least 2 bytes):
//   0 to 4   the text index in order: formCode below 98 / 99 / 21 / 4 / 0
//   5, 6     per table (first entry of each run of the table index; mode 5 only the tables of the
//            current binyan): every form below 98 of the table's first verb, or with a filter its
//            first record of that formCode
//   7, 8     the text index: the current binyan (tableNumber / 10000) or the current table, and the
//            filter (formCode below 98 for "all forms", else equal to the filter)
//   9, 10    every Russian search entry / those whose key % 1000 is 1; the entry value is 48 * index
//   11       every English search entry, the entry value 48 * index
// The fill stops adding at the array's capacity of 210000 entries.

#include <cstdint>

#include "databasereaders.h"
#include "listmode.h"
#include "listworkerhost.h"
#include "querycache.h"
#include "virtuallist.h"

namespace quorix {

class ListFill {
 public:
  // All references must outlive the object.
  ListFill(const DatabaseReaders& readers, VirtualList& list, QueryCache& cache, ListWorkerHost& host);

  // Fills the list's array for `request` and returns the number of entries; an unknown mode gives
  // an empty list.
  std::uint32_t run(const FillRequest& request);

  // The exclusive bound of the entries a cache file may hold for a mode: an entry must leave room
  // for a whole record (hebrew.db) or a whole search entry (rusearch.db, ensearch.db) in its blob.
  RecordOffset entryLimit(ListMode mode) const;

 private:
  class Progress;

  std::uint32_t scanTextIndex(const FillRequest& request, Progress& progress);
  std::uint32_t scanTableIndex(const FillRequest& request, Progress& progress);
  std::uint32_t scanSearchIndex(const FillRequest& request, Progress& progress);
  std::int32_t cachedEndPosition(ListMode mode) const;

  DatabaseReaders readers_;
  VirtualList& list_;
  QueryCache& cache_;
  ListWorkerHost& host_;
};

}  // namespace quorix
