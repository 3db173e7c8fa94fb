#pragma once
// The twelve kinds of verb list and the values that choose among them.
//
// A ListMode is what a fill produces: modes 0 to 8 list records of hebrew.db, modes 9 and 10 the
// entries of rusearch.db, mode 11 the entries of ensearch.db. The Verbs/Tables menu picks a
// ListKind, the Search menu a FormFilter; a non-zero list kind is also the mode used for it. These
// are plain numbers because the program stores and compares them as such (a list kind is started
// as a mode, a search mode is a mode).

#include <cstdint>

#include "querycache.h"

namespace quorix {

using ListMode = std::uint16_t;
namespace listmode {
inline constexpr ListMode kAllForms = 0;          // text index, formCode below 98
inline constexpr ListMode kRoots = 1;             // text index, formCode 99
inline constexpr ListMode kPresent = 2;           // text index, formCode 21
inline constexpr ListMode kPast = 3;              // text index, formCode 4
inline constexpr ListMode kInfinitives = 4;       // text index, formCode 0
inline constexpr ListMode kTablesOfBinyan = 5;    // table index, the tables of currentBinyan
inline constexpr ListMode kTablesByNumber = 6;    // table index, every table
inline constexpr ListMode kVerbsOfBinyan = 7;     // text index, tableNumber / 10000 == currentBinyan
inline constexpr ListMode kVerbsOfTable = 8;      // text index, tableNumber == currentTable
inline constexpr ListMode kRussianAll = 9;        // every search entry
inline constexpr ListMode kRussianInfinitives = 10;  // search entries whose key % 1000 == 1
inline constexpr ListMode kEnglishMeanings = 11;     // every English search entry
inline constexpr ListMode kLast = 11;
}  // namespace listmode

// A formCode of hebrew.db, except kAll, which means "no filter" (every formCode below 98).
using FormFilter = std::uint16_t;
namespace formfilter {
inline constexpr FormFilter kAll = 11;
inline constexpr FormFilter kRoot = 99;
inline constexpr FormFilter kInfinitive = 0;
inline constexpr FormFilter kPresent = 21;
inline constexpr FormFilter kPast = 4;
}  // namespace formfilter

using ListKind = std::uint16_t;
namespace listkind {
inline constexpr ListKind kAlphabetical = 0;
inline constexpr ListKind kTablesOfBinyan = 5;
inline constexpr ListKind kTablesByNumber = 6;
inline constexpr ListKind kVerbsOfBinyan = 7;
inline constexpr ListKind kVerbsOfTable = 8;
}  // namespace listkind

// Everything one fill reads of the program's state, copied when the fill is started, so that the
// worker never reads values that the user-interface thread owns.
struct FillRequest {
  ListMode mode = listmode::kAllForms;
  std::uint8_t currentBinyan = 0;
  std::uint32_t currentTable = 0;
  FormFilter formFilter = formfilter::kAll;
};

inline bool isRussianMode(ListMode mode) { return mode == listmode::kRussianAll || mode == listmode::kRussianInfinitives; }
// The modes that list the entries of a search index (rusearch.db or ensearch.db), not verb records.
inline bool isSearchIndexMode(ListMode mode) { return isRussianMode(mode) || mode == listmode::kEnglishMeanings; }
bool isKnownFormFilter(FormFilter filter);

// The cache key of a fill: the parameter is currentBinyan for modes 5 and 7 and currentTable for
// mode 8, the filter is formFilter for modes 5 to 8; both are 0 otherwise.
CacheKey cacheKeyOf(const FillRequest& request);

}  // namespace quorix
