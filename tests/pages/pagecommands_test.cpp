#include "pages/pagecommands.h"

#include <gtest/gtest.h>

#include "db/recordwalks.h"
#include "lists/listcommands.h"
#include "pages/programcore.h"
#include "support/expectedpages.h"
#include "support/fakehost.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

using test::hebrewRefs;
using test::russianRefs;
using test::Stripe;

VerbRecordSource form(std::uint32_t verb, std::uint16_t code, std::uint32_t table, std::string text) {
  return {0, verb, code, table, text, text, ""};
}
VerbRecordSource root(std::uint32_t verb, std::uint32_t table, std::string key) {
  return {0, verb, 99, table, key, key, ""};
}

const std::string kSlovo = "\xF1\xEB\xEE\xE2\xEE";  // "слово", code page 1251

std::vector<VerbRecordSource> verbs() {
  return {
      form(7, 0, 30012, "\xE0\xE1"), form(7, 4, 30012, "\xE0\xE2"), form(7, 21, 30012, "\xE0\xE3"),
      {0, 7, 98, 30012, "", "000", ""}, root(7, 30012, "\xE3\xE1\xF8"),
      form(8, 0, 10003, "\xE1\xE1"), form(8, 4, 10003, "\xE1\xE2"), root(8, 10003, "\xE3\xE1\xF8"),
      form(9, 0, 50001, "\xE2\xE1"), root(9, 50001, "\xE3\xE1\xF8"),
      form(10, 0, 20001, "\xE3\xE1"), form(10, 4, 20001, "\xE3\xE2"), root(10, 20001, "\xF9\xEC\xEE"),
  };
}

std::vector<TranslationRecordSource> groups() {
  std::vector<TranslationRecordSource> records = {
      {5000, 0, 0, kSlovo, ""},
      {5001, 7, 1, kSlovo, "\xE0\xE1"},
      {5002, 8, 0, kSlovo, "\xE1\xE1"},
      {5003, 9, 1, kSlovo, "\xE2\xE1"},
      {5004, 10, 1, kSlovo, "\xE3\xE1"},
      {6000, 0, 0, "many", ""},
  };
  for (std::uint32_t r = 1; r <= 12; ++r) records.push_back({6000 + r, 7, 1, "many", "\xE0"});
  return records;
}

// "hold": verbs 9 and 7 carry it, 9 as its main meaning; "hold on": verb 10.
test::EnglishSources englishGroups() {
  return {{{1000, 0, 0, "hold", ""},
           {1001, 9, 1, "to hold; to keep", "\xE2\xE1"},
           {1002, 7, 0, "to grasp; to hold", "\xE0\xE1"},
           {2000, 0, 0, "hold on", ""},
           {2001, 10, 1, "to hold on", "\xE3\xE1"}},
          {{1001, 0, 0, "hold"}, {2001, 4, 0, "hold on"}}};
}

// The conjugation section of the fixture's verb 7 (table 30012, pattern "000"), one cell highlighted.
test::ExpectedConjugation conjugationOfVerb7(int highlightedCell) {
  test::ExpectedConjugation verb7;
  verb7.tableNumber = "30012";
  for (int i = 0; i < 3; ++i) {
    verb7.pattern += "<span dir=rtl style='font-size: 14px;'><font face='Symbol'>&#143;</font></span>";  // "000"
  }
  verb7.root = hebrewRefs("\xE3\xE1\xF8");
  verb7.cells = {{0, hebrewRefs("\xE0\xE1")}, {4, hebrewRefs("\xE0\xE2")}, {21, hebrewRefs("\xE0\xE3")}};
  verb7.highlightedCell = highlightedCell;
  return verb7;
}

// The binyan listing without links, the verb's own binyan `own` shaded.
std::string plainBinyans(int own) {
  const char* names[] = {"&#1508;&#1506;&#1500;",          "&#1504;&#1508;&#1506;&#1500;",
                         "&#1508;&#1497;&#1506;&#1500;",    "&#1508;&#1493;&#1506;&#1500;",
                         "&#1492;&#1508;&#1506;&#1497;&#1500;", "&#1492;&#1493;&#1508;&#1506;&#1500;",
                         "&#1492;&#1514;&#1508;&#1506;&#1500;"};
  std::vector<test::ExpectedBinyanRow> out;
  for (int q = 1; q <= 7; ++q) out.push_back({q == own, names[q - 1]});
  return test::expectedBinyanListing(out, "ar");
}

class Commands : public ::testing::Test {
 protected:
  Commands() { host.attach(core.list()); }

