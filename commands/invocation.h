#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace quirevo {

// The window, with a workbook to name at start or none.
struct OpenWindow {
  std::optional<std::string> workbook;
};

// A command of the command line: its arguments after the program's name.
struct RunCommand {
  std::vector<std::string> arguments;
};

// What the program was started to do: with no argument the window, as it always was; with one
// argument that is neither a command nor an option, the window naming that workbook (what a file
// manager's "Open with" passes); anything else is a command, checked as such.
std::variant<OpenWindow, RunCommand> invocationOf(const std::vector<std::string>& arguments);

}  // namespace quirevo
