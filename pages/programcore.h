#pragma once
// The part of the main window that needs no window: the program state, the verb list model and its
// worker, the query cache, the page builder and the page commands, wired together. The window
// (AppState) owns one for the whole run, implements the three host interfaces, feeds it the user's
// commands and draws what it holds.
//
// Start-up, as the window runs it: load the readers, make the cache folder, construct the core,
// startListWorker(0). Closing: let a running fill end while still serving its host
// (waitForListWorker once busy is clear), then destroy the core before the readers.
//
// Threads: every member function is for the user-interface thread. The list worker runs on its
// own thread and reaches the window only through ListWorkerHost.

#include <cstdint>
#include <string>
#include <string_view>

#include "lists/databasereaders.h"
#include "lists/listworker.h"
#include "lists/listworkerhost.h"
#include "lists/programstate.h"
#include "lists/querycache.h"
#include "lists/virtuallist.h"
#include "pagecommands.h"
#include "pagehost.h"
#include "pagerenderer.h"
#include "pagestate.h"
#include "windowhost.h"

namespace quorix {

class ProgramCore : private VirtualListListener {
 public:
  // `cacheFolder` is the "query cache" folder (it need not exist); the core opens the cache there
  // for the readers' files (QueryCache::open). The readers and the hosts must outlive the core.
  ProgramCore(const DatabaseReaders& readers, const std::string& cacheFolder, ListWorkerHost& workerHost,
              WindowHost& window, PageHost& pane);
  // Waits for a running fill (whose host calls must still be answered, see ListWorkerHost).
  ~ProgramCore() override;
  ProgramCore(const ProgramCore&) = delete;
  ProgramCore& operator=(const ProgramCore&) = delete;

  ProgramState& state() { return state_; }
  PageState& page() { return page_; }
  VirtualList& list() { return list_; }

  // startListWorker: a fill of `mode` with the current binyan, table and filter. False while a
  // fill runs.
  bool startListWorker(ListMode mode);
  void waitForListWorker() { worker_.wait(); }

  // A Search or Verbs/Tables command (listcommands.h). False, changing nothing (keep the check
  // marks), while a fill runs or for another id.
  bool runListCommand(int id);
  // The table list dialog's Ok: the picked table becomes the current one and its verbs are listed.
  bool pickTable(std::uint32_t tableNumber);
  // The input-language commands' share of the core: refused while a fill runs; otherwise the list
  // is emptied, the input language set and "All Forms" run for it. The window does the keyboard
  // layout, fonts, focus, the input box and the menus.
  bool setInputLanguage(InputLanguage language);
  // The dialog-language and font commands' share: the page is shown again with the new labels or
  // font, and 5 ms later the saved row link is replayed (timer 3759).
  void setDialogLanguage(UiLanguage language);
  void setPageFont(const std::string& cssClass);

  // The "Verb:" box's text changed (the box's own text, UTF-16). False when the text is the
  // beginning of no entry of the list (the list and the page then stay as they were).
  bool onVerbTextChanged(std::u16string_view text);
  // The verb list's selection changed.
  void showSelectedVerb() override;
  void showVerbPage(ListEntry entry) { renderer_.showVerbPage(entry); }
  // BeforeNavigate of the page pane: true to cancel.
  bool onBeforeNavigate(std::string_view url) { return commands_.onBeforeNavigate(url); }
  // A main-window timer fired: false for an id that is not the core's.
  bool onPageTimer(int id) { return commands_.onPageTimer(id); }

 private:
  void redrawList() override { window_.redrawList(); }
  void forgetSavedRowLink() override { page_.savedRowLink.clear(); }

  ProgramState state_;
  PageState page_;
  DatabaseReaders readers_;
  WindowHost& window_;
  QueryCache cache_;
  VirtualList list_;
  PageRenderer renderer_;
  // Declared after everything the worker uses, so that it is joined before they go.
  ListWorker worker_;
  PageCommands commands_;
};

}  // namespace quorix
