#pragma once
// What the main window asks of its page pane: the start document, page bodies, scripts, the copy
// command, and one navigation question. CExplorer1 is the real pane (Qt WebEngine); tests put a
// fake in its place so that the window's behaviour runs on the offscreen platform.
//
// Navigation contract: every navigation the pane would make, whether a click in the page, a
// location change by a page script or navigateTo, is first put to the handler given to
// setNavigationHandler, which answers "cancel" (true) or "go on" (false). Only a navigation that is
// not cancelled is carried out. Without a handler every navigation goes on. The one exception is
// loadStartPage, the program's own opening of its start document, which is never put to the
// handler (the handler reads command numbers from any address, and a program folder whose name
// contains "command" must not keep the start page from loading).
//
// Threads: user-interface thread only.

#include <QWidget>
#include <functional>
#include <string>

#include "pages/pagehost.h"

namespace quorix {

class PagePane : public QWidget {
  Q_OBJECT

 public:
  // Receives the absolute address of a navigation (8-bit, as the page gave it); returns true to
  // cancel it.
  using NavigationHandler = std::function<bool(const std::string& url)>;

  explicit PagePane(QWidget* parent = nullptr);

  void setNavigationHandler(NavigationHandler handler) { handler_ = std::move(handler); }

  // Opens the document every page is put into; called once at start-up.
  virtual void loadStartPage(const QUrl& url) = 0;
  // Asks the handler, then navigates to url when not cancelled.
  virtual void navigateTo(const std::string& url) = 0;
  // Replaces the body of the loaded document with html (ASCII), scrolled to its top or left where
  // the reader was. While the start document is still loading, the last such page is held and put
  // in when it has loaded: the first list fill can end before the start page has arrived, and its
  // page must not be lost.
  virtual void setPageHtml(const std::string& html, PageScroll scroll) = 0;
  // Runs a script in the loaded document; does nothing when there is none.
  virtual void runScript(const std::string& script) = 0;
  // Puts the page's selection on the clipboard.
  virtual void copySelection() = 0;

 protected:
  // True when the handler cancels url.
  bool askHandler(const std::string& url) const { return handler_ && handler_(url); }

 private:
  NavigationHandler handler_;
};

}  // namespace quorix
