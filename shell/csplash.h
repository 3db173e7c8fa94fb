#pragma once
// The splash window shown while the main window starts: the splash picture (img/splash.png in the
// program folder, 502 x 273 pixels) without caption or border, centred on the screen. Without the
// picture it shows the program's name on a plain panel.
//
// Threads: user-interface thread only.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quorix {

class CSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMs = 1500;

  explicit CSplash(const QString& programFolder);

  // Shows the window and keeps it on screen for kShowMs, painting it meanwhile.
  void showForStartUp();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace quorix
