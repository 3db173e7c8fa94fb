#pragma once
// The open file behind one database reader: opened for binary reading when the reader is
// constructed and closed when it is destroyed, as the readers keep their file open for their life.
// Only a regular file is opened (regularfile.h): anything else fails at once, as a missing file does.
// Reads are sequential; every read first checks that the file still holds the bytes it is about to
// read, so a file shorter than its header announces fails instead of leaving part of a table unread.
// The bytes are hashed as they are read, which gives the file's fingerprint without a second pass.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "bytearray.h"
#include "filefingerprint.h"
#include "regularfile.h"

namespace quorix {

class DatabaseFile {
 public:
  explicit DatabaseFile(std::string path);
  DatabaseFile(const DatabaseFile&) = delete;
  DatabaseFile& operator=(const DatabaseFile&) = delete;

  const std::string& path() const { return path_; }
  bool isOpen() const { return file_ != nullptr; }

  // Reads words.size() little-endian 32-bit header words from the current position.
  bool readWords(std::span<std::uint32_t> words, const char* what);
  // Reads a section of `size` bytes into a freshly allocated array with one read.
  bool readSection(std::uint64_t size, ByteArray& out, const char* what);
  // True when everything the file holds has been read: a blob that ends before the file does is
  // as damaged as one that runs past it.
  bool expectEnd();

  // Name, size and the hash of the bytes read so far (after a successful load: the whole file).
  FileFingerprint fingerprint() const;

  // Records a failure found by the caller in what was read (for example sizes that disagree);
  // returns false so that a loader can `return file.fail(...)`.
  bool fail(const std::string& message);

  // Why the last failure happened, as one line naming the file.
  const std::string& error() const { return error_; }

 private:
  std::string path_;
  FileHandle file_;
  std::uint64_t size_ = 0;      // the file's size, found when it was opened
  std::uint64_t position_ = 0;  // bytes consumed so far
  std::uint64_t hash_ = 0;      // contentHash of the bytes consumed so far, section by section
  std::string error_;
};

}  // namespace quorix
