#include "cquorixdlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "anchoredlayout.h"
#include "caboutdlg.h"
#include "cmyedit.h"
#include "codlistbox.h"
#include "csplash.h"
#include "ctablist.h"
#include "dialogunits.h"
#include "lists/cachefolder.h"
#include "lists/listcommands.h"
#include "mainmenu.h"
#include "pagepane.h"
#include "userlayoutkeeper.h"

namespace quorix {

namespace {

constexpr auto kSearchGroup = {146, 145, 141, 147, 148, 172};
constexpr auto kVerbsTablesGroup = {149, 150, 59397, 152, 164};
constexpr auto kFontGroup = {137, 138, 139, 140};
constexpr auto kInputGroup = {134, 174};

bool inGroup(int id, std::initializer_list<int> group) { return std::find(group.begin(), group.end(), id) != group.end(); }

QPixmap picture(const QString& folder, const char* name) { return QPixmap(folder + QString::fromLatin1(name)); }

// The client area as the window was drawn, and the smallest it may become: the page pane keeps
// some 280 by 340 pixels and the verb list fourteen rows.
constexpr int kBaseWidthDu = 455;
constexpr int kBaseHeightDu = 286;
constexpr int kMinimumWidthDu = 360;
constexpr int kMinimumHeightDu = 200;
// Room for a window manager's title bar and border, which are not known before the window has been
// framed: a window that does not fit its screen starts this much smaller than the available area.
constexpr QSize kFrameAllowance(16, 40);

}  // namespace

CQuorixDlg::CQuorixDlg(QString programFolder, std::unique_ptr<PagePane> pane, std::unique_ptr<KeyboardLayouts> layouts,
                       Options options)
    : programFolder_(std::move(programFolder)), options_(std::move(options)), layouts_(std::move(layouts)) {
  for (const char* size : {"16", "24", "32", "48"})
    icon_.addFile(programFolder_ + QStringLiteral("img/icon%1.png").arg(QLatin1String(size)));
  setWindowIcon(icon_);

  const DialogUnits du = DialogUnits::arial9();
  auto* central = new QWidget(this);
  // The page pane takes any width and height beyond the drawn size; the right-hand column keeps its
  // width and follows the right edge, its verb list taking the height; the status line and the
  // progress bar stay at the bottom.
  layout_ = new AnchoredLayout(du.size(kBaseWidthDu, kBaseHeightDu), du.size(kMinimumWidthDu, kMinimumHeightDu), central);
  setCentralWidget(central);
  menu_ = new MainMenu(menuBar());
  connect(menu_, &MainMenu::command, this, &CQuorixDlg::runCommand);

  pane_ = pane.release();
  layout_->addAnchored(pane_, du.rect(4, 9, 317, 267), AnchoredLayout::StretchWidth | AnchoredLayout::StretchHeight);
  pane_->setNavigationHandler([this](const std::string& url) { return core_ && core_->onBeforeNavigate(url); });

  column_ = new QLabel(central);
  layout_->addAnchored(column_, du.rect(324, 9, 129, 267), AnchoredLayout::MoveRight | AnchoredLayout::StretchHeight);
  static_cast<QLabel*>(column_)->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  column_->setAutoFillBackground(true);
  QPalette white = column_->palette();
  white.setColor(QPalette::Window, Qt::white);
  column_->setPalette(white);

  // The two labels are pictures; their text stands in when the picture is missing.
  auto* verbLabel = new QLabel(central);
  auto* listLabel = new QLabel(central);
  const QPixmap verbPicture = picture(programFolder_, "img/label_verb.png");
  const QPixmap listPicture = picture(programFolder_, "img/label_list.png");
  if (verbPicture.isNull()) verbLabel->setText(QStringLiteral("Verb:")); else verbLabel->setPixmap(verbPicture);
  if (listPicture.isNull()) listLabel->setText(QStringLiteral("Verb List:")); else listLabel->setPixmap(listPicture);
  layout_->addAnchored(verbLabel, QRect(QPoint(du.x(326), du.y(12)), verbLabel->sizeHint()), AnchoredLayout::MoveRight);
  layout_->addAnchored(listLabel, QRect(QPoint(du.x(326), du.y(40)), listLabel->sizeHint()), AnchoredLayout::MoveRight);

  progress_ = new QProgressBar(central);
  layout_->addAnchored(progress_, du.rect(327, 279, 124, 6), AnchoredLayout::MoveRight | AnchoredLayout::MoveDown);
  progress_->setTextVisible(false);
  status_ = new QLabel(central);
  layout_->addAnchored(status_, du.rect(4, 277, 288, 8).adjusted(0, -2, 0, 2),
                       AnchoredLayout::StretchWidth | AnchoredLayout::MoveDown);

  hebrewFont_ = QFont(QStringLiteral("Arial"));
  // A cell height of 18 pixels is an em of about 16 pixels for Arial.
  hebrewFont_.setPixelSize(16);
  russianFont_ = hebrewFont_;
  resize(startSize());
}

QSize CQuorixDlg::startSize() const {
  const QSize drawn = sizeHint();
  const QScreen* where = screen();
  if (where == nullptr) return drawn;
  const QSize room = where->availableSize() - kFrameAllowance;
  if (drawn.width() <= room.width() && drawn.height() <= room.height()) return drawn;
  return drawn.boundedTo(room).expandedTo(minimumSizeHint());
}

CQuorixDlg::~CQuorixDlg() { closeMainWindow(); }

bool CQuorixDlg::start() {
  std::unique_ptr<CSplash> splash;
  if (options_.showSplash) {
    splash = std::make_unique<CSplash>(programFolder_);
    splash->showForStartUp();
  }
  pane_->loadStartPage(QUrl::fromLocalFile(QFileInfo(programFolder_ + QStringLiteral("welcome.htm")).absoluteFilePath()));
  if (!openDatabases()) {
    splash.reset();
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(),
                    QStringLiteral("Unable to open one of program database files!"), QMessageBox::Ok, this);
    box.exec();
    closeMainWindow();
    return false;
  }
  cacheFolder_ = options_.cacheFolder;
  if (cacheFolder_.isEmpty()) cacheFolder_ = QString::fromStdString(queryCacheFolder(programFolder_.toStdString()));
  QDir().mkpath(cacheFolder_);
  const DatabaseReaders readers{*verbs_, *translations_, *russianIndex_};
  core_ = std::make_unique<ProgramCore>(readers, cacheFolder_.toStdString(), *this, *this, *this);
  createListControls();
  core_->startListWorker(listmode::kAllForms);

