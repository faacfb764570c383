#pragma once

#include "commands/interruption.h"
#include "platform/windows/unique_handle.h"

namespace quirevo {

// Ctrl+C, Ctrl+Break and the console window closing request the interruption for as long as this
// lives. Windows ends the process as soon as the handler of a closing console returns, so that
// handler waits until runEnded() says the spreadsheet application is gone. One at a time.
class ConsoleInterruption {
 public:
  explicit ConsoleInterruption(Interruption& interruption);
  ~ConsoleInterruption();
  ConsoleInterruption(const ConsoleInterruption&) = delete;
  ConsoleInterruption& operator=(const ConsoleInterruption&) = delete;

  // The run is over and its application let go: a closing console may end the process now.
  void runEnded();

  // What the system calls, on a thread of its own, for each event (the tests call it so too):
  // TRUE once handled, FALSE when no run is served and the system's own handling is to follow.
  static BOOL WINAPI handleControl(DWORD event);

 private:
  Interruption& interruption_;
  UniqueHandle ended_;
};

}  // namespace quirevo
