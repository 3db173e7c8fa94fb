#include "pages/programcore.h"

#include <gtest/gtest.h>

#include "lists/listcommands.h"
#include "support/fakehost.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

std::vector<VerbRecordSource> verbs() {
  std::vector<VerbRecordSource> records;
  for (std::uint32_t v = 1; v <= 60; ++v) {
    const std::uint32_t table = 10000 * (1 + v % 7) + 1 + v % 3;
    const std::string text = "\xE0" + std::string(1, static_cast<char>(0xE0 + v % 27)) + std::to_string(v);
    records.push_back({0, v, 0, table, text, text, ""});
    records.push_back({0, v, 4, table, text + "p", text + "p", ""});
    records.push_back({0, v, 98, table, "", "000", ""});
    records.push_back({0, v, 99, table, "r", "r" + std::to_string(v % 9), ""});
    records.push_back({0, v, 100, table, text, "-", "word"});
  }
  return records;
}

class Core : public ::testing::Test {
 protected:
  Core() {
    host.attach(core.list());
    core.list().setClientHeight(20 * VirtualList::kRowHeight);
  }
  // Serves the running fill to its end and fires the fill's timer, as the window's event loop would.
  void finishFill() {
    host.serveUntilIdle(core.state());
    core.waitForListWorker();
    ASSERT_FALSE(host.timers.empty());
    core.onPageTimer(host.timers.back().first);
  }

  test::LoadedDatabases dbs{verbs(),
                            {{1000, 0, 0, "head", ""}, {1001, 3, 1, "head", "\xE0"}},
                            {{1001, 4, 0, "\xE0\xE1"}, {1002, 4, 0, "\xE0\xE2"}, {2001, 21, 0, "\xE1"}}};
  test::FakeHost host;
  ProgramCore core{dbs.readers(), dbs.cacheFolder(), host, host, host};
};

TEST_F(Core, StartUpFillsTheListAndShowsItsFirstVerb) {
  ASSERT_TRUE(core.startListWorker(listmode::kAllForms));
  finishFill();
  EXPECT_EQ(core.list().entryCount(), 120u);
  EXPECT_EQ(core.list().selectedRow(), 0);
  ASSERT_EQ(host.pages.size(), 1u);
  EXPECT_NE(host.lastPage().find("<td align=\"right\" fparam_"), std::string::npos);
}

TEST_F(Core, AFillThatFindsNothingShowsTheNoItemsPage) {
  core.state().currentTable = 99999;
  ASSERT_TRUE(core.startListWorker(listmode::kVerbsOfTable));
  finishFill();
  EXPECT_EQ(host.lastPage(), "<body><br><br><br><center><b>No items found by your request</b></center></body>");
}

TEST_F(Core, ListCommandsStartTheirFillAndUpdateTheStatusLine) {
  EXPECT_TRUE(core.runListCommand(command::kByPast));
  finishFill();
  EXPECT_EQ(core.list().entryCount(), 60u);
  EXPECT_EQ(host.statusLines.back(), "[PAST] [ALPHABETICAL]");
  EXPECT_TRUE(core.runListCommand(command::kTablesByNumber));
  finishFill();
  EXPECT_EQ(core.list().entryCount(), 21u) << "one past form per table, 21 tables";
  EXPECT_EQ(host.statusLines.back(), "[PAST] [TABLES BY NUMBER]");
}

TEST_F(Core, CommandsAreRefusedWhileAFillRuns) {
  ASSERT_TRUE(core.startListWorker(listmode::kAllForms));
  EXPECT_FALSE(core.runListCommand(command::kByRoot));
  EXPECT_FALSE(core.setInputLanguage(inputlanguage::kRussian));
  EXPECT_FALSE(core.pickTable(10001));
  EXPECT_EQ(core.state().formFilter, formfilter::kAll);
  EXPECT_TRUE(host.statusLines.empty());
  finishFill();
}

