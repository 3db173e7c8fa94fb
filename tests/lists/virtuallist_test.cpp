#include "lists/virtuallist.h"

#include <gtest/gtest.h>

#include "lists/rowtext.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

// Records what the list asks of its surroundings; a "shown" entry is the selected row's entry at
// the moment the list asks to show the selected verb.
class RecordingListener : public VirtualListListener {
 public:
  void redrawList() override { ++redraws; }
  void showSelectedVerb() override {
    if (const auto entry = list->selectedEntry()) shown.push_back(*entry);
  }
  void forgetSavedRowLink() override { ++forgets; }

  const VirtualList* list = nullptr;
  std::vector<ListEntry> shown;
  int redraws = 0;
  int forgets = 0;
};

std::vector<VerbRecordSource> numberedVerbs(int count) {
  std::vector<VerbRecordSource> records;
  for (int i = 0; i < count; ++i) {
    char text[8];
    std::snprintf(text, sizeof text, "w%03d", i);
    records.push_back({0, static_cast<std::uint32_t>(i + 1), 0, 10001, text, text, ""});
  }
  return records;
}

class List : public ::testing::Test {
 protected:
  List() { listener.list = &list; }

  // Entries 0 .. count - 1 are the records "w000", "w001", ... in that order.
  void commit(std::uint32_t count, int visibleRows = 10) {
    for (std::uint32_t i = 0; i < count; ++i) list.addEntry(dbs.verbs->textIndexEntry(i).offset, i);
    list.setClientHeight(visibleRows * VirtualList::kRowHeight + 7);
    list.commitEntries(count);
  }
  ListEntry entry(std::uint32_t i) const { return dbs.verbs->textIndexEntry(i).offset; }
  int position() const { return list.scrollInfo().position; }

  test::LoadedDatabases dbs{numberedVerbs(100), {}, {{1001, 4, 0, "\xB8\xE6\xE8\xEA"}}};
  ProgramState state;
  RecordingListener listener;
  VirtualList list{state, dbs.readers(), listener};
};

TEST_F(List, CommittingNothingLeavesNoRowsAndShowsNoPage) {
  commit(0);
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.scrollInfo().maximum, -1);
  EXPECT_TRUE(listener.shown.empty());
  list.keyDown(ListKey::Down);
  list.keyDown(ListKey::End);
  EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(List, AShortListMakesOneRowPerEntryAndCannotScroll) {
  commit(3);
  EXPECT_EQ(list.rowCount(), 3);
  EXPECT_EQ(list.scrollInfo().page, 3);
  for (ScrollCode code : {ScrollCode::PageDown, ScrollCode::Bottom, ScrollCode::LineDown}) {
    list.scroll(code);
    EXPECT_EQ(position(), 0);
  }
  EXPECT_EQ(list.rowEntry(2), entry(2));
}

TEST_F(List, ScrollCodesMoveAndClampThePosition) {
  commit(100);
  ASSERT_EQ(list.rowCount(), 10);
  const struct {
    ScrollCode code;
    int track;
    int expected;
  } steps[] = {
      {ScrollCode::LineUp, 0, 0},      {ScrollCode::LineDown, 0, 1},       {ScrollCode::PageDown, 0, 11},
      {ScrollCode::PageUp, 0, 1},      {ScrollCode::PageUp, 0, 0},         {ScrollCode::Bottom, 0, 90},
      {ScrollCode::PageDown, 0, 90},   {ScrollCode::LineDown, 0, 90},      {ScrollCode::Top, 0, 0},
      {ScrollCode::ThumbPosition, 40, 40}, {ScrollCode::ThumbTrack, 500, 90}, {ScrollCode::ThumbTrack, -3, 0},
      {ScrollCode::EndScroll, 0, 0},
  };
  for (const auto& s : steps) {
    list.scroll(s.code, s.track);
    EXPECT_EQ(position(), s.expected) << "code " << static_cast<int>(s.code);
    EXPECT_EQ(list.rowEntry(0), entry(static_cast<std::uint32_t>(s.expected)));
    EXPECT_EQ(list.rowEntry(9), entry(static_cast<std::uint32_t>(s.expected + 9)));
  }
}

