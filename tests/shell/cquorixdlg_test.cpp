// The main window on the offscreen platform with a fake page pane: start-up, the status line, a
// missing database, refusals while a fill runs, the input-language switch, the layout coupling and
// the user's layout given back, resizing, the table list, Enter and Escape, closing during a fill.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include "databasesynthesizer.h"
#include "fakepagepane.h"
#include "shell/cmyedit.h"
#include "shell/codlistbox.h"
#include "shell/cquorixdlg.h"
#include "shell/ctablist.h"
#include "shell/mainmenu.h"
#include "shell/osfamily.h"
#include "shell/pagepane.h"
#include "shell/tablepatterns.h"
#include "shell/userlayoutkeeper.h"
#include "shell/xkblayouts.h"

using namespace quorix;
using test::FakePagePane;

namespace {

// A layout of neither input language, the user's own.
constexpr LayoutHandle kEnglishUs = 0x04090409;

// Keyboard layouts the test switches by hand. The user starts in a layout of his own.
class FakeLayouts : public KeyboardLayouts {
 public:
  LayoutHandle active() const override { return active_; }
  bool activate(LayoutHandle layout) override {
    activations.push_back(layout);
    if (layout != kHebrewLayout && layout != kRussianLayout) return false;
    active_ = layout;
    return true;
  }
  void setChangeHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
  int selection() const override { return static_cast<int>(active_); }
  void restoreSelection(int selection) override { userSwitchesTo(static_cast<LayoutHandle>(selection)); }
  // The user switches the layout.
  void userSwitchesTo(LayoutHandle layout) {
    active_ = layout;
    if (handler_) handler_();
  }
  std::vector<LayoutHandle> activations;

 private:
  LayoutHandle active_ = kEnglishUs;
  std::function<void()> handler_;
};

class CQuorixDlgTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<CQuorixDlg> window_;
  FakePagePane* pane_ = nullptr;
  FakeLayouts* layouts_ = nullptr;

  QString programFolder() const { return folder_.path() + QLatin1Char('/'); }

  std::unique_ptr<CQuorixDlg> makeWindow(const QString& folder) {
    auto pane = std::make_unique<FakePagePane>();
    pane_ = pane.get();
    auto layouts = std::make_unique<FakeLayouts>();
    layouts_ = layouts.get();
    CQuorixDlg::Options options;
    options.showSplash = false;
    return std::make_unique<CQuorixDlg>(folder, std::move(pane), std::move(layouts), options);
  }

  bool waitForFill() {
    // The fill, then its end timer (100 ms) and the page it shows.
    if (!QTest::qWaitFor([&] { return !window_->core()->state().busy; }, 10000)) return false;
    QTest::qWait(250);
    return true;
  }

 private slots:
  void initTestCase() {
    SynthesisCounts counts;
    std::string error;
    QVERIFY2(synthesizeDatabases(3000, folder_.path().toStdString(), counts, error), error.c_str());
  }

  void init() {
    window_ = makeWindow(programFolder());
    QVERIFY(window_->start());
    window_->show();
    QVERIFY(waitForFill());
  }
  void cleanup() { window_.reset(); }

