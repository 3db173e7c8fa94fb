#pragma once
// The object the pane's injected script calls over the web channel (registered as "quorixPane").
// The script reports fragment navigations, which this engine does not hand to the page's navigation
// check: a fragment link click (held back by the script: not carried out yet) and a location change
// by a page script (already carried out by the engine: undone when refused).
//
// Threads: called on the user-interface thread by the web channel.

#include <QObject>
#include <QString>

namespace quorix {

class PaneBridge : public QObject {
  Q_OBJECT

 public:
  explicit PaneBridge(QObject* parent);

  // kind 0: a fragment link click to url, held back. kind 1: the location moved from oldUrl to url.
  Q_INVOKABLE void navigationRequested(int kind, const QString& url, const QString& oldUrl);

 signals:
  void linkClicked(const QString& url);
  void locationChanged(const QString& url, const QString& oldUrl);
};

}  // namespace quorix
