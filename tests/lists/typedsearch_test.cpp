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

}  // namespace
}  // namespace quorix
