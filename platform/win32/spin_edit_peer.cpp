#include "platform/win32/spin_edit_peer.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/edit_peer.h"
#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

SpinEditPeer::SpinEditPeer(SpinEdit& spin, FormWindow& window)
    : Win32Peer(spin, window), spin_(spin) {
  create(L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
  SendMessageW(handle(), EM_SETLIMITTEXT, SpinEdit::kMaxLength, 0);
  // The buddy takes no part in the value: each press is reported and the position never moves.
  upDown_ =
      CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | UDS_ALIGNRIGHT, 0, 0, 0, 0, parentHandle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(window.nextControlId())),
                      window.instance(), nullptr);
  if (upDown_ == nullptr) {
    throw std::runtime_error("The up-down buttons of " + spin.name() + " could not be created");
  }
  SendMessageW(upDown_, UDM_SETRANGE32, 0, 2);
  SendMessageW(upDown_, UDM_SETPOS32, 0, 1);
  window.route(upDown_, *this);
  subclass();
  attach();
}

void SpinEditPeer::applyBounds() {
  Win32Peer::applyBounds();
  // The buddy takes its place inside the field's rectangle, at the right.
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(handle()), 0);
}

void SpinEditPeer::command(WORD code) {
  if (code == EN_CHANGE && !updating()) {
    spin_.userEdit(toUtf8(windowText(handle())));
  }
}

LRESULT SpinEditPeer::notify(const NMHDR& header) {
  if (header.hwndFrom == upDown_ && header.code == UDN_DELTAPOS) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    spin_.userStep(change.iDelta > 0 ? 1 : -1);
    return TRUE;  // the buddy's position stays
  }
  return 0;
}

LRESULT SpinEditPeer::windowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      // The field keeps Enter (refused with a beep) and the Up and Down keys (steps).
      LRESULT code = defaultMessage(message, wParam, lParam) | DLGC_WANTARROWS;
      const auto* pending = reinterpret_cast<const MSG*>(lParam);
      if (pending != nullptr && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_CHAR: {
      // A character outside the Basic Multilingual Plane arrives as two surrogates, both refused.
      if (!spin_.userKeyPress(static_cast<char32_t>(wParam))) {
        return 0;
      }
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        spin_.userKeyDown(wParam == VK_UP ? Key::Up : Key::Down);
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      spin_.userExit();
      break;
    default:
      break;
  }
  return defaultMessage(message, wParam, lParam);
}

}  // namespace quirevo
