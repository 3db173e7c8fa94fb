// The whole program on a real X server with a window manager (Xorg with the dummy video driver and
// openbox, started by run-on-xorg.sh): what Xvfb cannot show. The window starts at its drawn size,
// or within the screen where that does not fit (as with QT_SCALE_FACTOR=2); the window manager may
// resize and maximise it, and the page pane grows with it; typing goes to the Verb box from the
// start; the keyboard group is the program's only while it is in front, and the user's group comes
// back when another window takes the focus and when the program ends. Screenshots (PNG) of the
// screen go to the build folder.
#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "programfoldercopy.h"
#include "shell/cexplorer1.h"
#include "shell/cmyedit.h"
#include "shell/cquorixdlg.h"
#include "shell/xkblayouts.h"

using namespace quorix;

namespace {

constexpr int kUsGroup = 0;  // the layouts are us,il,ru
constexpr int kHebrewGroup = 1;

class QuorixDesktopTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<CQuorixDlg> window_;
  CExplorer1* pane_ = nullptr;
  // A connection of the test's own, as another program on the desktop has.
  Display* x_ = nullptr;

  int group() {
    XkbStateRec state{};
    XkbGetState(x_, XkbUseCoreKbd, &state);
    return state.group;
  }
  bool waitForGroup(int wanted) { return QTest::qWaitFor([&] { return group() == wanted; }, 5000); }

