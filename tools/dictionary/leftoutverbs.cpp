#include "leftoutverbs.h"

#include "tabfile.h"

namespace quorix::dictionary {

bool LeftOutVerbs::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  verbs_.clear();
  for (const TabLine& line : lines) {
    const auto& f = line.fields;
    if (f.size() != 5) {
      error = whereIs(path, line) + "expected INDEX FORM, BINYAN, ROOT, TABLE and REASON";
      return false;
    }
    LeftOutVerb verb;
    verb.line = line.number;
    verb.indexForm = f[0];
    if (!parseWholeNumber(f[1], verb.binyan) || verb.binyan < 1 || verb.binyan > 7 || f[0].empty() || f[4].empty()) {
      error = whereIs(path, line) + "needs the index form, a binyan 1 to 7 and a reason";
      return false;
    }
    if ((f[2] == "-") != (f[3] == "-")) {
      error = whereIs(path, line) + "a root needs its table and a table its root";
      return false;
    }
    if (f[2] != "-") {
      Root root;
      std::string message;
      if (!Root::parse(f[2], root, message)) {
        error = whereIs(path, line) + message;
        return false;
      }
      if (!parseWholeNumber(f[3], verb.tableNumber) || verb.tableNumber / 10000 != static_cast<std::uint32_t>(verb.binyan)) {
        error = whereIs(path, line) + "the table must be a table number of the verb's binyan";
        return false;
      }
      verb.root = root;
    }
    verb.reason = f[4];
    verbs_.push_back(std::move(verb));
  }
  return true;
}

}  // namespace quorix::dictionary
