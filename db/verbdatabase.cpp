#include "verbdatabase.h"

#include <algorithm>
#include <array>

#include "blobscrambler.h"
#include "indexsearch.h"
#include "indexshape.h"
#include "littleendian.h"
#include "recordchain.h"
#include "recorddecoding.h"

namespace quorix {

namespace {

int compareNumbers(std::uint32_t entryKey, std::uint32_t key) {
  return entryKey < key ? -1 : (entryKey > key ? 1 : 0);
}

// Prefix comparison of a 16-byte index text with the search text: unsigned bytes over the length
// of the search text, stopping early at a NUL in the entry (which then sorts below). Beyond its 16
// stored bytes an entry reads as NUL.
int comparePrefix(const std::uint8_t* entryText, std::string_view prefix) {
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const std::uint8_t e = i < VerbDatabase::kTextKeySize ? entryText[i] : 0;
    const auto k = static_cast<std::uint8_t>(prefix[i]);
    if (e != k) return e < k ? -1 : 1;
    if (e == 0) return 0;
  }
  return 0;
}

}  // namespace

VerbDatabase::VerbDatabase(const std::string& path) : file_(path) {}

bool VerbDatabase::load() {
  if (!file_.isOpen()) return false;
  std::array<std::uint32_t, 6> header{};
  if (!file_.readWords(header, "header")) return false;
  const auto [blobSize, recordCount, verbIndexSize, formIndexSize, tableIndexSize, textIndexSize] = header;
  if (!file_.readSection(verbIndexSize, verbIndex_, "verb index") ||
      !file_.readSection(formIndexSize, formIndex_, "form index") ||
      !file_.readSection(tableIndexSize, tableIndex_, "table index") ||
      !file_.readSection(textIndexSize, textIndex_, "text index") ||
      !file_.readSection(blobSize, blob_, "blob")) {
    return false;
  }
  // The accessors index the tables by recordCount; sizes that disagree with it would send them
  // outside the arrays, so such a file is refused as damaged.
  const std::uint64_t n = recordCount;
  if (verbIndexSize != n * kVerbEntrySize || formIndexSize != n * kFormEntrySize ||
      textIndexSize != n * kTextEntrySize || tableIndexSize % kTableEntrySize != 0) {
    verbIndex_ = {};
    formIndex_ = {};
    tableIndex_ = {};
    textIndex_ = {};
    blob_ = {};
    return file_.fail("index sizes disagree with the record count " + std::to_string(recordCount));
  }
  recordCount_ = recordCount;
  tableIndexCount_ = tableIndexSize / kTableEntrySize;
  scrambleBlob(blob_.span());
  return file_.expectEnd() && checkShape();
}

bool VerbDatabase::checkShape() {
  RecordChain chain;
  std::string problem;
  if (!chain.walk<VerbRecord>(*this, problem)) return file_.fail(problem);
  if (chain.recordCount() != recordCount_) {
    return file_.fail("the blob holds " + std::to_string(chain.recordCount()) + " records, the header announces " +
                      std::to_string(recordCount_));
  }
  using TextKey = std::array<std::uint8_t, kTextKeySize>;
  const auto textKeyOf = [](std::string_view text) {
    TextKey key{};
    std::copy_n(text.begin(), std::min(text.size(), key.size()), key.begin());
    return key;
  };
  // Every offset the checks decode at starts a record of the chain, which decoded: the numeric keys
  // are read from the header alone, and only the text index looks for the texts.
  VerbRecord record;
  const auto header = [&](RecordOffset offset) -> const VerbRecord& {
    decodeVerbRecordHeader(blob_.span(), offset, record);
    return record;
  };
  const IndexShape shape(chain);
  const bool sound =
      shape.check("verb index", recordCount_, [&](std::uint32_t i) { return verbIndexEntry(i); },
                  [](const VerbIndexEntry& e) { return e.verbId; },
                  [&](RecordOffset offset) { return header(offset).verbId; }, problem) &&
      shape.check("form index", recordCount_, [&](std::uint32_t i) { return formIndexEntry(i); },
                  [](const FormIndexEntry& e) { return e.formCode; },
                  [&](RecordOffset offset) { return header(offset).formCode; }, problem) &&
      shape.check("table index", tableIndexCount_, [&](std::uint32_t i) { return tableIndexEntry(i); },
                  [](const TableIndexEntry& e) { return e.tableNumber; },
                  [&](RecordOffset offset) { return header(offset).tableNumber; }, problem) &&
      shape.check("text index", recordCount_, [&](std::uint32_t i) { return textIndexEntry(i); },
                  [&](const TextIndexEntry& e) { return textKeyOf(e.text); },
                  [&](RecordOffset offset) {
                    decodeVerbRecord(blob_.span(), offset, record);
                    return textKeyOf(record.listText);
                  },
                  problem);
  return sound || file_.fail(problem);
}

