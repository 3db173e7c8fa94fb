#include "pages/binyanlisting.h"

#include <gtest/gtest.h>

#include "pages/rootrecords.h"
#include "support/expectedpages.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

VerbRecordSource root(std::uint32_t verb, std::uint32_t table, std::string key) {
  return {0, verb, 99, table, "r", std::move(key), ""};
}

class Listing : public ::testing::Test {
 protected:
  // Root "abc" in tables 30001 (verb 1), 10001 (verbs 2 and 3, in that order), 30002 (verb 4),
  // 80001 and 0 (outside the seven binyans); root "abd" in 20001.
  test::LoadedDatabases dbs{{root(1, 30001, "abc"), root(2, 10001, "abc"), root(3, 10001, "abc"),
                             root(4, 30002, "abc"), root(5, 80001, "abc"), root(6, 0, "abc"), root(7, 20001, "abd")},
                            {},
                            {}};
  ProgramState state;
  PageState page;

  VerbRecord rootOf(std::uint32_t verbId) {
    VerbRecord r;
    forEachRootRecord(*dbs.verbs, [&](RecordOffset, const VerbRecord& record) {
      if (record.verbId != verbId) return true;
      r = record;
      return false;
    });
    return r;
  }
};

TEST_F(Listing, TheLastVerbOfABinyanInFormIndexOrderWinsItsSlot) {
  const RootBinyanSlots slots = collectRootBinyans(*dbs.verbs, rootOf(1));
  ASSERT_TRUE(slots[0]);
  EXPECT_EQ(slots[0]->verbId, 3u);
  ASSERT_TRUE(slots[2]) << "another table of the verb's own binyan fills its slot";
  EXPECT_EQ(slots[2]->verbId, 4u);
  EXPECT_FALSE(slots[1]) << "another root";
  for (std::size_t q : {3u, 4u, 5u, 6u}) EXPECT_FALSE(slots[q]);
}

TEST_F(Listing, TheOwnBinyanIsShadedRightAfterItsRowTag) {
  buildBinyanListing(*dbs.verbs, rootOf(1), state, page);
  EXPECT_NE(page.binyanSection.find("<tr bgcolor=\"#e6e5e9\"  bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 "
                                    "style=\"border-top: 2px solid white;\"><a href=\"#command_30001:1\">"),
            std::string::npos);
  EXPECT_NE(page.binyanSection.find("<a href=\"#command_10001:3\"><span class=\"gray\">&#1508;&#1506;&#1500;</span></a>"),
            std::string::npos);
  EXPECT_EQ(state.currentBinyan, 3);
  EXPECT_EQ(state.currentTable, 30001u);
}

TEST_F(Listing, ABinyanDigitOutsideOneToSevenGetsNoShadeLinkOrName) {
  for (std::uint32_t verb : {5u, 6u}) {
    buildBinyanListing(*dbs.verbs, rootOf(verb), state, page);
    std::vector<test::ExpectedBinyanRow> rows = {
        {false, test::expectedLink(10001, 3, "gray", "&#1508;&#1506;&#1500;")},
        {false, "&#1504;&#1508;&#1506;&#1500;"},
        {false, test::expectedLink(30002, 4, "gray", "&#1508;&#1497;&#1506;&#1500;")},
        {false, "&#1508;&#1493;&#1506;&#1500;"},
        {false, "&#1492;&#1508;&#1506;&#1497;&#1500;"},
        {false, "&#1492;&#1493;&#1508;&#1506;&#1500;"},
        {false, "&#1492;&#1514;&#1508;&#1506;&#1500;"},
    };
    EXPECT_EQ(page.binyanSection, test::expectedBinyanListing(rows, "p_font")) << "verb " << verb;
  }
  EXPECT_EQ(state.currentBinyan, 0);
  EXPECT_EQ(state.currentTable, 0u);
}

TEST_F(Listing, FindRootRecordNeedsTableAndVerb) {
  EXPECT_TRUE(findRootRecord(*dbs.verbs, 10001, 3));
  EXPECT_FALSE(findRootRecord(*dbs.verbs, 10001, 1));
  EXPECT_FALSE(findRootRecord(*dbs.verbs, 99999, 3));
}

}  // namespace
}  // namespace quorix
