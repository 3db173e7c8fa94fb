#include "lists/listfill.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "support/fakehost.h"
#include "support/fixturedatabases.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

VerbRecordSource rec(std::uint32_t verbId, std::uint16_t code, std::uint32_t table, std::string listText) {
  return {0, verbId, code, table, listText, listText, ""};
}

// Six verbs over binyans 0, 1 and 3 (table numbers 0 and 5 fall in binyan 0), with list texts that
// every mode must leave out: empty, "-", and a one-byte text that only the table modes refuse.
std::vector<VerbRecordSource> fixtureVerbs() {
  return {
      rec(1, 0, 10001, "a-inf"), rec(1, 1, 10001, ""),       rec(1, 2, 10001, "-"),      rec(1, 3, 10001, "x"),
      rec(1, 4, 10001, "a-past"), rec(1, 21, 10001, "a-pres"), rec(1, 98, 10001, "000"), rec(1, 99, 10001, "a-root"),
      rec(1, 100, 10001, "-"),
      rec(2, 0, 10001, "b-inf"), rec(2, 4, 10001, "b-past"), rec(2, 99, 10001, "b-root"),
      rec(3, 0, 30002, "c-inf"), rec(3, 3, 30002, "c"),      rec(3, 21, 30002, "c-pres"), rec(3, 99, 30002, "c-root"),
      rec(4, 0, 0, "d-inf"),     rec(4, 99, 0, "d-root"),
      rec(5, 0, 5, "e-inf"),     rec(5, 4, 5, "e-past"),     rec(5, 99, 5, "e-root"),
      rec(6, 0, 10002, "f-inf"), rec(6, 21, 10002, "f-pres"), rec(6, 99, 10002, "f-root"),
  };
}

std::vector<SearchEntrySource> fixtureSearchEntries() {
  return {{1001, 4, 0, "alpha"}, {1002, 4, 0, "beta"}, {2001, 4, 0, "gamma"}, {3005, 4, 0, "delta"}};
}

// One more English entry than Russian ones, so that an offset can be valid in one index only.
test::EnglishSources fixtureEnglish() {
  return {{}, {{1001, 0, 0, "be able"}, {2001, 0, 0, "hide"}, {3001, 0, 0, "Hold"}, {4001, 4, 0, "jump"},
               {5001, 0, 0, "write"}}};
}

class NoListener : public VirtualListListener {
 public:
  void redrawList() override {}
  void showSelectedVerb() override {}
  void forgetSavedRowLink() override {}
};

class Fill : public ::testing::Test {
 protected:
  explicit Fill(std::vector<VerbRecordSource> verbs = fixtureVerbs(),
                std::vector<SearchEntrySource> search = fixtureSearchEntries())
      : dbs(verbs, {}, search, {}, fixtureEnglish()) {}

  std::uint32_t fill(ListMode mode, std::uint8_t binyan = 0, std::uint32_t table = 0,
                     FormFilter filter = formfilter::kAll) {
    ListFill listFill(dbs.readers(), list, cache, host);
    return listFill.run({mode, binyan, table, filter});
  }
  // The list texts of the first `count` entries (Hebrew modes) or the words (Russian and English modes).
  std::vector<std::string> texts(std::uint32_t count, InputLanguage side = inputlanguage::kHebrew) const {
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < count; ++i) {
      const ListEntry entry = list.entries().at(i);
      if (side != inputlanguage::kHebrew) {
        RussianSearchEntry e;
        out.emplace_back(dbs.readers().searchIndexOf(side).entryAt(entry, e) ? std::string(e.word()) : "?");
      } else {
        VerbRecord r;
        out.emplace_back(dbs.verbs->decode(entry, r) ? std::string(r.listText) : "?");
      }
    }
    return out;
  }

  test::LoadedDatabases dbs;
  QueryCache cache = dbs.openedCache();
  ProgramState state;
  NoListener listener;
  VirtualList list{state, dbs.readers(), listener};
  test::FakeHost host;
};

using Texts = std::vector<std::string>;

