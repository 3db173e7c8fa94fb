#pragma once
// One whole quorix-cli call: reads the arguments, answers --help and --version, runs the command
// and passes its output on only when it succeeded. quorixcli.cpp's main is this with the process's
// own streams; tests call it with theirs.

#include <ostream>
#include <string>

#include "clicommands.h"

namespace quorix {

// The flags of every command: options that take no value.
inline constexpr std::string_view kHelpFlag = "help";
inline constexpr std::string_view kVersionFlag = "version";
inline constexpr std::string_view kTextFlag = "text";

// The process exit status; the result goes to `out`, errors to standard error.
int runQuorixCli(int argc, const char* const* argv, std::ostream& out);

// "quorix-cli --help": every command with its usage and summary, and the common options.
std::string overviewHelp();
// "quorix-cli NAME --help".
std::string commandHelp(const CliCommand& command);

}  // namespace quorix
