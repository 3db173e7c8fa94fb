#pragma once
// The page builder's state between pages: the three sections of the verb page, the font, the
// stripe of the translation rows and what the row command of a word group keeps. One object, owned
// by the program core for the whole run.
//
// Threads: user-interface thread only (the list worker never builds pages).

#include <cstdint>
#include <string>

namespace quorix {

struct PageState {
  PageState();

  // A font command: the page head anew with every "p_font" replaced by `cssClass` ("ar", "tm",
  // "dv" or "mr"), and the class remembered for the sections.
  void setFontClass(const std::string& cssClass);

  std::string fontClass;
  std::string pageHead;  // the head template with the font class filled in

  std::string binyanSection;       // rebuilt by each root record
  std::string translationSection;  // emptied by each verb page, grown row by row
  std::string conjugationSection;  // started afresh by each infinitive record

  std::uint16_t translationRowCount = 0;  // clickable rows of the word group on show
  std::uint16_t keptHighlightCell = 0;    // cell highlighted on the last Russian- or English-side page
  // Whether the next translation row is light (1) or shaded (0); 1 after every page.
  int stripeFlag = 1;

  // The address of the last row command whose row was not 0 (replayed after a font or
  // language change), or empty; the scroll position of that command as decimal text.
  std::string savedRowLink;
  std::string savedScrollTop;
};

}  // namespace quorix
