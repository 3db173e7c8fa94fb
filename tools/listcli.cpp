// quorix-cli list and find: the program's list fills and typed search, in a terminal.

#include <iostream>

#include "clicommands.h"
#include "coresession.h"
#include "db/codepages.h"
#include "lists/typedsearch.h"

namespace quorix {

namespace {

// MODE and the state the fill reads: --binyan (currentBinyan), --table (currentTable), --filter
// (formFilter, all forms by default).
bool readFillSettings(const CommandLine& line, const std::string& modeText, ProgramState& state, ListMode& mode,
                      std::string& error) {
  std::uint32_t value = 0;
  // The English list (mode 11) is not offered here yet: its rows would be read as Hebrew ones.
  if (!parseNumber(modeText, listmode::kRussianInfinitives, value)) {
    error = "unknown mode '" + modeText + "': the modes are 0 to 10";
    return false;
  }
  mode = static_cast<ListMode>(value);
  std::uint32_t binyan = 0;
  std::uint32_t filter = 0;
  if (!line.numberOption("binyan", 0, 255, binyan, error) ||
      !line.numberOption("table", 0, 0xFFFFFFFFu, state.currentTable, error) ||
      !line.numberOption("filter", formfilter::kAll, 0xFFFF, filter, error)) {
    return false;
  }
  if (!isKnownFormFilter(static_cast<FormFilter>(filter))) {
    error = "--filter is one of 11 (all forms), 99 (root), 0 (infinitive), 21 (present), 4 (past), not " +
            std::to_string(filter);
    return false;
  }
  state.currentBinyan = static_cast<std::uint8_t>(binyan);
  state.formFilter = static_cast<FormFilter>(filter);
  // The list is read on the side of its mode, as the program switches its input language for it.
  state.inputLanguage = isRussianMode(mode) ? inputlanguage::kRussian : inputlanguage::kHebrew;
  return true;
}

// Checks MODE and the options, then opens the session with them in its state.
bool openForFill(const CommandLine& line, const std::string& modeText, CoreSession& session, ListMode& mode,
                 std::string& error) {
  ProgramState settings;
  if (!readFillSettings(line, modeText, settings, mode, error) || !session.open(line, error)) return false;
  ProgramState& state = session.core().state();
  state.currentBinyan = settings.currentBinyan;
  state.currentTable = settings.currentTable;
  state.formFilter = settings.formFilter;
  state.inputLanguage = settings.inputLanguage.load();
  return true;
}

}  // namespace

int runList(const CommandLine& line) {
  std::string error;
  constexpr const char* kUsage = "list MODE [--binyan B] [--table T] [--filter F] [--db-dir DIR]";
  if (!line.onlyOptions({"db-dir", "binyan", "table", "filter"}, error) || !line.expectPositionals(1, kUsage, error)) {
    return failWith(error);
  }
  CoreSession session;
  ListMode mode = 0;
  if (!openForFill(line, line.positionals()[0], session, mode, error)) return failWith(error);
  const std::uint32_t count = session.fill(mode);
  const DatabaseReaders readers = session.readers();
  const EntryArray& entries = session.core().list().entries();
  for (std::uint32_t i = 0; i < count; ++i) {
    const ListEntry entry = entries.at(i);
    std::cout << entry << '\t' << readableEntryText(readers, entry, isRussianMode(mode)) << '\n';
  }
  return 0;
}

int runFind(const CommandLine& line) {
  std::string error;
  constexpr const char* kUsage = "find TEXT --mode N [--binyan B] [--table T] [--filter F] [--db-dir DIR]";
  if (!line.onlyOptions({"db-dir", "mode", "binyan", "table", "filter"}, error) ||
      !line.expectPositionals(1, kUsage, error)) {
    return failWith(error);
  }
  CoreSession session;
  ListMode mode = 0;
  if (!openForFill(line, line.option("mode").value_or("0"), session, mode, error)) return failWith(error);
  const ProgramState& state = session.core().state();
  session.fill(mode);

  // The box's text as the program would read it: typed in the code page of the input language.
  const std::string& typed = line.positionals()[0];
  const CodePage codePage = isRussianMode(mode) ? CodePage::Russian1251 : CodePage::Hebrew1255;
  const std::u16string boxText = codePageToUtf16(utf8ToCodePage(typed, codePage), codePage);
  // An empty box searches nothing, so it selects nothing.
  const std::int32_t index =
      boxText.empty() ? -1 : session.core().list().findPrefix(typedSearchText(boxText, state.inputLanguage));
  std::cout << index << '\n';
  return 0;
}

}  // namespace quorix
