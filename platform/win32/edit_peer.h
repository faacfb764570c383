#pragma once

#include "platform/win32/win32_peer.h"
#include "ui/edit.h"

namespace quirevo {

// A single-line edit field; every change of its text goes to the model as the user's edit.
class EditPeer final : public Win32Peer {
 public:
  EditPeer(Edit& edit, FormWindow& window);
  void command(WORD code) override;

 private:
  Edit& edit_;
};

// The whole text of a window.
std::wstring windowText(HWND window);

}  // namespace quirevo