TEST_F(List, HomeAndEndSelectTheirRowAndShowItsEntry) {
  commit(100);
  list.selectRow(4);
  list.scroll(ScrollCode::PageDown);
  list.keyDown(ListKey::End);
  EXPECT_EQ(position(), 90);
  EXPECT_EQ(list.selectedRow(), 9);
  EXPECT_EQ(listener.shown.back(), entry(99)) << "the page follows the row that ends up selected";
  list.keyDown(ListKey::Home);
  EXPECT_EQ(position(), 0);
  EXPECT_EQ(list.selectedRow(), 0);
  EXPECT_EQ(listener.shown.back(), entry(0));
}

TEST_F(List, UpAndDownMoveTheSelectionAndScrollAtTheEdges) {
  commit(100);
  list.selectRow(8);
  list.keyDown(ListKey::Down);
  EXPECT_EQ(list.selectedRow(), 9);
  EXPECT_EQ(listener.shown.back(), entry(9));
  list.keyDown(ListKey::Down);
  EXPECT_EQ(position(), 1) << "Down on the last row scrolls by one entry";
  EXPECT_EQ(list.selectedRow(), 9);
  EXPECT_EQ(listener.shown.back(), entry(10));
  list.selectRow(0);
  list.keyDown(ListKey::Up);
  EXPECT_EQ(position(), 0) << "Up on row 0 scrolls back";
  EXPECT_EQ(listener.shown.back(), entry(0));
  list.wheel(-120);
  EXPECT_EQ(list.selectedRow(), 1) << "a notch towards the user moves down";
  list.wheel(120);
  EXPECT_EQ(list.selectedRow(), 0);
}

TEST_F(List, PageKeysKeepTheSelectedRowAndOtherKeysDoNothing) {
  commit(100);
  list.selectRow(3);
  list.keyDown(ListKey::PageDown);
  EXPECT_EQ(list.selectedRow(), 3);
  EXPECT_EQ(listener.shown.back(), entry(13));
  const std::size_t shownBefore = listener.shown.size();
  list.keyDown(ListKey::Other);
  EXPECT_EQ(listener.shown.size(), shownBefore);
  EXPECT_EQ(position(), 10);
}

TEST_F(List, DraggingTheThumbShowsNoPageUntilTheDragEnds) {
  commit(100);
  list.selectRow(0);
  listener.shown.clear();
  list.scroll(ScrollCode::ThumbTrack, 30);
  list.scroll(ScrollCode::ThumbTrack, 50);
  EXPECT_TRUE(listener.shown.empty());
  EXPECT_FALSE(state.thumbTracking) << "tracking lasts only while the message is handled";
  list.scroll(ScrollCode::EndScroll);
  EXPECT_EQ(listener.shown, (std::vector<ListEntry>{entry(50)}));
}

TEST_F(List, ALeftButtonPressForgetsTheRowLinkAndSelects) {
  commit(100);
  list.leftButtonDown(2);
  EXPECT_EQ(listener.forgets, 1);
  EXPECT_EQ(list.selectedRow(), 2);
  EXPECT_EQ(listener.shown.back(), entry(2));
  list.leftButtonDown(-1);
  EXPECT_EQ(listener.forgets, 2);
  EXPECT_EQ(list.selectedRow(), 2);
}

