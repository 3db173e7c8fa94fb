#pragma once
// The verb lexicon (data/verbs.tsv): one verb a line, tab-separated: verbId, root, binyan, table
// number, pointed infinitive ("-" where the binyan has none), English glosses and Russian glosses
// (each "; "-separated, the first Russian one the main translation), notes (may be empty or absent).

#include <cstdint>
#include <string>
#include <vector>

#include "root.h"

namespace quorix::dictionary {

struct LexiconVerb {
  std::uint32_t verbId = 0;
  Root root;
  std::string rootText;  // as written
  int binyan = 0;
  std::uint32_t tableNumber = 0;
  std::string infinitive;  // pointed UTF-8 as written, or "-"
  std::vector<std::string> english;
  std::vector<std::string> russian;
  std::string notes;
  int line = 0;
};

class Lexicon {
 public:
  // False with `error` (file and line) when the file cannot be read or a line is malformed: a verbId
  // that is not a positive number or repeats, a root that does not parse, a binyan that is not the
  // first digit of the table number, a gloss list that is empty or English that is not ASCII.
  bool load(const std::string& path, std::string& error);

  const std::vector<LexiconVerb>& verbs() const { return verbs_; }

 private:
  std::vector<LexiconVerb> verbs_;
};

// "a; b;c" -> {"a", "b", "c"}, each trimmed, empty pieces dropped.
std::vector<std::string> splitGlosses(const std::string& text);

}  // namespace quorix::dictionary
