#pragma once
// A verb page as a person reads it in a terminal, made from the page's own HTML so that it shows
// exactly what the page pane shows: the section titles (pictures on the page), the binyan box, the
// translations and the conjugation table with its persons, each table's columns aligned.
//
// Rules, from the page's markup: a table whose cells hold tables only arranges them, and its cells
// are read one after the other; any other table is a grid of text, and a run of one-row tables (the
// translation rows) reads as one grid. The highlighted cell reads "*text*"; a highlighted or shaded
// row (the shown Russian row, the verb's own binyan) gets a "*" in a column before it; a link (a
// verb of the same root) reads "[text]". Hebrew stays in logical order, as the terminal's own
// bidirectional support expects it; columns are padded by the number of characters the terminal
// shows (vowel points take no room). The placeholder of a root pattern is the circle the pane draws.

#include <string>
#include <string_view>

#include "lists/programstate.h"

namespace quorix {

// `labels` chooses the section titles, as the page's labels; Hebrew, which has none, uses English.
std::string pageText(std::string_view html, UiLanguage labels);

// The columns a terminal gives UTF-8 text: one per character, none for combining marks and
// format characters.
std::size_t displayWidth(std::string_view utf8);

}  // namespace quorix
