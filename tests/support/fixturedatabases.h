#pragma once
// Fixture databases for tests, built in memory with the program's own writer and written into a
// temporary folder. Nothing binary is kept in the repository.

#include <cstdint>
#include <string>
#include <vector>

#include "db/databasewriter.h"

namespace quorix::test {

// A verb's records in stored order: form 0, the listed cells, pattern, root, translation rows.
// Texts are code page 1255 / 1251 bytes.
struct FixtureVerb {
  std::uint32_t verbId = 0;
  std::uint32_t tableNumber = 0;
  std::string root;  // root listText (and formText)
  std::vector<std::pair<std::uint16_t, std::string>> forms;  // formCode -> text, used as form and list text
  std::vector<std::string> translations;                    // rows 100, 101, ...
};

std::vector<VerbRecordSource> recordsOf(const std::vector<FixtureVerb>& verbs);

// Builds and writes the image; fails the calling test (through an exception) when the writer refuses.
void writeVerbDatabase(const std::string& path, const std::vector<VerbRecordSource>& records,
                       const ModelVerbs& models = {});
void writeTranslationDatabase(const std::string& path, const std::vector<TranslationRecordSource>& records);
void writeRussianSearchIndex(const std::string& path, const std::vector<SearchEntrySource>& entries);

// The whole file as bytes, and the reverse; for tests that damage files.
std::vector<std::uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace quorix::test
