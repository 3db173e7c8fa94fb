#pragma once
// Letters and points of Hebrew text as the dictionary handles it: UTF-32 while forms are built,
// UTF-8 in the sources and for people, code page 1255 in the databases. Pure functions, safe on
// any thread.

#include <string>
#include <string_view>

namespace quorix::dictionary {

inline constexpr char32_t kShva = U'\u05B0';
inline constexpr char32_t kHatafSegol = U'\u05B1';
inline constexpr char32_t kHatafPatah = U'\u05B2';
inline constexpr char32_t kHatafQamats = U'\u05B3';
inline constexpr char32_t kHiriq = U'\u05B4';
inline constexpr char32_t kTsere = U'\u05B5';
inline constexpr char32_t kSegol = U'\u05B6';
inline constexpr char32_t kPatah = U'\u05B7';
inline constexpr char32_t kQamats = U'\u05B8';
inline constexpr char32_t kHolam = U'\u05B9';
inline constexpr char32_t kQubuts = U'\u05BB';
inline constexpr char32_t kDagesh = U'\u05BC';
inline constexpr char32_t kShinDot = U'\u05C1';
inline constexpr char32_t kSinDot = U'\u05C2';

bool isHebrewLetter(char32_t c);
// Any combining mark of the Hebrew block (points, dagesh, dots, cantillation).
bool isHebrewMark(char32_t c);
// The vowel points proper (shva and hatafs included), not dagesh or the shin and sin dots.
bool isVowelPoint(char32_t c);
// The marks that code page 1255 holds and that the dictionary may store: the vowel points, dagesh,
// meteg, rafe and the shin and sin dots. Maqaf and paseq are excluded on purpose: the page reads
// their bytes as span markers.
bool isStorablePoint(char32_t c);

bool isBegadkefat(char32_t letter);
// Letters that take no doubling dagesh: the gutturals and resh.
bool refusesDoubling(char32_t letter);
bool isGuttural(char32_t letter);

// Final and ordinary shapes of kaf, mem, nun, pe, tsadi; other letters are returned unchanged.
char32_t finalForm(char32_t letter);
char32_t ordinaryForm(char32_t letter);
// The text with its last letter in final shape and every earlier one in ordinary shape.
std::u32string withFinalLetters(std::u32string_view text);

std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);

// Canonical composition; for Hebrew this puts the marks of each letter in canonical order, so that
// two spellings of one pointed form compare equal.
std::u32string canonical(std::u32string_view text);
std::string canonicalUtf8(std::string_view utf8);
// Canonical decomposition, the form the reference comparisons use.
std::string decomposedUtf8(std::string_view utf8);

// The letters alone: every Hebrew mark removed.
std::u32string withoutMarks(std::u32string_view text);

}  // namespace quorix::dictionary
