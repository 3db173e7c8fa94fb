// The shipped dictionary as a whole: data/ compiled as the build compiles it, every verb complete
// and in stored order, the 43 tables each with verbs, the root keys shared, no text that the page
// would turn into markup, the Russian side consistent, and the three files accepted by the readers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "databaseset.h"
#include "db/codepages.h"
#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"
#include "shippeddata.h"
#include "support/tempfolder.h"

namespace quorix::dictionary {
namespace {

class ShippedDictionary : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(shipped_.error.empty()) << shipped_.error; }

  std::map<std::uint32_t, std::vector<const VerbRecordSource*>> recordsByVerb() const {
    std::map<std::uint32_t, std::vector<const VerbRecordSource*>> out;
    for (const VerbRecordSource& r : compiled_->verbRecords) out[r.verbId].push_back(&r);
    return out;
  }

  const ShippedData& shipped_ = shippedData();
  const DictionarySources* sources_ = &shipped_.sources;
  const CompiledDictionary* compiled_ = &shipped_.compiled;
};

TEST_F(ShippedDictionary, CompilesWithoutProblems) {
  std::string all;
  for (const std::string& p : compiled_->problems) all += p + "\n";
  EXPECT_TRUE(compiled_->problems.empty()) << compiled_->problems.size() << " problems:\n" << all;
  EXPECT_EQ(compiled_->verbs.size(), sources_->lexicon().verbs().size());
  EXPECT_GE(compiled_->verbs.size(), 4000u);
}

TEST_F(ShippedDictionary, EveryVerbHasItsRecordsInStoredOrder) {
  const std::vector<std::uint16_t> required = sources_->formCodes().requiredCodes();
  for (const auto& [verbId, records] : recordsByVerb()) {
    std::vector<std::uint16_t> codes;
    for (const VerbRecordSource* r : records) codes.push_back(r->formCode);
    SCOPED_TRACE("verb " + std::to_string(verbId));
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end()) << "a code repeats";
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), 0);
    for (std::uint16_t code : required) EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), code)) << code;
    EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), std::uint16_t{98}));
    EXPECT_TRUE(std::binary_search(codes.begin(), codes.end(), std::uint16_t{99}));
    // One English and one Russian row: 100 plain ASCII, 101 Cyrillic.
    ASSERT_TRUE(std::binary_search(codes.begin(), codes.end(), std::uint16_t{100}));
    ASSERT_TRUE(std::binary_search(codes.begin(), codes.end(), std::uint16_t{101}));
    const std::uint32_t table = records.front()->tableNumber;
    for (const VerbRecordSource* r : records) {
      EXPECT_EQ(r->tableNumber, table);
      if (r->formCode == 100) {
        EXPECT_TRUE(std::all_of(r->translationText.begin(), r->translationText.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
      }
      if (r->formCode == 101) {
        EXPECT_TRUE(std::any_of(r->translationText.begin(), r->translationText.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0xC0; }));
      }
      if (r->formCode < 98) {
        // A missing form is a dash in both texts; an existing one is Hebrew in both, but for an
        // alternative spelled like its base form, which the lists leave out.
        if (r->formText == "-") {
          EXPECT_EQ(r->listText, "-") << r->formCode;
        }
        if (r->listText == "-") {
          EXPECT_TRUE(r->formText == "-" || (r->formCode >= 50 && r->formCode <= 84)) << r->formCode;
        }
      }
    }
  }
}

// The all-forms list shows every form record that the lists do not leave out; the verb list holds at
// most 210000 entries, and a fill stops there.
TEST_F(ShippedDictionary, TheAllFormsListFitsTheVerbList) {
  const auto listed = std::count_if(compiled_->verbRecords.begin(), compiled_->verbRecords.end(), [](const VerbRecordSource& r) {
    return r.formCode < 98 && !r.listText.empty() && r.listText != "-";
  });
  std::printf("All-forms list: %ld entries of at most 210000\n", static_cast<long>(listed));
  EXPECT_LE(listed, 210000);
}

