#include "regularfile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorix {

OpenedFile openRegularFile(const std::string& path, std::string& error) {
  // O_NONBLOCK makes the open of a FIFO return at once instead of waiting for a writer; the type
  // is then looked at on what was opened, so nothing can be swapped in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = path + ": cannot open: " + std::strerror(errno);
    return {};
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    error = path + ": not a regular file";
    return {};
  }
  // Reads of a regular file never block; the flag is dropped only to leave an ordinary stream.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (!file) {
    error = path + ": cannot open: " + std::strerror(errno);
    ::close(fd);
    return {};
  }
  return {FileHandle(file), static_cast<std::uint64_t>(info.st_size)};
}

}  // namespace quorix
