#pragma once
// The owner-drawn verb list: draws the rows of a VirtualList (18 pixels each, only the rows that
// exist, which are never more than fit) and feeds the model the user's scroll bar, keys, wheel and
// left clicks. The model decides everything; this widget only paints and translates input.
//
// Drawing, row by row: the row's 8-bit text (code page 1255, or 1251 for Russian rows) is drawn on
// one line; Russian rows of the main list left-aligned left to right; every other row right to
// left, right-aligned unless the list is left-aligned. A colour mark (lists/rowtext.h) draws the
// rest of the row in its colour beside the first part. The selected row takes the highlight
// colours of the palette; with the keyboard focus it is framed in orange.
//
// The same widget shows the table list dialog's rows: then its text source gives the rows' own
// strings and its model holds row numbers.
//
// Lifetime: the model and the state must outlive the widget. Threads: user-interface thread only.

#include <QWidget>
#include <functional>
#include <string>

#include "lists/programstate.h"
#include "lists/virtuallist.h"

class QScrollBar;

namespace quorix {

class CODListBox : public QWidget {
  Q_OBJECT

 public:
  // The 8-bit text a row is drawn from.
  using RowTextSource = std::function<std::string(int row)>;

  CODListBox(VirtualList& model, const ProgramState& state, RowTextSource rowText, QWidget* parent = nullptr);

  // Repaints the rows and sets the scroll bar from the model (its range ends at the last valid top
  // position; it is disabled, not hidden, when nothing can scroll).
  void refresh();

  // The height the model makes its rows for: inside the border. The model takes it on every
  // resize, and the window gives it before every commit.
  int clientHeight() const { return rowsArea().height(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void onScrollAction(int action);
  void drawRow(QPainter& painter, int row, const QRect& rect);
  QRect rowsArea() const;

  VirtualList& model_;
  const ProgramState& state_;
  RowTextSource rowText_;
  QScrollBar* bar_;  // child widget
  bool syncing_ = false;
};

}  // namespace quorix
