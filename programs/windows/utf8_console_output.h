#pragma once

#include <windows.h>

namespace quirevo {

// The program writes UTF-8. A console shows what it is given in its output code page, so while
// this lives that page is UTF-8, and the console's own comes back after, for the programs run
// next in it. Redirected output is written as it is: UTF-8 bytes.
class Utf8ConsoleOutput {
 public:
  Utf8ConsoleOutput();
  ~Utf8ConsoleOutput();
  Utf8ConsoleOutput(const Utf8ConsoleOutput&) = delete;
  Utf8ConsoleOutput& operator=(const Utf8ConsoleOutput&) = delete;

 private:
  UINT earlier_ = 0;  // none without a console, or when it needs no change
};

// Whether the handle is a console's, not a file or pipe it was redirected to.
bool isConsole(HANDLE handle);

}  // namespace quirevo
