#pragma once
// The words quorix-cli uses for the program's numbers: list modes, form filters, binyans and the
// sides of the databases. Each table is the one place a name is defined; the help texts, the man
// page's lists and the argument checks all read them, so a new mode or side is one more row.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "db/codepages.h"
#include "lists/listmode.h"
#include "lists/programstate.h"

namespace quorix {

// A side of the databases: the language whose words a list shows and a page is built for.
struct SideName {
  std::string_view name;  // as --side takes it
  InputLanguage language;
  CodePage codePage;  // of the words of its lists
  std::string_view title;
  std::string_view searchFile;  // whose entries its list modes list; empty for Hebrew
};
// English meanings are plain ASCII, which code page 1251 holds unchanged (and anything else a user
// types becomes '?' on the way to the search, as in the program's box).
inline constexpr SideName kSides[] = {
    {"he", inputlanguage::kHebrew, CodePage::Hebrew1255, "Hebrew (hebrew.db)", ""},
    {"ru", inputlanguage::kRussian, CodePage::Russian1251, "Russian (rusearch.db, russian.db)", "rusearch.db"},
    {"en", inputlanguage::kEnglish, CodePage::Russian1251, "English (ensearch.db, english.db)", "ensearch.db"},
};

// A list mode with the settings of the program's state that its fill reads.
struct ListModeName {
  ListMode mode;
  std::string_view name;
  std::string_view lists;
  bool usesBinyan;  // currentBinyan
  bool usesTable;   // currentTable
  bool usesFilter;  // formFilter

  InputLanguage side() const { return inputLanguageOfMode(mode); }
};
inline constexpr ListModeName kListModes[] = {
    {listmode::kAllForms, "all-forms", "every form of every verb, alphabetical", false, false, false},
    {listmode::kRoots, "roots", "the roots, alphabetical", false, false, false},
    {listmode::kPresent, "present", "the present forms (masculine singular), alphabetical", false, false, false},
    {listmode::kPast, "past", "the past forms (he), alphabetical", false, false, false},
    {listmode::kInfinitives, "infinitives", "the infinitives, alphabetical", false, false, false},
    {listmode::kTablesOfBinyan, "tables-of-binyan", "the model verb of each table of one binyan", true, false, true},
    {listmode::kTablesByNumber, "tables-by-number", "the model verb of each table, by table number", false, false,
     true},
    {listmode::kVerbsOfBinyan, "verbs-of-binyan", "the verbs of one binyan, alphabetical", true, false, true},
    {listmode::kVerbsOfTable, "verbs-of-table", "the verbs of one conjugation table, alphabetical", false, true,
     true},
    {listmode::kRussianAll, "russian", "every Russian word", false, false, false},
    {listmode::kRussianInfinitives, "russian-infinitives", "the Russian infinitives", false, false, false},
    {listmode::kEnglishMeanings, "english", "every English meaning", false, false, false},
};

struct FormFilterName {
  FormFilter filter;
  std::string_view name;
};
inline constexpr FormFilterName kFormFilters[] = {
    {formfilter::kAll, "all"},         {formfilter::kRoot, "root"}, {formfilter::kInfinitive, "infinitive"},
    {formfilter::kPresent, "present"}, {formfilter::kPast, "past"},
};

// Binyan 1 to 7 in Latin letters, as a reader of English grammars knows them.
inline constexpr std::string_view kBinyanLatinNames[] = {"pa'al",  "nif'al", "pi'el",   "pu'al",
                                                         "hif'il", "huf'al", "hitpa'el"};
inline constexpr std::uint32_t kFirstBinyan = 1;
inline constexpr std::uint32_t kLastBinyan = 7;

// By name or by number; none for anything else.
const ListModeName* findListMode(std::string_view nameOrNumber);
std::optional<FormFilter> findFormFilter(std::string_view nameOrNumber);
const SideName* findSide(std::string_view name);
const SideName& sideOf(InputLanguage language);
// The first list mode of a side (all-forms, russian, english).
const ListModeName& listModeOf(InputLanguage side);

// "pa'al" for 1; empty outside 1 to 7.
std::string_view binyanLatinName(std::uint32_t binyan);

// For the help texts: one line per mode ("   0 all-forms             every form ...") or per side
// (INDENT "he  Hebrew (hebrew.db)"), or a list in one line ("all (11), root (99), ...").
std::string listModeTable();
std::string formFilterList();
std::string binyanList();
std::string sideTable(std::string_view indent);

}  // namespace quorix
