#pragma once
// Running a script in a page from a test and waiting, with the event loop turning, for its result.

#include <QString>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

namespace quorix::test {

// The script's result, or the text "<timeout>" when the page gives none within five seconds.
inline QVariant runPageScript(QWebEnginePage* page, const QString& script) {
  QVariant result;
  bool done = false;
  page->runJavaScript(script, [&](const QVariant& v) {
    result = v;
    done = true;
  });
  if (!QTest::qWaitFor([&] { return done; }, 5000)) return QStringLiteral("<timeout>");
  return result;
}

}  // namespace quorix::test
