#pragma once
// The catalogue of the 43 conjugation tables (data/tables.tsv): row k of the table list, the table
// number, binyan, root pattern, the roots the table holds and its model verb.

#include <cstdint>
#include <string>
#include <vector>

#include "root.h"

namespace quorix::dictionary {

struct TableEntry {
  int row = 0;  // k, 1 to 43
  std::uint32_t tableNumber = 0;
  int binyan = 0;
  std::string pattern;  // UTF-8
  std::string roots;
  Root modelRoot;
  std::string modelInfinitive;  // pointed, "-" where the binyan has none
  std::string modelLemma;       // pointed third person masculine singular past
};

class TableCatalogue {
 public:
  static constexpr std::size_t kTableCount = 43;

  // False with `error` (file and line) when the file cannot be read, a row is malformed, the rows are
  // not 1 to 43 in order, the table numbers do not ascend, or a binyan disagrees with its number.
  bool load(const std::string& path, std::string& error);

  const std::vector<TableEntry>& tables() const { return tables_; }
  // The entry of a table number, or null.
  const TableEntry* find(std::uint32_t tableNumber) const;

 private:
  std::vector<TableEntry> tables_;
};

}  // namespace quorix::dictionary
