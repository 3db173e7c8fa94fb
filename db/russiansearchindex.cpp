#include "russiansearchindex.h"

#include <array>
#include <cstring>

#include "blobscrambler.h"
#include "littleendian.h"

namespace quorix {

RussianSearchIndex::RussianSearchIndex(const std::string& path) : file_(path) {}

bool RussianSearchIndex::load() {
  if (!file_.isOpen()) return false;
  std::array<std::uint32_t, 3> header{};
  if (!file_.readWords(header, "header")) return false;
  const auto [blobSize, entryCount, reservedTableSize] = header;
  if (!file_.readSection(reservedTableSize, reserved_, "reserved table") || !file_.readSection(blobSize, blob_, "blob")) {
    return false;
  }
  // The blob is the entries and nothing else: a count that does not fill it exactly would hide
  // entries from the Russian lists, or announce entries that are not there.
  if (std::uint64_t{entryCount} * RussianSearchEntry::kStoredSize != blobSize) {
    reserved_ = {};
    blob_ = {};
    return file_.fail("the blob of " + std::to_string(blobSize) + " bytes does not hold exactly the " +
                      std::to_string(entryCount) + " search entries of 48 bytes it announces");
  }
  searchEntryCount_ = entryCount;
  scrambleBlob(blob_.span());
  return file_.expectEnd();
}

bool RussianSearchIndex::entryAt(RecordOffset offset, RussianSearchEntry& entry) const {
  if (std::uint64_t{offset} + RussianSearchEntry::kStoredSize > blob_.size()) return false;
  const std::uint8_t* p = blob_.data() + offset;
  entry.key = le::load32(p);
  entry.highlightCell = le::load16(p + 4);
  entry.markedOnly = le::load16(p + 6);
  std::memcpy(entry.text, p + 8, RussianSearchEntry::kTextSize);
  return true;
}

}  // namespace quorix