TEST_F(ShippedDictionary, TheTablesAreExactlyTheCatalogueEachWithThreeVerbsAndItsModel) {
  std::map<std::uint32_t, int> perTable;
  for (const CompiledVerb& v : compiled_->verbs) ++perTable[v.verb->tableNumber];
  ASSERT_EQ(perTable.size(), TableCatalogue::kTableCount);
  for (const TableEntry& table : sources_->catalogue().tables()) {
    EXPECT_GE(perTable[table.tableNumber], 3) << table.tableNumber;
    EXPECT_TRUE(compiled_->models.contains(table.tableNumber)) << "no model verb in table " << table.tableNumber;
  }
  // The pattern record of a verb is its table's pattern, which the table list shows as row k.
  for (const VerbRecordSource& r : compiled_->verbRecords) {
    if (r.formCode != 98) continue;
    const TableEntry* table = sources_->catalogue().find(r.tableNumber);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(r.listText, utf8ToCodePage(table->pattern, CodePage::Hebrew1255));
  }
}

TEST_F(ShippedDictionary, VerbsOfOneRootShareTheRootKeyAndDifferentRootsDoNot) {
  std::map<std::string, std::string> keyOfRoot;  // root identity -> listText of record 99
  std::map<std::string, std::string> rootOfKey;
  std::map<std::uint32_t, const LexiconVerb*> verbs;
  for (const CompiledVerb& v : compiled_->verbs) verbs[v.verb->verbId] = v.verb;
  for (const VerbRecordSource& r : compiled_->verbRecords) {
    if (r.formCode != 99) continue;
    const std::string identity = verbs.at(r.verbId)->root.identity();
    const auto [it, fresh] = keyOfRoot.emplace(identity, r.listText);
    EXPECT_EQ(it->second, r.listText) << "root " << identity;
    const auto [back, freshKey] = rootOfKey.emplace(r.listText, identity);
    EXPECT_EQ(back->second, identity) << "two roots share a key";
  }
  const std::string shin = keyOfRoot.at("שׁמר");
  EXPECT_EQ(shin, utf8ToCodePage("שמר", CodePage::Hebrew1255));
}

// The verbs of one root tell their binyans apart: no two of them share their English or their
// Russian glosses, so that a reader who meets the root's other binyans on the page sees what each means.
TEST_F(ShippedDictionary, VerbsOfOneRootHaveGlossesOfTheirOwn) {
  std::map<std::string, std::uint32_t> seen;  // root identity + language + glosses -> verbId
  for (const LexiconVerb& verb : sources_->lexicon().verbs()) {
    for (const auto& [language, glosses] : {std::pair{"en", &verb.english}, std::pair{"ru", &verb.russian}}) {
      std::string key = verb.root.identity() + "|" + language;
      for (const std::string& gloss : *glosses) key += "|" + gloss;
      const auto [it, fresh] = seen.emplace(key, verb.verbId);
      EXPECT_TRUE(fresh) << "verbs " << it->second << " and " << verb.verbId << " of root " << verb.rootText
                         << " have the same " << language << " glosses";
    }
  }
}

TEST_F(ShippedDictionary, NoShippedTextOpensASpanOnThePage) {
  for (const VerbRecordSource& r : compiled_->verbRecords) {
    if (r.formCode == 98) continue;  // the pattern's '0' and '=' are meant
    for (const std::string* text : {&r.formText, &r.listText, &r.translationText}) {
      EXPECT_EQ(pageMarkupIn(*text), "") << "verb " << r.verbId << " form " << r.formCode;
    }
  }
  for (const TranslationRecordSource& r : compiled_->translations) {
    EXPECT_EQ(pageMarkupIn(r.russianText), "") << r.russianKey;
    EXPECT_EQ(pageMarkupIn(r.hebrewText), "") << r.russianKey;
  }
}

TEST_F(ShippedDictionary, EveryPointUsedSurvivesTheTripThroughCodePage1255) {
  std::set<char32_t> marks;
  for (const CompiledVerb& v : compiled_->verbs) {
    for (const ConjugatedForm& f : v.conjugation.forms) {
      for (char32_t c : f.pointed) {
        if (isHebrewMark(c)) marks.insert(c);
      }
    }
  }
  // The vowels but hataf qamats (only the huf'al of guttural-first roots has it, and its one table
  // holds regular roots), dagesh and both dots are all in use.
  EXPECT_GE(marks.size(), 13u);
  for (char32_t mark : marks) {
    const std::string text = toUtf8(std::u32string{U'ב', mark});
    EXPECT_EQ(codePageToUtf8(utf8ToCodePage(text, CodePage::Hebrew1255), CodePage::Hebrew1255), text)
        << "U+" << std::hex << static_cast<unsigned>(mark);
  }
}

