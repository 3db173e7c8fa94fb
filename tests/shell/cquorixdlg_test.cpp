// The main window on the offscreen platform with a fake page pane: start-up, the status line, a
// missing database, refusals while a fill runs, the input-language switch to Russian and English,
// the layout coupling and the user's layout given back, resizing, the table list, the guides, Enter
// and Escape, closing during a fill.
#include <QApplication>
#include <QDesktopServices>
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
#include "db/meaningorder.h"
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

// The user's own layout, a Latin one: the layout of English input.
constexpr LayoutHandle kEnglishUs = kEnglishLayout;

// Keyboard layouts the test switches by hand: a desktop with a Hebrew, a Russian and a Latin layout.
// The user starts in his Latin one.
class FakeLayouts : public KeyboardLayouts {
 public:
  LayoutHandle active() const override { return active_; }
  bool activate(LayoutHandle layout) override {
    activations.push_back(layout);
    if (!inputLanguageOf(layout)) return false;
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

 public slots:
  // Stands in for the desktop while a test opens the guides.
  void openDocument(const QUrl& url) { opened_.push_back(url); }

 private:
  std::vector<QUrl> opened_;

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

  // Runs `command` and answers the message box it shows; the box's text, or empty when none came.
  QString messageOf(int command) {
    message_.clear();
    QTimer::singleShot(100, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        message_ = box->text();
        box->accept();
      }
    });
    window_->runCommand(command);
    return message_;
  }
  QString message_;

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

  void englishInputListsTheEnglishMeanings() {
    ProgramState& state = window_->core()->state();
    VirtualList& list = window_->core()->list();
    window_->verbInput()->setText(QStringLiteral("אב"));
    window_->runCommand(menuid::kEnglishInput);
    QVERIFY(waitForFill());
    QCOMPARE(state.inputLanguage.load(), inputlanguage::kEnglish);
    for (int id : {134, 174}) QVERIFY(!window_->menu().mark(id));
    QVERIFY(window_->menu().mark(menuid::kEnglishInput));
    QVERIFY(window_->verbInput()->text().isEmpty());
    QCOMPARE(window_->verbInput()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(window_->verbInput()->activeLayout(), kEnglishLayout);
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ALL FORMS]"));
    for (int id : {149, 145, 172}) QVERIFY(!window_->menu().action(id)->isEnabled());
    QVERIFY(window_->menu().action(177)->isEnabled());
    RussianSearchIndex meanings(folder_.filePath(QStringLiteral("ensearch.db")).toStdString());
    QVERIFY(meanings.load());
    QCOMPARE(list.entryCount(), meanings.searchEntryCount());

    window_->runCommand(177);
    QVERIFY(waitForFill());
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ENGLISH MEANING]"));
    QVERIFY(window_->menu().mark(177) && !window_->menu().mark(146));
    QVERIFY(QFileInfo::exists(window_->cacheFolder() + QStringLiteral("/0B00000000.cache")));

    // Typed in capitals, a meaning further down is found and its page shown.
    const std::string word = list.rowText(list.rowCount() - 1);
    const std::size_t pages = pane_->pages.size();
    window_->verbInput()->setText(QString::fromStdString(word).toUpper());
    QVERIFY(list.selectedRow() >= 0);
    QVERIFY(meaningStartsWith(list.rowText(list.selectedRow()), word));
    QVERIFY(pane_->pages.size() > pages);
    QVERIFY(pane_->pages.back().find("<b><i>" + word) != std::string::npos);
  }

  void aKeyboardLayoutSwitchChangesTheInputLanguage_data() {
    QTest::addColumn<LayoutHandle>("userLayout");
    QTest::addColumn<int>("language");
    QTest::addColumn<LayoutHandle>("endLayout");
    QTest::newRow("to Russian") << kRussianLayout << int{inputlanguage::kRussian} << kRussianLayout;
    QTest::newRow("to the Latin layout") << kEnglishLayout << int{inputlanguage::kEnglish} << kEnglishLayout;
    // A layout the desktop cannot name is answered as before: from Hebrew, on to Russian.
    QTest::newRow("through an unnamed layout") << LayoutHandle{0x00010003} << int{inputlanguage::kRussian}
                                               << kRussianLayout;
  }
  void aKeyboardLayoutSwitchChangesTheInputLanguage() {
    QFETCH(LayoutHandle, userLayout);
    QFETCH(int, language);
    QFETCH(LayoutHandle, endLayout);
    ProgramState& state = window_->core()->state();
    window_->verbInput()->setText(QStringLiteral("א"));
    layouts_->userSwitchesTo(userLayout);
    QTRY_COMPARE_WITH_TIMEOUT(int{state.inputLanguage.load()}, language, 3000);
    QVERIFY(waitForFill());
    QCOMPARE(layouts_->active(), endLayout);
    QCOMPARE(window_->verbInput()->activeLayout(), endLayout);
    QVERIFY(window_->menu().mark(language == inputlanguage::kRussian ? menuid::kRussianInput : menuid::kEnglishInput));
    // The user was typing: the box is emptied for the new language and keeps the focus.
    QVERIFY(window_->verbInput()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), window_->verbInput());
    // And back to Hebrew.
    layouts_->userSwitchesTo(kHebrewLayout);
    QTRY_COMPARE_WITH_TIMEOUT(state.inputLanguage.load(), inputlanguage::kHebrew, 3000);
    QVERIFY(waitForFill());
    QCOMPARE(window_->verbInput()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  }

  void theBoxTakesTheLayoutOfTheInputLanguageChosenInTheMenu() {
    window_->runCommand(menuid::kEnglishInput);
    QVERIFY(waitForFill());
    QCOMPARE(layouts_->active(), kHebrewLayout);  // the menu leaves the layout to the box
    QFocusEvent focusIn(QEvent::FocusIn);
    QApplication::sendEvent(window_->verbInput(), &focusIn);
    QCOMPARE(layouts_->active(), kEnglishLayout);
    layouts_->userSwitchesTo(kRussianLayout);
    QTRY_COMPARE_WITH_TIMEOUT(window_->core()->state().inputLanguage.load(), inputlanguage::kRussian, 3000);
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

  // A database file that cannot be loaded, whether missing, a FIFO (whose opening must not wait
  // for a writer) or damaged, ends the start with the one message. Each file is loaded before the
  // next is opened: those after it stay unopened, and those before it are released.
  void aDatabaseThatCannotBeLoadedEndsTheStart_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    QTest::newRow("hebrew.db missing") << "hebrew.db" << QStringLiteral("missing");
    QTest::newRow("hebrew.db a FIFO") << "hebrew.db" << QStringLiteral("fifo");
    QTest::newRow("hebrew.db with bytes after the blob") << "hebrew.db" << QStringLiteral("trailing");
    QTest::newRow("english.db missing") << "english.db" << QStringLiteral("missing");
    QTest::newRow("english.db with bytes after the blob") << "english.db" << QStringLiteral("trailing");
    QTest::newRow("ensearch.db missing") << "ensearch.db" << QStringLiteral("missing");
  }
  void aDatabaseThatCannotBeLoadedEndsTheStart() {
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QTemporaryDir copy;
    for (const char* name : {"hebrew.db", "russian.db", "rusearch.db", "english.db", "ensearch.db"}) {
      if (file == QLatin1String(name)) continue;
      QVERIFY(QFile::copy(folder_.filePath(QLatin1String(name)), copy.filePath(QLatin1String(name))));
    }
    const QString damaged = copy.filePath(file);
    if (damage == QStringLiteral("fifo")) {
      QCOMPARE(mkfifo(QFile::encodeName(damaged).constData(), 0600), 0);
    } else if (damage == QStringLiteral("trailing")) {
      QFile::copy(folder_.filePath(file), damaged);
      QFile bytes(damaged);
      QVERIFY(bytes.open(QIODevice::Append));
      bytes.write("x", 1);
    }
    auto window = makeWindow(copy.path() + QLatin1Char('/'));
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
    QVERIFY(!window->verbDatabaseTouched());
    QVERIFY(!window->translationDatabaseTouched());
    QVERIFY(!window->russianIndexTouched());
    QVERIFY(!window->englishIndexTouched());
  }

  void theGuidesOpenOrNameTheirFile() {
    QVERIFY(window_->menu().action(menuid::kEnglishGuide)->isEnabled());
    QFile guide(folder_.filePath(QStringLiteral("index-en.htm")));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.close();
    opened_.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openDocument");
    QCOMPARE(messageOf(menuid::kEnglishGuide), QString());
    // index.htm is not in this folder: the message names it instead of nothing happening.
    const QString message = messageOf(menuid::kRussianGuide);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opened_.size(), std::size_t{1});
    QCOMPARE(opened_[0], QUrl::fromLocalFile(QFileInfo(guide).absoluteFilePath()));
    QVERIFY2(message.contains(folder_.filePath(QStringLiteral("index.htm"))), qPrintable(message));
    QVERIFY(guide.remove());
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
    QCOMPARE(XkbLayouts::handleOf("us", 0), kEnglishLayout);
    QCOMPARE(XkbLayouts::handleOf("de", 3), kEnglishLayout);
    QVERIFY2(!inputLanguageOf(XkbLayouts::handleOf("", 3)), "a group without a name is no input language");
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
