// The real page pane under a display: navigation reports, body replacement, scrolling, the
// selection shim, the context menu, zooming. Runs under xvfb-run.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QWebEngineView>
#include <string>
#include <vector>

#include "pagescript.h"
#include "shell/cexplorer1.h"

using quorix::CExplorer1;
using quorix::PageScroll;

namespace {

constexpr char kStartPage[] =
    "<html><head><title>start</title></head><body><p>start</p>"
    "</body></html>";
constexpr char kBody[] =
    "<p id='held'>start page</p><a id='same' href='#command_10001:5'>same</a>";

class CExplorer1Test : public QObject {
  Q_OBJECT

 private:
  QVariant eval(const QString& script) { return quorix::test::runPageScript(pane_->view()->page(), script); }

  // Waits until the handler has seen `count` addresses.
  bool waitForRequests(std::size_t count) {
    return QTest::qWaitFor([&] { return requests_.size() >= count; }, 5000);
  }

  QTemporaryDir folder_;
  std::unique_ptr<CExplorer1> pane_;
  std::vector<std::string> requests_;
  bool cancel_ = true;

 private slots:
  void initTestCase() {
    QFile page(folder_.filePath(QStringLiteral("start.htm")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(kStartPage);
    page.close();
    pane_ = std::make_unique<CExplorer1>();
    pane_->resize(500, 400);
    pane_->setNavigationHandler([this](const std::string& url) {
      requests_.push_back(url);
      return cancel_;
    });
    pane_->show();
    // A page given before the start document has loaded is held, then put in.
    pane_->setPageHtml(kBody, quorix::PageScroll::Top);
    pane_->loadStartPage(QUrl::fromLocalFile(folder_.filePath(QStringLiteral("start.htm"))));
    QVERIFY(QTest::qWaitFor([&] { return pane_->startPageLoaded(); }, 15000));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('held') !== null")).toBool(), true, 5000);
  }

  void init() {
    pane_->setPageHtml(kBody, quorix::PageScroll::Top);
    eval(QStringLiteral("history.replaceState(null, '', location.pathname); getSelection().removeAllRanges();"));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('held') !== null")).toBool(), true, 5000);
    requests_.clear();
    cancel_ = true;
  }

  void cleanupTestCase() { pane_.reset(); }

  void startPageIsNotPutToTheHandler() { QVERIFY(requests_.empty()); }

  void setPageHtmlReplacesTheBodyOnly() {
    pane_->setPageHtml("<b id=\"x\" title='a\\b'>one \"two\"</b>", quorix::PageScroll::Top);
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('x').title")).toString(), QStringLiteral("a\\b"), 5000);
    QCOMPARE(eval(QStringLiteral("document.title")).toString(), QStringLiteral("start"));
    QCOMPARE(eval(QStringLiteral("document.body.textContent")).toString(), QStringLiteral("one \"two\""));
  }

  void aPageTallerThanThePaneScrollsAndANewPageStartsAtItsTop() {
    const auto show = [&](const char* id, PageScroll scroll) {
      pane_->setPageHtml(std::string("<div id='") + id + "' style='height: 3000px'>tall</div>", scroll);
      QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('%1') !== null").arg(QLatin1String(id))).toBool(),
                                true, 5000);
    };
    const auto scrollY = [&] { return eval(QStringLiteral("window.scrollY")).toInt(); };
    const auto scrollBarWidth = [&] {
      return eval(QStringLiteral("window.innerWidth - document.scrollingElement.clientWidth")).toInt();
    };
    QCOMPARE(scrollBarWidth(), 0);  // the short page
    show("first", PageScroll::Top);
    QVERIFY(scrollBarWidth() > 0);
    eval(QStringLiteral("window.scrollTo(0, 700)"));
    QTRY_COMPARE_WITH_TIMEOUT(scrollY(), 700, 5000);
    show("rebuilt", PageScroll::Kept);
    QCOMPARE(scrollY(), 700);
    show("next", PageScroll::Top);
    QCOMPARE(scrollY(), 0);
  }

  void zoomKeysWalkTheStepsOfTheWheel() {
    QWebEngineView* view = pane_->view();
    QWidget* surface = view->focusProxy();
    QVERIFY(surface != nullptr);
    pane_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(pane_.get()));
    surface->setFocus();
    const QPoint at(50, 50);
    QWheelEvent notch(at, surface->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(surface, &notch);
    QTRY_VERIFY_WITH_TIMEOUT(view->zoomFactor() != 1.0, 5000);
    const qreal byWheel = view->zoomFactor();
    QTest::keyClick(surface, Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(view->zoomFactor(), 1.0, 5000);
    QTest::keyClick(surface, Qt::Key_Plus, Qt::ControlModifier);
    // The engine keeps the wheel's factor in single precision.
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(view->zoomFactor() - byWheel) < 1e-6, 5000);
    QTest::keyClick(surface, Qt::Key_Equal, Qt::ControlModifier);  // the plus key without Shift
    QTest::keyClick(surface, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(surface, Qt::Key_Minus, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(view->zoomFactor(), 0.9, 5000);
    pane_->setPageHtml("<p id='later'>later</p>", PageScroll::Top);
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('later') !== null")).toBool(), true, 5000);
    QCOMPARE(view->zoomFactor(), 0.9);  // the zoom is the document's, and the document stays
    QTest::keyClick(surface, Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(view->zoomFactor(), 1.0, 5000);
  }

  void fragmentClicksAreReportedWithTheAbsoluteAddress_data() {
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("hashAfter");
    QTest::newRow("cancelled stays") << true << QString();
    QTest::newRow("allowed is carried out") << false << QStringLiteral("#command_10001:5");
  }
  void fragmentClicksAreReportedWithTheAbsoluteAddress() {
    QFETCH(bool, cancel);
    QFETCH(QString, hashAfter);
    cancel_ = cancel;
    eval(QStringLiteral("document.getElementById('same').click()"));
    QVERIFY(waitForRequests(1));
    const QString expected = QUrl::fromLocalFile(folder_.filePath(QStringLiteral("start.htm"))).toString() +
                             QStringLiteral("#command_10001:5");
    QCOMPARE(QString::fromStdString(requests_[0]), expected);
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("location.hash")).toString(), hashAfter, 5000);
    QTest::qWait(200);
    QCOMPARE(requests_.size(), std::size_t{1});  // carrying out an allowed click does not ask again
  }

  void scriptLocationChangesAreReportedEveryTime() {
    // The Russian rows set location.href; the same row clicked twice must be reported twice.
    const QString assign = QStringLiteral("window.location.href = '#reloadtab_5:3:40'");
    eval(assign);
    QVERIFY(waitForRequests(1));
    QVERIFY(QString::fromStdString(requests_[0]).endsWith(QStringLiteral("start.htm#reloadtab_5:3:40")));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("location.hash")).toString(), QString(), 5000);
    eval(assign);
    QVERIFY(waitForRequests(2));
    QCOMPARE(requests_[1], requests_[0]);
  }

