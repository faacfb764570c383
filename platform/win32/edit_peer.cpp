#include "platform/win32/edit_peer.h"

#include "platform/windows/wide_text.h"

namespace quirevo {

EditPeer::EditPeer(Edit& edit, FormWindow& window) : Win32Peer(edit, window), edit_(edit) {
  create(L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
  attach();
}

void EditPeer::command(WORD code) {
  if (code == EN_CHANGE && !updating()) {
    edit_.userEdit(toUtf8(windowText(handle())));
  }
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace quirevo
