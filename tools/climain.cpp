#include "climain.h"

#include <sstream>

namespace quorix {

std::string overviewHelp() {
  std::string help =
      "usage: quorix-cli COMMAND [ARGUMENTS] [OPTIONS]\n"
      "Hebrew verb conjugation in a terminal: the lists, the pages and the conjugations of the Quorix\n"
      "program, from its databases.\n"
      "\n"
      "commands:\n";
  for (const CliCommand* command : cliCommands()) {
    help += "  " + std::string(command->name) + " " + std::string(command->usage) + "\n      " +
            std::string(command->summary) + "\n";
  }
  help +=
      "\n"
      "options of every command (before or after it):\n"
      "  --db-dir DIR   the folder of hebrew.db, russian.db and rusearch.db (default: the folder of\n"
      "                 quorix-cli itself, where the program keeps them)\n"
      "  -h, --help     this help; after a command, the command's (quorix-cli list --help)\n"
      "  --version      the version\n"
      "\n"
      "A wrong call prints one line on standard error and ends with status 2; a failure of the data\n"
      "(a database that does not load, a verb that does not exist) ends with status 1.\n"
      "See also: man quorix-cli.\n";
  return help;
}

std::string commandHelp(const CliCommand& command) {
  return "usage: quorix-cli " + std::string(command.name) + " " + std::string(command.usage) + "\n" +
         std::string(command.summary) + ".\n" + command.help();
}

int runQuorixCli(int argc, const char* const* argv, std::ostream& out) {
  CommandLine line;
  std::string error;
  if (!line.parse(argc, argv, {kHelpFlag, kVersionFlag, kTextFlag}, error)) return usageError("", error);
  if (line.flag(kVersionFlag)) {
    out << "quorix-cli " << QUORIX_VERSION << '\n';
    return 0;
  }
  // "quorix-cli help [COMMAND]" says the same as --help.
  const bool helpCommand = line.command() == "help";
  const std::string name = helpCommand && !line.positionals().empty() ? line.positionals()[0]
                           : helpCommand                              ? std::string()
                                                                      : line.command();
  const bool wantsHelp = helpCommand || line.flag(kHelpFlag);
  if (name.empty()) {
    if (!wantsHelp) return usageError("", "missing command");
    out << overviewHelp();
    return 0;
  }
  const CliCommand* command = findCliCommand(name);
  if (command == nullptr) return usageError("", "unknown command '" + name + "'");
  if (wantsHelp) {
    out << commandHelp(*command);
    return 0;
  }
  std::ostringstream result;
  const int status = command->run(line, result);
  if (status == 0) out << result.str();
  return status;
}

}  // namespace quorix
