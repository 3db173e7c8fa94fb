#include "syntheticfolder.h"

#include <cstdio>
#include <cstdlib>

#include "databasesynthesizer.h"

namespace quorix::bench {

SyntheticFolder::SyntheticFolder() {
  SynthesisCounts counts;
  std::string error;
  if (!synthesizeDatabases(kRecords, path(), counts, error)) {
    std::fprintf(stderr, "cannot synthesize databases: %s\n", error.c_str());
    std::abort();
  }
}

const SyntheticFolder& SyntheticFolder::get() {
  static const SyntheticFolder folder;
  return folder;
}

}  // namespace quorix::bench
