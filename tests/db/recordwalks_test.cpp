#include "db/recordwalks.h"

#include <gtest/gtest.h>

#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

using test::FixtureVerb;

class Walks : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeVerbDatabase(folder.file("hebrew.db"),
                            test::recordsOf({
                                {20, 10001, "r1", {{0, "a0"}, {1, "a1"}, {51, "a51"}}, {"x"}},
                                {10, 30001, "r2", {{0, "b0"}}, {}},
                                {30, 50001, "r1", {{0, "c0"}}, {"y", "z"}},
                            }));
    verbsReader = std::make_unique<VerbDatabase>(folder.file("hebrew.db"));
    ASSERT_TRUE(verbsReader->load());
    test::writeTranslationDatabase(folder.file("russian.db"), {
                                                                  {5000, 0, 0, "head5", ""},
                                                                  {5001, 20, 1, "w", "h1"},
                                                                  {5002, 30, 0, "w", "h2"},
                                                                  {5999, 10, 0, "w", "h3"},
                                                                  {6000, 0, 0, "head6", ""},
                                                              });
    translationsReader = std::make_unique<TranslationDatabase>(folder.file("russian.db"));
    ASSERT_TRUE(translationsReader->load());
  }
  // Readers open their file when constructed, so they are made once the files exist.
  test::TempFolder folder;
  std::unique_ptr<VerbDatabase> verbsReader;
  std::unique_ptr<TranslationDatabase> translationsReader;
};

TEST_F(Walks, RecordsOfAVerbInStoredOrder) {
  std::vector<std::uint16_t> codes;
  forEachRecordOfVerb(*verbsReader, 20, [&](RecordOffset, const VerbRecord& r) {
    codes.push_back(r.formCode);
    return true;
  });
  EXPECT_EQ(codes, (std::vector<std::uint16_t>{0, 1, 51, 98, 99, 100}));
}

TEST_F(Walks, UnknownVerbVisitsNothingAndVisitorsCanStop) {
  int visited = 0;
  forEachRecordOfVerb(*verbsReader, 15, [&](RecordOffset, const VerbRecord&) { return ++visited, true; });
  forEachRecordOfVerb(*verbsReader, 99, [&](RecordOffset, const VerbRecord&) { return ++visited, true; });
  EXPECT_EQ(visited, 0);
  forEachRecordOfVerb(*verbsReader, 20, [&](RecordOffset, const VerbRecord& r) { return ++visited, r.formCode != 1; });
  EXPECT_EQ(visited, 2);
}

TEST_F(Walks, RootRecordsInFormIndexOrder) {
  std::vector<std::uint32_t> verbIds;
  forEachRecordOfForm(*verbsReader, form::kRoot, [&](RecordOffset, const VerbRecord& r) {
    verbIds.push_back(r.verbId);
    return true;
  });
  EXPECT_EQ(verbIds, (std::vector<std::uint32_t>{20, 10, 30})) << "stored order within the run";
  int visited = 0;
  forEachRecordOfForm(*verbsReader, 77, [&](RecordOffset, const VerbRecord&) { return ++visited, true; });
  EXPECT_EQ(visited, 0);
}

TEST_F(Walks, GroupOfASearchKeyRunsToTheEndOfItsThousand) {
  std::vector<std::uint32_t> keys;
  forEachRowOfGroup(*translationsReader, 5001, [&](RecordOffset, const TranslationRecord& r, bool head) {
    keys.push_back(r.russianKey);
    EXPECT_EQ(head, r.russianKey == 5000);
    return true;
  });
  EXPECT_EQ(keys, (std::vector<std::uint32_t>{5000, 5001, 5002, 5999}));
  keys.clear();
  forEachRowOfGroup(*translationsReader, 6001, [&](RecordOffset, const TranslationRecord& r, bool) {
    keys.push_back(r.russianKey);
    return true;
  });
  EXPECT_EQ(keys, (std::vector<std::uint32_t>{6000}));
}

}  // namespace
}  // namespace quorix