  RecordOffset offsetOf(std::uint32_t verbId, std::uint16_t code) const {
    RecordOffset found = 0xFFFFFFFFu;
    forEachRecordOfVerb(*dbs.verbs, verbId, [&](RecordOffset offset, const VerbRecord& r) {
      if (r.formCode != code) return true;
      found = offset;
      return false;
    });
    return found;
  }
  // A one-row list holding `entry`, its row selected.
  void selectInList(ListEntry entry) {
    core.list().addEntry(entry, 0);
    core.list().setClientHeight(10 * VirtualList::kRowHeight);
    core.list().commitEntries(1);
    core.list().selectRow(0);
  }
  void useRussianSide() { core.state().inputLanguage = inputlanguage::kRussian; }
  void useEnglishSide() { core.state().inputLanguage = inputlanguage::kEnglish; }

  test::LoadedDatabases dbs{verbs(), groups(), {{5001, 21, 0, kSlovo}, {6001, 4, 0, "many"}}, {}, englishGroups()};
  test::FakeHost host;
  ProgramCore core{dbs.readers(), dbs.cacheFolder(), host, host, host};
  const std::string kStart = "file:///opt/quorix/welcome.htm#";
};

TEST_F(Commands, RussianGroupBeforeAndAfterARowCommand) {
  useRussianSide();
  core.showVerbPage(0);
  const auto rows = [&](Stripe s0, Stripe s1, Stripe s2, Stripe s3) {
    return test::expectedTranslationHead("ar") + test::expectedRussianHeading(russianRefs(kSlovo)) +
           test::expectedRussianRow(s0, 0, 7, hebrewRefs("\xE0\xE1"), russianRefs(kSlovo)) +
           test::expectedRussianRow(s1, 1, 8, hebrewRefs("\xE1\xE1"), russianRefs(kSlovo)) +
           test::expectedRussianRow(s2, 2, 9, hebrewRefs("\xE2\xE1"), russianRefs(kSlovo)) +
           test::expectedRussianRow(s3, 3, 10, hebrewRefs("\xE3\xE1"), russianRefs(kSlovo));
  };
  const test::ExpectedConjugation verb7 = conjugationOfVerb7(21);  // the search entry's cell
  const std::string before = test::expectedHead("ar") + plainBinyans(3) +
                             rows(Stripe::Highlighted, Stripe::Light, Stripe::Shaded, Stripe::Light) +
                             test::kExpectedTranslationTail + test::expectedConjugation(verb7) + test::kExpectedPageTail;
  EXPECT_EQ(host.lastPage(), before);
  EXPECT_EQ(host.pageScrolls.back(), PageScroll::Top) << "a new word's page is read from its top";
  EXPECT_EQ(core.page().translationRowCount, 4);

  const std::string url = kStart + "reloadtab_10:3:120";
  EXPECT_TRUE(core.onBeforeNavigate(url));
  test::ExpectedConjugation verb10;
  verb10.tableNumber = "20001";
  verb10.pattern = "p_098";  // verb 10 has no pattern record
  verb10.root = hebrewRefs("\xF9\xEC\xEE");
  verb10.cells = {{0, hebrewRefs("\xE3\xE1")}, {4, hebrewRefs("\xE3\xE2")}};
  verb10.highlightedCell = 21;  // kept from the Russian page
  const std::string after = test::expectedHead("ar") + plainBinyans(2) +
                            rows(Stripe::Shaded, Stripe::Light, Stripe::Shaded, Stripe::Highlighted) +
                            test::kExpectedTranslationTail + test::expectedConjugation(verb10) + test::kExpectedPageTail;
  EXPECT_EQ(host.lastPage(), after);
  EXPECT_EQ(host.pageScrolls.back(), PageScroll::Kept) << "the reader stays where he clicked";
  EXPECT_EQ(core.page().savedRowLink, url);
  EXPECT_EQ(host.timers.back(), (std::pair<int, int>{43981, 5}));
  EXPECT_TRUE(core.onPageTimer(43981));
  EXPECT_EQ(host.scripts, (std::vector<std::string>{"document.all['scrl_id'].scrollTop='120';"}));
}