  // The Hebrew layout is applied whenever the program is in front, now if it is already; and it is
  // the program's only while it is.
  verbInput_->setActiveLayout(kHebrewLayout);
  if (layouts_) {
    keeper_ = std::make_unique<UserLayoutKeeper>(*layouts_, [this](bool coupled) { verbInput_->setLayoutCoupled(coupled); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { keepLayoutFor(state); });
    keepLayoutFor(QGuiApplication::applicationState());
  }
  // Typing goes to the box from the start.
  verbInput_->setFocus();
  systemLanguageId_ = systemLanguageIdOf(QLocale::system().name());
  menu_->applyMenuLanguage(uilanguage::kEnglish, core_->state().inputLanguage, systemLanguageId_);
  core_->state().dialogLanguage = uilanguage::kEnglish;
  if (splash) splash->hide();
  setStatusLine(statusLineText(core_->state()));
  setWindowTitle(QStringLiteral("Quorix DEMO"));
  return true;
}

bool CQuorixDlg::openDatabases() {
  // Each file is opened and loaded before the next is touched, so a missing first file leaves
  // the other two unopened.
  verbs_ = std::make_unique<VerbDatabase>((programFolder_ + QStringLiteral("hebrew.db")).toStdString());
  if (!verbs_->load()) return false;
  translations_ = std::make_unique<TranslationDatabase>((programFolder_ + QStringLiteral("russian.db")).toStdString());
  if (!translations_->load()) return false;
  russianIndex_ = std::make_unique<RussianSearchIndex>((programFolder_ + QStringLiteral("rusearch.db")).toStdString());
  return russianIndex_->load();
}

void CQuorixDlg::keepLayoutFor(Qt::ApplicationState state) {
  if (keeper_) keeper_->setProgramInFront(state == Qt::ApplicationActive);
}

void CQuorixDlg::createListControls() {
  const DialogUnits du = DialogUnits::arial9();
  QWidget* central = centralWidget();
  VirtualList& list = core_->list();
  verbInput_ = new CMyEdit(
      core_->state(), layouts_.get(),
      // A layout switch made while typing leaves the focus where it is, so typing goes on.
      [this](InputLanguage language) { return switchInputLanguage(language, FocusAfterSwitch::Stays); },
      [this](std::u16string_view text) { return core_->onVerbTextChanged(text); }, central);
  layout_->addAnchored(verbInput_, du.rect(326, 20, 124, 14), AnchoredLayout::MoveRight);
  verbInput_->setFonts(hebrewFont_, russianFont_);
  verbList_ = new CODListBox(list, core_->state(), [&list](int row) { return list.rowText(row); }, central);
  layout_->addAnchored(verbList_, du.rect(326, 48, 124, 225), AnchoredLayout::MoveRight | AnchoredLayout::StretchHeight);
  verbList_->setFont(hebrewFont_);
  setTabOrder(pane_, verbInput_);
  setTabOrder(verbInput_, verbList_);
  verbInput_->show();
  verbList_->show();
}

template <typename Work>
void CQuorixDlg::onUiThread(Work work) {
  if (closing_) return;
  if (QThread::currentThread() == thread()) {
    work();
    return;
  }
  QMetaObject::invokeMethod(
      this, [this, &work] { if (!closed_) work(); }, Qt::BlockingQueuedConnection);
}

void CQuorixDlg::removeListRows() { onUiThread([this] { core_->list().removeRows(); }); }

void CQuorixDlg::commitListEntries(std::uint32_t count) {
  onUiThread([this, count] {
    core_->list().setClientHeight(verbList_->clientHeight());
    core_->list().commitEntries(count);
  });
}

void CQuorixDlg::setProgressVisible(bool visible) { onUiThread([this, visible] { progress_->setVisible(visible); }); }

void CQuorixDlg::setProgressRange(std::int32_t minimum, std::int32_t maximum) {
  // An empty source (maximum below minimum) shows an empty bar rather than a busy indicator.
  onUiThread([this, minimum, maximum] { progress_->setRange(minimum, std::max(minimum + 1, maximum)); });
}

void CQuorixDlg::setProgressPosition(std::int32_t position) {
  onUiThread([this, position] { progress_->setValue(position); });
}

void CQuorixDlg::startTimer(int id, int delayMs) {
  onUiThread([this, id, delayMs] {
    auto& timer = timers_[id];
    if (!timer) {
      timer = std::make_unique<QTimer>();
      timer->setSingleShot(true);
      connect(timer.get(), &QTimer::timeout, this, [this, id] {
        timers_[id]->stop();
        if (core_ && !closing_) core_->onPageTimer(id);
      });
    }
    timer->start(delayMs);
  });
}

void CQuorixDlg::repaintWindow() { repaint(); }

void CQuorixDlg::redrawList() {
  if (verbList_ != nullptr) verbList_->refresh();
}

void CQuorixDlg::setStatusLine(const std::string& text) { status_->setText(QString::fromStdString(text)); }

void CQuorixDlg::runTableListDialog() {
  const DatabaseReaders readers{*verbs_, *translations_, *russianIndex_};
  CTabList dialog(*core_, readers, hebrewFont_, verbList_, this);
  dialog.exec();
  // The dialog leaves the list right-aligned; the menu's mark says what the user chose.
  core_->state().leftAlignedList = menu_->mark(menuid::kLeftAlignedList);
  verbList_->refresh();
}

void CQuorixDlg::setPageHtml(const std::string& html, PageScroll scroll) { pane_->setPageHtml(html, scroll); }
void CQuorixDlg::navigatePage(const std::string& url) { pane_->navigateTo(url); }
void CQuorixDlg::runPageScript(const std::string& script) { pane_->runScript(script); }

void CQuorixDlg::runCommand(int id) {
  if (!core_) return;
  if (inGroup(id, kSearchGroup) || inGroup(id, kVerbsTablesGroup)) {
    if (core_->runListCommand(id)) menu_->markOnly(id, inGroup(id, kSearchGroup) ? kSearchGroup : kVerbsTablesGroup);
    return;
  }
  switch (id) {
    case menuid::kHebrewInput: setInputLanguage(inputlanguage::kHebrew); return;
    case menuid::kRussianInput: setInputLanguage(inputlanguage::kRussian); return;
    case menuid::kFontArial:
    case menuid::kFontTimes:
    case menuid::kFontDavid:
    case menuid::kFontMiriam: setPageFont(id); return;
    case menuid::kEnglishDialog: setDialogLanguage(uilanguage::kEnglish); return;
    case menuid::kRussianDialog: setDialogLanguage(uilanguage::kRussian); return;
    case menuid::kHebrewDialog: setDialogLanguage(uilanguage::kHebrew); return;
    case menuid::kLeftAlignedList: toggleLeftAlignedList(); return;
    case menuid::kExit: close(); return;
    case menuid::kEnglishGuide:
      information(QStringLiteral("Sorry, ENGLISH help documentation is not available yet"), QStringLiteral("Information"));
      return;
    case menuid::kHebrewGuide:
      information(QStringLiteral("Sorry, HEBREW help documentation is not available yet"), QStringLiteral("Information"));
      return;
    case menuid::kCheckForUpdates: {
      QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QStringLiteral("Not implemented yet"),
                      QMessageBox::Ok, this);
      box.exec();
      return;
    }
    case menuid::kRussianGuide:
      QDesktopServices::openUrl(
          QUrl::fromLocalFile(QFileInfo(programFolder_ + QStringLiteral("index.htm")).absoluteFilePath()));
      return;
    case menuid::kAbout: {
      CAboutDlg about(icon_, this);
      about.exec();
      return;
    }
    default: return;
  }
}

