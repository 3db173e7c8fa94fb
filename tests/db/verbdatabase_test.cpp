#include "db/verbdatabase.h"

#include <gtest/gtest.h>

#include <functional>

#include "db/littleendian.h"
#include "db/recorddecoding.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

using test::FixtureVerb;
using test::TempFolder;

// Two verbs of the same root in two binyans, with Hebrew forms and a Russian translation row.
std::vector<FixtureVerb> twoVerbs() {
  return {
      {7, 10001, "\xEB\xFA\xE1", {{0, "\xEC\xEB\xFA\xE5\xE1"}, {1, "\xEB\xFA\xE1\xFA\xE9"}, {21, "\xEB\xE5\xFA\xE1"}},
       {"\xEF\xE8\xF1\xE0\xF2\xFC", "to write"}},
      {3, 50001, "\xEB\xFA\xE1", {{0, "\xEC\xE4\xEB\xFA\xE9\xE1"}, {4, "\xE4\xEB\xFA\xE9\xE1"}}, {"to dictate"}},
  };
}

class LoadedFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeVerbDatabase(folder.file("hebrew.db"), test::recordsOf(twoVerbs()));
    // The reader opens its file when it is constructed, so it is made once the file exists.
    reader = std::make_unique<VerbDatabase>(folder.file("hebrew.db"));
    ASSERT_TRUE(reader->load()) << reader->loadError();
  }
  TempFolder folder;
  std::unique_ptr<VerbDatabase> reader;
  const VerbDatabase& db() const { return *reader; }
};

TEST_F(LoadedFixture, DecodesEveryRecordTheWriterStored) {
  const auto records = test::recordsOf(twoVerbs());
  ASSERT_EQ(db().recordCount(), records.size());
  RecordOffset offset = 0;
  for (const VerbRecordSource& expected : records) {
    VerbRecord r;
    ASSERT_TRUE(db().decode(offset, r));
    EXPECT_EQ(r.verbId, expected.verbId);
    EXPECT_EQ(r.formCode, expected.formCode);
    EXPECT_EQ(r.tableNumber, expected.tableNumber);
    EXPECT_EQ(r.formText, expected.formText);
    EXPECT_EQ(r.listText, expected.listText);
    EXPECT_EQ(r.translationText, expected.translationText);
    EXPECT_GE(reinterpret_cast<const std::uint8_t*>(r.listText.data()), db().blob()) << "views point into the blob";
    offset += r.length;
  }
  EXPECT_EQ(offset, db().blobSize());
}

TEST_F(LoadedFixture, NumericLookupsFindTheFirstOfARun) {
  std::uint32_t index = 99;
  const RecordOffset first = db().lookup(IndexKind::ByVerbId, 7, &index);
  VerbRecord r;
  ASSERT_TRUE(db().decode(first, r));
  EXPECT_EQ(r.verbId, 7u);
  EXPECT_EQ(r.formCode, 0) << "the verb index run starts at the verb's first record";
  EXPECT_EQ(db().verbIndexEntry(index).verbId, 7u);
  ASSERT_TRUE(index == 0 || db().verbIndexEntry(index - 1).verbId != 7u);

  index = 99;
  ASSERT_TRUE(db().decode(db().lookup(IndexKind::ByFormCode, form::kRoot, &index), r));
  EXPECT_EQ(r.formCode, form::kRoot);
  EXPECT_EQ(db().formIndexEntry(index).formCode, form::kRoot);
  EXPECT_NE(db().formIndexEntry(index - 1).formCode, form::kRoot);

  ASSERT_TRUE(db().decode(db().lookup(IndexKind::ByTableNumber, 50001), r));
  EXPECT_EQ(r.verbId, 3u);
}

TEST_F(LoadedFixture, NotFoundLeavesTheIndexAlone) {
  std::uint32_t index = 42;
  EXPECT_EQ(db().lookup(IndexKind::ByVerbId, 5, &index), kNotFoundBetween);
  EXPECT_EQ(db().lookup(IndexKind::ByVerbId, 1, &index), kNotFoundOutside);
  EXPECT_EQ(db().lookup(IndexKind::ByFormCode, 65536, &index), kNotFoundOutside) << "above every 16-bit code";
  EXPECT_EQ(db().lookup(IndexKind::ByFormCode, 65536 + 21, &index), kNotFoundOutside) << "no truncation to 16 bits";
  EXPECT_EQ(index, 42u);
}

