#pragma once
// The commands that come back from the page pane, and the page timers.
//
// A click in a page arrives as a navigation to a fragment of the start page's address:
//   "#command_" T ":" V      a binyan link: open verb V of table T (its root record), with the cell
//                            of the form the list's selected row shows;
//   "#reloadtab_" V ":" R ":" S   row R of a Russian word's or English meaning's group: conjugate
//                            verb V, highlight row R, scroll the translation box back to S.
// The test for "command" and "reloadtab" is a substring search over the whole address, and the
// numbers are read after its last '_'. Every navigation is refused (cancelled) while a fill runs;
// recognised commands are always cancelled, whether or not they could be carried out; any other
// address is left to the pane.
//
// Threads: user-interface thread. Lifetime: holds references to everything it is given.

#include <cstdint>
#include <string_view>

#include "lists/databasereaders.h"
#include "lists/listworker.h"
#include "lists/programstate.h"
#include "lists/virtuallist.h"
#include "pagehost.h"
#include "pagerenderer.h"
#include "pagestate.h"
#include "windowhost.h"

namespace quorix {

class PageCommands {
 public:
  PageCommands(ProgramState& state, PageState& page, const DatabaseReaders& readers, PageRenderer& renderer,
               VirtualList& list, ListWorker& worker, WindowHost& window, PageHost& pane);

  // BeforeNavigate: true to cancel the navigation to `url`.
  bool onBeforeNavigate(std::string_view url);
  // A page timer fired (the window has stopped it): 3757 selects row 0 and shows its verb, 3758
  // shows the empty-list page, 3759 replays the saved row link, 43981 scrolls the translation box
  // back. False for any other id (the window's default handling).
  bool onPageTimer(int id);
  // The verb list's selection handler: the page of the selected row's entry; nothing while the
  // table list dialog is open or when no row is selected.
  void showSelectedVerb();

 private:
  void runBinyanLink(std::string_view numbers);
  void runRowCommand(std::string_view url, std::string_view numbers);
  void moveRowHighlight(int row);

  ProgramState& state_;
  PageState& page_;
  DatabaseReaders readers_;
  PageRenderer& renderer_;
  VirtualList& list_;
  ListWorker& worker_;
  WindowHost& window_;
  PageHost& pane_;
};

}  // namespace quorix
