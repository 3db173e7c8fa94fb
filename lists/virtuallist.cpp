#include "virtuallist.h"

#include <algorithm>

#include "recordprefetch.h"

namespace quorix {

VirtualList::VirtualList(ProgramState& state, const DatabaseReaders& readers, VirtualListListener& listener)
    : state_(state), readers_(readers), listener_(listener) {}

bool VirtualList::addEntry(ListEntry value, std::uint32_t index) {
  if (index >= EntryArray::kCapacity) return false;
  if (index == 0) entries_.clear();
  entries_.set(index, value);
  return true;
}

void VirtualList::setClientHeight(int pixels) {
  clientHeight_ = pixels;
  if (!showingRows_) return;
  const int rows = fittingRows();
  if (rows == rowCount()) return;
  const int selectedIndex = selected_ >= 0 ? scroll_.position + selected_ : -1;
  int position = scroll_.position;
  if (selectedIndex >= 0 && rows > 0) position = std::clamp(position, selectedIndex - rows + 1, selectedIndex);
  position = std::clamp(position, 0, std::max(static_cast<int>(entryCount_) - rows, 0));
  rows_.assign(static_cast<std::size_t>(rows), 0);
  scroll_.page = rows;
  scroll_.position = position;
  fillRows();
  selected_ = selectedIndex >= 0 && rows > 0 ? selectedIndex - position : -1;
  listener_.redrawList();
}

int VirtualList::fittingRows() const {
  return std::min(std::max(clientHeight_, 0) / kRowHeight, static_cast<int>(entryCount_));
}

void VirtualList::removeRows() {
  rows_.clear();
  showingRows_ = false;
  selected_ = -1;
  listener_.redrawList();
}

void VirtualList::commitEntries(std::uint32_t count) {
  count = std::min(count, EntryArray::kCapacity);
  rows_.clear();
  selected_ = -1;
  entryCount_ = count;
  showingRows_ = true;
  const int rows = fittingRows();
  rows_.assign(static_cast<std::size_t>(rows), 0);
  scroll_ = {0, static_cast<int>(count) - 1, rows, 0};
  // The line-up request puts entries 0 onward into the rows; with no row selected it shows no page.
  scroll(ScrollCode::LineUp);
}

void VirtualList::scroll(ScrollCode code, int trackPosition) {
  int position = scroll_.position;
  switch (code) {
    case ScrollCode::LineUp: position -= 1; break;
    case ScrollCode::LineDown: position += 1; break;
    case ScrollCode::PageUp: position -= scroll_.page; break;
    case ScrollCode::PageDown: position += scroll_.page; break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      position = trackPosition;
      state_.thumbTracking = true;
      break;
    case ScrollCode::Top: position = 0; break;
    case ScrollCode::Bottom: position = scroll_.maximum - scroll_.page + 1; break;
    case ScrollCode::EndScroll: break;
  }
  const int largest = std::max(scroll_.maximum - scroll_.page + 1, 0);
  position = std::clamp(position, 0, largest);

  scroll_.position = position;
  fillRows();
  listener_.redrawList();
  // A dragged thumb moves the rows without rebuilding the page; the end of the drag rebuilds it.
  if (!state_.thumbTracking) listener_.showSelectedVerb();
  state_.thumbTracking = false;
}

void VirtualList::fillRows() {
  // While a fill runs the rows are gone but the old page stays in the scroll information: only rows
  // that exist take entries.
  const int filled = std::min(scroll_.page, rowCount());
  for (int r = 0; r < filled; ++r) {
    const auto index = static_cast<std::uint32_t>(scroll_.position + r);
    rows_[static_cast<std::size_t>(r)] = index < EntryArray::kCapacity ? entries_.at(index) : 0;
  }
}

void VirtualList::keyDown(ListKey key) {
  const int lastRow = scroll_.page - 1;
  switch (key) {
    case ListKey::PageUp: scroll(ScrollCode::PageUp); break;
    case ListKey::PageDown: scroll(ScrollCode::PageDown); break;
    // Home and End select their row before they scroll, so that the page the scroll handling shows
    // is the one of the row that ends up selected (selecting afterwards would leave the page of
    // whatever entry slid under the old selection).
    case ListKey::Home:
      selectRow(0);
      scroll(ScrollCode::Top);
      break;
    case ListKey::End:
      selectRow(lastRow);
      scroll(ScrollCode::Bottom);
      break;
    case ListKey::Up:
      if (selected_ == 0) {
        scroll(ScrollCode::LineUp);
      } else if (selected_ > 0) {
        selectAndNotify(selected_ - 1);
      } else if (rowCount() > 0) {
        selectAndNotify(0);  // like the platform list: the first key press selects the caret row
      }
      break;
    case ListKey::Down:
      if (selected_ >= 0 && selected_ == lastRow) {
        scroll(ScrollCode::LineDown);
      } else if (selected_ < 0) {
        if (rowCount() > 0) selectAndNotify(0);
      } else if (selected_ + 1 < rowCount()) {
        selectAndNotify(selected_ + 1);
      }
      break;
    case ListKey::Other: break;
  }
}

void VirtualList::wheel(int delta) { keyDown(delta < 0 ? ListKey::Down : ListKey::Up); }

void VirtualList::leftButtonDown(int row) {
  listener_.forgetSavedRowLink();
  if (row >= 0 && row < rowCount()) selectAndNotify(row);
}

void VirtualList::selectRow(int row) {
  selected_ = row >= 0 && row < rowCount() ? row : -1;
  listener_.redrawList();
}

void VirtualList::selectAndNotify(int row) {
  selectRow(row);
  listener_.showSelectedVerb();
}

std::optional<ListEntry> VirtualList::selectedEntry() const {
  if (selected_ < 0 || selected_ >= rowCount()) return std::nullopt;
  return rows_[static_cast<std::size_t>(selected_)];
}

bool VirtualList::entryStartsWith(ListEntry entry, std::string_view prefix, InputLanguage language) const {
  if (language == inputlanguage::kHebrew) {
    VerbRecord record;
    return readers_.verbs.decode(entry, record) && record.listText.starts_with(prefix);
  }
  if (language == inputlanguage::kRussian) {
    RussianSearchEntry found;
    return readers_.russianIndex.entryAt(entry, found) && found.word().starts_with(prefix);
  }
  return false;
}

std::int32_t VirtualList::findPrefix(std::string_view prefix) const {
  const InputLanguage language = state_.inputLanguage;
  for (std::uint32_t i = 0; i < entryCount_; ++i) {
    if (language == inputlanguage::kHebrew && i + kPrefetchDistance < entryCount_) {
      prefetchRecord(readers_.verbs, entries_.at(i + kPrefetchDistance));
    }
    if (entryStartsWith(entries_.at(i), prefix, language)) return static_cast<std::int32_t>(i);
  }
  return -1;
}

bool VirtualList::scrollToPrefix(std::string_view prefix) {
  const std::int32_t found = findPrefix(prefix);
  if (found < 0) return false;
  const int maxTop = std::max(static_cast<int>(entryCount_) - rowCount(), 0);
  const int top = std::min(found, maxTop);
  scroll_.position = top;
  scroll(ScrollCode::EndScroll);
  selectRow(found - top);
  return true;
}

std::string VirtualList::rowText(int row) const {
  if (row < 0 || row >= rowCount() || state_.tableListOpen) return {};
  const ListEntry entry = rows_[static_cast<std::size_t>(row)];
  const InputLanguage language = state_.inputLanguage;
  if (language == inputlanguage::kRussian) {
    RussianSearchEntry found;
    return readers_.russianIndex.entryAt(entry, found) ? std::string(found.word()) : std::string();
  }
  if (language == inputlanguage::kHebrew) {
    VerbRecord record;
    return readers_.verbs.decode(entry, record) ? std::string(record.listText) : std::string();
  }
  return {};
}

}  // namespace quorix
