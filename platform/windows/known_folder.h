#pragma once

#include <windows.h>

#include <shtypes.h>

#include <string>

namespace quirevo {

// The folder the shell knows by that id (FOLDERID_Documents, ...), or empty when it knows none.
std::wstring knownFolderPath(REFKNOWNFOLDERID folder);

}  // namespace quirevo
