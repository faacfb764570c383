#pragma once

#include <windows.h>

#include "automation/dispatch.h"

namespace quirevo {

// The invoke flags of each kind, as the program sends them.
WORD invokeFlags(InvokeKind kind);

// The kind a server received: the one whose flags these are. Throws ComStatusError
// (DISP_E_MEMBERNOTFOUND) for flags the program never sends.
InvokeKind invokeKind(WORD flags);

}  // namespace quirevo
