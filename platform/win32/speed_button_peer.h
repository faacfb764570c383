#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/button.h"

namespace quirevo {

// A push button that never takes the focus: the control being edited keeps it while the button
// is pressed, as a tool button should.
class SpeedButtonPeer final : public Win32Peer {
 public:
  SpeedButtonPeer(SpeedButton& button, FormWindow& window);

 protected:
  LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::wstring nativeText() const override { return literalCaption(control().text()); }

 private:
  SpeedButton& button_;
  bool pressing_ = false;
};

}  // namespace quirevo
