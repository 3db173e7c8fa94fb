#include "lists/querycache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "db/contenthash.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

namespace fs = std::filesystem;

TEST(CacheFileName, HexFieldsOfTwoSixAndTwoDigits) {
  const struct {
    CacheKey key;
    const char* name;
  } cases[] = {
      {{0, 0, 0}, "0000000000.cache"},  {{1, 0, 0}, "0100000000.cache"},  {{5, 3, 11}, "050000030B.cache"},
      {{6, 0, 21}, "0600000015.cache"}, {{7, 2, 4}, "0700000204.cache"},  {{8, 30012, 99}, "0800753C63.cache"},
      {{10, 0, 0}, "0A00000000.cache"},
  };
  for (const auto& c : cases) EXPECT_EQ(cacheFileName(c.key), c.name);
}

const DatabaseIdentity kDatabases = {{"hebrew.db", 100, 1}, {"russian.db", 200, 2}, {"rusearch.db", 300, 3}};

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class Cache : public ::testing::Test {
 protected:
  Cache() { cache.open(); }

  // Writes a list file by hand and makes the manifest vouch for exactly these bytes, as if the
  // program had saved them.
  void plant(const CacheKey& key, const std::vector<std::uint8_t>& bytes) {
    test::writeBytes(cache.pathOf(key), bytes);
    CacheManifest manifest = *CacheManifest::read(cache.manifestPath());
    manifest.setList({cacheFileName(key), bytes.size(), contentHash(bytes)});
    ASSERT_TRUE(manifest.write(cache.manifestPath()));
    cache = QueryCache(folder.path(), kDatabases);
    cache.open();
  }

  test::TempFolder folder;
  QueryCache cache{folder.path(), kDatabases};
  EntryArray entries;
  static constexpr RecordOffset kLimit = 1000000;
};

TEST_F(Cache, SavedListsComeBackInOrder) {
  for (std::uint32_t i = 0; i < 5; ++i) entries.set(i, 100 * i + 7);
  ASSERT_TRUE(cache.saveCachedList({8, 30012, 99}, entries, 5));
  EXPECT_TRUE(fs::exists(folder.file("0800753C63.cache")));
  EXPECT_EQ(fs::file_size(folder.file("0800753C63.cache")), 20u);
  entries.set(7, 1);
  ASSERT_EQ(cache.loadCachedList({8, 30012, 99}, entries, kLimit), 5);
  for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(entries.at(i), 100 * i + 7);
  EXPECT_EQ(entries.at(7), 0u) << "the whole array is cleared first";
}

TEST_F(Cache, EmptyListIsAZeroByteFileThatCounts) {
  ASSERT_TRUE(cache.saveCachedList({3, 0, 0}, entries, 0));
  EXPECT_EQ(fs::file_size(folder.file("0300000000.cache")), 0u);
  EXPECT_EQ(cache.loadCachedList({3, 0, 0}, entries, kLimit), 0);
}

TEST_F(Cache, MissingFileIsNoCacheButClearsTheArray) {
  entries.set(0, 5);
  EXPECT_EQ(cache.loadCachedList({4, 0, 0}, entries, kLimit), -1);
  EXPECT_EQ(entries.at(0), 0u);
  ASSERT_TRUE(cache.saveCachedList({4, 0, 0}, entries, 1));
  fs::remove(folder.file("0400000000.cache"));
  EXPECT_EQ(cache.loadCachedList({4, 0, 0}, entries, kLimit), -1) << "a deleted file makes the fill scan again";
}

TEST_F(Cache, TrailingPartialEntryIsIgnored) {
  plant({2, 0, 0}, {1, 0, 0, 0, 2, 0, 0, 0, 9, 9});
  ASSERT_EQ(cache.loadCachedList({2, 0, 0}, entries, kLimit), 2);
  EXPECT_EQ(entries.at(0), 1u);
  EXPECT_EQ(entries.at(1), 2u);
}

TEST_F(Cache, EntryOutsideTheDatabaseMakesTheFileNoCache) {
  plant({0, 0, 0}, {1, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 3, 0, 0, 0});
  EXPECT_EQ(cache.loadCachedList({0, 0, 0}, entries, 1000000), -1) << "1000000 lies outside";
  EXPECT_EQ(entries.at(0), 0u) << "nothing of the file is taken";
  EXPECT_EQ(cache.loadCachedList({0, 0, 0}, entries, 1000001), 3);
}

TEST_F(Cache, MissingFolderMeansEveryFillScansAndSavesAreSkipped) {
  QueryCache nowhere(folder.file("no such folder"), kDatabases);
  nowhere.open();
  EXPECT_FALSE(nowhere.saveCachedList({0, 0, 0}, entries, 3));
  EXPECT_EQ(nowhere.loadCachedList({0, 0, 0}, entries, kLimit), -1);
}

TEST_F(Cache, SavingLeavesTheListAndTheManifestOnly) {
  ASSERT_TRUE(cache.saveCachedList({9, 0, 0}, entries, 2));
  ASSERT_TRUE(cache.saveCachedList({9, 0, 0}, entries, 3));
  EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"0900000000.cache", "manifest"}));
  EXPECT_EQ(cache.loadCachedList({9, 0, 0}, entries, kLimit), 3);
}

// A list file must prove itself: whatever happened to it, a file that is not exactly what this
// program saved for its key is no cache (and opening it never blocks).
TEST_F(Cache, FilesThatAreNotWhatWasSavedAreNoCache) {
  const CacheKey key{0, 0, 0};
  const std::string path = folder.file("0000000000.cache");
  const struct {
    const char* what;
    std::function<void()> damage;
  } cases[] = {
      {"emptied to 0 bytes", [&] { test::writeBytes(path, {}); }},
      {"cut by one entry", [&] { fs::resize_file(path, fs::file_size(path) - 4); }},
      {"cut inside an entry", [&] { fs::resize_file(path, fs::file_size(path) - 1); }},
      {"one entry off by one", [&] { auto b = test::readBytes(path); ++b[8]; test::writeBytes(path, b); }},
      {"another list's file under this name", [&] { fs::copy_file(folder.file("0100000000.cache"), path, fs::copy_options::overwrite_existing); }},
      {"a FIFO", [&] { fs::remove(path); ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }},
      {"a folder", [&] { fs::remove(path); fs::create_directory(path); }},
      {"a link to a device", [&] { fs::remove(path); fs::create_symlink("/dev/zero", path); }},
  };
  for (const auto& c : cases) {
    for (std::uint32_t i = 0; i < 6; ++i) entries.set(i, 40 * i);
    ASSERT_TRUE(cache.saveCachedList({1, 0, 0}, entries, 2));
    ASSERT_TRUE(cache.saveCachedList(key, entries, 6));
    c.damage();
    entries.set(0, 99);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(cache.loadCachedList(key, entries, kLimit), -1) << c.what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << c.what;
    EXPECT_EQ(entries.at(0), 0u) << c.what;
    fs::remove_all(path);
  }
}

TEST_F(Cache, AFileTheManifestDoesNotKnowIsNoCache) {
  test::writeBytes(folder.file("0200000000.cache"), {4, 0, 0, 0});
  EXPECT_EQ(cache.loadCachedList({2, 0, 0}, entries, kLimit), -1);
  ASSERT_TRUE(cache.saveCachedList({2, 0, 0}, entries, 1));
  EXPECT_EQ(cache.loadCachedList({2, 0, 0}, entries, kLimit), 1) << "once saved, it is known";
}

TEST_F(Cache, MoreThanTheArrayHoldsIsNoCache) {
  plant({1, 0, 0}, std::vector<std::uint8_t>((EntryArray::kCapacity + 1) * 4, 0));
  EXPECT_EQ(cache.loadCachedList({1, 0, 0}, entries, kLimit), -1);
  plant({1, 0, 0}, std::vector<std::uint8_t>(EntryArray::kCapacity * 4, 0));
  EXPECT_EQ(cache.loadCachedList({1, 0, 0}, entries, kLimit), static_cast<std::int32_t>(EntryArray::kCapacity));
}

