#pragma once
// The keyboard layouts of the desktop, as the verb input box couples them to the input language.
// Layouts are named by the program's layout handles: Hebrew 0x040D040D, Russian 0x04190419; any
// other layout has some other value.
//
// Threads: user-interface thread only. The change handler is called on it.

#include <cstdint>
#include <functional>

namespace quorix {

using LayoutHandle = std::uint32_t;
inline constexpr LayoutHandle kHebrewLayout = 0x040D040D;
inline constexpr LayoutHandle kRussianLayout = 0x04190419;

class KeyboardLayouts {
 public:
  virtual ~KeyboardLayouts() = default;

  // The layout in use now.
  virtual LayoutHandle active() const = 0;
  // Makes `layout` the one in use; false when the desktop offers no such layout.
  virtual bool activate(LayoutHandle layout) = 0;
  // `handler` is called after the layout in use has changed, by the user or by activate.
  virtual void setChangeHandler(std::function<void()> handler) = 0;

  // The selection of the desktop's layouts as it stands (on X11 the group of the display), as a
  // value that only restoreSelection reads: what the program gives back to the user.
  virtual int selection() const = 0;
  virtual void restoreSelection(int selection) = 0;
};

}  // namespace quorix
