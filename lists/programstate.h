#pragma once
// The program's own values that the lists, the pages and the window share: one object, owned by
// the main window for the whole run and handed by reference to whoever needs it.
//
// Threads: the atomic members are touched by the user-interface thread and the list worker. The
// plain members belong to the user-interface thread; the worker never reads them (a fill works on
// the FillRequest copied when it was started), so they need no guard.

#include <atomic>
#include <cstdint>
#include <string>

#include "listmode.h"

namespace quorix {

using InputLanguage = std::uint16_t;
namespace inputlanguage {
inline constexpr InputLanguage kHebrew = 0;
inline constexpr InputLanguage kRussian = 1;
inline constexpr InputLanguage kEnglish = 2;
}  // namespace inputlanguage

// The side whose list a mode is: Russian for modes 9 and 10, English for mode 11, else Hebrew.
inline InputLanguage inputLanguageOfMode(ListMode mode) {
  if (isRussianMode(mode)) return inputlanguage::kRussian;
  return mode == listmode::kEnglishMeanings ? inputlanguage::kEnglish : inputlanguage::kHebrew;
}

// The dialog language: menus, list headings and page labels.
using UiLanguage = int;
namespace uilanguage {
inline constexpr UiLanguage kEnglish = 1;
inline constexpr UiLanguage kRussian = 2;
inline constexpr UiLanguage kHebrew = 3;
}  // namespace uilanguage

struct ProgramState {
  // A fill is running: set by the one who starts it, cleared by the worker as its last step. Every
  // command that would start a fill, the input-language commands and every page navigation are
  // refused while it is set.
  std::atomic<bool> busy{false};
  // The verb list is handling a drag of its scroll thumb; a fill that starts meanwhile ends at once.
  std::atomic<bool> thumbTracking{false};
  // The table list dialog is open: rows are drawn from their own strings, selections show nothing.
  std::atomic<bool> tableListOpen{false};
  std::atomic<bool> leftAlignedList{false};
  // Which side of the databases the list shows: Hebrew (modes 0 to 8), Russian (modes 9, 10) or
  // English (mode 11).
  std::atomic<InputLanguage> inputLanguage{inputlanguage::kHebrew};

  // User-interface thread only.
  std::uint8_t currentBinyan = 0;  // binyan of the verb shown last
  std::uint32_t currentTable = 0;  // table of the verb shown last, or picked in the table list
  ListMode searchMode = listmode::kAllForms;  // the mode of the last Search-menu choice
  FormFilter formFilter = formfilter::kAll;
  ListKind listKind = listkind::kAlphabetical;
  std::string filterHeading = "ALL FORMS";  // UTF-8, shown in the status line
  std::string listHeading = "ALPHABETICAL";
  UiLanguage dialogLanguage = uilanguage::kEnglish;
};

// The request of a fill of `mode` with the state's current binyan, table and filter.
inline FillRequest fillRequestOf(const ProgramState& state, ListMode mode) {
  return {mode, state.currentBinyan, state.currentTable, state.formFilter};
}

}  // namespace quorix
