#pragma once
// What the list worker asks of the window while it fills the verb list. Every call is made on the
// worker's thread and returns only after the user-interface side has carried it out (the window
// queues it to its event loop and waits), so that the worker's steps reach the screen in order.
//
// A window that is closing may answer every call at once without doing anything: the worker then
// runs its fill to the end quickly and the window can join it (ListWorker::wait).

#include <cstdint>

namespace quorix {

class ListWorkerHost {
 public:
  virtual ~ListWorkerHost() = default;

  // Run VirtualList::removeRows() on the user-interface thread.
  virtual void removeListRows() = 0;
  // Run VirtualList::commitEntries(count) on the user-interface thread.
  virtual void commitListEntries(std::uint32_t count) = 0;
  // The progress bar (control 1010): shown for the fill, hidden at its end.
  virtual void setProgressVisible(bool visible) = 0;
  // Range of the bar. `maximum` is below `minimum` (-1) for an empty source.
  virtual void setProgressRange(std::int32_t minimum, std::int32_t maximum) = 0;
  // Position of the bar. A scan reports its position each time it moves on by a 512th of its
  // source, and always the index of its last item; a fill from the cache reports the end once.
  virtual void setProgressPosition(std::int32_t position) = 0;
  // Start the main window's one-shot timer `id` (timerids.h: kFillEndedWithEntries or
  // kFillEndedEmpty) with `delayMs`; the fill's last call before it clears `busy`.
  virtual void startTimer(int id, int delayMs) = 0;
};

}  // namespace quorix
