#include "fakehost.h"

#include <chrono>
#include <stdexcept>

#include "lists/timerids.h"

namespace quorix::test {

void FakeHost::call(std::string entry, std::function<void()> action) {
  // A fill run straight on the test's thread (no worker) is served at once.
  if (std::this_thread::get_id() == userInterfaceThread_) {
    workerLog.push_back(std::move(entry));
    if (action) action();
    return;
  }
  std::unique_lock lock(mutex_);
  const std::uint64_t ticket = ++queued_;
  queue_.push_back([this, entry = std::move(entry), action = std::move(action)] {
    workerLog.push_back(entry);
    if (action) action();
  });
  changed_.notify_all();
  changed_.wait(lock, [&] { return served_ >= ticket; });
}

bool FakeHost::serveOne(const ProgramState& state) {
  std::function<void()> next;
  {
    std::unique_lock lock(mutex_);
    // busy is not signalled through the condition variable, so look at it every millisecond.
    while (queue_.empty()) {
      if (!state.busy) return false;
      changed_.wait_for(lock, std::chrono::milliseconds(1));
    }
    next = std::move(queue_.front());
    queue_.pop_front();
  }
  next();
  {
    std::lock_guard lock(mutex_);
    ++served_;
  }
  changed_.notify_all();
  return true;
}

void FakeHost::serveUntilIdle(const ProgramState& state, const std::function<void()>& between) {
  for (;;) {
    if (between) between();
    if (!serveOne(state)) return;
  }
}

void FakeHost::removeListRows() {
  call("rows removed", [this] { list_->removeRows(); });
}

void FakeHost::commitListEntries(std::uint32_t count) {
  call("commit " + std::to_string(count), [this, count] { list_->commitEntries(count); });
}

void FakeHost::setProgressVisible(bool visible) { call(visible ? "progress shown" : "progress hidden", {}); }

void FakeHost::setProgressRange(std::int32_t minimum, std::int32_t maximum) {
  call("range " + std::to_string(minimum) + ".." + std::to_string(maximum), {});
}

void FakeHost::setProgressPosition(std::int32_t position) { call("position " + std::to_string(position), {}); }

void FakeHost::startTimer(int id, int delayMs) {
  // The worker's timers come through the queue and its log; the window's go straight to the list.
  if (std::this_thread::get_id() == userInterfaceThread_ && id != timer::kFillEndedWithEntries && id != timer::kFillEndedEmpty) {
    timers.emplace_back(id, delayMs);
    return;
  }
  call("timer " + std::to_string(id) + " " + std::to_string(delayMs),
       [this, id, delayMs] { timers.emplace_back(id, delayMs); });
}

void FakeHost::runTableListDialog() {
  ++tableDialogRuns;
  if (tableDialog) tableDialog();
}

const std::string& FakeHost::lastPage() const {
  if (pages.empty()) throw std::logic_error("no page was shown");
  return pages.back();
}

std::vector<std::string> FakeHost::workerSteps() const {
  std::vector<std::string> steps;
  for (const std::string& e : workerLog) {
    if (e.rfind("position ", 0) != 0) steps.push_back(e);
  }
  return steps;
}

}  // namespace quorix::test
