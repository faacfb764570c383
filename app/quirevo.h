#pragma once

namespace quirevo {

struct Platform;

// The program run: automation apartment, the main window and its create handler, the event
// loop, then the spreadsheet session released before the apartment ends. Returns the exit code.
int Quirevo(Platform& platform);

}  // namespace quirevo
