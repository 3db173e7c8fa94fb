#pragma once
// Writes a realistic, full-scale set of the five database files for benchmarks: about 45 records
// per verb (the grid's forms, alternatives, pattern, root and translation rows) over 43 tables of
// seven binyans, roots shared between binyans, pointed forms with unpointed list texts, Russian and
// English groups of one to five rows and one search entry per group (as many English groups as
// Russian ones). The same record count always gives the same files.

#include <cstdint>
#include <string>

namespace quorix {

struct SynthesisCounts {
  std::uint32_t records = 0;
  std::uint32_t verbs = 0;
  std::uint32_t russianRecords = 0;
  std::uint32_t searchEntries = 0;
};

// Writes hebrew.db, russian.db, rusearch.db, english.db and ensearch.db into `folder` (which must
// exist); the counts are those of the Hebrew and Russian files. False with `error` set when a file
// cannot be written or `records` is too small to hold one verb.
bool synthesizeDatabases(std::uint32_t records, const std::string& folder, SynthesisCounts& counts, std::string& error);

}  // namespace quorix
