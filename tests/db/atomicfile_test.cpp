#include "db/atomicfile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

TEST(AtomicFile, WritesTheWholeFileAndLeavesNoTemporary) {
  test::TempFolder folder;
  std::string error;
  ASSERT_TRUE(writeFileAtomically(folder.file("list.cache"), std::vector<std::uint8_t>{1, 2, 3}, error)) << error;
  ASSERT_TRUE(writeFileAtomically(folder.file("list.cache"), std::vector<std::uint8_t>{4, 5}, error)) << error;
  EXPECT_EQ(test::readBytes(folder.file("list.cache")), (std::vector<std::uint8_t>{4, 5}));
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) files += entry.exists();
  EXPECT_EQ(files, 1);
}

// Only the names writeFileAtomically makes for a target of the suffix count as left over.
TEST(AtomicFile, LeftOverTemporariesAreKnownByName) {
  const struct {
    const char* name;
    const char* suffix;
    bool leftOver;
  } cases[] = {
      {"0000000000.cache.tmp4711-0", ".cache", true},
      {"0800753C63.cache.tmp12-345", ".cache", true},
      {"manifest.tmp99-2", "manifest", true},
      {"0000000000.cache", ".cache", false},
      {"0000000000.cache.tmp4711-", ".cache", false},
      {"0000000000.cache.tmp-3", ".cache", false},
      {"0000000000.cache.tmp47x1-3", ".cache", false},
      {"0000000000.cache.tmp4711-3.bak", ".cache", false},
      {"notes.tmp1-2", ".cache", false},
      {"manifest.tmp99-2", ".cache", false},
      {"hebrew.db.tmp5-1", ".cache", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isLeftOverTemporary(c.name, c.suffix), c.leftOver) << c.name;
}

}  // namespace
}  // namespace quorix
