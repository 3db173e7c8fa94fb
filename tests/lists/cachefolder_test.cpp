#include "lists/cachefolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "support/tempfolder.h"

namespace quorix {
namespace {

TEST(UserCacheHome, FollowsTheXdgRule) {
  const struct {
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/x/cache", "/home/u", "/x/cache"},
      {nullptr, "/home/u", "/home/u/.cache"},
      {nullptr, "/home/u/", "/home/u/.cache"},
      {"relative/cache", "/home/u", "/home/u/.cache"},  // a relative value is invalid
      {"", "/home/u", "/home/u/.cache"},
      {nullptr, "", ""},
      {nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(userCacheHome(c.xdg, c.home), c.expected)
        << (c.xdg ? c.xdg : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(DatabaseStamp, ChangesWithTheDatabaseFilesOnly) {
  test::TempFolder folder;
  writeFile(folder.file("hebrew.db"), "abc");
  writeFile(folder.file("russian.db"), "de");
  const std::string first = databaseStamp(folder.path());
  EXPECT_EQ(first.size(), 16u);
  EXPECT_EQ(databaseStamp(folder.path()), first);
  EXPECT_EQ(databaseStamp(folder.path() + "/"), first);

  writeFile(folder.file("welcome.htm"), "not a database");
  EXPECT_EQ(databaseStamp(folder.path()), first) << "only *.db files count";

  writeFile(folder.file("russian.db"), "def");
  const std::string resized = databaseStamp(folder.path());
  EXPECT_NE(resized, first);

  // Same size, rewritten later: a new version of the file.
  const auto time = std::filesystem::last_write_time(folder.file("hebrew.db"));
  std::filesystem::last_write_time(folder.file("hebrew.db"), time + std::chrono::seconds(5));
  EXPECT_NE(databaseStamp(folder.path()), resized);

  writeFile(folder.file("english.db"), "");
  EXPECT_NE(databaseStamp(folder.path()), resized) << "a database added to the folder";
}

// The environment of the user whose cache folder the program uses, restored afterwards.
class CacheFolderChoice : public ::testing::Test {
 protected:
  void SetUp() override {
    saveVariable("XDG_CACHE_HOME", savedXdg_);
    saveVariable("HOME", savedHome_);
    setenv("XDG_CACHE_HOME", userCache.path().c_str(), 1);
    writeFile(program.file("hebrew.db"), "abc");
  }
  void TearDown() override {
    restoreVariable("XDG_CACHE_HOME", savedXdg_);
    restoreVariable("HOME", savedHome_);
  }

  test::TempFolder program;
  test::TempFolder userCache;

 private:
  static void saveVariable(const char* name, std::optional<std::string>& saved) {
    if (const char* value = std::getenv(name)) saved = value;
  }
  static void restoreVariable(const char* name, const std::optional<std::string>& saved) {
    if (saved) {
      setenv(name, saved->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  std::optional<std::string> savedXdg_;
  std::optional<std::string> savedHome_;
};

TEST_F(CacheFolderChoice, ACopyInAWritableFolderKeepsItsListsBesideItself) {
  EXPECT_EQ(queryCacheFolder(program.path()), program.path() + "/query cache");
  EXPECT_EQ(queryCacheFolder(program.path() + "/"), program.path() + "/query cache");
  EXPECT_EQ(queryCacheFolder(""), "query cache");
}

TEST_F(CacheFolderChoice, AnInstalledCopyKeepsThemPerUserAndPerDatabaseVersion) {
  writeFile(program.file(std::string(kInstalledCopyMarker)), "");
  const std::string expected = userCache.path() + "/quorix/query cache/" + databaseStamp(program.path());
  EXPECT_EQ(queryCacheFolder(program.path()), expected);
  EXPECT_EQ(queryCacheFolder(program.path() + "/"), expected);

  unsetenv("XDG_CACHE_HOME");
  setenv("HOME", userCache.path().c_str(), 1);
  EXPECT_EQ(queryCacheFolder(program.path()),
            userCache.path() + "/.cache/quorix/query cache/" + databaseStamp(program.path()));

  // Without a cache folder of the user the lists stay beside the program; if that folder cannot
  // be written, every fill scans, as with any cache folder that cannot be made.
  unsetenv("HOME");
  EXPECT_EQ(queryCacheFolder(program.path()), program.path() + "/query cache");
}

TEST_F(CacheFolderChoice, AFolderThatCannotBeWrittenIsTreatedAsInstalled) {
  const std::string missing = program.file("no-such-folder");
  EXPECT_EQ(queryCacheFolder(missing), userCache.path() + "/quorix/query cache/" + databaseStamp(missing));
}

}  // namespace
}  // namespace quorix
