// The whole window under Xvfb with the real page pane, on a copy of the program folder that the
// build made (the bundled dictionary, the start page and its pictures): the first page, typing
// right after start-up, a word that begins nothing, a root pattern of several parts, a page taller
// than the pane, resizing, the zoom keys, the left-aligned list, a binyan link, the Russian side
// with a row command, the dialog languages, the table list and the About box. Each step leaves a
// screenshot (PNG) in the build folder. (Maximising needs a window manager: see the desktop test.)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include "db/codepages.h"
#include "db/recordwalks.h"
#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "pagescript.h"
#include "programfoldercopy.h"
#include "shell/cexplorer1.h"
#include "shell/cmyedit.h"
#include "shell/codlistbox.h"
#include "shell/cquorixdlg.h"
#include "shell/ctablist.h"
#include "shell/mainmenu.h"

using namespace quorix;

namespace {

class QuorixWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;
  std::unique_ptr<VerbDatabase> verbs_;
  std::unique_ptr<TranslationDatabase> translations_;
  std::unique_ptr<RussianSearchIndex> russianIndex_;
  std::unique_ptr<CQuorixDlg> window_;
  CExplorer1* pane_ = nullptr;

  QVariant eval(const QString& script) { return quorix::test::runPageScript(pane_->view()->page(), script); }

  QString body() { return eval(QStringLiteral("document.body.innerHTML")).toString(); }
  int scrollY() { return eval(QStringLiteral("window.scrollY")).toInt(); }

  // Types into whatever has the keyboard focus, key by key (keyClicks knows only ASCII keys).
  void type(const QString& letters) {
    for (const QChar letter : letters)
      QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
    settle();
  }
  // Empties the box (no search) and types a new word into it.
  void typeWord(const QString& letters) {
    window_->verbInput()->setFocus();
    window_->verbInput()->clear();
    type(letters);
  }
  QString selectedListText() {
    const auto selected = window_->core()->list().selectedEntry();
    VerbRecord record;
    if (!selected || !verbs_->decode(*selected, record)) return {};
    return QString::fromStdString(codePageToUtf8(std::string(record.listText), CodePage::Hebrew1255));
  }

  // Waits until the page has settled: no fill running and the body unchanged for 300 ms.
  void settle() {
    if (!QTest::qWaitFor([&] { return !window_->core()->state().busy; }, 10000)) return;
    QString last;
    for (int i = 0; i < 50; ++i) {
      QTest::qWait(150);
      const QString now = body();
      if (now == last) break;
      last = now;
    }
  }

  void screenshot(const QString& name, QWidget* widget) {
    QTest::qWait(300);
    const QRect frame = widget->frameGeometry();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    QVERIFY(shot.save(QStringLiteral(QUORIX_SHOT_DIR "/") + name + QStringLiteral(".png")));
  }

 private slots:
  void initTestCase() {
    QVERIFY(quorix::test::copyProgramFolder(QStringLiteral(QUORIX_APP_DIR "/"), folder_.path() + QLatin1Char('/')));
    verbs_ = std::make_unique<VerbDatabase>(folder_.filePath(QStringLiteral("hebrew.db")).toStdString());
    QVERIFY(verbs_->load());
    translations_ = std::make_unique<TranslationDatabase>(folder_.filePath(QStringLiteral("russian.db")).toStdString());
    QVERIFY(translations_->load());
    russianIndex_ = std::make_unique<RussianSearchIndex>(folder_.filePath(QStringLiteral("rusearch.db")).toStdString());
    QVERIFY(russianIndex_->load());

    auto pane = std::make_unique<CExplorer1>();
    pane_ = pane.get();
    CQuorixDlg::Options options;
    options.showSplash = false;
    window_ = std::make_unique<CQuorixDlg>(folder_.path() + QLatin1Char('/'), std::move(pane), nullptr, options);
    QVERIFY(window_->start());
    window_->move(10, 10);
    window_->show();
    // Xvfb has no window manager to give the new window the focus.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(QTest::qWaitFor([&] { return pane_->startPageLoaded(); }, 20000));
    QVERIFY(QTest::qWaitFor([&] { return body().contains(QStringLiteral("scrl_id")); }, 20000));
    settle();
  }

  void cleanupTestCase() { window_.reset(); }

