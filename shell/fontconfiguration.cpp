#include "fontconfiguration.h"

#include <QDir>
#include <QFileInfo>

namespace quorix {

bool useProgramFontConfiguration(const QString& programFolder) {
  const QString file = QDir(programFolder).filePath(QStringLiteral("fonts.conf"));
  if (qEnvironmentVariableIsSet("FONTCONFIG_FILE")) return qEnvironmentVariable("FONTCONFIG_FILE") == file;
  if (!QFileInfo(file).isFile()) return false;
  return qputenv("FONTCONFIG_FILE", QFile::encodeName(file));
}

QString runningProgramFolder() {
  // Linux names the executable of a process in /proc; QCoreApplication would tell only once it exists.
  const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
  if (executable.isEmpty()) return {};
  return QFileInfo(executable).absolutePath() + QLatin1Char('/');
}

}  // namespace quorix
