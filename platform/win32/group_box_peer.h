#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/group_box.h"

namespace quirevo {

// A group box that is the real parent of its controls: hiding it hides them, and the
// notifications they send it go on to their peers.
class GroupBoxPeer final : public Win32Peer {
 public:
  GroupBoxPeer(GroupBox& box, FormWindow& window);
  bool isContainer() const override { return true; }

 protected:
  LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::wstring nativeText() const override { return literalCaption(control().text()); }
};

}  // namespace quirevo
