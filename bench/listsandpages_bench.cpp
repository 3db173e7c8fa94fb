// The list fills, typed search and the verb page on a full-scale synthetic database (210000
// records). Targets: a mode 0 scan under 20 ms, a mode 0 fill from the cache under 3 ms, a typed
// search that matches nothing over 210000 entries under 10 ms, the page of a verb of about 40
// records under 1 ms (collectRootBinyans included).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "db/recordwalks.h"
#include "lists/listfill.h"
#include "lists/typedsearch.h"
#include "pages/pagerenderer.h"
#include "pages/rootrecords.h"
#include "syntheticfolder.h"

namespace quorix {
namespace {

// Hosts with nothing behind them: the benchmarks time the core alone.
class NoHost : public ListWorkerHost, public PageHost, public VirtualListListener {
 public:
  void removeListRows() override {}
  void commitListEntries(std::uint32_t) override {}
  void setProgressVisible(bool) override {}
  void setProgressRange(std::int32_t, std::int32_t) override {}
  void setProgressPosition(std::int32_t) override {}
  void startTimer(int, int) override {}
  void setPageHtml(const std::string& html) override { benchmark::DoNotOptimize(html.data()); }
  void navigatePage(const std::string&) override {}
  void runPageScript(const std::string&) override {}
  void redrawList() override {}
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override {}
};

// The loaded synthetic databases, shared by the benchmarks of this program.
struct Loaded {
  Loaded()
      : verbs(folder.file("hebrew.db")), translations(folder.file("russian.db")), index(folder.file("rusearch.db")) {
    if (!verbs.load() || !translations.load() || !index.load()) std::abort();
    std::filesystem::create_directories(cacheFolder());
  }
  DatabaseReaders readers() const { return {verbs, translations, index}; }
  std::string cacheFolder() const { return folder.file("query cache"); }

  const bench::SyntheticFolder& folder = bench::SyntheticFolder::get();
  VerbDatabase verbs;
  TranslationDatabase translations;
  RussianSearchIndex index;
};

Loaded& loaded() {
  static Loaded instance;
  return instance;
}

struct FillSetup {
  FillSetup() { cache.open(); }

  Loaded& dbs = loaded();
  ProgramState state;
  NoHost host;
  VirtualList list{state, dbs.readers(), host};
  QueryCache cache{dbs.cacheFolder(), dbs.readers().identity()};
  ListFill fill{dbs.readers(), list, cache, host};
};

void BM_Mode0Scan(benchmark::State& state) {
  FillSetup s;
  const std::string cacheFile = s.cache.pathOf({0, 0, 0});
  std::uint32_t count = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(cacheFile);
    state.ResumeTiming();
    count = s.fill.run({listmode::kAllForms, 0, 0, formfilter::kAll});
  }
  state.counters["entries"] = count;
}
BENCHMARK(BM_Mode0Scan)->Unit(benchmark::kMillisecond);

void BM_Mode0FromCache(benchmark::State& state) {
  FillSetup s;
  s.fill.run({listmode::kAllForms, 0, 0, formfilter::kAll});
  std::uint32_t count = 0;
  for (auto _ : state) count = s.fill.run({listmode::kAllForms, 0, 0, formfilter::kAll});
  state.counters["entries"] = count;
}
BENCHMARK(BM_Mode0FromCache)->Unit(benchmark::kMillisecond);

void BM_TypedSearchMatchingNothing(benchmark::State& state) {
  FillSetup s;
  // Every record in text-index order: a list of 210000 entries.
  for (std::uint32_t i = 0; i < s.dbs.verbs.recordCount(); ++i) s.list.addEntry(s.dbs.verbs.textIndexEntry(i).offset, i);
  s.list.setClientHeight(30 * VirtualList::kRowHeight);
  s.list.commitEntries(s.dbs.verbs.recordCount());
  for (auto _ : state) runTypedSearch(s.list, u"zzz", inputlanguage::kHebrew);
  state.counters["entries"] = s.list.entryCount();
}
BENCHMARK(BM_TypedSearchMatchingNothing)->Unit(benchmark::kMillisecond);

void BM_ShowVerbPage(benchmark::State& state) {
  Loaded& dbs = loaded();
  ProgramState programState;
  PageState page;
  NoHost host;
  PageRenderer renderer(programState, page, dbs.readers(), host);
  // The first verb with 40 records or more.
  std::uint32_t verbId = 0;
  std::uint32_t records = 0;
  RecordOffset first = 0;
  for (std::uint32_t v = 1; records < 40; ++v) {
    records = 0;
    verbId = v;
    forEachRecordOfVerb(dbs.verbs, v, [&](RecordOffset offset, const VerbRecord&) {
      if (records++ == 0) first = offset;
      return true;
    });
  }
  for (auto _ : state) renderer.showVerbPage(first);
  state.counters["records"] = records;
  state.counters["verb"] = verbId;
}
BENCHMARK(BM_ShowVerbPage)->Unit(benchmark::kMicrosecond);

// The page's costliest step on its own: the pass over every verb's root record.
void BM_CollectRootBinyans(benchmark::State& state) {
  Loaded& dbs = loaded();
  VerbRecord root;
  forEachRecordOfForm(dbs.verbs, form::kRoot, [&](RecordOffset, const VerbRecord& r) {
    root = r;
    return false;
  });
  for (auto _ : state) benchmark::DoNotOptimize(collectRootBinyans(dbs.verbs, root));
}
BENCHMARK(BM_CollectRootBinyans)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorix
