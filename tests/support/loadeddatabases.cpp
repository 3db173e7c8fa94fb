#include "loadeddatabases.h"

#include <filesystem>
#include <stdexcept>

#include "fixturedatabases.h"

namespace quorix::test {

namespace {

template <typename Reader>
std::unique_ptr<Reader> loaded(const std::string& path) {
  auto reader = std::make_unique<Reader>(path);
  if (!reader->load()) throw std::runtime_error(path + ": " + reader->loadError());
  return reader;
}

}  // namespace

LoadedDatabases::LoadedDatabases(const std::vector<VerbRecordSource>& verbRecords,
                                 const std::vector<TranslationRecordSource>& translationRecords,
                                 const std::vector<SearchEntrySource>& searchEntries, const ModelVerbs& models,
                                 const EnglishSources& english) {
  writeVerbDatabase(folder_.file("hebrew.db"), verbRecords, models);
  writeTranslationDatabase(folder_.file("russian.db"), translationRecords);
  writeRussianSearchIndex(folder_.file("rusearch.db"), searchEntries);
  writeTranslationDatabase(folder_.file("english.db"), english.translations);
  writeRussianSearchIndex(folder_.file("ensearch.db"), english.searchEntries);
  verbs = loaded<VerbDatabase>(folder_.file("hebrew.db"));
  translations = loaded<TranslationDatabase>(folder_.file("russian.db"));
  russianIndex = loaded<RussianSearchIndex>(folder_.file("rusearch.db"));
  englishTranslations = loaded<TranslationDatabase>(folder_.file("english.db"));
  englishIndex = loaded<RussianSearchIndex>(folder_.file("ensearch.db"));
  std::filesystem::create_directory(cacheFolder());
}

QueryCache LoadedDatabases::openedCache() const {
  QueryCache cache(cacheFolder(), readers().identity());
  cache.open();
  return cache;
}

}  // namespace quorix::test
