#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/radio_button.h"

namespace quirevo {

// A radio button. The model keeps the group exclusive; only the checked button is a tab stop,
// and moving the focus onto a button with the arrow keys checks it.
class RadioButtonPeer final : public Win32Peer {
 public:
  RadioButtonPeer(RadioButton& button, FormWindow& window);
  void command(WORD code) override;

 protected:
  void kindPropertyChanged(Property property) override;
  LRESULT windowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  std::wstring nativeText() const override { return literalCaption(control().text()); }

 private:
  RadioButton& button_;
};

}  // namespace quirevo
