#pragma once
// The page of the page pane. It only makes navigation decisions: a navigation to another document
// (a link of the start page, for example) is put to the decider, and refused when it says cancel.
// Same-document navigations (fragments) never reach here in this engine; the pane's injected script
// reports those over the web channel instead.
//
// Threads: user-interface thread only.

#include <QWebEnginePage>
#include <functional>

namespace quorix {

class PaneWebPage : public QWebEnginePage {
  Q_OBJECT

 public:
  // Returns true to refuse the navigation to url.
  using Decider = std::function<bool(const QUrl& url)>;

  PaneWebPage(Decider decider, QObject* parent);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  Decider decider_;
};

}  // namespace quorix
