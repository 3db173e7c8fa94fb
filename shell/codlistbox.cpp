#include "codlistbox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextOption>
#include <QWheelEvent>

#include "db/codepages.h"
#include "lists/rowtext.h"

namespace quorix {

namespace {

QColor colourOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QString textOf(std::string_view bytes, bool russian) {
  return QString::fromStdString(codePageToUtf8(bytes, russian ? CodePage::Russian1251 : CodePage::Hebrew1255));
}

}  // namespace

CODListBox::CODListBox(VirtualList& model, const ProgramState& state, RowTextSource rowText, QWidget* parent)
    : QWidget(parent), model_(model), state_(state), rowText_(std::move(rowText)), bar_(new QScrollBar(Qt::Vertical, this)) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setBackgroundRole(QPalette::Base);
  bar_->setFocusPolicy(Qt::NoFocus);
  connect(bar_, &QScrollBar::actionTriggered, this, &CODListBox::onScrollAction);
  // A drag ends with a release: the model then shows the page that the drag held back.
  connect(bar_, &QScrollBar::sliderReleased, this, [this] { model_.scroll(ScrollCode::EndScroll); });
  refresh();
}

QRect CODListBox::rowsArea() const {
  QRect area = rect().adjusted(1, 1, -1, -1);
  area.setRight(bar_->geometry().left() - 1);
  return area;
}

void CODListBox::refresh() {
  const ScrollInfo& info = model_.scrollInfo();
  const int lastTop = std::max(0, info.maximum - info.page + 1);
  syncing_ = true;
  bar_->blockSignals(true);
  bar_->setRange(0, lastTop);
  bar_->setPageStep(std::max(1, info.page));
  bar_->setSingleStep(1);
  bar_->setValue(info.position);
  bar_->blockSignals(false);
  bar_->setEnabled(lastTop > 0);
  syncing_ = false;
  update();
}

void CODListBox::onScrollAction(int action) {
  if (syncing_) return;
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: model_.scroll(ScrollCode::LineUp); break;
    case QAbstractSlider::SliderSingleStepAdd: model_.scroll(ScrollCode::LineDown); break;
    case QAbstractSlider::SliderPageStepSub: model_.scroll(ScrollCode::PageUp); break;
    case QAbstractSlider::SliderPageStepAdd: model_.scroll(ScrollCode::PageDown); break;
    case QAbstractSlider::SliderToMinimum: model_.scroll(ScrollCode::Top); break;
    case QAbstractSlider::SliderToMaximum: model_.scroll(ScrollCode::Bottom); break;
    case QAbstractSlider::SliderMove: model_.scroll(ScrollCode::ThumbTrack, bar_->sliderPosition()); break;
    default: break;
  }
}

void CODListBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  const QRect area = rowsArea();
  painter.setClipRect(area);
  for (int row = 0; row < model_.rowCount(); ++row) {
    const QRect rowRect(area.left(), area.top() + row * VirtualList::kRowHeight, area.width(), VirtualList::kRowHeight);
    if (rowRect.top() > area.bottom()) break;
    drawRow(painter, row, rowRect);
  }
}

void CODListBox::drawRow(QPainter& painter, int row, const QRect& rect) {
  const bool selected = row == model_.selectedRow();
  const RowLayout layout = rowLayout(state_.leftAlignedList, state_.inputLanguage, state_.tableListOpen);
  const bool russianRows = !layout.rightToLeft;
  const std::string bytes = rowText_(row);
  const RowTextParts parts = splitRowText(bytes);

  QColor textColour = palette().color(QPalette::Text);
  if (selected) {
    painter.fillRect(rect, palette().color(QPalette::Highlight));
    textColour = palette().color(QPalette::HighlightedText);
  }

  // Absolute: the row's edge does not flip with the right-to-left reading order.
  QTextOption option(Qt::AlignVCenter | Qt::AlignAbsolute | (layout.alignLeft ? Qt::AlignLeft : Qt::AlignRight));
  option.setTextDirection(layout.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
  option.setWrapMode(QTextOption::NoWrap);

  const QString first = textOf(parts.first, russianRows);
  painter.setPen(textColour);
  if (!parts.hasMark) {
    painter.drawText(rect, first, option);
  } else {
    // Each part in a box of its own width where the two make one line at the aligned edge; the
    // rest's leading blanks are the gap between them.
    const QString rest = textOf(parts.rest, russianRows);
    const QFontMetrics metrics = painter.fontMetrics();
    const int firstWidth = metrics.horizontalAdvance(first, option);
    const int restWidth = metrics.horizontalAdvance(rest, option);
    const RowPartPositions at = rowPartPositions(rect.width(), firstWidth, restWidth, layout);
    painter.drawText(QRect(rect.left() + at.first, rect.top(), firstWidth, rect.height()), first, option);
    if (const auto colour = markColour(parts.colourCode, selected)) painter.setPen(colourOf(*colour));
    painter.drawText(QRect(rect.left() + at.rest, rect.top(), restWidth, rect.height()), rest, option);
  }
  if (selected && hasFocus()) {
    painter.setPen(colourOf(kFocusFrameColour));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void CODListBox::keyPressEvent(QKeyEvent* event) {
  ListKey key = ListKey::Other;
  switch (event->key()) {
    case Qt::Key_PageUp: key = ListKey::PageUp; break;
    case Qt::Key_PageDown: key = ListKey::PageDown; break;
    case Qt::Key_Home: key = ListKey::Home; break;
    case Qt::Key_End: key = ListKey::End; break;
    case Qt::Key_Up: key = ListKey::Up; break;
    case Qt::Key_Down: key = ListKey::Down; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      // Focus moves between the window's controls as in any dialog.
      QWidget::keyPressEvent(event);
      return;
    default: break;
  }
  model_.keyDown(key);
  event->accept();
}

void CODListBox::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0) model_.wheel(delta);
  event->accept();
}

void CODListBox::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  const QRect area = rowsArea();
  const int y = event->position().toPoint().y() - area.top();
  const int row = y >= 0 ? y / VirtualList::kRowHeight : -1;
  model_.leftButtonDown(row < model_.rowCount() ? row : -1);
}

void CODListBox::resizeEvent(QResizeEvent*) {
  const int width = bar_->sizeHint().width();
  bar_->setGeometry(this->width() - width - 1, 1, width, height() - 2);
  model_.setClientHeight(clientHeight());
}

void CODListBox::focusInEvent(QFocusEvent*) { update(); }
void CODListBox::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace quorix
