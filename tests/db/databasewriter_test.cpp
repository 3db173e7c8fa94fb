#include "db/databasewriter.h"

#include <gtest/gtest.h>

#include "db/verbdatabase.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

TEST(DatabaseWriter, TableIndexPutsTheModelVerbFirstInItsRun) {
  test::TempFolder folder;
  const auto records = test::recordsOf({
      {1, 10002, "r", {{0, "a"}}, {}},
      {2, 10001, "s", {{0, "b"}, {1, "b1"}}, {}},
      {3, 10001, "t", {{0, "c"}}, {}},
  });
  for (const auto& [models, expectedModel] :
       std::vector<std::pair<ModelVerbs, std::uint32_t>>{{{}, 2}, {{{10001, 3}}, 3}}) {
    test::writeVerbDatabase(folder.file("hebrew.db"), records, models);
    VerbDatabase db(folder.file("hebrew.db"));
    ASSERT_TRUE(db.load());
    ASSERT_EQ(db.tableIndexCount(), records.size()) << "one entry per record";
    VerbRecord r;
    ASSERT_TRUE(db.decode(db.tableIndexEntry(0).offset, r));
    EXPECT_EQ(r.tableNumber, 10001u);
    EXPECT_EQ(r.verbId, expectedModel);
    EXPECT_EQ(r.formCode, 0) << "the run starts with the model's first record";
    for (std::uint32_t i = 1; i < db.tableIndexCount(); ++i) {
      EXPECT_LE(db.tableIndexEntry(i - 1).tableNumber, db.tableIndexEntry(i).tableNumber);
    }
  }
}

TEST(DatabaseWriter, TextIndexOrdersTiesBeyondSixteenBytesByTheWholeText) {
  test::TempFolder folder;
  const std::string stem(16, 'k');
  std::vector<VerbRecordSource> records = {
      {0, 1, 1, 10001, "", stem + "z", ""}, {0, 1, 2, 10001, "", stem + "a", ""}, {0, 1, 3, 10001, "", stem, ""}};
  test::writeVerbDatabase(folder.file("hebrew.db"), records);
  VerbDatabase db(folder.file("hebrew.db"));
  ASSERT_TRUE(db.load());
  std::vector<std::uint16_t> codes;
  for (std::uint32_t i = 0; i < 3; ++i) {
    VerbRecord r;
    ASSERT_TRUE(db.decode(db.textIndexEntry(i).offset, r));
    codes.push_back(r.formCode);
  }
  EXPECT_EQ(codes, (std::vector<std::uint16_t>{3, 2, 1}));
}

TEST(DatabaseWriter, RefusesRecordsTheReadersWouldRefuse) {
  std::vector<std::uint8_t> image;
  std::string error;
  EXPECT_FALSE(buildVerbDatabase(std::vector<VerbRecordSource>{{0, 1, 0, 10001, std::string(494, 'x'), "", ""}}, {},
                                 image, error));
  EXPECT_NE(error.find("below 512"), std::string::npos);
  EXPECT_TRUE(buildVerbDatabase(std::vector<VerbRecordSource>{{0, 1, 0, 10001, std::string(492, 'x'), "", ""}}, {},
                                image, error))
      << "16 + 493 + 2 = 511 bytes fits";
  EXPECT_FALSE(buildVerbDatabase(std::vector<VerbRecordSource>{{0, 1, 0, 10001, std::string("a\0b", 3), "", ""}}, {},
                                 image, error));
  EXPECT_FALSE(buildTranslationDatabase(std::vector<TranslationRecordSource>{{1000, 0, 0, std::string(500, 'r'), ""}},
                                        image, error));
}

TEST(DatabaseWriter, WritingIntoAMissingFolderFailsWithoutLeavingFiles) {
  test::TempFolder folder;
  std::string error;
  EXPECT_FALSE(writeDatabaseImage(folder.file("absent/hebrew.db"), std::vector<std::uint8_t>{1, 2}, error));
  EXPECT_NE(error.find("absent"), std::string::npos);
}

}  // namespace
}  // namespace quorix
