#pragma once
// The inverse of the three readers: lays out records given in memory in the stored formats,
// builds every index table in the order the lookups and list fills rely on, scrambles the blobs and
// writes the files. The dictionary compiler, the synthesizer and every test fixture use it.
//
// Texts are passed as the bytes to store (code page 1255 Hebrew, 1251 Russian, ASCII); a text may
// not contain NUL. A record that would reach 512 bytes, or a search word of 40 bytes or more, is an
// error: the readers would refuse it.

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorix {

struct VerbRecordSource {
  std::uint32_t reserved = 0;
  std::uint32_t verbId = 0;
  std::uint16_t formCode = 0;
  std::uint32_t tableNumber = 0;
  std::string formText;
  std::string listText;
  std::string translationText;
};

struct TranslationRecordSource {
  std::uint32_t russianKey = 0;
  std::uint32_t verbId = 0;
  std::uint16_t marked = 0;
  std::string russianText;
  std::string hebrewText;
};

struct SearchEntrySource {
  std::uint32_t key = 0;
  std::uint16_t highlightCell = 0;
  std::uint16_t markedOnly = 0;
  std::string text;
};

// Which verb stands for each table: its records come first in the table's run of the table index.
// A table without an entry is represented by its first verb in stored order.
using ModelVerbs = std::unordered_map<std::uint32_t, std::uint32_t>;  // tableNumber -> verbId

// hebrew.db. Records are stored in the order given: the records of one verb together, in ascending
// formCode. The verb, form and table indexes keep stored order within a run of equal keys (the
// table index puts the model verb first); the text index sorts by the first 16 bytes of listText
// (unsigned), ties by the whole listText, then stored order.
bool buildVerbDatabase(std::span<const VerbRecordSource> records, const ModelVerbs& models,
                       std::vector<std::uint8_t>& image, std::string& error);

// russian.db, and english.db in the same format. Records are stored in ascending russianKey
// (stable), so a group follows its head.
bool buildTranslationDatabase(std::span<const TranslationRecordSource> records, std::vector<std::uint8_t>& image,
                              std::string& error);

// rusearch.db, and ensearch.db in the same format. Entries are stored in the order given, which is
// the order of the lists.
bool buildRussianSearchIndex(std::span<const SearchEntrySource> entries, std::vector<std::uint8_t>& image,
                             std::string& error);

// Writes an image built above (atomically, see atomicfile.h).
bool writeDatabaseImage(const std::string& path, std::span<const std::uint8_t> image, std::string& error);

}  // namespace quorix
