#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "commands/commands.h"

namespace quirevo {

// The command line's usage hint, for the line after an error.
inline constexpr const char* kUsageHint = "Try 'quirevo --help' for more information.";

// Reads the arguments after the program's name. --help and --version write their answer to out
// and give Answered. Every argument is checked before anything runs: one that cannot be taken
// throws UsageError naming it.
Command parseCommandLine(const std::vector<std::string>& arguments, std::ostream& out);

}  // namespace quirevo
