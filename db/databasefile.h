#pragma once
// The open file behind one database reader: opened for binary reading when the reader is
// constructed and closed when it is destroyed, as the readers keep their file open for their life.
// Reads are sequential; every read first checks that the file still holds the bytes it is about to
// read, so a file shorter than its header announces fails instead of leaving part of a table unread.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>

#include "bytearray.h"

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

  // Records a failure found by the caller in what was read (for example sizes that disagree);
  // returns false so that a loader can `return file.fail(...)`.
  bool fail(const std::string& message);

  // Why the last failure happened, as one line naming the file.
  const std::string& error() const { return error_; }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
  std::uint64_t size_ = 0;      // the file's size, found when it was opened
  std::uint64_t position_ = 0;  // bytes consumed so far
  std::string error_;
};

}  // namespace quorix
