// quorix-cli subcommands that inspect or produce database files.

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <set>

#include "clicommands.h"
#include "databaseset.h"
#include "databasesynthesizer.h"
#include "db/codepages.h"
#include "db/recordwalks.h"

namespace quorix {

namespace {

// A list text as a person reads it: the colour mark (byte 0x01 and a colour code) shown as
// "[colour N]" between the Hebrew parts.
std::string readableListText(std::string_view text) {
  const std::size_t mark = text.find('\x01');
  if (mark == std::string_view::npos) return codePageToUtf8(text, CodePage::Hebrew1255);
  std::string out = codePageToUtf8(text.substr(0, mark), CodePage::Hebrew1255);
  if (mark + 1 < text.size()) {
    out += "[colour " + std::to_string(static_cast<unsigned char>(text[mark + 1])) + "]";
    out += codePageToUtf8(text.substr(mark + 2), CodePage::Hebrew1255);
  }
  return out;
}

// The word groups of a translation database: the distinct keys / 1000 of its key index.
std::uint32_t groupCount(const TranslationDatabase& db) {
  std::uint32_t count = 0;
  for (std::uint32_t i = 0; i < db.keyCount(); ++i) {
    const std::uint32_t group = db.keyIndexEntry(i).russianKey / 1000;
    if (i == 0 || group != db.keyIndexEntry(i - 1).russianKey / 1000) ++count;
  }
  return count;
}

int runInfo(const CommandLine& line, std::ostream& out) {
  std::string error;
  if (!line.onlyOptions({"db-dir"}, error)) return usageError("info", error);
  if (!line.positionals().empty()) return usageError("info", "info takes no arguments");
  DatabaseSet dbs;
  if (!dbs.load(line.databaseFolder(), error)) return failWith(error);

  const VerbDatabase& verbs = *dbs.verbs;
  std::uint32_t verbCount = 0;
  for (std::uint32_t i = 0; i < verbs.recordCount(); ++i) {
    if (i == 0 || verbs.verbIndexEntry(i).verbId != verbs.verbIndexEntry(i - 1).verbId) ++verbCount;
  }
  std::uint32_t tableCount = 0;
  for (std::uint32_t i = 0; i < verbs.tableIndexCount(); ++i) {
    if (i == 0 || verbs.tableIndexEntry(i).tableNumber != verbs.tableIndexEntry(i - 1).tableNumber) ++tableCount;
  }
  // The first five lines are those of the databases before the English side; scripts read them.
  out << "records: " << verbs.recordCount() << "\nverbs: " << verbCount << "\ntables: " << tableCount
      << "\nrussian groups: " << groupCount(*dbs.translations)
      << "\nsearch entries: " << dbs.russianIndex->searchEntryCount()
      << "\nenglish groups: " << groupCount(*dbs.englishTranslations)
      << "\nenglish search entries: " << dbs.englishIndex->searchEntryCount() << '\n';
  return 0;
}

int runSynthesize(const CommandLine& line, std::ostream& out) {
  std::string error;
  std::uint32_t records = 0;
  if (!line.onlyOptions({"records", "out"}, error) ||
      !line.numberOption("records", 210000, 0, 4000000, records, error)) {
    return usageError("synthesize", error);
  }
  if (!line.positionals().empty()) return usageError("synthesize", "synthesize takes no arguments");
  const std::optional<std::string> folder = line.option("out");
  if (!folder) return usageError("synthesize", "synthesize needs --out DIR");
  std::error_code ec;
  std::filesystem::create_directories(*folder, ec);
  if (ec) return failWith(*folder + ": cannot create the folder: " + ec.message());
  SynthesisCounts counts;
  if (!synthesizeDatabases(records, *folder, counts, error)) return failWith(error);
  out << "wrote " << counts.records << " records of " << counts.verbs << " verbs, " << counts.russianRecords
      << " translation records and " << counts.searchEntries << " search entries to " << *folder << '\n';
  return 0;
}

int runDumpVerb(const CommandLine& line, std::ostream& out) {
  std::string error;
  std::uint32_t verbId = 0;
  if (!line.onlyOptions({"db-dir"}, error)) return usageError("dump-verb", error);
  if (line.positionals().size() != 1) return usageError("dump-verb", "dump-verb takes one VERBID");
  if (!parseNumber(line.positionals()[0], 0xFFFFFFFFu, verbId)) {
    return usageError("dump-verb", "VERBID must be a whole number, not '" + line.positionals()[0] + "'");
  }
  DatabaseSet dbs;
  if (!dbs.load(line.databaseFolder(), error)) return failWith(error);
  std::uint32_t shown = 0;
  out << "form\ttable\tform text\tlist text\ttranslation\n";
  forEachRecordOfVerb(*dbs.verbs, verbId, [&](RecordOffset, const VerbRecord& r) {
    out << r.formCode << '\t' << r.tableNumber << '\t' << codePageToUtf8(r.formText, CodePage::Hebrew1255) << '\t'
        << readableListText(r.listText) << '\t' << codePageToUtf8(r.translationText, CodePage::Russian1251) << '\n';
    ++shown;
    return true;
  });
  if (shown == 0) return failWith("no verb with id " + std::to_string(verbId));
  return 0;
}

}  // namespace

const CliCommand kInfoCommand{
    "info", "[--db-dir DIR]",
    "Counts of the records, verbs, tables, word groups and search entries of the databases",
    [] {
      return std::string(
          "\nPrints seven lines, \"records: N\", \"verbs: N\", \"tables: N\", \"russian groups: N\",\n"
          "\"search entries: N\" (of rusearch.db), \"english groups: N\" and \"english search entries: N\".\n"
          "A quick check that the databases of a folder load.\n");
    },
    runInfo};

const CliCommand kSynthesizeCommand{
    "synthesize", "--records N --out DIR", "Write a synthetic full-scale set of the five databases",
    [] {
      return std::string(
          "\nWrites hebrew.db, russian.db, rusearch.db, english.db and ensearch.db with N verb records\n"
          "(default 210000, at most 4000000) of made-up verbs into DIR, which is created if needed: data\n"
          "of the real files' shape and size for benchmarks and tests, not a dictionary.\n");
    },
    runSynthesize};

const CliCommand kDumpVerbCommand{
    "dump-verb", "VERBID [--db-dir DIR]", "Every stored record of one verb",
    [] {
      return std::string(
          "\nOne line per record of the verb with that id, in stored order: form code, table number, form\n"
          "text, list text (its colour mark as [colour N]) and translation, separated by tabs, below a\n"
          "heading line. For checking the data; conjugate shows a verb as a reader wants it.\n");
    },
    runDumpVerb};

}  // namespace quorix
