#pragma once
// The commands of quorix-cli: each command's name, its usage and help, and the function that runs
// it. A command writes its result to `out`, which the caller hands to standard output only when
// the command succeeds, so a failure never leaves partial output behind. Errors are one line on
// standard error: a wrong call (unknown option, bad value, a mode that does not take an option)
// ends with status 2 and points at the command's help; a failure of the data or the files (a
// database that does not load, a verb that does not exist) ends with status 1.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "commandline.h"

namespace quorix {

struct CliCommand {
  std::string_view name;
  std::string_view usage;    // the arguments after the name, e.g. "MODE [--binyan B] [--db-dir DIR]"
  std::string_view summary;  // one line for the overview of all commands
  std::string (*help)();     // what "quorix-cli NAME --help" prints below the usage line
  int (*run)(const CommandLine& line, std::ostream& out);
};

std::span<const CliCommand* const> cliCommands();
const CliCommand* findCliCommand(std::string_view name);

// "quorix-cli: MESSAGE (see quorix-cli COMMAND --help)" on standard error; returns 2. Without a
// command the pointer is to "quorix-cli --help".
int usageError(std::string_view command, const std::string& message);
// "quorix-cli: MESSAGE" on standard error; returns 1.
int failWith(const std::string& message);

// The commands, defined beside the code that runs them.
extern const CliCommand kInfoCommand;
extern const CliCommand kSynthesizeCommand;
extern const CliCommand kDumpVerbCommand;
extern const CliCommand kListCommand;
extern const CliCommand kFindCommand;
extern const CliCommand kPageCommand;
extern const CliCommand kConjugateCommand;
extern const CliCommand kExportAnkiCommand;

}  // namespace quorix
