#include "lists/querycache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

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

class Cache : public ::testing::Test {
 protected:
  test::TempFolder folder;
  QueryCache cache{folder.path()};
  EntryArray entries;
  static constexpr RecordOffset kLimit = 1000000;
};

TEST_F(Cache, SavedListsComeBackInOrder) {
  for (std::uint32_t i = 0; i < 5; ++i) entries.set(i, 100 * i + 7);
  ASSERT_TRUE(cache.saveCachedList({8, 30012, 99}, entries, 5));
  EXPECT_TRUE(std::filesystem::exists(folder.file("0800753C63.cache")));
  EXPECT_EQ(std::filesystem::file_size(folder.file("0800753C63.cache")), 20u);
  entries.set(7, 1);
  ASSERT_EQ(cache.loadCachedList({8, 30012, 99}, entries, kLimit), 5);
  for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(entries.at(i), 100 * i + 7);
  EXPECT_EQ(entries.at(7), 0u) << "the whole array is cleared first";
}

TEST_F(Cache, EmptyListIsAZeroByteFileThatCounts) {
  ASSERT_TRUE(cache.saveCachedList({3, 0, 0}, entries, 0));
  EXPECT_EQ(std::filesystem::file_size(folder.file("0300000000.cache")), 0u);
  EXPECT_EQ(cache.loadCachedList({3, 0, 0}, entries, kLimit), 0);
}

TEST_F(Cache, MissingFileIsNoCacheButClearsTheArray) {
  entries.set(0, 5);
  EXPECT_EQ(cache.loadCachedList({4, 0, 0}, entries, kLimit), -1);
  EXPECT_EQ(entries.at(0), 0u);
  ASSERT_TRUE(cache.saveCachedList({4, 0, 0}, entries, 1));
  std::filesystem::remove(folder.file("0400000000.cache"));
  EXPECT_EQ(cache.loadCachedList({4, 0, 0}, entries, kLimit), -1) << "a deleted file makes the fill scan again";
}

TEST_F(Cache, TrailingPartialEntryIsIgnored) {
  test::writeBytes(folder.file("0200000000.cache"), {1, 0, 0, 0, 2, 0, 0, 0, 9, 9});
  ASSERT_EQ(cache.loadCachedList({2, 0, 0}, entries, kLimit), 2);
  EXPECT_EQ(entries.at(0), 1u);
  EXPECT_EQ(entries.at(1), 2u);
}

TEST_F(Cache, EntryOutsideTheDatabaseMakesTheFileNoCache) {
  test::writeBytes(folder.file("0000000000.cache"), {1, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 3, 0, 0, 0});
  EXPECT_EQ(cache.loadCachedList({0, 0, 0}, entries, 1000000), -1) << "1000000 lies outside";
  EXPECT_EQ(entries.at(0), 0u) << "nothing of the file is taken";
  EXPECT_EQ(cache.loadCachedList({0, 0, 0}, entries, 1000001), 3);
}

TEST_F(Cache, FilesLongerThanTheArrayAreCutToItsCapacity) {
  std::vector<std::uint8_t> bytes((EntryArray::kCapacity + 3) * 4, 0);
  test::writeBytes(folder.file("0100000000.cache"), bytes);
  EXPECT_EQ(cache.loadCachedList({1, 0, 0}, entries, kLimit), static_cast<std::int32_t>(EntryArray::kCapacity));
}

TEST_F(Cache, MissingFolderMeansEveryFillScansAndSavesAreSkipped) {
  QueryCache nowhere(folder.file("no such folder"));
  EXPECT_FALSE(nowhere.saveCachedList({0, 0, 0}, entries, 3));
  EXPECT_EQ(nowhere.loadCachedList({0, 0, 0}, entries, kLimit), -1);
}

TEST_F(Cache, SavingLeavesNoTemporaryFilesBehind) {
  ASSERT_TRUE(cache.saveCachedList({9, 0, 0}, entries, 2));
  ASSERT_TRUE(cache.saveCachedList({9, 0, 0}, entries, 3));
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder.path())) names.push_back(e.path().filename());
  EXPECT_EQ(names, std::vector<std::string>{"0900000000.cache"});
  EXPECT_EQ(cache.loadCachedList({9, 0, 0}, entries, kLimit), 3);
}

TEST_F(Cache, ADirectoryInPlaceOfTheFileIsNoCache) {
  std::filesystem::create_directory(folder.file("0600000015.cache"));
  EXPECT_EQ(cache.loadCachedList({6, 0, 21}, entries, kLimit), -1);
}

}  // namespace
}  // namespace quorix
