#pragma once
// A copy of the program folder that the build made (the bundled dictionary, the start page and
// its pictures) for the whole-window tests, so that the query cache the window writes stays out of
// the build's own folder.

#include <QDir>
#include <QFile>
#include <QString>

namespace quorix::test {

// Copies the databases, the start page and img/ from `from` into `to` (both ending in '/'); false,
// naming nothing, when a file is missing.
inline bool copyProgramFolder(const QString& from, const QString& to) {
  for (const char* file : {"hebrew.db", "russian.db", "rusearch.db", "welcome.htm"}) {
    if (!QFile::copy(from + QLatin1String(file), to + QLatin1String(file))) return false;
  }
  QDir().mkpath(to + QStringLiteral("img"));
  for (const QString& file : QDir(from + QStringLiteral("img")).entryList(QDir::Files)) {
    if (!QFile::copy(from + QStringLiteral("img/") + file, to + QStringLiteral("img/") + file)) return false;
  }
  return true;
}

}  // namespace quorix::test
