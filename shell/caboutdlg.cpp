#include "caboutdlg.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "dialogunits.h"

namespace quorix {

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Quorix"));
  const DialogUnits du = DialogUnits::shellDlg8();
  setFixedSize(du.size(249, 91));

  auto* picture = new QLabel(this);
  picture->setPixmap(icon.pixmap(32, 32));
  picture->setGeometry(du.x(11), du.y(17), 32, 32);
  auto* text = new QLabel(QStringLiteral("Quorix DEMO"), this);
  text->setObjectName(QStringLiteral("aboutText"));
  text->setTextFormat(Qt::PlainText);
  text->setGeometry(du.rect(42, 24, 190, 8).adjusted(0, 0, 0, 4));
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(du.rect(7, 62, 235, 1).adjusted(0, 0, 0, 1));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(du.rect(192, 68, 50, 16));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace quorix