// Start-up keeps the lists of the same databases and removes those nobody can vouch for.
TEST(CacheStartUp, ListsOfOtherDatabasesAreRemoved) {
  EntryArray entries;
  const struct {
    const char* what;
    std::function<void(const std::string& folder)> before;  // between the first run and the second
    DatabaseIdentity second;
    bool listsKept;
  } cases[] = {
      {"the same databases", [](const std::string&) {}, kDatabases, true},
      {"hebrew.db replaced by one of the same size", [](const std::string&) {},
       {{"hebrew.db", 100, 7}, kDatabases[1], kDatabases[2]}, false},
      {"rusearch.db grown", [](const std::string&) {}, {kDatabases[0], kDatabases[1], {"rusearch.db", 348, 3}}, false},
      {"a database file more", [](const std::string&) {},
       {kDatabases[0], kDatabases[1], kDatabases[2], {"english.db", 5, 5}}, false},
      {"no manifest", [](const std::string& folder) { fs::remove(folder + "/manifest"); }, kDatabases, false},
      {"a damaged manifest", [](const std::string& folder) { test::writeBytes(folder + "/manifest", {'q'}); },
       kDatabases, false},
  };
  for (const auto& c : cases) {
    test::TempFolder folder;
    {
      QueryCache first(folder.path(), kDatabases);
      first.open();
      ASSERT_TRUE(first.saveCachedList({0, 0, 0}, entries, 3));
      ASSERT_TRUE(first.saveCachedList({8, 30012, 99}, entries, 1));
    }
    test::writeBytes(folder.file("notes.txt"), {'n'});
    c.before(folder.path());
    QueryCache second(folder.path(), c.second);
    second.open();
    const std::vector<std::string> lists = {"0000000000.cache", "0800753C63.cache"};
    std::vector<std::string> expected = {"manifest", "notes.txt"};
    if (c.listsKept) expected.insert(expected.begin(), lists.begin(), lists.end());
    EXPECT_EQ(namesIn(folder.path()), expected) << c.what;
    EXPECT_EQ(second.loadCachedList({0, 0, 0}, entries, 1000), c.listsKept ? 3 : -1) << c.what;
    EXPECT_EQ(CacheManifest::read(folder.file("manifest"))->databases(), c.second) << c.what;
  }
}

TEST(CacheStartUp, TemporariesOfInterruptedWritesAreRemoved) {
  test::TempFolder folder;
  for (const char* name : {"0000000000.cache.tmp4711-0", "0000000000.cache.tmp4711-1", "manifest.tmp12-3"}) {
    test::writeBytes(folder.file(name), {1, 2, 3});
  }
  fs::create_directory(folder.file("0100000000.cache.tmp1-1"));
  QueryCache cache(folder.path(), kDatabases);
  cache.open();
  EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"0100000000.cache.tmp1-1", "manifest"}))
      << "folders are never removed";
}

// Two instances sharing the folder: one on the same databases sees the other's lists; one on other
// databases never takes a list the other wrote under the same name.
TEST(CacheSharing, InstancesNeverTakeEachOthersWrongLists) {
  test::TempFolder folder;
  EntryArray entries;
  entries.set(0, 4);
  QueryCache a(folder.path(), kDatabases);
  a.open();
  QueryCache b(folder.path(), kDatabases);
  b.open();
  ASSERT_TRUE(a.saveCachedList({0, 0, 0}, entries, 1));
  ASSERT_TRUE(b.saveCachedList({1, 0, 0}, entries, 1));
  QueryCache later(folder.path(), kDatabases);
  later.open();
  EXPECT_EQ(later.loadCachedList({0, 0, 0}, entries, 1000), 1) << "the first instance's list is still known";
  EXPECT_EQ(later.loadCachedList({1, 0, 0}, entries, 1000), 1);

  QueryCache other(folder.path(), {{"hebrew.db", 1, 1}});
  other.open();
  entries.set(0, 8);
  ASSERT_TRUE(other.saveCachedList({0, 0, 0}, entries, 1));
  EXPECT_EQ(a.loadCachedList({0, 0, 0}, entries, 1000), -1) << "the file now holds the other databases' list";
}

}  // namespace
}  // namespace quorix
