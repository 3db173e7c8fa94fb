#pragma once
// Reading the dictionary's tab-separated sources: UTF-8 text, one record a line, fields split at
// tabs, lines that begin with '#' and blank lines skipped, a trailing carriage return dropped.

#include <charconv>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorix::dictionary {

struct TabLine {
  int number = 0;  // 1-based line number in the file, for messages
  std::vector<std::string> fields;
};

// Calls `visit` with each line of a text file (1-based number, text without a trailing carriage
// return) until it returns false, which it does with `error` set. False with `error` naming the file
// when it cannot be opened or read.
bool forEachLine(const std::string& path, const std::function<bool(int number, std::string& text)>& visit,
                 std::string& error);

// False with `error` naming the file when it cannot be read or is not valid UTF-8 (the line is named);
// an empty file gives no lines and is not an error.
bool readTabFile(const std::string& path, std::vector<TabLine>& lines, std::string& error);

// "file:line: " for messages about one line.
std::string whereIs(const std::string& path, const TabLine& line);

// A field that must be a whole number in decimal, nothing before or after it; false when it is not
// or does not fit `value`.
template <typename T>
bool parseWholeNumber(std::string_view text, T& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace quorix::dictionary
