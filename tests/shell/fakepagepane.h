#pragma once
// A page pane without an engine, for the window tests on the offscreen platform: it keeps the
// pages it is given and puts navigations to the handler as the real pane does.

#include <QUrl>
#include <string>
#include <vector>

#include "shell/pagepane.h"

namespace quorix::test {

class FakePagePane : public PagePane {
  Q_OBJECT

 public:
  void loadStartPage(const QUrl& url) override { startUrl = url; }
  void navigateTo(const std::string& url) override { navigations.push_back({url, askHandler(url)}); }
  void setPageHtml(const std::string& html, PageScroll) override { pages.push_back(html); }
  void runScript(const std::string& script) override { scripts.push_back(script); }
  void copySelection() override {}

  // A click in the page: true when the window cancelled it.
  bool click(const std::string& url) { return askHandler(url); }

  struct Navigation {
    std::string url;
    bool cancelled;
  };
  QUrl startUrl;
  std::vector<std::string> pages;
  std::vector<std::string> scripts;
  std::vector<Navigation> navigations;
};

}  // namespace quorix::test
