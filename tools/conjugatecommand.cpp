// quorix-cli conjugate: a verb's whole conjugation, readable in a terminal.

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <map>
#include <vector>

#include "clicommands.h"
#include "coresession.h"
#include "db/codepages.h"
#include "db/recordwalks.h"
#include "lists/rowtext.h"
#include "lists/typedsearch.h"

namespace quorix {

namespace {

struct Person {
  std::uint16_t code;
  const char* label;
};

// The cells of the verb page, in its order, with the persons its labels name.
constexpr Person kPresent[] = {{21, "m. sg."}, {22, "f. sg."}, {23, "m. pl."}, {24, "f. pl."}};
constexpr Person kPast[] = {{1, "I"},   {2, "you (m. sg.)"}, {3, "you (f. sg.)"}, {4, "he"},
                            {5, "she"}, {6, "we"},           {8, "you (pl.)"},    {9, "they"}};
constexpr Person kFuture[] = {{11, "I"},  {12, "you (m. sg.)"}, {13, "you (f. sg.)"}, {14, "he"},  {15, "she"},
                              {16, "we"}, {17, "you (pl.)"},    {19, "they"},        {20, "you/they (f. pl.)"}};
constexpr Person kImperative[] = {{31, "you (m. sg.)"}, {32, "you (f. sg.)"}, {33, "you (pl.)"}, {34, "you (f. pl.)"}};
constexpr const char* kBinyanNames[] = {"pa'al", "nif'al", "pi'el", "pu'al", "hif'il", "huf'al", "hitpa'el"};

// Hebrew page text without the two span markers (0xCE, 0xD0), which only pages colour.
std::string hebrew(std::string_view text) {
  std::string plain(text);
  std::erase_if(plain, [](char c) { return c == '\xCE' || c == '\xD0'; });
  return codePageToUtf8(plain, CodePage::Hebrew1255);
}

// The word a list row shows, without what follows a colour mark (the hint of the verb it belongs to).
std::string_view rowWordOf(std::string_view listText) { return splitRowText(listText).first; }

void addOnce(std::vector<std::uint32_t>& ids, std::uint32_t id) {
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
}

// The verbs with a record whose row shows `word` (code page 1255, no points): the text index is
// sorted by the first 16 bytes of the list texts, so the candidates stand together from the first
// entry with that prefix.
std::vector<std::uint32_t> verbsOfHebrewWord(const VerbDatabase& db, const std::string& word) {
  std::vector<std::uint32_t> ids;
  const std::string key = word.substr(0, VerbDatabase::kTextKeySize);
  std::uint32_t first = db.recordCount();
  db.lookupText(key, &first);
  VerbRecord record;
  for (std::uint32_t i = first; i < db.recordCount(); ++i) {
    const TextIndexEntry entry = db.textIndexEntry(i);
    if (!entry.text.starts_with(key)) break;
    if (db.decode(entry.offset, record) && rowWordOf(record.listText) == word) addOnce(ids, record.verbId);
  }
  return ids;
}

// The verbs of the groups of the Russian entries whose word is `word` (code page 1251).
std::vector<std::uint32_t> verbsOfRussianWord(const DatabaseReaders& readers, const std::string& word) {
  std::vector<std::uint32_t> ids;
  RussianSearchEntry entry;
  for (std::uint32_t i = 0; i < readers.russianIndex.searchEntryCount(); ++i) {
    if (!readers.russianIndex.entryAt(i * static_cast<RecordOffset>(RussianSearchEntry::kStoredSize), entry) ||
        entry.word() != word) {
      continue;
    }
    forEachRowOfGroup(readers.translations, entry.key, [&](RecordOffset, const TranslationRecord& row, bool isHead) {
      if (!isHead && row.verbId != 0) addOnce(ids, row.verbId);
      return true;
    });
  }
  return ids;
}

void printPersons(std::string_view title, std::span<const Person> persons, const std::map<std::uint16_t, VerbRecord>& forms) {
  std::cout << title << ":\n";
  for (const Person& p : persons) {
    const auto base = forms.find(p.code);
    const auto alternative = forms.find(static_cast<std::uint16_t>(p.code + 50));
    if (base == forms.end() && alternative == forms.end()) continue;
    std::cout << "  " << std::left << std::setw(20) << p.label;
    if (base != forms.end()) std::cout << hebrew(base->second.formText);
    if (alternative != forms.end()) {
      std::cout << (base != forms.end() ? "  (also " : "(") << hebrew(alternative->second.formText) << ")";
    }
    std::cout << '\n';
  }
}

void printVerb(const VerbDatabase& db, std::uint32_t verbId) {
  std::map<std::uint16_t, VerbRecord> forms;
  std::vector<VerbRecord> translations;
  forEachRecordOfVerb(db, verbId, [&](RecordOffset, const VerbRecord& record) {
    if (record.formCode >= form::kFirstTranslation) {
      translations.push_back(record);
    } else {
      forms.emplace(record.formCode, record);
    }
    return true;
  });
  const auto text = [&](std::uint16_t code, bool list) {
    const auto found = forms.find(code);
    if (found == forms.end()) return std::string("-");
    return list ? codePageToUtf8(found->second.listText, CodePage::Hebrew1255) : hebrew(found->second.formText);
  };
  std::uint32_t table = 0;
  if (const auto root = forms.find(form::kRoot); root != forms.end()) table = root->second.tableNumber;
  else if (!forms.empty()) table = forms.begin()->second.tableNumber;
  const int binyan = binyanOfTable(table);

  std::cout << "verb " << verbId << '\n'
            << "infinitive: " << text(form::kInfinitive, false) << '\n'
            << "root:       " << text(form::kRoot, false) << '\n'
            << "binyan:     " << binyan;
  if (binyan >= 1 && binyan <= 7) std::cout << " (" << kBinyanNames[binyan - 1] << ")";
  std::cout << '\n'
            << "table:      " << table << '\n'
            << "pattern:    " << text(form::kPattern, true) << '\n';
  printPersons("present", kPresent, forms);
  printPersons("past", kPast, forms);
  printPersons("future", kFuture, forms);
  printPersons("imperative", kImperative, forms);
  // Forms that have no cell of their own on the page (7 and 18) still belong to the conjugation.
  for (const auto& [code, record] : forms) {
    if (code == 7 || code == 18) std::cout << "form " << code << ": " << hebrew(record.formText) << '\n';
  }
  std::cout << "translations:\n";
  for (const VerbRecord& t : translations) {
    std::cout << "  " << hebrew(t.formText) << "  -  " << codePageToUtf8(t.translationText, CodePage::Russian1251)
              << '\n';
  }
}

bool isCyrillic(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x0400 && c <= 0x04FF; });
}

}  // namespace

