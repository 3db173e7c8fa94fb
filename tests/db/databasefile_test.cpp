// What the three readers share through DatabaseFile: only a regular file is opened (a FIFO, a device
// or a folder fails at once, as a missing file does), the file must end where its blob ends, and a
// loaded file has a fingerprint that changes with any byte.
#include "db/databasefile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "db/russiansearchindex.h"
#include "db/translationdatabase.h"
#include "db/verbdatabase.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

struct LoadResult {
  bool loaded = false;
  std::string error;
  FileFingerprint fingerprint;
};

template <typename Reader>
LoadResult loadAs(const std::string& path) {
  Reader reader(path);
  const bool loaded = reader.load();
  return {loaded, reader.loadError(), reader.fingerprint()};
}

// One reader per file name, each written with a little content.
struct Format {
  const char* name;
  std::function<void(const std::string&)> write;
  std::function<LoadResult(const std::string&)> load;
};

std::vector<Format> formats() {
  return {
      {"hebrew.db",
       [](const std::string& path) {
         test::writeVerbDatabase(path, test::recordsOf({{1, 10001, "r", {{0, "a"}, {4, "b"}}, {"t"}}}));
       },
       loadAs<VerbDatabase>},
      {"russian.db",
       [](const std::string& path) { test::writeTranslationDatabase(path, {{1000, 0, 0, "w", ""}, {1001, 1, 1, "w", "a"}}); },
       loadAs<TranslationDatabase>},
      {"rusearch.db", [](const std::string& path) { test::writeRussianSearchIndex(path, {{1001, 4, 0, "w"}}); },
       loadAs<RussianSearchIndex>},
  };
}

TEST(DatabaseFile, AnythingButARegularFileFailsAtOnce) {
  const struct {
    const char* what;
    std::function<void(const std::string&)> make;
    const char* message;
  } kinds[] = {
      {"missing", [](const std::string&) {}, "cannot open"},
      {"FIFO", [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); }, "not a regular file"},
      {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, "not a regular file"},
      {"device", [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }, "not a regular file"},
  };
  for (const Format& format : formats()) {
    for (const auto& kind : kinds) {
      test::TempFolder folder;
      const std::string path = folder.file(format.name);
      kind.make(path);
      const auto start = std::chrono::steady_clock::now();
      const LoadResult result = format.load(path);
      EXPECT_FALSE(result.loaded) << format.name << " as " << kind.what;
      EXPECT_EQ(result.error, path + ": " + kind.message + (kind.message[0] == 'c' ? ": No such file or directory" : ""))
          << format.name << " as " << kind.what;
      EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1)) << format.name << " as " << kind.what;
    }
  }
}

// A blob that ends before the file does hides whatever follows it; a blob that runs past the file's
// end announces bytes that are not there. Both are refused, for every format.
TEST(DatabaseFile, TheFileEndsWhereItsBlobEnds) {
  for (const Format& format : formats()) {
    test::TempFolder folder;
    const std::string path = folder.file(format.name);
    format.write(path);
    const std::vector<std::uint8_t> full = test::readBytes(path);
    ASSERT_TRUE(format.load(path).loaded) << format.name;

    std::vector<std::uint8_t> longer = full;
    longer.push_back(0);
    test::writeBytes(path, longer);
    const LoadResult trailing = format.load(path);
    EXPECT_FALSE(trailing.loaded) << format.name;
    EXPECT_EQ(trailing.error, path + ": 1 bytes follow the blob that the header announces");

    test::writeBytes(path, {full.begin(), full.end() - 1});
    const LoadResult cut = format.load(path);
    EXPECT_FALSE(cut.loaded) << format.name;
    EXPECT_NE(cut.error.find("the blob announces"), std::string::npos) << cut.error;
  }
}

TEST(DatabaseFile, TheFingerprintNamesTheFileAndChangesWithAnyByte) {
  for (const Format& format : formats()) {
    test::TempFolder folder;
    const std::string path = folder.file(format.name);
    format.write(path);
    const LoadResult first = format.load(path);
    ASSERT_TRUE(first.loaded) << first.error;
    EXPECT_EQ(first.fingerprint.name, format.name);
    EXPECT_EQ(first.fingerprint.size, std::filesystem::file_size(path));
    EXPECT_EQ(format.load(path).fingerprint, first.fingerprint) << "the same bytes, the same fingerprint";

    // The last byte is text in every format: the file still loads, with another hash.
    std::vector<std::uint8_t> bytes = test::readBytes(path);
    bytes[bytes.size() - 2] ^= 0x01;
    test::writeBytes(path, bytes);
    const LoadResult changed = format.load(path);
    ASSERT_TRUE(changed.loaded) << format.name << ": " << changed.error;
    EXPECT_EQ(changed.fingerprint.size, first.fingerprint.size);
    EXPECT_NE(changed.fingerprint.hash, first.fingerprint.hash) << format.name;
  }
}

}  // namespace
}  // namespace quorix
