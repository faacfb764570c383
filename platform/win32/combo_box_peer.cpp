#include "platform/win32/combo_box_peer.h"

#include "platform/win32/edit_peer.h"
#include "platform/win32/form_window.h"
#include "platform/windows/wide_text.h"

namespace quirevo {

namespace {
constexpr int kVisibleItems = 8;
}  // namespace

ComboBoxPeer::ComboBoxPeer(ComboBox& box, FormWindow& window) : Win32Peer(box, window), box_(box) {
  create(L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL);
  attach();
}

void ComboBoxPeer::applyBounds() {
  // A combo box's window height includes its drop-down list.
  const DpiScale scale = window().scale();
  const RECT rect = scale.rect(control().bounds());
  const int listHeight = scale(box_.itemHeight() * kVisibleItems + 2);
  SetWindowPos(handle(), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top + listHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ComboBoxPeer::applyFont() {
  Win32Peer::applyFont();
  SendMessageW(handle(), CB_SETITEMHEIGHT, 0, window().scale()(box_.itemHeight()));
}

void ComboBoxPeer::kindPropertyChanged(Property property) {
  switch (property) {
    case Property::Items:
      SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : box_.items()) {
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(item).c_str()));
      }
      setNativeText(handle(), toWide(box_.text()));
      break;
    case Property::ItemIndex: {
      const auto current = static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
      if (current == box_.itemIndex()) {
        break;
      }
      // Clearing the selection also clears the edit field; the typed text and caret stay.
      DWORD start = 0;
      DWORD end = 0;
      SendMessageW(handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(box_.itemIndex()), 0);
      setNativeText(handle(), toWide(box_.text()));
      if (box_.itemIndex() < 0) {
        SendMessageW(handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, end));
      }
      break;
    }
    default:
      break;
  }
}

void ComboBoxPeer::command(WORD code) {
  if (updating()) {
    return;
  }
  if (code == CBN_SELCHANGE) {
    const auto index = static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
    box_.userSelectItem(index);
  } else if (code == CBN_EDITCHANGE) {
    box_.userEdit(toUtf8(windowText(handle())));
  }
}

}  // namespace quirevo
