#include "cachefolder.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

namespace {

std::string inFolder(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return folder.back() == '/' ? folder + std::string(name) : folder + "/" + std::string(name);
}

// FNV-1a, 64 bits: a stable hash whose value does not depend on the standard library's.
void mix(std::uint64_t& hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
}

}  // namespace

std::string userCacheHome(const char* xdgCacheHome, const char* home) {
  // The XDG rule: a relative value is invalid and ignored.
  if (xdgCacheHome != nullptr && xdgCacheHome[0] == '/') return xdgCacheHome;
  if (home != nullptr && home[0] != '\0') return inFolder(home, ".cache");
  return {};
}

std::string databaseStamp(const std::string& programFolder) {
  std::vector<std::filesystem::path> databases;
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(programFolder.empty() ? "." : programFolder, ec)) {
    if (item.path().extension() == ".db") databases.push_back(item.path());
  }
  std::sort(databases.begin(), databases.end());
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const std::filesystem::path& path : databases) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) continue;
    char facts[96];
    std::snprintf(facts, sizeof facts, "/%jd/%jd.%09ld", static_cast<std::intmax_t>(info.st_size),
                  static_cast<std::intmax_t>(info.st_mtim.tv_sec), static_cast<long>(info.st_mtim.tv_nsec));
    mix(hash, path.filename().string());
    mix(hash, facts);
  }
  char stamp[17];
  std::snprintf(stamp, sizeof stamp, "%016" PRIX64, hash);
  return stamp;
}

std::string queryCacheFolder(const std::string& programFolder) {
  const std::string beside = inFolder(programFolder, "query cache");
  const bool installed = std::filesystem::exists(inFolder(programFolder, kInstalledCopyMarker)) ||
                         access(programFolder.empty() ? "." : programFolder.c_str(), W_OK) != 0;
  if (!installed) return beside;
  const std::string home = userCacheHome(std::getenv("XDG_CACHE_HOME"), std::getenv("HOME"));
  if (home.empty()) return beside;
  return home + "/quorix/query cache/" + databaseStamp(programFolder);
}

}  // namespace quorix
