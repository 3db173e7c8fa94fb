#pragma once
// Typed search: after every change of the "Verb:" box, jump to the first entry of the current list
// that begins with the box's text. The text is taken as UTF-16 straight from the box (the user's
// clipboard is never touched), brought into the code page of the input language (1255 Hebrew, 1251
// Russian; a character the code page lacks becomes '?'), cut to 511 bytes, and for Hebrew input
// stripped of the bytes 0xC0 to 0xD3 (vowel points and marks), so pointed and unpointed typing
// find the same entry. The search never refills the list.
//
// Threads: user-interface thread. It is not refused while a fill runs: it then searches the entry
// array as it is, within the previous list's entry count.

#include <string>
#include <string_view>

#include "programstate.h"
#include "virtuallist.h"

namespace quorix {

inline constexpr std::size_t kSearchTextLimit = 511;

// The 8-bit search text of the box's text.
std::string typedSearchText(std::u16string_view boxText, InputLanguage language);

enum class TypedSearchResult {
  EmptyBox,  // nothing was searched
  Found,     // the list moved to the first entry the text begins
  NotFound,  // the text begins no entry: the list stayed where it was
};

// Scrolls `list` to the entry the box's text begins and selects its row; an empty box does
// nothing. Unless the box is empty the caller then shows the selected verb, found or not.
TypedSearchResult runTypedSearch(VirtualList& list, std::u16string_view boxText, InputLanguage language);

}  // namespace quorix
