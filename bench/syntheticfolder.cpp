#include "syntheticfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "databasesynthesizer.h"

namespace quorix::bench {

SyntheticFolder::SyntheticFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorix-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    std::abort();
  }
  path_ = pattern;
  SynthesisCounts counts;
  std::string error;
  if (!synthesizeDatabases(kRecords, path_, counts, error)) {
    std::fprintf(stderr, "cannot synthesize databases: %s\n", error.c_str());
    std::abort();
  }
}

SyntheticFolder::~SyntheticFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

const SyntheticFolder& SyntheticFolder::get() {
  static const SyntheticFolder folder;
  return folder;
}

}  // namespace quorix::bench
