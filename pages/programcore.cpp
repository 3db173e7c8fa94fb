#include "programcore.h"

#include "lists/listcommands.h"
#include "lists/timerids.h"
#include "lists/typedsearch.h"

namespace quorix {

ProgramCore::ProgramCore(const DatabaseReaders& readers, const std::string& cacheFolder, ListWorkerHost& workerHost,
                         WindowHost& window, PageHost& pane)
    : readers_(readers),
      window_(window),
      cache_(cacheFolder, readers.identity()),
      list_(state_, readers_, *this),
      renderer_(state_, page_, readers_, pane),
      worker_(state_, readers_, list_, cache_, workerHost),
      commands_(state_, page_, readers_, renderer_, list_, worker_, window, pane) {
  cache_.open();
}

ProgramCore::~ProgramCore() { worker_.wait(); }

bool ProgramCore::startListWorker(ListMode mode) { return worker_.start(fillRequestOf(state_, mode)); }

bool ProgramCore::runListCommand(int id) {
  const ListCommandResult result = applyListCommand(state_, id);
  if (!result.accepted) return false;
  if (result.opensTableList) window_.runTableListDialog();
  if (result.fill) startListWorker(*result.fill);
  window_.setStatusLine(statusLineText(state_));
  return true;
}

bool ProgramCore::pickTable(std::uint32_t tableNumber) {
  if (state_.busy) return false;
  state_.currentTable = tableNumber;
  return startListWorker(listmode::kVerbsOfTable);
}

bool ProgramCore::setInputLanguage(InputLanguage language) {
  if (state_.busy) return false;
  list_.removeRows();
  state_.inputLanguage = language;
  return runListCommand(command::kAllForms);
}

void ProgramCore::setDialogLanguage(UiLanguage language) {
  state_.dialogLanguage = language;
  showSelectedVerb();
  window_.startTimer(timer::kReplayRowLink, timer::kPageDelayMs);
}

void ProgramCore::setPageFont(const std::string& cssClass) {
  page_.setFontClass(cssClass);
  showSelectedVerb();
  window_.startTimer(timer::kReplayRowLink, timer::kPageDelayMs);
}

bool ProgramCore::onVerbTextChanged(std::u16string_view text) {
  const TypedSearchResult result = runTypedSearch(list_, text, state_.inputLanguage);
  if (result != TypedSearchResult::EmptyBox) showSelectedVerb();
  return result != TypedSearchResult::NotFound;
}

void ProgramCore::showSelectedVerb() { commands_.showSelectedVerb(); }

}  // namespace quorix
