#include "platform/win32/group_box_peer.h"

#include "platform/win32/form_window.h"

namespace quirevo {

GroupBoxPeer::GroupBoxPeer(GroupBox& box, FormWindow& window) : Win32Peer(box, window) {
  // WS_EX_CONTROLPARENT lets the dialog manager tab into the box's controls.
  create(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  subclass();
  attach();
}

LRESULT GroupBoxPeer::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (window().routeChildMessage(message, wParam, lParam, result)) {
    return result;
  }
  if (message == WM_ERASEBKGND) {
    // A group box draws only its frame; as a parent it must fill the area under its controls.
    RECT client;
    GetClientRect(handle(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
  }
  return defaultMessage(message, wParam, lParam);
}

}  // namespace quirevo
