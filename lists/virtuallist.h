#pragma once
// The model of the main verb list: a virtual list over up to 210000 entries of which only one
// screen of rows exists. The widget draws it and feeds it the user's scrolling, keys, wheel and
// clicks; the list worker fills its entry array; typed search scrolls it to a prefix.
//
// State: the entry array and the committed entry count; the rows, each holding as its item data the
// entry it shows (row r shows entry position + r); the selected row (-1 for none); the scroll
// information (minimum 0, maximum count - 1, page = rows, position = index of the top entry, at
// most maximum - page + 1). Rows are 18 pixels high; a commit makes client height / 18 rows, never
// more than the entries.
//
// Threads: addEntry and entries() are the list worker's and may run while the user-interface
// thread reads the array (each entry is one atomic 32-bit value). Everything else belongs to the
// user-interface thread: the worker reaches removeRows and commitEntries through its host, which
// runs them there.
//
// Lifetime: holds references to the program state, the readers and the listener, which must outlive it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "databasereaders.h"
#include "entryarray.h"
#include "programstate.h"
#include "virtuallistlistener.h"

namespace quorix {

// The scroll requests of a vertical scroll bar, by their platform values.
enum class ScrollCode : int {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

// The keys the list reacts to; every other key is consumed without effect.
enum class ListKey { PageUp, PageDown, Home, End, Up, Down, Other };

struct ScrollInfo {
  int minimum = 0;
  int maximum = -1;
  int page = 0;
  int position = 0;
};

class VirtualList {
 public:
  static constexpr int kRowHeight = 18;

  VirtualList(ProgramState& state, const DatabaseReaders& readers, VirtualListListener& listener);
  VirtualList(const VirtualList&) = delete;
  VirtualList& operator=(const VirtualList&) = delete;

  // --- list worker ---
  // Stores value at index; index 0 first clears the whole array. False, storing nothing, at or
  // beyond the array's capacity: the fill stops adding there.
  bool addEntry(ListEntry value, std::uint32_t index);
  // The array itself, for the query cache to read into and write from.
  EntryArray& entries() { return entries_; }
  const EntryArray& entries() const { return entries_; }

  // --- user-interface thread ---
  // The widget's client height in pixels. The next commit makes its rows from it; a list showing
  // rows takes it at once (the window was resized): as many rows as fit, never more than the
  // entries, the top entry moved back where the rows would run past the last entry, and the
  // selected entry kept selected and in view, so the page stays. While a fill runs (no rows) it
  // only waits for the commit.
  void setClientHeight(int pixels);
  // Removes every row (and so the selection); the entries and the scroll information stay.
  void removeRows();
  // Makes the first `count` entries the list: rows anew, scroll bar 0 .. count - 1 at position 0,
  // then a line-up scroll, which fills the rows from entry 0.
  void commitEntries(std::uint32_t count);
  // The scroll handling: new position by code (ThumbPosition and ThumbTrack take trackPosition and
  // mark the thumb as tracking), clamped, rows refilled, list redrawn, then the selected verb shown
  // unless the thumb is tracking.
  void scroll(ScrollCode code, int trackPosition = 0);
  void keyDown(ListKey key);
  // One notch: towards the user (negative) as Down, otherwise as Up.
  void wheel(int delta);
  // Left button pressed over `row` (-1: below the last row): forgets the saved row link, then
  // selects the row and shows its verb.
  void leftButtonDown(int row);
  // Selects a row without showing anything (a row outside the rows clears the selection).
  void selectRow(int row);

  // Index of the first of the committed entries whose text begins with `prefix` (byte for byte;
  // an empty prefix matches entry 0), or -1. An entry that does not decode has no text.
  std::int32_t findPrefix(std::string_view prefix) const;
  // Scrolls the matching entry to the top row (on the last page, the last full page) and selects
  // its row; nothing happens without a match (false). Showing the new selection is the caller's.
  bool scrollToPrefix(std::string_view prefix);

  std::uint32_t entryCount() const { return entryCount_; }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  ListEntry rowEntry(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  int selectedRow() const { return selected_; }
  // The item data of the selected row; none when no row is selected.
  std::optional<ListEntry> selectedEntry() const;
  const ScrollInfo& scrollInfo() const { return scroll_; }
  // The text a row is drawn from (8-bit, code page 1255 or 1251, possibly with a colour mark):
  // empty while the table list dialog is open (the rows' own strings are empty), otherwise the
  // list text of the row's verb record or the word of its Russian entry, by the input language.
  std::string rowText(int row) const;

 private:
  // The text of an entry by the input language; false when it does not decode.
  bool entryStartsWith(ListEntry entry, std::string_view prefix, InputLanguage language) const;
  void selectAndNotify(int row);
  // How many rows the client height holds for the committed entries.
  int fittingRows() const;
  // Puts the entries from the scroll position on into the rows that exist.
  void fillRows();

  ProgramState& state_;
  DatabaseReaders readers_;
  VirtualListListener& listener_;
  EntryArray entries_;
  std::uint32_t entryCount_ = 0;
  std::vector<ListEntry> rows_;
  // From a commit until the rows are removed: the rows follow the client height.
  bool showingRows_ = false;
  int selected_ = -1;
  ScrollInfo scroll_;
  int clientHeight_ = 0;
};

}  // namespace quorix
