#pragma once
// A folder of this fuzz process into whose files each input is written before a reader opens it
// by name, as the program opens its files. It lies in the temporary folder (the test command points
// TMPDIR at a RAM disk where it can) and is removed when the process ends.

#include <string>
#include <string_view>

#include "support/tempfolder.h"

namespace quorix::fuzz {

class ScratchFolder {
 public:
  // The process's folder, made on first use.
  static const ScratchFolder& get();

  std::string file(const std::string& name) const { return folder_.file(name); }
  const std::string& path() const { return folder_.path(); }
  // Replaces the file `name` by exactly `bytes`; aborts the process when it cannot.
  std::string write(const std::string& name, std::string_view bytes) const;

 private:
  ScratchFolder() = default;
  test::TempFolder folder_;
};

}  // namespace quorix::fuzz
