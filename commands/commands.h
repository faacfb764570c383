#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "workbook/print_plan.h"

namespace quirevo {

// quirevo list [--json] BOOK...
struct ListCommand {
  bool json = false;
  std::vector<std::string> workbooks;
};

// quirevo print [OPTIONS] BOOK...: the window's selections as its use cases take them.
struct PrintCommand {
  PrintSettings settings;  // without the printer, which is known only once the run begins
  std::optional<std::string> printer;
  bool dryRun = false;
  std::vector<std::string> workbooks;
};

// --help or --version: what was to be said has been said.
struct Answered {};

using Command = std::variant<ListCommand, PrintCommand, Answered>;

}  // namespace quirevo
