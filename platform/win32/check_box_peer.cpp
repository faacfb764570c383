#include "platform/win32/check_box_peer.h"

namespace quirevo {

CheckBoxPeer::CheckBoxPeer(CheckBox& box, FormWindow& window) : Win32Peer(box, window), box_(box) {
  // Not an automatic check box: the state changes only when the model says so.
  create(L"BUTTON", BS_CHECKBOX);
  attach();
}

void CheckBoxPeer::kindPropertyChanged(Property property) {
  if (property == Property::Checked) {
    SendMessageW(handle(), BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void CheckBoxPeer::command(WORD code) {
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !updating()) {
    box_.userClick();
  }
}

}  // namespace quirevo
