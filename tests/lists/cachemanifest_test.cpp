#include "lists/cachemanifest.h"

#include <gtest/gtest.h>

#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

CacheManifest twoDatabasesOneList() {
  CacheManifest manifest({{"hebrew.db", 3043793, 0x5f0c2d9e8a7b6c41}, {"russian.db", 0, 0}});
  manifest.setList({"0000000000.cache", 124460, 0x0a1b2c3d4e5f6071});
  return manifest;
}

TEST(CacheManifest, TextNamesDatabasesAndListsAndReadsBack) {
  const CacheManifest manifest = twoDatabasesOneList();
  EXPECT_EQ(manifest.text(),
            "quorix query cache 1\n"
            "database hebrew.db 3043793 5f0c2d9e8a7b6c41\n"
            "database russian.db 0 0000000000000000\n"
            "list 0000000000.cache 124460 0a1b2c3d4e5f6071\n");
  const auto back = CacheManifest::parse(manifest.text());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->databases(), manifest.databases());
  ASSERT_NE(back->list("0000000000.cache"), nullptr);
  EXPECT_EQ(*back->list("0000000000.cache"), *manifest.list("0000000000.cache"));
  EXPECT_EQ(back->list("0100000000.cache"), nullptr);
}

// Anything the program would not have written is no manifest at all.
TEST(CacheManifest, AnythingElseIsNoManifest) {
  const std::string good = twoDatabasesOneList().text();
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty", ""},
      {"another first line", "quorix query cache 2\n"},
      {"cut inside the last line", good.substr(0, good.size() - 3)},
      {"without the last newline", good.substr(0, good.size() - 1)},
      {"an unknown word", good + "file x.cache 4 0000000000000000\n"},
      {"a missing field", good + "list 0100000000.cache 4\n"},
      {"an extra field", good + "list 0100000000.cache 4 0000000000000000 x\n"},
      {"two spaces", good + "list  0100000000.cache 4 0000000000000000\n"},
      {"a size with a sign", good + "list 0100000000.cache +4 0000000000000000\n"},
      {"a size with a leading zero", good + "list 0100000000.cache 04 0000000000000000\n"},
      {"a size beyond 64 bits", good + "list 0100000000.cache 18446744073709551616 0000000000000000\n"},
      {"a short hash", good + "list 0100000000.cache 4 000000000000000\n"},
      {"an uppercase hash", good + "list 0100000000.cache 4 000000000000000A\n"},
      {"a name with a slash", good + "list ../0100000000.cache 4 0000000000000000\n"},
      {"a list named twice", good + "list 0000000000.cache 4 0000000000000000\n"},
      {"a database named twice", good + "database hebrew.db 1 0000000000000000\n"},
      {"a blank line", good + "\n"},
  };
  for (const auto& c : cases) EXPECT_FALSE(CacheManifest::parse(c.text)) << c.what;
  EXPECT_TRUE(CacheManifest::parse("quorix query cache 1\n")) << "no databases and no lists";
}

TEST(CacheManifest, ReadsOnlyRegularFilesOfReasonableSize) {
  test::TempFolder folder;
  const CacheManifest manifest = twoDatabasesOneList();
  ASSERT_TRUE(manifest.write(folder.file("manifest")));
  const auto back = CacheManifest::read(folder.file("manifest"));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->text(), manifest.text());
  EXPECT_FALSE(CacheManifest::read(folder.file("missing")));
  EXPECT_FALSE(CacheManifest::read(folder.path())) << "a folder";
  std::string huge = manifest.text();
  while (huge.size() <= CacheManifest::kSizeLimit) huge += huge;
  test::writeBytes(folder.file("huge"), {huge.begin(), huge.end()});
  EXPECT_FALSE(CacheManifest::read(folder.file("huge")));
}

TEST(CacheManifest, MissingListsAreTakenFromAnother) {
  CacheManifest mine = twoDatabasesOneList();
  CacheManifest theirs(mine.databases());
  theirs.setList({"0000000000.cache", 8, 1});
  theirs.setList({"0100000000.cache", 12, 2});
  mine.addMissingLists(theirs);
  EXPECT_EQ(mine.list("0000000000.cache")->size, 124460u) << "a list both know keeps this one's line";
  ASSERT_NE(mine.list("0100000000.cache"), nullptr);
  EXPECT_EQ(mine.list("0100000000.cache")->hash, 2u);
}

}  // namespace
}  // namespace quorix
