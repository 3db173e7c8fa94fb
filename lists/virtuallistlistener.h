#pragma once
// What the verb list model tells its surroundings. Called on the user-interface thread, from inside
// the model's operations; an implementation may call back into the model's read accessors.

namespace quorix {

class VirtualListListener {
 public:
  virtual ~VirtualListListener() = default;

  // Rows, selection or scroll bar changed: repaint the list and its bar now.
  virtual void redrawList() = 0;
  // The selected row may now show another entry: show the selected verb's page (or nothing when
  // no row is selected).
  virtual void showSelectedVerb() = 0;
  // The left mouse button went down in the list: forget the saved Russian row link.
  virtual void forgetSavedRowLink() = 0;
};

}  // namespace quorix
