#include "conjugation.h"

#include <algorithm>
#include <map>

#include "formtemplate.h"

namespace quorix::dictionary {

namespace {

bool listed(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

bool applies(const ParadigmVariant& variant, const Root& root, const VerbOverrides* overrides) {
  if (overrides && listed(overrides->variants, variant.name)) return true;
  if (variant.when.empty() || (overrides && listed(overrides->refusedVariants, variant.name))) return false;
  return std::all_of(variant.when.begin(), variant.when.end(), [&](const RootCondition& c) { return c.holds(root); });
}

void place(std::map<std::uint16_t, ParadigmCell>& cells, const std::vector<ParadigmCell>& replacements) {
  for (const ParadigmCell& cell : replacements) {
    if (cell.removed) {
      cells.erase(cell.code);
    } else {
      cells[cell.code] = cell;
    }
  }
}

}  // namespace

const ConjugatedForm* Conjugation::find(std::uint16_t code) const {
  for (const ConjugatedForm& form : forms) {
    if (form.code == code) return &form;
  }
  return nullptr;
}

bool Conjugation::spelledLikeItsBase(const ConjugatedForm& form) const {
  if (form.code < 50 || form.code > 84 || !form.exists) return false;
  const ConjugatedForm* base = find(static_cast<std::uint16_t>(form.code - 50));
  return base && base->exists && base->unpointed == form.unpointed;
}

bool conjugate(const Root& root, const Paradigm& paradigm, const VerbOverrides* overrides,
               const std::vector<std::uint16_t>& requiredCodes, Conjugation& conjugation, std::string& error) {
  conjugation = Conjugation{};
  if (overrides) {
    for (const std::string& name : overrides->variants) {
      if (!paradigm.variant(name)) {
        error = "the table has no variant '" + name + "'";
        return false;
      }
    }
  }
  std::map<std::uint16_t, ParadigmCell> cells;
  place(cells, paradigm.cells());
  for (const ParadigmVariant& variant : paradigm.variants()) {
    if (!applies(variant, root, overrides)) continue;
    place(cells, variant.cells);
    conjugation.variants.push_back(variant.name);
  }
  if (overrides) place(cells, overrides->cells);
  for (std::uint16_t code : requiredCodes) {
    if (!cells.contains(code)) {
      error = "form " + std::to_string(code) + ": the table gives no form";
      return false;
    }
  }
  for (const auto& [code, cell] : cells) {
    ConjugatedForm form;
    form.code = code;
    form.exists = cell.exists;
    if (cell.exists) {
      std::string message;
      if (!expandPointed(cell.pointed, root, form.pointed, message) ||
          !expandUnpointed(cell.unpointed, root, form.unpointed, message)) {
        error = "form " + std::to_string(code) + ": " + message;
        return false;
      }
    }
    conjugation.forms.push_back(std::move(form));
  }
  return true;
}

std::vector<std::string> unmetFitConditions(const Root& root, const Paradigm& paradigm) {
  std::vector<std::string> out;
  for (const RootCondition& condition : paradigm.fit()) {
    if (!condition.holds(root)) out.push_back(condition.text);
  }
  return out;
}

}  // namespace quorix::dictionary
