#include "dictionarysources.h"

namespace quorix::dictionary {

bool DictionarySources::loadGrammar(const std::string& dataFolder, std::string& error) {
  if (!catalogue_.load(dataFolder + "/tables.tsv", error)) return false;
  if (!formCodes_.load(dataFolder + "/formcodes.tsv", error)) return false;
  if (!overrides_.load(dataFolder + "/overrides.tsv", error)) return false;
  paradigms_.clear();
  for (const TableEntry& table : catalogue_.tables()) {
    Paradigm paradigm;
    const std::string path = dataFolder + "/paradigms/" + std::to_string(table.tableNumber) + ".tsv";
    if (!paradigm.load(path, error)) return false;
    if (paradigm.likeTable() != 0) {
      // Only an earlier table: its cells are complete by now, and no chain can loop.
      const auto base = paradigms_.find(paradigm.likeTable());
      if (base == paradigms_.end()) {
        error = path + ": @like " + std::to_string(paradigm.likeTable()) + " is not an earlier table";
        return false;
      }
      paradigm.inherit(base->second);
    }
    paradigms_.emplace(table.tableNumber, std::move(paradigm));
  }
  return true;
}

bool DictionarySources::load(const std::string& dataFolder, const std::string& lexiconPath, std::string& error) {
  if (!loadGrammar(dataFolder, error)) return false;
  return lexicon_.load(lexiconPath.empty() ? dataFolder + "/verbs.tsv" : lexiconPath, error);
}

const Paradigm* DictionarySources::paradigm(std::uint32_t tableNumber) const {
  const auto it = paradigms_.find(tableNumber);
  return it == paradigms_.end() ? nullptr : &it->second;
}

}  // namespace quorix::dictionary
