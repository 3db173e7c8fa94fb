#pragma once
// The three loaded database readers, as the lists and pages use them. Non-owning: the main window
// owns the readers and keeps them alive (and unchanged) for as long as anything holding this
// exists, and releases them only after the list worker has ended.

#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"

namespace quorix {

struct DatabaseReaders {
  const VerbDatabase& verbs;
  const TranslationDatabase& translations;
  const RussianSearchIndex& russianIndex;
};

}  // namespace quorix
