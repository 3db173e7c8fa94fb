#include "meaningorder.h"

#include <algorithm>

namespace quorix {

namespace {

// ASCII only: the locale must not decide the order of a file that other machines read.
char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool foldedLess(char a, char b) {
  return static_cast<unsigned char>(folded(a)) < static_cast<unsigned char>(folded(b));
}

}  // namespace

bool meaningLess(std::string_view a, std::string_view b) {
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), foldedLess)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), foldedLess)) return false;
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

bool meaningStartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) { return folded(a) == folded(b); });
}

bool meaningEquals(std::string_view a, std::string_view b) { return a.size() == b.size() && meaningStartsWith(a, b); }

}  // namespace quorix
