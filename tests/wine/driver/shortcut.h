#pragma once

#include <string>

namespace quirevo::testing {

// What a shell shortcut (.lnk) starts: the program and the working folder it starts it in.
struct Shortcut {
  std::wstring target;
  std::wstring workingFolder;
};

// Reads the shortcut through the shell's own IShellLink; throws std::runtime_error when it
// cannot be read.
Shortcut readShortcut(const std::wstring& path);

}  // namespace quirevo::testing
