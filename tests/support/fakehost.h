#pragma once
// A window stand-in for the core's tests: it implements the three host interfaces and records what
// the core asks. The list worker's calls are queued and carried out on the test's own thread, which
// plays the user-interface thread, when the test serves them, so every interleaving a test sees is
// one it chose.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "lists/listworkerhost.h"
#include "lists/programstate.h"
#include "lists/virtuallist.h"
#include "pages/pagehost.h"
#include "pages/windowhost.h"

namespace quorix::test {

class FakeHost : public ListWorkerHost, public WindowHost, public PageHost {
 public:
  // The list model the worker's row calls are carried out on; set before the first fill.
  void attach(VirtualList& list) { list_ = &list; }

  // Carries out the worker's calls on this thread until the running fill has ended (busy clear
  // and nothing left to carry out). `between` runs before each call, on this thread.
  void serveUntilIdle(const ProgramState& state, const std::function<void()>& between = {});
  // Carries out exactly one call of the worker, waiting for it; false if the fill ended first.
  bool serveOne(const ProgramState& state);

  // --- ListWorkerHost (worker thread; each call waits until served) ---
  void removeListRows() override;
  void commitListEntries(std::uint32_t count) override;
  void setProgressVisible(bool visible) override;
  void setProgressRange(std::int32_t minimum, std::int32_t maximum) override;
  void setProgressPosition(std::int32_t position) override;
  void startTimer(int id, int delayMs) override;

  // --- WindowHost ---
  void repaintWindow() override { ++repaints; }
  void redrawList() override { ++listRedraws; }
  void setStatusLine(const std::string& text) override { statusLines.push_back(text); }
  void runTableListDialog() override;

  // --- PageHost ---
  void setPageHtml(const std::string& html, PageScroll scroll) override {
    pages.push_back(html);
    pageScrolls.push_back(scroll);
  }
  void navigatePage(const std::string& url) override { navigations.push_back(url); }
  void runPageScript(const std::string& script) override { scripts.push_back(script); }

  // What the worker did, in order: "rows removed", "progress shown", "range 0..9", "position 3",
  // "commit 4", "progress hidden", "timer 3757 100".
  std::vector<std::string> workerLog;
  // Every timer started (worker's and window's), in order, as (id, delay).
  std::vector<std::pair<int, int>> timers;
  std::vector<std::string> pages;
  std::vector<PageScroll> pageScrolls;  // one per page
  std::vector<std::string> navigations;
  std::vector<std::string> scripts;
  std::vector<std::string> statusLines;
  int repaints = 0;
  int listRedraws = 0;
  int tableDialogRuns = 0;
  // Run inside runTableListDialog: the dialog's Ok or Close.
  std::function<void()> tableDialog;

  const std::string& lastPage() const;
  // The worker log without its "position" lines.
  std::vector<std::string> workerSteps() const;

 private:
  // Queues a call from the worker and waits until the test's thread has carried it out.
  void call(std::string entry, std::function<void()> action);

  VirtualList* list_ = nullptr;
  // The thread that made the host plays the user-interface thread.
  std::thread::id userInterfaceThread_ = std::this_thread::get_id();
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> queue_;
  std::uint64_t queued_ = 0;
  std::uint64_t served_ = 0;
};

}  // namespace quorix::test
