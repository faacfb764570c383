#pragma once

namespace quirevo {

class ComponentRegistry;

// The automation components built into the Linux program, under the ProgIDs the window asks for.
void registerLinuxComponents(ComponentRegistry& registry);

}  // namespace quirevo
