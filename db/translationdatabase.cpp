#include "translationdatabase.h"

#include <array>

#include "blobscrambler.h"
#include "indexsearch.h"
#include "indexshape.h"
#include "littleendian.h"
#include "recordchain.h"
#include "recorddecoding.h"

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
  return file_.expectEnd() && checkShape();
}

bool TranslationDatabase::checkShape() {
  RecordChain chain;
  std::string problem;
  if (!chain.walk<TranslationRecord>(*this, problem)) return file_.fail(problem);
  // Every offset the check reads at starts a record of the chain, whose header decodes.
  TranslationRecord record;
  const bool sound = IndexShape(chain).check(
      "key index", keyCount_, [&](std::uint32_t i) { return keyIndexEntry(i); },
      [](const KeyIndexEntry& e) { return e.russianKey; },
      [&](RecordOffset offset) {
        decodeTranslationRecordHeader(blob_.span(), offset, record);
        return record.russianKey;
      },
      problem);
  return sound || file_.fail(problem);
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
  return decodeTranslationRecord(blob_.span(), offset, record);
}

}  // namespace quorix