TEST_F(ShippedDictionary, TheRussianSideHasOneGroupAndOneSearchEntryPerWord) {
  std::set<std::string> glosses;
  for (const CompiledVerb& v : compiled_->verbs) {
    for (const std::string& g : v.verb->russian) glosses.insert(utf8ToCodePage(g, CodePage::Russian1251));
  }
  ASSERT_EQ(compiled_->searchEntries.size(), glosses.size());
  std::set<std::uint32_t> heads;
  for (const TranslationRecordSource& r : compiled_->translations) {
    if (r.russianKey % 1000 == 0) heads.insert(r.russianKey);
  }
  for (std::size_t i = 0; i < compiled_->searchEntries.size(); ++i) {
    const SearchEntrySource& e = compiled_->searchEntries[i];
    EXPECT_EQ(e.key % 1000, 1u);
    EXPECT_TRUE(heads.contains(e.key - 1));
    EXPECT_TRUE(glosses.contains(e.text));
    EXPECT_LT(e.text.size(), 40u);
    if (i > 0) {
      EXPECT_LT(compiled_->searchEntries[i - 1].text, e.text);  // byte order
    }
  }
  // A verb's first Russian gloss marks its row in that group, and only there.
  std::map<std::uint32_t, int> markedRows;
  for (const TranslationRecordSource& r : compiled_->translations) {
    if (r.russianKey % 1000 != 0 && r.marked) ++markedRows[r.verbId];
  }
  for (const CompiledVerb& v : compiled_->verbs) EXPECT_EQ(markedRows[v.verb->verbId], 1) << v.verb->verbId;
}

TEST_F(ShippedDictionary, TheReadersAcceptTheWrittenFiles) {
  test::TempFolder folder;
  std::string error;
  ASSERT_TRUE(writeDictionary(*compiled_, folder.path(), error)) << error;
  DatabaseSet dbs;
  ASSERT_TRUE(dbs.load(folder.path(), error)) << error;
  EXPECT_EQ(dbs.verbs->recordCount(), compiled_->verbRecords.size());
  EXPECT_EQ(dbs.russianIndex->searchEntryCount(), compiled_->searchEntries.size());
  // The table index opens each table's run with its model verb.
  std::uint32_t previous = 0;
  for (std::uint32_t i = 0; i < dbs.verbs->tableIndexCount(); ++i) {
    const auto entry = dbs.verbs->tableIndexEntry(i);
    if (entry.tableNumber == previous) continue;
    previous = entry.tableNumber;
    VerbRecord record;
    ASSERT_TRUE(dbs.verbs->decode(entry.offset, record));
    EXPECT_EQ(record.verbId, compiled_->models.at(entry.tableNumber)) << entry.tableNumber;
  }
}

// A verb's notes quote the forms where it departs from its table; every pointed word they quote must
// be a form the generator makes for the verb (a note that says "past נִשָּׂא" while the table gives
// נִנְשָׂא shows a missing variant). Alternatives written "(also ...)" are not in the tables, and a
// single letter (a radical such as שׁ) is no form.
TEST_F(ShippedDictionary, NotesQuoteOnlyFormsTheVerbHas) {
  for (const CompiledVerb& v : compiled_->verbs) {
    std::set<std::string> forms;
    for (const ConjugatedForm& f : v.conjugation.forms) {
      if (f.exists) forms.insert(decomposedUtf8(toUtf8(f.pointed)));
    }
    std::u32string notes = toUtf32(v.verb->notes);
    for (std::size_t open; (open = notes.find(U"(also ")) != std::u32string::npos;) {
      const std::size_t close = notes.find(U')', open);
      notes.erase(open, close == std::u32string::npos ? std::u32string::npos : close - open + 1);
    }
    std::u32string word;
    const auto checkWord = [&] {
      const std::u32string letters = withoutMarks(word);
      if (letters.size() >= 2 && letters.size() < word.size()) {
        EXPECT_TRUE(forms.contains(decomposedUtf8(toUtf8(word))))
            << "verb " << v.verb->verbId << ": its notes quote " << toUtf8(word) << ", which it does not have";
      }
      word.clear();
    };
    for (const char32_t c : notes) {
      if (isHebrewLetter(c) || isHebrewMark(c)) {
        word += c;
      } else {
        checkWord();
      }
    }
    checkWord();
  }
}

}  // namespace
}  // namespace quorix::dictionary
