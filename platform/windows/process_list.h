#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace quirevo {

// The ids of the processes now running the executable of that file name ("EXCEL.EXE", compared
// without regard to case), from a snapshot of the system's process list. Throws
// std::system_error when the list cannot be read: that is no empty list.
std::set<DWORD> processesRunning(const std::wstring& executableName);

// The file name of a path to an executable: "EXCEL.EXE" for "C:\Program Files\EXCEL.EXE".
std::wstring executableName(const std::wstring& path);

}  // namespace quirevo
