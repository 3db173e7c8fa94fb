#include "binyanlisting.h"

#include <string>

#include "pagetemplates.h"
#include "rootrecords.h"
#include "textreplace.h"

namespace quorix {

namespace {

// From a name placeholder back to just after the "<tr" that opens its row: the row's blank and
// bgcolor attribute (18) and "><td align="right" height=21 style="border-top: 2px solid white;">" (66).
constexpr std::size_t kRowAttributeOffset = 84;

std::string nameOf(int binyan) { return "p_" + std::to_string(binyan); }

// Wraps the name placeholder in a link to `tableNumber`:`verbId` with a coloured span.
void linkName(std::string& section, const std::string& name, std::uint32_t tableNumber, std::uint32_t verbId,
              std::string_view spanClass) {
  const std::size_t at = section.find(name);
  if (at == std::string::npos) return;
  section.insert(at + name.size(), "</span></a>");
  section.insert(at, "<a href=\"#command_" + std::to_string(tableNumber) + ":" + std::to_string(verbId) +
                         "\"><span class=\"" + std::string(spanClass) + "\">");
}

}  // namespace

void buildBinyanListing(const VerbDatabase& db, const VerbRecord& root, ProgramState& state, PageState& page) {
  std::string section(kBinyanTemplate);
  const int binyan = binyanOfTable(root.tableNumber);
  state.currentBinyan = static_cast<std::uint8_t>(binyan);
  state.currentTable = root.tableNumber;
  const bool hebrewSide = state.inputLanguage == inputlanguage::kHebrew;

  if (binyan >= 1 && binyan <= 7) {
    const std::string name = nameOf(binyan);
    const std::size_t at = section.find(name);
    if (at != std::string::npos && at >= kRowAttributeOffset) {
      // Lands just after "<tr": the row then carries two bgcolor attributes, this one first, and
      // the browser applies the first.
      section.insert(at - kRowAttributeOffset, " bgcolor=\"#e6e5e9\" ");
    }
    if (hebrewSide) linkName(section, name, root.tableNumber, root.verbId, "orange");
    replaceAll(section, name, binyanName(binyan));
  }

  const RootBinyanSlots slots = collectRootBinyans(db, root);
  for (int q = 1; q <= 7; ++q) {
    if (q == binyan) continue;
    const std::string name = nameOf(q);
    const std::optional<VerbRecord>& other = slots[static_cast<std::size_t>(q - 1)];
    if (other && hebrewSide) linkName(section, name, other->tableNumber, other->verbId, "gray");
    replaceAll(section, name, binyanName(q));
  }
  page.binyanSection = std::move(section);
}

}  // namespace quorix
