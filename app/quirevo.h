#pragma once

#include <optional>
#include <string>

namespace quirevo {

struct Platform;

// The program run: automation apartment, the main window and its create handler, the event
// loop, then the spreadsheet session released before the apartment ends. Returns the exit code.
// A workbook (UTF-8, relative to the working folder or absolute) is named once the create handler
// has run and before the window shows, as a user picking "Eng" and naming the file would; an
// empty one names nothing.
int Quirevo(Platform& platform, const std::optional<std::string>& workbook = {});

}  // namespace quirevo
