// The list fills, typed search and the verb page, each on two sets of databases: a full-scale
// synthetic one (210000 records, the list's capacity) and the bundled dictionary of the program
// folder. Targets: a mode 0 scan under 20 ms, a mode 0 fill from the cache under 3 ms, a typed
// search that matches nothing over the whole list under 10 ms (over the English meanings, which
// compare without regard to case, under 1 ms), the page of the verb with the most records under
// 1 ms (collectRootBinyans included).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>

#include "db/recordwalks.h"
#include "lists/listfill.h"
#include "lists/typedsearch.h"
#include "pages/pagerenderer.h"
#include "pages/rootrecords.h"
#include "support/silenthosts.h"
#include "syntheticfolder.h"

namespace quorix {
namespace {

// Hosts with nothing behind them: the benchmarks time the core alone.
class NoHost : public test::SilentHosts {
 public:
  void setPageHtml(const std::string& html, PageScroll) override { benchmark::DoNotOptimize(html.data()); }
};

// One loaded set of databases, with a query cache folder of its own outside the program folder.
struct Loaded {
  explicit Loaded(const std::string& folder)
      : verbs(folder + "/hebrew.db"),
        translations(folder + "/russian.db"),
        index(folder + "/rusearch.db"),
        englishTranslations(folder + "/english.db"),
        englishIndex(folder + "/ensearch.db") {
    if (!verbs.load() || !translations.load() || !index.load() || !englishTranslations.load() || !englishIndex.load()) {
      std::abort();
    }
    std::filesystem::create_directories(cacheFolder);
  }
  ~Loaded() { std::filesystem::remove_all(cacheFolder); }
  DatabaseReaders readers() const { return {verbs, translations, index, englishTranslations, englishIndex}; }

  std::string cacheFolder = (std::filesystem::temp_directory_path() /
                             ("quorix-bench-cache-" + std::to_string(reinterpret_cast<std::uintptr_t>(this))))
                                .string();
  VerbDatabase verbs;
  TranslationDatabase translations;
  RussianSearchIndex index;
  TranslationDatabase englishTranslations;
  RussianSearchIndex englishIndex;
};

// The two sets, loaded on first use and shared by the benchmarks of this program.
Loaded& synthetic() {
  static Loaded instance(bench::SyntheticFolder::get().path());
  return instance;
}

Loaded& bundled() {
  static Loaded instance(QUORIX_APP_DIR);
  return instance;
}

using DatabaseSetOf = Loaded& (*)();

struct FillSetup {
  explicit FillSetup(Loaded& loaded) : dbs(loaded) { cache.open(); }
  Loaded& dbs;
  ProgramState state;
  NoHost host;
  VirtualList list{state, dbs.readers(), host};
  QueryCache cache{dbs.cacheFolder, dbs.readers().identity()};
  ListFill fill{dbs.readers(), list, cache, host};
};

void BM_Mode0Scan(benchmark::State& state, DatabaseSetOf set) {
  FillSetup s(set());
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
BENCHMARK_CAPTURE(BM_Mode0Scan, synthetic, synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Mode0Scan, bundled, bundled)->Unit(benchmark::kMillisecond);

void BM_Mode0FromCache(benchmark::State& state, DatabaseSetOf set) {
  FillSetup s(set());
  s.fill.run({listmode::kAllForms, 0, 0, formfilter::kAll});
  std::uint32_t count = 0;
  for (auto _ : state) count = s.fill.run({listmode::kAllForms, 0, 0, formfilter::kAll});
  state.counters["entries"] = count;
}
BENCHMARK_CAPTURE(BM_Mode0FromCache, synthetic, synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Mode0FromCache, bundled, bundled)->Unit(benchmark::kMillisecond);

void BM_TypedSearchMatchingNothing(benchmark::State& state, DatabaseSetOf set) {
  FillSetup s(set());
  // Every record in text-index order: the longest list the set can give.
  for (std::uint32_t i = 0; i < s.dbs.verbs.recordCount(); ++i) s.list.addEntry(s.dbs.verbs.textIndexEntry(i).offset, i);
  s.list.setClientHeight(30 * VirtualList::kRowHeight);
  s.list.commitEntries(s.dbs.verbs.recordCount());
  for (auto _ : state) runTypedSearch(s.list, u"zzz", inputlanguage::kHebrew);
  state.counters["entries"] = s.list.entryCount();
}
BENCHMARK_CAPTURE(BM_TypedSearchMatchingNothing, synthetic, synthetic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TypedSearchMatchingNothing, bundled, bundled)->Unit(benchmark::kMillisecond);

void BM_EnglishTypedSearchMatchingNothing(benchmark::State& state, DatabaseSetOf set) {
  FillSetup s(set());
  s.state.inputLanguage = inputlanguage::kEnglish;
  const std::uint32_t count = s.fill.run({listmode::kEnglishMeanings, 0, 0, formfilter::kAll});
  s.list.setClientHeight(30 * VirtualList::kRowHeight);
  s.list.commitEntries(count);
  for (auto _ : state) runTypedSearch(s.list, u"ZZZZ", inputlanguage::kEnglish);
  state.counters["entries"] = s.list.entryCount();
}
BENCHMARK_CAPTURE(BM_EnglishTypedSearchMatchingNothing, synthetic, synthetic)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EnglishTypedSearchMatchingNothing, bundled, bundled)->Unit(benchmark::kMicrosecond);

void BM_ShowVerbPage(benchmark::State& state, DatabaseSetOf set) {
  Loaded& dbs = set();
  ProgramState programState;
  PageState page;
  NoHost host;
  PageRenderer renderer(programState, page, dbs.readers(), host);
  // The verb with the most records.
  std::uint32_t verbId = 0;
  std::uint32_t records = 0;
  RecordOffset first = 0;
  forEachRecordOfForm(dbs.verbs, form::kRoot, [&](RecordOffset, const VerbRecord& root) {
    std::uint32_t count = 0;
    RecordOffset start = 0;
    forEachRecordOfVerb(dbs.verbs, root.verbId, [&](RecordOffset offset, const VerbRecord&) {
      if (count++ == 0) start = offset;
      return true;
    });
    if (count > records) {
      records = count;
      verbId = root.verbId;
      first = start;
    }
    return true;
  });
  for (auto _ : state) renderer.showVerbPage(first);
  state.counters["records"] = records;
  state.counters["verb"] = verbId;
}
BENCHMARK_CAPTURE(BM_ShowVerbPage, synthetic, synthetic)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ShowVerbPage, bundled, bundled)->Unit(benchmark::kMicrosecond);

// The page's costliest step on its own: the pass over every verb's root record.
void BM_CollectRootBinyans(benchmark::State& state, DatabaseSetOf set) {
  Loaded& dbs = set();
  VerbRecord root;
  forEachRecordOfForm(dbs.verbs, form::kRoot, [&](RecordOffset, const VerbRecord& r) {
    root = r;
    return false;
  });
  for (auto _ : state) benchmark::DoNotOptimize(collectRootBinyans(dbs.verbs, root));
}
BENCHMARK_CAPTURE(BM_CollectRootBinyans, synthetic, synthetic)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CollectRootBinyans, bundled, bundled)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorix
