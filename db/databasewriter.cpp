#include "databasewriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

#include "atomicfile.h"
#include "blobscrambler.h"
#include "littleendian.h"
#include "records.h"
#include "russiansearchindex.h"
#include "translationdatabase.h"
#include "verbdatabase.h"

namespace quorix {

namespace {

class ImageBuilder {
 public:
  void word(std::uint32_t v) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + 4);
    le::store32(bytes_.data() + at, v);
  }
  void half(std::uint16_t v) {
    const std::size_t at = bytes_.size();
    bytes_.resize(at + 2);
    le::store16(bytes_.data() + at, v);
  }
  void text(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
  void cString(const std::string& s) {
    text(s);
    bytes_.push_back(0);
  }
  void append(const std::vector<std::uint8_t>& other) { bytes_.insert(bytes_.end(), other.begin(), other.end()); }
  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

bool hasNul(const std::string& s) { return s.find('\0') != std::string::npos; }

// Lays out one record of `length` bytes whose length field is patched in when it is known.
bool finishRecord(ImageBuilder& blob, std::size_t start, std::string& error, const char* what, std::size_t index) {
  const std::size_t length = blob.size() - start;
  if (length >= kRecordLengthLimit) {
    error = std::string(what) + " " + std::to_string(index) + " needs " + std::to_string(length) +
            " bytes; a record must stay below 512";
    return false;
  }
  le::store16(blob.bytes().data() + start, static_cast<std::uint16_t>(length));
  return true;
}

void scrambleImageBlob(std::vector<std::uint8_t>& image, std::size_t blobStart) {
  scrambleBlob(std::span<std::uint8_t>(image.data() + blobStart, image.size() - blobStart));
}

}  // namespace

bool buildVerbDatabase(std::span<const VerbRecordSource> records, const ModelVerbs& models,
                       std::vector<std::uint8_t>& image, std::string& error) {
  ImageBuilder blob;
  std::vector<RecordOffset> offsets;
  offsets.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const VerbRecordSource& r = records[i];
    if (hasNul(r.formText) || hasNul(r.listText) || hasNul(r.translationText)) {
      error = "verb record " + std::to_string(i) + " has a NUL inside a text";
      return false;
    }
    const std::size_t start = blob.size();
    offsets.push_back(static_cast<RecordOffset>(start));
    blob.half(0);
    blob.word(r.reserved);
    blob.word(r.verbId);
    blob.half(r.formCode);
    blob.word(r.tableNumber);
    blob.cString(r.formText);
    blob.cString(r.listText);
    blob.cString(r.translationText);
    if (!finishRecord(blob, start, error, "verb record", i)) return false;
  }

  std::vector<std::uint32_t> order(records.size());
  const auto byKey = [&](auto key) {
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
  };

  ImageBuilder verbIndex;
  byKey([&](std::uint32_t i) { return records[i].verbId; });
  for (std::uint32_t i : order) {
    verbIndex.word(records[i].verbId);
    verbIndex.word(offsets[i]);
  }

  ImageBuilder formIndex;
  byKey([&](std::uint32_t i) { return records[i].formCode; });
  for (std::uint32_t i : order) {
    formIndex.half(records[i].formCode);
    formIndex.word(offsets[i]);
  }

  // Within a table's run the model verb comes first: the list of tables and the table list dialog
  // take the first entry of each run as the table's representative.
  std::unordered_map<std::uint32_t, std::uint32_t> firstVerbOfTable;
  for (const VerbRecordSource& r : records) firstVerbOfTable.try_emplace(r.tableNumber, r.verbId);
  const auto isModel = [&](std::uint32_t i) {
    const auto found = models.find(records[i].tableNumber);
    const std::uint32_t model = found != models.end() ? found->second : firstVerbOfTable[records[i].tableNumber];
    return records[i].verbId == model;
  };
  ImageBuilder tableIndex;
  byKey([&](std::uint32_t i) { return std::pair(records[i].tableNumber, isModel(i) ? 0 : 1); });
  for (std::uint32_t i : order) {
    tableIndex.word(records[i].tableNumber);
    tableIndex.word(offsets[i]);
  }

