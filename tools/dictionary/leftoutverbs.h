#pragma once
// The verbs of the reference verb index that the lexicon does not hold (data/left-out.tsv), each with
// the reason, so that every verb of the index is accounted for. Where a table can conjugate the verb,
// its root and table are given too: its corpus frequency is then measured beside the lexicon's verbs,
// and a form it shares with them takes its share of the count. One verb a line:
//
//   INDEX FORM <tab> BINYAN <tab> ROOT <tab> TABLE <tab> REASON
//
// INDEX FORM is the verb as the index writes it (the defective third person masculine singular past,
// "'" after ש for a sin); ROOT and TABLE are "-" when no table can conjugate it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "root.h"

namespace quorix::dictionary {

struct LeftOutVerb {
  std::string indexForm;
  int binyan = 0;
  std::optional<Root> root;      // none when no table can conjugate the verb
  std::uint32_t tableNumber = 0;  // 0 with no root
  std::string reason;
  int line = 0;
};

class LeftOutVerbs {
 public:
  // False with `error` (file and line) when the file cannot be read or a line is malformed: not five
  // fields, a binyan that is not 1 to 7 or not the first digit of the table, a root that does not
  // parse, a root without a table or the reverse, an empty reason.
  bool load(const std::string& path, std::string& error);

  const std::vector<LeftOutVerb>& verbs() const { return verbs_; }

 private:
  std::vector<LeftOutVerb> verbs_;
};

}  // namespace quorix::dictionary
