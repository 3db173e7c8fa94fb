// quorix-cli conjugate: a verb's whole conjugation, readable in a terminal.

#include <algorithm>
#include <iomanip>
#include <ostream>
#include <vector>

#include "clicommands.h"
#include "clinames.h"
#include "coresession.h"
#include "db/codepages.h"
#include "db/meaningorder.h"
#include "lists/rowtext.h"
#include "lists/typedsearch.h"
#include "verbforms.h"
#include "verbidlist.h"

namespace quorix {

namespace {

// The word a list row shows, without what follows a colour mark (the hint of the verb it belongs to).
std::string_view rowWordOf(std::string_view listText) { return splitRowText(listText).first; }

// The verbs with a record whose row shows `word` (code page 1255, no points): the text index is
// sorted by the first 16 bytes of the list texts, so the candidates stand together from the first
// entry with that prefix.
std::vector<std::uint32_t> verbsOfHebrewWord(const VerbDatabase& db, const std::string& word) {
  VerbIdList verbs;
  const std::string key = word.substr(0, VerbDatabase::kTextKeySize);
  std::uint32_t first = db.recordCount();
  db.lookupText(key, &first);
  VerbRecord record;
  for (std::uint32_t i = first; i < db.recordCount(); ++i) {
    const TextIndexEntry entry = db.textIndexEntry(i);
    if (!entry.text.starts_with(key)) break;
    if (db.decode(entry.offset, record) && rowWordOf(record.listText) == word) verbs.add(record.verbId);
  }
  return verbs.ids();
}

// The verbs that the pages of a side's search entries whose word is `word` list: a Russian word as
// it is stored (code page 1251), an English meaning without regard to case.
std::vector<std::uint32_t> verbsOfMeaning(const DatabaseReaders& readers, InputLanguage side, std::string_view word) {
  const RussianSearchIndex& index = readers.searchIndexOf(side);
  VerbIdList verbs;
  RussianSearchEntry entry;
  for (std::uint32_t i = 0; i < index.searchEntryCount(); ++i) {
    if (!index.entryAt(i * static_cast<RecordOffset>(RussianSearchEntry::kStoredSize), entry)) continue;
    if (side == inputlanguage::kEnglish ? meaningEquals(entry.word(), word) : entry.word() == word) {
      verbs.addVerbsOf(readers, side, entry);
    }
  }
  return verbs.ids();
}

void printVerb(std::ostream& out, const VerbForms& verb) {
  const std::uint32_t table = verb.tableNumber();
  const int binyan = binyanOfTable(table);
  const VerbRecord* pattern = verb.form(form::kPattern);
  out << "verb " << verb.verbId << '\n'
      << "infinitive: " << verb.text(form::kInfinitive) << '\n'
      << "root:       " << verb.text(form::kRoot) << '\n'
      << "binyan:     " << binyan;
  if (const std::string_view name = binyanLatinName(static_cast<std::uint32_t>(binyan)); !name.empty()) {
    out << " (" << name << ")";
  }
  out << '\n'
      << "table:      " << table << '\n'
      << "pattern:    " << (pattern ? codePageToUtf8(pattern->listText, CodePage::Hebrew1255) : "-") << '\n';
  for (const Tense& tense : tenses()) {
    out << tense.title << ":\n";
    for (const Person& p : tense.persons) {
      const VerbRecord* base = verb.form(p.code);
      const VerbRecord* alternative = verb.form(static_cast<std::uint16_t>(p.code + 50));
      if (base == nullptr && alternative == nullptr) continue;
      out << "  " << std::left << std::setw(20) << p.label;
      if (base != nullptr) out << hebrewText(base->formText);
      if (alternative != nullptr) {
        out << (base != nullptr ? "  (also " : "(") << hebrewText(alternative->formText) << ")";
      }
      out << '\n';
    }
  }
  // Forms that have no cell of their own on the page (7 and 18) still belong to the conjugation.
  for (const std::uint16_t code : {std::uint16_t{7}, std::uint16_t{18}}) {
    if (const VerbRecord* extra = verb.form(code)) {
      out << "form " << code << ": " << hebrewText(extra->formText) << '\n';
    }
  }
  out << "translations:\n";
  for (const VerbRecord& t : verb.translations) {
    out << "  " << hebrewText(t.formText) << "  -  " << codePageToUtf8(t.translationText, CodePage::Russian1251)
        << '\n';
  }
}

bool isCyrillic(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x0400 && c <= 0x04FF; });
}

bool isLatin(std::u16string_view text) {
  return std::any_of(text.begin(), text.end(), [](char16_t c) { return (c | 0x20) >= u'a' && (c | 0x20) <= u'z'; });
}

// The side a word belongs to by its letters: Cyrillic is Russian, Latin English, anything else Hebrew.
InputLanguage sideOfWord(const std::string& word) {
  const std::u16string russianBox = codePageToUtf16(utf8ToCodePage(word, CodePage::Russian1251), CodePage::Russian1251);
  if (isCyrillic(russianBox)) return inputlanguage::kRussian;
  return isLatin(russianBox) ? inputlanguage::kEnglish : inputlanguage::kHebrew;
}

int runConjugate(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions({"db-dir"}, error)) return usageError("conjugate", error);
  if (line.positionals().size() != 1) return usageError("conjugate", "conjugate takes one WORD");
  const std::string& word = line.positionals()[0];
  // The word as the program's box for its side would hold it. An English meaning may be given as
  // its gloss, "to jump", or as the meaning itself.
  const InputLanguage side = sideOfWord(word);
  const CodePage codePage = sideOf(side).codePage;
  std::string key = typedSearchText(codePageToUtf16(utf8ToCodePage(word, codePage), codePage), side);
  if (side == inputlanguage::kEnglish && meaningStartsWith(key, "to ")) key.erase(0, 3);
  if (key.empty()) return usageError("conjugate", "WORD is empty");

  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  const std::vector<std::uint32_t> verbIds = side == inputlanguage::kHebrew
                                                 ? verbsOfHebrewWord(*session.databases().verbs, key)
                                                 : verbsOfMeaning(session.readers(), side, key);
  if (verbIds.empty()) {
    return failWith(side == inputlanguage::kHebrew ? "no verb has the form '" + word + "'"
                                                   : "no verb means '" + word + "'");
  }
  for (std::size_t i = 0; i < verbIds.size(); ++i) {
    if (i > 0) out << '\n';
    printVerb(out, VerbForms::read(*session.databases().verbs, verbIds[i]));
  }
  return 0;
}

}  // namespace

const CliCommand kConjugateCommand{
    "conjugate", "WORD [--db-dir DIR]", "The whole conjugation of the verbs that have the form WORD or translate it",
    [] {
      return std::string(
          "\n"
          "WORD is any form of a verb, with or without vowel points (כותב, כָּתַב, לכתוב), a Russian\n"
          "word (писать) or an English meaning (jump, \"to jump\", \"be able\"; letters of either case),\n"
          "which give the verbs that translate it. For each verb: its infinitive, root, binyan, table and\n"
          "pattern, then the present, past, future and imperative by person, and its translations. Hebrew\n"
          "is printed in logical order, as the terminal's own bidirectional support expects it.\n"
          "\n"
          "examples:\n"
          "  quorix-cli conjugate כותב\n"
          "  quorix-cli conjugate jump\n");
    },
    runConjugate};

}  // namespace quorix