// The English side takes the Russian side's page and row command, on english.db and ensearch.db.
TEST_F(Commands, EnglishMeaningBeforeAndAfterARowCommand) {
  useEnglishSide();
  core.showVerbPage(0);
  const auto rows = [&](Stripe s0, Stripe s1) {
    return test::expectedTranslationHead("ar") + test::expectedRussianHeading("hold") +
           test::expectedRussianRow(s0, 0, 9, hebrewRefs("\xE2\xE1"), "to hold; to keep") +
           test::expectedRussianRow(s1, 1, 7, hebrewRefs("\xE0\xE1"), "to grasp; to hold");
  };
  test::ExpectedConjugation verb9;
  verb9.tableNumber = "50001";
  verb9.pattern = "p_098";  // verb 9 has no pattern record
  verb9.root = hebrewRefs("\xE3\xE1\xF8");
  verb9.cells = {{0, hebrewRefs("\xE2\xE1")}};
  verb9.highlightedCell = 0;  // the search entry's cell: the infinitive
  EXPECT_EQ(host.lastPage(), test::expectedHead("ar") + plainBinyans(5) + rows(Stripe::Highlighted, Stripe::Light) +
                                 test::kExpectedTranslationTail + test::expectedConjugation(verb9) +
                                 test::kExpectedPageTail);
  EXPECT_EQ(core.page().translationRowCount, 2);

  EXPECT_TRUE(core.onBeforeNavigate(kStart + "reloadtab_7:1:16"));
  const test::ExpectedConjugation verb7 = conjugationOfVerb7(0);
  EXPECT_EQ(host.lastPage(), test::expectedHead("ar") + plainBinyans(3) + rows(Stripe::Shaded, Stripe::Highlighted) +
                                 test::kExpectedTranslationTail + test::expectedConjugation(verb7) +
                                 test::kExpectedPageTail);
  EXPECT_EQ(core.page().savedRowLink, kStart + "reloadtab_7:1:16");
  EXPECT_TRUE(core.onPageTimer(43981));
  EXPECT_EQ(host.scripts, (std::vector<std::string>{"document.all['scrl_id'].scrollTop='16';"}));
}

TEST_F(Commands, AnEnglishMeaningsPageSpeaksTheDialogLanguage) {
  useEnglishSide();
  core.state().dialogLanguage = uilanguage::kRussian;
  core.showVerbPage(48);  // "hold on", whose entry highlights the past form of "he"
  EXPECT_NE(host.lastPage().find("<b><i>hold on</i></b>"), std::string::npos);
  EXPECT_NE(host.lastPage().find(">&#1058;&#1072;&#1073;&#1083;&#1080;&#1094;&#1072;</th>"), std::string::npos);
  EXPECT_NE(host.lastPage().find("bgcolor='#ffd988'>" + hebrewRefs("\xE3\xE2")), std::string::npos);
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_30012:7")) << "no binyan links on this side";
  EXPECT_EQ(core.state().currentTable, 20001u);
}

TEST_F(Commands, RowOneDoesNotMatchRowTen) {
  useRussianSide();
  core.showVerbPage(48);
  ASSERT_EQ(core.page().translationRowCount, 12);
  core.onBeforeNavigate(kStart + "reloadtab_7:1:0");
  const std::string& section = core.page().translationSection;
  EXPECT_NE(section.find("bgcolor=#ffd988 id=\"tab_1\""), std::string::npos);
  EXPECT_NE(section.find("bgcolor=#f7f7f9 id=\"tab_10\""), std::string::npos);
  EXPECT_NE(section.find("bgcolor=#fdfcfd id=\"tab_11\""), std::string::npos);
  EXPECT_NE(section.find("bgcolor=#f7f7f9 id=\"tab_0\""), std::string::npos);
}

TEST_F(Commands, RowZeroForgetsTheSavedLinkAndTheReplayFollowsIt) {
  useRussianSide();
  core.showVerbPage(0);
  core.onBeforeNavigate(kStart + "reloadtab_9:2:30");
  EXPECT_TRUE(core.onPageTimer(3759));
  EXPECT_EQ(host.navigations, (std::vector<std::string>{kStart + "reloadtab_9:2:30"}));
  core.onBeforeNavigate(kStart + "reloadtab_7:0:0");
  EXPECT_EQ(core.page().savedRowLink, "");
  EXPECT_TRUE(core.onPageTimer(3759));
  EXPECT_EQ(host.navigations.size(), 1u);
}

