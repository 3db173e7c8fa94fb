#include "databaseset.h"

namespace quorix {

namespace {

template <typename Reader>
bool loadOne(const std::string& path, std::unique_ptr<Reader>& reader, std::string& error) {
  reader = std::make_unique<Reader>(path);
  if (reader->load()) return true;
  error = reader->loadError();
  reader.reset();
  return false;
}

}  // namespace

bool DatabaseSet::load(const std::string& folder, std::string& error) {
  const std::string prefix = folder.empty() ? std::string() : folder + "/";
  if (loadOne(prefix + "hebrew.db", verbs, error) && loadOne(prefix + "russian.db", translations, error) &&
      loadOne(prefix + "rusearch.db", russianIndex, error) &&
      loadOne(prefix + "english.db", englishTranslations, error) &&
      loadOne(prefix + "ensearch.db", englishIndex, error)) {
    return true;
  }
  englishIndex.reset();
  englishTranslations.reset();
  russianIndex.reset();
  translations.reset();
  verbs.reset();
  return false;
}

}  // namespace quorix
