#pragma once
// The list fills and the prefix search visit records in list order, which is alphabetical and so
// scattered over the whole blob: each record is a cache miss. Asking for the record a few entries
// ahead lets the memory fetch overlap with the work on the current one.

#include "db/verbdatabase.h"

namespace quorix {

// How many entries ahead the loops ask for their records.
inline constexpr std::uint32_t kPrefetchDistance = 16;

// A hint only: an offset outside the blob is ignored, and nothing is read.
inline void prefetchRecord(const VerbDatabase& db, RecordOffset offset) {
#if defined(__GNUC__)
  if (offset < db.blobSize()) __builtin_prefetch(db.blob() + offset);
#else
  (void)db;
  (void)offset;
#endif
}

}  // namespace quorix
