#pragma once
// Where single verbs depart from their table (data/overrides.tsv), keyed by root and binyan:
//
//   ROOT <tab> BINYAN <tab> variant  <tab> NAME            use the table's variant NAME
//   ROOT <tab> BINYAN <tab> -variant <tab> NAME            do not apply the variant NAME by itself
//   ROOT <tab> BINYAN <tab> CODE <tab> POINTED <tab> UNPOINTED   this form instead of the table's
//
// POINTED and UNPOINTED are templates as in a paradigm (literal forms are templates without
// digits); "-" marks a form that does not exist, "none" removes an alternative. Where one root has two
// verbs in one binyan (כִּוֵּן and כּוֹנֵן), BINYAN may be followed by '@' and the lexicon's infinitive
// of the verb meant ("3@לְכוֹנֵן"); such an entry is used instead of the plain one for that verb.

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

  // The overrides of one verb, or null when it has none; `infinitive` (the lexicon's, may be empty)
  // picks an entry written for that verb alone.
  const VerbOverrides* find(const Root& root, int binyan, const std::string& infinitive) const;
  // Every entry's key, "ROOT/BINYAN" or "ROOT/BINYAN@INFINITIVE", for the check that each override
  // meets a verb.
  std::vector<std::string> keys() const;
  static std::string keyOf(const Root& root, int binyan, const std::string& infinitive);

 private:
  std::map<std::string, VerbOverrides> entries_;
};

}  // namespace quorix::dictionary
