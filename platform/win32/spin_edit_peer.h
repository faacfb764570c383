#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/spin_edit.h"

namespace quirevo {

// An edit field with an up-down buddy. Typed characters pass the model's key filter first; the
// arrow buttons and the Up and Down keys step the value; leaving the field brings it into bounds.
class SpinEditPeer final : public Win32Peer {
 public:
  SpinEditPeer(SpinEdit& spin, FormWindow& window);
  void command(WORD code) override;
  LRESULT notify(const NMHDR& header) override;
  std::vector<HWND> windows() const override { return {handle(), upDown_}; }

 protected:
  LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void applyBounds() override;

 private:
  SpinEdit& spin_;
  HWND upDown_ = nullptr;
};

}  // namespace quirevo
