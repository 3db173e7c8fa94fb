#pragma once
// The main window: the page pane on the left; the "Verb:" box, the verb list, the progress bar on
// the right; the status line below; the menu bar above. Drawn in dialog units of its Arial 9 font
// (455 x 286) and resizable: the page pane takes what the window gains, the verb list the height.
// It starts at the drawn size, or smaller when that does not fit the screen.
//
// It owns the three database readers and the program core for the whole run and is the core's
// window: it carries out the list worker's calls (ListWorkerHost), the core's window requests
// (WindowHost) and its page requests (PageHost, passed to the pane).
//
// Lifetime: construct, then start() runs the start-up sequence. start() is false when a database
// file cannot be opened: the message has been shown and the window closed; the program then ends
// with -1. Closing (the close box, Alt+F4, Exit) first lets a running fill end while its calls are
// still served, then releases the core and the readers, so nothing the worker uses is freed under it.
//
// Threads: everything on the user-interface thread, except the ListWorkerHost calls, which come
// from the worker's thread and wait until the user-interface thread has carried them out.

#include <QIcon>
#include <QMainWindow>
#include <QString>
#include <atomic>
#include <map>
#include <memory>

#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"
#include "keyboardlayouts.h"
#include "lists/listworkerhost.h"
#include "pages/pagehost.h"
#include "pages/programcore.h"
#include "pages/windowhost.h"

class QLabel;
class QProgressBar;
class QTimer;

namespace quorix {

class AnchoredLayout;
class CMyEdit;
class CODListBox;
class MainMenu;
class PagePane;
class UserLayoutKeeper;

class CQuorixDlg : public QMainWindow, public ListWorkerHost, public WindowHost, public PageHost {
  Q_OBJECT

 public:
  struct Options {
    bool showSplash = true;
    // The cache folder; empty: the one of the program folder (lists/cachefolder.h), beside the
    // program or, for an installed copy, in the user's cache folder.
    QString cacheFolder;
  };

  // `programFolder` ends in '/' (or is empty: the current folder). `layouts` may be null (no
  // keyboard layout coupling).
  CQuorixDlg(QString programFolder, std::unique_ptr<PagePane> pane, std::unique_ptr<KeyboardLayouts> layouts,
             Options options);
  ~CQuorixDlg() override;

  bool start();

  // For tests and the program's own wiring.
  ProgramCore* core() const { return core_.get(); }
  MainMenu& menu() const { return *menu_; }
  PagePane& pane() const { return *pane_; }
  CMyEdit* verbInput() const { return verbInput_; }
  CODListBox* verbList() const { return verbList_; }
  QLabel* statusLine() const { return status_; }
  QProgressBar* progressBar() const { return progress_; }
  const QString& cacheFolder() const { return cacheFolder_; }
  bool databasesOpen() const { return core_ != nullptr; }
  // Which readers were constructed (a failed one is kept until closing): for the start-up tests.
  bool verbDatabaseTouched() const { return verbs_ != nullptr; }
  bool translationDatabaseTouched() const { return translations_ != nullptr; }
  bool russianIndexTouched() const { return russianIndex_ != nullptr; }
  // Runs a menu command as its menu item would.
  void runCommand(int id);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // The hosts are public bases so that the core can be given this window; their functions are
  // the core's to call, not the window's users'.
  // ListWorkerHost (worker thread).
  void removeListRows() override;
  void commitListEntries(std::uint32_t count) override;
  void setProgressVisible(bool visible) override;
  void setProgressRange(std::int32_t minimum, std::int32_t maximum) override;
  void setProgressPosition(std::int32_t position) override;
  // WindowHost and ListWorkerHost.
  void startTimer(int id, int delayMs) override;
  // WindowHost.
  void repaintWindow() override;
  void redrawList() override;
  void setStatusLine(const std::string& text) override;
  void runTableListDialog() override;
  // PageHost.
  void setPageHtml(const std::string& html, PageScroll scroll) override;
  void navigatePage(const std::string& url) override;
  void runPageScript(const std::string& script) override;

  // Runs `work` on the user-interface thread and waits for it; at once (doing nothing) while closing.
  template <typename Work>
  void onUiThread(Work work);

  // Where the keyboard focus goes when the input language changes: to the list after an Input
  // Language command; where it was after a keyboard layout switch.
  enum class FocusAfterSwitch { ToList, Stays };

  QSize startSize() const;
  bool openDatabases();
  void createListControls();
  void keepLayoutFor(Qt::ApplicationState state);
  void setInputLanguage(InputLanguage language);
  bool switchInputLanguage(InputLanguage language, FocusAfterSwitch focus);
  void setPageFont(int id);
  void setDialogLanguage(UiLanguage language);
  void toggleLeftAlignedList();
  void closeMainWindow();
  void information(const QString& text, const QString& caption);

  QString programFolder_;
  Options options_;
  QIcon icon_;
  std::unique_ptr<VerbDatabase> verbs_;
  std::unique_ptr<TranslationDatabase> translations_;
  std::unique_ptr<RussianSearchIndex> russianIndex_;
  std::unique_ptr<ProgramCore> core_;
  std::unique_ptr<KeyboardLayouts> layouts_;
  // Made by start-up when there are layouts; released on closing (which gives the user's layout
  // back), before the layouts.
  std::unique_ptr<UserLayoutKeeper> keeper_;
  QString cacheFolder_;
  std::uint16_t systemLanguageId_ = 0;
  QFont hebrewFont_;
  QFont russianFont_;
  std::map<int, std::unique_ptr<QTimer>> timers_;
  std::atomic<bool> closing_{false};
  bool closed_ = false;

  // Widgets: children of the window's central widget (owned through it).
  AnchoredLayout* layout_;  // the central widget's layout
  PagePane* pane_;
  MainMenu* menu_;
  QWidget* column_;
  QLabel* status_;
  QProgressBar* progress_;
  CMyEdit* verbInput_ = nullptr;
  CODListBox* verbList_ = nullptr;
};

}  // namespace quorix
