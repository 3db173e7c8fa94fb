#pragma once
// The query cache's own record of what it holds: the file "manifest" in the "query cache" folder.
// It names the database files the lists were built from (name, size, hash) and, for every list
// file, its size and checksum. A list file is trusted only when the manifest knows it and it still
// has that size and checksum, and the whole folder only while the databases are the ones named.
//
// File format (UTF-8 text, one item a line, fields separated by one space, numbers in decimal,
// hashes in 16 lowercase hexadecimal digits):
//   quorix query cache 1
//   database hebrew.db 1864233 5f0c2d9e8a7b6c41
//   list 0000000000.cache 124460 0a1b2c3d4e5f6071
// Any other line, a missing first line or a repeated name makes the whole file unreadable, which
// counts as no manifest.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/filefingerprint.h"

namespace quorix {

// The database files the lists are built from, in the order the program loads them.
using DatabaseIdentity = std::vector<FileFingerprint>;

class CacheManifest {
 public:
  static constexpr const char* kFileName = "manifest";
  // Far above what the lists of every key need (a few hundred lines); a bigger file is no manifest.
  static constexpr std::size_t kSizeLimit = 1 << 20;

  CacheManifest() = default;
  explicit CacheManifest(DatabaseIdentity databases) : databases_(std::move(databases)) {}

  const DatabaseIdentity& databases() const { return databases_; }
  // The fingerprint recorded for a list file, or null when the manifest does not know it.
  const FileFingerprint* list(const std::string& fileName) const;
  // Records (or replaces) a list file's fingerprint.
  void setList(FileFingerprint list);
  // Takes the lists of `other` that this manifest does not know.
  void addMissingLists(const CacheManifest& other);

  std::string text() const;
  // The manifest a text describes, or nothing when the text is not one.
  static std::optional<CacheManifest> parse(std::string_view text);

  // Reads the manifest file at `path`: nothing when it is missing, not a regular file, bigger than
  // kSizeLimit or unreadable.
  static std::optional<CacheManifest> read(const std::string& path);
  // Writes it atomically (db/atomicfile.h). False when the folder cannot be written.
  bool write(const std::string& path) const;

 private:
  DatabaseIdentity databases_;
  std::map<std::string, FileFingerprint, std::less<>> lists_;
};

}  // namespace quorix
