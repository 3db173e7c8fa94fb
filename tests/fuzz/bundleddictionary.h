#pragma once
// The dictionary the build compiled into the program folder, loaded once per fuzz process: the
// targets that fuzz what reads a loaded database (cache files, page addresses, page offsets) run
// against the real thing.

#include "databaseset.h"
#include "lists/databasereaders.h"

namespace quorix::fuzz {

// Aborts the process when the program folder's databases do not load.
const DatabaseSet& bundledDictionary();
DatabaseReaders bundledReaders();

}  // namespace quorix::fuzz
