#include "bundleddictionary.h"

#include <cstdio>
#include <cstdlib>

namespace quorix::fuzz {

const DatabaseSet& bundledDictionary() {
  static const DatabaseSet databases = [] {
    DatabaseSet loaded;
    std::string error;
    if (!loaded.load(QUORIX_APP_DIR, error)) {
      std::fprintf(stderr, "cannot load the bundled dictionary: %s\n", error.c_str());
      std::abort();
    }
    return loaded;
  }();
  return databases;
}

DatabaseReaders bundledReaders() {
  const DatabaseSet& d = bundledDictionary();
  return {*d.verbs, *d.translations, *d.russianIndex};
}

}  // namespace quorix::fuzz
