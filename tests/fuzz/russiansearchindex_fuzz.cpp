// rusearch.db as any bytes. The file either fails to load, saying why, or its blob is exactly its
// entries: each entry i is at 48 * i, and nothing is read past the last.

#include <cstddef>
#include <cstdint>

#include "db/russiansearchindex.h"
#include "fuzzinput.h"
#include "scratchfolder.h"

using namespace quorix;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  RussianSearchIndex index(fuzz::ScratchFolder::get().write("rusearch.db", input.rest()));
  if (!index.load()) {
    require(!index.loadError().empty());
    return 0;
  }
  constexpr auto kEntry = static_cast<RecordOffset>(RussianSearchEntry::kStoredSize);
  require(std::uint64_t{index.searchEntryCount()} * kEntry == index.blobSize());
  RussianSearchEntry entry;
  for (std::uint32_t i = 0; i < index.searchEntryCount(); ++i) {
    require(index.entryAt(i * kEntry, entry));
    require(entry.word().size() <= RussianSearchEntry::kTextSize);
  }
  require(!index.entryAt(index.blobSize() - kEntry + 1, entry));
  require(!index.entryAt(kNotFoundBetween, entry));
  return 0;
}
