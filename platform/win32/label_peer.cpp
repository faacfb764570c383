#include "platform/win32/label_peer.h"

namespace quirevo {

LabelPeer::LabelPeer(Label& label, FormWindow& window) : Win32Peer(label, window) {
  const DWORD alignment = label.alignment() == Alignment::Right    ? SS_RIGHT
                          : label.alignment() == Alignment::Center ? SS_CENTER
                                                                   : SS_LEFT;
  // The caption is shown as written: "&" is no mnemonic.
  create(L"STATIC", alignment | SS_NOPREFIX);
  attach();
  // The layout's sizes were measured in the designer's font; this one fits the font drawn here.
  label.fitToCaption();
}

}  // namespace quirevo
