// Saving and loading a full list of 210000 entries through the query cache: a save writes the file,
// flushes it to the disk and records its checksum in the manifest; a load checks size and checksum.

#include <benchmark/benchmark.h>

#include "lists/querycache.h"
#include "syntheticfolder.h"

namespace quorix {
namespace {

void fillEntries(EntryArray& entries) {
  for (std::uint32_t i = 0; i < EntryArray::kCapacity; ++i) entries.set(i, i * 40);
}

QueryCache openedCache() {
  QueryCache cache(bench::SyntheticFolder::get().path(), {{"hebrew.db", 1, 2}});
  cache.open();
  return cache;
}

void BM_CacheSaveFullList(benchmark::State& state) {
  QueryCache cache = openedCache();
  EntryArray entries;
  fillEntries(entries);
  for (auto _ : state) {
    if (!cache.saveCachedList({0, 0, 0}, entries, EntryArray::kCapacity)) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() * EntryArray::kCapacity * 4);
}
BENCHMARK(BM_CacheSaveFullList)->Unit(benchmark::kMillisecond);

void BM_CacheLoadFullList(benchmark::State& state) {
  QueryCache cache = openedCache();
  EntryArray entries;
  fillEntries(entries);
  cache.saveCachedList({1, 0, 0}, entries, EntryArray::kCapacity);
  for (auto _ : state) {
    const std::int32_t n = cache.loadCachedList({1, 0, 0}, entries, 0xFFFFFFFFu);
    if (n != static_cast<std::int32_t>(EntryArray::kCapacity)) state.SkipWithError("load failed");
  }
  state.SetBytesProcessed(state.iterations() * EntryArray::kCapacity * 4);
}
BENCHMARK(BM_CacheLoadFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorix
