// The program's two text conversions on any bytes: encodeHtmlText (8-bit page text to ASCII HTML,
// in both code pages) and the typed search's conversion of the box's UTF-16 text (any code units,
// lone surrogates included) into the list's code page.
//
// Input: the language of the box (1 byte), then the text: as 8-bit text for the pages, and read
// two bytes a code unit for the box.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzinput.h"
#include "lists/typedsearch.h"
#include "pages/htmltext.h"

using namespace quorix;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const InputLanguage language = (input.byte() & 1) ? inputlanguage::kRussian : inputlanguage::kHebrew;
  const std::string_view text = input.rest();
  for (const int codePage : {1255, 1251}) {
    for (const char c : encodeHtmlText(text, codePage)) {
      // Bytes below 0x80 are copied as they are; everything else becomes a reference.
      require(static_cast<unsigned char>(c) < 0x80);
    }
  }
  std::u16string box;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
    box.push_back(static_cast<char16_t>(static_cast<unsigned char>(text[i]) |
                                        (static_cast<unsigned char>(text[i + 1]) << 8)));
  }
  const std::string searched = typedSearchText(box, language);
  require(searched.size() <= kSearchTextLimit);
  if (language == inputlanguage::kHebrew) {
    for (const char c : searched) {
      const auto b = static_cast<unsigned char>(c);
      require(b < 0xC0 || b > 0xD3);
    }
  }
  return 0;
}
