#pragma once
// The three loaded database readers, as the lists and pages use them. Non-owning: the main window
// owns the readers and keeps them alive (and unchanged) for as long as anything holding this
// exists, and releases them only after the list worker has ended.

#include "cachemanifest.h"
#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"

namespace quorix {

struct DatabaseReaders {
  const VerbDatabase& verbs;
  const TranslationDatabase& translations;
  const RussianSearchIndex& russianIndex;

  // The loaded files the lists are built from, which the query cache is tied to: a new database
  // file is one more line here.
  DatabaseIdentity identity() const {
    return {verbs.fingerprint(), translations.fingerprint(), russianIndex.fingerprint()};
  }
};

}  // namespace quorix
