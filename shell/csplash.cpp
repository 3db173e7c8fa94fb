#include "csplash.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace quorix {

CSplash::CSplash(const QString& programFolder)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(programFolder + QStringLiteral("img/splash.png")) {
  setFixedSize(picture_.isNull() ? QSize(502, 273) : picture_.size());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void CSplash::showForStartUp() {
  show();
  raise();
  // A local loop rather than a sleep, so that the window is painted while it waits.
  QEventLoop wait;
  QTimer::singleShot(kShowMs, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
}

void CSplash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) {
    painter.drawPixmap(0, 0, picture_);
    return;
  }
  painter.fillRect(rect(), QColor(0xF7, 0xF7, 0xF9));
  painter.setPen(QColor(0x33, 0x4A, 0x7A));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(40);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Quorix"));
}

}  // namespace quorix
