#pragma once
// The Search and Verbs/Tables menu commands: what each changes in the program state, which list
// mode it starts and which heading it sets. Plain state logic; the window runs the result (the
// table list dialog, the fill, the status line) through ProgramCore.
//
// Verbs/Tables (list kind):  149 alphabetical, 150 tables of the current binyan, 59397 tables by
//                            number, 152 verbs inside one table, 164 verbs inside one binyan
// Search (form filter):      146 all forms, 145 root, 141 infinitive, 147 present, 148 past,
//                            172 Russian infinitive, 177 English meaning
// With Russian input "all forms" lists every Russian word (mode 9), with English input every
// English meaning (mode 11). 177 lists the English meanings too, and only for English input: with
// another input the list would read ensearch.db entries as that side's, so it is refused.
// Headings are Russian when the dialog language is Russian and English otherwise (UTF-8); later
// language changes leave them as they are.

#include <optional>
#include <string>

#include "listmode.h"
#include "programstate.h"

namespace quorix {

namespace command {
inline constexpr int kAlphabetical = 149;
inline constexpr int kTablesOfCurrentBinyan = 150;
inline constexpr int kTablesByNumber = 59397;
inline constexpr int kVerbsInOneTable = 152;
inline constexpr int kVerbsInOneBinyan = 164;
inline constexpr int kAllForms = 146;
inline constexpr int kByRoot = 145;
inline constexpr int kByInfinitive = 141;
inline constexpr int kByPresent = 147;
inline constexpr int kByPast = 148;
inline constexpr int kByRussianInfinitive = 172;
inline constexpr int kByEnglishMeaning = 177;
}  // namespace command

struct ListCommandResult {
  // False: a fill is running or the id is no list command; nothing changed, not even the check
  // mark, which the window leaves as it is.
  bool accepted = false;
  // The mode whose fill to start now; none for 152, whose fill the table list dialog starts.
  std::optional<ListMode> fill;
  // 152: run the table list dialog (its Ok picks the table and starts mode 8).
  bool opensTableList = false;
};

// Applies the state change and the heading of command `id`. User-interface thread.
ListCommandResult applyListCommand(ProgramState& state, int id);

// "[" filter heading "] [" list heading "]" with Hebrew input, "[" filter heading "]" with Russian
// or English.
std::string statusLineText(const ProgramState& state);

}  // namespace quorix
