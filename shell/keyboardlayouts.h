#pragma once
// The keyboard layouts of the desktop, as the verb input box couples them to the input language.
// Layouts are named by the program's layout handles: Hebrew 0x040D040D, Russian 0x04190419, and
// English 0x04090409 for the Latin layout the user has (any layout that is neither Hebrew nor
// Russian); a layout the desktop cannot name has some other value.
//
// Threads: user-interface thread only. The change handler is called on it.

#include <cstdint>
#include <functional>
#include <optional>

#include "lists/programstate.h"

namespace quorix {

using LayoutHandle = std::uint32_t;
inline constexpr LayoutHandle kHebrewLayout = 0x040D040D;
inline constexpr LayoutHandle kRussianLayout = 0x04190419;
inline constexpr LayoutHandle kEnglishLayout = 0x04090409;

// The layout of an input language, and the input language of a layout (none for an unnamed one).
inline LayoutHandle layoutOf(InputLanguage language) {
  if (language == inputlanguage::kRussian) return kRussianLayout;
  return language == inputlanguage::kEnglish ? kEnglishLayout : kHebrewLayout;
}
inline std::optional<InputLanguage> inputLanguageOf(LayoutHandle layout) {
  switch (layout) {
    case kHebrewLayout: return inputlanguage::kHebrew;
    case kRussianLayout: return inputlanguage::kRussian;
    case kEnglishLayout: return inputlanguage::kEnglish;
    default: return std::nullopt;
  }
}

class KeyboardLayouts {
 public:
  virtual ~KeyboardLayouts() = default;

  // The layout in use now.
  virtual LayoutHandle active() const = 0;
  // Makes `layout` the one in use; false when the desktop offers no such layout.
  virtual bool activate(LayoutHandle layout) = 0;
  // `handler` is called after the user (or another program) has changed the layout in use; the
  // program's own changes, through activate and restoreSelection, are not reported.
  virtual void setChangeHandler(std::function<void()> handler) = 0;

  // The selection of the desktop's layouts as it stands (on X11 the group of the display), as a
  // value that only restoreSelection reads: what the program gives back to the user.
  virtual int selection() const = 0;
  virtual void restoreSelection(int selection) = 0;
};

}  // namespace quorix