TEST(VerbDatabaseText, PrefixLookups) {
  TempFolder folder;
  std::vector<VerbRecordSource> records;
  for (const char* text : {"abz", "ab", "b", "abc", "a", "abcdefghijklmnopqrs"}) {
    records.push_back({0, 1, 1, 10001, text, text, ""});
  }
  test::writeVerbDatabase(folder.file("hebrew.db"), records);
  VerbDatabase db(folder.file("hebrew.db"));
  ASSERT_TRUE(db.load());
  // Sorted: a, ab, abc, abcdefghijklmnop (16-byte key), abz, b
  ASSERT_EQ(db.textIndexEntry(0).text, "a");
  ASSERT_EQ(db.textIndexEntry(3).text, "abcdefghijklmnop") << "keys are cut to 16 bytes";
  const struct {
    const char* prefix;
    bool found;
    std::uint32_t index;
  } cases[] = {
      {"", true, 0},     {"ab", true, 1},   {"abc", true, 2},  {"abd", false, 0},
      {"b", true, 5},    {"c", false, 0},   {"abcdefghijklmnop", true, 3},
      {"abcdefghijklmnopq", false, 0},  // longer than any stored key
  };
  for (const auto& c : cases) {
    std::uint32_t index = 77;
    const RecordOffset offset = db.lookupText(c.prefix, &index);
    if (c.found) {
      EXPECT_EQ(index, c.index) << c.prefix;
      EXPECT_EQ(offset, db.textIndexEntry(c.index).offset);
    } else {
      EXPECT_EQ(index, 77u) << c.prefix;
    }
  }
}

TEST(VerbDatabaseText, TextIndexSortsByUnsignedBytes) {
  TempFolder folder;
  std::vector<VerbRecordSource> records;
  for (const char* text : {"\xE0", "z", "\x80", "A"}) records.push_back({0, 1, 1, 10001, text, text, ""});
  test::writeVerbDatabase(folder.file("hebrew.db"), records);
  VerbDatabase db(folder.file("hebrew.db"));
  ASSERT_TRUE(db.load());
  EXPECT_EQ(db.textIndexEntry(0).text, "A");
  EXPECT_EQ(db.textIndexEntry(1).text, "z");
  EXPECT_EQ(db.textIndexEntry(2).text, "\x80");
  EXPECT_EQ(db.textIndexEntry(3).text, "\xE0");
}

TEST(VerbDatabaseFile, AllCountsZeroLoadsAndFindsNothing) {
  TempFolder folder;
  test::writeVerbDatabase(folder.file("hebrew.db"), {});
  VerbDatabase db(folder.file("hebrew.db"));
  ASSERT_TRUE(db.load());
  EXPECT_EQ(db.recordCount(), 0u);
  EXPECT_EQ(db.blobSize(), 0u);
  std::uint32_t index = 5;
  for (IndexKind kind : {IndexKind::ByVerbId, IndexKind::ByFormCode, IndexKind::ByTableNumber}) {
    EXPECT_EQ(db.lookup(kind, 1, &index), 0u);
  }
  EXPECT_EQ(db.lookupText("", &index), 0u);
  EXPECT_EQ(index, 5u);
  VerbRecord r;
  EXPECT_FALSE(db.decode(0, r));
}

TEST(VerbDatabaseFile, MissingFileFailsToLoad) {
  TempFolder folder;
  VerbDatabase db(folder.file("hebrew.db"));
  EXPECT_FALSE(db.load());
  EXPECT_NE(db.loadError().find("cannot open"), std::string::npos);
}

