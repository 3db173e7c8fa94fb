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
    test::writeTranslationDatabase(folder.file("english.db"),
                                   {{1000, 0, 0, "write", ""}, {1001, 1, 1, "to write", "a"}});
    test::writeRussianSearchIndex(folder.file("ensearch.db"), {{1001, 0, 0, "write"}});
  }
  test::TempFolder folder;
};

TEST_F(DatabaseFolder, LoadsAllFive) {
  writeAll();
  DatabaseSet dbs;
  std::string error;
  ASSERT_TRUE(dbs.load(folder.path(), error)) << error;
  EXPECT_EQ(dbs.verbs->recordCount(), 4u);
  EXPECT_EQ(dbs.translations->keyCount(), 1u);
  EXPECT_EQ(dbs.russianIndex->searchEntryCount(), 1u);
  EXPECT_EQ(dbs.englishTranslations->keyCount(), 2u);
  EXPECT_EQ(dbs.englishIndex->searchEntryCount(), 1u);
  const DatabaseReaders readers = dbs.readers();
  EXPECT_EQ(&readers.groupsOf(inputlanguage::kEnglish), dbs.englishTranslations.get());
  EXPECT_EQ(&readers.searchIndexOf(inputlanguage::kEnglish), dbs.englishIndex.get());
  EXPECT_EQ(&readers.groupsOf(inputlanguage::kRussian), dbs.translations.get());
  EXPECT_EQ(&readers.searchIndexOf(inputlanguage::kRussian), dbs.russianIndex.get());
}

// The files are opened in order and each failure names its file; nothing stays loaded after one.
TEST_F(DatabaseFolder, AMissingFileIsNamedAndNothingStaysLoaded) {
  for (const char* missing : {"hebrew.db", "russian.db", "rusearch.db", "english.db", "ensearch.db"}) {
    writeAll();
    std::filesystem::remove(folder.file(missing));
    DatabaseSet dbs;
    std::string error;
    EXPECT_FALSE(dbs.load(folder.path(), error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_FALSE(dbs.verbs || dbs.translations || dbs.russianIndex || dbs.englishTranslations || dbs.englishIndex);
  }
}

TEST_F(DatabaseFolder, ADamagedFileFailsLikeAMissingOne) {
  for (const char* damaged : {"russian.db", "english.db", "ensearch.db"}) {
    writeAll();
    auto bytes = test::readBytes(folder.file(damaged));
    bytes.resize(bytes.size() - 1);
    test::writeBytes(folder.file(damaged), bytes);
    DatabaseSet dbs;
    std::string error;
    EXPECT_FALSE(dbs.load(folder.path(), error));
    EXPECT_NE(error.find(damaged), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace quorix
