#include "platform/win32/speed_button_peer.h"

#include <windowsx.h>

namespace quirevo {

SpeedButtonPeer::SpeedButtonPeer(SpeedButton& button, FormWindow& window)
    : Win32Peer(button, window), button_(button) {
  create(L"BUTTON", BS_PUSHBUTTON);
  subclass();
  attach();
}

LRESULT SpeedButtonPeer::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The mouse is handled here because the button's own handling would take the focus.
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressing_ = true;
      SetCapture(handle());
      SendMessageW(handle(), BM_SETSTATE, TRUE, 0);
      return 0;
    case WM_MOUSEMOVE:
      if (pressing_) {
        RECT client;
        GetClientRect(handle(), &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SendMessageW(handle(), BM_SETSTATE, PtInRect(&client, at), 0);
      }
      return 0;
    case WM_LBUTTONUP:
      if (pressing_) {
        pressing_ = false;
        ReleaseCapture();
        const bool inside = SendMessageW(handle(), BM_GETSTATE, 0, 0) & BST_PUSHED;
        SendMessageW(handle(), BM_SETSTATE, FALSE, 0);
        if (inside) {
          button_.userClick();
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (pressing_) {
        pressing_ = false;
        SendMessageW(handle(), BM_SETSTATE, FALSE, 0);
      }
      break;
    case WM_SETFOCUS:
      // Never kept: handed back to the window it came from.
      if (wParam != 0) {
        SetFocus(reinterpret_cast<HWND>(wParam));
      }
      return 0;
    default:
      break;
  }
  return defaultMessage(message, wParam, lParam);
}

}  // namespace quirevo
