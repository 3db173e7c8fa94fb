// quorix-cli page: the HTML the page pane receives for one list entry.

#include <iostream>
#include <map>

#include "clicommands.h"
#include "coresession.h"

namespace quorix {

namespace {

template <typename Value>
bool pickOption(const CommandLine& line, std::string_view name, const std::map<std::string, Value>& choices,
                Value& value, std::string& error) {
  const std::optional<std::string> text = line.option(name);
  if (!text) return true;
  const auto found = choices.find(*text);
  if (found != choices.end()) {
    value = found->second;
    return true;
  }
  error = "--" + std::string(name) + " is one of";
  for (const auto& [choice, unused] : choices) error += " " + choice;
  error += ", not '" + *text + "'";
  return false;
}

}  // namespace

int runPage(const CommandLine& line) {
  std::string error;
  constexpr const char* kUsage =
      "page ENTRY [--side he|ru] [--ui en|ru|he] [--font ar|tm|dv|mr] [--search-mode N] [--db-dir DIR]";
  if (!line.onlyOptions({"db-dir", "side", "ui", "font", "search-mode"}, error) ||
      !line.expectPositionals(1, kUsage, error)) {
    return failWith(error);
  }
  std::uint32_t entry = 0;
  if (!parseNumber(line.positionals()[0], 0xFFFFFFFFu, entry)) {
    return failWith("ENTRY must be a whole number (a record offset), not '" + line.positionals()[0] + "'");
  }
  InputLanguage side = inputlanguage::kHebrew;
  UiLanguage ui = uilanguage::kEnglish;
  std::string font = "ar";
  std::uint32_t searchMode = 0;
  if (!pickOption<InputLanguage>(line, "side", {{"he", inputlanguage::kHebrew}, {"ru", inputlanguage::kRussian}}, side,
                                 error) ||
      !pickOption<UiLanguage>(line, "ui", {{"en", uilanguage::kEnglish}, {"ru", uilanguage::kRussian},
                                           {"he", uilanguage::kHebrew}}, ui, error) ||
      !pickOption<std::string>(line, "font", {{"ar", "ar"}, {"tm", "tm"}, {"dv", "dv"}, {"mr", "mr"}}, font, error) ||
      !line.numberOption("search-mode", 0, listmode::kLast, searchMode, error)) {
    return failWith(error);
  }
  // The Search menu leaves only these modes behind.
  if (searchMode > listmode::kInfinitives && searchMode != listmode::kRussianInfinitives) {
    return failWith("--search-mode is 0 to 4 or 10, not " + std::to_string(searchMode));
  }

  CoreSession session;
  if (!session.open(line, error)) return failWith(error);
  if (side == inputlanguage::kHebrew) {
    VerbRecord record;
    if (!session.databases().verbs->decode(entry, record)) {
      return failWith("ENTRY " + std::to_string(entry) + " is no verb record of hebrew.db (its blob has " +
                      std::to_string(session.databases().verbs->blobSize()) + " bytes)");
    }
  } else {
    RussianSearchEntry found;
    if (entry % RussianSearchEntry::kStoredSize != 0 || !session.databases().russianIndex->entryAt(entry, found)) {
      return failWith("ENTRY " + std::to_string(entry) + " is no search entry of rusearch.db (a multiple of 48 below " +
                      std::to_string(session.databases().russianIndex->blobSize()) + ")");
    }
  }
  // A freshly started program: no page shown before this one, the settings of the options.
  ProgramState& state = session.core().state();
  state.inputLanguage = side;
  state.dialogLanguage = ui;
  state.searchMode = static_cast<ListMode>(searchMode);
  session.core().page().setFontClass(font);
  session.core().showVerbPage(entry);
  std::cout << session.lastPage();
  return 0;
}

}  // namespace quorix
