#pragma once
// Running a script in a page from a test and waiting, with the event loop turning, for its result.

#include <QString>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <memory>

namespace quorix::test {

// The script's result, or the text "<timeout>" when the page gives none within 20 seconds. The
// answer is kept in shared state, so that one arriving after the wait has given up finds it alive.
inline QVariant runPageScript(QWebEnginePage* page, const QString& script) {
  struct Answer {
    QVariant result;
    bool done = false;
  };
  const auto answer = std::make_shared<Answer>();
  page->runJavaScript(script, [answer](const QVariant& v) {
    answer->result = v;
    answer->done = true;
  });
  if (!QTest::qWaitFor([&] { return answer->done; }, 20000)) return QStringLiteral("<timeout>");
  return answer->result;
}

}  // namespace quorix::test
