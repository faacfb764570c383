#include "platform/win32/radio_button_peer.h"

namespace quirevo {

RadioButtonPeer::RadioButtonPeer(RadioButton& button, FormWindow& window)
    : Win32Peer(button, window), button_(button) {
  // Not an automatic radio button: the model unchecks the others of its parent.
  create(L"BUTTON", BS_RADIOBUTTON);
  subclass();
  attach();
}

void RadioButtonPeer::kindPropertyChanged(Property property) {
  if (property != Property::Checked) {
    return;
  }
  SendMessageW(handle(), BM_SETCHECK, button_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
  LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
  style = button_.tabStop() ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
  SetWindowLongPtrW(handle(), GWL_STYLE, style);
}

void RadioButtonPeer::command(WORD code) {
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && !updating()) {
    button_.userClick();
  }
}

LRESULT RadioButtonPeer::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = defaultMessage(message, wParam, lParam);
  // The focus came by keyboard (an arrow key within the group): the button becomes checked. A
  // mouse press checks it on release, through the click.
  if (message == WM_SETFOCUS && GetKeyState(VK_LBUTTON) >= 0 && !button_.checked()) {
    button_.userClick();
  }
  return result;
}

}  // namespace quirevo
