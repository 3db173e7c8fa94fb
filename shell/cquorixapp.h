#pragma once
// The application: makes the Qt application, shows the main window on the databases of the
// program's own folder and returns the process's exit status (-1 when a database file cannot be
// opened, else 0 when the window has closed).
//
// The page pane's engine refuses to run as root with its sandbox on; the program turns the sandbox
// off itself when (and only when) it runs as root. The page fonts are mapped by the program
// folder's fonts.conf (see fontconfiguration.h).

namespace quorix {

class CQuorixApp {
 public:
  int run(int argc, char** argv);
};

}  // namespace quorix
