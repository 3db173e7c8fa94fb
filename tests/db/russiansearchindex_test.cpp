#include "db/russiansearchindex.h"

#include <gtest/gtest.h>

#include "db/littleendian.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

TEST(RussianSearchIndex, EntriesAreCopiedBy48ByteOffsets) {
  test::TempFolder folder;
  const std::string longest(39, '\xE0');
  test::writeRussianSearchIndex(folder.file("rusearch.db"), {{1001, 4, 0, "\xEF\xE8\xF1\xE0\xF2\xFC"},
                                                             {2003, 12, 1, longest}});
  RussianSearchIndex index(folder.file("rusearch.db"));
  ASSERT_TRUE(index.load()) << index.loadError();
  ASSERT_EQ(index.searchEntryCount(), 2u);
  EXPECT_EQ(index.blobSize(), 96u);
  RussianSearchEntry e;
  ASSERT_TRUE(index.entryAt(48, e));
  EXPECT_EQ(e.key, 2003u);
  EXPECT_EQ(e.highlightCell, 12);
  EXPECT_EQ(e.markedOnly, 1);
  EXPECT_EQ(e.word(), longest);
  ASSERT_TRUE(index.entryAt(0, e));
  EXPECT_EQ(e.word(), "\xEF\xE8\xF1\xE0\xF2\xFC");
  e.key = 77;
  EXPECT_FALSE(index.entryAt(49, e)) << "would run past the blob";
  EXPECT_FALSE(index.entryAt(kNotFoundBetween, e));
  EXPECT_EQ(e.key, 77u);
}

TEST(RussianSearchIndex, AWordFillingTheWholeFieldStopsAtTheField) {
  RussianSearchEntry e;
  std::fill(std::begin(e.text), std::end(e.text), 'a');
  EXPECT_EQ(e.word().size(), RussianSearchEntry::kTextSize);
}

TEST(RussianSearchIndex, WriterRefusesWordsThatDoNotFit) {
  std::vector<std::uint8_t> image;
  std::string error;
  EXPECT_FALSE(buildRussianSearchIndex(std::vector<SearchEntrySource>{{1, 0, 0, std::string(40, 'a')}}, image, error));
  EXPECT_NE(error.find("search entry 0"), std::string::npos);
}

TEST(RussianSearchIndex, DamagedFilesFail) {
  test::TempFolder folder;
  test::writeRussianSearchIndex(folder.file("full.db"), {{1001, 4, 0, "a"}, {2001, 4, 0, "b"}});
  const auto full = test::readBytes(folder.file("full.db"));
  for (std::size_t cut : {std::size_t{0}, std::size_t{11}, std::size_t{12}, full.size() - 1}) {
    test::writeBytes(folder.file("cut.db"), {full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)});
    RussianSearchIndex index(folder.file("cut.db"));
    EXPECT_FALSE(index.load()) << "cut at " << cut;
  }
  // The blob is exactly the entries: a count that announces more hides nothing but promises too
  // much, one that announces fewer would hide the last entries from every Russian list.
  for (std::uint32_t count : {3u, 1u, 0u}) {
    auto bytes = full;
    le::store32(bytes.data() + 4, count);
    test::writeBytes(folder.file("bad.db"), bytes);
    RussianSearchIndex index(folder.file("bad.db"));
    EXPECT_FALSE(index.load()) << count << " entries in 96 bytes";
    EXPECT_NE(index.loadError().find("does not hold exactly the " + std::to_string(count) + " search entries"),
              std::string::npos)
        << index.loadError();
  }
}

}  // namespace
}  // namespace quorix
