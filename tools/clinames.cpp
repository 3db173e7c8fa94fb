#include "clinames.h"

#include <algorithm>
#include <cstdio>

#include "commandline.h"

namespace quorix {

const ListModeName* findListMode(std::string_view nameOrNumber) {
  std::uint32_t number = 0;
  const bool isNumber = parseNumber(nameOrNumber, 0xFFFF, number);
  for (const ListModeName& mode : kListModes) {
    if (isNumber ? mode.mode == number : mode.name == nameOrNumber) return &mode;
  }
  return nullptr;
}

std::optional<FormFilter> findFormFilter(std::string_view nameOrNumber) {
  std::uint32_t number = 0;
  const bool isNumber = parseNumber(nameOrNumber, 0xFFFF, number);
  for (const FormFilterName& filter : kFormFilters) {
    if (isNumber ? filter.filter == number : filter.name == nameOrNumber) return filter.filter;
  }
  return std::nullopt;
}

const SideName* findSide(std::string_view name) {
  const auto found =
      std::find_if(std::begin(kSides), std::end(kSides), [name](const SideName& s) { return s.name == name; });
  return found == std::end(kSides) ? nullptr : found;
}

const SideName& sideOf(InputLanguage language) {
  const auto found = std::find_if(std::begin(kSides), std::end(kSides),
                                  [language](const SideName& s) { return s.language == language; });
  return found == std::end(kSides) ? kSides[0] : *found;
}

const ListModeName& listModeOf(InputLanguage side) {
  const auto found = std::find_if(std::begin(kListModes), std::end(kListModes),
                                  [side](const ListModeName& m) { return m.side() == side; });
  return found == std::end(kListModes) ? kListModes[0] : *found;
}

std::string_view binyanLatinName(std::uint32_t binyan) {
  return binyan >= kFirstBinyan && binyan <= kLastBinyan ? kBinyanLatinNames[binyan - kFirstBinyan]
                                                         : std::string_view();
}

std::string listModeTable() {
  std::string table;
  for (const ListModeName& mode : kListModes) {
    char line[160];
    std::snprintf(line, sizeof line, "  %3u %-20.*s %.*s", static_cast<unsigned>(mode.mode),
                  static_cast<int>(mode.name.size()), mode.name.data(), static_cast<int>(mode.lists.size()),
                  mode.lists.data());
    table += line;
    if (mode.usesBinyan) table += " (--binyan)";
    if (mode.usesTable) table += " (--table)";
    if (mode.side() != inputlanguage::kHebrew) table += " [" + std::string(sideOf(mode.side()).name) + "]";
    table += '\n';
  }
  return table;
}

std::string formFilterList() {
  std::string list;
  for (const FormFilterName& filter : kFormFilters) {
    if (!list.empty()) list += ", ";
    list += std::string(filter.name) + " (" + std::to_string(filter.filter) + ")";
  }
  return list;
}

std::string binyanList() {
  std::string list;
  for (std::uint32_t b = kFirstBinyan; b <= kLastBinyan; ++b) {
    if (!list.empty()) list += ", ";
    list += std::to_string(b) + " " + std::string(binyanLatinName(b));
  }
  return list;
}

std::string sideTable(std::string_view indent) {
  std::string table;
  for (const SideName& side : kSides) {
    table += std::string(indent) + std::string(side.name) + "  " + std::string(side.title) + "\n";
  }
  return table;
}

}  // namespace quorix
