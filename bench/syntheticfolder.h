#pragma once
// A temporary folder holding a synthetic full-scale set of the five databases (210000 records),
// made on first use and removed when the benchmark program ends. Benchmarks share one copy.

#include <string>

#include "support/tempfolder.h"

namespace quorix::bench {

class SyntheticFolder {
 public:
  static constexpr unsigned kRecords = 210000;

  // The folder of the process-wide copy; aborts the program when it cannot be made.
  static const SyntheticFolder& get();

  const std::string& path() const { return folder_.path(); }
  std::string file(const std::string& name) const { return folder_.file(name); }

 private:
  SyntheticFolder();
  test::TempFolder folder_;
};

}  // namespace quorix::bench
