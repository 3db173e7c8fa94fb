#pragma once
// The list a command works on: a mode, by name or number, and the values of the program's state
// that its fill reads (--binyan for currentBinyan, --table for currentTable, --filter for
// formFilter). An option that the mode does not read, or a value outside what the program can
// hold, is refused with its reason rather than ignored: a list that silently differs from the one
// asked for is worse than none.

#include <cstdint>
#include <string>
#include <string_view>

#include "clinames.h"
#include "commandline.h"
#include "coresession.h"

namespace quorix {

struct ListArguments {
  const ListModeName* mode = nullptr;
  std::uint8_t binyan = 0;
  std::uint32_t table = 0;
  FormFilter filter = formfilter::kAll;

  // MODE from `modeText`, the rest from the options. False with `error` (a wrong call).
  bool read(const CommandLine& line, std::string_view modeText, std::string& error);
  // The table must be one of `db`. False with `error` (a wrong call).
  bool checkTable(const VerbDatabase& db, std::string& error) const;
  // Sets the state as the menus leave it before a fill of the mode, and runs the fill. Returns the
  // number of entries.
  std::uint32_t fill(CoreSession& session) const;
};

}  // namespace quorix