int runConjugate(const CommandLine& line) {
  std::string error;
  if (!line.onlyOptions({"db-dir"}, error) || !line.expectPositionals(1, "conjugate WORD [--db-dir DIR]", error)) {
    return failWith(error);
  }
  const std::string& word = line.positionals()[0];
  // The word as the program's box would hold it; Cyrillic letters choose the Russian side.
  const std::u16string hebrewBox = codePageToUtf16(utf8ToCodePage(word, CodePage::Hebrew1255), CodePage::Hebrew1255);
  const std::u16string russianBox = codePageToUtf16(utf8ToCodePage(word, CodePage::Russian1251), CodePage::Russian1251);
  const bool russian = isCyrillic(russianBox);
  const std::string key = russian ? typedSearchText(russianBox, inputlanguage::kRussian)
                                  : typedSearchText(hebrewBox, inputlanguage::kHebrew);
  if (key.empty()) return failWith("WORD is empty");

  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  const std::vector<std::uint32_t> verbIds =
      russian ? verbsOfRussianWord(session.readers(), key) : verbsOfHebrewWord(*session.databases().verbs, key);
  if (verbIds.empty()) return failWith("no verb has the form '" + word + "'");
  for (std::size_t i = 0; i < verbIds.size(); ++i) {
    if (i > 0) std::cout << '\n';
    printVerb(*session.databases().verbs, verbIds[i]);
  }
  return 0;
}

}  // namespace quorix
