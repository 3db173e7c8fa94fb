#pragma once
// The paradigm of one conjugation table (data/paradigms/<tableNumber>.tsv): a template pair per form
// code (see formtemplate.h), and named variants for root classes that the table holds but that
// conjugate differently in some cells. The file:
//
//   @like TABLE                     start from the cells and variants of an earlier table
//   @fit CONDITION...               roots of the table must meet these (checked, not enforced)
//   CODE <tab> POINTED <tab> UNPOINTED
//   @variant NAME [when CONDITION...]
//   CODE <tab> POINTED <tab> UNPOINTED   cells of the variant, replacing the table's
//
// A CONDITION is "k=LETTERS" (radical k is one of the letters), "k!=LETTERS", "k=#j" (radical k is
// the same letter as radical j) or "size=N", or several of these joined by '|' (any of them). A variant with conditions applies by itself to every
// root that meets them (data/overrides.tsv may refuse it for one verb); one without applies only
// where data/overrides.tsv asks for it. A POINTED "-" is a form that does not exist (the verb keeps
// the record, shown as a dash); "none" in a variant removes an alternative of the table.

#include <cstdint>
#include <string>
#include <vector>

#include "root.h"

namespace quorix::dictionary {

// One test on a root's letters; a condition holds when any of its alternatives does.
struct RootTest {
  std::size_t radical = 0;  // 0 for a test of the root's size
  std::u32string letters;
  std::size_t sameAs = 0;
  std::size_t size = 0;
  bool negated = false;

  bool holds(const Root& root) const;
};

struct RootCondition {
  std::vector<RootTest> alternatives;
  std::string text;  // as written, for messages

  bool holds(const Root& root) const;
};

struct ParadigmCell {
  std::uint16_t code = 0;
  std::u32string pointed;    // template, or empty when the form does not exist
  std::u32string unpointed;  // template, or empty when the form does not exist
  bool exists = true;
  bool removed = false;  // "none": takes an alternative away
};

struct ParadigmVariant {
  std::string name;
  std::vector<RootCondition> when;  // empty: only on request
  std::vector<ParadigmCell> cells;
};

class Paradigm {
 public:
  // False with `error` (file and line) for an unreadable file or a malformed line.
  bool load(const std::string& path, std::string& error);

  const std::vector<ParadigmCell>& cells() const { return cells_; }
  const std::vector<ParadigmVariant>& variants() const { return variants_; }
  const std::vector<RootCondition>& fit() const { return fit_; }
  const ParadigmVariant* variant(const std::string& name) const;
  // The table named by @like, or 0.
  std::uint32_t likeTable() const { return likeTable_; }
  // Takes the cells and variants of `base` that this paradigm does not give itself; for @like.
  void inherit(const Paradigm& base);

 private:
  int variantIndex(const std::string& name) const;

  std::vector<ParadigmCell> cells_;
  std::vector<ParadigmVariant> variants_;
  std::vector<RootCondition> fit_;
  std::uint32_t likeTable_ = 0;
};

// Parses one condition; false with `error` when it is malformed.
bool parseRootCondition(const std::string& text, RootCondition& condition, std::string& error);
// Parses a form line (code, pointed, unpointed); shared by paradigms and overrides.
bool parseParadigmCell(const std::vector<std::string>& fields, std::size_t first, ParadigmCell& cell,
                       std::string& error);

}  // namespace quorix::dictionary
