#pragma once
// The list worker: one fill at a time on a thread of its own, bracketed by ProgramState::busy.
//
// A fill, step by step: if the scroll thumb is being dragged it ends at once (busy cleared,
// nothing else touched); otherwise it removes the list's rows, shows the progress bar, sets the
// bar's range to 0 .. recordCount for the Hebrew modes while the input is Hebrew, runs the
// ListFill, commits the entries, hides the bar, starts timer 3757 (entries found) or 3758 (none)
// and, as its very last step, clears busy.
//
// Threads: start and wait are called on the user-interface thread. The worker thread reads the
// readers, the FillRequest it was given and the atomic members of the state, writes the list's
// entry array, and reaches everything else through the host, whose calls wait for the
// user-interface thread. So wait() must not block the thread that serves the host, unless the host
// answers without it (see ListWorkerHost).

#include <thread>

#include "databasereaders.h"
#include "listfill.h"
#include "listmode.h"
#include "listworkerhost.h"
#include "programstate.h"
#include "querycache.h"
#include "virtuallist.h"

namespace quorix {

class ListWorker {
 public:
  // All references must outlive the object.
  ListWorker(ProgramState& state, const DatabaseReaders& readers, VirtualList& list, QueryCache& cache,
             ListWorkerHost& host);
  // Waits for a running fill to end.
  ~ListWorker();
  ListWorker(const ListWorker&) = delete;
  ListWorker& operator=(const ListWorker&) = delete;

  // startListWorker: sets busy and starts the fill on a new thread. False, changing nothing, while
  // a fill runs (busy already set), for a mode above 11, or when no thread can be made.
  bool start(const FillRequest& request);
  // Blocks until the last fill started has ended; at once when none runs.
  void wait();

 private:
  void run(FillRequest request);

  ProgramState& state_;
  const VerbDatabase& verbs_;
  ListFill fill_;
  ListWorkerHost& host_;
  std::thread thread_;
};

}  // namespace quorix
