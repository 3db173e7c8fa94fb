#include "atomicfile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace quorix {

bool writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string& error) {
  // The process id keeps two instances apart, the counter two writers of one instance.
  static std::atomic<unsigned> counter{0};
  const std::string temporary = path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) {
    error = temporary + ": cannot create: " + std::strerror(errno);
    return false;
  }
  const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const int writeErrno = errno;
  const bool closed = std::fclose(file) == 0;
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

}  // namespace quorix
