// The English side of the shipped dictionary: data/ compiled as the build compiles it, one group and
// one search entry per English meaning in the order typed search relies on, and every English gloss
// of every verb leading, through the program's own list, typed search and page, to that verb.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "databaseset.h"
#include "db/codepages.h"
#include "db/meaningorder.h"
#include "hebrewtext.h"
#include "lists/listfill.h"
#include "lists/typedsearch.h"
#include "pages/htmltext.h"
#include "pages/pagerenderer.h"
#include "shippeddata.h"
#include "support/silenthosts.h"
#include "support/tempfolder.h"

namespace quorix::dictionary {
namespace {

std::string meaningOf(const std::string& gloss) { return gloss.starts_with("to ") ? gloss.substr(3) : gloss; }

// A list fill and a page build with no window; the pages are kept.
class Surroundings : public test::SilentHosts {
 public:
  void setPageHtml(const std::string& html, PageScroll) override { page = html; }

  std::string page;
};

class EnglishSide : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(shipped_.error.empty()) << shipped_.error; }

  const ShippedData& shipped_ = shippedData();
  const CompiledDictionary* compiled_ = &shipped_.compiled;
};

TEST_F(EnglishSide, OneGroupAndOneSearchEntryPerMeaningInSearchOrder) {
  std::set<std::string> meanings;
  for (const CompiledVerb& v : compiled_->verbs) {
    for (const std::string& gloss : v.verb->english) meanings.insert(meaningOf(gloss));
  }
  const std::vector<SearchEntrySource>& entries = compiled_->englishSearchEntries;
  ASSERT_EQ(entries.size(), meanings.size());
  std::set<std::uint32_t> heads;
  for (const TranslationRecordSource& r : compiled_->englishTranslations) {
    if (r.russianKey % 1000 == 0) heads.insert(r.russianKey);
  }
  EXPECT_EQ(heads.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SearchEntrySource& e = entries[i];
    EXPECT_EQ(e.key % 1000, 1u);
    EXPECT_TRUE(heads.contains(e.key - 1));
    EXPECT_TRUE(meanings.contains(e.text)) << e.text;
    EXPECT_FALSE(e.text.starts_with("to ")) << e.text;
    EXPECT_LT(e.text.size(), 40u);
    // Strictly ascending: the entries a typed beginning matches stand together.
    if (i > 0) {
      EXPECT_TRUE(meaningLess(entries[i - 1].text, e.text)) << entries[i - 1].text << " / " << e.text;
    }
  }
  // A verb's first English gloss marks its row in that meaning's group, and only there.
  std::map<std::uint32_t, int> markedRows;
  for (const TranslationRecordSource& r : compiled_->englishTranslations) {
    EXPECT_EQ(pageMarkupIn(r.russianText), "") << r.russianKey;
    if (r.russianKey % 1000 != 0 && r.marked) ++markedRows[r.verbId];
  }
  for (const CompiledVerb& v : compiled_->verbs) EXPECT_EQ(markedRows[v.verb->verbId], 1) << v.verb->verbId;
}

// What a reader of English does: choose English input, type a meaning, read the verbs on its page.
TEST_F(EnglishSide, EveryEnglishGlossFindsAPageThatListsItsVerb) {
  test::TempFolder folder;
  std::string error;
  ASSERT_TRUE(writeDictionary(*compiled_, folder.path(), error)) << error;
  DatabaseSet dbs;
  ASSERT_TRUE(dbs.load(folder.path(), error)) << error;
  const DatabaseReaders readers = dbs.readers();
  ProgramState state;
  state.inputLanguage = inputlanguage::kEnglish;
  PageState page;
  Surroundings around;
  VirtualList list(state, readers, around);
  QueryCache cache(folder.file("no cache"), readers.identity());
  ListFill fill(readers, list, cache, around);
  list.setClientHeight(30 * VirtualList::kRowHeight);
  list.commitEntries(fill.run({listmode::kEnglishMeanings, 0, 0, formfilter::kAll}));
  ASSERT_EQ(list.entryCount(), compiled_->englishSearchEntries.size());
  PageRenderer renderer(state, page, readers, around);

  std::size_t glosses = 0;
  for (const CompiledVerb& v : compiled_->verbs) {
    const std::string headword =
        encodeHtmlText(utf8ToCodePage(toUtf8(v.headword), CodePage::Hebrew1255), 1255);
    for (const std::string& gloss : v.verb->english) {
      ++glosses;
      const std::string meaning = meaningOf(gloss);
      std::u16string typed(meaning.begin(), meaning.end());
      const std::int32_t found = list.findPrefix(typedSearchText(typed, inputlanguage::kEnglish));
      ASSERT_GE(found, 0) << meaning;
      // The first match is the meaning itself (or one differing only in case); the verb's page is one
      // of that run.
      bool listed = false;
      RussianSearchEntry entry;
      for (auto i = static_cast<std::uint32_t>(found); i < list.entryCount() && !listed; ++i) {
        ASSERT_TRUE(dbs.englishIndex->entryAt(list.entries().at(i), entry));
        if (entry.word().size() != meaning.size() || !meaningStartsWith(entry.word(), meaning)) break;
        renderer.showVerbPage(list.entries().at(i));
        listed = around.page.find("<b><i>" + meaning + "</i></b>") != std::string::npos &&
                 around.page.find(headword + "</div>") != std::string::npos;
      }
      EXPECT_TRUE(listed) << "verb " << v.verb->verbId << ", meaning '" << meaning << "'";
    }
  }
  EXPECT_GE(glosses, compiled_->verbs.size());
}

}  // namespace
}  // namespace quorix::dictionary
