#include "cquorixapp.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <unistd.h>

#include "cexplorer1.h"
#include "cquorixdlg.h"
#include "fontconfiguration.h"
#include "xkblayouts.h"

namespace quorix {

int CQuorixApp::run(int argc, char** argv) {
  if (geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  useProgramFontConfiguration(runningProgramFolder());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorix"));
  // Ties the window to its menu entry (org.quorix.Quorix.desktop) where the desktop asks by name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorix.Quorix"));
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');

  int status = 0;
  {
    CQuorixDlg window(folder, std::make_unique<CExplorer1>(), XkbLayouts::create(), CQuorixDlg::Options{});
    if (!window.start()) return -1;
    window.show();
    status = application.exec();
  }
  return status;
}

}  // namespace quorix
