#pragma once
// The three database readers of one program folder, loaded in the program's order (hebrew.db,
// then russian.db, then rusearch.db; each completely before the next is opened).

#include <memory>
#include <string>

#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"

namespace quorix {

struct DatabaseSet {
  std::unique_ptr<VerbDatabase> verbs;
  std::unique_ptr<TranslationDatabase> translations;
  std::unique_ptr<RussianSearchIndex> russianIndex;

  // False with `error` saying which file failed and why; readers loaded so far are released.
  bool load(const std::string& folder, std::string& error);
};

}  // namespace quorix
