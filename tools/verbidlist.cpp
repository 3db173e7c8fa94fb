#include "verbidlist.h"

#include <algorithm>

#include "db/recordwalks.h"

namespace quorix {

void VerbIdList::add(std::uint32_t verbId) {
  if (verbId != 0 && std::find(ids_.begin(), ids_.end(), verbId) == ids_.end()) ids_.push_back(verbId);
}

void VerbIdList::addVerbsOf(const DatabaseReaders& readers, InputLanguage side, const RussianSearchEntry& entry) {
  forEachRowOfGroup(readers.groupsOf(side), entry.key, [&](RecordOffset, const TranslationRecord& row, bool isHead) {
    if (!isHead && (entry.markedOnly == 0 || row.marked != 0)) add(row.verbId);
    return true;
  });
}

}  // namespace quorix
