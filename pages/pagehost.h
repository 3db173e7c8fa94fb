#pragma once
// What the page builder and the page commands ask of the page pane. User-interface thread only.

#include <string>

namespace quorix {

// Where the reader stands in a page that replaces the one shown.
enum class PageScroll {
  Top,   // a new page (another verb, word, label language or font): read from its top
  Kept,  // the same page rebuilt by a click in it (a row command): the reader stays where he was
};

class PageHost {
 public:
  virtual ~PageHost() = default;

  // Replace the body of the loaded start page by `html` (ASCII; never empty, see showPage). A pane
  // without a loaded document drops it or holds it until the document is there.
  virtual void setPageHtml(const std::string& html, PageScroll scroll) = 0;
  // Navigate the pane to `url`; the navigation is put to ProgramCore::onBeforeNavigate first.
  virtual void navigatePage(const std::string& url) = 0;
  // Run `script` (JavaScript) in the loaded document; nothing without one.
  virtual void runPageScript(const std::string& script) = 0;
};

// Shows a page: an empty page becomes "<html></html>", so the pane always gets an empty body
// rather than nothing.
inline void showPage(PageHost& host, const std::string& page, PageScroll scroll = PageScroll::Top) {
  host.setPageHtml(page.empty() ? std::string("<html></html>") : page, scroll);
}

}  // namespace quorix
