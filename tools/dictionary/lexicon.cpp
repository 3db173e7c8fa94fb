#include "lexicon.h"

#include <set>

#include "tabfile.h"

namespace quorix::dictionary {

namespace {

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool isAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> splitGlosses(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t semicolon = text.find(';', start);
    std::string piece = trimmed(text.substr(start, semicolon == std::string::npos ? std::string::npos : semicolon - start));
    if (!piece.empty()) out.push_back(std::move(piece));
    if (semicolon == std::string::npos) break;
    start = semicolon + 1;
  }
  return out;
}

bool Lexicon::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  verbs_.clear();
  std::set<std::uint32_t> ids;
  for (const TabLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() < 7 || f.size() > 8) {
      error = whereIs(path, line) + "expected 7 or 8 fields, found " + std::to_string(f.size());
      return false;
    }
    LexiconVerb verb;
    verb.line = line.number;
    if (!parseWholeNumber(f[0], verb.verbId) || verb.verbId == 0 || !ids.insert(verb.verbId).second) {
      error = whereIs(path, line) + "verbId '" + f[0] + "' is not a positive number or repeats";
      return false;
    }
    std::string message;
    if (!Root::parse(trimmed(f[1]), verb.root, message)) {
      error = whereIs(path, line) + message;
      return false;
    }
    verb.rootText = trimmed(f[1]);
    if (!parseWholeNumber(f[2], verb.binyan) || !parseWholeNumber(f[3], verb.tableNumber) || verb.binyan < 1 ||
        verb.binyan > 7 || verb.tableNumber / 10000 != static_cast<std::uint32_t>(verb.binyan)) {
      error = whereIs(path, line) + "the binyan must be 1 to 7 and the first digit of the table number";
      return false;
    }
    verb.infinitive = trimmed(f[4]);
    verb.english = splitGlosses(f[5]);
    verb.russian = splitGlosses(f[6]);
    if (verb.english.empty() || verb.russian.empty()) {
      error = whereIs(path, line) + "a verb needs an English and a Russian gloss";
      return false;
    }
    for (const std::string& gloss : verb.english) {
      if (!isAscii(gloss)) {
        error = whereIs(path, line) + "English gloss '" + gloss + "' is not plain ASCII";
        return false;
      }
    }
    if (f.size() == 8) verb.notes = f[7];
    verbs_.push_back(std::move(verb));
  }
  return true;
}

}  // namespace quorix::dictionary
