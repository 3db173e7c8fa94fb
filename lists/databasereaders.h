#pragma once
// The loaded database readers, as the lists and pages use them. Non-owning: the main window owns
// the readers and keeps them alive (and unchanged) for as long as anything holding this exists, and
// releases them only after the list worker has ended.
//
// The Russian and the English side are each a pair of a translation database and a search index
// in the same formats: russian.db with rusearch.db, english.db with ensearch.db.

#include "cachemanifest.h"
#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"
#include "programstate.h"

namespace quorix {

struct DatabaseReaders {
  const VerbDatabase& verbs;
  const TranslationDatabase& translations;
  const RussianSearchIndex& russianIndex;
  const TranslationDatabase& englishTranslations;
  const RussianSearchIndex& englishIndex;

  // The word groups and the search index of a side: English for English input, Russian otherwise
  // (the Hebrew side has neither; its callers never ask).
  const TranslationDatabase& groupsOf(InputLanguage language) const {
    return language == inputlanguage::kEnglish ? englishTranslations : translations;
  }
  const RussianSearchIndex& searchIndexOf(InputLanguage language) const {
    return language == inputlanguage::kEnglish ? englishIndex : russianIndex;
  }

  // The loaded files the lists are built from, which the query cache is tied to: a new database
  // file is one more line here.
  DatabaseIdentity identity() const {
    return {verbs.fingerprint(), translations.fingerprint(), russianIndex.fingerprint(),
            englishTranslations.fingerprint(), englishIndex.fingerprint()};
  }
};

}  // namespace quorix
