#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/combo_box.h"

namespace quirevo {

// A drop-down combo box with an edit field: a picked item and every edit of the text go to the
// model.
class ComboBoxPeer final : public Win32Peer {
 public:
  ComboBoxPeer(ComboBox& box, FormWindow& window);
  void command(WORD code) override;

 protected:
  void kindPropertyChanged(Property property) override;
  void applyBounds() override;
  void applyFont() override;

 private:
  ComboBox& box_;
};

}  // namespace quirevo
