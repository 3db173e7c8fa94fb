#pragma once
// Keeps the keyboard layout the program's own only while the program is in front. On X11 the
// layout group belongs to the whole display: the Hebrew or Russian layout the program applies
// would stay with every other window once the user has left the program, and after it has ended.
//
// When the program comes to the front, the keeper notes the user's selection and couples the verb
// box to the layouts again (the box then applies its input language's layout). When the program
// goes to the back, and when the keeper is destroyed, it uncouples the box first, so that nothing
// answers the change, and then gives the user's selection back. It knows nothing of languages: a
// selection is whatever the layouts report, so any number of input languages is kept the same way.
//
// Lifetime: the layouts must outlive the keeper. Threads: user-interface thread only.

#include <functional>
#include <optional>

#include "keyboardlayouts.h"

namespace quorix {

class UserLayoutKeeper {
 public:
  // `couple(true)` lets the verb box follow and apply the layouts, `couple(false)` stops it.
  UserLayoutKeeper(KeyboardLayouts& layouts, std::function<void(bool coupled)> couple);
  ~UserLayoutKeeper();
  UserLayoutKeeper(const UserLayoutKeeper&) = delete;
  UserLayoutKeeper& operator=(const UserLayoutKeeper&) = delete;

  // The program came to the front (true) or went to the back (false); a repeat changes nothing.
  void setProgramInFront(bool inFront);

 private:
  KeyboardLayouts& layouts_;
  std::function<void(bool)> couple_;
  // Set while the program is in front: the selection the user had before.
  std::optional<int> userSelection_;
};

}  // namespace quorix
