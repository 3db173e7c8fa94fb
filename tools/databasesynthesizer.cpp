#include "databasesynthesizer.h"

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "db/databasewriter.h"
#include "db/meaningorder.h"
#include "db/records.h"

namespace quorix {

namespace {

// The cells every synthetic verb fills, in stored order, before its alternatives.
constexpr std::array<std::uint16_t, 26> kCellCodes = {0,  1,  2,  3,  4,  5,  6,  8,  9,  11, 12, 13, 14,
                                                      15, 16, 17, 19, 20, 21, 22, 23, 24, 31, 32, 33, 34};
constexpr std::array<std::uint16_t, 3> kAlternativeCodes = {58, 59, 70};
// Tables per binyan, as in the real dictionary: 43 in all.
constexpr std::array<std::uint32_t, 7> kTablesPerBinyan = {10, 7, 8, 7, 4, 1, 6};
constexpr std::uint32_t kFixedRecordsPerVerb = kCellCodes.size() + kAlternativeCodes.size() + 2;
constexpr std::uint32_t kRecordsPerVerb = 45;

class TextMaker {
 public:
  explicit TextMaker(std::uint32_t seed) : random_(seed) {}

  std::uint32_t below(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random_); }

  // Hebrew consonants alef (0xE0) to tav (0xFA) in code page 1255.
  char letter() { return static_cast<char>(0xE0 + below(27)); }
  // Vowel points 0xC0..0xD3, leaving out 0xCE and 0xD0, which pages read as span markers.
  char point() {
    for (;;) {
      const auto b = static_cast<unsigned char>(0xC0 + below(20));
      if (b != 0xCE && b != 0xD0) return static_cast<char>(b);
    }
  }
  std::string root() {
    std::string r;
    for (int i = 0; i < 3; ++i) r += letter();
    return r;
  }
  // A pointed form built on the root, and its unpointed spelling.
  void form(const std::string& root, std::string& pointed, std::string& plain) {
    pointed.clear();
    plain.clear();
    const std::uint32_t prefix = below(3);
    const std::uint32_t suffix = below(3);
    std::string letters;
    for (std::uint32_t i = 0; i < prefix; ++i) letters += letter();
    letters += root;
    for (std::uint32_t i = 0; i < suffix; ++i) letters += letter();
    for (char c : letters) {
      pointed += c;
      pointed += point();
      plain += c;
    }
  }
  std::string russianWord() {
    std::string w;
    const std::uint32_t n = 4 + below(9);
    for (std::uint32_t i = 0; i < n; ++i) w += static_cast<char>(0xE0 + below(32));  // а..я in code page 1251
    return w + "\xF2\xFC";                                                           // "ть"
  }
  // An English meaning: a word of 3 to 10 letters, a quarter of them followed by a second one.
  std::string englishMeaning() {
    std::string w;
    const auto word = [&] {
      const std::uint32_t n = 3 + below(8);
      for (std::uint32_t i = 0; i < n; ++i) w += static_cast<char>('a' + below(26));
    };
    word();
    if (below(4) == 0) {
      w += ' ';
      word();
    }
    return w;
  }

 private:
  std::mt19937 random_;
};

// Groups g = 1, 2, ... of one to five rows, each row a random verb, and one search entry per group
// (key g * 1000 + 1); nextWord() gives the word of each group in turn.
template <typename NextWord>
void makeGroups(TextMaker& make, std::uint32_t groupCount, const std::vector<std::string>& infinitives,
                NextWord nextWord, std::vector<TranslationRecordSource>& records,
                std::vector<SearchEntrySource>& entries) {
  const auto verbCount = static_cast<std::uint32_t>(infinitives.size());
  for (std::uint32_t g = 1; g <= groupCount; ++g) {
    const std::string word = nextWord();
    records.push_back({g * 1000, 0, 0, word, ""});
    const std::uint32_t rows = 1 + make.below(5);
    for (std::uint32_t r = 1; r <= rows; ++r) {
      const std::uint32_t verb = make.below(verbCount);
      records.push_back({g * 1000 + r, verb + 1, static_cast<std::uint16_t>(make.below(2)), word, infinitives[verb]});
    }
    entries.push_back({g * 1000 + 1, 4, 0, word});
  }
}

std::vector<std::uint32_t> tableNumbers() {
  std::vector<std::uint32_t> tables;
  for (std::uint32_t b = 0; b < kTablesPerBinyan.size(); ++b) {
    for (std::uint32_t t = 1; t <= kTablesPerBinyan[b]; ++t) tables.push_back((b + 1) * 10000 + t);
  }
  return tables;
}

}  // namespace

