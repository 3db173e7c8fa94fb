#include "dictionarycompiler.h"

#include <algorithm>
#include <map>

#include "db/codepages.h"
#include "hebrewtext.h"

namespace quorix::dictionary {

namespace {

constexpr char kColourMark = '\x01';
constexpr char kHintColour = '\x05';  // blue, yellow on a selected row
constexpr std::size_t kSearchTextLimit = 40;

std::string hebrew(std::u32string_view text) { return utf8ToCodePage(toUtf8(text), CodePage::Hebrew1255); }

std::string russian(const std::string& utf8) { return utf8ToCodePage(utf8, CodePage::Russian1251); }

std::string joined(const std::vector<std::string>& glosses) {
  std::string out;
  for (const std::string& gloss : glosses) {
    if (!out.empty()) out += "; ";
    out += gloss;
  }
  return out;
}

std::string verbName(const LexiconVerb& verb) {
  return "verb " + std::to_string(verb.verbId) + " (" + verb.rootText + ", table " + std::to_string(verb.tableNumber) +
         ")";
}

// The converter writes '?' for what the code page lacks; the source text has no '?' of its own.
bool convertedWhole(const std::string& utf8, const std::string& bytes) {
  return std::count(utf8.begin(), utf8.end(), '?') == std::count(bytes.begin(), bytes.end(), '?');
}

struct HeadwordForms {
  std::u32string pointed;
  std::u32string unpointed;
};

HeadwordForms headwordOf(const Conjugation& conjugation) {
  for (std::uint16_t code : {std::uint16_t{0}, std::uint16_t{4}}) {
    const ConjugatedForm* form = conjugation.find(code);
    if (form && form->exists) return {form->pointed, form->unpointed};
  }
  return {};
}

void addVerbRecords(const LexiconVerb& verb, const TableEntry& table, const CompiledVerb& compiled,
                    const HeadwordForms& headword, std::vector<VerbRecordSource>& records,
                    std::vector<std::string>& problems) {
  auto add = [&](std::uint16_t code, std::string formText, std::string listText, std::string translation) {
    for (const std::string* text : {&formText, &listText}) {
      const std::string markup = code == 98 ? std::string() : pageMarkupIn(*text);
      if (!markup.empty()) problems.push_back(verbName(verb) + ": form " + std::to_string(code) + " holds " + markup);
    }
    records.push_back({0, verb.verbId, code, verb.tableNumber, std::move(formText), std::move(listText),
                       std::move(translation)});
  };
  const std::string hint = std::string(1, kColourMark) + kHintColour + "  " + hebrew(headword.unpointed);
  for (const ConjugatedForm& form : compiled.conjugation.forms) {
    if (!form.exists) {
      add(form.code, "-", "-", "");
      continue;
    }
    // Listed, it would be a second, identical row beside the form it stands beside.
    if (compiled.conjugation.spelledLikeItsBase(form)) {
      add(form.code, hebrew(form.pointed), "-", "");
      continue;
    }
    std::string listText = hebrew(form.unpointed);
    if (form.code != 0 && form.unpointed != headword.unpointed) listText += hint;
    add(form.code, hebrew(form.pointed), std::move(listText), "");
  }
  const std::string pattern = hebrew(toUtf32(table.pattern));
  add(98, pattern, pattern, "");
  std::string rootKey = hebrew(verb.root.typedKey());
  if (verb.root.hasSin()) rootKey += std::string(1, kColourMark) + kHintColour + hebrew(U"שׂ");
  add(99, hebrew(verb.root.display()), rootKey, "");
  const std::string head = hebrew(headword.pointed);
  const std::string english = joined(verb.english);
  const std::string russianText = russian(joined(verb.russian));
  for (const std::string* text : {&english, &russianText}) {
    const std::string markup = pageMarkupIn(*text);
    if (!markup.empty()) problems.push_back(verbName(verb) + ": a translation holds " + markup);
  }
  if (!convertedWhole(joined(verb.russian), russianText)) {
    problems.push_back(verbName(verb) + ": a Russian gloss has letters outside code page 1251");
  }
  add(100, head, "-", english);
  add(101, head, "-", russianText);
}

struct RussianUse {
  std::uint32_t verbId = 0;
  bool main = false;
  std::string glosses;   // code page 1251
  std::string headword;  // code page 1255
  bool hasInfinitive = false;
};

void addRussianSide(const std::vector<CompiledVerb>& verbs, CompiledDictionary& out) {
  std::map<std::string, std::vector<RussianUse>> groups;  // keyed by the word in code page 1251
  for (const CompiledVerb& compiled : verbs) {
    const LexiconVerb& verb = *compiled.verb;
    const ConjugatedForm* infinitive = compiled.conjugation.find(0);
    for (std::size_t i = 0; i < verb.russian.size(); ++i) {
      const std::string word = russian(verb.russian[i]);
      if (word.size() >= kSearchTextLimit) {
        out.problems.push_back(verbName(verb) + ": Russian word '" + verb.russian[i] +
                               "' is 40 bytes or longer and cannot be a search entry");
        continue;
      }
      auto& uses = groups[word];
      const bool already = std::any_of(uses.begin(), uses.end(), [&](const RussianUse& u) { return u.verbId == verb.verbId; });
      if (already) continue;
      uses.push_back({verb.verbId, i == 0, russian(joined(verb.russian)), hebrew(compiled.headword),
                      infinitive && infinitive->exists});
    }
  }
  std::uint32_t group = 0;
  for (auto& [word, uses] : groups) {
    ++group;
    std::stable_sort(uses.begin(), uses.end(), [](const RussianUse& a, const RussianUse& b) {
      return a.main != b.main ? a.main : a.verbId < b.verbId;
    });
    if (uses.size() > 999) {
      out.problems.push_back("Russian word with more than 999 verbs; the rest are left out");
      uses.resize(999);
    }
    const std::uint32_t head = group * 1000;
    out.translations.push_back({head, 0, 0, word, ""});
    for (std::size_t r = 0; r < uses.size(); ++r) {
      out.translations.push_back({head + static_cast<std::uint32_t>(r) + 1, uses[r].verbId,
                                  static_cast<std::uint16_t>(uses[r].main ? 1 : 0), uses[r].glosses, uses[r].headword});
    }
    out.searchEntries.push_back({head + 1, static_cast<std::uint16_t>(uses.front().hasInfinitive ? 0 : 4), 0, word});
  }
}

}  // namespace

std::string pageMarkupIn(const std::string& bytes) {
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0xCE) return "the byte 0xCE (an orange span marker)";
    if (b == 0xD0) return "the byte 0xD0 (a gray span marker)";
    if (c == '0') return "'0' (shown as a glyph)";
    if (c == '=') return "'=' (a right-to-left span)";
    if (c == '<' || c == '>') return "'<' or '>' (markup)";
  }
  return {};
}

