#include "listcommands.h"

namespace quorix {

namespace {

struct Heading {
  const char* english;
  const char* russian;
};

const char* headingFor(const ProgramState& state, const Heading& heading) {
  return state.dialogLanguage == uilanguage::kRussian ? heading.russian : heading.english;
}

// A Search command keeps a non-alphabetical list kind and filters inside it; for the alphabetical
// kind it starts its own alphabetical mode.
ListMode modeForFilter(const ProgramState& state, ListMode alphabeticalMode) {
  return state.listKind != listkind::kAlphabetical ? state.listKind : alphabeticalMode;
}

struct SearchCommand {
  int id;
  FormFilter filter;
  ListMode alphabeticalMode;
  Heading heading;
};

constexpr SearchCommand kFilterCommands[] = {
    {command::kByRoot, formfilter::kRoot, listmode::kRoots, {"ROOT", "ПО КОРНЮ"}},
    {command::kByInfinitive, formfilter::kInfinitive, listmode::kInfinitives, {"INFINITIVE", "ПО ИНФИНИТИВУ"}},
    {command::kByPresent, formfilter::kPresent, listmode::kPresent, {"PRESENT", "ПО НАСТ. ВР."}},
    {command::kByPast, formfilter::kPast, listmode::kPast, {"PAST", "ПО ПРОШ. ВР."}},
};

struct KindCommand {
  int id;
  ListKind kind;
  Heading heading;
};

constexpr KindCommand kKindCommands[] = {
    {command::kAlphabetical, listkind::kAlphabetical, {"ALPHABETICAL", "АЛФАВИТНЫЙ"}},
    {command::kTablesOfCurrentBinyan, listkind::kTablesOfBinyan, {"CURRENT BINYAN", "ТЕКУЩИЙ БИНЬЯН"}},
    {command::kTablesByNumber, listkind::kTablesByNumber, {"TABLES BY NUMBER", "ПО НОМЕРАМ"}},
    {command::kVerbsInOneTable, listkind::kVerbsOfTable, {"VERBS IN ONE TABLE", "ГЛАГ. ОДНОЙ ТАБЛ."}},
    {command::kVerbsInOneBinyan, listkind::kVerbsOfBinyan, {"ONE BINYAN VERBS", "ГЛАГ. ОДНОГО БИН."}},
};

constexpr Heading kAllFormsHeading{"ALL FORMS", "ВСЕ ФОРМЫ"};
constexpr Heading kRussianInfinitiveHeading{"INFINITIVE", "ПО ИНФИНИТИВУ"};
constexpr Heading kEnglishMeaningHeading{"ENGLISH MEANING", "АНГЛ. ЗНАЧЕНИЕ"};

// The list of "All Forms": the Russian or English words, or the current list kind on the Hebrew side.
ListMode allFormsMode(const ProgramState& state) {
  switch (state.inputLanguage.load()) {
    case inputlanguage::kRussian: return listmode::kRussianAll;
    case inputlanguage::kEnglish: return listmode::kEnglishMeanings;
    default: return state.listKind;
  }
}

}  // namespace

ListCommandResult applyListCommand(ProgramState& state, int id) {
  if (state.busy) return {};
  for (const KindCommand& c : kKindCommands) {
    if (c.id != id) continue;
    state.listKind = c.kind;
    ListCommandResult result{true, std::nullopt, false};
    if (c.kind == listkind::kAlphabetical) {
      result.fill = state.formFilter == formfilter::kAll ? listmode::kAllForms : state.searchMode;
    } else if (c.kind == listkind::kVerbsOfTable) {
      result.opensTableList = true;
    } else {
      result.fill = c.kind;
    }
    state.listHeading = headingFor(state, c.heading);
    return result;
  }
  for (const SearchCommand& c : kFilterCommands) {
    if (c.id != id) continue;
    state.formFilter = c.filter;
    const ListMode mode = modeForFilter(state, c.alphabeticalMode);
    state.searchMode = c.alphabeticalMode;
    state.filterHeading = headingFor(state, c.heading);
    return {true, mode, false};
  }
  if (id == command::kAllForms) {
    state.formFilter = formfilter::kAll;
    const ListMode mode = allFormsMode(state);
    state.searchMode = listmode::kAllForms;
    state.filterHeading = headingFor(state, kAllFormsHeading);
    return {true, mode, false};
  }
  if (id == command::kByRussianInfinitive) {
    state.searchMode = listmode::kRussianInfinitives;
    state.filterHeading = headingFor(state, kRussianInfinitiveHeading);
    return {true, listmode::kRussianInfinitives, false};
  }
  if (id == command::kByEnglishMeaning && state.inputLanguage == inputlanguage::kEnglish) {
    state.searchMode = listmode::kEnglishMeanings;
    state.filterHeading = headingFor(state, kEnglishMeaningHeading);
    return {true, listmode::kEnglishMeanings, false};
  }
  return {};
}

std::string statusLineText(const ProgramState& state) {
  std::string text = "[" + state.filterHeading + "]";
  if (state.inputLanguage == inputlanguage::kHebrew) text += " [" + state.listHeading + "]";
  return text;
}

}  // namespace quorix
