#include "lists/listworker.h"

#include <gtest/gtest.h>

#include "lists/typedsearch.h"
#include "support/fakehost.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

class NoListener : public VirtualListListener {
 public:
  void redrawList() override {}
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override {}
};

std::vector<VerbRecordSource> verbs() {
  std::vector<VerbRecordSource> records;
  for (std::uint32_t v = 1; v <= 300; ++v) {
    const std::string text = "v" + std::to_string(v);
    const std::uint32_t table = 10000 * (1 + v % 7) + 1;
    records.push_back({0, v, 0, table, text, text, ""});
    records.push_back({0, v, 4, table, text + "p", text + "p", ""});
    records.push_back({0, v, 99, table, "r", "r" + std::to_string(v % 40), ""});
  }
  return records;
}

class Worker : public ::testing::Test {
 protected:
  Worker() {
    host.attach(list);
    list.setClientHeight(10 * VirtualList::kRowHeight);
  }
  void fillAndServe(ListMode mode) {
    ASSERT_TRUE(worker.start({mode, 1, 0, formfilter::kAll}));
    host.serveUntilIdle(state);
    worker.wait();
  }

  test::LoadedDatabases dbs{verbs(), {}, {{1001, 4, 0, "\xE0"}, {1002, 4, 0, "\xE1"}, {2001, 4, 0, "\xE2"}}};
  QueryCache cache = dbs.openedCache();
  ProgramState state;
  NoListener listener;
  VirtualList list{state, dbs.readers(), listener};
  test::FakeHost host;
  ListWorker worker{state, dbs.readers(), list, cache, host};
};

TEST_F(Worker, AFillRunsItsStepsInOrderAndEndsWithTheTimer) {
  fillAndServe(listmode::kPast);
  EXPECT_EQ(host.workerSteps(), (std::vector<std::string>{"rows removed", "progress shown", "range 0..900",
                                                          "commit 300", "progress hidden", "timer 3757 100"}));
  EXPECT_FALSE(state.busy);
  EXPECT_EQ(list.entryCount(), 300u);
  EXPECT_EQ(list.rowCount(), 10);

  host.workerLog.clear();
  fillAndServe(listmode::kPresent);
  EXPECT_EQ(host.workerSteps(), (std::vector<std::string>{"rows removed", "progress shown", "range 0..900",
                                                          "commit 0", "progress hidden", "timer 3758 100"}));
  EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(Worker, RussianInputSetsNoRangeForHebrewModes) {
  state.inputLanguage = inputlanguage::kRussian;
  fillAndServe(listmode::kInfinitives);
  EXPECT_EQ(host.workerSteps()[2], "commit 300");
}

TEST_F(Worker, OnlyOneFillAtATime) {
  ASSERT_TRUE(worker.start({listmode::kAllForms, 0, 0, formfilter::kAll}));
  EXPECT_TRUE(state.busy);
  EXPECT_FALSE(worker.start({listmode::kRoots, 0, 0, formfilter::kAll}));
  host.serveUntilIdle(state);
  worker.wait();
  EXPECT_EQ(list.entryCount(), 600u) << "the first fill's list, all forms";
  EXPECT_FALSE(worker.start({12, 0, 0, formfilter::kAll})) << "no such mode";
  EXPECT_FALSE(state.busy);
}

TEST_F(Worker, AFillStartedWhileTheThumbIsDraggedEndsAtOnce) {
  list.addEntry(7, 0);
  list.commitEntries(1);
  state.thumbTracking = true;
  ASSERT_TRUE(worker.start({listmode::kAllForms, 0, 0, formfilter::kAll}));
  worker.wait();
  EXPECT_FALSE(state.busy);
  EXPECT_TRUE(host.workerLog.empty());
  EXPECT_EQ(list.entryCount(), 1u) << "nothing else is touched";
}

// Fills back to back on the worker thread while this thread, as the user-interface thread, types
// into the box, searches and draws rows between the worker's calls. Run under ThreadSanitizer this
// shows that the worker and the user-interface side share nothing but atomics and the host's queue.
TEST_F(Worker, FillsBackToBackWhileTyping) {
  const ListMode modes[] = {0, 1, 3, 4, 5, 6, 7, 9, 10, 0, 1, 4};
  int typed = 0;
  // The next fill starts as soon as busy is clear, while the last worker thread may still be ending.
  for (int round = 0; round < 3; ++round) {
    for (ListMode mode : modes) {
      state.inputLanguage = isRussianMode(mode) ? inputlanguage::kRussian : inputlanguage::kHebrew;
      ASSERT_TRUE(worker.start({mode, static_cast<std::uint8_t>(1 + round), 0, formfilter::kAll}));
      host.serveUntilIdle(state, [&] {
        runTypedSearch(list, ++typed % 2 ? u"v1" : u"\u05D0", state.inputLanguage);
        for (int r = 0; r < list.rowCount(); ++r) list.rowText(r);
        list.findPrefix("r3");
      });
    }
  }
  worker.wait();
  EXPECT_FALSE(state.busy);
  EXPECT_GT(typed, 0);
}

}  // namespace
}  // namespace quorix
