// quorix-fuzz-seeds: writes what the fuzz targets start from, taken from the compiled dictionary,
// so that the repository holds no binary input:
//   OUTDIR/dictionary/   a small dictionary of real verbs: the model verb of every table, with every
//                        verb that shares a root with the first few, their Russian groups and search
//                        entries. The targets that fuzz what reads loaded databases run on it: its
//                        pages cost a fraction of the whole dictionary's (the binyan listing walks
//                        every root), and an offset the fuzzer picks lands on a record far more often.
//   OUTDIR/<target>/     a few inputs each target accepts (small databases, list files, page
//                        addresses, texts); the fuzzer mutates from there.
//
// Usage: quorix-fuzz-seeds DBDIR OUTDIR

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "databaseset.h"
#include "db/contenthash.h"
#include "db/databasewriter.h"
#include "db/recordwalks.h"
#include "fuzzdictionary.h"
#include "lists/cachemanifest.h"
#include "lists/listmode.h"
#include "lists/querycache.h"

using namespace quorix;

namespace {

class SeedWriter {
 public:
  explicit SeedWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

  void add(const std::string& target, const std::string& bytes) {
    std::filesystem::create_directories(folder_ / target);
    std::ofstream out(folder_ / target / ("seed-" + std::to_string(count_++)), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void add(const std::string& target, const std::vector<std::uint8_t>& bytes) {
    add(target, std::string(bytes.begin(), bytes.end()));
  }

 private:
  std::filesystem::path folder_;
  int count_ = 0;
};

std::string word(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
  return bytes;
}

// The verbs at the start, the middle and the end of the verb index.
std::vector<std::uint32_t> sampleVerbs(const VerbDatabase& verbs) {
  const std::uint32_t n = verbs.recordCount();
  if (n == 0) return {};
  return {verbs.verbIndexEntry(0).verbId, verbs.verbIndexEntry(n / 2).verbId, verbs.verbIndexEntry(n - 1).verbId};
}

std::vector<VerbRecordSource> recordsOfVerbs(const VerbDatabase& verbs, const std::vector<std::uint32_t>& ids) {
  std::vector<VerbRecordSource> records;
  for (std::uint32_t id : ids) {
    forEachRecordOfVerb(verbs, id, [&](RecordOffset, const VerbRecord& r) {
      records.push_back({r.reserved, r.verbId, r.formCode, r.tableNumber, std::string(r.formText),
                         std::string(r.listText), std::string(r.translationText)});
      return true;
    });
  }
  return records;
}

void hebrewSeeds(const DatabaseSet& d, SeedWriter& seeds) {
  const std::vector<std::uint32_t> ids = sampleVerbs(*d.verbs);
  for (std::size_t count = 0; count <= ids.size(); ++count) {
    std::vector<std::uint8_t> image;
    std::string error;
    const auto records = recordsOfVerbs(*d.verbs, {ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(count)});
    if (buildVerbDatabase(records, {}, image, error)) seeds.add("verbdatabase", image);
  }
}

void russianSeeds(const DatabaseSet& d, SeedWriter& seeds) {
  // The records of the first three groups; seeds of none, one group's head, half and all of them.
  const TranslationDatabase& t = *d.translations;
  std::vector<TranslationRecordSource> records;
  std::set<std::uint32_t> groups;
  for (std::uint32_t i = 0; i < t.keyCount(); ++i) {
    TranslationRecord r;
    if (!t.decode(t.keyIndexEntry(i).offset, r)) continue;
    groups.insert(r.russianKey / 1000);
    if (groups.size() > 3) break;
    records.push_back({r.russianKey, r.verbId, r.marked, std::string(r.russianText), std::string(r.hebrewText)});
  }
  std::vector<std::uint8_t> image;
  std::string error;
  for (std::size_t count : {std::size_t{0}, std::min<std::size_t>(1, records.size()), records.size() / 2, records.size()}) {
    const std::vector<TranslationRecordSource> part(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(count));
    if (buildTranslationDatabase(part, image, error)) seeds.add("translationdatabase", image);
  }

  const RussianSearchIndex& index = *d.russianIndex;
  std::vector<SearchEntrySource> entries;
  for (std::uint32_t i = 0; i < index.searchEntryCount() && entries.size() < 6; ++i) {
    RussianSearchEntry e;
    if (!index.entryAt(i * 48, e)) continue;
    entries.push_back({e.key, e.highlightCell, e.markedOnly, std::string(e.word())});
    if (entries.size() % 3 == 1 && buildRussianSearchIndex(entries, image, error)) seeds.add("russiansearchindex", image);
  }
}

void listSeeds(const DatabaseSet& d, SeedWriter& seeds) {
  const VerbDatabase& verbs = *d.verbs;
  std::string allForms(1, static_cast<char>(listmode::kAllForms | 0x40));
  for (std::uint32_t i = 0; i < verbs.recordCount() && i < 64; ++i) allForms += word(verbs.textIndexEntry(i).offset);
  seeds.add("querycache", allForms);
  std::string russian(1, static_cast<char>(listmode::kRussianAll | 0x40));
  for (std::uint32_t i = 0; i < d.russianIndex->searchEntryCount() && i < 32; ++i) russian += word(48 * i);
  seeds.add("querycache", russian);
  CacheManifest manifest({d.verbs->fingerprint(), d.translations->fingerprint(), d.russianIndex->fingerprint()});
  const std::vector<std::uint8_t> emptyEntry(4, 0);  // the list file the target writes beside a manifest
  manifest.setList({cacheFileName({}), emptyEntry.size(), contentHash(emptyEntry)});
  seeds.add("querycache", std::string(1, '\x80') + manifest.text());
}

void pageSeeds(const DatabaseSet& d, SeedWriter& seeds) {
  const VerbDatabase& verbs = *d.verbs;
  for (std::uint32_t id : sampleVerbs(verbs)) {
    RecordOffset infinitive = 0;
    std::uint32_t table = 0;
    forEachRecordOfVerb(verbs, id, [&](RecordOffset offset, const VerbRecord& r) {
      if (r.formCode == form::kInfinitive) {
        infinitive = offset;
        table = r.tableNumber;
        seeds.add("htmltext", std::string(1, '\0') + std::string(r.formText));
        seeds.add("htmltext", std::string(1, '\0') + std::string(r.listText));
      }
      return true;
    });
    for (const char side : {char{0}, char{1}}) {
      const RecordOffset entry = side ? 48 * (id % std::max(1u, d.russianIndex->searchEntryCount())) : infinitive;
      seeds.add("pagerenderer", word(entry) + std::string{side, 1, 0, 0});
    }
    const std::string start = "file:///opt/quorix/welcome.htm#";
    seeds.add("pagecommands", std::string(1, '\xC0') + word(infinitive) + start + "command_" + std::to_string(table) +
                                  ":" + std::to_string(id));
    seeds.add("pagecommands", std::string(1, '\xC9') + word(48) + start + "reloadtab_" + std::to_string(id) + ":2:40");
  }
  seeds.add("pagecommands", std::string(1, '\0') + word(0) + "file:///opt/quorix/other.htm");
  RussianSearchEntry e;
  if (d.russianIndex->entryAt(0, e)) seeds.add("htmltext", std::string(1, '\1') + std::string(e.word()));
}

// The model verb (first entry of its run in the table index) of every table, then every verb that
// shares a root with the models of the first three tables, so that binyan listings have links.
std::vector<std::uint32_t> fuzzDictionaryVerbs(const VerbDatabase& verbs) {
  std::vector<std::uint32_t> chosen;
  std::set<std::uint32_t> seen;
  std::set<std::string> sharedRoots;
  for (std::uint32_t i = 0; i < verbs.tableIndexCount(); ++i) {
    if (i > 0 && verbs.tableIndexEntry(i).tableNumber == verbs.tableIndexEntry(i - 1).tableNumber) continue;
    VerbRecord r;
    if (!verbs.decode(verbs.tableIndexEntry(i).offset, r) || !seen.insert(r.verbId).second) continue;
    chosen.push_back(r.verbId);
    if (sharedRoots.size() < 3) {
      forEachRecordOfVerb(verbs, r.verbId, [&](RecordOffset, const VerbRecord& v) {
        if (v.formCode == form::kRoot) sharedRoots.insert(std::string(v.listText));
        return true;
      });
    }
  }
  forEachRecordOfForm(verbs, form::kRoot, [&](RecordOffset, const VerbRecord& r) {
    if (sharedRoots.contains(std::string(r.listText)) && seen.insert(r.verbId).second) chosen.push_back(r.verbId);
    return true;
  });
  return chosen;
}

// The word groups of one side (Russian or English) that have a row of a kept verb: their head and
// those rows, and their search entries.
void keepGroupsOf(const TranslationDatabase& t, const RussianSearchIndex& index, const std::set<std::uint32_t>& kept,
                  std::vector<TranslationRecordSource>& rows, std::vector<SearchEntrySource>& entries) {
  std::set<std::uint32_t> groups;
  TranslationRecord head;
  for (std::uint32_t i = 0; i < t.keyCount(); ++i) {
    TranslationRecord r;
    if (!t.decode(t.keyIndexEntry(i).offset, r)) continue;
    if (r.russianKey % 1000 == 0) {
      head = r;
      continue;
    }
    if (!kept.contains(r.verbId)) continue;
    if (groups.insert(r.russianKey / 1000).second) {
      rows.push_back({head.russianKey, head.verbId, head.marked, std::string(head.russianText), std::string(head.hebrewText)});
    }
    rows.push_back({r.russianKey, r.verbId, r.marked, std::string(r.russianText), std::string(r.hebrewText)});
  }
  for (std::uint32_t i = 0; i < index.searchEntryCount(); ++i) {
    RussianSearchEntry e;
    if (index.entryAt(i * 48, e) && groups.contains(e.key / 1000)) {
      entries.push_back({e.key, e.highlightCell, e.markedOnly, std::string(e.word())});
    }
  }
}

// Writes the small dictionary into `folder`; false with `error` when a file cannot be written.
bool writeFuzzDictionary(const DatabaseSet& d, const std::string& folder, std::string& error) {
  const std::vector<std::uint32_t> ids = fuzzDictionaryVerbs(*d.verbs);
  const std::set<std::uint32_t> kept(ids.begin(), ids.end());
  ModelVerbs models;
  for (std::uint32_t id : ids) {
    VerbRecord r;
    if (d.verbs->decode(d.verbs->lookup(IndexKind::ByVerbId, id), r)) models.try_emplace(r.tableNumber, id);
  }
  std::vector<TranslationRecordSource> rows;
  std::vector<SearchEntrySource> entries;
  keepGroupsOf(*d.translations, *d.russianIndex, kept, rows, entries);
  std::vector<TranslationRecordSource> englishRows;
  std::vector<SearchEntrySource> englishEntries;
  keepGroupsOf(*d.englishTranslations, *d.englishIndex, kept, englishRows, englishEntries);
  std::filesystem::create_directories(folder);
  std::vector<std::uint8_t> image;
  return buildVerbDatabase(recordsOfVerbs(*d.verbs, ids), models, image, error) &&
         writeDatabaseImage(folder + "/hebrew.db", image, error) && buildTranslationDatabase(rows, image, error) &&
         writeDatabaseImage(folder + "/russian.db", image, error) && buildRussianSearchIndex(entries, image, error) &&
         writeDatabaseImage(folder + "/rusearch.db", image, error) &&
         buildTranslationDatabase(englishRows, image, error) &&
         writeDatabaseImage(folder + "/english.db", image, error) &&
         buildRussianSearchIndex(englishEntries, image, error) &&
         writeDatabaseImage(folder + "/ensearch.db", image, error);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quorix-fuzz-seeds DBDIR OUTDIR\n";
    return 2;
  }
  DatabaseSet databases;
  std::string error;
  if (!databases.load(argv[1], error)) {
    std::cerr << "quorix-fuzz-seeds: " << error << '\n';
    return 1;
  }
  std::error_code ignored;
  std::filesystem::remove_all(argv[2], ignored);
  const std::string dictionary = std::string(argv[2]) + "/" + fuzz::kFuzzDictionaryFolder;
  DatabaseSet small;
  if (!writeFuzzDictionary(databases, dictionary, error) || !small.load(dictionary, error)) {
    std::cerr << "quorix-fuzz-seeds: " << error << '\n';
    return 1;
  }
  SeedWriter seeds(argv[2]);
  hebrewSeeds(small, seeds);
  russianSeeds(small, seeds);
  listSeeds(small, seeds);
  pageSeeds(small, seeds);
  return 0;
}