TEST_F(Fill, EachModeListsWhatItsRulesAdmit) {
  const struct {
    FillRequest request;
    Texts expected;
  } cases[] = {
      {{0, 0, 0, 11}, {"a-inf", "a-past", "a-pres", "b-inf", "b-past", "c", "c-inf", "c-pres", "d-inf", "e-inf",
                       "e-past", "f-inf", "f-pres", "x"}},
      {{1, 0, 0, 11}, {"a-root", "b-root", "c-root", "d-root", "e-root", "f-root"}},
      {{2, 0, 0, 11}, {"a-pres", "c-pres", "f-pres"}},
      {{3, 0, 0, 11}, {"a-past", "b-past", "e-past"}},
      {{4, 0, 0, 11}, {"a-inf", "b-inf", "c-inf", "d-inf", "e-inf", "f-inf"}},
      // One model verb per table, every form of at least two bytes, in table order; table 0 never counts.
      {{6, 0, 0, 11}, {"e-inf", "e-past", "a-inf", "a-past", "a-pres", "f-inf", "f-pres", "c-inf", "c-pres"}},
      {{6, 0, 0, 21}, {"a-pres", "f-pres", "c-pres"}},
      {{6, 0, 0, 99}, {"e-root", "a-root", "f-root", "c-root"}},
      {{5, 1, 0, 11}, {"a-inf", "a-past", "a-pres", "f-inf", "f-pres"}},
      {{5, 0, 0, 0}, {"e-inf"}},  // binyan 0 before any page: table 5, not table 0
      {{5, 3, 0, 4}, {}},         // the table's verb has no such form
      {{7, 1, 0, 11}, {"a-inf", "a-past", "a-pres", "b-inf", "b-past", "f-inf", "f-pres", "x"}},
      {{7, 1, 0, 4}, {"a-past", "b-past"}},
      {{7, 0, 0, 0}, {"d-inf", "e-inf"}},
      {{8, 0, 10001, 11}, {"a-inf", "a-past", "a-pres", "b-inf", "b-past", "x"}},
      {{8, 0, 30002, 21}, {"c-pres"}},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(dbs.cacheFolder());
    const std::uint32_t count = fill(c.request.mode, c.request.currentBinyan, c.request.currentTable,
                                     c.request.formFilter);
    EXPECT_EQ(texts(count), c.expected) << "mode " << c.request.mode << " binyan " << int(c.request.currentBinyan)
                                        << " table " << c.request.currentTable << " filter " << c.request.formFilter;
  }
}

TEST_F(Fill, RussianModesListEntriesByOffset) {
  ASSERT_EQ(fill(9), 4u);
  EXPECT_EQ(texts(4, inputlanguage::kRussian), (Texts{"alpha", "beta", "gamma", "delta"}));
  for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(list.entries().at(i), 48 * i);
  ASSERT_EQ(fill(10), 2u);
  EXPECT_EQ(texts(2, inputlanguage::kRussian), (Texts{"alpha", "gamma"}));
}

TEST_F(Fill, TheEnglishModeListsEveryMeaningByOffsetUnderItsOwnKey) {
  ASSERT_EQ(fill(listmode::kEnglishMeanings), 5u);
  EXPECT_EQ(texts(5, inputlanguage::kEnglish), (Texts{"be able", "hide", "Hold", "jump", "write"}));
  for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(list.entries().at(i), 48 * i);
  const std::string file = dbs.cacheFolder() + "/0B00000000.cache";
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 20u);
}

// Entry 192 (the fifth) exists in ensearch.db's blob but not in rusearch.db's: a cache file holding
// it is taken for the English list and scanned anew for the Russian one.
TEST_F(Fill, ACacheFileIsCheckedAgainstTheIndexOfItsOwnSide) {
  list.entries().set(0, 192);
  ASSERT_TRUE(cache.saveCachedList({listmode::kEnglishMeanings, 0, 0}, list.entries(), 1));
  ASSERT_TRUE(cache.saveCachedList({listmode::kRussianAll, 0, 0}, list.entries(), 1));
  ASSERT_EQ(fill(listmode::kEnglishMeanings), 1u);
  EXPECT_EQ(texts(1, inputlanguage::kEnglish), (Texts{"write"}));
  ASSERT_EQ(fill(listmode::kRussianAll), 4u);
  EXPECT_EQ(texts(4, inputlanguage::kRussian), (Texts{"alpha", "beta", "gamma", "delta"}));
}

TEST_F(Fill, AScanIsSavedAndTheNextFillReadsTheCache) {
  const std::uint32_t scanned = fill(3);
  const std::string file = dbs.cacheFolder() + "/0300000000.cache";
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 4u * scanned);
  const Texts fromScan = texts(scanned);
  host.workerLog.clear();
  EXPECT_EQ(fill(3), scanned);
  EXPECT_EQ(texts(scanned), fromScan);
  EXPECT_EQ(host.workerLog, (Texts{"position 24"})) << "a cache hit only moves the bar to its end";
}

// Whatever happened to a list's file, the fill shows exactly the list a scan gives, writes the file
// anew, and the next fill takes it.
TEST_F(Fill, ADamagedCacheFileGivesTheListOfAScan) {
  namespace fs = std::filesystem;
  const std::string other = dbs.cacheFolder() + "/0300000000.cache";
  const struct {
    const char* what;
    std::function<void(const std::string& file)> damage;
  } cases[] = {
      {"emptied", [](const std::string& file) { test::writeBytes(file, {}); }},
      {"cut", [](const std::string& file) { fs::resize_file(file, fs::file_size(file) - 4); }},
      {"another list's file", [&](const std::string& file) { fs::copy_file(other, file, fs::copy_options::overwrite_existing); }},
      {"an entry off by one", [](const std::string& file) { auto b = test::readBytes(file); ++b[4]; test::writeBytes(file, b); }},
      {"a FIFO", [](const std::string& file) { fs::remove(file); ASSERT_EQ(mkfifo(file.c_str(), 0600), 0); }},
  };
  fill(3);
  for (ListMode mode : {listmode::kAllForms, listmode::kRussianAll}) {
    std::filesystem::remove(cache.pathOf(cacheKeyOf({mode, 0, 0, formfilter::kAll})));
    const std::uint32_t scanned = fill(mode);
    const Texts fromScan = texts(scanned, isRussianMode(mode));
    const std::string file = cache.pathOf(cacheKeyOf({mode, 0, 0, formfilter::kAll}));
    for (const auto& c : cases) {
      c.damage(file);
      ASSERT_EQ(fill(mode), scanned) << c.what;
      EXPECT_EQ(texts(scanned, isRussianMode(mode)), fromScan) << c.what;
      EXPECT_EQ(fs::file_size(file), 4u * scanned) << c.what << ": the file is written anew";
      host.workerLog.clear();
      EXPECT_EQ(fill(mode), scanned);
      EXPECT_EQ(host.workerLog.size(), 1u) << c.what << ": the next fill takes the new file";
    }
  }
}

