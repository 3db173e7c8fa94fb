#pragma once
// A folder of this fuzz process into whose files each input is written before a reader opens it
// by name, as the program opens its files. It lies in the temporary folder (the test command points
// TMPDIR at a RAM disk where it can) and is removed when the process ends.

#include <string>
#include <string_view>

namespace quorix::fuzz {

class ScratchFolder {
 public:
  // The process's folder, made on first use.
  static const ScratchFolder& get();

  std::string file(const std::string& name) const { return path_ + "/" + name; }
  const std::string& path() const { return path_; }
  // Replaces the file `name` by exactly `bytes`; aborts the process when it cannot.
  std::string write(const std::string& name, std::string_view bytes) const;

  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();

 private:
  ScratchFolder();
  std::string path_;
};

}  // namespace quorix::fuzz
