// The query cache as any bytes, against the fuzz dictionary.
//
// First byte: the list mode (low bits), whether the input is the manifest's text (0x80), and
// whether the manifest vouches for the list file (0x40). The rest is the list file or the manifest.
// A list file is either no cache, or each of its entries lies where a record (or search entry)
// can be decoded, and the list it makes is searched from end to end as typed search does. A
// manifest of any text leaves a folder whose lists are either trusted or gone.

#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzzdictionary.h"
#include "db/contenthash.h"
#include "fuzzinput.h"
#include "lists/listfill.h"
#include "lists/querycache.h"
#include "lists/virtuallist.h"
#include "scratchfolder.h"
#include "support/silenthosts.h"

using namespace quorix;
using fuzz::require;

namespace {

struct Fixture {
  Fixture() {
    std::filesystem::create_directories(folder);
    list.setClientHeight(20 * VirtualList::kRowHeight);
  }
  const DatabaseReaders readers = fuzz::fuzzDictionaryReaders();
  const std::string folder = fuzz::ScratchFolder::get().file("query cache");
  ProgramState state;
  test::SilentHosts host;
  VirtualList list{state, readers, host};
  // The fill is never run: it is asked for the bound of each mode's entries.
  QueryCache fillsCache{folder, readers.identity()};
  ListFill fill{readers, list, fillsCache, host};
};

Fixture& fixture() {
  static Fixture instance;
  return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fixture& f = fixture();
  fuzz::FuzzInput input(data, size);
  const std::uint8_t how = input.byte();
  const auto mode = static_cast<ListMode>((how & 0x0F) % (listmode::kLast + 1));
  const bool isManifest = (how & 0x80) != 0;
  const bool vouched = (how & 0x40) != 0;
  const std::string_view bytes = input.rest();
  const CacheKey key = cacheKeyOf({mode, 0, 0, formfilter::kAll});
  const std::string manifestPath = f.folder + "/" + CacheManifest::kFileName;
  const std::string listPath = f.folder + "/" + cacheFileName(key);

  if (isManifest) {
    fuzz::ScratchFolder::get().write("query cache/" + cacheFileName(key), "\0\0\0\0");
    fuzz::ScratchFolder::get().write(std::string("query cache/") + CacheManifest::kFileName, bytes);
  } else {
    fuzz::ScratchFolder::get().write("query cache/" + cacheFileName(key), bytes);
    CacheManifest manifest(f.readers.identity());
    const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (vouched) manifest.setList({cacheFileName(key), bytes.size(), contentHash({raw, bytes.size()})});
    require(manifest.write(manifestPath));
  }
  QueryCache cache(f.folder, f.readers.identity());
  cache.open();
  // Start-up trusts a manifest only for these databases; otherwise no list file is left and the
  // manifest is written anew for them.
  const auto kept = CacheManifest::read(manifestPath);
  require(kept && kept->databases() == f.readers.identity());
  const auto given = isManifest ? CacheManifest::parse(bytes) : kept;
  const bool trusted = given && given->databases() == f.readers.identity();
  require(std::filesystem::exists(listPath) == trusted);

  f.state.inputLanguage = isRussianMode(mode) ? inputlanguage::kRussian : inputlanguage::kHebrew;
  const RecordOffset limit = f.fill.entryLimit(mode);
  const std::int32_t count = cache.loadCachedList(key, f.list.entries(), limit);
  if (count < 0) return 0;
  require(!isManifest || kept->list(cacheFileName(key)) != nullptr);
  require(static_cast<std::size_t>(count) == bytes.size() / 4 || isManifest);
  for (std::int32_t i = 0; i < count; ++i) require(f.list.entries().at(static_cast<std::uint32_t>(i)) < limit);
  f.list.commitEntries(static_cast<std::uint32_t>(count));
  // No text begins with three 0xFF bytes: the search decodes every entry of the list.
  require(f.list.findPrefix("\xFF\xFF\xFF") == -1);
  for (int row = 0; row < f.list.rowCount(); ++row) f.list.rowText(row);
  return 0;
}
