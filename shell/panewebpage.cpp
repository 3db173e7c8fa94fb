#include "panewebpage.h"

namespace quorix {

PaneWebPage::PaneWebPage(Decider decider, QObject* parent)
    : QWebEnginePage(parent), decider_(std::move(decider)) {}

bool PaneWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  // Frames inside a page are the page's own business; only the pane's document is guarded.
  if (!isMainFrame) return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
  return !decider_(url);
}

}  // namespace quorix
