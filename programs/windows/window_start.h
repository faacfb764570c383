#pragma once

#include <optional>
#include <string>

namespace quirevo {

// Starts the window, Quirevo.exe beside this program, and does not wait for it. It starts in its
// own folder, where its language files are, so a workbook is named to it by its full path, made
// here against the folder the user is in. Throws with the system's reason when it cannot start.
void startWindowProgram(const std::optional<std::string>& workbook);

}  // namespace quirevo
