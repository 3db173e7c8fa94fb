#include "paradigm.h"

#include <algorithm>
#include <sstream>

#include "hebrewtext.h"
#include "tabfile.h"

namespace quorix::dictionary {

namespace {

std::vector<std::string> words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> out;
  std::string word;
  while (in >> word) out.push_back(word);
  return out;
}

bool parseConditions(const std::vector<std::string>& items, std::size_t first, std::vector<RootCondition>& out,
                     std::string& error) {
  for (std::size_t i = first; i < items.size(); ++i) {
    RootCondition condition;
    if (!parseRootCondition(items[i], condition, error)) return false;
    out.push_back(std::move(condition));
  }
  return true;
}

}  // namespace

bool RootTest::holds(const Root& root) const {
  bool result = false;
  if (radical == 0) {
    result = root.size() == size;
  } else if (radical > root.size()) {
    result = false;
  } else if (sameAs != 0) {
    result = sameAs <= root.size() && root.letter(radical) == root.letter(sameAs);
  } else {
    const std::u32string pointed = root.pointedLetter(radical);
    for (std::size_t i = 0; i < letters.size(); ++i) {
      if (ordinaryForm(letters[i]) != pointed[0]) continue;
      // A dotted shin or sin in the condition asks for that dot; a bare one takes either.
      const bool dotted = i + 1 < letters.size() && (letters[i + 1] == kShinDot || letters[i + 1] == kSinDot);
      if (!dotted || (pointed.size() > 1 && pointed[1] == letters[i + 1])) result = true;
    }
  }
  return result != negated;
}

namespace {

bool parseRootTest(const std::string& text, RootTest& condition, std::string& error) {
  condition = RootTest{};
  const std::size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 >= text.size()) {
    error = "condition '" + text + "' is not k=LETTERS, k!=LETTERS, k=#j or size=N";
    return false;
  }
  std::string left = text.substr(0, eq);
  if (left.back() == '!') {
    condition.negated = true;
    left.pop_back();
  }
  const std::string right = text.substr(eq + 1);
  if (left == "size") {
    if (!parseWholeNumber(right, condition.size)) {
      error = "condition '" + text + "': size needs a number";
      return false;
    }
    return true;
  }
  if (!parseWholeNumber(left, condition.radical) || condition.radical < 1 || condition.radical > 4) {
    error = "condition '" + text + "': radical must be 1 to 4";
    return false;
  }
  if (right[0] == '#') {
    if (!parseWholeNumber(std::string_view(right).substr(1), condition.sameAs) || condition.sameAs < 1 ||
        condition.sameAs > 4) {
      error = "condition '" + text + "': #j needs a radical 1 to 4";
      return false;
    }
    return true;
  }
  condition.letters = toUtf32(right);
  for (char32_t c : condition.letters) {
    if (!isHebrewLetter(c) && c != kShinDot && c != kSinDot) {
      error = "condition '" + text + "': only letters may follow '='";
      return false;
    }
  }
  return true;
}

}  // namespace

bool RootCondition::holds(const Root& root) const {
  return std::any_of(alternatives.begin(), alternatives.end(), [&](const RootTest& t) { return t.holds(root); });
}

bool parseRootCondition(const std::string& text, RootCondition& condition, std::string& error) {
  condition = RootCondition{};
  condition.text = text;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = text.find('|', start);
    RootTest test;
    if (!parseRootTest(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start), test, error)) {
      if (bar != std::string::npos || start != 0) error = "condition '" + text + "': " + error;
      return false;
    }
    condition.alternatives.push_back(std::move(test));
    if (bar == std::string::npos) return true;
    start = bar + 1;
  }
}

