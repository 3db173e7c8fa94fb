#include "typedsearch.h"


#include "db/codepages.h"

namespace quorix {

std::string typedSearchText(std::u16string_view boxText, InputLanguage language) {
  const bool hebrew = language != inputlanguage::kRussian;
  std::string text = utf16ToCodePage(boxText, hebrew ? CodePage::Hebrew1255 : CodePage::Russian1251);
  if (text.size() > kSearchTextLimit) text.resize(kSearchTextLimit);
  if (hebrew) {
    std::erase_if(text, [](char c) {
      const auto b = static_cast<unsigned char>(c);
      return b >= 0xC0 && b <= 0xD3;
    });
  }
  // The search text ends at its first NUL, as the box's text would when read as a C string.
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

TypedSearchResult runTypedSearch(VirtualList& list, std::u16string_view boxText, InputLanguage language) {
  if (boxText.empty()) return TypedSearchResult::EmptyBox;
  return list.scrollToPrefix(typedSearchText(boxText, language)) ? TypedSearchResult::Found
                                                                 : TypedSearchResult::NotFound;
}

}  // namespace quorix
