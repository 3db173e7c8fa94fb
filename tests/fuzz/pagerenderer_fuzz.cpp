// The verb page for any list entry, on the fuzz dictionary (fuzzdictionary.h): Hebrew side (a verb
// record's offset) or Russian side (a search entry's offset), in any dialog language, font and
// search mode.
// An entry that does not decode shows nothing; any other shows one page of pure ASCII.
//
// Input: offset (4 bytes), side, dialog language, font, search mode (1 byte each).

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzdictionary.h"
#include "fuzzinput.h"
#include "pages/pagerenderer.h"

using namespace quorix;
using fuzz::require;

namespace {

class KeptPages : public PageHost {
 public:
  void setPageHtml(const std::string& html, PageScroll) override { pages.push_back(html); }
  void navigatePage(const std::string&) override {}
  void runPageScript(const std::string&) override {}
  std::vector<std::string> pages;
};

const char* const kFonts[] = {"ar", "tm", "dv", "mr"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput input(data, size);
  const RecordOffset entry = input.word();
  ProgramState state;
  state.inputLanguage = (input.byte() & 1) ? inputlanguage::kRussian : inputlanguage::kHebrew;
  state.dialogLanguage = static_cast<UiLanguage>(input.byte() % 3 + 1);
  PageState page;
  page.setFontClass(kFonts[input.byte() % 4]);
  state.searchMode = static_cast<ListMode>(input.byte() % (listmode::kLast + 1));
  KeptPages pane;
  PageRenderer renderer(state, page, fuzz::fuzzDictionaryReaders(), pane);
  renderer.showVerbPage(entry);
  require(pane.pages.size() <= 1);
  for (const std::string& html : pane.pages) {
    for (const char c : html) require(static_cast<unsigned char>(c) < 0x80);
  }
  return 0;
}