// A file cut anywhere, in particular at every section boundary and one byte either side, fails to
// load instead of leaving part of a table unread; so does a file with bytes after the blob.
TEST(VerbDatabaseFile, TruncatedFilesFailToLoad) {
  TempFolder folder;
  test::writeVerbDatabase(folder.file("full.db"), test::recordsOf(twoVerbs()));
  const std::vector<std::uint8_t> full = test::readBytes(folder.file("full.db"));
  std::vector<std::size_t> cuts = {0, 1, 4, 23};
  std::size_t boundary = VerbDatabase::kHeaderSize;
  for (std::size_t word = 2; word <= 5; ++word) {
    cuts.push_back(boundary);
    cuts.push_back(boundary + 1);
    cuts.push_back(boundary - 1);
    boundary += le::load32(full.data() + 4 * word);
  }
  cuts.push_back(boundary);  // the blob starts here
  cuts.push_back(boundary + 1);
  cuts.push_back(full.size() - 1);
  for (std::size_t cut : cuts) {
    test::writeBytes(folder.file("cut.db"), {full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)});
    VerbDatabase db(folder.file("cut.db"));
    EXPECT_FALSE(db.load()) << "cut at " << cut << " of " << full.size();
    EXPECT_FALSE(db.loadError().empty());
  }
  std::vector<std::uint8_t> longer = full;
  longer.insert(longer.end(), {1, 2, 3});
  test::writeBytes(folder.file("long.db"), longer);
  VerbDatabase db(folder.file("long.db"));
  EXPECT_FALSE(db.load()) << "bytes behind the blob would be records no list shows";
}

// Damage that leaves every size consistent: the records and the indexes must still agree, or the
// lists would lose rows or show a neighbour's. Each case is refused with the reason.
TEST(VerbDatabaseShape, IndexesAndRecordsThatDisagreeFailToLoad) {
  TempFolder folder;
  test::writeVerbDatabase(folder.file("full.db"), test::recordsOf(twoVerbs()));
  const std::vector<std::uint8_t> full = test::readBytes(folder.file("full.db"));
  const auto word = [&](std::size_t i) { return le::load32(full.data() + 4 * i); };
  const std::size_t verbIndex = VerbDatabase::kHeaderSize;
  const std::size_t formIndex = verbIndex + word(2);
  const std::size_t tableIndex = formIndex + word(3);
  const std::size_t textIndex = tableIndex + word(4);
  const std::size_t blob = textIndex + word(5);
  const std::uint32_t records = word(1);
  ASSERT_EQ(records, 12u);
  // Stored blob bytes are scrambled; XORing a stored byte with (old ^ new) stores `new` all the same.
  const auto setBlobByte = [&](std::vector<std::uint8_t>& bytes, std::size_t at, std::uint8_t old, std::uint8_t now) {
    bytes[blob + at] ^= static_cast<std::uint8_t>(old ^ now);
  };
  VerbRecord first;
  {
    VerbDatabase db(folder.file("full.db"));
    ASSERT_TRUE(db.load());
    ASSERT_TRUE(db.decode(0, first));
    ASSERT_EQ(first.verbId, 7u);
  }
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    const char* error;
  } cases[] = {
      {"blobSize lowered by the last record's 30 bytes",
       [&](auto& b) { le::store32(b.data(), word(0) - 30); }, "30 bytes follow the blob"},
      {"first verb index key lowered from 3 to 2", [&](auto& b) { b[verbIndex] = 2; },
       "verb index entry 0 differs from the key of its record"},
      {"last form index key raised from 101 to 102", [&](auto& b) { b[formIndex + 6 * (records - 1)] = 102; },
       "form index entry 11 differs"},
      {"last table index key raised from 50001 to 50002",
       [&](auto& b) { le::store32(b.data() + tableIndex + 8 * (records - 1), 50002); }, "table index entry 11 differs"},
      {"last text index key changed in its first byte", [&](auto& b) { ++b[textIndex + 20 * (records - 1)]; },
       "text index entry 11 differs"},
      {"verb index offset moved into its record", [&](auto& b) { ++b[verbIndex + 4]; },
       "verb index entry 0 points at blob offset 187, where no record starts"},
      {"verb index entries 4 and 5 swapped",
       [&](auto& b) { std::swap_ranges(b.begin() + verbIndex + 32, b.begin() + verbIndex + 40, b.begin() + verbIndex + 40); },
       "verb index entry 5 sorts below the entry before it"},
      {"first record's verbId changed from 7 to 8", [&](auto& b) { setBlobByte(b, 6, 7, 8); },
       "verb index entry 5 differs from the key of its record at blob offset 0"},
      {"first record's length one more", [&](auto& b) {
         setBlobByte(b, 0, static_cast<std::uint8_t>(first.length), static_cast<std::uint8_t>(first.length + 1));
       }, "the record at blob offset " },
      {"first record's length one less", [&](auto& b) {
         setBlobByte(b, 0, static_cast<std::uint8_t>(first.length), static_cast<std::uint8_t>(first.length - 1));
       }, "the texts of the record at blob offset 0 run past its length"},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes = full;
    c.damage(bytes);
    test::writeBytes(folder.file("bad.db"), bytes);
    VerbDatabase db(folder.file("bad.db"));
    EXPECT_FALSE(db.load()) << c.what;
    EXPECT_NE(db.loadError().find(c.error), std::string::npos) << c.what << ": " << db.loadError();
  }
}

