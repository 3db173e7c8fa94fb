#pragma once
// The rows of the table list: one per distinct conjugation table of hebrew.db, in ascending table
// number order, each the table's root pattern, three spaces and the table number. The k-th
// distinct table takes the k-th of the 43 fixed patterns (code page 1255, Hebrew letters in logical
// order, '0' a root letter); tables beyond the 43rd are not listed. A pattern holding "=00" is
// shown with its bytes in reverse order.
//
// Pure functions over a loaded reader; an empty table index gives no rows.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/verbdatabase.h"

namespace quorix {

inline constexpr std::size_t kTablePatternCount = 43;

const std::array<std::string_view, kTablePatternCount>& tablePatterns();

struct TableListRow {
  std::string text;  // code page 1255
  std::uint32_t tableNumber = 0;
};

std::vector<TableListRow> tableListRows(const VerbDatabase& verbs);

// The row the list preselects for `currentTable`: the first row, searching from row 1 to the end
// and then row 0, whose text begins with the text of the row of that table (ASCII letters compared
// without case); -1 when no row has that table.
int preselectedRow(const std::vector<TableListRow>& rows, std::uint32_t currentTable);

// The table number of a row text: the digits after its first run of three spaces (or of the whole
// text when it has none), read as atoi reads them; 0 when there are none.
std::uint32_t tableNumberOfRow(std::string_view text);

}  // namespace quorix
