#pragma once
// The About box: title "About Quorix", the program icon, the line "Quorix DEMO" and OK.
// Threads: user-interface thread only.

#include <QDialog>
#include <QIcon>

namespace quorix {

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  CAboutDlg(const QIcon& icon, QWidget* parent);
};

}  // namespace quorix
