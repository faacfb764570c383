#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "automation/dispatch_ptr.h"

namespace quirevo {

// The class a ProgID names; throws ComStatusError with the system's text when it is unknown.
CLSID classOfProgId(std::string_view progId);

// The file name of the executable that serves the class out of process ("EXCEL.EXE"), from its
// LocalServer32 registration; empty for a class served only in process.
std::wstring localServerExecutable(const CLSID& classId);

// A new object of the class, from an in-process or a local server, reached through IDispatch;
// throws ComStatusError when it cannot be created.
DispatchPtr createComObject(const CLSID& classId);

}  // namespace quirevo
