#include "listfill.h"

#include <algorithm>
#include <optional>

#include "db/recordwalks.h"
#include "recordprefetch.h"

namespace quorix {

namespace {

// Reporting every item would cost one wait for the user-interface thread per record; a 512th of
// the source moves the bar by less than a pixel at any size the window can have.
constexpr std::uint32_t kProgressSteps = 512;

bool passesFormRule(FormFilter filter, std::uint16_t formCode) {
  return filter == formfilter::kAll ? formCode < form::kAllFormsLimit : formCode == filter;
}

bool passesTextIndexMode(const FillRequest& request, const VerbRecord& record) {
  switch (request.mode) {
    case listmode::kAllForms: return record.formCode < form::kAllFormsLimit;
    case listmode::kRoots: return record.formCode == form::kRoot;
    case listmode::kPresent: return record.formCode == form::kListedPresent;
    case listmode::kPast: return record.formCode == form::kListedPast;
    case listmode::kInfinitives: return record.formCode == form::kInfinitive;
    case listmode::kVerbsOfBinyan:
      return record.tableNumber / 10000 == request.currentBinyan && passesFormRule(request.formFilter, record.formCode);
    case listmode::kVerbsOfTable:
      return record.tableNumber == request.currentTable && passesFormRule(request.formFilter, record.formCode);
    default: return false;
  }
}

}  // namespace

class ListFill::Progress {
 public:
  Progress(ListWorkerHost& host, std::uint32_t items)
      : host_(host), step_(std::max<std::uint32_t>(1, items / kProgressSteps)) {}

  // The position before looking at item `index`.
  void at(std::uint32_t index) {
    last_ = index;
    if (index < next_) return;
    report(index);
    next_ = index + step_;
  }
  // The position of the last item looked at, if the steps skipped it.
  void finish() {
    if (last_ && last_ != reported_) report(*last_);
  }

 private:
  void report(std::uint32_t index) {
    host_.setProgressPosition(static_cast<std::int32_t>(index));
    reported_ = index;
  }

