#include "cachemanifest.h"

#include <charconv>
#include <cstdio>
#include <span>

#include "db/atomicfile.h"
#include "db/regularfile.h"

namespace quorix {

namespace {

constexpr std::string_view kFirstLine = "quorix query cache 1";
constexpr std::string_view kDatabaseWord = "database";
constexpr std::string_view kListWord = "list";
constexpr std::size_t kHashDigits = 16;

std::string lineOf(std::string_view word, const FileFingerprint& f) {
  char hash[kHashDigits + 1];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(f.hash));
  return std::string(word) + " " + f.name + " " + std::to_string(f.size) + " " + hash + "\n";
}

// The next field of `line` up to a space (or the line's end); empty when there is none.
std::string_view takeField(std::string_view& line) {
  const std::size_t space = line.find(' ');
  const std::string_view field = line.substr(0, space);
  line = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  return field;
}

bool parseNumber(std::string_view text, int base, std::uint64_t& value) {
  if (text.empty() || (base == 10 && text.size() > 1 && text[0] == '0')) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  return error == std::errc() && end == text.data() + text.size();
}

bool isLowerHex(std::string_view text) {
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// A name as the program writes them: printable ASCII without spaces or slashes.
bool isPlainName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (c <= ' ' || c > '~' || c == '/') return false;
  }
  return true;
}

// "WORD NAME SIZE HASH" after WORD was taken.
std::optional<FileFingerprint> parseFingerprint(std::string_view fields) {
  FileFingerprint f;
  f.name = std::string(takeField(fields));
  const std::string_view size = takeField(fields);
  const std::string_view hash = takeField(fields);
  if (!fields.empty() || !isPlainName(f.name) || !parseNumber(size, 10, f.size)) return std::nullopt;
  if (hash.size() != kHashDigits || !isLowerHex(hash) || !parseNumber(hash, 16, f.hash)) return std::nullopt;
  return f;
}

}  // namespace

const FileFingerprint* CacheManifest::list(const std::string& fileName) const {
  const auto found = lists_.find(fileName);
  return found == lists_.end() ? nullptr : &found->second;
}

void CacheManifest::setList(FileFingerprint list) {
  std::string name = list.name;
  lists_.insert_or_assign(std::move(name), std::move(list));
}

void CacheManifest::addMissingLists(const CacheManifest& other) {
  for (const auto& [name, list] : other.lists_) lists_.try_emplace(name, list);
}

std::string CacheManifest::text() const {
  std::string out = std::string(kFirstLine) + "\n";
  for (const FileFingerprint& database : databases_) out += lineOf(kDatabaseWord, database);
  for (const auto& [name, list] : lists_) out += lineOf(kListWord, list);
  return out;
}

std::optional<CacheManifest> CacheManifest::parse(std::string_view text) {
  // Every line ends with a newline, the last one too: a file cut short is not taken for a shorter one.
  if (!text.starts_with(kFirstLine) || text.substr(kFirstLine.size(), 1) != "\n" || !text.ends_with('\n')) {
    return std::nullopt;
  }
  text.remove_prefix(kFirstLine.size() + 1);
  CacheManifest manifest;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    const std::string_view word = takeField(line);
    const std::optional<FileFingerprint> f = parseFingerprint(line);
    if (!f) return std::nullopt;
    if (word == kDatabaseWord) {
      for (const FileFingerprint& known : manifest.databases_) {
        if (known.name == f->name) return std::nullopt;
      }
      manifest.databases_.push_back(*f);
    } else if (word != kListWord || !manifest.lists_.try_emplace(f->name, *f).second) {
      return std::nullopt;
    }
  }
  return manifest;
}

std::optional<CacheManifest> CacheManifest::read(const std::string& path) {
  std::string ignored;
  const OpenedFile opened = openRegularFile(path, ignored);
  if (!opened.file || opened.size > kSizeLimit) return std::nullopt;
  std::string text(static_cast<std::size_t>(opened.size), '\0');
  if (!text.empty() && std::fread(text.data(), 1, text.size(), opened.file.get()) != text.size()) return std::nullopt;
  return parse(text);
}

bool CacheManifest::write(const std::string& path) const {
  const std::string bytes = text();
  std::string ignored;
  return writeFileAtomically(
      path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), ignored);
}

}  // namespace quorix
