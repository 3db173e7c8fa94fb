// The whole window under Xvfb with the real page pane, on a copy of the program folder that the
// build made (the bundled dictionary, the start page and its pictures): the first page, typed
// search, a binyan link, the Russian side with a row command, the dialog languages, the table list,
// the About box, and the English side: its list, a meaning typed, a row command and the menus. Each
// step leaves a screenshot (PNG) in the build folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

#include "db/codepages.h"
#include "db/meaningorder.h"
#include "db/recordwalks.h"
#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "pagescript.h"
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
  std::unique_ptr<TranslationDatabase> englishTranslations_;
  std::unique_ptr<RussianSearchIndex> englishIndex_;
  std::unique_ptr<CQuorixDlg> window_;
  CExplorer1* pane_ = nullptr;

  QVariant eval(const QString& script) { return quorix::test::runPageScript(pane_->view()->page(), script); }

  QString body() { return eval(QStringLiteral("document.body.innerHTML")).toString(); }

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

  void screenshot(const QString& name, QWidget* widget) { screenshot(name, widget->frameGeometry()); }
  void screenshot(const QString& name, const QRect& frame) {
    QTest::qWait(300);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    QVERIFY(shot.save(QStringLiteral(QUORIX_SHOT_DIR "/") + name + QStringLiteral(".png")));
  }

 private slots:
  void initTestCase() {
    // A copy, so that the query cache the window writes stays out of the build's program folder.
    const QString app = QStringLiteral(QUORIX_APP_DIR "/");
    for (const char* file : {"hebrew.db", "russian.db", "rusearch.db", "english.db", "ensearch.db", "welcome.htm"}) {
      QVERIFY2(QFile::copy(app + QLatin1String(file), folder_.filePath(QLatin1String(file))), file);
    }
    verbs_ = std::make_unique<VerbDatabase>(folder_.filePath(QStringLiteral("hebrew.db")).toStdString());
    QVERIFY(verbs_->load());
    translations_ = std::make_unique<TranslationDatabase>(folder_.filePath(QStringLiteral("russian.db")).toStdString());
    QVERIFY(translations_->load());
    russianIndex_ = std::make_unique<RussianSearchIndex>(folder_.filePath(QStringLiteral("rusearch.db")).toStdString());
    QVERIFY(russianIndex_->load());
    englishTranslations_ =
        std::make_unique<TranslationDatabase>(folder_.filePath(QStringLiteral("english.db")).toStdString());
    QVERIFY(englishTranslations_->load());
    englishIndex_ = std::make_unique<RussianSearchIndex>(folder_.filePath(QStringLiteral("ensearch.db")).toStdString());
    QVERIFY(englishIndex_->load());
    QDir().mkpath(folder_.filePath(QStringLiteral("img")));
    for (const QString& file : QDir(app + QStringLiteral("img")).entryList(QDir::Files))
      QFile::copy(app + QStringLiteral("img/") + file, folder_.filePath(QStringLiteral("img/")) + file);

    auto pane = std::make_unique<CExplorer1>();
    pane_ = pane.get();
    CQuorixDlg::Options options;
    options.showSplash = false;
    window_ = std::make_unique<CQuorixDlg>(folder_.path() + QLatin1Char('/'), std::move(pane), nullptr, options);
    QVERIFY(window_->start());
    window_->move(10, 10);
    window_->show();
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
    screenshot(QStringLiteral("01-first-page"), window_.get());
  }

  void typingTheFirstLettersShowsTheVerb() {
    ProgramCore& core = *window_->core();
    // כתב: far down the all-forms list, and its root is in four binyans.
    const QString letters = QStringLiteral("כתב");
    VerbRecord record;
    const QString before = body();
    window_->verbInput()->setFocus();
    // Key by key, as typing does (keyClicks knows only ASCII keys).
    for (const QChar letter : letters)
      QTest::sendKeyEvent(QTest::Click, window_->verbInput(), Qt::Key_unknown, QString(letter), Qt::NoModifier);
    settle();
    const auto selected = core.list().selectedEntry();
    QVERIFY(selected.has_value());
    QVERIFY(verbs_->decode(*selected, record));
    QVERIFY(QString::fromStdString(codePageToUtf8(std::string(record.listText), CodePage::Hebrew1255)).startsWith(letters));
    QCOMPARE(core.state().currentTable, record.tableNumber);
    QVERIFY(body() != before);
    screenshot(QStringLiteral("02-typed-search"), window_.get());
  }

  void aBinyanLinkOpensTheOtherVerb() {
    ProgramCore& core = *window_->core();
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
    screenshot(QStringLiteral("03-binyan-link"), window_.get());
  }

  void dialogLanguagesRelabelThePage_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("name");
    QTest::newRow("Russian") << menuid::kRussianDialog << "04-dialog-russian";
    QTest::newRow("Hebrew") << menuid::kHebrewDialog << "05-dialog-hebrew";
    QTest::newRow("English") << menuid::kEnglishDialog << "06-dialog-english";
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
      screenshot(QStringLiteral("07-table-list"), dialog);
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
      screenshot(QStringLiteral("08-about"), about);
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
    screenshot(QStringLiteral("09-russian-side"), window_.get());
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
    screenshot(QStringLiteral("10-russian-row-3"), window_.get());
  }

  void englishMeaningLeadsToItsVerbs() {
    ProgramCore& core = *window_->core();
    window_->runCommand(menuid::kEnglishInput);
    QVERIFY(QTest::qWaitFor([&] { return !core.state().busy && core.list().rowCount() > 0; }, 10000));
    settle();
    QCOMPARE(core.list().entryCount(), englishIndex_->searchEntryCount());
    screenshot(QStringLiteral("11-english-list"), window_.get());

    // A meaning with at least two verbs well below the first screen of the list, found in the files.
    // Typed in capitals it selects its own row: a meaning that began with it would stand after it.
    std::string meaning;
    std::uint32_t secondVerb = 0;
    RussianSearchEntry entry;
    for (std::uint32_t i = 100; i < englishIndex_->searchEntryCount() && meaning.empty(); ++i) {
      if (!englishIndex_->entryAt(i * 48, entry) || entry.word().size() < 4) continue;
      std::vector<std::uint32_t> verbs;
      forEachRowOfGroup(*englishTranslations_, entry.key, [&](RecordOffset, const TranslationRecord& row, bool isHead) {
        if (!isHead) verbs.push_back(row.verbId);
        return true;
      });
      if (verbs.size() < 2) continue;
      meaning = std::string(entry.word());
      secondVerb = verbs[1];
    }
    QVERIFY2(!meaning.empty(), "no English meaning with two verbs");
    window_->verbInput()->setFocus();
    QTest::keyClicks(window_->verbInput(), QString::fromStdString(meaning).toUpper());
    settle();
    const int row = core.list().selectedRow();
    QVERIFY(row >= 0);
    QCOMPARE(core.list().rowText(row), meaning);
    QVERIFY(body().contains(QStringLiteral("<b><i>%1</i></b>").arg(QString::fromStdString(meaning))));
    screenshot(QStringLiteral("12-english-meaning"), window_.get());

    // Its second verb, clicked, is conjugated below and its row highlighted.
    std::uint32_t table = 0;
    forEachRecordOfVerb(*verbs_, secondVerb, [&](RecordOffset, const VerbRecord& record) {
      table = record.tableNumber;
      return false;
    });
    eval(QStringLiteral("document.getElementById('tab_1').dispatchEvent(new MouseEvent('mouseup', {bubbles: true}))"));
    QTRY_COMPARE_WITH_TIMEOUT(eval(QStringLiteral("document.getElementById('tab_1').getAttribute('bgcolor')")).toString(),
                              QStringLiteral("#ffd988"), 5000);
    QCOMPARE(core.state().currentTable, table);
    settle();
    screenshot(QStringLiteral("13-english-row-1"), window_.get());
  }

  // The menus as an English reader meets them: the English items enabled, the other sides' grayed.
  void englishMenus_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("subMenu");
    QTest::addColumn<QString>("name");
    QTest::newRow("input language") << 0 << 0 << "14-menu-input-language";
    QTest::newRow("search") << 1 << -1 << "15-menu-search";
    QTest::newRow("help") << 3 << -1 << "16-menu-help";
  }
  void englishMenus() {
    QFETCH(int, position);
    QFETCH(int, subMenu);
    QFETCH(QString, name);
    QMenuBar* bar = window_->menuBar();
    QMenu* menu = window_->menu().dropDown(position);
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    if (subMenu >= 0) {
      QMenu* sub = window_->menu().optionsDropDown(subMenu);
      menu->setActiveAction(sub->menuAction());
      QTest::keyClick(menu, Qt::Key_Right);
      QVERIFY(QTest::qWaitForWindowExposed(sub));
    }
    QVERIFY(window_->menu().action(177)->isEnabled());
    QVERIFY(!window_->menu().action(172)->isEnabled() && !window_->menu().action(145)->isEnabled());
    QVERIFY(window_->menu().action(menuid::kEnglishGuide)->isEnabled());
    screenshot(name, window_->frameGeometry().adjusted(0, 0, 200, 0));
    menu->close();
    QTest::qWait(100);
  }
};

}  // namespace

QTEST_MAIN(QuorixWindowTest)
#include "quorixwindow_test.moc"
