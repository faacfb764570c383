#pragma once

#include <memory>

#include "platform/win32/win32_peer.h"

namespace quirevo {

// The native peer of a control, by its kind.
std::unique_ptr<Win32Peer> makePeer(Control& control, FormWindow& window);

}  // namespace quirevo
