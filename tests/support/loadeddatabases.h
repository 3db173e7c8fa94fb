#pragma once
// The five fixture databases of a test, written into a temporary folder and loaded, with the
// readers as the lists and pages take them. Missing sources give empty (but loadable) files.

#include <memory>
#include <vector>

#include "db/databasewriter.h"
#include "lists/databasereaders.h"
#include "lists/querycache.h"
#include "tempfolder.h"

namespace quorix::test {

// The English side: english.db's groups and ensearch.db's entries.
struct EnglishSources {
  std::vector<TranslationRecordSource> translations;
  std::vector<SearchEntrySource> searchEntries;
};

class LoadedDatabases {
 public:
  LoadedDatabases(const std::vector<VerbRecordSource>& verbs, const std::vector<TranslationRecordSource>& translations,
                  const std::vector<SearchEntrySource>& searchEntries, const ModelVerbs& models = {},
                  const EnglishSources& english = {});

  DatabaseReaders readers() const {
    return {*verbs, *translations, *russianIndex, *englishTranslations, *englishIndex};
  }
  const std::string& folder() const { return folder_.path(); }
  std::string cacheFolder() const { return folder_.file("query cache"); }
  // The query cache of cacheFolder() for these databases, opened as at start-up.
  QueryCache openedCache() const;

  std::unique_ptr<VerbDatabase> verbs;
  std::unique_ptr<TranslationDatabase> translations;
  std::unique_ptr<RussianSearchIndex> russianIndex;
  std::unique_ptr<TranslationDatabase> englishTranslations;
  std::unique_ptr<RussianSearchIndex> englishIndex;

 private:
  TempFolder folder_;
};

}  // namespace quorix::test
