#include "codepages.h"

#include <memory>

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

namespace quorix {

namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(CodePage codePage) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(codePage == CodePage::Hebrew1255 ? "windows-1255" : "windows-1251", &status));
  if (U_FAILURE(status)) return nullptr;
  status = U_ZERO_ERROR;
  ucnv_setSubstChars(converter.get(), "?", 1, &status);
  return converter;
}

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out(utf8.size() + 1, u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), &length, utf8.data(),
                       static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string utf16ToUtf8(std::u16string_view utf16) {
  std::string out(utf16.size() * 3 + 1, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length,
                     reinterpret_cast<const UChar*>(utf16.data()), static_cast<int32_t>(utf16.size()), 0xFFFD, nullptr,
                     &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

}  // namespace

std::string utf16ToCodePage(std::u16string_view utf16, CodePage codePage) {
  Converter converter = openConverter(codePage);
  if (!converter || utf16.empty()) return {};
  // Both code pages hold one byte per UTF-16 unit at most (a surrogate pair becomes one '?').
  std::string out(utf16.size() + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_fromUChars(converter.get(), out.data(), static_cast<int32_t>(out.size()),
                                         reinterpret_cast<const UChar*>(utf16.data()),
                                         static_cast<int32_t>(utf16.size()), &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::u16string codePageToUtf16(std::string_view bytes, CodePage codePage) {
  Converter converter = openConverter(codePage);
  if (!converter || bytes.empty()) return {};
  std::u16string out(bytes.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(out.data()),
                                       static_cast<int32_t>(out.size()), bytes.data(),
                                       static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return {};
  out.resize(static_cast<std::size_t>(length));
  return out;
}

std::string utf8ToCodePage(std::string_view utf8, CodePage codePage) {
  return utf16ToCodePage(utf8ToUtf16(utf8), codePage);
}

std::string codePageToUtf8(std::string_view bytes, CodePage codePage) {
  return utf16ToUtf8(codePageToUtf16(bytes, codePage));
}

}  // namespace quorix