TEST_F(Fill, AFillFromTheCacheLeavesTheSameListAsTheScan) {
  for (ListMode mode :
       {listmode::kAllForms, listmode::kTablesByNumber, listmode::kRussianAll, listmode::kEnglishMeanings}) {
    const std::uint32_t scanned = fill(mode, 1, 0, formfilter::kAll);
    const Texts fromScan = texts(scanned, inputLanguageOfMode(mode));
    EXPECT_EQ(fill(mode, 1, 0, formfilter::kAll), scanned);
    EXPECT_EQ(texts(scanned, inputLanguageOfMode(mode)), fromScan) << "mode " << mode;
  }
}

TEST_F(Fill, AnEmptyResultIsCachedToo) {
  EXPECT_EQ(fill(5, 3, 0, 4), 0u);
  const std::string file = dbs.cacheFolder() + "/0500000304.cache";
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(std::filesystem::file_size(file), 0u);
  host.workerLog.clear();
  EXPECT_EQ(fill(5, 3, 0, 4), 0u);
  EXPECT_EQ(host.workerLog, (Texts{"position 24"})) << "no scan: the table index has 24 entries";
}

TEST_F(Fill, ACacheFileWithAnEntryOutsideTheBlobIsScannedAgain) {
  list.entries().set(0, 0xFFFFFF);
  ASSERT_TRUE(cache.saveCachedList({2, 0, 0}, list.entries(), 1));
  ASSERT_EQ(fill(2), 3u);
  EXPECT_EQ(texts(3), (Texts{"a-pres", "c-pres", "f-pres"}));
}

TEST_F(Fill, ProgressOfScansAndCacheHits) {
  const std::uint32_t records = dbs.verbs->recordCount();
  const struct {
    ListMode mode;
    Texts scanRanges;
    std::string lastScanPosition;
    std::string cachedPosition;
  } cases[] = {
      {0, {}, "position " + std::to_string(records - 1), "position " + std::to_string(records)},
      {6, {"range 0..23"}, "position 23", "position 24"},
      {9, {"range 0..3"}, "position 3", "position 3"},
      {10, {"range 0..4"}, "position 3", "position 3"},
      {11, {"range 0..4"}, "position 4", "position 4"},
  };
  for (const auto& c : cases) {
    host.workerLog.clear();
    fill(c.mode);
    Texts ranges;
    std::int32_t expectedPosition = 0;
    for (const std::string& e : host.workerLog) {
      if (e.rfind("range", 0) == 0) ranges.push_back(e);
      if (e.rfind("position", 0) == 0) {
        EXPECT_EQ(e, "position " + std::to_string(expectedPosition++));
      }
    }
    EXPECT_EQ(ranges, c.scanRanges) << "mode " << c.mode;
    EXPECT_EQ(host.workerLog.back(), c.lastScanPosition) << "mode " << c.mode;
    host.workerLog.clear();
    fill(c.mode);
    EXPECT_EQ(host.workerLog, Texts{c.cachedPosition}) << "mode " << c.mode;
  }
}

// The array holds 210000 entries; a fill stops adding there.
class CapacityFill : public Fill {
 protected:
  static std::vector<VerbRecordSource> oneHugeVerb() {
    std::vector<VerbRecordSource> records(EntryArray::kCapacity + 5, rec(1, 0, 10001, "ab"));
    records.push_back(rec(1, 99, 10001, "root"));
    return records;
  }
  static std::vector<SearchEntrySource> manyEntries() {
    return std::vector<SearchEntrySource>(EntryArray::kCapacity + 5, {1001, 4, 0, "w"});
  }
  CapacityFill() : Fill(oneHugeVerb(), manyEntries()) {}
};

TEST_F(CapacityFill, StopsAddingAt210000Entries) {
  for (ListMode mode : {listmode::kAllForms, listmode::kTablesByNumber, listmode::kRussianAll}) {
    EXPECT_EQ(fill(mode), EntryArray::kCapacity) << "mode " << mode;
  }
}

}  // namespace
}  // namespace quorix
