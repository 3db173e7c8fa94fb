// quorix-cli page: the page the page pane receives for one list entry, as HTML or as text.

#include <algorithm>
#include <ostream>

#include "clicommands.h"
#include "climain.h"
#include "clinames.h"
#include "coresession.h"
#include "db/recordwalks.h"
#include "pagetext.h"

namespace quorix {

namespace {

struct UiName {
  std::string_view name;
  UiLanguage language;
};
constexpr UiName kUiLanguages[] = {
    {"en", uilanguage::kEnglish}, {"ru", uilanguage::kRussian}, {"he", uilanguage::kHebrew}};
constexpr std::string_view kFonts[] = {"ar", "tm", "dv", "mr"};
constexpr std::string_view kPageOptions[] = {"db-dir", "side", "ui", "font", "search-mode", "text"};

// "--NAME is one of a b c, not 'x'".
template <typename Row, typename Name>
std::string choices(std::string_view option, std::span<const Row> rows, Name name, const std::string& given) {
  std::string error = "--" + std::string(option) + " is one of";
  for (const Row& row : rows) error += " " + std::string(name(row));
  return error + ", not '" + given + "'";
}

// True when `offset` is where a record of hebrew.db begins. A list entry always is; a number taken
// from elsewhere (a list index, an offset inside a record) may still decode as a record by chance,
// so the record's own verb must hold a record at exactly that offset.
bool isVerbRecordStart(const VerbDatabase& db, RecordOffset offset) {
  VerbRecord record;
  if (!db.decode(offset, record)) return false;
  bool found = false;
  forEachRecordOfVerb(db, record.verbId, [&](RecordOffset at, const VerbRecord&) {
    found = at == offset;
    return !found && at < offset;
  });
  return found;
}

int runPage(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions(kPageOptions, error)) return usageError("page", error);
  if (line.positionals().size() != 1) return usageError("page", "page takes one ENTRY");
  const std::string& entryText = line.positionals()[0];
  std::uint32_t entry = 0;
  if (!parseNumber(entryText, 0xFFFFFFFFu, entry)) {
    return usageError("page", "ENTRY must be a whole number (an entry value of list or find), not '" + entryText + "'");
  }
  const std::string sideName = line.option("side").value_or(std::string(kSides[0].name));
  const SideName* side = findSide(sideName);
  if (side == nullptr) {
    return usageError("page", choices<SideName>(
                                  "side", kSides, [](const SideName& s) { return s.name; }, sideName));
  }
  UiLanguage ui = uilanguage::kEnglish;
  if (const std::optional<std::string> name = line.option("ui")) {
    const auto found = std::find_if(std::begin(kUiLanguages), std::end(kUiLanguages),
                                    [&](const UiName& u) { return u.name == *name; });
    if (found == std::end(kUiLanguages)) {
      return usageError("page", choices<UiName>(
                                    "ui", kUiLanguages, [](const UiName& u) { return u.name; }, *name));
    }
    ui = found->language;
  }
  const std::string font = line.option("font").value_or("ar");
  if (std::find(std::begin(kFonts), std::end(kFonts), font) == std::end(kFonts)) {
    return usageError("page", choices<std::string_view>(
                                  "font", kFonts, [](std::string_view f) { return f; }, font));
  }
  std::uint32_t searchMode = 0;
  if (!line.numberOption("search-mode", 0, 0, listmode::kLast, searchMode, error)) return usageError("page", error);
  // The Search menu leaves only these modes behind.
  if (searchMode > listmode::kInfinitives && searchMode != listmode::kRussianInfinitives &&
      searchMode != listmode::kEnglishMeanings) {
    return usageError("page", "--search-mode is 0 to 4, 10 or 11, not " + std::to_string(searchMode));
  }

  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  if (side->language != inputlanguage::kHebrew) {
    const RussianSearchIndex& index = session.readers().searchIndexOf(side->language);
    RussianSearchEntry found;
    if (entry % RussianSearchEntry::kStoredSize != 0 || !index.entryAt(entry, found)) {
      const ListModeName& list = listModeOf(side->language);
      return failWith("ENTRY " + std::to_string(entry) + " is no search entry of " + std::string(side->searchFile) +
                      " (a multiple of 48 below " + std::to_string(index.blobSize()) + ", as list " +
                      std::string(list.name) + " prints them)");
    }
  } else if (!isVerbRecordStart(*session.databases().verbs, entry)) {
    return failWith("ENTRY " + std::to_string(entry) +
                    " is not where a record of hebrew.db begins: page takes an entry value as list prints it in its "
                    "first column and find in its second, not a list index");
  }
  // A freshly started program: no page shown before this one, the settings of the options.
  ProgramState& state = session.core().state();
  state.inputLanguage = side->language;
  state.dialogLanguage = ui;
  state.searchMode = static_cast<ListMode>(searchMode);
  session.core().page().setFontClass(font);
  session.core().showVerbPage(entry);
  out << (line.flag(kTextFlag) ? pageText(session.lastPage(), ui) : session.lastPage());
  return 0;
}

}  // namespace

const CliCommand kPageCommand{
    "page", "ENTRY [--text] [--side he|ru|en] [--ui en|ru|he] [--font ar|tm|dv|mr] [--search-mode N] [--db-dir DIR]",
    "The verb page of a list entry, as the program shows it after a fresh start",
    [] {
      return std::string(
          "\n"
          "ENTRY is an entry value: the first column of list, the second of find. On the Hebrew side it\n"
          "is a record of hebrew.db (the page shows its verb with that form's cell highlighted), on the\n"
          "Russian side a word of rusearch.db, on the English side a meaning of ensearch.db (the page\n"
          "shows the verbs that translate it and conjugates the first). A number that is not where such\n"
          "a record begins is refused.\n"
          "\n"
          "Without --text the output is exactly the HTML the page pane receives; with --text it is the\n"
          "page as a person reads it in a terminal: the binyans, the translations and the conjugation\n"
          "table, columns aligned, Hebrew in logical order, \"*\" marking what the page highlights.\n"
          "\n"
          "options:\n"
          "  --text           the page as text instead of HTML\n"
          "  --side S         the side ENTRY belongs to, he by default:\n" +
          sideTable("                     ") +
          "  --ui L           the language of the page's labels: en (default), ru or he\n"
          "  --font F         the page font: ar Arial (default), tm Times New Roman, dv David, mr Miriam\n"
          "  --search-mode N  the last Search menu choice, 0 to 4, 10 or 11 (10 highlights the past cell\n"
          "                   of \"he\", as the Russian infinitive list does)\n"
          "  --db-dir DIR     the folder of the databases (default: the folder of quorix-cli)\n"
          "\n"
          "examples:\n"
          "  quorix-cli page 26355 --text\n"
          "  quorix-cli page 0 --side ru --ui ru --text\n"
          "  quorix-cli page 0 --side en --text\n");
    },
    runPage};

}  // namespace quorix