TEST_F(Commands, ABinyanLinkOpensTheVerbWithTheSelectedRowsForm) {
  selectInList(offsetOf(8, 4));
  core.state().listKind = listkind::kTablesOfBinyan;
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_30012:7"));
  EXPECT_EQ(core.state().currentBinyan, 3);
  EXPECT_EQ(core.state().currentTable, 30012u);
  EXPECT_NE(host.lastPage().find("bgcolor='#ffd988'>" + hebrewRefs("\xE0\xE2")), std::string::npos)
      << "verb 7's form 4 is highlighted, like the selected row's form";
  EXPECT_EQ(host.pageScrolls.back(), PageScroll::Top) << "another verb's page";
  EXPECT_TRUE(core.state().busy) << "the list of the tables of the new binyan is filled again";
  host.serveUntilIdle(core.state());
  core.waitForListWorker();
  ASSERT_EQ(core.list().entryCount(), 3u);
  EXPECT_EQ(core.list().entries().at(0), offsetOf(7, 0));
}

TEST_F(Commands, WithoutASelectedRowOrItsFormTheVerbsFirstRecordIsShown) {
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_50001:9"));
  EXPECT_NE(host.lastPage().find("bgcolor='#ffd988'>" + hebrewRefs("\xE2\xE1")), std::string::npos);
  selectInList(offsetOf(7, 21));
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_50001:9"));
  EXPECT_NE(host.lastPage().find("bgcolor='#ffd988'>" + hebrewRefs("\xE2\xE1")), std::string::npos)
      << "verb 9 has no present form";
  EXPECT_FALSE(core.state().busy) << "the alphabetical list does not depend on the binyan";
}

TEST_F(Commands, CommandsThatCannotBeCarriedOutAreCancelledAndChangeNothing) {
  const std::string links[] = {
      "command_30012",            "command_x:7",        "command_99999:7", "command_30012:8",
      "command_30012:7\\x",       "reloadtab_7:x:1",    "reloadtab_7",
  };
  for (const std::string& link : links) EXPECT_TRUE(core.onBeforeNavigate(kStart + link)) << link;
  EXPECT_TRUE(host.pages.empty());
  EXPECT_EQ(core.state().currentTable, 0u);
  EXPECT_EQ(core.page().savedRowLink, "");
}

TEST_F(Commands, EveryNavigationIsRefusedWhileAFillRuns) {
  core.state().busy = true;
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_30012:7"));
  EXPECT_TRUE(core.onBeforeNavigate("http://example.org/"));
  EXPECT_TRUE(host.pages.empty());
  core.state().busy = false;
}

TEST_F(Commands, OtherAddressesAreLeftToThePane) {
  EXPECT_FALSE(core.onBeforeNavigate("file:///opt/quorix/index.htm#top"));
  EXPECT_TRUE(core.onBeforeNavigate("file:///home/commander/welcome.htm#top"))
      << "the whole address is searched, folders included";
}

TEST_F(Commands, BinyanLinksAreIgnoredOnTheRussianSide) {
  useRussianSide();
  selectInList(0);
  EXPECT_TRUE(core.onBeforeNavigate(kStart + "command_30012:7"));
  EXPECT_TRUE(host.pages.empty());
  EXPECT_EQ(core.state().currentTable, 0u);
}

TEST_F(Commands, FillEndTimers) {
  selectInList(offsetOf(10, 4));
  core.list().selectRow(-1);
  EXPECT_TRUE(core.onPageTimer(3757));
  EXPECT_EQ(core.list().selectedRow(), 0);
  EXPECT_EQ(host.repaints, 1);
  EXPECT_NE(host.lastPage().find("bgcolor='#ffd988'>" + hebrewRefs("\xE3\xE2")), std::string::npos);

  const struct {
    UiLanguage language;
    std::string page;
  } cases[] = {
      {1, "<body><br><br><br><center><b>No items found by your request</b></center></body>"},
      {2, "<body><br><br><br><center><b>" + russianRefs("\xCF\xEE \xE2\xE0\xF8\xE5\xEC\xF3 \xE7\xE0\xEF\xF0\xEE\xF1\xF3 "
                                                       "\xED\xE8\xF7\xE5\xE3\xEE \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED\xEE") +
              "</b></center></body>"},
      {3, "<body><br><br><br><center><b>No items found by your request</b></center></body>"},
  };
  for (const auto& c : cases) {
    core.state().dialogLanguage = c.language;
    EXPECT_TRUE(core.onPageTimer(3758));
    EXPECT_EQ(host.lastPage(), c.page);
  }
  EXPECT_FALSE(core.onPageTimer(236));
}

TEST(ShowPage, AnEmptyPageIsAnEmptyDocument) {
  test::FakeHost host;
  showPage(host, "");
  showPage(host, "<b>x</b>");
  EXPECT_EQ(host.pages, (std::vector<std::string>{"<html></html>", "<b>x</b>"}));
}

}  // namespace
}  // namespace quorix
