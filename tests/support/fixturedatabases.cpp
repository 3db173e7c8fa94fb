#include "fixturedatabases.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "db/records.h"

namespace quorix::test {

std::vector<VerbRecordSource> recordsOf(const std::vector<FixtureVerb>& verbs) {
  std::vector<VerbRecordSource> records;
  for (const FixtureVerb& v : verbs) {
    for (const auto& [code, text] : v.forms) records.push_back({0, v.verbId, code, v.tableNumber, text, text, ""});
    records.push_back({0, v.verbId, form::kPattern, v.tableNumber, "", "000", ""});
    records.push_back({0, v.verbId, form::kRoot, v.tableNumber, v.root, v.root, ""});
    std::uint16_t code = form::kFirstTranslation;
    for (const std::string& t : v.translations) records.push_back({0, v.verbId, code++, v.tableNumber, "", "-", t});
  }
  return records;
}

namespace {

template <typename Build>
void buildAndWrite(const std::string& path, Build build) {
  std::vector<std::uint8_t> image;
  std::string error;
  if (!build(image, error) || !writeDatabaseImage(path, image, error)) throw std::runtime_error(error);
}

}  // namespace

void writeVerbDatabase(const std::string& path, const std::vector<VerbRecordSource>& records, const ModelVerbs& models) {
  buildAndWrite(path, [&](auto& image, auto& error) { return buildVerbDatabase(records, models, image, error); });
}

void writeTranslationDatabase(const std::string& path, const std::vector<TranslationRecordSource>& records) {
  buildAndWrite(path, [&](auto& image, auto& error) { return buildTranslationDatabase(records, image, error); });
}

void writeRussianSearchIndex(const std::string& path, const std::vector<SearchEntrySource>& entries) {
  buildAndWrite(path, [&](auto& image, auto& error) { return buildRussianSearchIndex(entries, image, error); });
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quorix::test
