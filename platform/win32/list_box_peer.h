#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/list_box.h"

namespace quirevo {

// A single-selection list box of text lines; the model only appends lines or clears them all.
class ListBoxPeer final : public Win32Peer {
 public:
  ListBoxPeer(ListBox& list, FormWindow& window);
  void command(WORD code) override;

 protected:
  void kindPropertyChanged(Property property) override;
  void applyFont() override;
  void applyText() override {}

 private:
  ListBox& list_;
};

}  // namespace quirevo
