#pragma once
// Dialog units, the measure of the program's window layouts: a horizontal unit is a quarter and a
// vertical unit an eighth of the average character cell of the layout's font. Pure value type.

#include <QRect>
#include <QSize>

namespace quorix {

class DialogUnits {
 public:
  // The font's average character width and height in pixels (its base units).
  constexpr DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

  // Arial 9 at 96 dots per inch (the main window): 5 x 15 pixels.
  static constexpr DialogUnits arial9() { return {5, 15}; }
  // MS Shell Dlg 8 at 96 dots per inch (the small dialogs): 6 x 13 pixels.
  static constexpr DialogUnits shellDlg8() { return {6, 13}; }

  constexpr int x(int units) const { return units * baseX_ / 4; }
  constexpr int y(int units) const { return units * baseY_ / 8; }
  QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }
  QSize size(int width, int height) const { return {x(width), y(height)}; }

 private:
  int baseX_;
  int baseY_;
};

}  // namespace quorix
