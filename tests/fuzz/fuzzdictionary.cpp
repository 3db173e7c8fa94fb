#include "fuzzdictionary.h"

#include <cstdio>
#include <cstdlib>

namespace quorix::fuzz {

const DatabaseSet& fuzzDictionary() {
  static const DatabaseSet databases = [] {
    DatabaseSet loaded;
    std::string error;
    if (!loaded.load(std::string(QUORIX_FUZZ_SEEDS) + "/" + kFuzzDictionaryFolder, error)) {
      std::fprintf(stderr, "cannot load the fuzz dictionary: %s\n", error.c_str());
      std::abort();
    }
    return loaded;
  }();
  return databases;
}

DatabaseReaders fuzzDictionaryReaders() { return fuzzDictionary().readers(); }

}  // namespace quorix::fuzz