bool parseParadigmCell(const std::vector<std::string>& fields, std::size_t first, ParadigmCell& cell,
                       std::string& error) {
  std::size_t code = 0;
  if (fields.size() <= first || !parseWholeNumber(fields[first], code) || code > 84) {
    error = "form code '" + (fields.size() > first ? fields[first] : std::string()) + "' is not 0 to 84";
    return false;
  }
  cell = ParadigmCell{};
  cell.code = static_cast<std::uint16_t>(code);
  const std::size_t given = fields.size() - first - 1;
  if (given >= 1 && (fields[first + 1] == "-" || fields[first + 1] == "none")) {
    cell.exists = false;
    cell.removed = fields[first + 1] == "none";
    if (cell.removed && code < 50) {
      error = "only an alternative (50 to 84) can be removed";
      return false;
    }
    return true;
  }
  if (given != 2 || fields[first + 1].empty() || fields[first + 2].empty()) {
    error = "form code " + fields[first] + " needs a pointed and an unpointed template";
    return false;
  }
  cell.pointed = toUtf32(fields[first + 1]);
  cell.unpointed = toUtf32(fields[first + 2]);
  return true;
}

bool Paradigm::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  cells_.clear();
  variants_.clear();
  fit_.clear();
  likeTable_ = 0;
  std::vector<ParadigmCell>* target = &cells_;
  for (const TabLine& line : lines) {
    const std::string& head = line.fields[0];
    if (!head.empty() && head[0] == '@') {
      const std::vector<std::string> items = words(head);
      std::string message;
      if (items[0] == "@like" && items.size() == 2 && line.fields.size() == 1 && target == &cells_) {
        std::size_t table = 0;
        if (!parseWholeNumber(items[1], table) || table < 10000 || table > 79999) {
          error = whereIs(path, line) + "@like needs a table number";
          return false;
        }
        likeTable_ = static_cast<std::uint32_t>(table);
      } else if (items[0] == "@fit" && line.fields.size() == 1) {
        if (!parseConditions(items, 1, fit_, message)) {
          error = whereIs(path, line) + message;
          return false;
        }
      } else if (items[0] == "@variant" && items.size() >= 2 && line.fields.size() == 1) {
        ParadigmVariant variant;
        variant.name = items[1];
        if (variantIndex(variant.name) >= 0) {
          error = whereIs(path, line) + "variant '" + variant.name + "' given twice";
          return false;
        }
        if (items.size() > 2 && (items[2] != "when" || items.size() == 3)) {
          error = whereIs(path, line) + "expected '@variant NAME when CONDITION...'";
          return false;
        }
        if (!parseConditions(items, 3, variant.when, message)) {
          error = whereIs(path, line) + message;
          return false;
        }
        variants_.push_back(std::move(variant));
        target = &variants_.back().cells;
      } else {
        error = whereIs(path, line) + "unknown directive '" + head + "'";
        return false;
      }
      continue;
    }
    ParadigmCell cell;
    std::string message;
    if (!parseParadigmCell(line.fields, 0, cell, message)) {
      error = whereIs(path, line) + message;
      return false;
    }
    for (const ParadigmCell& other : *target) {
      if (other.code == cell.code) {
        error = whereIs(path, line) + "form code " + head + " given twice";
        return false;
      }
    }
    if (target == &cells_ && cell.removed) {
      error = whereIs(path, line) + "'none' belongs in a variant";
      return false;
    }
    target->push_back(std::move(cell));
  }
  return true;
}

void Paradigm::inherit(const Paradigm& base) {
  for (const ParadigmCell& cell : base.cells_) {
    const bool own = std::any_of(cells_.begin(), cells_.end(), [&](const ParadigmCell& c) { return c.code == cell.code; });
    if (!own) cells_.push_back(cell);
  }
  std::sort(cells_.begin(), cells_.end(), [](const ParadigmCell& a, const ParadigmCell& b) { return a.code < b.code; });
  // The base's variants come first, so that the table's own ones are applied after them.
  std::vector<ParadigmVariant> variants;
  for (const ParadigmVariant& inherited : base.variants_) {
    if (variantIndex(inherited.name) < 0) variants.push_back(inherited);
  }
  for (ParadigmVariant& own : variants_) variants.push_back(std::move(own));
  variants_ = std::move(variants);
}

int Paradigm::variantIndex(const std::string& name) const {
  for (std::size_t i = 0; i < variants_.size(); ++i) {
    if (variants_[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

const ParadigmVariant* Paradigm::variant(const std::string& name) const {
  const int index = variantIndex(name);
  return index < 0 ? nullptr : &variants_[static_cast<std::size_t>(index)];
}

}  // namespace quorix::dictionary
