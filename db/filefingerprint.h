#pragma once
// What tells one version of a file from another: its name, its size and the hash of its bytes
// (contenthash.h). The query cache keeps the fingerprints of the database files its lists were
// built from, and one per list file as its checksum.

#include <cstdint>
#include <string>

namespace quorix {

struct FileFingerprint {
  std::string name;  // the file's name without its folder
  std::uint64_t size = 0;
  std::uint64_t hash = 0;

  bool operator==(const FileFingerprint&) const = default;
};

}  // namespace quorix
