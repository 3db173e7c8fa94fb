#include "textreplace.h"

#include <cstdio>

namespace quorix {

std::size_t replaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  std::size_t pos = text.find(from);
  if (pos == std::string::npos) return 0;
  std::string out;
  out.reserve(text.size() + to.size());
  std::size_t done = 0;
  std::size_t count = 0;
  while (pos != std::string::npos) {
    out.append(text, done, pos - done);
    out.append(to);
    done = pos + from.size();
    ++count;
    pos = text.find(from, done);
  }
  out.append(text, done, std::string::npos);
  text.swap(out);
  return count;
}

std::string placeholder(std::string_view prefix, unsigned number, int width) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*u", width, number);
  std::string out(prefix);
  out += digits;
  return out;
}

std::string displayedPattern(std::string_view pattern) {
  std::string out(pattern);
  if (pattern.find("=00") != std::string_view::npos) out.assign(pattern.rbegin(), pattern.rend());
  return out;
}

}  // namespace quorix
