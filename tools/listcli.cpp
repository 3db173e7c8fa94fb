// quorix-cli list and find: the program's list fills and typed search, in a terminal.

#include <ostream>

#include "clicommands.h"
#include "coresession.h"
#include "db/codepages.h"
#include "listarguments.h"
#include "lists/typedsearch.h"

namespace quorix {

namespace {

constexpr std::string_view kListOptions[] = {"db-dir", "binyan", "table", "filter"};
constexpr std::string_view kFindOptions[] = {"db-dir", "mode", "binyan", "table", "filter"};

std::string listOptionsHelp() {
  return "  --binyan B     the binyan of tables-of-binyan and verbs-of-binyan, by number:\n"
         "                 " +
         binyanList() +
         "\n"
         "  --table T      the table of verbs-of-table: the binyan times 10000 plus the table's number\n"
         "                 within it (10001 is the first table of pa'al)\n"
         "  --filter F     the forms that modes 5 to 8 list, by name or number (all by default):\n"
         "                 " +
         formFilterList() +
         "\n"
         "  --db-dir DIR   the folder of the databases (default: the folder of quorix-cli)\n";
}

int runList(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions(kListOptions, error)) return usageError("list", error);
  if (line.positionals().size() != 1) return usageError("list", "list takes one MODE");
  ListArguments list;
  if (!list.read(line, line.positionals()[0], error)) return usageError("list", error);
  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  if (!list.checkTable(*session.databases().verbs, error)) return usageError("list", error);
  const std::uint32_t count = list.fill(session);
  const DatabaseReaders readers = session.readers();
  const EntryArray& entries = session.core().list().entries();
  for (std::uint32_t i = 0; i < count; ++i) {
    const ListEntry entry = entries.at(i);
    out << entry << '\t' << readableEntryText(readers, entry, list.mode->side()) << '\n';
  }
  return 0;
}

int runFind(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions(kFindOptions, error)) return usageError("find", error);
  if (line.positionals().size() != 1) return usageError("find", "find takes one TEXT");
  ListArguments list;
  if (!list.read(line, line.option("mode").value_or("all-forms"), error)) return usageError("find", error);
  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  if (!list.checkTable(*session.databases().verbs, error)) return usageError("find", error);
  list.fill(session);

  // The box's text as the program would read it: typed in the code page of the list's side.
  const std::string& typed = line.positionals()[0];
  const CodePage codePage = sideOf(list.mode->side()).codePage;
  const std::u16string boxText = codePageToUtf16(utf8ToCodePage(typed, codePage), codePage);
  // An empty box searches nothing, so it selects nothing.
  const VirtualList& found = session.core().list();
  const std::int32_t index = boxText.empty() ? -1 : found.findPrefix(typedSearchText(boxText, list.mode->side()));
  if (index < 0) {
    out << "-1\n";
    return 0;
  }
  const ListEntry entry = found.entries().at(static_cast<std::uint32_t>(index));
  out << index << '\t' << entry << '\t' << readableEntryText(session.readers(), entry, list.mode->side()) << '\n';
  return 0;
}

}  // namespace

const CliCommand kListCommand{
    "list", "MODE [--binyan B] [--table T] [--filter F] [--db-dir DIR]",
    "The list the program shows for MODE: entry value, tab, row text",
    [] {
      return "\n"
             "One line per entry of the list, in the program's order: the entry value (the offset of a\n"
             "record or search entry, which page takes), a tab, and the row text in UTF-8. MODE is a name\n"
             "or a number:\n" +
             listModeTable() +
             "Modes marked [ru] list the Russian side, [en] the English side. The lists are kept in the\n"
             "query cache, as the program keeps them, so the second call of a mode does not scan the\n"
             "databases again.\n"
             "\n"
             "options:\n" +
             listOptionsHelp() +
             "\n"
             "examples:\n"
             "  quorix-cli list infinitives\n"
             "  quorix-cli list verbs-of-table --table 10001\n"
             "  quorix-cli list verbs-of-binyan --binyan 3 --filter past\n";
    },
    runList};

const CliCommand kFindCommand{
    "find", "TEXT [--mode M] [--binyan B] [--table T] [--filter F] [--db-dir DIR]",
    "The entry of list M that typing TEXT selects: index, entry value, row text",
    [] {
      return "\n"
             "Typed search, as the \"Verb:\" box does it: the first entry of the list of mode M (a name or a\n"
             "number as list --help shows them; all-forms by default) whose row begins with TEXT, vowel\n"
             "points left out. Prints its index in the list, a tab, its entry value (what page takes), a\n"
             "tab and its row text; prints -1 when no row begins with TEXT. Hebrew modes take Hebrew\n"
             "text, Russian modes Russian, the English mode an English meaning without its \"to\", in\n"
             "letters of either case (\"jump\", \"Be able\").\n"
             "\n"
             "options:\n"
             "  --mode M       the list to search (default all-forms)\n" +
             listOptionsHelp() +
             "\n"
             "examples:\n"
             "  quorix-cli page \"$(quorix-cli find לכתוב --mode infinitives | cut -f2)\" --text\n"
             "  quorix-cli page \"$(quorix-cli find jump --mode english | cut -f2)\" --side en --text\n";
    },
    runFind};

}  // namespace quorix