void CQuorixDlg::information(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, this);
  box.exec();
}

void CQuorixDlg::setInputLanguage(InputLanguage language) { switchInputLanguage(language, FocusAfterSwitch::ToList); }

bool CQuorixDlg::switchInputLanguage(InputLanguage language, FocusAfterSwitch focus) {
  if (!core_->setInputLanguage(language)) return false;
  const bool hebrew = language == inputlanguage::kHebrew;
  verbInput_->setActiveLayout(hebrew ? kHebrewLayout : kRussianLayout);
  menu_->markOnly(hebrew ? menuid::kHebrewInput : menuid::kRussianInput, kInputGroup);
  verbList_->setFont(hebrew ? hebrewFont_ : russianFont_);
  if (focus == FocusAfterSwitch::ToList) verbList_->setFocus();
  // Emptying the box is no typed search: the new list is being filled.
  verbInput_->clearWithoutSearch();
  verbInput_->applyInputLanguageStyle(language);
  menu_->markOnly(command::kAllForms, kSearchGroup);
  menu_->applyMenuLanguage(core_->state().dialogLanguage, language, systemLanguageId_);
  return true;
}

void CQuorixDlg::setPageFont(int id) {
  static constexpr const char* kClasses[] = {"ar", "tm", "dv", "mr"};
  menu_->markOnly(id, kFontGroup);
  core_->setPageFont(kClasses[id - menuid::kFontArial]);
}

void CQuorixDlg::setDialogLanguage(UiLanguage language) {
  menu_->applyMenuLanguage(language, core_->state().inputLanguage, systemLanguageId_);
  core_->setDialogLanguage(language);
}

void CQuorixDlg::toggleLeftAlignedList() {
  const bool on = !menu_->mark(menuid::kLeftAlignedList);
  menu_->setMark(menuid::kLeftAlignedList, on);
  core_->state().leftAlignedList = on;
  verbList_->refresh();
}

void CQuorixDlg::closeEvent(QCloseEvent* event) {
  closeMainWindow();
  event->accept();
}

void CQuorixDlg::closeMainWindow() {
  if (closed_) return;
  if (core_) {
    // Let a running fill end: its calls are answered at once from now on, and the loop below
    // serves any call it had already posted before it saw that.
    closing_ = true;
    while (core_->state().busy) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    core_->waitForListWorker();
    core_->list().removeRows();
  }
  // The user's keyboard layout comes back as the program ends.
  keeper_.reset();
  closed_ = true;
  for (auto& entry : timers_) entry.second->stop();
  core_.reset();
  russianIndex_.reset();
  translations_.reset();
  verbs_.reset();
}

}  // namespace quorix
