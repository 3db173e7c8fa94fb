#include "cmyedit.h"

#include <QSignalBlocker>

namespace quorix {

CMyEdit::CMyEdit(ProgramState& state, KeyboardLayouts* layouts, std::function<bool(InputLanguage)> setInputLanguage,
                 std::function<bool(std::u16string_view)> textChangedTo, QWidget* parent)
    : QLineEdit(parent), state_(state), layouts_(layouts), setInputLanguage_(std::move(setInputLanguage)) {
  layoutCheck_.setSingleShot(true);
  layoutCheck_.setInterval(kLayoutCheckDelayMs);
  connect(&layoutCheck_, &QTimer::timeout, this, &CMyEdit::checkLayout);
  connect(this, &QLineEdit::textChanged, this, [this, changed = std::move(textChangedTo)](const QString& text) {
    showNotFound(!changed(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()))));
  });
  if (layouts_ != nullptr) layouts_->setChangeHandler([this] { onLayoutChanged(); });
  applyInputLanguageStyle(inputlanguage::kHebrew);
}

void CMyEdit::activateLayout() {
  if (layouts_ != nullptr && coupled_) layouts_->activate(activeLayout_);
}

void CMyEdit::setLayoutCoupled(bool coupled) {
  coupled_ = coupled;
  if (coupled)
    activateLayout();
  else
    layoutCheck_.stop();
}

void CMyEdit::clearWithoutSearch() {
  const QSignalBlocker quiet(this);
  clear();
  showNotFound(false);
}

void CMyEdit::showNotFound(bool notFound) {
  if (notFound == notFound_) return;
  notFound_ = notFound;
  QPalette colours = palette();
  colours.setColor(QPalette::Text, notFound ? QColor(Qt::red) : QPalette().color(QPalette::Text));
  setPalette(colours);
}

void CMyEdit::applyInputLanguageStyle(InputLanguage language) {
  const bool hebrew = language == inputlanguage::kHebrew;
  setLayoutDirection(hebrew ? Qt::RightToLeft : Qt::LeftToRight);
  setAlignment(hebrew ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
  setFont(hebrew ? hebrewFont_ : russianFont_);
}

void CMyEdit::setFonts(const QFont& hebrew, const QFont& russian) {
  hebrewFont_ = hebrew;
  russianFont_ = russian;
  applyInputLanguageStyle(state_.inputLanguage);
}

void CMyEdit::requestLayoutCheck() { layoutCheck_.start(); }

void CMyEdit::onLayoutChanged() {
  if (coupled_ && layouts_->active() != activeLayout_) requestLayoutCheck();
}

void CMyEdit::checkLayout() {
  layoutCheck_.stop();
  if (layouts_ == nullptr || !coupled_) return;
  const LayoutHandle active = layouts_->active();
  if ((active == kHebrewLayout || active == kRussianLayout) && active != activeLayout_) {
    const InputLanguage language = active == kHebrewLayout ? inputlanguage::kHebrew : inputlanguage::kRussian;
    // The program's switch comes first: while a fill runs it is refused, and the box keeps its
    // layout and style until a later check finds the program ready.
    if (!setInputLanguage_(language)) {
      requestLayoutCheck();
      return;
    }
    activeLayout_ = active;
    applyInputLanguageStyle(language);
    return;
  }
  layouts_->activate(activeLayout_ == kHebrewLayout ? kRussianLayout : kHebrewLayout);
  requestLayoutCheck();
}

void CMyEdit::focusInEvent(QFocusEvent* event) {
  state_.thumbTracking = false;
  activeLayout_ = state_.inputLanguage == inputlanguage::kHebrew ? kHebrewLayout : kRussianLayout;
  activateLayout();
  applyInputLanguageStyle(state_.inputLanguage);
  QLineEdit::focusInEvent(event);
}

}  // namespace quorix
