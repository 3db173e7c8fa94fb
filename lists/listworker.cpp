#include "listworker.h"

#include <system_error>

#include "timerids.h"

namespace quorix {

ListWorker::ListWorker(ProgramState& state, const DatabaseReaders& readers, VirtualList& list,
                       QueryCache& cache, ListWorkerHost& host)
    : state_(state), verbs_(readers.verbs), fill_(readers, list, cache, host), host_(host) {}

ListWorker::~ListWorker() { wait(); }

bool ListWorker::start(const FillRequest& request) {
  if (request.mode > listmode::kLast) return false;
  bool idle = false;
  if (!state_.busy.compare_exchange_strong(idle, true)) return false;
  // The previous worker cleared busy as its last step, so it is ending or has ended.
  wait();
  try {
    thread_ = std::thread(&ListWorker::run, this, request);
  } catch (const std::system_error&) {
    state_.busy = false;
    return false;
  }
  return true;
}

void ListWorker::wait() {
  if (thread_.joinable()) thread_.join();
}

void ListWorker::run(FillRequest request) {
  if (state_.thumbTracking) {
    state_.busy = false;
    return;
  }
  state_.busy = true;
  host_.removeListRows();
  host_.setProgressVisible(true);
  if (!isSearchIndexMode(request.mode) && state_.inputLanguage == inputlanguage::kHebrew) {
    host_.setProgressRange(0, static_cast<std::int32_t>(verbs_.recordCount()));
  }
  const std::uint32_t count = fill_.run(request);
  host_.commitListEntries(count);
  host_.setProgressVisible(false);
  host_.startTimer(count != 0 ? timer::kFillEndedWithEntries : timer::kFillEndedEmpty, timer::kFillEndDelayMs);
  state_.busy = false;
}

}  // namespace quorix
