// russian.db as any bytes. The file either fails to load, saying why, or every key of its index
// leads to a record with that key, every group walk stays in its group and ends, and the blob is a
// chain of records.

#include <cstddef>
#include <cstdint>

#include "db/recordwalks.h"
#include "db/translationdatabase.h"
#include "fuzzinput.h"
#include "scratchfolder.h"

using namespace quorix;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  TranslationDatabase db(fuzz::ScratchFolder::get().write("russian.db", input.rest()));
  if (!db.load()) {
    require(!db.loadError().empty());
    return 0;
  }
  TranslationRecord record;
  std::uint32_t records = 0;
  for (RecordOffset offset = 0; offset < db.blobSize(); offset += record.length) {
    require(db.decode(offset, record));
    ++records;
  }
  for (std::uint32_t i = 0; i < db.keyCount(); ++i) {
    const KeyIndexEntry entry = db.keyIndexEntry(i);
    require(db.decode(db.lookup(entry.russianKey), record) && record.russianKey == entry.russianKey);
    const std::uint32_t group = entry.russianKey - entry.russianKey % 1000;
    std::uint32_t rows = 0;
    forEachRowOfGroup(db, entry.russianKey, [&](RecordOffset, const TranslationRecord& row, bool isHead) {
      require(isHead || row.russianKey - row.russianKey % 1000 == group);
      return ++rows <= records;
    });
    require(rows <= records);
  }
  return 0;
}
