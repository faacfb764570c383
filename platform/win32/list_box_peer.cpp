#include "platform/win32/list_box_peer.h"

#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

ListBoxPeer::ListBoxPeer(ListBox& list, FormWindow& window) : Win32Peer(list, window), list_(list) {
  create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE);
  attach();
}

void ListBoxPeer::applyFont() {
  Win32Peer::applyFont();
  SendMessageW(handle(), LB_SETITEMHEIGHT, 0, window().scale()(list_.itemHeight()));
}

void ListBoxPeer::kindPropertyChanged(Property property) {
  switch (property) {
    case Property::Items: {
      const auto shown = static_cast<std::size_t>(SendMessageW(handle(), LB_GETCOUNT, 0, 0));
      // Lines are appended one at a time; only a shorter list means it was cleared.
      std::size_t next = shown;
      if (list_.items().size() < shown || list_.items().empty()) {
        SendMessageW(handle(), LB_RESETCONTENT, 0, 0);
        next = 0;
      }
      for (; next < list_.items().size(); ++next) {
        SendMessageW(handle(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(toWide(list_.items()[next]).c_str()));
      }
      break;
    }
    case Property::ItemIndex:
      SendMessageW(handle(), LB_SETCURSEL, static_cast<WPARAM>(list_.itemIndex()), 0);
      break;
    default:
      break;
  }
}

void ListBoxPeer::command(WORD code) {
  if (code == LBN_SELCHANGE && !updating()) {
    list_.userSelect(static_cast<int>(SendMessageW(handle(), LB_GETCURSEL, 0, 0)));
  }
}

}  // namespace quirevo
