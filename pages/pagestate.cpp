#include "pagestate.h"

#include "pagetemplates.h"
#include "textreplace.h"

namespace quorix {

PageState::PageState() { setFontClass("ar"); }

void PageState::setFontClass(const std::string& cssClass) {
  pageHead = kPageHeadTemplate;
  replaceAll(pageHead, "p_font", cssClass);
  fontClass = cssClass;
}

}  // namespace quorix
