#pragma once
// Conversion between Unicode (UTF-8 and UTF-16) and the two 8-bit code pages of the program's
// data: 1255 for Hebrew (logical order, vowel points 0xC0..0xD3) and 1251 for Russian. All text in
// the databases, the list and the page builder is 8-bit; Unicode appears only at the edges (the
// input box, the terminal, the dictionary sources). ICU's converters do the work; a character that
// the code page cannot hold becomes '?'.
//
// Thread-safe: each call opens its own converter (ICU caches the tables).

#include <string>
#include <string_view>

namespace quorix {

enum class CodePage { Hebrew1255 = 1255, Russian1251 = 1251 };

std::string utf8ToCodePage(std::string_view utf8, CodePage codePage);
std::string codePageToUtf8(std::string_view bytes, CodePage codePage);
std::string utf16ToCodePage(std::u16string_view utf16, CodePage codePage);
std::u16string codePageToUtf16(std::string_view bytes, CodePage codePage);

}  // namespace quorix
