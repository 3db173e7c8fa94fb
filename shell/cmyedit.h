#pragma once
// The "Verb:" input box. Every change of its text goes to the typed search. It shows Hebrew input
// right-aligned and right to left, Russian input left-aligned, each in its input language's font.
//
// Keyboard layout coupling (when a KeyboardLayouts is given): a change of the desktop's layout to
// one other than the box's activeLayout arms the layout check (timer 236, 50 ms). The check makes
// a Hebrew layout switch the program to Hebrew input and a Russian layout to Russian input; any
// third layout is answered by activating the other language's layout and checking again, so a
// layout switch always ends in the other of the two. A switch that the program refuses (a list
// fill runs) is retried by the next check, so the box and the program never disagree. Without
// layouts the box is not coupled and the Input Language menu alone switches. The coupling holds
// only while the program is in front (setLayoutCoupled, from UserLayoutKeeper): uncoupled, the box
// neither applies a layout nor answers a change of it.
//
// A text that begins no entry of the list is shown in red until the text begins one again.
//
// Lifetime: the state and the layouts must outlive the box. Threads: user-interface thread only.

#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <string>

#include "keyboardlayouts.h"
#include "lists/programstate.h"

namespace quorix {

class CMyEdit : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kLayoutCheckTimer = 236;
  static constexpr int kLayoutCheckDelayMs = 50;

  // `setInputLanguage` runs the program's input-language switch and says whether it was carried
  // out; `textChangedTo` receives the box's text (UTF-16) after every change and says whether the
  // text begins an entry (an empty text does).
  CMyEdit(ProgramState& state, KeyboardLayouts* layouts, std::function<bool(InputLanguage)> setInputLanguage,
          std::function<bool(std::u16string_view)> textChangedTo, QWidget* parent = nullptr);

  LayoutHandle activeLayout() const { return activeLayout_; }
  void setActiveLayout(LayoutHandle layout) { activeLayout_ = layout; }
  // Coupled, the box applies activeLayout at once (and again whenever it gets the focus);
  // uncoupled, a pending layout check is dropped.
  void setLayoutCoupled(bool coupled);
  bool layoutCoupled() const { return coupled_; }
  // Empties the box without a typed search (the list is being refilled for a new input language).
  void clearWithoutSearch();
  // The text is shown in red: it begins no entry.
  bool showsNotFound() const { return notFound_; }
  // Alignment and direction for an input language.
  void applyInputLanguageStyle(InputLanguage language);
  // The fonts of the two input languages.
  void setFonts(const QFont& hebrew, const QFont& russian);

  // Arms the layout check as a layout change request does.
  void requestLayoutCheck();
  bool layoutCheckPending() const { return layoutCheck_.isActive(); }
  // The layout check itself (what timer 236 runs).
  void checkLayout();

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  // Activates the layout of activeLayout, while coupled.
  void activateLayout();
  void onLayoutChanged();
  void showNotFound(bool notFound);

  ProgramState& state_;
  KeyboardLayouts* layouts_;  // not owned; null: no coupling
  std::function<bool(InputLanguage)> setInputLanguage_;
  LayoutHandle activeLayout_ = kHebrewLayout;
  bool coupled_ = false;
  bool notFound_ = false;
  QTimer layoutCheck_;
  QFont hebrewFont_;
  QFont russianFont_;
};

}  // namespace quorix
