#include "anchoredlayout.h"

#include <QWidget>

namespace quorix {

AnchoredLayout::AnchoredLayout(QSize baseSize, QSize minimumSize, QWidget* parent)
    : QLayout(parent), baseSize_(baseSize), minimumSize_(minimumSize) {
  setContentsMargins(0, 0, 0, 0);
}

AnchoredLayout::~AnchoredLayout() {
  for (const Item& entry : items_) delete entry.item;
}

void AnchoredLayout::addAnchored(QWidget* widget, const QRect& baseRect, unsigned anchors) {
  addChildWidget(widget);
  items_.push_back({new QWidgetItem(widget), baseRect, anchors});
  // Until the layout first runs (when the window is shown) the widget stands at its base place;
  // the verb list's first fill can be committed before that and sizes its rows by it.
  widget->setGeometry(baseRect);
  invalidate();
}

QRect AnchoredLayout::placed(const QRect& baseRect, unsigned anchors, QSize growth) {
  QRect rect = baseRect;
  if (anchors & StretchWidth) rect.setWidth(std::max(0, rect.width() + growth.width()));
  if (anchors & MoveRight) rect.translate(growth.width(), 0);
  if (anchors & StretchHeight) rect.setHeight(std::max(0, rect.height() + growth.height()));
  if (anchors & MoveDown) rect.translate(0, growth.height());
  return rect;
}

void AnchoredLayout::addItem(QLayoutItem* item) { items_.push_back({item, QRect(QPoint(0, 0), item->sizeHint()), Fixed}); }

QLayoutItem* AnchoredLayout::itemAt(int index) const {
  return index >= 0 && index < count() ? items_[static_cast<std::size_t>(index)].item : nullptr;
}

QLayoutItem* AnchoredLayout::takeAt(int index) {
  if (index < 0 || index >= count()) return nullptr;
  QLayoutItem* item = items_[static_cast<std::size_t>(index)].item;
  items_.erase(items_.begin() + index);
  return item;
}

void AnchoredLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const QSize growth = rect.size() - baseSize_;
  for (const Item& entry : items_) {
    const QRect where = placed(entry.baseRect, entry.anchors, growth).translated(rect.topLeft());
    // A hidden widget is placed too (a layout item would skip it): the progress bar is hidden
    // between fills and must be in its place when it shows.
    if (QWidget* widget = entry.item->widget())
      widget->setGeometry(where);
    else
      entry.item->setGeometry(where);
  }
}

}  // namespace quorix
