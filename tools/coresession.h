#pragma once
// The program core as quorix-cli runs it: the databases of --db-dir, a ProgramCore on them with the
// query cache the program would use for that folder (lists/cachefolder.h), and hosts with no window
// behind them. A fill runs on the worker thread as in the program; its calls on the "window" are
// carried out right there, since the terminal's only thread just waits for the fill to end. Pages
// are kept, not shown.

#include <memory>
#include <string>

#include "commandline.h"
#include "databaseset.h"
#include "lists/listworkerhost.h"
#include "pages/pagehost.h"
#include "pages/programcore.h"
#include "pages/windowhost.h"

namespace quorix {

class CoreSession : private ListWorkerHost, private WindowHost, private PageHost {
 public:
  CoreSession() = default;
  ~CoreSession() override;
  CoreSession(const CoreSession&) = delete;
  CoreSession& operator=(const CoreSession&) = delete;

  // Loads the databases of the command line's --db-dir and makes the core. False with `error`
  // naming the file that failed.
  bool open(const CommandLine& line, std::string& error);

  ProgramCore& core() { return *core_; }
  const DatabaseSet& databases() const { return databases_; }
  DatabaseReaders readers() const { return databases_.readers(); }
  // Runs a fill of `mode` with the state as it is set and returns its entry count.
  std::uint32_t fill(ListMode mode);
  // The last page the core showed; empty before the first.
  const std::string& lastPage() const { return lastPage_; }

 private:
  void removeListRows() override { core_->list().removeRows(); }
  void commitListEntries(std::uint32_t count) override { core_->list().commitEntries(count); }
  void setProgressVisible(bool) override {}
  void setProgressRange(std::int32_t, std::int32_t) override {}
  void setProgressPosition(std::int32_t) override {}
  void startTimer(int, int) override {}
  void repaintWindow() override {}
  void redrawList() override {}
  void setStatusLine(const std::string&) override {}
  void runTableListDialog() override {}
  void setPageHtml(const std::string& html, PageScroll) override { lastPage_ = html; }
  void navigatePage(const std::string&) override {}
  void runPageScript(const std::string&) override {}

  DatabaseSet databases_;
  // Made after and released before the readers it reads.
  std::unique_ptr<ProgramCore> core_;
  std::string lastPage_;
};

// The text of a list entry of a side as a person reads it, in UTF-8: the list text of a verb record
// or the word of a Russian or English search entry, without the colour mark's two bytes; empty when
// it does not decode.
std::string readableEntryText(const DatabaseReaders& readers, ListEntry entry, InputLanguage side);

}  // namespace quorix
