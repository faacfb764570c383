#pragma once

namespace quirevo {

class BusyWait;
class ComponentRegistry;

// The automation components built into the Linux program, under the ProgIDs the window asks for.
// Their long requests are waited for through the desktop's wait.
void registerLinuxComponents(ComponentRegistry& registry, BusyWait& wait);

}  // namespace quirevo
