#pragma once
// Where single verbs depart from their table (data/overrides.tsv), keyed by root and binyan:
//
//   ROOT <tab> BINYAN <tab> variant  <tab> NAME            use the table's variant NAME
//   ROOT <tab> BINYAN <tab> -variant <tab> NAME            do not apply the variant NAME by itself
//   ROOT <tab> BINYAN <tab> CODE <tab> POINTED <tab> UNPOINTED   this form instead of the table's
//
// POINTED and UNPOINTED are templates as in a paradigm (literal forms are templates without
// digits); "-" marks a form that does not exist, "none" removes an alternative.

#include <map>
#include <string>
#include <vector>

#include "paradigm.h"
#include "root.h"

namespace quorix::dictionary {

struct VerbOverrides {
  std::vector<std::string> variants;
  std::vector<std::string> refusedVariants;
  std::vector<ParadigmCell> cells;
  int line = 0;  // first line of the entry, for messages
};

class OverrideSet {
 public:
  // False with `error` (file and line) for an unreadable file or a malformed line. A missing file
  // is an error too: the dictionary always ships one.
  bool load(const std::string& path, std::string& error);

  // The overrides of one verb, or null when it has none.
  const VerbOverrides* find(const Root& root, int binyan) const;
  // Every entry's key, "ROOT/BINYAN", for the check that each override meets a verb.
  std::vector<std::string> keys() const;
  static std::string keyOf(const Root& root, int binyan);

 private:
  std::map<std::string, VerbOverrides> entries_;
};

}  // namespace quorix::dictionary
