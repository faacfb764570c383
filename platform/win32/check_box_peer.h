#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/check_box.h"

namespace quirevo {

// A two-state check box; a click goes to the model, which changes the state.
class CheckBoxPeer final : public Win32Peer {
 public:
  CheckBoxPeer(CheckBox& box, FormWindow& window);
  void command(WORD code) override;

 protected:
  void kindPropertyChanged(Property property) override;
  std::wstring nativeText() const override { return literalCaption(control().text()); }

 private:
  CheckBox& box_;
};

}  // namespace quirevo
