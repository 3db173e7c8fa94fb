#pragma once
// The subcommands of quorix-cli. Each writes its result to standard output and returns the
// process exit status; on failure it writes one line to standard error and returns non-zero.

#include "commandline.h"

namespace quorix {

int runInfo(const CommandLine& line);
int runSynthesize(const CommandLine& line);
int runDumpVerb(const CommandLine& line);
int runList(const CommandLine& line);
int runPage(const CommandLine& line);
int runFind(const CommandLine& line);
int runConjugate(const CommandLine& line);

}  // namespace quorix