TEST_F(List, FindPrefixAndScrollToIt) {
  commit(100);
  EXPECT_EQ(list.findPrefix("w05"), 50);
  EXPECT_EQ(list.findPrefix(""), 0);
  EXPECT_EQ(list.findPrefix("w0999"), -1) << "an entry shorter than the prefix does not match";
  EXPECT_EQ(list.findPrefix("W001"), -1) << "case counts";

  list.scrollToPrefix("w001");
  EXPECT_EQ(position(), 1);
  EXPECT_EQ(list.selectedRow(), 0);
  list.scrollToPrefix("w000");
  EXPECT_EQ(position(), 0);
  EXPECT_EQ(list.selectedRow(), 0);
  list.scrollToPrefix("w095");
  EXPECT_EQ(position(), 90) << "the last page stays full";
  EXPECT_EQ(list.selectedRow(), 5);
  list.scrollToPrefix("w099");
  EXPECT_EQ(list.selectedRow(), 9);
  list.scrollToPrefix("nothing");
  EXPECT_EQ(list.selectedRow(), 9);
  EXPECT_EQ(position(), 90);
}

TEST_F(List, EntriesThatDoNotDecodeHaveNoText) {
  list.addEntry(0xFFFFFF00u, 0);
  list.addEntry(entry(7), 1);
  list.setClientHeight(5 * VirtualList::kRowHeight);
  list.commitEntries(2);
  EXPECT_EQ(list.rowText(0), "");
  EXPECT_EQ(list.findPrefix(""), 1);
  EXPECT_EQ(list.findPrefix("w007"), 1);
}

TEST_F(List, RowTextsByInputLanguageAndTheTableDialog) {
  commit(3);
  EXPECT_EQ(list.rowText(1), "w001");
  state.tableListOpen = true;
  EXPECT_EQ(list.rowText(1), "") << "the rows' own strings are empty";
  state.tableListOpen = false;
  state.inputLanguage = inputlanguage::kRussian;
  list.addEntry(0, 0);
  list.commitEntries(1);
  EXPECT_EQ(list.rowText(0), "\xB8\xE6\xE8\xEA");
  EXPECT_EQ(list.findPrefix("\xB8\xE6"), 0);
}

TEST_F(List, DuringAFillTheRowsAreGoneAndNothingIsSelected) {
  commit(100);
  list.selectRow(3);
  list.removeRows();
  listener.shown.clear();
  list.scrollToPrefix("w050");
  list.keyDown(ListKey::Down);
  list.keyDown(ListKey::End);
  EXPECT_EQ(list.selectedRow(), -1);
  EXPECT_TRUE(listener.shown.empty()) << "no page can be shown while the list has no rows";
}

