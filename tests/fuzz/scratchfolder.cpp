#include "scratchfolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace quorix::fuzz {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorix-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("cannot create the scratch folder");
    std::abort();
  }
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

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
