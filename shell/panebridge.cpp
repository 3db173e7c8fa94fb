#include "panebridge.h"

namespace quorix {

PaneBridge::PaneBridge(QObject* parent) : QObject(parent) {}

void PaneBridge::navigationRequested(int kind, const QString& url, const QString& oldUrl) {
  // The script is page content like any other; an unknown kind is ignored rather than guessed at.
  if (kind == 0) emit linkClicked(url);
  if (kind == 1) emit locationChanged(url, oldUrl);
}

}  // namespace quorix