  const auto keyOf = [&](std::uint32_t i) {
    std::array<std::uint8_t, VerbDatabase::kTextKeySize> key{};
    const std::string& t = records[i].listText;
    std::memcpy(key.data(), t.data(), std::min(t.size(), key.size()));
    return key;
  };
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    const auto ka = keyOf(a);
    const auto kb = keyOf(b);
    if (ka != kb) return ka < kb;
    const std::string& ta = records[a].listText;
    const std::string& tb = records[b].listText;
    return std::lexicographical_compare(ta.begin(), ta.end(), tb.begin(), tb.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  });
  ImageBuilder textIndex;
  for (std::uint32_t i : order) {
    const auto key = keyOf(i);
    textIndex.bytes().insert(textIndex.bytes().end(), key.begin(), key.end());
    textIndex.word(offsets[i]);
  }

  ImageBuilder file;
  file.word(static_cast<std::uint32_t>(blob.size()));
  file.word(static_cast<std::uint32_t>(records.size()));
  file.word(static_cast<std::uint32_t>(verbIndex.size()));
  file.word(static_cast<std::uint32_t>(formIndex.size()));
  file.word(static_cast<std::uint32_t>(tableIndex.size()));
  file.word(static_cast<std::uint32_t>(textIndex.size()));
  file.append(verbIndex.bytes());
  file.append(formIndex.bytes());
  file.append(tableIndex.bytes());
  file.append(textIndex.bytes());
  const std::size_t blobStart = file.size();
  file.append(blob.bytes());
  image = std::move(file.bytes());
  scrambleImageBlob(image, blobStart);
  return true;
}

bool buildTranslationDatabase(std::span<const TranslationRecordSource> records, std::vector<std::uint8_t>& image,
                              std::string& error) {
  std::vector<std::uint32_t> order(records.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(),
                   [&](std::uint32_t a, std::uint32_t b) { return records[a].russianKey < records[b].russianKey; });
  ImageBuilder blob;
  ImageBuilder keyIndex;
  for (std::uint32_t i : order) {
    const TranslationRecordSource& r = records[i];
    if (hasNul(r.russianText) || hasNul(r.hebrewText)) {
      error = "translation record " + std::to_string(i) + " has a NUL inside a text";
      return false;
    }
    const std::size_t start = blob.size();
    keyIndex.word(r.russianKey);
    keyIndex.word(static_cast<std::uint32_t>(start));
    blob.half(0);
    blob.word(r.russianKey);
    blob.word(r.verbId);
    blob.half(r.marked);
    blob.cString(r.russianText);
    blob.cString(r.hebrewText);
    if (!finishRecord(blob, start, error, "translation record", i)) return false;
  }
  ImageBuilder file;
  file.word(static_cast<std::uint32_t>(blob.size()));
  file.word(static_cast<std::uint32_t>(records.size()));
  file.word(0);  // reserved table: nothing in the program reads it
  file.word(static_cast<std::uint32_t>(keyIndex.size()));
  file.append(keyIndex.bytes());
  const std::size_t blobStart = file.size();
  file.append(blob.bytes());
  image = std::move(file.bytes());
  scrambleImageBlob(image, blobStart);
  return true;
}

bool buildRussianSearchIndex(std::span<const SearchEntrySource> entries, std::vector<std::uint8_t>& image,
                             std::string& error) {
  ImageBuilder blob;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const SearchEntrySource& e = entries[i];
    if (hasNul(e.text) || e.text.size() >= RussianSearchEntry::kTextSize) {
      error = "search entry " + std::to_string(i) + " needs a word of 1 to 39 bytes without NUL";
      return false;
    }
    blob.word(e.key);
    blob.half(e.highlightCell);
    blob.half(e.markedOnly);
    std::string field = e.text;
    field.resize(RussianSearchEntry::kTextSize, '\0');
    blob.text(field);
  }
  ImageBuilder file;
  file.word(static_cast<std::uint32_t>(blob.size()));
  file.word(static_cast<std::uint32_t>(entries.size()));
  file.word(0);  // reserved table
  const std::size_t blobStart = file.size();
  file.append(blob.bytes());
  image = std::move(file.bytes());
  scrambleImageBlob(image, blobStart);
  return true;
}

bool writeDatabaseImage(const std::string& path, std::span<const std::uint8_t> image, std::string& error) {
  return writeFileAtomically(path, image, error);
}

}  // namespace quorix