TEST(VerbDatabaseFile, DamagedHeadersFailToLoad) {
  TempFolder folder;
  test::writeVerbDatabase(folder.file("full.db"), test::recordsOf(twoVerbs()));
  const std::vector<std::uint8_t> full = test::readBytes(folder.file("full.db"));
  const struct {
    std::size_t word;
    std::uint32_t value;
    const char* why;
  } damages[] = {
      {0, 0xFFFFFFF0u, "blob larger than memory or file"},
      {2, 0x7FFFFFF8u, "verb index larger than the file"},
      {1, 0xFFFFFFFFu, "record count disagrees with the index sizes"},
      {3, le::load32(full.data() + 12) - 6, "form index one entry short"},
      {4, le::load32(full.data() + 16) - 4, "table index not made of whole entries"},
  };
  for (const auto& d : damages) {
    std::vector<std::uint8_t> bytes = full;
    le::store32(bytes.data() + 4 * d.word, d.value);
    test::writeBytes(folder.file("bad.db"), bytes);
    VerbDatabase db(folder.file("bad.db"));
    EXPECT_FALSE(db.load()) << d.why;
  }
}

// Records written by hand into a blob, to reach lengths and strings the writer never makes (and
// that a file's load refuses, see DamagedFiles).
class RawBlob : public ::testing::Test {
 protected:
  bool decodeBlob(std::vector<std::uint8_t> blob, RecordOffset offset, VerbRecord& record) {
    blob_ = std::move(blob);
    return decodeVerbRecord(blob_, offset, record);
  }
  static std::vector<std::uint8_t> record(std::uint16_t length, std::size_t padTo) {
    std::vector<std::uint8_t> r(std::max<std::size_t>(padTo, 19), 0);
    le::store16(r.data(), length);
    le::store32(r.data() + 6, 9);
    le::store16(r.data() + 10, 21);
    r[16] = 'f';
    return r;
  }

 private:
  std::vector<std::uint8_t> blob_;  // the texts of a decoded record point into it
};

TEST_F(RawBlob, LengthLimitIs512) {
  VerbRecord r;
  ASSERT_TRUE(decodeBlob(record(511, 511), 0, r));
  EXPECT_EQ(r.length, 511);
  EXPECT_EQ(r.formText, "f");
  r.verbId = 1234;
  EXPECT_FALSE(decodeBlob(record(512, 512), 0, r));
  EXPECT_EQ(r.length, 512) << "the length is read before it is refused";
  EXPECT_EQ(r.verbId, 1234u) << "other fields keep their values";
}

TEST_F(RawBlob, LengthsTooShortForARecordAreRefused) {
  VerbRecord r;
  EXPECT_FALSE(decodeBlob(record(0, 40), 0, r)) << "a zero length would stall every walk";
  EXPECT_FALSE(decodeBlob(record(18, 40), 0, r));
  EXPECT_TRUE(decodeBlob(record(19, 40), 0, r));
}

TEST_F(RawBlob, OffsetsAndStringsOutsideTheBlobFail) {
  VerbRecord r;
  r.verbId = 55;
  EXPECT_FALSE(decodeBlob(record(19, 19), 4, r)) << "header runs past the end";
  EXPECT_EQ(r.verbId, 55u);
  EXPECT_FALSE(decodeBlob(record(19, 19), kNotFoundBetween, r));
  std::vector<std::uint8_t> unterminated = record(19, 19);
  std::fill(unterminated.begin() + 16, unterminated.end(), 'x');
  EXPECT_FALSE(decodeBlob(unterminated, 0, r)) << "formText without NUL before the end";
  std::vector<std::uint8_t> noTranslation = record(19, 19);
  noTranslation[18] = 'x';
  EXPECT_FALSE(decodeBlob(noTranslation, 0, r)) << "translationText runs past the end";
}

}  // namespace
}  // namespace quorix
