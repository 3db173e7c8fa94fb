// hebrew.db as any bytes. The file either fails to load, saying why, or it loads and then the
// program can trust it: every record of the text index decodes, every lookup of a stored key lands
// on the first entry of its run and on a record with that key, a key that is not stored finds no
// other, and every walk ends.

#include <cstddef>
#include <cstdint>

#include "db/recordwalks.h"
#include "db/verbdatabase.h"
#include "fuzzinput.h"
#include "scratchfolder.h"

using namespace quorix;
using fuzz::require;

namespace {

// A lookup of a key the index holds at entry i finds the first entry of its run, at or before i;
// the key one above finds that key or nothing.
template <typename KeyAt, typename RecordKey>
void checkLookups(const VerbDatabase& db, IndexKind kind, std::uint32_t count, KeyAt keyAt, RecordKey recordKey) {
  VerbRecord record;
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint32_t key = keyAt(i);
    std::uint32_t index = 0xFFFFFFFFu;
    const RecordOffset offset = db.lookup(kind, key, &index);
    require(index <= i && keyAt(index) == key && (index == 0 || keyAt(index - 1) != key));
    require(db.decode(offset, record) && recordKey(record) == key);
    index = 0xFFFFFFFFu;
    db.lookup(kind, key + 1, &index);
    require(index == 0xFFFFFFFFu || keyAt(index) == key + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  VerbDatabase db(fuzz::ScratchFolder::get().write("hebrew.db", input.rest()));
  if (!db.load()) {
    require(!db.loadError().empty());
    return 0;
  }
  const std::uint32_t n = db.recordCount();
  checkLookups(db, IndexKind::ByVerbId, n, [&](std::uint32_t i) { return db.verbIndexEntry(i).verbId; },
               [](const VerbRecord& r) { return r.verbId; });
  checkLookups(db, IndexKind::ByFormCode, n, [&](std::uint32_t i) { return std::uint32_t{db.formIndexEntry(i).formCode}; },
               [](const VerbRecord& r) { return std::uint32_t{r.formCode}; });
  checkLookups(db, IndexKind::ByTableNumber, db.tableIndexCount(),
               [&](std::uint32_t i) { return db.tableIndexEntry(i).tableNumber; },
               [](const VerbRecord& r) { return r.tableNumber; });

  // The alphabetical scan: every text index entry decodes, and typed search finds its text.
  VerbRecord record;
  for (std::uint32_t i = 0; i < n; ++i) {
    const TextIndexEntry entry = db.textIndexEntry(i);
    require(db.decode(entry.offset, record) && record.listText.substr(0, VerbDatabase::kTextKeySize) == entry.text);
    std::uint32_t index = 0xFFFFFFFFu;
    db.lookupText(entry.text, &index);
    require(index <= i && db.textIndexEntry(index).text.starts_with(entry.text));
    // The walks of the page builder; each visits a record at most once.
    std::uint32_t visits = 0;
    forEachRecordOfVerb(db, record.verbId, [&](RecordOffset, const VerbRecord& r) {
      require(r.verbId == record.verbId);
      return ++visits <= n;
    });
    require(visits >= 1 && visits <= n);
  }
  forEachRecordOfForm(db, form::kRoot, [&](RecordOffset, const VerbRecord& r) {
    require(r.formCode == form::kRoot);
    return true;
  });
  // The blob is a chain of records from its start to its end.
  RecordOffset offset = 0;
  std::uint32_t chained = 0;
  while (offset < db.blobSize()) {
    require(db.decode(offset, record));
    offset += record.length;
    ++chained;
  }
  require(offset == db.blobSize() && chained == n);
  return 0;
}