VerbIndexEntry VerbDatabase::verbIndexEntry(std::uint32_t i) const {
  const std::uint8_t* p = verbIndex_.data() + std::size_t{i} * kVerbEntrySize;
  return {le::load32(p), le::load32(p + 4)};
}

FormIndexEntry VerbDatabase::formIndexEntry(std::uint32_t i) const {
  const std::uint8_t* p = formIndex_.data() + std::size_t{i} * kFormEntrySize;
  return {le::load16(p), le::load32(p + 2)};
}

TableIndexEntry VerbDatabase::tableIndexEntry(std::uint32_t i) const {
  const std::uint8_t* p = tableIndex_.data() + std::size_t{i} * kTableEntrySize;
  return {le::load32(p), le::load32(p + 4)};
}

TextIndexEntry VerbDatabase::textIndexEntry(std::uint32_t i) const {
  const std::uint8_t* p = textIndex_.data() + std::size_t{i} * kTextEntrySize;
  const void* nul = std::memchr(p, '\0', kTextKeySize);
  const std::size_t size = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - p) : kTextKeySize;
  return {std::string_view(reinterpret_cast<const char*>(p), size), le::load32(p + kTextKeySize)};
}

RecordOffset VerbDatabase::lookup(IndexKind kind, std::uint32_t key, std::uint32_t* firstIndex) const {
  IndexSearchResult result;
  RecordOffset offset = 0;
  switch (kind) {
    case IndexKind::ByVerbId:
      result = searchIndex(recordCount_, [&](std::uint32_t i) { return compareNumbers(verbIndexEntry(i).verbId, key); });
      if (result.found) offset = verbIndexEntry(result.index).offset;
      break;
    case IndexKind::ByFormCode:
      result = searchIndex(recordCount_, [&](std::uint32_t i) { return compareNumbers(formIndexEntry(i).formCode, key); });
      if (result.found) offset = formIndexEntry(result.index).offset;
      break;
    case IndexKind::ByTableNumber:
      result = searchIndex(tableIndexCount_, [&](std::uint32_t i) { return compareNumbers(tableIndexEntry(i).tableNumber, key); });
      if (result.found) offset = tableIndexEntry(result.index).offset;
      break;
    case IndexKind::ByText:
      return kNotFoundOutside;
  }
  if (!result.found) return result.notFound;
  if (firstIndex) *firstIndex = result.index;
  return offset;
}

RecordOffset VerbDatabase::lookupText(std::string_view prefix, std::uint32_t* firstIndex) const {
  // The search text is a C string: it ends at its first NUL.
  prefix = prefix.substr(0, std::min(prefix.size(), prefix.find('\0')));
  const IndexSearchResult result = searchIndex(recordCount_, [&](std::uint32_t i) {
    return comparePrefix(textIndex_.data() + std::size_t{i} * kTextEntrySize, prefix);
  });
  if (!result.found) return result.notFound;
  if (firstIndex) *firstIndex = result.index;
  return textIndexEntry(result.index).offset;
}

bool VerbDatabase::decode(RecordOffset offset, VerbRecord& record) const {
  return decodeVerbRecord(blob_.span(), offset, record);
}

}  // namespace quorix