  void firstPageShowsTheFirstVerb() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorix DEMO"));
    QCOMPARE(window_->statusLine()->text(), QStringLiteral("[ALL FORMS] [ALPHABETICAL]"));
    QCOMPARE(window_->core()->list().selectedRow(), 0);
    QVERIFY(window_->core()->state().currentTable != 0);
    qInfo("window %dx%d, pane %dx%d, page %d px high", window_->width(), window_->height(), pane_->width(),
          pane_->height(), eval(QStringLiteral("document.scrollingElement.scrollHeight")).toInt());
    screenshot(QStringLiteral("01-first-page"), window_.get());
  }

  void typingRightAfterStartUpShowsTheVerb() {
    ProgramCore& core = *window_->core();
    QCOMPARE(QApplication::focusWidget(), window_->verbInput());
    // כתב: far down the all-forms list, and its root is in four binyans.
    const QString letters = QStringLiteral("כתב");
    const QString before = body();
    type(letters);
    QCOMPARE(window_->verbInput()->text(), letters);
    QVERIFY(selectedListText().startsWith(letters));
    VerbRecord record;
    QVERIFY(verbs_->decode(*core.list().selectedEntry(), record));
    QCOMPARE(core.state().currentTable, record.tableNumber);
    QVERIFY(body() != before);
    QVERIFY(!window_->verbInput()->showsNotFound());
    screenshot(QStringLiteral("02-typed-search"), window_.get());
  }

  void aWordThatBeginsNoEntryTurnsTheBoxRed() {
    ProgramCore& core = *window_->core();
    // No word goes on after a final letter: קפץ may begin a form, קפץץ begins none.
    typeWord(QStringLiteral("קפץ"));
    const int row = core.list().selectedRow();
    const QString shown = selectedListText();
    QVERIFY(shown.startsWith(QStringLiteral("קפ")));
    type(QStringLiteral("ץ"));
    QVERIFY(window_->verbInput()->showsNotFound());
    QCOMPARE(window_->verbInput()->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(core.list().selectedRow(), row);
    QCOMPARE(selectedListText(), shown);
    screenshot(QStringLiteral("03-not-found"), window_.get());
    QTest::keyClick(window_->verbInput(), Qt::Key_Backspace);
    QTest::keyClick(window_->verbInput(), Qt::Key_Backspace);
    QCOMPARE(window_->verbInput()->text(), QStringLiteral("קפ"));
    QVERIFY(!window_->verbInput()->showsNotFound());
    QVERIFY(window_->verbInput()->palette().color(QPalette::Text) != QColor(Qt::red));
  }

  void rootPatternsReadRightToLeft_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("marks");  // the Model cell's marks in stored order, 'o' a placeholder
    QTest::addColumn<QString>("shot");
    // Stored "00ט, 00ד": 0, 0, tet, comma, space, 0, 0, dalet.
    QTest::newRow("several parts") << "לאבד" << "ooט,ooד" << "04-pattern-of-several-parts";
    // Stored "=00" and shown reversed, 0, 0, '=': the third letter repeats the second.
    QTest::newRow("equals sign") << "למדוד" << "oo=" << "";
  }
  void rootPatternsReadRightToLeft() {
    QFETCH(QString, word);
    QFETCH(QString, marks);
    QFETCH(QString, shot);
    typeWord(word);
    // Every mark of the Model cell in stored order with the middle of its box: they must stand from
    // right to left. A placeholder is its ring's span; blanks are left out.
    const QString centres = eval(QStringLiteral(R"JS(
      (function () {
        var cell = document.querySelector('tr[bgcolor="#e0dfe4"]').cells[2], out = [];
        (function walk(node) {
          if (node.nodeType === 3) {
            for (var i = 0; i < node.data.length; ++i) {
              if (node.data[i] === ' ') continue;
              var r = document.createRange(); r.setStart(node, i); r.setEnd(node, i + 1);
              var b = r.getBoundingClientRect();
              out.push(node.data[i] === '\u008f' ? 'o' : node.data[i], Math.round(b.left + b.width / 2));
            }
          } else node.childNodes.forEach(walk);
        })(cell);
        return out.join(' ');
      })())JS")).toString();
    const QStringList parts = centres.split(QLatin1Char(' '));
    QString found;
    for (int i = 0; i + 1 < parts.size(); i += 2) found += parts[i];
    QCOMPARE(found, marks);
    for (int i = 3; i < parts.size(); i += 2)
      QVERIFY2(parts[i].toInt() < parts[i - 2].toInt(), qPrintable(QStringLiteral("out of reading order: ") + centres));
    if (!shot.isEmpty()) screenshot(shot, window_.get());
  }

  void aLongPageScrollsAndANewPageStartsAtItsTop() {
    ProgramCore& core = *window_->core();
    // ללכת: its Model cell wraps into three lines, and the page is taller than the pane.
    typeWord(QStringLiteral("ללכת"));
    QCOMPARE(window_->core()->state().currentTable, 10002u);
    // The start page has no DOCTYPE: the body is what scrolls.
    const int pageHeight = eval(QStringLiteral("document.scrollingElement.scrollHeight")).toInt();
    const int paneHeight = eval(QStringLiteral("window.innerHeight")).toInt();
    qInfo("page %d px high in a pane of %d px", pageHeight, paneHeight);
    QVERIFY2(pageHeight > paneHeight, qPrintable(QStringLiteral("%1 <= %2").arg(pageHeight).arg(paneHeight)));
    QVERIFY2(eval(QStringLiteral("window.innerWidth - document.scrollingElement.clientWidth")).toInt() > 0,
             "no vertical scroll bar");
    eval(QStringLiteral("window.scrollTo(0, document.scrollingElement.scrollHeight)"));
    QTRY_COMPARE_WITH_TIMEOUT(scrollY(), pageHeight - paneHeight, 5000);
    screenshot(QStringLiteral("05-long-page-scrolled"), window_.get());
    // The grid's last row is in view at the bottom.
    QVERIFY(eval(QStringLiteral("var t = document.getElementsByTagName('table'), last = t[t.length - 1]; "
                                "Math.floor(last.getBoundingClientRect().bottom) <= window.innerHeight"))
                .toBool());
    core.list().keyDown(ListKey::Down);
    settle();
    QCOMPARE(scrollY(), 0);
  }

  void aLargerWindowGivesThePageMoreRoom() {
    // Without a window manager the window takes any size asked for (the geometry in detail is the
    // dialog test's; maximising is the desktop test's).
    const QSize windowBefore = window_->size();
    const QSize paneBefore = pane_->size();
    window_->resize(1000, 800);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->size(), paneBefore + (QSize(1000, 800) - windowBefore), 5000);
    settle();
    QCOMPARE(eval(QStringLiteral("window.innerHeight")).toInt(), pane_->height());
    screenshot(QStringLiteral("06-larger-window"), window_.get());
    window_->resize(windowBefore);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->size(), paneBefore, 5000);
  }

  void zoomKeysZoomEveryLaterPage() {
    QCOMPARE(pane_->view()->zoomFactor(), 1.0);
    window_->verbInput()->setFocus();
    QTest::keyClick(window_->verbInput(), Qt::Key_Plus, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->view()->zoomFactor(), 1.1, 2000);
    window_->core()->list().keyDown(ListKey::Down);
    settle();
    QCOMPARE(pane_->view()->zoomFactor(), 1.1);
    QTest::keyClick(window_->verbInput(), Qt::Key_0, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(pane_->view()->zoomFactor(), 1.0, 2000);
  }

  void theLeftAlignedListKeepsTheGap() {
    window_->runCommand(menuid::kLeftAlignedList);
    screenshot(QStringLiteral("07-left-aligned-list"), window_.get());
    window_->runCommand(menuid::kLeftAlignedList);
  }

  void aBinyanLinkOpensTheOtherVerb() {
    ProgramCore& core = *window_->core();
    typeWord(QStringLiteral("כתב"));
    const std::uint32_t tableBefore = core.state().currentTable;
    // The links to the other binyans are the gray ones (the verb's own binyan is orange).
    const QString link = QStringLiteral("document.querySelector('a[href^=\"#command_\"] span.gray').parentElement");
    const QString href = eval(QStringLiteral("try { %1.getAttribute('href') } catch (e) { '' }").arg(link)).toString();
    QVERIFY2(!href.isEmpty(), "the page of כתב links no other binyan");
    eval(link + QStringLiteral(".click()"));
    const std::uint32_t table = href.mid(9, href.indexOf(QLatin1Char(':')) - 9).toUInt();
    QTRY_COMPARE_WITH_TIMEOUT(core.state().currentTable, table, 5000);
    QVERIFY(table != tableBefore);
    QCOMPARE(core.state().currentBinyan, static_cast<std::uint8_t>(table / 10000));
    settle();
    // The command is cancelled: the address keeps no fragment.
    QCOMPARE(eval(QStringLiteral("location.hash")).toString(), QString());
    screenshot(QStringLiteral("08-binyan-link"), window_.get());
  }

  void dialogLanguagesRelabelThePage_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name");
    QTest::newRow("Russian") << menuid::kRussianDialog << "09-dialog-russian";
    QTest::newRow("Hebrew") << menuid::kHebrewDialog << "10-dialog-hebrew";
    QTest::newRow("English") << menuid::kEnglishDialog << "11-dialog-english";
  }
  void dialogLanguagesRelabelThePage() {
    QFETCH(int, command);
    QFETCH(QString, name);
    const QString before = body();
    window_->runCommand(command);
    settle();
    QVERIFY(command == menuid::kEnglishDialog || body() != before);
    screenshot(name, window_.get());
  }

  void tableListPreselectsTheCurrentTable() {
    const std::uint32_t table = window_->core()->state().currentTable;
    bool checked = false;
    QTimer::singleShot(500, this, [&] {
      auto* dialog = qobject_cast<CTabList*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      const int row = dialog->selectedRow();
      checked = row >= 0 && dialog->rows()[static_cast<std::size_t>(row)].tableNumber == table;
      screenshot(QStringLiteral("12-table-list"), dialog);
      dialog->reject();
    });
    window_->runCommand(152);
    QVERIFY(checked);
    QCOMPARE(window_->core()->state().currentTable, table);
  }

  void aboutBoxSaysDemo() {
    QString text;
    QTimer::singleShot(500, this, [&] {
      QWidget* about = QApplication::activeModalWidget();
      if (about == nullptr) return;
      if (auto* line = about->findChild<QLabel*>(QStringLiteral("aboutText"))) text = line->text();
      screenshot(QStringLiteral("13-about"), about);
      about->close();
    });
    window_->runCommand(menuid::kAbout);
    QCOMPARE(text, QStringLiteral("Quorix DEMO"));
  }

  void russianRowCommandMovesTheHighlight() {
    ProgramCore& core = *window_->core();
    window_->runCommand(menuid::kRussianInput);
    QVERIFY(QTest::qWaitFor([&] { return !core.state().busy && core.list().rowCount() > 0; }, 10000));
    settle();
    screenshot(QStringLiteral("14-russian-side"), window_.get());
    // A word whose group has at least four verb rows (tab_0 to tab_3) below its head, found in the
    // files: showing each candidate's page would queue a page per entry in the pane.
    int found = -1;
    for (std::uint32_t i = 0; i < core.list().entryCount() && found < 0; ++i) {
      RussianSearchEntry entry;
      if (!russianIndex_->entryAt(core.list().entries().at(i), entry)) continue;
      int rows = 0;
      forEachRowOfGroup(*translations_, entry.key, [&](RecordOffset, const TranslationRecord&, bool isHead) {
        if (!isHead) ++rows;
        return rows < 4;
      });
      if (rows >= 4) found = static_cast<int>(i);
    }
    QVERIFY2(found >= 0, "no Russian group with four rows");
    core.list().scroll(ScrollCode::ThumbPosition, found);
    core.list().scroll(ScrollCode::EndScroll);
    core.list().leftButtonDown(found - core.list().scrollInfo().position);
    settle();
    eval(QStringLiteral("document.getElementById('scrl_id').scrollTop = 30;"));
    const int scrollTop = eval(QStringLiteral("document.getElementById('scrl_id').scrollTop")).toInt();
    eval(QStringLiteral("document.getElementById('tab_3').dispatchEvent(new MouseEvent('mouseup', {bubbles: true}))"));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('tab_3').getAttribute('bgcolor')")).toString(),
                              QStringLiteral("#ffd988"), 5000);
    QCOMPARE(eval(QStringLiteral("document.getElementById('tab_0').getAttribute('bgcolor')")).toString(),
             QStringLiteral("#f7f7f9"));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('scrl_id').scrollTop")).toInt(), scrollTop, 5000);
    screenshot(QStringLiteral("15-russian-row-3"), window_.get());
  }
};

}  // namespace

QTEST_MAIN(QuorixWindowTest)
#include "quorixwindow_test.moc"
