#include "tablepatterns.h"

#include <algorithm>

namespace quorix {

const std::array<std::string_view, kTablePatternCount>& tablePatterns() {
  // clang-format off
  static constexpr std::array<std::string_view, kTablePatternCount> kPatterns = {
    "\x30\x30\x30",
    "\xE4\x30\x30\x20\x2C\xF2\x30\x30\x2C\x20\xE7\x30\x30",
    "\xE7\x30\x30",
    "\x3D\x30\x30",
    "\x30\xE7\x30\x2C\x20\x30\xE4\x30\x2C\x20\x30\xE0\x30",
    "\x30\x30\xF2\x2C\x20\x30\x30\xE7",
    "\x30\xF8\xF0\x2C\x20\x30\xE0\xF0\x2C\x20\x30\xF2\xF0\x2C\x20\x30\xE7\xF0",
    "\x30\xE5\xE0",
    "\x30\xE9\xE7",
    "\x30\x30\xE4",
    "\x30\x30\x30",
    "\x3D\x30\x30",
    "\x30\x30\xF2\x2C\x20\x30\x30\xE7",
    "\x30\x30\xE8\x2C\x20\x30\x30\xE3",
    "\xE7\x30\x3D",
    "\x30\xF2\xF0\x2C\x20\x30\xE7\xF0\x2C\x20\x30\x30\xF0",
    "\x30\x30\xE4",
    "\x30\x30\x30",
    "\x30\x30\xF0",
    "\x30\x30\xFA",
    "\x30\x30\xE8\x2C\x20\x30\x30\xE3",
    "\x30\x30\xF2\x2C\x20\x30\x30\xE7",
    "\x30\xE4\xE8\x2C\x20\x30\xF2\xE8\x2C\x20\x30\xF2\xE3\x2C\x20\x30\xE7\xE3",
    "\x30\x30\xE4",
    "\x30\x30\x30\x30",
    "\x30\x30\x30",
    "\x30\x30\xF0",
    "\x30\x30\xE8\x20\x2C\x20\x30\x30\xE3",
    "\x30\x30\xF2\x2C\x20\x30\x30\xE7",
    "\x30\xF2\xE3\x2C\x20\x30\xE7\xE3",
    "\x30\x30\x30\x30",
    "\x30\x30\x30\xF0",
    "\x30\x30\x30",
    "\xE0\x30\xF0",
    "\xF2\x30\xE8\x2C\x20\xF2\x30\xE3\x2C\x20\xE0\x30\xE3",
    "\xE0\x30\xF0",
    "\x30\x30\x30",
    "\x30\x30\x30",
    "\x30\x30\xF0",
    "\x30\x30\xE8\x2C\x20\x30\x30\xE3",
    "\x30\xF2\xE8\x2C\x20\x30\xE4\xE8\x2C\x20\x30\xE7\xE3",
    "\xF9\x30\x30\x2C\x20\xF1\x30\x30",
    "\x30\x30\x30\x30",
  };
  // clang-format on
  return kPatterns;
}

std::vector<TableListRow> tableListRows(const VerbDatabase& verbs) {
  std::vector<TableListRow> rows;
  std::string previous;
  for (std::uint32_t i = 0; i < verbs.tableIndexCount() && rows.size() < kTablePatternCount; ++i) {
    const std::uint32_t number = verbs.tableIndexEntry(i).tableNumber;
    std::string numberText = std::to_string(number);
    // The index holds one entry per record, so each table number comes many times in a row.
    if (numberText == previous) continue;
    std::string pattern(tablePatterns()[rows.size()]);
    if (pattern.find("=00") != std::string::npos) std::reverse(pattern.begin(), pattern.end());
    rows.push_back({pattern + "   " + numberText, number});
    previous = std::move(numberText);
  }
  return rows;
}

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; };
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (lower(static_cast<unsigned char>(text[i])) != lower(static_cast<unsigned char>(prefix[i]))) return false;
  return true;
}

}  // namespace

int preselectedRow(const std::vector<TableListRow>& rows, std::uint32_t currentTable) {
  const auto own = std::find_if(rows.begin(), rows.end(), [&](const TableListRow& r) { return r.tableNumber == currentTable; });
  if (own == rows.end()) return -1;
  const int count = static_cast<int>(rows.size());
  for (int step = 1; step <= count; ++step) {
    const int row = step % count;
    if (startsWithIgnoringCase(rows[static_cast<std::size_t>(row)].text, own->text)) return row;
  }
  return -1;
}

std::uint32_t tableNumberOfRow(std::string_view text) {
  const std::size_t spaces = text.find("   ");
  std::string_view rest = spaces == std::string_view::npos ? text : text.substr(spaces);
  while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
  std::uint32_t value = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') break;
    if (value > 400000000u) break;  // far beyond any table number: stop rather than overflow
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value;
}

}  // namespace quorix
