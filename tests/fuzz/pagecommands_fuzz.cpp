// Page addresses of any text through the program core (with the tests' fake hosts), on the fuzz
// dictionary: a list entry is selected (and its page shown), the pane reports a navigation to the
// address, then the page timers fire, as the window would run them. Whatever the address, the core
// cancels or allows it, never reads outside the databases, and every page it shows is ASCII.
//
// Input: flags (1 byte), the list entry (4 bytes), the address. Flags: bit 0 Russian side, bits 1-2
// dialog language, bit 3 a dialog-language change after the click, bits 4-5 which timer to fire at
// the end, bit 6 show the entry's page first, bit 7 run the timers. Pages cost most of a run, so
// only the inputs that ask for them build the extra ones.

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzdictionary.h"
#include "fuzzinput.h"
#include "lists/timerids.h"
#include "pages/programcore.h"
#include "scratchfolder.h"
#include "support/fakehost.h"

using namespace quorix;
using fuzz::require;

namespace {

struct Fixture {
  Fixture() {
    host.attach(core.list());
    core.list().setClientHeight(10 * VirtualList::kRowHeight);
  }
  test::FakeHost host;
  // The cache folder is never made: these runs start no fill.
  ProgramCore core{fuzz::fuzzDictionaryReaders(), fuzz::ScratchFolder::get().file("no cache"), host, host, host};
};

Fixture& fixture() {
  static Fixture instance;
  return instance;
}

// Each run starts from the state of a freshly started program (without its first fill). The run
// clears what it kept when it ends, so that it frees all it allocated: libFuzzer runs an input
// again to look for a leak whenever that is not so.
void forgetTheRun(Fixture& f) {
  ProgramState& state = f.core.state();
  state.currentBinyan = 0;
  state.currentTable = 0;
  state.searchMode = listmode::kAllForms;
  state.formFilter = formfilter::kAll;
  state.listKind = listkind::kAlphabetical;
  f.core.page() = PageState();
  f.host.timers.clear();
  f.host.pages.clear();
  f.host.navigations.clear();
  f.host.scripts.clear();
  f.host.statusLines.clear();
  f.host.workerLog.clear();
}

const int kTimers[] = {timer::kFillEndedWithEntries, timer::kFillEndedEmpty, timer::kReplayRowLink,
                       timer::kRestoreScroll};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Fixture& f = fixture();
  fuzz::FuzzInput input(data, size);
  const std::uint8_t flags = input.byte();
  f.core.state().inputLanguage = (flags & 1) ? inputlanguage::kRussian : inputlanguage::kHebrew;
  f.core.state().dialogLanguage = static_cast<UiLanguage>((flags >> 1 & 3) % 3 + 1);
  const ListEntry entry = input.word();
  VirtualList& list = f.core.list();
  list.entries().set(0, entry);
  list.commitEntries(1);
  list.selectRow(0);
  if (flags & 0x40) f.core.showVerbPage(entry);

  const std::string_view url = input.rest();
  f.core.onBeforeNavigate(url);
  if (flags & 8) f.core.setDialogLanguage(static_cast<UiLanguage>(entry % 3 + 1));
  if (flags & 0x80) {
    f.host.timers.emplace_back(kTimers[flags >> 4 & 3], 0);
    // A timer's handler may start another (a replayed row link scrolls back later); each runs once.
    for (std::size_t i = 0; i < f.host.timers.size() && i < 8; ++i) f.core.onPageTimer(f.host.timers[i].first);
  }

  require(!f.core.state().busy);
  for (const std::string& page : f.host.pages) {
    for (const char c : page) require(static_cast<unsigned char>(c) < 0x80);
  }
  forgetTheRun(f);
  return 0;
}
