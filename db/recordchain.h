#pragma once
// The records of a hebrew.db or russian.db blob as a chain: the first starts at offset 0, each next
// one where the one before ends (its offset + length), and the last ends exactly at the blob's end.
// Loading walks the chain once to prove the blob's shape: every record decodes and holds its texts
// within its length, so that no walk by length can step into the middle of a record. The index
// checks then ask whether an offset starts one of the records.

#include <cstdint>
#include <string>
#include <vector>

#include "records.h"

namespace quorix {

class RecordChain {
 public:
  // Walks the blob of `reader` (a VerbDatabase or TranslationDatabase with its blob in place),
  // decoding each record into a `Record`. False with `problem` saying where when a record does not
  // decode, its texts run past its length, or it runs past the blob's end.
  template <typename Record, typename Reader>
  bool walk(const Reader& reader, std::string& problem);

  bool startsRecord(RecordOffset offset) const {
    return offset < bitsCovered() && (starts_[offset / 64] >> (offset % 64) & 1) != 0;
  }
  std::uint32_t recordCount() const { return count_; }

 private:
  std::uint64_t bitsCovered() const { return std::uint64_t{starts_.size()} * 64; }
  static const char* lastText(const VerbRecord& r) { return r.translationText.data() + r.translationText.size(); }
  static const char* lastText(const TranslationRecord& r) { return r.hebrewText.data() + r.hebrewText.size(); }

  std::vector<std::uint64_t> starts_;  // one bit per blob byte: set where a record starts
  std::uint32_t count_ = 0;
};

template <typename Record, typename Reader>
bool RecordChain::walk(const Reader& reader, std::string& problem) {
  const std::uint32_t size = reader.blobSize();
  const char* const blob = reinterpret_cast<const char*>(reader.blob());
  starts_.assign((std::size_t{size} + 63) / 64, 0);
  count_ = 0;
  Record record;
  for (std::uint64_t offset = 0; offset < size; offset += record.length) {
    const auto at = static_cast<RecordOffset>(offset);
    if (!reader.decode(at, record)) {
      problem = "the record at blob offset " + std::to_string(at) + " does not decode";
      return false;
    }
    if (offset + record.length > size) {
      problem = "the record at blob offset " + std::to_string(at) + " runs past the blob's end";
      return false;
    }
    // The terminating NUL of the last text must lie inside the record too.
    if (lastText(record) >= blob + offset + record.length) {
      problem = "the texts of the record at blob offset " + std::to_string(at) + " run past its length";
      return false;
    }
    starts_[at / 64] |= std::uint64_t{1} << (at % 64);
    ++count_;
  }
  return true;
}

}  // namespace quorix
