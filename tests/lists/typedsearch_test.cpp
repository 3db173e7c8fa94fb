#include "lists/typedsearch.h"

#include <gtest/gtest.h>

#include "support/loadeddatabases.h"

namespace quorix {
namespace {

TEST(TypedSearchText, HebrewLosesItsPointsRussianKeepsEverything) {
  // shin, shin dot, qamats, lamed, vav, holam, final mem: "shalom" with points.
  const std::u16string pointed = u"\u05E9\u05C1\u05B8\u05DC\u05D5\u05B9\u05DD";
  const std::u16string plain = u"\u05E9\u05DC\u05D5\u05DD";
  EXPECT_EQ(typedSearchText(pointed, inputlanguage::kHebrew), "\xF9\xEC\xE5\xED");
  EXPECT_EQ(typedSearchText(pointed, inputlanguage::kHebrew), typedSearchText(plain, inputlanguage::kHebrew));
  // In code page 1251 the bytes 0xC0..0xD3 are capitals (А..У), which stay.
  EXPECT_EQ(typedSearchText(u"\u0410\u0443\u0451", inputlanguage::kRussian), "\xC0\xF3\xB8");
  EXPECT_EQ(typedSearchText(u"\u0410", inputlanguage::kHebrew), "?") << "no such letter in code page 1255";
}

TEST(TypedSearchText, EnglishIsAsciiAsTyped) {
  EXPECT_EQ(typedSearchText(u"Hide (", inputlanguage::kEnglish), "Hide (") << "case is the list's to ignore";
  // Letters outside ASCII match no meaning: each becomes '?', as a missing letter does in a code page.
  EXPECT_EQ(typedSearchText(u"caf\u00E9 \u0410", inputlanguage::kEnglish), "caf? ?");
  EXPECT_EQ(typedSearchText(u"ab\0cd", inputlanguage::kEnglish), "ab") << "the text ends at a NUL";
  EXPECT_EQ(typedSearchText(std::u16string(600, u'a'), inputlanguage::kEnglish), std::string(511, 'a'));
}

TEST(TypedSearchText, IsCutTo511Bytes) {
  const std::u16string longText(600, u'\u05D0');
  EXPECT_EQ(typedSearchText(longText, inputlanguage::kHebrew), std::string(511, '\xE0'));
}

class NoListener : public VirtualListListener {
 public:
  void redrawList() override {}
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override {}
};

TEST(TypedSearch, EmptyTextChangesNothingAndPointedTextFindsTheUnpointedEntry) {
  test::LoadedDatabases dbs({{0, 1, 0, 10001, "\xE0\xE1", "\xE0\xE1", ""}, {0, 2, 0, 10001, "\xF9\xEC", "\xF9\xEC", ""}},
                            {}, {});
  ProgramState state;
  NoListener listener;
  VirtualList list(state, dbs.readers(), listener);
  list.addEntry(dbs.verbs->textIndexEntry(0).offset, 0);
  list.addEntry(dbs.verbs->textIndexEntry(1).offset, 1);
  list.setClientHeight(5 * VirtualList::kRowHeight);
  list.commitEntries(2);
  list.selectRow(1);
  EXPECT_EQ(runTypedSearch(list, u"", inputlanguage::kHebrew), TypedSearchResult::EmptyBox);
  EXPECT_EQ(list.selectedRow(), 1);
  EXPECT_EQ(runTypedSearch(list, u"\u05D0\u05B8", inputlanguage::kHebrew), TypedSearchResult::Found);
  EXPECT_EQ(list.selectedRow(), 0);
  list.selectRow(1);
  EXPECT_EQ(runTypedSearch(list, u"\u05E9\u05DC\u05D5", inputlanguage::kHebrew), TypedSearchResult::NotFound)
      << "a text longer than the entry it begins with";
  EXPECT_EQ(list.selectedRow(), 1) << "no match leaves the selection";
  EXPECT_EQ(runTypedSearch(list, u"\u05D6", inputlanguage::kHebrew), TypedSearchResult::NotFound);
  EXPECT_EQ(list.selectedRow(), 1);
}

// English meanings in the order of ensearch.db: typing finds the first meaning it begins, in any case.
TEST(TypedSearch, EnglishFindsTheFirstMeaningTheTextBegins) {
  test::EnglishSources english;
  english.searchEntries = {{1001, 0, 0, "hide"}, {2001, 0, 0, "Hide (oneself)"}, {3001, 0, 0, "hold"},
                           {4001, 0, 0, "hold on"}, {5001, 4, 0, "jump"}};
  test::LoadedDatabases dbs({}, {}, {}, {}, english);
  ProgramState state;
  state.inputLanguage = inputlanguage::kEnglish;
  NoListener listener;
  VirtualList list(state, dbs.readers(), listener);
  for (std::uint32_t i = 0; i < 5; ++i) list.addEntry(i * 48, i);
  list.setClientHeight(10 * VirtualList::kRowHeight);
  list.commitEntries(5);
  const struct {
    const char16_t* typed;
    TypedSearchResult result;
    int row;
  } cases[] = {{u"J", TypedSearchResult::Found, 4},      {u"HOLD", TypedSearchResult::Found, 2},
               {u"hold o", TypedSearchResult::Found, 3}, {u"hide (", TypedSearchResult::Found, 1},
               {u"h", TypedSearchResult::Found, 0},      {u"x", TypedSearchResult::NotFound, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(runTypedSearch(list, c.typed, inputlanguage::kEnglish), c.result);
    EXPECT_EQ(list.selectedRow(), c.row) << "typed " << typedSearchText(c.typed, inputlanguage::kEnglish);
  }
  EXPECT_EQ(list.rowText(1), "Hide (oneself)");
}

}  // namespace
}  // namespace quorix
