#pragma once
// The translation listing: the top-right section of the verb page, a scrolling box of rows, each a
// table of its own with Hebrew on the right and the other language on the left. Rows alternate
// light and shaded by page.stripeFlag, which each row inverts.
//
// Hebrew side: one row per translation record of the verb (formCode 100 and above); the first
// opens the box and has no top margin.
// Russian side: the group's head record is a heading row (the Russian word in bold italic), then
// one clickable row per Hebrew verb: row n has the id "tab_n", row 0 is highlighted "#ffd988", and
// releasing the mouse over a row (with nothing selected) navigates to
// "#reloadtab_" verbId ":" n ":" the box's scroll position. The English side's groups (english.db)
// are the same records with ASCII text and take the same rows, so addRussianRow builds both.

#include "db/records.h"
#include "pagestate.h"

namespace quorix {

void addTranslationRow(PageState& page, const VerbRecord& record);
// The first call for an empty section is the group's head; it resets translationRowCount.
void addRussianRow(PageState& page, const TranslationRecord& record);

}  // namespace quorix