// A resize gives the list as many rows as fit, keeps the selected entry selected and in view
// (so no page is rebuilt) and never runs past the last entry.
TEST_F(List, ResizingKeepsTheSelectedEntryInView) {
  const struct {
    const char* what;
    std::uint32_t entries;
    int top;       // position before the resize
    int selected;  // row selected before, -1 none
    int rowsAfter;
    int expectedRows;
    int expectedTop;
    int expectedSelected;
  } cases[] = {
      {"growing in the middle keeps the top", 100, 40, 3, 25, 25, 40, 3},
      {"growing at the end moves the top back", 100, 90, 9, 25, 25, 75, 24},
      {"shrinking below the selection scrolls it up to the last row", 100, 40, 9, 4, 4, 46, 3},
      {"shrinking above the selection keeps the top", 100, 40, 2, 4, 4, 40, 2},
      {"never more rows than entries", 6, 0, 5, 25, 6, 0, 5},
      {"without a selection only the top can move", 100, 95 - 5, -1, 30, 30, 70, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    commit(c.entries);
    list.scroll(ScrollCode::ThumbPosition, c.top);
    list.selectRow(c.selected);
    listener.shown.clear();
    const ListEntry selectedBefore = c.selected >= 0 ? *list.selectedEntry() : 0;
    list.setClientHeight(c.rowsAfter * VirtualList::kRowHeight + 5);
    EXPECT_EQ(list.rowCount(), c.expectedRows);
    EXPECT_EQ(list.scrollInfo().page, c.expectedRows);
    EXPECT_EQ(position(), c.expectedTop);
    EXPECT_EQ(list.selectedRow(), c.expectedSelected);
    if (c.selected >= 0) {
      EXPECT_EQ(*list.selectedEntry(), selectedBefore);
    }
    for (int r = 0; r < list.rowCount(); ++r) EXPECT_EQ(list.rowEntry(r), entry(static_cast<std::uint32_t>(c.expectedTop + r)));
    EXPECT_TRUE(listener.shown.empty()) << "the page stays";
  }
}

TEST_F(List, AResizeDuringAFillWaitsForTheCommit) {
  commit(100);
  list.removeRows();
  list.setClientHeight(20 * VirtualList::kRowHeight);
  EXPECT_EQ(list.rowCount(), 0) << "the old entries must not come back while the worker writes new ones";
  list.commitEntries(100);
  EXPECT_EQ(list.rowCount(), 20);
}

TEST(RowText, TheColourMarkSplitsTheText) {
  const struct {
    std::string_view text;
    std::string_view first;
    bool hasMark;
    int code;
    std::string_view rest;
  } cases[] = {
      {"plain", "plain", false, 0, ""},
      {"ab\x01\x04xyz", "ab", true, 4, "xyz"},
      {"\x01\x02rest", "", true, 2, "rest"},
      {"ab\x01", "ab", true, 0, ""},
      {"a\x01\x03" "b\x01\x04" "c", "a", true, 3, "b\x01\x04" "c"},
  };
  for (const auto& c : cases) {
    const RowTextParts parts = splitRowText(c.text);
    EXPECT_EQ(parts.first, c.first);
    EXPECT_EQ(parts.hasMark, c.hasMark);
    EXPECT_EQ(parts.colourCode, c.code);
    EXPECT_EQ(parts.rest, c.rest);
  }
}

TEST(RowText, ColourCodes) {
  EXPECT_EQ(markColour(2, false), (Rgb{0, 0, 0}));
  EXPECT_EQ(markColour(3, true), (Rgb{0, 255, 0}));
  EXPECT_EQ(markColour(4, false), (Rgb{255, 0, 0}));
  EXPECT_EQ(markColour(5, true), (Rgb{255, 255, 0}));
  EXPECT_EQ(markColour(5, false), (Rgb{0, 0, 255}));
  EXPECT_FALSE(markColour(6, false));
  EXPECT_FALSE(markColour(0, true));
}

TEST(RowText, Layout) {
  EXPECT_EQ(rowLayout(false, inputlanguage::kHebrew, false), (RowLayout{false, true}));
  EXPECT_EQ(rowLayout(true, inputlanguage::kHebrew, false), (RowLayout{true, true}));
  EXPECT_EQ(rowLayout(false, inputlanguage::kRussian, false), (RowLayout{true, false}));
  EXPECT_EQ(rowLayout(true, inputlanguage::kRussian, true), (RowLayout{true, true})) << "the table list's strings";
}

// A row 100 pixels wide with a first part of 30 and a rest of 20 (its blanks included).
TEST(RowText, PartPositions) {
  const struct {
    const char* what;
    RowLayout layout;
    int rowWidth;
    RowPartPositions expected;
  } cases[] = {
      {"right-aligned Hebrew: the form at the right edge, the hint to its left", {false, true}, 100, {70, 50}},
      {"left-aligned Hebrew: the same line at the left edge", {true, true}, 100, {20, 0}},
      {"Russian: the rest follows on the right", {true, false}, 100, {0, 30}},
      {"too narrow, right-aligned: the hint runs off the left", {false, true}, 40, {10, -10}},
      {"too narrow, left-aligned: the form runs off the right", {true, true}, 40, {20, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(rowPartPositions(c.rowWidth, 30, 20, c.layout), c.expected) << c.what;
}

}  // namespace
}  // namespace quorix
