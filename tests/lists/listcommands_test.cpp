#include "lists/listcommands.h"

#include <gtest/gtest.h>

namespace quorix {
namespace {

struct Before {
  ListKind listKind = 0;
  FormFilter formFilter = 11;
  ListMode searchMode = 0;
  InputLanguage input = inputlanguage::kHebrew;
};

struct After {
  std::optional<ListMode> fill;
  ListKind listKind;
  FormFilter formFilter;
  ListMode searchMode;
  std::string listHeading;
  std::string filterHeading;
};

TEST(ListCommands, StateModeAndHeadingOfEachCommand) {
  const struct {
    int id;
    Before before;
    After after;
  } cases[] = {
      {149, {5, 11, 0}, {0, 0, 11, 0, "ALPHABETICAL", "f"}},
      {149, {5, 99, 1}, {1, 0, 99, 1, "ALPHABETICAL", "f"}},
      {150, {0, 21, 2}, {5, 5, 21, 2, "CURRENT BINYAN", "f"}},
      {59397, {0, 11, 0}, {6, 6, 11, 0, "TABLES BY NUMBER", "f"}},
      {152, {0, 11, 0}, {std::nullopt, 8, 11, 0, "VERBS IN ONE TABLE", "f"}},
      {164, {6, 4, 3}, {7, 7, 4, 3, "ONE BINYAN VERBS", "f"}},
      {146, {7, 99, 1}, {7, 7, 11, 0, "l", "ALL FORMS"}},
      {146, {0, 99, 1}, {0, 0, 11, 0, "l", "ALL FORMS"}},
      {146, {7, 99, 1, inputlanguage::kRussian}, {9, 7, 11, 0, "l", "ALL FORMS"}},
      {145, {0, 11, 0}, {1, 0, 99, 1, "l", "ROOT"}},
      {145, {8, 11, 0}, {8, 8, 99, 1, "l", "ROOT"}},
      {141, {0, 11, 0}, {4, 0, 0, 4, "l", "INFINITIVE"}},
      {147, {5, 11, 0}, {5, 5, 21, 2, "l", "PRESENT"}},
      {148, {0, 11, 0}, {3, 0, 4, 3, "l", "PAST"}},
      {172, {0, 21, 2, inputlanguage::kRussian}, {10, 0, 21, 10, "l", "INFINITIVE"}},
      {146, {7, 99, 1, inputlanguage::kEnglish}, {11, 7, 11, 0, "l", "ALL FORMS"}},
      {177, {0, 21, 2, inputlanguage::kEnglish}, {11, 0, 21, 11, "l", "ENGLISH MEANING"}},
  };
  for (const auto& c : cases) {
    ProgramState state;
    state.listKind = c.before.listKind;
    state.formFilter = c.before.formFilter;
    state.searchMode = c.before.searchMode;
    state.inputLanguage = c.before.input;
    state.listHeading = "l";
    state.filterHeading = "f";
    const ListCommandResult result = applyListCommand(state, c.id);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.fill, c.after.fill) << "command " << c.id;
    EXPECT_EQ(result.opensTableList, c.id == 152);
    EXPECT_EQ(state.listKind, c.after.listKind) << "command " << c.id;
    EXPECT_EQ(state.formFilter, c.after.formFilter) << "command " << c.id;
    EXPECT_EQ(state.searchMode, c.after.searchMode) << "command " << c.id;
    EXPECT_EQ(state.listHeading, c.after.listHeading) << "command " << c.id;
    EXPECT_EQ(state.filterHeading, c.after.filterHeading) << "command " << c.id;
  }
}

TEST(ListCommands, AlphabeticalTwiceUnderTheRootFilterStartsTheRootListBothTimes) {
  ProgramState state;
  applyListCommand(state, command::kByRoot);
  EXPECT_EQ(applyListCommand(state, command::kAlphabetical).fill, listmode::kRoots);
  EXPECT_EQ(applyListCommand(state, command::kAlphabetical).fill, listmode::kRoots);
  applyListCommand(state, command::kAllForms);
  EXPECT_EQ(applyListCommand(state, command::kAlphabetical).fill, listmode::kAllForms);
}

TEST(ListCommands, RussianHeadingsOnlyForTheRussianDialogLanguage) {
  ProgramState state;
  state.dialogLanguage = uilanguage::kRussian;
  applyListCommand(state, command::kTablesByNumber);
  applyListCommand(state, command::kByPresent);
  EXPECT_EQ(state.listHeading, "ПО НОМЕРАМ");
  EXPECT_EQ(state.filterHeading, "ПО НАСТ. ВР.");
  state.dialogLanguage = uilanguage::kHebrew;
  applyListCommand(state, command::kVerbsInOneTable);
  EXPECT_EQ(state.listHeading, "VERBS IN ONE TABLE");
  EXPECT_EQ(state.filterHeading, "ПО НАСТ. ВР.") << "a language change does not translate old headings";
  state.dialogLanguage = uilanguage::kRussian;
  state.inputLanguage = inputlanguage::kEnglish;
  applyListCommand(state, command::kByEnglishMeaning);
  EXPECT_EQ(state.filterHeading, "АНГЛ. ЗНАЧЕНИЕ");
}

// The English list read with another input language would decode its entries as that side's.
TEST(ListCommands, TheEnglishMeaningCommandIsForEnglishInputOnly) {
  for (InputLanguage input : {inputlanguage::kHebrew, inputlanguage::kRussian}) {
    ProgramState state;
    state.inputLanguage = input;
    EXPECT_FALSE(applyListCommand(state, command::kByEnglishMeaning).accepted) << input;
    EXPECT_EQ(state.searchMode, listmode::kAllForms);
    EXPECT_EQ(state.filterHeading, "ALL FORMS");
  }
}

TEST(ListCommands, RefusedWhileAFillRunsAndForOtherIds) {
  ProgramState state;
  state.busy = true;
  state.inputLanguage = inputlanguage::kEnglish;
  for (int id : {149, 150, 59397, 152, 164, 146, 145, 141, 147, 148, 172, 177}) {
    EXPECT_FALSE(applyListCommand(state, id).accepted) << id;
  }
  EXPECT_EQ(state.listKind, 0);
  EXPECT_EQ(state.formFilter, 11);
  EXPECT_EQ(state.listHeading, "ALPHABETICAL");
  state.busy = false;
  EXPECT_FALSE(applyListCommand(state, 153).accepted);
}

TEST(ListCommands, StatusLineBySide) {
  ProgramState state;
  EXPECT_EQ(statusLineText(state), "[ALL FORMS] [ALPHABETICAL]");
  state.inputLanguage = inputlanguage::kRussian;
  EXPECT_EQ(statusLineText(state), "[ALL FORMS]");
  state.inputLanguage = inputlanguage::kEnglish;
  EXPECT_EQ(statusLineText(state), "[ALL FORMS]");
}

}  // namespace
}  // namespace quorix