bool synthesizeDatabases(std::uint32_t records, const std::string& folder, SynthesisCounts& counts, std::string& error) {
  if (records < kFixedRecordsPerVerb + 1) {
    error = "--records must be at least " + std::to_string(kFixedRecordsPerVerb + 1);
    return false;
  }
  TextMaker make(records);
  const std::vector<std::uint32_t> tables = tableNumbers();
  const std::uint32_t verbCount = std::max<std::uint32_t>(1, records / kRecordsPerVerb);

  std::vector<std::string> roots;
  std::vector<VerbRecordSource> verbRecords;
  verbRecords.reserve(records);
  std::vector<std::string> infinitives;
  std::uint32_t left = records;
  for (std::uint32_t v = 0; v < verbCount; ++v) {
    // Spread the remaining records evenly over the remaining verbs.
    const std::uint32_t share = left / (verbCount - v);
    const std::uint32_t verbId = v + 1;
    const std::uint32_t table = tables[make.below(static_cast<std::uint32_t>(tables.size()))];
    // About a third of the verbs reuse an earlier root, as verbs of one root in several binyans do.
    if (roots.empty() || make.below(3) != 0) roots.push_back(make.root());
    const std::string& root = roots[make.below(static_cast<std::uint32_t>(roots.size()))];
    std::string pointed;
    std::string plain;
    std::string infinitive;
    const auto add = [&](std::uint16_t code, std::string formText, std::string listText, std::string translation) {
      verbRecords.push_back({0, verbId, code, table, std::move(formText), std::move(listText), std::move(translation)});
    };
    for (std::uint16_t code : kCellCodes) {
      make.form(root, pointed, plain);
      if (code == form::kInfinitive) infinitive = pointed;
      add(code, pointed, plain, "");
    }
    for (std::uint16_t code : kAlternativeCodes) {
      make.form(root, pointed, plain);
      add(code, pointed, plain, "");
    }
    add(form::kPattern, "", "000", "");
    add(form::kRoot, root, root, "");
    for (std::uint32_t i = 0; i + kFixedRecordsPerVerb < share; ++i) {
      add(static_cast<std::uint16_t>(form::kFirstTranslation + i), infinitive, "-",
          i % 2 ? std::string("to do something") : make.russianWord());
    }
    infinitives.push_back(infinitive);
    left -= share;
  }

  std::vector<TranslationRecordSource> translationRecords;
  std::vector<SearchEntrySource> searchEntries;
  const std::uint32_t groupCount = verbCount * 5 / 4;
  makeGroups(make, groupCount, infinitives, [&] { return make.russianWord(); }, translationRecords, searchEntries);
  // The English index is in the order typed search relies on, as the dictionary compiler writes it.
  std::vector<std::string> meanings(groupCount);
  for (std::string& meaning : meanings) meaning = make.englishMeaning();
  std::sort(meanings.begin(), meanings.end(),
            [](const std::string& a, const std::string& b) { return meaningLess(a, b); });
  std::vector<TranslationRecordSource> englishRecords;
  std::vector<SearchEntrySource> englishEntries;
  std::size_t nextMeaning = 0;
  makeGroups(make, groupCount, infinitives, [&] { return meanings[nextMeaning++]; }, englishRecords, englishEntries);

  std::vector<std::uint8_t> image;
  const std::string prefix = folder + "/";
  if (!buildVerbDatabase(verbRecords, {}, image, error) || !writeDatabaseImage(prefix + "hebrew.db", image, error) ||
      !buildTranslationDatabase(translationRecords, image, error) ||
      !writeDatabaseImage(prefix + "russian.db", image, error) ||
      !buildRussianSearchIndex(searchEntries, image, error) ||
      !writeDatabaseImage(prefix + "rusearch.db", image, error) ||
      !buildTranslationDatabase(englishRecords, image, error) ||
      !writeDatabaseImage(prefix + "english.db", image, error) ||
      !buildRussianSearchIndex(englishEntries, image, error) ||
      !writeDatabaseImage(prefix + "ensearch.db", image, error)) {
    return false;
  }
  counts = {static_cast<std::uint32_t>(verbRecords.size()), verbCount,
            static_cast<std::uint32_t>(translationRecords.size()), static_cast<std::uint32_t>(searchEntries.size())};
  return true;
}

}  // namespace quorix
