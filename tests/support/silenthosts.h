#pragma once
// The core's three listening interfaces with nothing behind them, for code that drives the lists
// and pages without a window and reads their results directly (the dictionary's checks, the fuzz
// targets, the benchmarks). Every call is dropped; derive and override what is to be kept.

#include <cstdint>
#include <string>

#include "lists/listworkerhost.h"
#include "lists/virtuallist.h"
#include "pages/pagehost.h"

namespace quorix::test {

class SilentHosts : public ListWorkerHost, public PageHost, public VirtualListListener {
 public:
  void removeListRows() override {}
  void commitListEntries(std::uint32_t) override {}
  void setProgressVisible(bool) override {}
  void setProgressRange(std::int32_t, std::int32_t) override {}
  void setProgressPosition(std::int32_t) override {}
  void startTimer(int, int) override {}
  void setPageHtml(const std::string&, PageScroll) override {}
  void navigatePage(const std::string&) override {}
  void runPageScript(const std::string&) override {}
  void redrawList() override {}
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override {}
};

}  // namespace quorix::test
