// quorix-cli: the terminal face of the program's core, for people and scripts.

#include <iostream>
#include <string_view>

#include "clicommands.h"
#include "commandline.h"

namespace {

constexpr std::string_view kUsage =
    "usage: quorix-cli COMMAND [ARGS] [--db-dir DIR]\n"
    "commands:\n"
    "  info                              counts of records, verbs, tables, Russian groups, search entries\n"
    "  synthesize --records N --out DIR  write a synthetic full-scale set of the three databases\n"
    "  dump-verb VERBID                  every record of a verb\n"
    "  list MODE [--binyan B] [--table T] [--filter F]\n"
    "                                    the list of mode 0 to 10: entry, tab, row text\n"
    "  page ENTRY [--side he|ru] [--ui en|ru|he] [--font ar|tm|dv|mr] [--search-mode N]\n"
    "                                    the HTML of the entry's verb page, as a fresh start shows it\n"
    "  find TEXT --mode N                the list index typed search selects for TEXT, or -1\n"
    "  conjugate WORD                    the whole conjugation of the verbs with that form\n";

struct Command {
  std::string_view name;
  int (*run)(const quorix::CommandLine&);
};

constexpr Command kCommands[] = {
    {"info", quorix::runInfo},
    {"synthesize", quorix::runSynthesize},
    {"dump-verb", quorix::runDumpVerb},
    {"list", quorix::runList},
    {"page", quorix::runPage},
    {"find", quorix::runFind},
    {"conjugate", quorix::runConjugate},
};

}  // namespace

int main(int argc, char** argv) {
  quorix::CommandLine line;
  std::string error;
  if (!line.parse(argc, argv, error)) {
    std::cerr << "quorix-cli: " << error << '\n' << kUsage;
    return 2;
  }
  if (line.command() == "help" || line.command() == "--help") {
    std::cout << kUsage;
    return 0;
  }
  for (const Command& command : kCommands) {
    if (command.name == line.command()) return command.run(line);
  }
  std::cerr << "quorix-cli: unknown command '" << line.command() << "'\n" << kUsage;
  return 2;
}
