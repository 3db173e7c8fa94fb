#include "listarguments.h"

namespace quorix {

namespace {

std::string modeTitle(const ListModeName& mode) {
  return std::string(mode.name) + " (" + std::to_string(mode.mode) + ")";
}

}  // namespace

bool ListArguments::read(const CommandLine& line, std::string_view modeText, std::string& error) {
  mode = findListMode(modeText);
  if (mode == nullptr) {
    error = "unknown mode '" + std::string(modeText) + "': the modes are the names or numbers that list --help shows";
    return false;
  }
  const struct {
    std::string_view option;
    bool used;
  } uses[] = {{"binyan", mode->usesBinyan}, {"table", mode->usesTable}, {"filter", mode->usesFilter}};
  for (const auto& use : uses) {
    if (line.has(use.option) && !use.used) {
      error = "mode " + modeTitle(*mode) + " does not use --" + std::string(use.option);
      return false;
    }
    if (!line.has(use.option) && use.used && use.option != "filter") {
      error = "mode " + modeTitle(*mode) + " needs --" + std::string(use.option);
      return false;
    }
  }
  std::uint32_t number = 0;
  if (mode->usesBinyan) {
    if (!line.numberOption("binyan", 0, kFirstBinyan, kLastBinyan, number, error)) {
      error += " (" + binyanList() + ")";
      return false;
    }
    binyan = static_cast<std::uint8_t>(number);
  }
  if (mode->usesTable && !line.numberOption("table", 0, 0, 0xFFFFFFFFu, table, error)) return false;
  if (const std::optional<std::string> text = line.option("filter")) {
    const std::optional<FormFilter> found = findFormFilter(*text);
    if (!found) {
      error = "--filter is one of " + formFilterList() + ", not '" + *text + "'";
      return false;
    }
    filter = *found;
  }
  return true;
}

bool ListArguments::checkTable(const VerbDatabase& db, std::string& error) const {
  if (!mode->usesTable) return true;
  constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;
  std::uint32_t index = kAbsent;
  db.lookup(IndexKind::ByTableNumber, table, &index);
  if (index != kAbsent) return true;
  error = "hebrew.db has no table " + std::to_string(table) +
          "; a table number is the binyan times 10000 plus the table's number within it: 10001, 10002, ...";
  return false;
}

std::uint32_t ListArguments::fill(CoreSession& session) const {
  ProgramState& state = session.core().state();
  state.currentBinyan = binyan;
  state.currentTable = table;
  state.formFilter = filter;
  // The program switches its input language to the side of the list.
  state.inputLanguage = mode->side();
  return session.fill(mode->mode);
}

}  // namespace quorix
