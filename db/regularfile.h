#pragma once
// Opening a file for reading only when it is a regular file. A FIFO, a device or a folder put in
// the place of a database or cache file must give a clear failure at once: opening a FIFO the
// ordinary way waits for a writer that never comes, and a device never ends.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace quorix {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct OpenedFile {
  FileHandle file;         // null when the path is missing, unreadable or not a regular file
  std::uint64_t size = 0;  // the file's size when it was opened
};

// Opens `path` for binary reading without ever blocking. On failure `file` is null and `error`
// says why in one line naming the path ("cannot open: ..." or "not a regular file").
OpenedFile openRegularFile(const std::string& path, std::string& error);

}  // namespace quorix
