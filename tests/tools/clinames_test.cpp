#include "clinames.h"

#include <gtest/gtest.h>

#include <set>

namespace quorix {
namespace {

// Every mode is reachable by its name and by its number, and no two rows share either.
TEST(ListModeNames, EachModeOnceByNameAndNumber) {
  std::set<ListMode> numbers;
  std::set<std::string_view> names;
  for (const ListModeName& mode : kListModes) {
    EXPECT_TRUE(numbers.insert(mode.mode).second) << mode.mode;
    EXPECT_TRUE(names.insert(mode.name).second) << mode.name;
    EXPECT_EQ(findListMode(mode.name), &mode);
    EXPECT_EQ(findListMode(std::to_string(mode.mode)), &mode);
  }
  EXPECT_EQ(numbers.size(), std::size(kListModes));
  for (const char* unknown : {"", "12", "-1", "Infinitives", "infinitive", "4x", " 4"}) {
    EXPECT_EQ(findListMode(unknown), nullptr) << unknown;
  }
}

// The settings a mode reads are those its fill reads from the program's state.
TEST(ListModeNames, ModesNameWhatTheirFillReads) {
  const struct {
    const char* name;
    ListMode mode;
    bool binyan, table, filter;
    InputLanguage side;
  } cases[] = {
      {"infinitives", listmode::kInfinitives, false, false, false, inputlanguage::kHebrew},
      {"tables-of-binyan", listmode::kTablesOfBinyan, true, false, true, inputlanguage::kHebrew},
      {"tables-by-number", listmode::kTablesByNumber, false, false, true, inputlanguage::kHebrew},
      {"verbs-of-binyan", listmode::kVerbsOfBinyan, true, false, true, inputlanguage::kHebrew},
      {"verbs-of-table", listmode::kVerbsOfTable, false, true, true, inputlanguage::kHebrew},
      {"russian-infinitives", listmode::kRussianInfinitives, false, false, false, inputlanguage::kRussian},
      {"english", listmode::kEnglishMeanings, false, false, false, inputlanguage::kEnglish},
  };
  for (const auto& c : cases) {
    const ListModeName* mode = findListMode(c.name);
    ASSERT_NE(mode, nullptr) << c.name;
    EXPECT_EQ(mode->mode, c.mode);
    EXPECT_EQ(mode->usesBinyan, c.binyan) << c.name;
    EXPECT_EQ(mode->usesTable, c.table) << c.name;
    EXPECT_EQ(mode->usesFilter, c.filter) << c.name;
    EXPECT_EQ(mode->side(), c.side) << c.name;
  }
}

TEST(FormFilterNames, ByNameOrNumber) {
  const struct {
    const char* text;
    std::optional<FormFilter> filter;
  } cases[] = {{"all", formfilter::kAll},
               {"11", formfilter::kAll},
               {"root", formfilter::kRoot},
               {"99", formfilter::kRoot},
               {"infinitive", formfilter::kInfinitive},
               {"0", formfilter::kInfinitive},
               {"present", formfilter::kPresent},
               {"21", formfilter::kPresent},
               {"past", formfilter::kPast},
               {"4", formfilter::kPast},
               {"7", std::nullopt},
               {"roots", std::nullopt},
               {"", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(findFormFilter(c.text), c.filter) << c.text;
  for (const FormFilterName& filter : kFormFilters) EXPECT_TRUE(isKnownFormFilter(filter.filter)) << filter.name;
}

// Every side has its name and a list mode.
TEST(SideNames, EachLanguageHasOneNameAndItsList) {
  for (const SideName& side : kSides) {
    EXPECT_EQ(findSide(side.name), &side);
    EXPECT_EQ(&sideOf(side.language), &side);
    EXPECT_EQ(listModeOf(side.language).side(), side.language) << side.name;
  }
  EXPECT_EQ(listModeOf(inputlanguage::kEnglish).mode, listmode::kEnglishMeanings);
  EXPECT_EQ(listModeOf(inputlanguage::kRussian).mode, listmode::kRussianAll);
  EXPECT_EQ(findSide("fr"), nullptr);
  EXPECT_EQ(binyanLatinName(3), "pi'el");
  EXPECT_EQ(binyanLatinName(0), "");
  EXPECT_EQ(binyanLatinName(8), "");
}

}  // namespace
}  // namespace quorix
