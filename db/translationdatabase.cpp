#include "translationdatabase.h"

#include <array>

#include "blobscrambler.h"
#include "blobtext.h"
#include "indexsearch.h"
#include "littleendian.h"

namespace quorix {

TranslationDatabase::TranslationDatabase(const std::string& path) : file_(path) {}

bool TranslationDatabase::load() {
  if (!file_.isOpen()) return false;
  std::array<std::uint32_t, 4> header{};
  if (!file_.readWords(header, "header")) return false;
  const auto [blobSize, keyCount, reservedTableSize, keyIndexSize] = header;
  if (!file_.readSection(reservedTableSize, reserved_, "reserved table") ||
      !file_.readSection(keyIndexSize, keyIndex_, "key index") || !file_.readSection(blobSize, blob_, "blob")) {
    return false;
  }
  if (keyIndexSize != std::uint64_t{keyCount} * kKeyEntrySize) {
    reserved_ = {};
    keyIndex_ = {};
    blob_ = {};
    return file_.fail("key index size disagrees with the key count " + std::to_string(keyCount));
  }
  keyCount_ = keyCount;
  scrambleBlob(blob_.span());
  return true;
}

KeyIndexEntry TranslationDatabase::keyIndexEntry(std::uint32_t i) const {
  const std::uint8_t* p = keyIndex_.data() + std::size_t{i} * kKeyEntrySize;
  return {le::load32(p), le::load32(p + 4)};
}

RecordOffset TranslationDatabase::lookup(std::uint32_t russianKey) const {
  const IndexSearchResult result = searchIndex(keyCount_, [&](std::uint32_t i) {
    const std::uint32_t k = keyIndexEntry(i).russianKey;
    return k < russianKey ? -1 : (k > russianKey ? 1 : 0);
  });
  return result.found ? keyIndexEntry(result.index).offset : result.notFound;
}

bool TranslationDatabase::decode(RecordOffset offset, TranslationRecord& record) const {
  const std::size_t size = blob_.size();
  if (std::uint64_t{offset} + kRecordHeaderSize > size) return false;
  const std::uint8_t* p = blob_.data() + offset;
  record.length = le::load16(p);
  // As for verb records, a length that cannot hold a record would stall a walk.
  if (record.length >= kRecordLengthLimit || record.length < kMinRecordSize) return false;
  TranslationRecord decoded = record;
  decoded.russianKey = le::load32(p + 2);
  decoded.verbId = le::load32(p + 6);
  decoded.marked = le::load16(p + 10);
  std::size_t pos = std::size_t{offset} + kRecordHeaderSize;
  if (!takeBlobString(blob_.data(), size, pos, decoded.russianText) ||
      !takeBlobString(blob_.data(), size, pos, decoded.hebrewText)) {
    return false;
  }
  record = decoded;
  return true;
}

}  // namespace quorix
