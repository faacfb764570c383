#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/label.h"

namespace quirevo {

// A static text; the model sizes it to its caption, a right-aligned one keeping its right edge.
class LabelPeer final : public Win32Peer {
 public:
  LabelPeer(Label& label, FormWindow& window);
};

}  // namespace quirevo
