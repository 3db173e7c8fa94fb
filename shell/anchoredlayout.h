#pragma once
// A layout for a window that is drawn at one size (its base size, the size hint) and may be
// resized: every widget keeps the rectangle it has at the base size and follows the difference
// between the actual and the base size by the way it is anchored. A widget that stretches takes the
// whole difference into its width or height; one that moves shifts by it; any other keeps its
// place and size. So a window laid out in dialog units grows without anything but the anchored
// widgets changing.
//
// Lifetime: owns its layout items (not the widgets, which belong to the parent widget as usual).
// Threads: user-interface thread only.

#include <QLayout>
#include <QRect>
#include <QSize>
#include <vector>

namespace quorix {

class AnchoredLayout : public QLayout {
  Q_OBJECT

 public:
  enum Anchor : unsigned {
    Fixed = 0,
    StretchWidth = 1,  // the right edge follows the window's right edge
    MoveRight = 2,     // the whole widget follows the window's right edge
    StretchHeight = 4,
    MoveDown = 8,
  };

  AnchoredLayout(QSize baseSize, QSize minimumSize, QWidget* parent);
  ~AnchoredLayout() override;

  // Places `widget` at `baseRect` now and from then on as `anchors` (Anchor values or-ed) say.
  void addAnchored(QWidget* widget, const QRect& baseRect, unsigned anchors);

  // Where a widget of base rectangle `baseRect` goes in a window whose size differs from the base
  // size by `growth` (negative when smaller).
  static QRect placed(const QRect& baseRect, unsigned anchors, QSize growth);

  // QLayout. An item added without anchors keeps its size hint at the layout's top left corner.
  void addItem(QLayoutItem* item) override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QSize sizeHint() const override { return baseSize_; }
  QSize minimumSize() const override { return minimumSize_; }
  void setGeometry(const QRect& rect) override;

 private:
  struct Item {
    QLayoutItem* item;  // owned
    QRect baseRect;
    unsigned anchors;
  };

  QSize baseSize_;
  QSize minimumSize_;
  std::vector<Item> items_;
};

}  // namespace quorix
