#include "programs/windows/utf8_console_output.h"

namespace quirevo {

Utf8ConsoleOutput::Utf8ConsoleOutput() {
  // No console: the page is 0, and there is nothing to set.
  const UINT page = GetConsoleOutputCP();
  if (page != 0 && page != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
    earlier_ = page;
  }
}

Utf8ConsoleOutput::~Utf8ConsoleOutput() {
  if (earlier_ != 0) {
    SetConsoleOutputCP(earlier_);
  }
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != FALSE;
}

}  // namespace quirevo
