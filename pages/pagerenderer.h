#pragma once
// The verb page: one HTML string from the page head, the binyan listing, the translation listing
// and the conjugation table, put into the page pane. Built from a verb's records in their stored
// order (ascending formCode): the infinitive record starts the conjugation table afresh, each form
// fills its cell, the root record fills the header, clears the alternatives nobody filled and
// builds the binyan listing, and translation rows go to the translation listing.
//
// Threads: user-interface thread. Lifetime: holds references to everything it is given.

#include <cstdint>

#include "lists/databasereaders.h"
#include "lists/entryarray.h"
#include "lists/programstate.h"
#include "pagehost.h"
#include "pagestate.h"

namespace quorix {

class PageRenderer {
 public:
  PageRenderer(ProgramState& state, PageState& page, const DatabaseReaders& readers, PageHost& pane);

  // Builds and shows the page of a verb list entry: on the Hebrew side a verb record's offset (its
  // verb's page, the cell of its form highlighted), on the Russian side a search entry's offset
  // (the Russian word's group, the first visible row's verb conjugated). An entry that does not
  // decode shows nothing and changes nothing.
  void showVerbPage(ListEntry entry);

  // Puts one record of formCode below 100 into the conjugation section (see the class comment);
  // other records change nothing.
  void fillConjugationCell(const VerbRecord& record);

  // Joins the sections into the page with cell `cell` highlighted and the labels of the dialog
  // language, shows it (scrolled as `scroll` says) and sets the stripe back to light.
  void assemblePage(std::uint16_t cell, PageScroll scroll);

 private:
  void fillRussianSide(const RussianSearchEntry& entry);

  ProgramState& state_;
  PageState& page_;
  DatabaseReaders readers_;
  PageHost& pane_;
};

}  // namespace quorix
