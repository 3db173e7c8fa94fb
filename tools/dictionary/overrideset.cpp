#include "overrideset.h"

#include "hebrewtext.h"
#include "tabfile.h"

namespace quorix::dictionary {

std::string OverrideSet::keyOf(const Root& root, int binyan, const std::string& infinitive) {
  std::string key = root.identity() + "/" + std::to_string(binyan);
  if (!infinitive.empty()) key += "@" + canonicalUtf8(infinitive);
  return key;
}

bool OverrideSet::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  entries_.clear();
  for (const TabLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() < 4) {
      error = whereIs(path, line) + "expected ROOT, BINYAN, what and value";
      return false;
    }
    Root root;
    std::string message;
    if (!Root::parse(f[0], root, message)) {
      error = whereIs(path, line) + message;
      return false;
    }
    if (f[1].empty() || f[1][0] < '1' || f[1][0] > '7' || (f[1].size() > 1 && (f[1][1] != '@' || f[1].size() == 2))) {
      error = whereIs(path, line) + "binyan must be 1 to 7, optionally followed by @INFINITIVE";
      return false;
    }
    VerbOverrides& entry = entries_[keyOf(root, f[1][0] - '0', f[1].size() > 2 ? f[1].substr(2) : std::string())];
    if (entry.line == 0) entry.line = line.number;
    if (f[2] == "variant" || f[2] == "-variant") {
      if (f.size() != 4 || f[3].empty()) {
        error = whereIs(path, line) + f[2] + " takes one variant name";
        return false;
      }
      (f[2] == "variant" ? entry.variants : entry.refusedVariants).push_back(f[3]);
      continue;
    }
    ParadigmCell cell;
    if (!parseParadigmCell(f, 2, cell, message)) {
      error = whereIs(path, line) + message;
      return false;
    }
    for (const ParadigmCell& other : entry.cells) {
      if (other.code == cell.code) {
        error = whereIs(path, line) + "form code " + f[2] + " given twice for this verb";
        return false;
      }
    }
    entry.cells.push_back(std::move(cell));
  }
  return true;
}

const VerbOverrides* OverrideSet::find(const Root& root, int binyan, const std::string& infinitive) const {
  if (!infinitive.empty()) {
    const auto own = entries_.find(keyOf(root, binyan, infinitive));
    if (own != entries_.end()) return &own->second;
  }
  const auto it = entries_.find(keyOf(root, binyan, std::string()));
  return it == entries_.end() ? nullptr : &it->second;
}

std::vector<std::string> OverrideSet::keys() const {
  std::vector<std::string> out;
  for (const auto& [key, entry] : entries_) out.push_back(key);
  return out;
}

}  // namespace quorix::dictionary
