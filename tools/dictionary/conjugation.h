#pragma once
// A verb's conjugation: its table's paradigm with the variants that apply to its root and its own
// overrides, expanded with its root into every form, in ascending form code.

#include <cstdint>
#include <string>
#include <vector>

#include "overrideset.h"
#include "paradigm.h"
#include "root.h"

namespace quorix::dictionary {

struct ConjugatedForm {
  std::uint16_t code = 0;
  std::u32string pointed;    // empty when the form does not exist
  std::u32string unpointed;  // empty when the form does not exist
  bool exists = true;
};

struct Conjugation {
  std::vector<ConjugatedForm> forms;  // ascending code
  std::vector<std::string> variants;  // the variants that were applied, in paradigm order

  const ConjugatedForm* find(std::uint16_t code) const;
  // Whether `form` is an alternative (50-84) spelled like the form it stands beside, different only in
  // its points (אִכָּנֵס beside אֶכָּנֵס).
  bool spelledLikeItsBase(const ConjugatedForm& form) const;
};

// False with `error` when an override asks for a variant the paradigm lacks, a required code has
// no cell, or a template does not expand with this root (see formtemplate.h); the message names the
// form code. `overrides` may be null.
bool conjugate(const Root& root, const Paradigm& paradigm, const VerbOverrides* overrides,
               const std::vector<std::uint16_t>& requiredCodes, Conjugation& conjugation, std::string& error);

// The fit conditions of the paradigm that the root fails, as written; empty when it fits.
std::vector<std::string> unmetFitConditions(const Root& root, const Paradigm& paradigm);

}  // namespace quorix::dictionary
