#pragma once
// The decoded records of the database files and the names of their fields' special values. The
// English files (english.db, ensearch.db) decode into the same records as the Russian ones, their
// ASCII text in the fields named after Russian.
// Every text field is a view into the blob of the reader that decoded it (the reader owns the bytes);
// a view stays valid for as long as that reader exists.

#include <cstdint>
#include <string_view>

namespace quorix {

// Offsets name records everywhere: the byte offset of a record (or search entry) in its blob.
using RecordOffset = std::uint32_t;

// The two results by which a lookup says that nothing matched. 0 is also a valid offset, so a
// caller that must be sure either checks the reported index or decodes and compares the key.
inline constexpr RecordOffset kNotFoundOutside = 0;
inline constexpr RecordOffset kNotFoundBetween = 0xFFFFFFFFu;

// A record of hebrew.db or russian.db is valid only when its stored length is below this.
inline constexpr std::uint16_t kRecordLengthLimit = 512;

// What a verb record holds, by its formCode.
namespace form {
inline constexpr std::uint16_t kInfinitive = 0;
inline constexpr std::uint16_t kListedPast = 4;
inline constexpr std::uint16_t kListedPresent = 21;
inline constexpr std::uint16_t kFirstAlternative = 50;
inline constexpr std::uint16_t kLastAlternative = 84;
inline constexpr std::uint16_t kAllFormsLimit = 98;  // codes below this are "all forms"
inline constexpr std::uint16_t kPattern = 98;
inline constexpr std::uint16_t kRoot = 99;
inline constexpr std::uint16_t kFirstTranslation = 100;
}  // namespace form

struct VerbRecord {
  std::uint16_t length = 0;
  std::uint32_t reserved = 0;
  std::uint32_t verbId = 0;
  std::uint16_t formCode = 0;
  std::uint32_t tableNumber = 0;  // binyan * 10000 + number of the table within its binyan
  std::string_view formText;         // code page 1255, with the page's in-band marks
  std::string_view listText;         // code page 1255; may carry the list's colour mark
  std::string_view translationText;  // code page 1251 or ASCII
};

struct TranslationRecord {
  std::uint16_t length = 0;
  std::uint32_t russianKey = 0;  // group * 1000 + row; row 0 heads the group
  std::uint32_t verbId = 0;
  std::uint16_t marked = 0;
  std::string_view russianText;  // code page 1251 (ASCII in english.db)
  std::string_view hebrewText;   // code page 1255
};

// A search entry of rusearch.db: a copy of its 48 stored bytes, decoded.
struct RussianSearchEntry {
  static constexpr std::size_t kStoredSize = 48;
  static constexpr std::size_t kTextSize = 40;

  std::uint32_t key = 0;  // in the russianKey scheme; key % 1000 == 1 marks an infinitive
  std::uint16_t highlightCell = 0;
  std::uint16_t markedOnly = 0;
  char text[kTextSize] = {};  // code page 1251 (ASCII in ensearch.db), NUL-terminated inside the field when shorter

  // The word, up to its NUL or the end of the field.
  std::string_view word() const;
};

enum class IndexKind : std::uint8_t { ByVerbId = 0, ByFormCode = 1, ByText = 2, ByTableNumber = 3 };

// Binyan of a table number: its first decimal digit (for the stored values 1 to 7 the same as
// tableNumber / 10000).
int binyanOfTable(std::uint32_t tableNumber);

}  // namespace quorix
