#include "clicommands.h"

#include <iostream>

namespace quorix {

namespace {

// In the order the overview lists them: looking up first, then the tools around the databases.
const CliCommand* const kCommands[] = {
    &kInfoCommand,      &kListCommand,       &kFindCommand,     &kPageCommand,
    &kConjugateCommand, &kExportAnkiCommand, &kDumpVerbCommand, &kSynthesizeCommand,
};

}  // namespace

std::span<const CliCommand* const> cliCommands() { return kCommands; }

const CliCommand* findCliCommand(std::string_view name) {
  for (const CliCommand* command : kCommands) {
    if (command->name == name) return command;
  }
  return nullptr;
}

int usageError(std::string_view command, const std::string& message) {
  std::cerr << "quorix-cli: " << message << " (see quorix-cli " << command << (command.empty() ? "" : " ")
            << "--help)\n";
  return 2;
}

int failWith(const std::string& message) {
  std::cerr << "quorix-cli: " << message << '\n';
  return 1;
}

}  // namespace quorix
