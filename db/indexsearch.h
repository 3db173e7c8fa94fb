#pragma once
// The binary search that every index lookup uses. It works with a one-based probe position and a
// memory of the previous probe, and its not-found results are part of the files' contract: 0 when
// the key lies outside the table (or the table is empty), 0xFFFFFFFF when it falls between two
// neighbouring keys. On a match it steps back to the first entry of the run of equal keys.

#include <cstdint>

#include "records.h"

namespace quorix {

struct IndexSearchResult {
  bool found = false;
  std::uint32_t index = 0;             // the first matching entry, when found
  RecordOffset notFound = kNotFoundOutside;  // which not-found value applies, when not found
};

// compare(i) < 0 when entry i sorts below the key, 0 when it matches, > 0 when above.
template <typename Compare>
IndexSearchResult searchIndex(std::uint32_t count, Compare compare) {
  if (count == 1) {
    if (compare(0u) == 0) return {true, 0, 0};
    return {};
  }
  std::int64_t hi = count;
  std::int64_t lo = 0;
  std::int64_t mid = count / 2;
  std::int64_t prev = -1;
  while (mid != 0) {
    const int c = compare(static_cast<std::uint32_t>(mid - 1));
    if (c == 0) {
      std::uint32_t first = static_cast<std::uint32_t>(mid - 1);
      while (first > 0 && compare(first - 1) == 0) --first;
      return {true, first, 0};
    }
    if (c > 0) {
      if (mid == prev) return {false, 0, kNotFoundBetween};
      hi = mid;
    } else {
      lo = mid + 1;
    }
    prev = mid;
    mid = lo + (hi - lo) / 2;
    if (lo > hi) break;
  }
  return {};
}

}  // namespace quorix
