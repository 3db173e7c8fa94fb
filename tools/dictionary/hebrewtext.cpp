#include "hebrewtext.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace quorix::dictionary {

bool isHebrewLetter(char32_t c) { return c >= U'\u05D0' && c <= U'\u05EA'; }

bool isHebrewMark(char32_t c) { return c >= U'\u0591' && c <= U'\u05C7' && c != U'\u05BE' && c != U'\u05C0' && c != U'\u05C3' && c != U'\u05C6'; }

bool isVowelPoint(char32_t c) { return (c >= kShva && c <= kHolam) || c == U'\u05BA' || c == kQubuts || c == U'\u05C7'; }

bool isStorablePoint(char32_t c) {
  // U+05BA (holam for vav) and U+05C7 (qamats qatan) are newer than code page 1255 and do not convert.
  return (c >= kShva && c <= kHolam) || (c >= kQubuts && c <= U'\u05BD') || c == U'\u05BF' || c == kShinDot ||
         c == kSinDot;
}

bool isBegadkefat(char32_t letter) {
  switch (ordinaryForm(letter)) {
    case U'ב': case U'ג': case U'ד': case U'כ': case U'פ': case U'ת': return true;
    default: return false;
  }
}

bool isGuttural(char32_t letter) {
  return letter == U'א' || letter == U'ה' || letter == U'ח' || letter == U'ע';
}

bool refusesDoubling(char32_t letter) { return isGuttural(letter) || letter == U'ר'; }

char32_t finalForm(char32_t letter) {
  switch (letter) {
    case U'כ': return U'ך';
    case U'מ': return U'ם';
    case U'נ': return U'ן';
    case U'פ': return U'ף';
    case U'צ': return U'ץ';
    default: return letter;
  }
}

char32_t ordinaryForm(char32_t letter) {
  switch (letter) {
    case U'ך': return U'כ';
    case U'ם': return U'מ';
    case U'ן': return U'נ';
    case U'ף': return U'פ';
    case U'ץ': return U'צ';
    default: return letter;
  }
}

std::u32string withFinalLetters(std::u32string_view text) {
  std::u32string out(text);
  std::size_t last = std::u32string::npos;
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (isHebrewLetter(out[i])) {
      out[i] = ordinaryForm(out[i]);
      last = i;
    }
  }
  if (last != std::u32string::npos) out[last] = finalForm(out[last]);
  return out;
}

std::u32string toUtf32(std::string_view utf8) {
  const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  std::u32string out;
  out.reserve(static_cast<std::size_t>(text.length()));
  for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) out.push_back(static_cast<char32_t>(text.char32At(i)));
  return out;
}

std::string toUtf8(std::u32string_view text) {
  icu::UnicodeString unicode;
  for (char32_t c : text) unicode.append(static_cast<UChar32>(c));
  std::string out;
  unicode.toUTF8String(out);
  return out;
}

namespace {

std::string normalized(std::string_view utf8, bool compose) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer =
      compose ? icu::Normalizer2::getNFCInstance(status) : icu::Normalizer2::getNFDInstance(status);
  if (U_FAILURE(status)) return std::string(utf8);
  const icu::UnicodeString source = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
  const icu::UnicodeString result = normalizer->normalize(source, status);
  if (U_FAILURE(status)) return std::string(utf8);
  std::string out;
  result.toUTF8String(out);
  return out;
}

}  // namespace

std::string canonicalUtf8(std::string_view utf8) { return normalized(utf8, true); }

std::string decomposedUtf8(std::string_view utf8) { return normalized(utf8, false); }

std::u32string canonical(std::u32string_view text) { return toUtf32(canonicalUtf8(toUtf8(text))); }

std::u32string withoutMarks(std::u32string_view text) {
  std::u32string out;
  for (char32_t c : text) {
    if (!isHebrewMark(c)) out.push_back(c);
  }
  return out;
}

}  // namespace quorix::dictionary
