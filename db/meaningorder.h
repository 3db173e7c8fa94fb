#pragma once
// The order and the matching of English meanings, the words of ensearch.db: plain ASCII compared
// without regard to the case of its letters. The search index holds its entries in meaningLess
// order, so that the entries a typed beginning matches stand together and the alphabetically first
// of them comes first; typed search matches with meaningStartsWith.

#include <string_view>

namespace quorix {

// Case-blind byte order; words that differ only in case are ordered by their bytes, so the order is
// total and a sort by it is the same on every machine.
bool meaningLess(std::string_view a, std::string_view b);

// `text` begins with `prefix`, letters compared without regard to case (an empty prefix matches).
bool meaningStartsWith(std::string_view text, std::string_view prefix);
// The same meaning: equal but for the case of letters.
bool meaningEquals(std::string_view a, std::string_view b);

}  // namespace quorix
