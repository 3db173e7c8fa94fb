#include "tablecatalogue.h"

#include "tabfile.h"

namespace quorix::dictionary {

bool TableCatalogue::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  tables_.clear();
  for (const TabLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() != 8) {
      error = whereIs(path, line) + "expected 8 fields, found " + std::to_string(f.size());
      return false;
    }
    TableEntry entry;
    if (!parseWholeNumber(f[0], entry.row) || !parseWholeNumber(f[1], entry.tableNumber) || !parseWholeNumber(f[2], entry.binyan)) {
      error = whereIs(path, line) + "row, table number and binyan must be numbers";
      return false;
    }
    if (entry.row != static_cast<int>(tables_.size()) + 1) {
      error = whereIs(path, line) + "rows must run 1, 2, 3, ... in order";
      return false;
    }
    if (entry.binyan < 1 || entry.binyan > 7 || entry.tableNumber / 10000 != static_cast<std::uint32_t>(entry.binyan)) {
      error = whereIs(path, line) + "the binyan must be 1 to 7 and the first digit of the table number";
      return false;
    }
    if (!tables_.empty() && entry.tableNumber <= tables_.back().tableNumber) {
      error = whereIs(path, line) + "table numbers must ascend with the row";
      return false;
    }
    std::string message;
    if (!Root::parse(f[5], entry.modelRoot, message)) {
      error = whereIs(path, line) + message;
      return false;
    }
    entry.pattern = f[3];
    entry.roots = f[4];
    entry.modelInfinitive = f[6];
    entry.modelLemma = f[7];
    tables_.push_back(std::move(entry));
  }
  if (tables_.size() != kTableCount) {
    error = path + ": " + std::to_string(tables_.size()) + " tables, expected 43";
    return false;
  }
  return true;
}

const TableEntry* TableCatalogue::find(std::uint32_t tableNumber) const {
  for (const TableEntry& entry : tables_) {
    if (entry.tableNumber == tableNumber) return &entry;
  }
  return nullptr;
}

}  // namespace quorix::dictionary
