#include "pagecommands.h"

#include <array>
#include <charconv>
#include <optional>
#include <span>
#include <string>

#include "db/recordwalks.h"
#include "lists/timerids.h"
#include "pagetemplates.h"
#include "rootrecords.h"
#include "textreplace.h"

namespace quorix {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// Reads numbers separated by ':' from the start of `text` as the page protocol writes them ("%d"
// each, as scanf reads them: blanks and a sign allowed before a number, anything after the last
// one ignored). False unless all of them are there and each fits 32 signed bits.
bool readNumbers(std::string_view text, std::span<std::int32_t> numbers) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < numbers.size(); ++n) {
    if (n > 0) {
      if (pos >= text.size() || text[pos] != ':') return false;
      ++pos;
    }
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == '+') ++pos;
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(begin, end, numbers[n]);
    if (ec != std::errc()) return false;
    pos = static_cast<std::size_t>(stop - text.data());
  }
  return true;
}

std::string rowTag(std::string_view colour, int row) {
  return "bgcolor=#" + std::string(colour) + " id=\"tab_" + std::to_string(row) + "\"";
}

}  // namespace

PageCommands::PageCommands(ProgramState& state, PageState& page, const DatabaseReaders& readers,
                           PageRenderer& renderer, VirtualList& list, ListWorker& worker, WindowHost& window,
                           PageHost& pane)
    : state_(state),
      page_(page),
      readers_(readers),
      renderer_(renderer),
      list_(list),
      worker_(worker),
      window_(window),
      pane_(pane) {}

bool PageCommands::onBeforeNavigate(std::string_view url) {
  if (state_.busy) return true;
  if (url.find("command") != std::string_view::npos) {
    const std::size_t underscore = url.rfind('_');
    const std::size_t backslash = url.rfind('\\');
    if (underscore == std::string_view::npos) return true;
    if (backslash != std::string_view::npos && backslash > underscore) return true;
    runBinyanLink(url.substr(underscore + 1));
    return true;
  }
  if (url.find("reloadtab") != std::string_view::npos) {
    runRowCommand(url, url.substr(url.rfind('_') + 1));
    return true;
  }
  return false;
}

void PageCommands::runBinyanLink(std::string_view numbers) {
  std::array<std::int32_t, 2> n{};
  if (!readNumbers(numbers, n)) return;
  // Binyan links exist only on Hebrew-side pages, and the list's rows then hold verb records. A
  // Hebrew page left on screen after a switch to Russian input must not read a Russian entry as one.
  if (state_.inputLanguage != inputlanguage::kHebrew) return;
  const auto tableNumber = static_cast<std::uint32_t>(n[0]);
  const std::optional<VerbRecord> root = findRootRecord(readers_.verbs, tableNumber, static_cast<std::uint32_t>(n[1]));
  if (!root) return;
  state_.currentBinyan = static_cast<std::uint8_t>(binyanOfTable(tableNumber));
  state_.currentTable = tableNumber;

  std::optional<std::uint16_t> selectedForm;
  if (const std::optional<ListEntry> selected = list_.selectedEntry()) {
    VerbRecord record;
    if (readers_.verbs.decode(*selected, record)) selectedForm = record.formCode;
  }
  // Without a selected row, or when the verb has no record of the selected row's form, the page
  // shows the verb's first record (its infinitive in stored data).
  std::optional<RecordOffset> first;
  std::optional<RecordOffset> sameForm;
  forEachRecordOfVerb(readers_.verbs, root->verbId, [&](RecordOffset offset, const VerbRecord& record) {
    if (!first) first = offset;
    if (selectedForm && record.formCode == *selectedForm) {
      sameForm = offset;
      return false;
    }
    return true;
  });
  if (sameForm || first) renderer_.showVerbPage(sameForm ? *sameForm : *first);

  const ListKind kind = state_.listKind;
  if (kind == listkind::kTablesOfBinyan || kind == listkind::kVerbsOfBinyan || kind == listkind::kVerbsOfTable) {
    worker_.start(fillRequestOf(state_, kind));
  }
}

void PageCommands::runRowCommand(std::string_view url, std::string_view numbers) {
  std::array<std::int32_t, 3> n{};
  // Unreadable numbers would leave verb, row and scroll position undefined: change nothing.
  if (!readNumbers(numbers, n)) return;
  const int row = n[1];
  page_.savedRowLink = static_cast<std::uint16_t>(row) != 0 ? std::string(url) : std::string();
  page_.savedScrollTop = std::to_string(n[2]);
  forEachRecordOfVerb(readers_.verbs, static_cast<std::uint32_t>(n[0]), [&](RecordOffset, const VerbRecord& record) {
    if (record.formCode < form::kFirstTranslation) renderer_.fillConjugationCell(record);
    return true;
  });
  moveRowHighlight(row);
  // The page is the one the reader clicked in: he stays where he was in it.
  renderer_.assemblePage(page_.keptHighlightCell, PageScroll::Kept);
  window_.startTimer(timer::kRestoreScroll, timer::kPageDelayMs);
}

void PageCommands::moveRowHighlight(int row) {
  std::string& section = page_.translationSection;
  for (int i = 0; i < page_.translationRowCount; ++i) {
    // The closing quote in each tag keeps row 1 from matching the start of row 10.
    const std::string highlighted = rowTag("ffd988", i);
    if (i == row) {
      replaceAll(section, rowTag("f7f7f9", i), highlighted);
      replaceAll(section, rowTag("fdfcfd", i), highlighted);
    } else {
      replaceAll(section, highlighted, rowTag(i % 2 == 0 ? "f7f7f9" : "fdfcfd", i));
    }
  }
}

bool PageCommands::onPageTimer(int id) {
  switch (id) {
    case timer::kFillEndedWithEntries:
      list_.selectRow(0);
      window_.repaintWindow();
      showSelectedVerb();
      return true;
    case timer::kFillEndedEmpty:
      window_.repaintWindow();
      showPage(pane_, noItemsPage(state_.dialogLanguage));
      return true;
    case timer::kReplayRowLink:
      if (!page_.savedRowLink.empty()) pane_.navigatePage(page_.savedRowLink);
      return true;
    case timer::kRestoreScroll:
      pane_.runPageScript("document.all['scrl_id'].scrollTop='" + page_.savedScrollTop + "';");
      return true;
    default:
      return false;
  }
}

void PageCommands::showSelectedVerb() {
  if (state_.tableListOpen) return;
  if (const std::optional<ListEntry> entry = list_.selectedEntry()) renderer_.showVerbPage(*entry);
}

}  // namespace quorix
