#include "scratchfolder.h"

#include <cstdio>
#include <cstdlib>

namespace quorix::fuzz {

const ScratchFolder& ScratchFolder::get() {
  static const ScratchFolder folder;
  return folder;
}

std::string ScratchFolder::write(const std::string& name, std::string_view bytes) const {
  const std::string path = file(name);
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0) {
    std::perror(path.c_str());
    std::abort();
  }
  return path;
}

}  // namespace quorix::fuzz
