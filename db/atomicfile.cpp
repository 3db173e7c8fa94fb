#include "atomicfile.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace quorix {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

bool allDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error) {
  // The process id keeps two instances apart, the counter two writers of one instance.
  static std::atomic<unsigned> counter{0};
  const std::string temporary =
      path + std::string(kTemporaryMark) + std::to_string(getpid()) + "-" + std::to_string(counter++);
  // O_EXCL: a name already taken (by anything, a FIFO or a link included) is never written through.
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = temporary + ": cannot create: " + std::strerror(errno);
    return false;
  }
  // The bytes reach the disk before the name does: after a crash the target is the old file or the
  // whole new one, never a name over missing data.
  const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeErrno = errno;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    error = temporary + ": cannot write: " + std::strerror(written ? errno : writeErrno);
    std::remove(temporary.c_str());
    return false;
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = path + ": cannot replace: " + std::strerror(errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool isLeftOverTemporary(std::string_view fileName, std::string_view targetSuffix) {
  // "<target><suffix>.tmp<pid>-<counter>", as writeFileAtomically names them.
  const std::size_t mark = fileName.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || !fileName.substr(0, mark).ends_with(targetSuffix)) return false;
  const std::string_view tail = fileName.substr(mark + kTemporaryMark.size());
  const std::size_t dash = tail.find('-');
  return dash != std::string_view::npos && allDigits(tail.substr(0, dash)) && allDigits(tail.substr(dash + 1));
}

}  // namespace quorix
