#pragma once
// Placeholder replacement as the page builder does it: every occurrence, found left to right, in
// one pass; text put in is never searched again by the same pass.

#include <string>
#include <string_view>

namespace quorix {

// Replaces every occurrence of `from` (not empty) in `text` by `to`; returns how many.
std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to);

// "p_%03d", "p_a%02d", "fparam_%02d" and the like: `prefix` followed by `number` in decimal,
// zero-padded to `width` digits.
std::string placeholder(std::string_view prefix, unsigned number, int width);

// A pattern as the page and the table list show it: a pattern holding "=00" is reversed byte for
// byte, so that its marker reads 0, 0, '='; any other pattern stays in stored order.
std::string displayedPattern(std::string_view pattern);

}  // namespace quorix
