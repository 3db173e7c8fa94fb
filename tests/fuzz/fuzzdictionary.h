#pragma once
// The small dictionary that quorix-fuzz-seeds draws from the compiled one (see fuzzseeds.cpp),
// loaded once per fuzz process: the targets that fuzz what reads loaded databases (cache files,
// page addresses, page offsets) run on real verbs.

#include "databaseset.h"
#include "lists/databasereaders.h"

namespace quorix::fuzz {

// Its folder inside the seeds folder.
inline constexpr const char* kFuzzDictionaryFolder = "dictionary";

// Aborts the process when the dictionary does not load.
const DatabaseSet& fuzzDictionary();
DatabaseReaders fuzzDictionaryReaders();

}  // namespace quorix::fuzz
