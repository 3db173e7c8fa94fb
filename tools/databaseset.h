#pragma once
// The database readers of one program folder, loaded in the program's order (hebrew.db,
// russian.db, rusearch.db, english.db, ensearch.db; each completely before the next is opened).

#include <memory>
#include <string>

#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"
#include "lists/databasereaders.h"

namespace quorix {

struct DatabaseSet {
  std::unique_ptr<VerbDatabase> verbs;
  std::unique_ptr<TranslationDatabase> translations;
  std::unique_ptr<RussianSearchIndex> russianIndex;
  std::unique_ptr<TranslationDatabase> englishTranslations;
  std::unique_ptr<RussianSearchIndex> englishIndex;

  // False with `error` saying which file failed and why; readers loaded so far are released.
  bool load(const std::string& folder, std::string& error);
  // The loaded readers as the lists and pages take them; only after load succeeded.
  DatabaseReaders readers() const {
    return {*verbs, *translations, *russianIndex, *englishTranslations, *englishIndex};
  }
};

}  // namespace quorix