  ListWorkerHost& host_;
  std::uint32_t step_;
  std::uint32_t next_ = 0;
  std::optional<std::uint32_t> last_;
  std::optional<std::uint32_t> reported_;
};

ListFill::ListFill(const DatabaseReaders& readers, VirtualList& list, QueryCache& cache, ListWorkerHost& host)
    : readers_(readers), list_(list), cache_(cache), host_(host) {}

RecordOffset ListFill::entryLimit(ListMode mode) const {
  if (isSearchIndexMode(mode)) {
    constexpr auto kEntry = static_cast<std::uint32_t>(RussianSearchEntry::kStoredSize);
    const std::uint32_t size = readers_.searchIndexOf(inputLanguageOfMode(mode)).blobSize();
    return size >= kEntry ? size - (kEntry - 1) : 0;
  }
  constexpr auto kHeader = static_cast<std::uint32_t>(VerbDatabase::kRecordHeaderSize);
  const std::uint32_t size = readers_.verbs.blobSize();
  return size >= kHeader ? size - (kHeader - 1) : 0;
}

std::int32_t ListFill::cachedEndPosition(ListMode mode) const {
  if (isSearchIndexMode(mode)) {
    return static_cast<std::int32_t>(readers_.searchIndexOf(inputLanguageOfMode(mode)).searchEntryCount()) - 1;
  }
  if (mode == listmode::kTablesOfBinyan || mode == listmode::kTablesByNumber) {
    return static_cast<std::int32_t>(readers_.verbs.tableIndexCount());
  }
  return static_cast<std::int32_t>(readers_.verbs.recordCount());
}

std::uint32_t ListFill::run(const FillRequest& request) {
  if (request.mode > listmode::kLast) return 0;
  const CacheKey key = cacheKeyOf(request);
  const std::int32_t cached = cache_.loadCachedList(key, list_.entries(), entryLimit(request.mode));
  if (cached >= 0) {
    host_.setProgressPosition(cachedEndPosition(request.mode));
    return static_cast<std::uint32_t>(cached);
  }

  std::uint32_t count = 0;
  if (isSearchIndexMode(request.mode)) {
    Progress progress(host_, readers_.searchIndexOf(inputLanguageOfMode(request.mode)).searchEntryCount());
    count = scanSearchIndex(request, progress);
    progress.finish();
  } else if (request.mode == listmode::kTablesOfBinyan || request.mode == listmode::kTablesByNumber) {
    Progress progress(host_, readers_.verbs.tableIndexCount());
    count = scanTableIndex(request, progress);
    progress.finish();
  } else {
    Progress progress(host_, readers_.verbs.recordCount());
    count = scanTextIndex(request, progress);
    progress.finish();
  }
  // A failed save only means that the next fill of this key scans again.
  cache_.saveCachedList(key, list_.entries(), count);
  return count;
}

std::uint32_t ListFill::scanTextIndex(const FillRequest& request, Progress& progress) {
  const VerbDatabase& db = readers_.verbs;
  VerbRecord record;
  std::uint32_t count = 0;
  for (std::uint32_t i = 0; i < db.recordCount(); ++i) {
    progress.at(i);
    if (i + kPrefetchDistance < db.recordCount()) prefetchRecord(db, db.textIndexEntry(i + kPrefetchDistance).offset);
    const RecordOffset offset = db.textIndexEntry(i).offset;
    if (!db.decode(offset, record) || record.listText.empty() || record.listText == "-") continue;
    if (!passesTextIndexMode(request, record)) continue;
    if (!list_.addEntry(offset, count)) break;
    ++count;
  }
  return count;
}

std::uint32_t ListFill::scanTableIndex(const FillRequest& request, Progress& progress) {
  const VerbDatabase& db = readers_.verbs;
  const std::uint32_t tables = db.tableIndexCount();
  host_.setProgressRange(0, static_cast<std::int32_t>(tables) - 1);
  VerbRecord model;
  // Table number 0 is never a table: it equals the starting value and is skipped like a repeat.
  std::uint32_t previousTable = 0;
  std::uint32_t count = 0;
  bool full = false;
  const auto add = [&](RecordOffset offset) {
    full = !list_.addEntry(offset, count);
    if (!full) ++count;
    return !full;
  };
  for (std::uint32_t i = 0; i < tables && !full; ++i) {
    progress.at(i);
    const TableIndexEntry entry = db.tableIndexEntry(i);
    if (request.mode == listmode::kTablesOfBinyan && entry.tableNumber / 10000 != request.currentBinyan) continue;
    if (!db.decode(entry.offset, model) || model.tableNumber == previousTable) continue;
    previousTable = model.tableNumber;
    forEachRecordOfVerb(db, model.verbId, [&](RecordOffset offset, const VerbRecord& record) {
      if (request.formFilter != formfilter::kAll) {
        if (record.formCode != request.formFilter) return true;
        if (record.listText.size() >= 2) add(offset);
        return false;
      }
      if (record.listText.size() >= 2 && record.formCode < form::kAllFormsLimit) return add(offset);
      return true;
    });
  }
  return count;
}

std::uint32_t ListFill::scanSearchIndex(const FillRequest& request, Progress& progress) {
  const RussianSearchIndex& index = readers_.searchIndexOf(inputLanguageOfMode(request.mode));
  const std::uint32_t entries = index.searchEntryCount();
  const bool infinitivesOnly = request.mode == listmode::kRussianInfinitives;
  // The two Russian modes have always set their ranges this way: one to n - 1, the other to n. The
  // English list, which takes every entry as mode 9 does, sets n - 1 as that mode.
  host_.setProgressRange(0, static_cast<std::int32_t>(entries) - (infinitivesOnly ? 0 : 1));
  RussianSearchEntry entry;
  std::uint32_t count = 0;
  for (std::uint32_t i = 0; i < entries; ++i) {
    progress.at(i);
    const RecordOffset offset = i * static_cast<RecordOffset>(RussianSearchEntry::kStoredSize);
    if (infinitivesOnly && (!index.entryAt(offset, entry) || entry.key % 1000 != 1)) continue;
    if (!list_.addEntry(offset, count)) break;
    ++count;
  }
  return count;
}

}  // namespace quorix
