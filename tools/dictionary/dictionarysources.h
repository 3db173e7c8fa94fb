#pragma once
// Everything the dictionary is made from, read from a data folder laid out as the repository's
// data/: tables.tsv, formcodes.tsv, paradigms/<tableNumber>.tsv for every table, overrides.tsv and
// the lexicon (verbs.tsv unless another file is named). Loaded once; read-only afterwards.

#include <cstdint>
#include <map>
#include <string>

#include "formcodetable.h"
#include "lexicon.h"
#include "overrideset.h"
#include "paradigm.h"
#include "tablecatalogue.h"

namespace quorix::dictionary {

class DictionarySources {
 public:
  // False with `error` naming the first file that is missing or malformed. An empty `lexiconPath`
  // means dataFolder/verbs.tsv.
  bool load(const std::string& dataFolder, const std::string& lexiconPath, std::string& error);
  // As load, without a lexicon: enough to conjugate any root in any table.
  bool loadGrammar(const std::string& dataFolder, std::string& error);

  const TableCatalogue& catalogue() const { return catalogue_; }
  const FormCodeTable& formCodes() const { return formCodes_; }
  const OverrideSet& overrides() const { return overrides_; }
  const Lexicon& lexicon() const { return lexicon_; }
  // The paradigm of a catalogued table, or null.
  const Paradigm* paradigm(std::uint32_t tableNumber) const;

 private:
  TableCatalogue catalogue_;
  FormCodeTable formCodes_;
  OverrideSet overrides_;
  Lexicon lexicon_;
  std::map<std::uint32_t, Paradigm> paradigms_;
};

}  // namespace quorix::dictionary
