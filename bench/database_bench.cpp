// Loading, decoding and looking up in a full-scale database; the raw read of the same bytes is
// the yardstick for the load. Loading includes the proof of each file's shape (every record of the
// blob decoded once, every index entry checked against its record) and the hash of its bytes;
// it runs on the bundled dictionary and on the synthetic full-scale set (210000 records).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "db/recordwalks.h"
#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"
#include "syntheticfolder.h"

namespace quorix {
namespace {

const char* const kFiles[] = {"hebrew.db", "russian.db", "rusearch.db"};

// Argument 0: the dictionary the build compiled into the program folder; 1: the synthetic set.
std::string databaseFolder(const benchmark::State& state) {
  return state.range(0) == 0 ? std::string(QUORIX_APP_DIR) : bench::SyntheticFolder::get().path();
}

std::int64_t totalBytes(const std::string& folder) {
  std::int64_t total = 0;
  for (const char* name : kFiles) total += static_cast<std::int64_t>(std::filesystem::file_size(folder + "/" + name));
  return total;
}

void BM_LoadThreeDatabases(benchmark::State& state) {
  const std::string folder = databaseFolder(state);
  for (auto _ : state) {
    VerbDatabase verbs(folder + "/hebrew.db");
    TranslationDatabase translations(folder + "/russian.db");
    RussianSearchIndex index(folder + "/rusearch.db");
    if (!verbs.load() || !translations.load() || !index.load()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(verbs.blob());
    state.counters["records"] = verbs.recordCount();
  }
  state.SetBytesProcessed(state.iterations() * totalBytes(folder));
}
BENCHMARK(BM_LoadThreeDatabases)->Arg(0)->Arg(1)->ArgName("synthetic")->Unit(benchmark::kMillisecond);

// The same bytes with one plain fread per file into fresh memory, no unscrambling.
void BM_RawReadThreeFiles(benchmark::State& state) {
  const std::string folder = databaseFolder(state);
  for (auto _ : state) {
    for (const char* name : kFiles) {
      const std::string path = folder + "/" + name;
      const std::size_t size = std::filesystem::file_size(path);
      auto bytes = std::make_unique_for_overwrite<char[]>(size);
      std::FILE* f = std::fopen(path.c_str(), "rb");
      if (!f || std::fread(bytes.get(), 1, size, f) != size) state.SkipWithError("read failed");
      if (f) std::fclose(f);
      benchmark::DoNotOptimize(bytes.get());
    }
  }
  state.SetBytesProcessed(state.iterations() * totalBytes(folder));
}
BENCHMARK(BM_RawReadThreeFiles)->Arg(0)->Arg(1)->ArgName("synthetic")->Unit(benchmark::kMillisecond);

const VerbDatabase& loadedVerbs() {
  static const auto db = [] {
    auto d = std::make_unique<VerbDatabase>(bench::SyntheticFolder::get().file("hebrew.db"));
    d->load();
    return d;
  }();
  return *db;
}

// What a scan of the alphabetical list costs at least: every text index record decoded once.
void BM_DecodeAllRecordsInTextOrder(benchmark::State& state) {
  const VerbDatabase& db = loadedVerbs();
  for (auto _ : state) {
    VerbRecord record;
    std::size_t listBytes = 0;
    for (std::uint32_t i = 0; i < db.recordCount(); ++i) {
      if (db.decode(db.textIndexEntry(i).offset, record)) listBytes += record.listText.size();
    }
    benchmark::DoNotOptimize(listBytes);
  }
  state.SetItemsProcessed(state.iterations() * db.recordCount());
  state.SetBytesProcessed(state.iterations() * db.blobSize());
}
BENCHMARK(BM_DecodeAllRecordsInTextOrder)->Unit(benchmark::kMillisecond);

void BM_LookupByKind(benchmark::State& state) {
  const VerbDatabase& db = loadedVerbs();
  const auto kind = static_cast<IndexKind>(state.range(0));
  std::uint32_t i = 0;
  for (auto _ : state) {
    i = (i + 7919) % db.recordCount();
    RecordOffset found = 0;
    switch (kind) {
      case IndexKind::ByVerbId:
        found = db.lookup(kind, db.verbIndexEntry(i).verbId);
        break;
      case IndexKind::ByFormCode:
        found = db.lookup(kind, db.formIndexEntry(i).formCode);
        break;
      case IndexKind::ByTableNumber:
        found = db.lookup(kind, db.tableIndexEntry(i % db.tableIndexCount()).tableNumber);
        break;
      case IndexKind::ByText:
        found = db.lookupText(db.textIndexEntry(i).text);
        break;
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_LookupByKind)->DenseRange(0, 3)->ArgName("kind");

void BM_WalkOneVerb(benchmark::State& state) {
  const VerbDatabase& db = loadedVerbs();
  std::uint32_t verbId = 1;
  for (auto _ : state) {
    verbId = verbId % 4000 + 1;
    int n = 0;
    forEachRecordOfVerb(db, verbId, [&](RecordOffset, const VerbRecord&) { return ++n, true; });
    benchmark::DoNotOptimize(n);
  }
}
BENCHMARK(BM_WalkOneVerb);

}  // namespace
}  // namespace quorix
