#include "commands/invocation.h"

namespace quirevo {

std::variant<OpenWindow, RunCommand> invocationOf(const std::vector<std::string>& arguments) {
  if (arguments.empty()) {
    return OpenWindow{};
  }
  const std::string& first = arguments.front();
  const bool command = first == "list" || first == "print" || first.starts_with('-');
  if (arguments.size() == 1 && !command) {
    return OpenWindow{first};
  }
  return RunCommand{arguments};
}

}  // namespace quirevo