  bool windowManagerRuns() {
    const Atom check = XInternAtom(x_, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(x_, DefaultRootWindow(x_), check, 0, 1, False, XA_WINDOW, &type, &format, &items,
                                          &after, &data) == Success &&
                       items == 1;
    if (data != nullptr) XFree(data);
    return found;
  }

  // The whole screen, named with the scale factor when there is one.
  void screenshot(const QString& name) {
    QTest::qWait(500);
    QScreen* screen = window_->screen();
    const qreal scale = screen->devicePixelRatio();
    const QString file = name + (scale > 1 ? QStringLiteral("-scale%1").arg(scale) : QString()) + QStringLiteral(".png");
    QVERIFY(screen->grabWindow(0).save(QStringLiteral(QUORIX_SHOT_DIR "/") + file));
  }

  // The window's frame, once the window manager has framed it.
  QRect framed() {
    if (!QTest::qWaitFor([&] { return window_->frameGeometry() != window_->geometry(); }, 5000))
      qWarning("the window manager has not framed the window");
    return window_->frameGeometry();
  }
  // Equal but for the rounding of a scaled frame.
  static bool nearly(QSize a, QSize b) { return qAbs(a.width() - b.width()) <= 1 && qAbs(a.height() - b.height()) <= 1; }

 private slots:
  void initTestCase() {
    x_ = XOpenDisplay(nullptr);
    QVERIFY(x_ != nullptr);
    QVERIFY2(QTest::qWaitFor([&] { return windowManagerRuns(); }, 10000), "no window manager");
    XkbLockGroup(x_, XkbUseCoreKbd, kUsGroup);
    XSync(x_, False);
    QVERIFY(waitForGroup(kUsGroup));

    QVERIFY(test::copyProgramFolder(QStringLiteral(QUORIX_APP_DIR "/"), folder_.path() + QLatin1Char('/')));
    auto layouts = XkbLayouts::create();
    QVERIFY2(layouts != nullptr, "no XKB");
    auto pane = std::make_unique<CExplorer1>();
    pane_ = pane.get();
    CQuorixDlg::Options options;
    options.showSplash = false;
    window_ = std::make_unique<CQuorixDlg>(folder_.path() + QLatin1Char('/'), std::move(pane), std::move(layouts), options);
    QVERIFY(window_->start());
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get(), 10000));
    QVERIFY(QTest::qWaitFor([&] { return pane_->startPageLoaded(); }, 20000));
    QVERIFY(QTest::qWaitFor([&] { return !window_->core()->state().busy; }, 20000));
  }

  void cleanupTestCase() {
    window_.reset();
    if (x_ != nullptr) XCloseDisplay(x_);
  }

  void itStartsAtItsDrawnSizeWithinTheScreen() {
    const QRect available = window_->screen()->availableGeometry();
    const QRect frame = framed();
    const QSize frameExtra = frame.size() - window_->size();
    qInfo("screen %dx%d (scale %g), window %dx%d, frame %dx%d at %d,%d", available.width(), available.height(),
          window_->screen()->devicePixelRatio(), window_->width(), window_->height(), frame.width(), frame.height(),
          frame.x(), frame.y());
    QVERIFY(available.contains(frame));
    const QSize drawn = window_->sizeHint();
    if (drawn.width() + frameExtra.width() <= available.width() && drawn.height() + frameExtra.height() <= available.height())
      QCOMPARE(window_->size(), drawn);
    else
      QVERIFY(window_->height() < drawn.height() || window_->width() < drawn.width());
    // Typing goes to the box at once.
    QCOMPARE(QApplication::focusWidget(), window_->verbInput());
    screenshot(QStringLiteral("desktop-start"));
  }

  void theWindowManagerMayResizeIt() {
    XSizeHints hints{};
    long supplied = 0;
    QVERIFY(XGetWMNormalHints(x_, static_cast<Window>(window_->winId()), &hints, &supplied));
    QVERIFY(hints.flags & PMinSize);
    QVERIFY(!(hints.flags & PMaxSize) || (hints.max_width > hints.min_width && hints.max_height > hints.min_height));

    const QSize wanted(1400, 900);
    const QSize frameExtra = framed().size() - window_->size();
    const QSize room = window_->screen()->availableSize() - frameExtra;
    if (room.width() < wanted.width() || room.height() < wanted.height())
      QSKIP("the screen has no room for 1400x900 at this scale factor");
    const QSize before = window_->size();
    const QSize paneBefore = pane_->size();
    window_->resize(wanted);
    QTRY_COMPARE_WITH_TIMEOUT(window_->size(), wanted, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->size(), paneBefore + (wanted - before), 5000);
    qInfo("window %dx%d: page pane %dx%d (was %dx%d)", wanted.width(), wanted.height(), pane_->width(), pane_->height(),
          paneBefore.width(), paneBefore.height());
    window_->resize(before);
    QTRY_COMPARE_WITH_TIMEOUT(window_->size(), before, 5000);
  }

  void maximisedItFillsTheScreen() {
    const QSize before = window_->size();
    const QSize paneBefore = pane_->size();
    window_->showMaximized();
    QTRY_VERIFY_WITH_TIMEOUT(window_->isMaximized(), 5000);
    const QRect available = window_->screen()->availableGeometry();
    QTRY_VERIFY_WITH_TIMEOUT(nearly(window_->frameGeometry().size(), available.size()), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->size(), paneBefore + (window_->size() - before), 5000);
    qInfo("maximised: window %dx%d, page pane %dx%d", window_->width(), window_->height(), pane_->width(), pane_->height());
    screenshot(QStringLiteral("desktop-maximised"));
    window_->showNormal();
    QTRY_COMPARE_WITH_TIMEOUT(window_->size(), before, 5000);
  }

  void theGroupIsTheProgramsOnlyWhileItIsInFront() {
    QVERIFY(waitForGroup(kHebrewGroup));
    // Another program's window takes the focus.
    const Window other = XCreateSimpleWindow(x_, DefaultRootWindow(x_), 0, 0, 300, 200, 0, 0, 0xFFFFFF);
    XStoreName(x_, other, "another program");
    XMapWindow(x_, other);
    XSync(x_, False);
    QVERIFY2(QTest::qWaitFor([] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 5000),
             "the other window did not take the focus");
    QVERIFY(waitForGroup(kUsGroup));
    // There the user types on: the program does not interfere.
    QTest::qWait(500);
    QCOMPARE(group(), kUsGroup);
    QCOMPARE(window_->core()->state().inputLanguage.load(), inputlanguage::kHebrew);
    // Back in the program, its own group again.
    XDestroyWindow(x_, other);
    XSync(x_, False);
    QVERIFY(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; }, 5000));
    QVERIFY(waitForGroup(kHebrewGroup));
  }

  void theUsersGroupComesBackWhenTheProgramEnds() {
    window_->close();
    window_.reset();
    QVERIFY(waitForGroup(kUsGroup));
  }
};

}  // namespace

QTEST_MAIN(QuorixDesktopTest)
#include "quorixdesktop_test.moc"