  void navigateToAsksTheHandlerFirst() {
    const std::string url =
        QUrl::fromLocalFile(folder_.filePath(QStringLiteral("start.htm"))).toString().toStdString() + "#reloadtab_1:2:3";
    pane_->navigateTo(url);
    QCOMPARE(requests_.size(), std::size_t{1});
    QCOMPARE(requests_[0], url);
    QCOMPARE(eval(QStringLiteral("location.hash")).toString(), QString());
  }

  void selectionShimGivesTheSelectedText() {
    QCOMPARE(eval(QStringLiteral("document.selection.createRange().text")).toString(), QString());
    eval(QStringLiteral("var r = document.createRange(); r.selectNodeContents(document.getElementById('held'));"
                        "getSelection().removeAllRanges(); getSelection().addRange(r);"));
    QCOMPARE(eval(QStringLiteral("document.selection.createRange().text == ''")).toBool(), false);
    QCOMPARE(eval(QStringLiteral("document.selection.createRange().text")).toString(), QStringLiteral("start page"));
  }

  void otherDocumentsGoThroughTheHandler() {
    pane_->setPageHtml("<a id='away' href='other.htm'>away</a>", quorix::PageScroll::Top);
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('away') !== null")).toBool(), true, 5000);
    eval(QStringLiteral("document.getElementById('away').click()"));
    QVERIFY(waitForRequests(1));
    QVERIFY(QString::fromStdString(requests_[0]).endsWith(QStringLiteral("/other.htm")));
    QTest::qWait(300);
    QVERIFY(pane_->view()->url().toString().endsWith(QStringLiteral("start.htm")));
  }

  void copyGivesThePlaceholderAsTheCircleShown() {
    pane_->setPageHtml("<p id='pattern'>&#1495;<font face='Symbol'>&#143;</font>x</p>", quorix::PageScroll::Top);
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('pattern') !== null")).toBool(), true, 5000);
    eval(QStringLiteral("var r = document.createRange(); r.selectNodeContents(document.getElementById('pattern'));"
                        "window.getSelection().removeAllRanges(); window.getSelection().addRange(r); true"));
    QApplication::clipboard()->clear();
    pane_->activateWindow();
    pane_->view()->setFocus();
    QTest::qWait(200);
    pane_->copySelection();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::clipboard()->text(), QStringLiteral("\u05D7\u25CBx"), 5000);
  }

  void rightClickShowsOnlyCopy() {
    QWidget* surface = pane_->view()->focusProxy();
    QVERIFY(surface != nullptr);
    const QPoint at(50, 50);
    QTest::mousePress(surface, Qt::RightButton, Qt::NoModifier, at);
    QTest::mouseRelease(surface, Qt::RightButton, Qt::NoModifier, at);
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr, 5000);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().front()->text(), QStringLiteral("C&opy\tCtrl+C"));
    menu->close();
  }
};

}  // namespace

QTEST_MAIN(CExplorer1Test)
#include "cexplorer1_test.moc"
