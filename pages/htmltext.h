#pragma once
// The one conversion of the program's 8-bit text into page HTML. The result is pure ASCII (apart
// from ASCII bytes of the input, which are copied as they are: data may carry markup of its own).
//
// Byte by byte, the first matching rule:
//   0xD0  opens or closes a gray span       ("<span class='gray'>" / "</span>")
//   0xCE  opens or closes an orange bold span ("<span class='orange'><b>" / "</b></span>")
//   >= 0x80  a decimal character reference: code page 1251 maps 0xB8 to 1105 (ё) and others to
//            b + 848; any other code page is read as 1255, b + 1264
//   '0'   the Symbol-font glyph that stands for the digit zero in patterns
//   '='   the equals sign in a right-to-left span
//   else  the byte itself
// The markers are tested first, so they are markers in Russian text too. A span still open at the
// end is left open. Pure function; an empty input gives an empty output.

#include <string>
#include <string_view>

namespace quorix {

std::string encodeHtmlText(std::string_view text, int codePage);

}  // namespace quorix
