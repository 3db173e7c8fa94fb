#pragma once
// What the program core asks of the main window, besides its page pane and the list worker's
// calls. User-interface thread only; each call is carried out before it returns.

#include <string>

namespace quorix {

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Start (or restart) the one-shot timer `id` of the main window (timerids.h) with `delayMs`. When
  // it fires the window stops it and calls ProgramCore::onPageTimer(id).
  virtual void startTimer(int id, int delayMs) = 0;
  // Repaint the whole main window now (erasing its background).
  virtual void repaintWindow() = 0;
  // Repaint the verb list and its scroll bar from the list model now.
  virtual void redrawList() = 0;
  // Put `text` (UTF-8) into the status line.
  virtual void setStatusLine(const std::string& text) = 0;
  // Run the modal table list dialog and return when it has closed. Its Ok calls
  // ProgramCore::pickTable with the chosen table number; Close changes nothing.
  virtual void runTableListDialog() = 0;
};

}  // namespace quorix