TEST_F(Core, TheTableDialogsOkListsThePickedTableAndCloseLeavesTheList) {
  host.tableDialog = [&] { core.pickTable(20002); };
  EXPECT_TRUE(core.runListCommand(command::kVerbsInOneTable));
  finishFill();
  EXPECT_EQ(core.state().currentTable, 20002u);
  EXPECT_EQ(core.list().entryCount(), 6u) << "verbs 22, 43 .. of table 20002, two forms each";

  host.tableDialog = {};
  core.runListCommand(command::kAlphabetical);
  finishFill();
  const std::uint32_t entries = core.list().entryCount();
  EXPECT_TRUE(core.runListCommand(command::kVerbsInOneTable));
  EXPECT_FALSE(core.state().busy) << "Close starts nothing";
  EXPECT_EQ(core.list().entryCount(), entries);
  EXPECT_EQ(core.state().listKind, listkind::kVerbsOfTable);
  EXPECT_EQ(host.statusLines.back(), "[ALL FORMS] [VERBS IN ONE TABLE]");
}

TEST_F(Core, SwitchingToRussianInputListsTheRussianEntries) {
  core.state().listKind = listkind::kVerbsOfBinyan;
  ASSERT_TRUE(core.setInputLanguage(inputlanguage::kRussian));
  finishFill();
  EXPECT_EQ(core.list().entryCount(), 3u) << "All Forms lists every Russian entry, whatever the list kind";
  EXPECT_EQ(host.statusLines.back(), "[ALL FORMS]");
  core.onVerbTextChanged(u"\u0430\u0432");
  EXPECT_EQ(core.list().selectedRow(), 1) << "\"\xE0\xE2\" in code page 1251";
}

TEST_F(Core, TypedTextSelectsAndShowsTheFirstMatch) {
  core.startListWorker(listmode::kInfinitives);
  finishFill();
  const std::size_t pages = host.pages.size();
  EXPECT_TRUE(core.onVerbTextChanged(u""));
  EXPECT_EQ(host.pages.size(), pages) << "an empty box changes nothing";
  EXPECT_TRUE(core.onVerbTextChanged(u"\u05D0\u05B8\u05E7"));  // alef, qamats, qof
  const int row = core.list().selectedRow();
  ASSERT_GE(row, 0);
  EXPECT_EQ(core.list().rowText(row).substr(0, 2), "\xE0\xF7");
  EXPECT_EQ(host.pages.size(), pages + 2) << "the scroll shows the page, then the search shows it again";
  // A word that begins no entry: the list stays, the page of its selection is shown as before.
  EXPECT_FALSE(core.onVerbTextChanged(u"\u05D0\u05E7\u05E7\u05E7\u05E7"));
  EXPECT_EQ(core.list().selectedRow(), row);
  EXPECT_EQ(host.pages.size(), pages + 3);
}

TEST_F(Core, FontAndLanguageChangesShowThePageAgainAndReplayTheRowLink) {
  core.startListWorker(listmode::kAllForms);
  finishFill();
  core.setPageFont("mr");
  EXPECT_NE(host.lastPage().find("class=\"mr\""), std::string::npos);
  EXPECT_EQ(host.timers.back(), (std::pair<int, int>{3759, 5}));
  core.setDialogLanguage(uilanguage::kRussian);
  EXPECT_NE(host.lastPage().find("&#1058;&#1072;&#1073;"), std::string::npos);
}

// The user-interface side types, scrolls and clicks a link while fills run back to back. (The link
// leads nowhere: a working binyan link clicked between two fills would start the next one.)
TEST_F(Core, TypingAndScrollingWhileFillsRun) {
  int step = 0;
  for (int round = 0; round < 4; ++round) {
    for (int id : {command::kAllForms, command::kByRoot, command::kTablesOfCurrentBinyan, command::kByPast,
                   command::kVerbsInOneBinyan, command::kAlphabetical, command::kAllForms}) {
      core.runListCommand(id);
      host.serveUntilIdle(core.state(), [&] {
        core.onVerbTextChanged(++step % 2 ? u"\u05D0" : u"\u05D0\u05D1");
        core.list().keyDown(ListKey::Down);
        core.list().scroll(ScrollCode::ThumbTrack, step);
        EXPECT_TRUE(core.onBeforeNavigate("file:///x/welcome.htm#command_99999:1"));
      });
      finishFill();
    }
  }
  core.waitForListWorker();
  EXPECT_FALSE(core.state().busy);
}

}  // namespace
}  // namespace quorix
