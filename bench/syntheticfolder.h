#pragma once
// A temporary folder holding a synthetic full-scale set of the three databases (210000 records),
// made on first use and removed when the benchmark program ends. Benchmarks share one copy.

#include <string>

namespace quorix::bench {

class SyntheticFolder {
 public:
  static constexpr unsigned kRecords = 210000;

  // The folder of the process-wide copy; aborts the program when it cannot be made.
  static const SyntheticFolder& get();

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  SyntheticFolder(const SyntheticFolder&) = delete;
  SyntheticFolder& operator=(const SyntheticFolder&) = delete;
  ~SyntheticFolder();

 private:
  SyntheticFolder();
  std::string path_;
};

}  // namespace quorix::bench
