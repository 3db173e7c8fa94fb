#include "db/translationdatabase.h"

#include <gtest/gtest.h>

#include <functional>

#include "db/littleendian.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

std::vector<TranslationRecordSource> groups() {
  // Given out of order: the writer stores them by key.
  return {
      {2002, 31, 0, "\xE8\xE4\xF2\xE8", "\xEC\xEC\xEB\xFA"},
      {1000, 0, 0, "\xEF\xE8\xF1\xE0\xF2\xFC", ""},
      {1001, 7, 1, "\xEF\xE8\xF1\xE0\xF2\xFC", "\xEC\xEB\xFA\xE5\xE1"},
      {2000, 0, 0, "\xE8\xE4\xF2\xE8", ""},
      {2001, 30, 1, "\xE8\xE4\xF2\xE8", "\xEC\xEC\xEB\xFA"},
  };
}

TEST(TranslationDatabase, StoresByKeyAndDecodes) {
  test::TempFolder folder;
  test::writeTranslationDatabase(folder.file("russian.db"), groups());
  TranslationDatabase db(folder.file("russian.db"));
  ASSERT_TRUE(db.load()) << db.loadError();
  ASSERT_EQ(db.keyCount(), 5u);
  const std::uint32_t keys[] = {1000, 1001, 2000, 2001, 2002};
  for (std::uint32_t i = 0; i < 5; ++i) EXPECT_EQ(db.keyIndexEntry(i).russianKey, keys[i]);
  TranslationRecord r;
  ASSERT_TRUE(db.decode(db.lookup(1001), r));
  EXPECT_EQ(r.russianKey, 1001u);
  EXPECT_EQ(r.verbId, 7u);
  EXPECT_EQ(r.marked, 1);
  EXPECT_EQ(r.russianText, "\xEF\xE8\xF1\xE0\xF2\xFC");
  EXPECT_EQ(r.hebrewText, "\xEC\xEB\xFA\xE5\xE1");
  EXPECT_EQ(db.lookup(1500), kNotFoundBetween);
  EXPECT_EQ(db.lookup(999), kNotFoundOutside);
  EXPECT_EQ(db.lookup(3000), kNotFoundOutside);
}

TEST(TranslationDatabase, TruncatedOrInconsistentFilesFail) {
  test::TempFolder folder;
  test::writeTranslationDatabase(folder.file("full.db"), groups());
  const auto full = test::readBytes(folder.file("full.db"));
  const std::size_t keyIndexEnd = TranslationDatabase::kHeaderSize + le::load32(full.data() + 12);
  for (std::size_t cut : {std::size_t{0}, std::size_t{15}, std::size_t{16}, keyIndexEnd - 1, keyIndexEnd, full.size() - 1}) {
    test::writeBytes(folder.file("cut.db"), {full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)});
    TranslationDatabase db(folder.file("cut.db"));
    EXPECT_FALSE(db.load()) << "cut at " << cut;
  }
  auto bad = full;
  le::store32(bad.data() + 4, 6);  // one key more than the index holds
  test::writeBytes(folder.file("bad.db"), bad);
  TranslationDatabase db(folder.file("bad.db"));
  EXPECT_FALSE(db.load());
}

// Sizes that agree but a key index that no longer matches its records: a group would lose its rows
// or show another's.
TEST(TranslationDatabase, AKeyIndexThatDisagreesWithItsRecordsFails) {
  test::TempFolder folder;
  test::writeTranslationDatabase(folder.file("full.db"), groups());
  const auto full = test::readBytes(folder.file("full.db"));
  constexpr std::size_t keyIndex = TranslationDatabase::kHeaderSize;
  const auto set = [](std::size_t at, std::uint32_t value) {
    return [=](std::vector<std::uint8_t>& b) { le::store32(b.data() + at, value); };
  };
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    const char* error;
  } cases[] = {
      {"last key raised from 2002 to 2003", set(keyIndex + 8 * 4, 2003),
       "key index entry 4 differs from the key of its record"},
      {"first two entries swapped",
       [](auto& b) { std::swap_ranges(b.begin() + keyIndex, b.begin() + keyIndex + 8, b.begin() + keyIndex + 8); },
       "key index entry 1 sorts below the entry before it"},
      {"an offset pointed at another group's record", set(keyIndex + 8 * 2 + 4, 0), "key index entry 2 differs"},
      {"an offset moved into a record", set(keyIndex + 8 * 1 + 4, 3), "key index entry 1 points at blob offset 3, where no record starts"},
  };
  for (const auto& c : cases) {
    auto bytes = full;
    c.damage(bytes);
    test::writeBytes(folder.file("bad.db"), bytes);
    TranslationDatabase db(folder.file("bad.db"));
    EXPECT_FALSE(db.load()) << c.what;
    EXPECT_NE(db.loadError().find(c.error), std::string::npos) << c.what << ": " << db.loadError();
  }
}

TEST(TranslationDatabase, ReservedTableIsReadAndKept) {
  test::TempFolder folder;
  test::writeTranslationDatabase(folder.file("plain.db"), groups());
  auto bytes = test::readBytes(folder.file("plain.db"));
  // Put a 5-byte reserved table in front of the key index.
  le::store32(bytes.data() + 8, 5);
  bytes.insert(bytes.begin() + 16, {9, 9, 9, 9, 9});
  test::writeBytes(folder.file("reserved.db"), bytes);
  TranslationDatabase db(folder.file("reserved.db"));
  ASSERT_TRUE(db.load());
  EXPECT_EQ(db.reservedTableSize(), 5u);
  TranslationRecord r;
  ASSERT_TRUE(db.decode(db.lookup(2002), r));
  EXPECT_EQ(r.verbId, 31u);
}

}  // namespace
}  // namespace quorix
