#include "querycache.h"

#include <cstdio>
#include <memory>
#include <vector>

#include <sys/stat.h>

#include "db/atomicfile.h"
#include "db/littleendian.h"

namespace quorix {

std::string cacheFileName(const CacheKey& key) {
  char name[64];
  std::snprintf(name, sizeof name, "%02X%06X%02X.cache", key.mode, key.parameter, key.filter);
  return name;
}

QueryCache::QueryCache(std::string folder) : folder_(std::move(folder)) {}

std::string QueryCache::pathOf(const CacheKey& key) const {
  return folder_.empty() ? cacheFileName(key) : folder_ + "/" + cacheFileName(key);
}

std::int32_t QueryCache::loadCachedList(const CacheKey& key, EntryArray& entries, RecordOffset entryLimit) const {
  entries.clear();
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(pathOf(key).c_str(), "rb"));
  if (!file) return -1;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  const std::size_t size = static_cast<std::size_t>(info.st_size);
  const std::size_t count = std::min<std::size_t>(size / 4, EntryArray::kCapacity);
  std::vector<std::uint8_t> bytes(count * 4);
  // A short read (the file shrank under us) leaves the rest zero, as a file of that size would.
  const std::size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), file.get());
  std::vector<ListEntry> values(count, 0);
  for (std::size_t i = 0; i < got / 4; ++i) values[i] = le::load32(bytes.data() + 4 * i);
  for (ListEntry v : values) {
    if (v >= entryLimit) return -1;
  }
  entries.assign(values);
  return static_cast<std::int32_t>(count);
}

bool QueryCache::saveCachedList(const CacheKey& key, const EntryArray& entries, std::uint32_t count) const {
  if (count > EntryArray::kCapacity) count = EntryArray::kCapacity;
  std::vector<std::uint8_t> bytes(std::size_t{count} * 4);
  for (std::uint32_t i = 0; i < count; ++i) le::store32(bytes.data() + 4 * i, entries.at(i));
  std::string error;
  return writeFileAtomically(pathOf(key), bytes, error);
}

}  // namespace quorix
