#include "querycache.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "db/atomicfile.h"
#include "db/contenthash.h"
#include "db/littleendian.h"
#include "db/regularfile.h"

namespace quorix {

std::string cacheFileName(const CacheKey& key) {
  char name[64];
  std::snprintf(name, sizeof name, "%02X%06X%02X.cache", key.mode, key.parameter, key.filter);
  return name;
}

QueryCache::QueryCache(std::string folder, DatabaseIdentity databases)
    : folder_(std::move(folder)), manifest_(std::move(databases)) {}

std::string QueryCache::fileIn(const std::string& name) const { return folder_.empty() ? name : folder_ + "/" + name; }

std::string QueryCache::pathOf(const CacheKey& key) const { return fileIn(cacheFileName(key)); }

std::string QueryCache::manifestPath() const { return fileIn(CacheManifest::kFileName); }

void QueryCache::open() {
  std::optional<CacheManifest> found = CacheManifest::read(manifestPath());
  const bool sameDatabases = found && found->databases() == manifest_.databases();
  removeLeftOverFiles(!sameDatabases);
  if (sameDatabases) {
    manifest_ = std::move(*found);
    return;
  }
  // A folder without a manifest we can read may hold lists of any databases: nobody can vouch for
  // them, so they go with the others.
  manifest_.write(manifestPath());
}

void QueryCache::removeLeftOverFiles(bool listsToo) const {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::vector<fs::path> doomed;
  for (fs::directory_iterator it(folder_.empty() ? fs::path(".") : fs::path(folder_), ec), end; !ec && it != end;
       it.increment(ec)) {
    if (it->is_directory(ec)) continue;
    const std::string name = it->path().filename().string();
    if (isLeftOverTemporary(name, kListSuffix) || isLeftOverTemporary(name, CacheManifest::kFileName) ||
        (listsToo && name.ends_with(kListSuffix))) {
      doomed.push_back(it->path());
    }
  }
  // A file that cannot be removed stays harmless: the manifest does not vouch for it.
  for (const fs::path& path : doomed) fs::remove(path, ec);
}

std::int32_t QueryCache::loadCachedList(const CacheKey& key, EntryArray& entries, RecordOffset entryLimit) const {
  entries.clear();
  const FileFingerprint* known = manifest_.list(cacheFileName(key));
  if (!known) return -1;
  std::string ignored;
  const OpenedFile opened = openRegularFile(pathOf(key), ignored);
  if (!opened.file || opened.size != known->size || opened.size / 4 > EntryArray::kCapacity) return -1;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(opened.size));
  if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), opened.file.get()) != bytes.size()) return -1;
  if (contentHash(bytes) != known->hash) return -1;
  std::vector<ListEntry> values(bytes.size() / 4);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = le::load32(bytes.data() + 4 * i);
    if (values[i] >= entryLimit) return -1;
  }
  entries.assign(values);
  return static_cast<std::int32_t>(values.size());
}

bool QueryCache::saveCachedList(const CacheKey& key, const EntryArray& entries, std::uint32_t count) {
  if (count > EntryArray::kCapacity) count = EntryArray::kCapacity;
  std::vector<std::uint8_t> bytes(std::size_t{count} * 4);
  for (std::uint32_t i = 0; i < count; ++i) le::store32(bytes.data() + 4 * i, entries.at(i));
  std::string error;
  if (!writeFileAtomically(pathOf(key), bytes, error)) return false;
  // A second instance on the same databases may have added lists since start-up: keep them known.
  if (const std::optional<CacheManifest> onDisk = CacheManifest::read(manifestPath());
      onDisk && onDisk->databases() == manifest_.databases()) {
    manifest_.addMissingLists(*onDisk);
  }
  manifest_.setList({cacheFileName(key), bytes.size(), contentHash(bytes)});
  return manifest_.write(manifestPath());
}

}  // namespace quorix
