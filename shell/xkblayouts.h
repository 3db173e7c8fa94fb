#pragma once
// Keyboard layouts through XKB on an X11 display: the layout groups of the core keyboard, named by
// their symbols ("pc+us+il:2+ru:3" makes group 2 Hebrew and group 3 Russian). The group in use is
// read every 100 ms; a change calls the change handler.
//
// create() gives nothing when the program does not run on X11 or the server lacks XKB: the input
// box is then not coupled to any layout and the Input Language menu alone switches.
//
// Lifetime: must not outlive the application object (it uses its display connection).
// Threads: user-interface thread only.

#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "keyboardlayouts.h"

struct _XDisplay;

namespace quorix {

class XkbLayouts : public KeyboardLayouts {
 public:
  static std::unique_ptr<XkbLayouts> create();
  ~XkbLayouts() override;

  LayoutHandle active() const override;
  bool activate(LayoutHandle layout) override;
  void setChangeHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
  // The group number.
  int selection() const override { return activeGroup(); }
  void restoreSelection(int group) override;

  // The layout name of each group, from an XKB symbols name: "pc+us+il:2+ru:3+inet(evdev)" gives
  // {"us", "il", "ru"}. Components without a layout name (pc, inet) are skipped; a group number
  // outside 1 to 4 is ignored.
  static std::vector<std::string> groupLayouts(const std::string& symbols);
  // The handle of a group's layout name: "il" Hebrew, "ru" Russian, else a value of its own.
  static LayoutHandle handleOf(const std::string& layoutName, int group);

 private:
  explicit XkbLayouts(_XDisplay* display);
  int activeGroup() const;
  void poll();

  _XDisplay* display_;  // the application's connection; not owned
  std::vector<std::string> groups_;
  int lastGroup_ = -1;
  QTimer poll_;
  std::function<void()> handler_;
};

}  // namespace quorix
