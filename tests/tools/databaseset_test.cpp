#include "databaseset.h"

#include <gtest/gtest.h>

#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

#include <filesystem>

namespace quorix {
namespace {

class DatabaseFolder : public ::testing::Test {
 protected:
  void writeAll() {
    test::writeVerbDatabase(folder.file("hebrew.db"), test::recordsOf({{1, 10001, "r", {{0, "a"}}, {"t"}}}));
    test::writeTranslationDatabase(folder.file("russian.db"), {{1000, 0, 0, "w", ""}});
    test::writeRussianSearchIndex(folder.file("rusearch.db"), {{1001, 4, 0, "w"}});
  }
  test::TempFolder folder;
};

TEST_F(DatabaseFolder, LoadsAllThree) {
  writeAll();
  DatabaseSet dbs;
  std::string error;
  ASSERT_TRUE(dbs.load(folder.path(), error)) << error;
  EXPECT_EQ(dbs.verbs->recordCount(), 4u);
  EXPECT_EQ(dbs.translations->keyCount(), 1u);
  EXPECT_EQ(dbs.russianIndex->searchEntryCount(), 1u);
}

// The files are opened in order and each failure names its file; nothing stays loaded after one.
TEST_F(DatabaseFolder, AMissingFileIsNamedAndNothingStaysLoaded) {
  for (const char* missing : {"hebrew.db", "russian.db", "rusearch.db"}) {
    writeAll();
    std::filesystem::remove(folder.file(missing));
    DatabaseSet dbs;
    std::string error;
    EXPECT_FALSE(dbs.load(folder.path(), error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_FALSE(dbs.verbs || dbs.translations || dbs.russianIndex);
  }
}

TEST_F(DatabaseFolder, ADamagedFileFailsLikeAMissingOne) {
  writeAll();
  auto bytes = test::readBytes(folder.file("russian.db"));
  bytes.resize(bytes.size() - 1);
  test::writeBytes(folder.file("russian.db"), bytes);
  DatabaseSet dbs;
  std::string error;
  EXPECT_FALSE(dbs.load(folder.path(), error));
  EXPECT_NE(error.find("russian.db"), std::string::npos);
}

}  // namespace
}  // namespace quorix
