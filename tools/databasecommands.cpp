// quorix-cli subcommands that inspect or produce database files.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#include "clicommands.h"
#include "databaseset.h"
#include "databasesynthesizer.h"
#include "db/codepages.h"
#include "db/recordwalks.h"

namespace quorix {

namespace {

int fail(const std::string& message) {
  std::cerr << "quorix-cli: " << message << '\n';
  return 1;
}

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

}  // namespace

int runInfo(const CommandLine& line) {
  std::string error;
  if (!line.onlyOptions({"db-dir"}, error) || !line.expectPositionals(0, "info [--db-dir DIR]", error)) return fail(error);
  DatabaseSet dbs;
  if (!dbs.load(line.databaseFolder(), error)) return fail(error);

  const VerbDatabase& verbs = *dbs.verbs;
  std::uint32_t verbCount = 0;
  for (std::uint32_t i = 0; i < verbs.recordCount(); ++i) {
    if (i == 0 || verbs.verbIndexEntry(i).verbId != verbs.verbIndexEntry(i - 1).verbId) ++verbCount;
  }
  std::uint32_t tableCount = 0;
  for (std::uint32_t i = 0; i < verbs.tableIndexCount(); ++i) {
    if (i == 0 || verbs.tableIndexEntry(i).tableNumber != verbs.tableIndexEntry(i - 1).tableNumber) ++tableCount;
  }
  std::uint32_t groupCount = 0;
  for (std::uint32_t i = 0; i < dbs.translations->keyCount(); ++i) {
    const std::uint32_t group = dbs.translations->keyIndexEntry(i).russianKey / 1000;
    if (i == 0 || group != dbs.translations->keyIndexEntry(i - 1).russianKey / 1000) ++groupCount;
  }
  std::cout << "records: " << verbs.recordCount() << "\nverbs: " << verbCount << "\ntables: " << tableCount
            << "\nrussian groups: " << groupCount << "\nsearch entries: " << dbs.russianIndex->searchEntryCount()
            << '\n';
  return 0;
}

int runSynthesize(const CommandLine& line) {
  std::string error;
  std::uint32_t records = 0;
  if (!line.onlyOptions({"records", "out"}, error) ||
      !line.expectPositionals(0, "synthesize --records N --out DIR", error) ||
      !line.numberOption("records", 210000, 4000000, records, error)) {
    return fail(error);
  }
  const std::optional<std::string> out = line.option("out");
  if (!out) return fail("synthesize needs --out DIR");
  std::error_code ec;
  std::filesystem::create_directories(*out, ec);
  if (ec) return fail(*out + ": cannot create the folder: " + ec.message());
  SynthesisCounts counts;
  if (!synthesizeDatabases(records, *out, counts, error)) return fail(error);
  std::cout << "wrote " << counts.records << " records of " << counts.verbs << " verbs, " << counts.russianRecords
            << " translation records and " << counts.searchEntries << " search entries to " << *out << '\n';
  return 0;
}

int runDumpVerb(const CommandLine& line) {
  std::string error;
  std::uint32_t verbId = 0;
  if (!line.onlyOptions({"db-dir"}, error) || !line.expectPositionals(1, "dump-verb VERBID [--db-dir DIR]", error)) {
    return fail(error);
  }
  if (!parseNumber(line.positionals()[0], 0xFFFFFFFFu, verbId)) {
    return fail("VERBID must be a whole number, not '" + line.positionals()[0] + "'");
  }
  DatabaseSet dbs;
  if (!dbs.load(line.databaseFolder(), error)) return fail(error);
  std::uint32_t shown = 0;
  std::cout << "form\ttable\tform text\tlist text\ttranslation\n";
  forEachRecordOfVerb(*dbs.verbs, verbId, [&](RecordOffset, const VerbRecord& r) {
    std::cout << r.formCode << '\t' << r.tableNumber << '\t' << codePageToUtf8(r.formText, CodePage::Hebrew1255)
              << '\t' << readableListText(r.listText) << '\t'
              << codePageToUtf8(r.translationText, CodePage::Russian1251) << '\n';
    ++shown;
    return true;
  });
  if (shown == 0) return fail("no verb with id " + std::to_string(verbId));
  return 0;
}

}  // namespace quorix