bool conjugateInTable(const DictionarySources& sources, const Root& root, std::uint32_t tableNumber,
                      const std::string& infinitive, Conjugation& conjugation, std::string& error) {
  const Paradigm* paradigm = sources.paradigm(tableNumber);
  if (!paradigm) {
    error = "table " + std::to_string(tableNumber) + " is not in the catalogue";
    return false;
  }
  return conjugate(root, *paradigm, sources.overrides().find(root, static_cast<int>(tableNumber / 10000), infinitive),
                   sources.formCodes().requiredCodes(), conjugation, error);
}

CompiledDictionary compileDictionary(const DictionarySources& sources) {
  CompiledDictionary out;
  std::vector<const LexiconVerb*> ordered;
  for (const LexiconVerb& verb : sources.lexicon().verbs()) ordered.push_back(&verb);
  std::sort(ordered.begin(), ordered.end(), [](const LexiconVerb* a, const LexiconVerb* b) { return a->verbId < b->verbId; });

  for (const LexiconVerb* verb : ordered) {
    const TableEntry* table = sources.catalogue().find(verb->tableNumber);
    CompiledVerb compiled;
    compiled.verb = verb;
    std::string error;
    if (!table || !conjugateInTable(sources, verb->root, verb->tableNumber, verb->infinitive == "-" ? std::string() : verb->infinitive,
                                   compiled.conjugation, error)) {
      out.problems.push_back(verbName(*verb) + ": " + (table ? error : "the table is not in the catalogue") +
                             "; the verb is left out");
      continue;
    }
    for (const std::string& unmet : unmetFitConditions(verb->root, *sources.paradigm(verb->tableNumber))) {
      out.problems.push_back(verbName(*verb) + ": the root is outside the table's class (" + unmet + ")");
    }
    const HeadwordForms headword = headwordOf(compiled.conjugation);
    compiled.headword = headword.pointed;
    const ConjugatedForm* infinitive = compiled.conjugation.find(0);
    const std::string generated = infinitive && infinitive->exists ? toUtf8(infinitive->pointed) : "-";
    const std::string expected = verb->infinitive == "-" ? "-" : canonicalUtf8(verb->infinitive);
    if (generated != expected) {
      out.problems.push_back(verbName(*verb) + ": the infinitive comes out " + generated + ", the lexicon has " +
                             verb->infinitive);
    }
    addVerbRecords(*verb, *table, compiled, headword, out.verbRecords, out.problems);
    if (verb->root == table->modelRoot && !out.models.contains(verb->tableNumber)) {
      out.models[verb->tableNumber] = verb->verbId;
    }
    out.verbs.push_back(std::move(compiled));
  }
  addRussianSide(out.verbs, out);
  return out;
}

bool writeDictionary(const CompiledDictionary& dictionary, const std::string& folder, std::string& error) {
  std::vector<std::uint8_t> image;
  if (!buildVerbDatabase(dictionary.verbRecords, dictionary.models, image, error) ||
      !writeDatabaseImage(folder + "/hebrew.db", image, error)) {
    error = "hebrew.db: " + error;
    return false;
  }
  if (!buildTranslationDatabase(dictionary.translations, image, error) ||
      !writeDatabaseImage(folder + "/russian.db", image, error)) {
    error = "russian.db: " + error;
    return false;
  }
  if (!buildRussianSearchIndex(dictionary.searchEntries, image, error) ||
      !writeDatabaseImage(folder + "/rusearch.db", image, error)) {
    error = "rusearch.db: " + error;
    return false;
  }
  return true;
}

}  // namespace quorix::dictionary