  void startUpLeavesTheReadyWindow() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorix DEMO"));
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ALL FORMS] [ALPHABETICAL]"));
    QVERIFY(pane_->startUrl.toLocalFile().endsWith(QStringLiteral("/welcome.htm")));
    QCOMPARE(window_->cacheFolder(), programFolder() + QStringLiteral("query cache"));
    QVERIFY(QFileInfo(window_->cacheFolder()).isDir());
    QVERIFY(!pane_->pages.empty());  // timer 3757 showed row 0
    QCOMPARE(window_->core()->list().selectedRow(), 0);
    QVERIFY(window_->progressBar()->isHidden());
    QCOMPARE(window_->verbInput()->activeLayout(), kHebrewLayout);
    // In front, the program's layout is applied and typing goes to the box.
    QVERIFY(window_->verbInput()->layoutCoupled());
    QCOMPARE(layouts_->active(), kHebrewLayout);
    QCOMPARE(QApplication::focusWidget(), window_->verbInput());
  }

  void theWindowResizesDownToItsMinimum() {
    const QSize before = window_->size();
    const QSize paneBefore = pane_->size();
    const QRect listBefore = window_->verbList()->geometry();
    const QRect boxBefore = window_->verbInput()->geometry();
    const QRect progressBefore = window_->progressBar()->geometry();
    window_->resize(1400, 900);
    QTRY_COMPARE(window_->size(), QSize(1400, 900));
    const QSize growth = window_->size() - before;
    QCOMPARE(pane_->size(), paneBefore + growth);
    QCOMPARE(window_->verbList()->geometry(), listBefore.translated(growth.width(), 0).adjusted(0, 0, 0, growth.height()));
    QCOMPARE(window_->verbInput()->geometry(), boxBefore.translated(growth.width(), 0));
    QCOMPARE(window_->progressBar()->geometry(), progressBefore.translated(growth.width(), growth.height()));
    QCOMPARE(window_->core()->list().rowCount(), window_->verbList()->clientHeight() / VirtualList::kRowHeight);
    // Smaller than its minimum it does not go, and there the pane and the list stay usable.
    window_->resize(100, 100);
    QTRY_COMPARE(window_->size(), window_->minimumSize());
    QVERIFY(window_->minimumSize().width() < before.width() && window_->minimumSize().height() < before.height());
    QVERIFY(pane_->width() >= 250 && pane_->height() >= 300);
    QVERIFY(window_->core()->list().rowCount() >= 10);
    window_->resize(before);
    QTRY_COMPARE(pane_->size(), paneBefore);
    QCOMPARE(window_->verbList()->geometry(), listBefore);
  }

  void commandsThatWouldDisturbAFillAreRefused() {
    ProgramState& state = window_->core()->state();
    const std::size_t pages = pane_->pages.size();
    state.busy = true;
    for (int id : {menuid::kRussianInput, 148, 164}) window_->runCommand(id);
    QVERIFY(pane_->click("file:///x/welcome.htm#command_10001:1"));
    QVERIFY(pane_->click("file:///x/other.htm"));  // every navigation is refused during a fill
    state.busy = false;
    QCOMPARE(state.inputLanguage.load(), inputlanguage::kHebrew);
    for (int id : {134, 146, 149}) QVERIFY(window_->menu().mark(id));
    for (int id : {174, 148, 164}) QVERIFY(!window_->menu().mark(id));
    QCOMPARE(pane_->pages.size(), pages);
    // Options that start no fill still run.
    window_->runCommand(menuid::kLeftAlignedList);
    QVERIFY(window_->menu().mark(menuid::kLeftAlignedList));
    QVERIFY(state.leftAlignedList);
  }

  void inputLanguageSwitchRefillsTheList() {
    ProgramState& state = window_->core()->state();
    window_->verbInput()->setText(QStringLiteral("אאאאאאאא"));
    QVERIFY(window_->verbInput()->showsNotFound());
    window_->runCommand(menuid::kRussianInput);
    QVERIFY(waitForFill());
    QVERIFY(!window_->verbInput()->showsNotFound());
    QCOMPARE(QApplication::focusWidget(), window_->verbList());  // the command moves the focus to the list
    QCOMPARE(state.inputLanguage.load(), inputlanguage::kRussian);
    QVERIFY(window_->menu().mark(menuid::kRussianInput) && !window_->menu().mark(menuid::kHebrewInput));
    QVERIFY(window_->verbInput()->text().isEmpty());
    QCOMPARE(window_->verbInput()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(window_->verbInput()->activeLayout(), kRussianLayout);
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ALL FORMS]"));
    QVERIFY(window_->core()->list().entryCount() > 0);
    QVERIFY(!window_->menu().action(149)->isEnabled());
    QVERIFY(window_->menu().action(172)->isEnabled());
    window_->runCommand(menuid::kHebrewInput);
    QVERIFY(waitForFill());
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ALL FORMS] [ALPHABETICAL]"));
    QVERIFY(window_->menu().action(149)->isEnabled());
    QCOMPARE(window_->verbInput()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  }

  void aKeyboardLayoutSwitchChangesTheInputLanguage_data() {
    QTest::addColumn<LayoutHandle>("userLayout");
    QTest::newRow("to Russian") << kRussianLayout;
    QTest::newRow("through a third layout") << LayoutHandle{0x04090409};
  }
  void aKeyboardLayoutSwitchChangesTheInputLanguage() {
    QFETCH(LayoutHandle, userLayout);
    ProgramState& state = window_->core()->state();
    window_->verbInput()->setText(QStringLiteral("א"));
    layouts_->userSwitchesTo(userLayout);
    QTRY_COMPARE_WITH_TIMEOUT(state.inputLanguage.load(), inputlanguage::kRussian, 3000);
    QVERIFY(waitForFill());
    QCOMPARE(layouts_->active(), kRussianLayout);
    QVERIFY(window_->menu().mark(menuid::kRussianInput));
    // The user was typing: the box is emptied for the new language and keeps the focus.
    QVERIFY(window_->verbInput()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window_->verbInput());
    // And back to Hebrew.
    layouts_->userSwitchesTo(kHebrewLayout);
    QTRY_COMPARE_WITH_TIMEOUT(state.inputLanguage.load(), inputlanguage::kHebrew, 3000);
    QVERIFY(waitForFill());
  }

  void aLayoutSwitchDuringAFillWaitsForItsEnd() {
    ProgramState& state = window_->core()->state();
    state.busy = true;
    layouts_->userSwitchesTo(kRussianLayout);
    QTest::qWait(300);
    QCOMPARE(state.inputLanguage.load(), inputlanguage::kHebrew);
    QCOMPARE(window_->verbInput()->activeLayout(), kHebrewLayout);
    state.busy = false;
    QTRY_COMPARE_WITH_TIMEOUT(state.inputLanguage.load(), inputlanguage::kRussian, 3000);
    QVERIFY(waitForFill());
  }

  // The keeper and the box without a window: the program goes to the back and comes to the front.
  void theUserGetsHisLayoutBackWhenTheProgramLeavesTheFront() {
    ProgramState state;
    FakeLayouts layouts;
    int switches = 0;
    CMyEdit box(state, &layouts, [&](InputLanguage) { return ++switches, true; }, [](std::u16string_view) { return true; });
    box.setActiveLayout(kHebrewLayout);
    {
      UserLayoutKeeper keeper(layouts, [&](bool coupled) { box.setLayoutCoupled(coupled); });
      QCOMPARE(layouts.active(), kEnglishUs);  // not in front yet: nothing applied
      keeper.setProgramInFront(true);
      QCOMPARE(layouts.active(), kHebrewLayout);
      keeper.setProgramInFront(false);
      QCOMPARE(layouts.active(), kEnglishUs);
      // In another program the user picks Russian: the program does not answer.
      layouts.userSwitchesTo(kRussianLayout);
      QVERIFY(!box.layoutCheckPending());
      keeper.setProgramInFront(true);
      QCOMPARE(layouts.active(), kHebrewLayout);
      keeper.setProgramInFront(true);  // a repeat keeps the selection noted first
      QTest::qWait(2 * CMyEdit::kLayoutCheckDelayMs);
      QCOMPARE(switches, 0);
    }
    // The program ends in front: the user's last own layout comes back.
    QCOMPARE(layouts.active(), kRussianLayout);
    QVERIFY(!box.layoutCoupled());
  }

  void aPendingLayoutCheckIsDroppedWhenTheProgramLeaves() {
    layouts_->userSwitchesTo(kRussianLayout);
    QVERIFY(window_->verbInput()->layoutCheckPending());
    window_->verbInput()->setLayoutCoupled(false);
    QVERIFY(!window_->verbInput()->layoutCheckPending());
    QTest::qWait(3 * CMyEdit::kLayoutCheckDelayMs);
    QCOMPARE(window_->core()->state().inputLanguage.load(), inputlanguage::kHebrew);
  }

  void tableListPicksATable() {
    ProgramState& state = window_->core()->state();
    QVERIFY(state.currentBinyan != 0);
    std::uint32_t picked = 0;
    int rows = 0;
    bool flagsWhileOpen = false;
    QTimer::singleShot(100, this, [&] {
      auto* dialog = qobject_cast<CTabList*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      rows = static_cast<int>(dialog->rows().size());
      flagsWhileOpen = state.tableListOpen && state.leftAlignedList && !window_->verbList()->updatesEnabled();
      dialog->selectRow(rows - 1);
      picked = dialog->rows().back().tableNumber;
      dialog->accept();
    });
    window_->runCommand(152);
    QVERIFY(flagsWhileOpen);
    QVERIFY(rows > 0 && rows <= 43);
    QVERIFY(waitForFill());
    QCOMPARE(state.currentTable, picked);
    QVERIFY(!state.tableListOpen);
    QVERIFY(!state.leftAlignedList);  // the menu's mark is off
    QVERIFY(window_->verbList()->updatesEnabled());
    QVERIFY(window_->menu().mark(152));
    QCOMPARE(window_->statusLine()->text().endsWith(QStringLiteral("]")), true);
  }

  void enterAndEscapeDoNotCloseTheWindow() {
    for (QWidget* target : {static_cast<QWidget*>(window_.get()), static_cast<QWidget*>(window_->verbInput()),
                            static_cast<QWidget*>(window_->verbList())}) {
      QTest::keyClick(target, Qt::Key_Return);
      QTest::keyClick(target, Qt::Key_Escape);
    }
    QVERIFY(window_->isVisible());
  }

  void closingDuringAFillWaitsForIt() {
    QVERIFY(window_->core()->startListWorker(listmode::kAllForms) || window_->core()->state().busy);
    window_->close();
    QVERIFY(!window_->databasesOpen());
  }

  // A hebrew.db that cannot be loaded, whether missing, a FIFO (whose opening must not wait for a
  // writer) or damaged, ends the start with the one message; the other two files are not touched.
  void aDatabaseThatCannotBeLoadedEndsTheStart_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("missing") << QStringLiteral("missing");
    QTest::newRow("FIFO") << QStringLiteral("fifo");
    QTest::newRow("bytes after the blob") << QStringLiteral("trailing");
  }
  void aDatabaseThatCannotBeLoadedEndsTheStart() {
    QFETCH(QString, damage);
    QTemporaryDir empty;
    QFile::copy(folder_.filePath(QStringLiteral("russian.db")), empty.filePath(QStringLiteral("russian.db")));
    QFile::copy(folder_.filePath(QStringLiteral("rusearch.db")), empty.filePath(QStringLiteral("rusearch.db")));
    const QString hebrew = empty.filePath(QStringLiteral("hebrew.db"));
    if (damage == QStringLiteral("fifo")) {
      QCOMPARE(mkfifo(QFile::encodeName(hebrew).constData(), 0600), 0);
    } else if (damage == QStringLiteral("trailing")) {
      QFile::copy(folder_.filePath(QStringLiteral("hebrew.db")), hebrew);
      QFile file(hebrew);
      QVERIFY(file.open(QIODevice::Append));
      file.write("x", 1);
    }
    auto window = makeWindow(empty.path() + QLatin1Char('/'));
    QString message;
    QTimer::singleShot(100, this, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        message = box->text();
        box->accept();
      }
    });
    QVERIFY(!window->start());
    QCOMPARE(message, QStringLiteral("Unable to open one of program database files!"));
    QVERIFY(!window->databasesOpen());
    QVERIFY(!window->translationDatabaseTouched());
    QVERIFY(!window->russianIndexTouched());
  }

  // A FIFO where the list of the first fill is kept is no list: the fill scans and ends as usual
  // (busy clears), instead of waiting for ever for a writer.
  void aFifoInPlaceOfAListFileIsScanned() {
    const std::uint32_t count = window_->core()->list().entryCount();
    window_.reset();
    const QString list = programFolder() + QStringLiteral("query cache/0000000000.cache");
    QVERIFY(QFile::remove(list));
    QCOMPARE(mkfifo(QFile::encodeName(list).constData(), 0600), 0);
    window_ = makeWindow(programFolder());
    QVERIFY(window_->start());
    QVERIFY(waitForFill());
    QCOMPARE(window_->core()->list().entryCount(), count);
    QVERIFY(QFileInfo(list).isFile());
  }

  void osFamilyTable_data() {
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<QString>("family");
    QTest::newRow("5.0") << 5 << 0 << "2000/XP";
    QTest::newRow("5.1") << 5 << 1 << "2000/XP";
    QTest::newRow("6.1") << 6 << 1 << "2000/XP";
    QTest::newRow("4.0") << 4 << 0 << "98/ME";
    QTest::newRow("4.10") << 4 << 10 << "98/ME";
    QTest::newRow("4.90") << 4 << 90 << "98/ME";
    QTest::newRow("4.3") << 4 << 3 << "";
    QTest::newRow("6.3") << 6 << 3 << "";
  }
  void osFamilyTable() {
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(QString, family);
    QCOMPARE(QString::fromStdString(osFamilyOf(major, minor)), family);
  }

  void xkbGroupNames_data() {
    QTest::addColumn<QString>("symbols");
    QTest::addColumn<QStringList>("groups");
    QTest::newRow("three") << "pc+us+il:2+ru:3+inet(evdev)" << QStringList{"us", "il", "ru"};
    QTest::newRow("variant") << "pc+il(phonetic)+ru:2+inet(evdev)+group(alt_shift_toggle)" << QStringList{"il", "ru"};
    QTest::newRow("one") << "pc+us+inet(evdev)" << QStringList{"us"};
    QTest::newRow("bad group number") << "pc+us+ru:9" << QStringList{"us"};
  }
  void xkbGroupNames() {
    QFETCH(QString, symbols);
    QFETCH(QStringList, groups);
    QStringList got;
    for (const std::string& g : XkbLayouts::groupLayouts(symbols.toStdString())) got << QString::fromStdString(g);
    QCOMPARE(got, groups);
    QCOMPARE(XkbLayouts::handleOf("il", 1), kHebrewLayout);
    QCOMPARE(XkbLayouts::handleOf("ru", 2), kRussianLayout);
    QVERIFY(XkbLayouts::handleOf("us", 0) != kHebrewLayout && XkbLayouts::handleOf("us", 0) != kRussianLayout);
  }

  void tableRowsReverseThePatternsWithEqualsSign() {
    QCOMPARE(tablePatterns().size(), std::size_t{43});
    QCOMPARE(tablePatterns()[3], std::string_view("=00"));
    QCOMPARE(tablePatterns()[11], std::string_view("=00"));
    QCOMPARE(tableNumberOfRow("000   20012"), 20012u);
    QCOMPARE(tableNumberOfRow("\xE4\x30\x30 \x2C   10003x"), 10003u);
    QCOMPARE(tableNumberOfRow("no number"), 0u);
    std::vector<TableListRow> rows{{"000   10001", 10001}, {"=00   10002", 10002}, {"000   10003", 10003}};
    QCOMPARE(preselectedRow(rows, 10003), 2);
    QCOMPARE(preselectedRow(rows, 10001), 0);
    QCOMPARE(preselectedRow(rows, 99999), -1);
  }
};

}  // namespace

QTEST_MAIN(CQuorixDlgTest)
#include "cquorixdlg_test.moc"
