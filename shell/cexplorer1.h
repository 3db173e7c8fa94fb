#pragma once
// The page pane of the main window on Qt WebEngine. A thin wrapper around a QWebEngineView that
// adds what the program's pages expect of their browser:
//  - one start document (welcome.htm), whose body every generated page replaces;
//  - fragment navigations ("#command_...", "#reloadtab_...") reported to the navigation handler,
//    which this engine would otherwise carry out silently: an injected script catches fragment link
//    clicks and location changes and sends the absolute address over a web channel;
//  - the pages' `document.selection.createRange().text`, which this engine lacks, answered by a
//    shim from `window.getSelection()`, so the page strings stay as the templates give them;
//  - its own context menu with the single item "Copy"; the engine's menu never opens;
//  - a vertical scroll bar only when the page is taller than the pane, and each new page shown
//    from its top (the one document would otherwise keep the last page's scroll position);
//  - zoom keys for the whole window: Ctrl+plus (or Ctrl+=), Ctrl+minus and Ctrl+0 walk the same
//    steps as the engine's Ctrl+wheel; the zoom belongs to the one document, so it stays for every
//    later page.
//
// Lifetime: a child widget of the main window; owns its view, page, channel and bridge.
// Threads: user-interface thread only.

#include <QString>
#include <QUrl>
#include <memory>
#include <optional>
#include <string>

#include "pagepane.h"

class QWebEngineView;
class QWebChannel;
class QMenu;

namespace quorix {

class PaneBridge;
class PaneWebPage;

class CExplorer1 : public PagePane {
  Q_OBJECT

 public:
  explicit CExplorer1(QWidget* parent = nullptr);
  ~CExplorer1() override;

  void loadStartPage(const QUrl& url) override;
  void navigateTo(const std::string& url) override;
  void setPageHtml(const std::string& html, PageScroll scroll) override;
  void runScript(const std::string& script) override;
  void copySelection() override;

  // One zoom step in (positive) or out (negative) from the present zoom; resetZoom: 100 %.
  void zoomBy(int steps);
  void resetZoom();

  // The view, for tests and screenshots.
  QWebEngineView* view() const { return view_; }
  // True once the start document has loaded.
  bool startPageLoaded() const { return startPageLoaded_; }

 signals:
  // The start document has loaded and any held page is in.
  void startPageReady();

 private:
  bool decideDocumentNavigation(const QUrl& url);
  void onLinkClicked(const QString& url);
  void onLocationChanged(const QString& url, const QString& oldUrl);
  void onLoadFinished();
  void showContextMenu(const QPoint& position);

  QWebEngineView* view_;  // child widget, owned by this widget
  PaneWebPage* page_;     // owned by this widget (QObject parent), outlives no view
  PaneBridge* bridge_;    // owned by this widget
  QWebChannel* channel_;  // owned by this widget
  std::unique_ptr<QMenu> contextMenu_;
  QUrl startUrl_;
  bool startPageLoaded_ = false;
  // True while a navigation that was already decided (the start page, or an allowed one) runs, so
  // the page's navigation check lets it through without asking twice.
  bool decided_ = false;
  std::optional<std::pair<std::string, PageScroll>> heldPage_;
};

}  // namespace quorix
