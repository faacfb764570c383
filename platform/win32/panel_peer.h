#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/panel.h"

namespace quirevo {

// A framed area with its caption centred: an outer and an inner bevel, each raised or lowered.
class PanelPeer final : public Win32Peer {
 public:
  PanelPeer(Panel& panel, FormWindow& window);

 protected:
  void applyText() override;

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void paint();

  Panel& panel_;
};

}  // namespace quirevo
